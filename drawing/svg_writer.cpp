// Writing a sheet as SVG.
#include "drawing/svg_writer.h"

#include "drawing/drafting_font.h"
#include "drawing/sheet_marks.h"
#include "files/file_ops.h"

namespace gearpair {

namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// SVG's y runs down from the top edge.
struct Flip {
    double height;
    std::string operator()(Point p) const {
        return MarkNumber(p.x) + ' ' + MarkNumber(height - p.y);
    }
};

std::string PathData(const PathMark& path, const Flip& at) {
    std::string d;
    for (const PathStep& step : path.steps) {
        if (!d.empty()) d += ' ';
        switch (step.op) {
            case PathOp::Move:
                d += 'M' + at(step.points[0]);
                break;
            case PathOp::Line:
                d += 'L' + at(step.points[0]);
                break;
            case PathOp::Curve:
                d += 'C' + at(step.points[0]) + ' ' + at(step.points[1]) + ' ' + at(step.points[2]);
                break;
            case PathOp::Close:
                d += 'Z';
                break;
        }
    }
    return d;
}

}  // namespace

std::string SvgBytes(const Sheet& sheet) {
    const Flip at{sheet.heightMm};
    const std::string w = MarkNumber(sheet.widthMm);
    const std::string h = MarkNumber(sheet.heightMm);
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
        w + "mm\" height=\"" + h + "mm\" viewBox=\"0 0 " + w + ' ' + h + "\">\n";
    svg += "<title>" + Escaped(sheet.title) + "</title>\n";
    svg +=
        "<g fill=\"none\" stroke=\"#000\" stroke-linecap=\"butt\" stroke-linejoin=\"miter\" "
        "stroke-miterlimit=\"2\" font-family=\"" +
        std::string(kDraftingFontName) + "\">\n";
    for (const Mark& mark : SheetMarks(sheet)) {
        if (const auto* path = std::get_if<PathMark>(&mark)) {
            svg += "<path d=\"" + PathData(*path, at) + "\" ";
            svg += path->filled ? "fill=\"#000\" stroke=\"none\"/>\n"
                                : "stroke-width=\"" + MarkNumber(path->width) + "\"/>\n";
            continue;
        }
        const auto& text = std::get<TextMark>(mark);
        std::string transform = "translate(" + at(text.origin) + ")";
        if (text.angleDeg != 0) transform += " rotate(" + MarkNumber(-text.angleDeg) + ")";
        transform += " scale(" + MarkNumber(text.stretch) + " 1)";
        svg += "<text transform=\"" + transform + "\" font-size=\"" + MarkNumber(text.size) +
               "\" fill=\"#000\" stroke=\"none\" xml:space=\"preserve\">" + Escaped(text.text) +
               "</text>\n";
    }
    return svg + "</g>\n</svg>\n";
}

void WriteSvg(const Sheet& sheet, const std::string& path) {
    ReplaceFileAtomically(path, SvgBytes(sheet), path);
}

}  // namespace gearpair
