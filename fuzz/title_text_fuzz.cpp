// Fuzz target of the title block's user texts: any bytes given as the developer's name either
// are refused with DrawingTextError, or are valid UTF-8 without control characters within the
// Basic Multilingual Plane and come out of the DXF whole: the file holds the name only as
// printable ASCII with \U+XXXX escapes and "^ " for a caret (so no byte of it can end a DXF line
// or start a CAD code), and decoding those gives back exactly the bytes given.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/drawings.h"
#include "drawing/dxf_stream.h"
#include "drawing/dxf_writer.h"
#include "drawing/title_block.h"
#include "engine/design_products.h"
#include "engine/design_run.h"

namespace {

void Require(bool holds, const char* property, std::string_view text) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\ntext: '%.*s'\n", property,
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

// What the drawing accepts, decided here without the program's own decoder: UTF-8 of code
// points from U+0020 to U+FFFF, none of DEL, C1 controls or surrogates, shortest form.
bool Acceptable(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<std::uint8_t>(s[i]);
        std::uint32_t code = 0;
        std::size_t length = 0;
        if (b0 < 0x80) {
            code = b0;
            length = 1;
        } else if (b0 >= 0xC2 && b0 <= 0xDF) {
            code = b0 & 0x1Fu;
            length = 2;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            code = b0 & 0x0Fu;
            length = 3;
        } else {
            return false;  // invalid, or a four-byte sequence beyond U+FFFF
        }
        if (i + length > s.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<std::uint8_t>(s[i + k]);
            if ((b & 0xC0u) != 0x80u) return false;
            code = (code << 6) | (b & 0x3Fu);
        }
        if (length == 3 && code < 0x800) return false;
        if (code >= 0xD800 && code <= 0xDFFF) return false;
        if (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0)) return false;
        i += length;
    }
    return true;
}

// The escaped text decoded as a CAD program reads it: \U+XXXX is the character, "^ " a caret,
// the rest as is.
std::string Decoded(std::string_view escaped) {
    std::string out;
    for (std::size_t i = 0; i < escaped.size();) {
        if (escaped.substr(i, 3) == "\\U+" && i + 7 <= escaped.size()) {
            const std::uint32_t code = static_cast<std::uint32_t>(
                std::strtoul(std::string(escaped.substr(i + 3, 4)).c_str(), nullptr, 16));
            if (code < 0x80) {
                out += static_cast<char>(code);
            } else if (code < 0x800) {
                out += static_cast<char>(0xC0 | (code >> 6));
                out += static_cast<char>(0x80 | (code & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (code >> 12));
                out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (code & 0x3F));
            }
            i += 7;
        } else if (escaped.substr(i, 2) == "^ ") {
            out += '^';
            i += 2;
        } else {
            out += escaped[i++];
        }
    }
    return out;
}

struct Design {
    gearpair::GearSession session;
    std::optional<gearpair::DesignProducts> products;
    Design() {
        gearpair::RunDesign(session, gearpair::DesignInputs{});
        products = gearpair::DesignProductsOf(session.design);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Design design;  // the default design, computed once
    const std::string name(reinterpret_cast<const char*>(data), size);
    gearpair::DrawingInputs inputs;
    inputs.developer = name;
    gearpair::DrawingSet set;
    try {
        set = gearpair::BuildDrawings(design.session.design, *design.products, inputs);
    } catch (const gearpair::DrawingTextError&) {
        Require(!Acceptable(name) || name.size() > 4, "an acceptable short name was refused", name);
        return 0;
    }
    Require(Acceptable(name), "a name the DXF cannot hold was accepted", name);
    const std::string escaped = gearpair::DxfEscaped(name);
    for (const char c : escaped) {
        Require(c >= 0x20 && c < 0x7F && c != '%', "the escaped name holds a raw byte", name);
    }
    Require(Decoded(escaped) == name, "the escaped name does not decode to the name", name);
    Require(name.empty() || gearpair::DxfText(set.wheel).find(escaped) != std::string::npos,
            "the wheel's DXF does not hold the name", name);
    return 0;
}
