// The furniture of a sheet: the sheet edge and inner frame, the title block (form 1,
// 185 x 55 mm) with its grid and filled cells, the parameter table of the gear rim and the
// numbered technical requirements.
#pragma once

#include <string>
#include <vector>

#include "drawing/sheet.h"
#include "drawing/sheet_geometry.h"

namespace gearpair {

struct TitleBlockTexts {
    std::string name;   // "Колесо зубчатое", "Шестерня"
    std::string scale;  // "1:2"
    std::string mass;   // kg, "12,3"
};

// The sheet edge (thin), the inner frame and the title block in the frame's bottom right
// corner.
void DrawFrameAndTitleBlock(Sheet& sheet, const Box& frame, const TitleBlockTexts& texts);

// One row of the parameter table; an empty name leaves the row empty.
struct TableRow {
    std::string name;
    std::string symbol;
    std::string value;
};

// The table in the frame's top right corner, columns 65, 10 and 35 mm, rows 8 mm. A text too
// long for its cell is set smaller so that it fits.
void DrawParameterTable(Sheet& sheet, const Box& frame, const std::vector<TableRow>& rows);

// The requirements numbered "1. ", "2. "..., each wrapped at blanks to the title block's
// width; the lines as they will be drawn.
std::vector<std::string> RequirementLines(const std::vector<std::string>& requirements);

// The lines from the top of RequirementsBox down.
void DrawRequirements(Sheet& sheet, const Box& frame, const std::vector<std::string>& lines);

}  // namespace gearpair
