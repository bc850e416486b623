// Writing a sheet as PDF.
#include "drawing/pdf_writer.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <vector>

#include "core/cp1251.h"
#include "drawing/drafting_font.h"
#include "drawing/font_subset.h"
#include "drawing/sheet_marks.h"
#include "files/file_ops.h"

namespace gearpair {

namespace {

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kMiterLimit = 2;

std::string Hex4(std::uint32_t value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04X", static_cast<unsigned>(value & 0xFFFF));
    return buffer;
}

// UTF-16 code units of a character, as hex.
std::string Utf16Hex(char32_t c) {
    if (c < 0x10000) return Hex4(c);
    const char32_t v = c - 0x10000;
    return Hex4(0xD800 + (v >> 10)) + Hex4(0xDC00 + (v & 0x3FF));
}

// The characters of a UTF-8 text; a byte that does not decode becomes U+FFFD.
std::u32string Characters(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        if (!DecodeUtf8(utf8, i, c)) {
            ++i;
            c = 0xFFFD;
        }
        out.push_back(c);
    }
    return out;
}

// A text string of the document information: UTF-16BE with its byte order mark.
std::string InfoText(std::string_view utf8) {
    std::string hex = "<FEFF";
    for (const char32_t c : Characters(utf8)) hex += Utf16Hex(c);
    return hex + ">";
}

// The page's drawing operators, and the glyphs it uses with the character of each.
struct Page {
    std::string content;
    std::map<std::uint16_t, char32_t> glyphs;
};

void PutPath(std::string& out, const PathMark& path) {
    const auto xy = [&](Point p) { out += MarkNumber(p.x) + ' ' + MarkNumber(p.y) + ' '; };
    for (const PathStep& step : path.steps) {
        switch (step.op) {
            case PathOp::Move:
                xy(step.points[0]);
                out += "m\n";
                break;
            case PathOp::Line:
                xy(step.points[0]);
                out += "l\n";
                break;
            case PathOp::Curve:
                for (const Point& p : step.points) xy(p);
                out += "c\n";
                break;
            case PathOp::Close:
                out += "h\n";
                break;
        }
    }
    out += path.filled ? "f\n" : "S\n";
}

Page Draw(const Sheet& sheet, const TrueTypeFont& font) {
    Page page;
    std::string& out = page.content;
    out = MarkNumber(kPointsPerMm) + " 0 0 " + MarkNumber(kPointsPerMm) + " 0 0 cm\n";
    out += "0 J 0 j " + MarkNumber(kMiterLimit) + " M\n";
    double width = -1;
    for (const Mark& mark : SheetMarks(sheet)) {
        if (const auto* path = std::get_if<PathMark>(&mark)) {
            if (!path->filled && path->width != width) {
                width = path->width;
                out += MarkNumber(width) + " w\n";
            }
            PutPath(out, *path);
            continue;
        }
        const auto& text = std::get<TextMark>(mark);
        const double turn = text.angleDeg * 3.14159265358979323846 / 180;
        const double c = std::cos(turn);
        const double s = std::sin(turn);
        const double wide = text.size * text.stretch;
        out += "BT /F1 1 Tf " + MarkNumber(wide * c) + ' ' + MarkNumber(wide * s) + ' ' +
               MarkNumber(-text.size * s) + ' ' + MarkNumber(text.size * c) + ' ' +
               MarkNumber(text.origin.x) + ' ' + MarkNumber(text.origin.y) + " Tm <";
        for (const char32_t ch : Characters(text.text)) {
            const std::uint16_t glyph = font.Glyph(ch);
            page.glyphs.emplace(glyph, ch);
            out += Hex4(glyph);
        }
        out += "> Tj ET\n";
    }
    return page;
}

// The subset's name tag: six capitals from the glyphs it holds, so that the same glyphs give
// the same name.
std::string SubsetTag(const std::map<std::uint16_t, char32_t>& glyphs) {
    std::uint32_t hash = 2166136261u;
    for (const auto& entry : glyphs) hash = (hash ^ entry.first) * 16777619u;
    std::string tag;
    for (int i = 0; i < 6; ++i, hash /= 26) tag.push_back(static_cast<char>('A' + hash % 26));
    return tag;
}

std::string ToUnicodeCMap(const std::map<std::uint16_t, char32_t>& glyphs) {
    std::string cmap =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    std::vector<std::pair<std::uint16_t, char32_t>> entries(glyphs.begin(), glyphs.end());
    // At most 100 entries to a block.
    for (std::size_t from = 0; from < entries.size(); from += 100) {
        const std::size_t to = std::min(entries.size(), from + 100);
        cmap += std::to_string(to - from) + " beginbfchar\n";
        for (std::size_t i = from; i < to; ++i) {
            cmap += "<" + Hex4(entries[i].first) + "> <" + Utf16Hex(entries[i].second) + ">\n";
        }
        cmap += "endbfchar\n";
    }
    return cmap + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

// Objects numbered from 1 in the order added, then the cross-reference table.
class PdfFile {
public:
    PdfFile() { bytes_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

    void Add(const std::string& body) {
        offsets_.push_back(bytes_.size());
        bytes_ += std::to_string(offsets_.size()) + " 0 obj\n" + body + "\nendobj\n";
    }
    void AddStream(const std::string& dictionary, const std::string& data) {
        Add("<< " + dictionary + " /Length " + std::to_string(data.size()) + " >>\nstream\n" +
            data + "\nendstream");
    }

    std::string Finish(int root, int info) {
        const std::size_t xref = bytes_.size();
        bytes_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
        for (const std::size_t offset : offsets_) {
            char line[24];
            std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
            bytes_ += line;
        }
        bytes_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root " +
                  std::to_string(root) + " 0 R /Info " + std::to_string(info) +
                  " 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
        return std::move(bytes_);
    }

private:
    std::string bytes_;
    std::vector<std::size_t> offsets_;
};

}  // namespace

std::string PdfBytes(const Sheet& sheet) {
    const TrueTypeFont& font = DraftingFont();
    const Page page = Draw(sheet, font);
    const double perUnit = 1000.0 / font.UnitsPerEm();
    const auto scaled = [&](double units) { return MarkNumber(std::round(units * perUnit)); };

    std::set<std::uint16_t> used;
    std::string widths;
    for (const auto& [glyph, c] : page.glyphs) {
        used.insert(glyph);
        widths += std::to_string(glyph) + " [" + scaled(font.Advance(glyph)) + "] ";
    }
    const std::string fontName = SubsetTag(page.glyphs) + "+DejaVuSans";
    const std::int16_t* box = font.Box();

    PdfFile pdf;
    pdf.Add("<< /Type /Catalog /Pages 2 0 R >>");          // 1
    pdf.Add("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");  // 2
    pdf.Add("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " +
            MarkNumber(sheet.widthMm * kPointsPerMm) + ' ' +
            MarkNumber(sheet.heightMm * kPointsPerMm) +
            "] /Resources << /Font << /F1 5 0 R >> >> /Contents 4 0 R >>");  // 3
    pdf.AddStream("", page.content);                                         // 4
    pdf.Add("<< /Type /Font /Subtype /Type0 /BaseFont /" + fontName +
            " /Encoding /Identity-H /DescendantFonts [6 0 R] /ToUnicode 9 0 R >>");  // 5
    pdf.Add("<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + fontName +
            " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
            " /FontDescriptor 7 0 R /CIDToGIDMap /Identity /W [" +
            widths + "] >>");  // 6
    pdf.Add("<< /Type /FontDescriptor /FontName /" + fontName + " /Flags 32 /FontBBox [" +
            scaled(box[0]) + ' ' + scaled(box[1]) + ' ' + scaled(box[2]) + ' ' + scaled(box[3]) +
            "] /ItalicAngle 0 /Ascent " + scaled(font.Ascent()) + " /Descent " +
            scaled(font.Descent()) + " /CapHeight " + scaled(font.CapHeight()) +
            " /StemV 80 /FontFile2 8 0 R >>");  // 7
    const std::string subset = FontSubset(font, used);
    pdf.AddStream("/Length1 " + std::to_string(subset.size()), subset);         // 8
    pdf.AddStream("", ToUnicodeCMap(page.glyphs));                              // 9
    pdf.Add("<< /Title " + InfoText(sheet.title) + " /Creator (gearpair) >>");  // 10
    return pdf.Finish(1, 10);
}

void WritePdf(const Sheet& sheet, const std::string& path) {
    ReplaceFileAtomically(path, PdfBytes(sheet), path);
}

}  // namespace gearpair
