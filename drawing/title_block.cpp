// Frame, title block, parameter table and technical requirements.
#include "drawing/title_block.h"

#include <algorithm>
#include <array>
#include <string_view>

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

// The table's columns (mm) and the room a cell's text has between 1,5 mm margins.
constexpr double kTableColumns[] = {65, 10, 35};
constexpr double kCellMargin = 1.5;

double CellRoom(int column) {
    return kTableColumns[column] - 2 * kCellMargin;
}

// The UTF-8 characters of a word, as many as fit `room` at 3,5 mm (at least one), and the rest.
std::size_t FittingPrefix(std::string_view word, double room) {
    std::size_t fits = 0;
    for (std::size_t at = 1; at <= word.size(); ++at) {
        if (at < word.size() && (static_cast<unsigned char>(word[at]) & 0xC0) == 0x80) continue;
        if (fits > 0 && TextWidth(word.substr(0, at), kTextHeight) > room) break;
        fits = at;
    }
    return fits;
}

}  // namespace

std::vector<std::string> TableCellLines(const std::string& text, double room) {
    // ГОСТ 2.304 and 2.403: the table is written in 3,5 mm throughout; a text that does not fit
    // goes on at the next line (broken at blanks; a single word longer than the cell between
    // characters), never in a smaller size.
    if (TextWidth(text, kTextHeight) <= room) {
        return text.empty() ? std::vector<std::string>{} : std::vector<std::string>{text};
    }
    // Two lines where they hold it, split at the blank that leaves the wider line narrowest.
    std::size_t split = std::string::npos;
    double narrowest = room;
    for (std::size_t at = text.find(' '); at != std::string::npos; at = text.find(' ', at + 1)) {
        const double wider = std::max(TextWidth(text.substr(0, at), kTextHeight),
                                      TextWidth(text.substr(at + 1), kTextHeight));
        if (wider <= narrowest) {
            narrowest = wider;
            split = at;
        }
    }
    if (split != std::string::npos) return {text.substr(0, split), text.substr(split + 1)};
    // Otherwise as many lines as it takes, each filled up.
    std::vector<std::string> lines;
    std::string line;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        std::string_view word = rest.substr(0, blank);
        rest = blank == std::string_view::npos ? std::string_view{} : rest.substr(blank + 1);
        if (!line.empty() && TextWidth(line + ' ' + std::string(word), kTextHeight) <= room) {
            line += ' ';
            line += word;
            continue;
        }
        if (!line.empty()) lines.push_back(std::move(line));
        line.clear();
        while (TextWidth(word, kTextHeight) > room) {
            const std::size_t fits = FittingPrefix(word, room);
            lines.emplace_back(word.substr(0, fits));
            word.remove_prefix(fits);
        }
        line = word;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

namespace {

// The lines of each of a row's three cells.
std::array<std::vector<std::string>, 3> RowLines(const TableRow& row) {
    return {TableCellLines(row.name, CellRoom(0)), TableCellLines(row.symbol, CellRoom(1)),
            TableCellLines(row.value, CellRoom(2))};
}

// How many 8 mm lines a row takes: as many as its longest cell.
int RowLineCount(const std::array<std::vector<std::string>, 3>& cells) {
    std::size_t lines = 1;
    for (const auto& cell : cells) lines = std::max(lines, cell.size());
    return static_cast<int>(lines);
}

// A cell's lines centred in its row, one every 8 mm: in a row of as many lines as the cell,
// each in the middle of its own 8 mm.
void TableCell(Sheet& sheet, const Box& cell, const std::vector<std::string>& lines, bool centred) {
    const double x = centred ? (cell.left + cell.right) / 2 : cell.left + kCellMargin;
    const Anchor anchor = centred ? Anchor::MiddleCentre : Anchor::MiddleLeft;
    const double first =
        (cell.bottom + cell.top) / 2 + static_cast<double>(lines.size() - 1) / 2 * kTableRowHeight;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        PutText(sheet, {x, first - static_cast<double>(i) * kTableRowHeight}, lines[i], kTextHeight,
                anchor);
    }
}

}  // namespace

double FittingTextHeight(const std::string& text, double room, double largest) {
    for (auto it = std::rbegin(kTextHeights); it != std::rend(kTextHeights); ++it) {
        if (*it <= largest && TextWidth(text, *it) <= room) return *it;
    }
    return 0;
}

Sheet StartPartSheet(const SheetFormat& format, std::string_view scaleText, TitleBlockTexts title,
                     const std::vector<std::vector<TableRow>>& table, Box& frame) {
    Sheet sheet;
    sheet.title = title.designation.empty() ? title.name : title.name + " " + title.designation;
    sheet.format = std::string(format.name);
    sheet.widthMm = format.width;
    sheet.heightMm = format.height;
    sheet.scale = std::string(scaleText);
    sheet.items.reserve(512);
    frame = InnerFrame(format);
    title.scale = sheet.scale;
    DrawFrameAndTitleBlock(sheet, frame, title);
    DrawParameterTable(sheet, frame, table);
    return sheet;
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

int TableLineCount(const std::vector<std::vector<TableRow>>& parts) {
    int lines = 0;
    for (const auto& part : parts) {
        for (const TableRow& row : part) lines += RowLineCount(RowLines(row));
    }
    return lines;
}

void DrawParameterTable(Sheet& sheet, const Box& frame,
                        const std::vector<std::vector<TableRow>>& parts) {
    const int lineCount = TableLineCount(parts);
    if (lineCount == 0) return;
    const Box table = TableBox(frame, lineCount);
    Rectangle(sheet, Layer::Frame, table);
    const double columns[] = {table.left, table.left + kTableColumns[0],
                              table.left + kTableColumns[0] + kTableColumns[1], table.right};
    FrameLine(sheet, Layer::Frame, columns[1], table.bottom, columns[1], table.top);
    FrameLine(sheet, Layer::Frame, columns[2], table.bottom, columns[2], table.top);
    double top = table.top;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        for (std::size_t i = 0; i < parts[p].size(); ++i) {
            if (top < table.top) {
                FrameLine(sheet, i == 0 ? Layer::Frame : Layer::Thin, table.left, top, table.right,
                          top);
            }
            const auto cells = RowLines(parts[p][i]);
            const double bottom = top - RowLineCount(cells) * kTableRowHeight;
            for (int c = 0; c < 3; ++c) {
                TableCell(sheet, Box{columns[c], bottom, columns[c + 1], top}, cells[c], c > 0);
            }
            top = bottom;
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
