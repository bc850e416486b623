// The run counter's record: a 32-bit signed integer stored little-endian, the same bytes on
// every system. The file layer's platform parts read and write it with these.
#pragma once

#include <array>
#include <cstdint>

namespace gearpair {

inline std::array<unsigned char, 4> Record32Bytes(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
            static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
}

inline std::int32_t Record32Value(const std::array<unsigned char, 4>& bytes) {
    const std::uint32_t bits = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                               std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
    return static_cast<std::int32_t>(bits);
}

}  // namespace gearpair
