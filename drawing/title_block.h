// The furniture of a sheet: the sheet edge and inner frame, the title block (form 1,
// 185 x 55 mm) with graph 26 and the extra graphs 19 to 23 on the left margin, the labels
// under the frame, the parameter table of the gear rim and the numbered technical
// requirements.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "drawing/sheet.h"
#include "drawing/sheet_format.h"
#include "drawing/sheet_geometry.h"

namespace gearpair {

// A user's text that cannot go onto the sheet: too long for its cell, a control character,
// invalid UTF-8. The message names the field.
class DrawingTextError : public Error {
public:
    using Error::Error;
};

// The standard series of text heights (mm) the sheets use.
inline constexpr double kTextHeights[] = {2.5, 3.5, 5, 7, 10};

struct TitleBlockTexts {
    std::string name;  // graph 1: "Колесо зубчатое", "Шестерня", "Вал-шестерня"
    std::string designation;   // graph 2 and graph 26
    std::string material;      // graph 3
    std::string mass;          // graph 5, kg, "12,3"
    std::string scale;         // graph 6, "1:2"
    std::string developer;     // graph 11, row "Разраб."
    std::string checker;       // graph 11, row "Пров."
    std::string organisation;  // graph 9
};

// The largest height of the standard series, not above `largest`, at which a one-line text
// fits `room` mm; 0 when not even 2,5 mm does.
double FittingTextHeight(const std::string& text, double room, double largest);

// The sheet edge (thin), the inner frame, the title block in the frame's bottom right corner,
// graph 26, the left-margin graphs and "Копировал", "Формат A3" under the frame. A user's text
// too long for its cell throws DrawingTextError.
void DrawFrameAndTitleBlock(Sheet& sheet, const Box& frame, const TitleBlockTexts& texts);

// One row of the parameter table; a row with a name and no value is left to be filled in.
struct TableRow {
    std::string name;
    std::string symbol;
    std::string value;
};

// A part's sheet of `format` at the scale `scaleText`: titled with the part's name and
// designation (the PDF's and SVG's title), its frame with the title block and the parameter
// table drawn. Returns the inner frame in `frame`. Throws DrawingTextError as
// DrawFrameAndTitleBlock does.
Sheet StartPartSheet(const SheetFormat& format, std::string_view scaleText, TitleBlockTexts title,
                     const std::vector<std::vector<TableRow>>& table, Box& frame);

// The table in the frame's top right corner, columns 65, 10 and 35 mm, every text 3,5 mm: its
// parts one after the other, main lines around it and between the parts, thin lines between
// rows. A row is 8 mm per line of its longest cell: a name too long for one line wraps onto a
// second in a row of 16 mm.
void DrawParameterTable(Sheet& sheet, const Box& frame,
                        const std::vector<std::vector<TableRow>>& parts);

// The 8 mm lines of all parts: a row counts once per line of its longest cell.
int TableLineCount(const std::vector<std::vector<TableRow>>& parts);

// A table cell's text in lines of 3,5 mm no wider than `room` mm, broken at blanks (a word
// longer than the room between its characters); none for an empty text.
std::vector<std::string> TableCellLines(const std::string& text, double room);

// The requirements numbered "1. ", "2. "..., each wrapped at blanks to the title block's
// width; the lines as they will be drawn.
std::vector<std::string> RequirementLines(const std::vector<std::string>& requirements);

// The lines from the top of RequirementsBox down.
void DrawRequirements(Sheet& sheet, const Box& frame, const std::vector<std::string>& lines);

}  // namespace gearpair
