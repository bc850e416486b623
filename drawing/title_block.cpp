// Frame, title block, parameter table and technical requirements.
#include "drawing/title_block.h"

#include <algorithm>
#include <array>

#include "drawing/drafting_font.h"
#include "drawing/sheet_format.h"
#include "drawing/sheet_geometry.h"
#include "drawing/sheet_pen.h"

namespace gearpair {

namespace {

constexpr double kSmallText = 2.5;

void FrameLine(Sheet& sheet, Layer layer, double x1, double y1, double x2, double y2) {
    sheet.items.push_back({layer, Line{{x1, y1}, {x2, y2}}});
}

void Rectangle(Sheet& sheet, Layer layer, const Box& box) {
    sheet.items.push_back({layer, Polyline{{{box.left, box.bottom},
                                            {box.right, box.bottom},
                                            {box.right, box.top},
                                            {box.left, box.top}},
                                           true,
                                           false}});
}

// A text; one that fills a field of the title block (`attribute`, its tag in CAD) is put even
// when empty, so that a CAD user can fill it in.
void PutText(Sheet& sheet, Point at, const std::string& text, double height, Anchor anchor,
             double angleDeg = 0, const char* attribute = "") {
    if (text.empty() && *attribute == '\0') return;
    Text item{at, text, height, anchor, angleDeg};
    item.attribute = attribute;
    sheet.items.push_back({Layer::Text, std::move(item)});
}

// A text centred in a cell at a fixed height.
void CellText(Sheet& sheet, const Box& cell, const std::string& text, double height,
              const char* attribute = "") {
    PutText(sheet, {(cell.left + cell.right) / 2, (cell.bottom + cell.top) / 2}, text, height,
            Anchor::MiddleCentre, 0, attribute);
}

// A user's text centred in its cell at the largest standard height up to `largest` that fits.
void UserCellText(Sheet& sheet, const Box& cell, const std::string& text, double largest,
                  const char* field, double angleDeg = 0, const char* attribute = "") {
    const double height =
        text.empty() ? largest : FittingTextHeight(text, cell.Width() - 2, largest);
    if (height == 0) {
        throw DrawingTextError(std::string("Текст поля «") + field + "» не помещается в графу " +
                               "основной надписи: " + text);
    }
    PutText(sheet, {(cell.left + cell.right) / 2, (cell.bottom + cell.top) / 2}, text, height,
            Anchor::MiddleCentre, angleDeg, attribute);
}

// The left-margin graphs 19 to 23 from the frame's bottom up: labels 5 mm wide, the fields
// 7 mm, along the frame.
void DrawMarginGraphs(Sheet& sheet, const Box& frame) {
    struct Graph {
        const char* label;
        double length;
    };
    constexpr std::array<Graph, 5> graphs = {{{"Инв. № подл.", 25},
                                              {"Подп. и дата", 35},
                                              {"Взам. инв. №", 25},
                                              {"Инв. № дубл.", 25},
                                              {"Подп. и дата", 35}}};
    const double right = frame.left;
    const double middle = right - 7;
    const double left = right - 12;
    double y = frame.bottom;
    for (const Graph& graph : graphs) {
        Rectangle(sheet, Layer::Frame, Box{left, y, right, y + graph.length});
        FrameLine(sheet, Layer::Frame, middle, y, middle, y + graph.length);
        PutText(sheet, {(left + middle) / 2, y + graph.length / 2}, graph.label, kSmallText,
                Anchor::MiddleCentre, 90);
        y += graph.length;
    }
}

// The one or two lines a table cell's text takes: one of 3,5 mm, one of 2,5 mm, or two of
// 2,5 mm split at the blank nearest the middle.
struct CellLines {
    double height = kTextHeight;
    std::vector<std::string> lines;
};

CellLines TableCellLines(const std::string& text, double room) {
    if (TextWidth(text, kTextHeight) <= room) return {kTextHeight, {text}};
    if (TextWidth(text, kSmallText) <= room) return {kSmallText, {text}};
    std::size_t best = std::string::npos;
    double bestWidth = 1e300;
    for (std::size_t at = text.find(' '); at != std::string::npos; at = text.find(' ', at + 1)) {
        const double width = std::max(TextWidth(text.substr(0, at), kSmallText),
                                      TextWidth(text.substr(at + 1), kSmallText));
        if (width < bestWidth) {
            bestWidth = width;
            best = at;
        }
    }
    if (best == std::string::npos) return {kSmallText, {text}};
    return {kSmallText, {text.substr(0, best), text.substr(best + 1)}};
}

void TableCell(Sheet& sheet, const Box& cell, const std::string& text, bool centred) {
    if (text.empty()) return;
    const CellLines cl = TableCellLines(text, cell.Width() - 3);
    const double x = centred ? (cell.left + cell.right) / 2 : cell.left + 1.5;
    const Anchor anchor = centred ? Anchor::MiddleCentre : Anchor::MiddleLeft;
    const double middle = (cell.bottom + cell.top) / 2;
    if (cl.lines.size() == 1) {
        PutText(sheet, {x, middle}, cl.lines[0], cl.height, anchor);
        return;
    }
    PutText(sheet, {x, middle + 1.75}, cl.lines[0], cl.height, anchor);
    PutText(sheet, {x, middle - 1.75}, cl.lines[1], cl.height, anchor);
}

}  // namespace

double FittingTextHeight(const std::string& text, double room, double largest) {
    for (auto it = std::rbegin(kTextHeights); it != std::rend(kTextHeights); ++it) {
        if (*it <= largest && TextWidth(text, *it) <= room) return *it;
    }
    return 0;
}

void DrawFrameAndTitleBlock(Sheet& sheet, const Box& frame, const TitleBlockTexts& texts) {
    Rectangle(sheet, Layer::Thin, Box{0, 0, sheet.widthMm, sheet.heightMm});
    Rectangle(sheet, Layer::Frame, frame);

    const Box block = TitleBlockBox(frame);
    const double x0 = block.left;
    const double y0 = block.bottom;
    // The title block proper is one block in CAD, its fields attributes.
    const std::size_t firstOfBlock = sheet.items.size();
    Rectangle(sheet, Layer::Frame, block);
    // Left part: 11 rows of 5 mm in columns 7, 10, 23, 15, 10 mm. The heading row
    // "Изм. Лист ..." between main lines; the other rows thin.
    for (int row = 1; row < 11; ++row) {
        const bool heading = row == 6 || row == 7;
        FrameLine(sheet, heading ? Layer::Frame : Layer::Thin, x0, y0 + row * 5, x0 + 65,
                  y0 + row * 5);
    }
    // The first column is undivided below the heading row, where the role names take the
    // first two.
    FrameLine(sheet, Layer::Frame, x0 + 7, y0 + 30, x0 + 7, y0 + 55);
    for (double at : {17.0, 40.0, 55.0, 65.0}) {
        FrameLine(sheet, Layer::Frame, x0 + at, y0, x0 + at, y0 + 55);
    }
    const char* roles[] = {"Утв.", "Н.контр.", "", "Т.контр.", "Пров.", "Разраб."};
    for (int i = 0; i < 6; ++i) {
        PutText(sheet, {x0 + 1, y0 + i * 5 + 2.5}, roles[i], kSmallText, Anchor::MiddleLeft);
    }
    UserCellText(sheet, Box{x0 + 17, y0 + 25, x0 + 40, y0 + 30}, texts.developer, kTextHeight,
                 "Разработал", 0, "DEVELOPER");
    UserCellText(sheet, Box{x0 + 17, y0 + 20, x0 + 40, y0 + 25}, texts.checker, kTextHeight,
                 "Проверил", 0, "CHECKER");
    const char* headings[] = {"Изм.", "Лист", "№ докум.", "Подп.", "Дата"};
    const double edges[] = {0, 7, 17, 40, 55, 65};
    for (int i = 0; i < 5; ++i) {
        CellText(sheet, Box{x0 + edges[i], y0 + 30, x0 + edges[i + 1], y0 + 35}, headings[i],
                 kSmallText);
    }

    // Right part: designation 120 x 15 on top, name 70 x 25, material 70 x 15; beside the
    // name the letter, mass and scale cells, then the sheet cells and the organisation.
    FrameLine(sheet, Layer::Frame, x0 + 65, y0 + 40, block.right, y0 + 40);
    FrameLine(sheet, Layer::Frame, x0 + 65, y0 + 15, block.right, y0 + 15);
    FrameLine(sheet, Layer::Frame, x0 + 135, y0, x0 + 135, y0 + 40);
    FrameLine(sheet, Layer::Thin, x0 + 135, y0 + 35, block.right, y0 + 35);
    FrameLine(sheet, Layer::Frame, x0 + 135, y0 + 20, block.right, y0 + 20);
    FrameLine(sheet, Layer::Frame, x0 + 150, y0 + 20, x0 + 150, y0 + 40);
    FrameLine(sheet, Layer::Frame, x0 + 167, y0 + 20, x0 + 167, y0 + 40);
    FrameLine(sheet, Layer::Thin, x0 + 140, y0 + 20, x0 + 140, y0 + 35);
    FrameLine(sheet, Layer::Thin, x0 + 145, y0 + 20, x0 + 145, y0 + 35);
    FrameLine(sheet, Layer::Frame, x0 + 155, y0 + 15, x0 + 155, y0 + 20);
    CellText(sheet, Box{x0 + 135, y0 + 35, x0 + 150, y0 + 40}, "Лит.", kSmallText);
    CellText(sheet, Box{x0 + 150, y0 + 35, x0 + 167, y0 + 40}, "Масса", kSmallText);
    CellText(sheet, Box{x0 + 167, y0 + 35, x0 + 185, y0 + 40}, "Масштаб", kSmallText);
    CellText(sheet, Box{x0 + 150, y0 + 20, x0 + 167, y0 + 35}, texts.mass, kTextHeight, "MASS");
    CellText(sheet, Box{x0 + 167, y0 + 20, x0 + 185, y0 + 35}, texts.scale, kTextHeight, "SCALE");
    // A one-sheet document: "Лист" stays blank, "Листов 1".
    PutText(sheet, {x0 + 136.5, y0 + 17.5}, "Лист", kSmallText, Anchor::MiddleLeft);
    PutText(sheet, {x0 + 156.5, y0 + 17.5}, "Листов", kSmallText, Anchor::MiddleLeft);
    CellText(sheet, Box{x0 + 172, y0 + 15, x0 + 185, y0 + 20}, "1", kSmallText);
    UserCellText(sheet, Box{x0 + 65, y0 + 15, x0 + 135, y0 + 40}, texts.name, 7, "Наименование", 0,
                 "NAME");
    UserCellText(sheet, Box{x0 + 65, y0 + 40, block.right, y0 + 55}, texts.designation, 7,
                 "Обозначение", 0, "DESIGNATION");
    UserCellText(sheet, Box{x0 + 65, y0, x0 + 135, y0 + 15}, texts.material, 5, "Материал", 0,
                 "MATERIAL");
    UserCellText(sheet, Box{x0 + 135, y0, block.right, y0 + 15}, texts.organisation, 5,
                 "Организация", 0, "ORGANISATION");
    for (std::size_t i = firstOfBlock; i < sheet.items.size(); ++i) {
        sheet.items[i].titleBlock = true;
    }

    // Graph 26: the designation turned by 180 degrees in the frame's top left corner.
    const Box graph26 = Graph26Box(frame);
    Rectangle(sheet, Layer::Frame, graph26);
    UserCellText(sheet, graph26, texts.designation, 7, "Обозначение", 180);
    DrawMarginGraphs(sheet, frame);

    // Under the frame.
    PutText(sheet, {x0 + 70, 1.5}, "Копировал", kSmallText, Anchor::BottomLeft);
    PutText(sheet, {x0 + 140, 1.5}, "Формат " + sheet.format, kSmallText, Anchor::BottomLeft);
}

int TableRowCount(const std::vector<std::vector<TableRow>>& parts) {
    int rows = 0;
    for (const auto& part : parts) rows += static_cast<int>(part.size());
    return rows;
}

void DrawParameterTable(Sheet& sheet, const Box& frame,
                        const std::vector<std::vector<TableRow>>& parts) {
    const int rowCount = TableRowCount(parts);
    if (rowCount == 0) return;
    const Box table = TableBox(frame, rowCount);
    Rectangle(sheet, Layer::Frame, table);
    const double columns[] = {table.left, table.left + 65, table.left + 75, table.right};
    FrameLine(sheet, Layer::Frame, columns[1], table.bottom, columns[1], table.top);
    FrameLine(sheet, Layer::Frame, columns[2], table.bottom, columns[2], table.top);
    int row = 0;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        for (std::size_t i = 0; i < parts[p].size(); ++i, ++row) {
            const double top = table.top - row * kTableRowHeight;
            const double bottom = top - kTableRowHeight;
            if (row > 0) {
                FrameLine(sheet, i == 0 ? Layer::Frame : Layer::Thin, table.left, top, table.right,
                          top);
            }
            const TableRow& r = parts[p][i];
            TableCell(sheet, Box{columns[0], bottom, columns[1], top}, r.name, false);
            TableCell(sheet, Box{columns[1], bottom, columns[2], top}, r.symbol, true);
            TableCell(sheet, Box{columns[2], bottom, columns[3], top}, r.value, true);
        }
    }
}

std::vector<std::string> RequirementLines(const std::vector<std::string>& requirements) {
    std::vector<std::string> lines;
    // The width of a line, indented 5 mm from the frame and 5 mm clear of its right edge.
    const double room = kTitleBlockWidth - 10;
    // Advances add up: the font has no kerning the sheets use.
    const TrueTypeFont& font = DraftingFont();
    const int blank = font.TextAdvance(" ");
    for (std::size_t i = 0; i < requirements.size(); ++i) {
        std::string line = std::to_string(i + 1) + ". ";
        int advance = font.TextAdvance(line);  // of the line so far, font units
        bool first = true;                     // no word on the line yet
        const std::string_view text = requirements[i];
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find(' ', start);
            if (end == std::string_view::npos) end = text.size();
            const std::string_view word = text.substr(start, end - start);
            const int wordAdvance = font.TextAdvance(word);
            if (!first && AdvanceWidth(advance + blank + wordAdvance, kTextHeight) > room) {
                lines.push_back(std::move(line));
                line = "    ";
                advance = font.TextAdvance(line);
                first = true;
            }
            if (!first) {
                line += ' ';
                advance += blank;
            }
            line += word;
            advance += wordAdvance;
            first = false;
            start = end + 1;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void DrawRequirements(Sheet& sheet, const Box& frame, const std::vector<std::string>& lines) {
    const Box box = RequirementsBox(frame, static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double y = box.top - static_cast<double>(i + 1) * kRequirementLineHeight + 2;
        sheet.items.push_back(
            {Layer::Text, Text{{box.left + 5, y}, lines[i], kTextHeight, Anchor::BottomLeft}});
    }
}

}  // namespace gearpair
