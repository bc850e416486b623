// Frame, title block, parameter table and technical requirements.
#include "drawing/title_block.h"

#include <algorithm>

#include "drawing/sheet_format.h"
#include "drawing/sheet_pen.h"

namespace gearpair {

namespace {

void FrameLine(Sheet& sheet, double x1, double y1, double x2, double y2) {
    sheet.items.push_back({Layer::Frame, Line{{x1, y1}, {x2, y2}}});
}

void Rectangle(Sheet& sheet, Layer layer, const Box& box) {
    sheet.items.push_back({layer, Polyline{{{box.left, box.bottom},
                                            {box.right, box.bottom},
                                            {box.right, box.top},
                                            {box.left, box.top}},
                                           true,
                                           false}});
}

// A text centred in a cell, set smaller when it would not fit its width.
void CellText(Sheet& sheet, double left, double bottom, double width, double height,
              const std::string& text, double textHeight, const char* attribute = "") {
    if (text.empty() && !*attribute) return;
    Text t{{left + width / 2, bottom + height / 2}, text, textHeight, Anchor::MiddleCentre};
    t.attribute = attribute;
    const double room = width - 2;
    if (TextWidth(t) > room) t.height *= room / TextWidth(t);
    sheet.items.push_back({Layer::Text, std::move(t)});
}

// A text from the left edge of a cell, set smaller when too long.
void CellTextLeft(Sheet& sheet, double left, double bottom, double width, double height,
                  const std::string& text) {
    if (text.empty()) return;
    Text t{{left + 1.5, bottom + height / 2}, text, kTextHeight, Anchor::MiddleLeft};
    const double room = width - 3;
    if (TextWidth(t) > room) t.height *= room / TextWidth(t);
    sheet.items.push_back({Layer::Text, std::move(t)});
}

constexpr double kSmallText = 2.5;

}  // namespace

void DrawFrameAndTitleBlock(Sheet& sheet, const Box& frame, const TitleBlockTexts& texts) {
    Rectangle(sheet, Layer::Thin, Box{0, 0, sheet.widthMm, sheet.heightMm});
    Rectangle(sheet, Layer::Frame, frame);

    const Box block = TitleBlockBox(frame);
    const std::size_t first = sheet.items.size();
    const double x0 = block.left;
    const double y0 = block.bottom;
    Rectangle(sheet, Layer::Frame, block);
    // Left part: 11 rows of 5 mm in columns 7, 10, 23, 15, 10 mm.
    for (int row = 1; row < 11; ++row) {
        FrameLine(sheet, x0, y0 + row * 5, x0 + 65, y0 + row * 5);
    }
    // Columns at 7, 17, 40, 55 and 65 mm; the first is undivided below the heading row,
    // where the role names take the first two.
    FrameLine(sheet, x0 + 7, y0 + 30, x0 + 7, y0 + 55);
    for (double at : {17.0, 40.0, 55.0}) FrameLine(sheet, x0 + at, y0, x0 + at, y0 + 55);
    FrameLine(sheet, x0 + 65, y0, x0 + 65, y0 + 55);
    const char* roles[] = {"Утв.", "Н.контр.", "", "Т.контр.", "Пров.", "Разраб."};
    for (int i = 0; i < 6; ++i) {
        CellTextLeft(sheet, x0, y0 + i * 5, 17, 5, roles[i]);
    }
    const char* headings[] = {"Изм.", "Лист", "№ докум.", "Подп.", "Дата"};
    const double widths[] = {7, 10, 23, 15, 10};
    double x = x0;
    for (int i = 0; i < 5; ++i) {
        CellText(sheet, x, y0 + 30, widths[i], 5, headings[i], kSmallText);
        x += widths[i];
    }

    // Right part: designation 120 x 15 on top, name 70 x 25, material 70 x 15; beside the
    // name the letter, mass and scale cells, then the sheet cells and the organisation.
    FrameLine(sheet, x0 + 65, y0 + 40, block.right, y0 + 40);
    FrameLine(sheet, x0 + 65, y0 + 15, block.right, y0 + 15);
    FrameLine(sheet, x0 + 135, y0, x0 + 135, y0 + 40);
    FrameLine(sheet, x0 + 135, y0 + 35, block.right, y0 + 35);
    FrameLine(sheet, x0 + 135, y0 + 20, block.right, y0 + 20);
    FrameLine(sheet, x0 + 150, y0 + 20, x0 + 150, y0 + 40);
    FrameLine(sheet, x0 + 167, y0 + 20, x0 + 167, y0 + 40);
    FrameLine(sheet, x0 + 140, y0 + 20, x0 + 140, y0 + 35);
    FrameLine(sheet, x0 + 145, y0 + 20, x0 + 145, y0 + 35);
    FrameLine(sheet, x0 + 155, y0 + 15, x0 + 155, y0 + 20);
    CellText(sheet, x0 + 135, y0 + 35, 15, 5, "Лит.", kSmallText);
    CellText(sheet, x0 + 150, y0 + 35, 17, 5, "Масса", kSmallText);
    CellText(sheet, x0 + 167, y0 + 35, 18, 5, "Масштаб", kSmallText);
    CellText(sheet, x0 + 150, y0 + 20, 17, 15, texts.mass, kTextHeight, "MASS");
    CellText(sheet, x0 + 167, y0 + 20, 18, 15, texts.scale, kTextHeight, "SCALE");
    CellText(sheet, x0 + 135, y0 + 15, 20, 5, "Лист 1", kSmallText);
    CellText(sheet, x0 + 155, y0 + 15, 30, 5, "Листов 1", kSmallText);
    CellText(sheet, x0 + 65, y0 + 15, 70, 25, texts.name, 7, "NAME");
    // One block in CAD.
    for (std::size_t i = first; i < sheet.items.size(); ++i) sheet.items[i].titleBlock = true;
}

void DrawParameterTable(Sheet& sheet, const Box& frame, const std::vector<TableRow>& rows) {
    const Box table = TableBox(frame);
    Rectangle(sheet, Layer::Frame, table);
    const double columns[] = {table.left, table.left + 65, table.left + 75, table.right};
    FrameLine(sheet, columns[1], table.bottom, columns[1], table.top);
    FrameLine(sheet, columns[2], table.bottom, columns[2], table.top);
    for (int row = 1; row < kTableRows; ++row) {
        const double y = table.top - row * kTableRowHeight;
        FrameLine(sheet, table.left, y, table.right, y);
    }
    const std::size_t count = std::min<std::size_t>(rows.size(), kTableRows);
    for (std::size_t i = 0; i < count; ++i) {
        const double bottom = table.top - static_cast<double>(i + 1) * kTableRowHeight;
        CellTextLeft(sheet, columns[0], bottom, 65, kTableRowHeight, rows[i].name);
        CellText(sheet, columns[1], bottom, 10, kTableRowHeight, rows[i].symbol, kTextHeight);
        CellText(sheet, columns[2], bottom, 35, kTableRowHeight, rows[i].value, kTextHeight);
    }
}

std::vector<std::string> RequirementLines(const std::vector<std::string>& requirements) {
    std::vector<std::string> lines;
    // Characters a line of the requirements' width holds.
    const auto room =
        static_cast<std::size_t>((kTitleBlockWidth - 10) / (kCharWidthPerHeight * kTextHeight));
    for (std::size_t i = 0; i < requirements.size(); ++i) {
        std::string line = std::to_string(i + 1) + ". ";
        std::size_t count = line.size();
        bool first = true;  // no word on the line yet
        const std::string_view text = requirements[i];
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find(' ', start);
            if (end == std::string_view::npos) end = text.size();
            const std::string_view word = text.substr(start, end - start);
            const std::size_t wordCount = CharacterCount(word);
            if (!first && count + 1 + wordCount > room) {
                lines.push_back(std::move(line));
                line = "    ";
                count = line.size();
                first = true;
            }
            if (!first) {
                line += ' ';
                ++count;
            }
            line += word;
            count += wordCount;
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
