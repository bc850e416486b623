// The text of a DXF file gathered in a string through dxflib's group writer, shared by the
// sheets' DXF and the profile DXF: group codes right-aligned in three columns, reals with six
// decimals, and the one escaping of the texts a user types.
#pragma once

#include <dl_writer_ascii.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace gearpair {

// dxflib's calls take its ASCII writer type (DL_WriterA), not its base, so the stream derives
// from it and overrides every group writer: the file stream that writer opens under no name
// (and fails to open) is never written to.
class DxfStream : public DL_WriterA {
public:
    explicit DxfStream(DL_Codes::version version) : DL_WriterA("", version) {}

    // Six decimals (a millionth of a millimetre), trailing zeros dropped; "-0" is zero.
    void dxfReal(int gc, double value) const override;
    void dxfInt(int gc, int value) const override;
    void dxfHex(int gc, int value) const override;
    void dxfString(int gc, const char* value) const override;
    void dxfString(int gc, const std::string& value) const override;

    // A new handle for an object written later, without writing it now.
    int NewHandle() const { return static_cast<int>(m_handle++); }

    void Reserve(std::size_t bytes) { text_.reserve(bytes); }
    std::string Take() { return std::move(text_); }

private:
    void Group(int gc, std::string_view value) const;

    mutable std::string text_;
};

// A text (UTF-8) as DXF stores it, so that a CAD program reads it as typed: printable ASCII
// kept; the backslash (\P, \U+), the per-cent sign (%%c, %%d) and every other character as
// \U+XXXX; the caret, which CAD reads as a control character with the next one ("^J" a line
// break), as "^ ", DXF's literal caret. A character beyond U+FFFF, which \U+ cannot hold, and a
// malformed byte show as U+FFFD.
std::string DxfEscaped(const std::string& utf8);

}  // namespace gearpair
