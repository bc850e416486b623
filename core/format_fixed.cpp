// FormatFixed: the number format of the report, the results dialog and the hand-off list.
#include "core/format_fixed.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace gearpair {

namespace {

constexpr int kMaxDigits = 18;

// Every value of a report line passes through here, so the digits of the usual magnitudes are
// found by integer arithmetic; the standard library's conversion serves the rest.
__extension__ typedef unsigned __int128 Uint128;

constexpr std::array<std::uint64_t, 20> kPowersOf10 = {
    1ULL,
    10ULL,
    100ULL,
    1000ULL,
    10000ULL,
    100000ULL,
    1000000ULL,
    10000000ULL,
    100000000ULL,
    1000000000ULL,
    10000000000ULL,
    100000000000ULL,
    1000000000000ULL,
    10000000000000ULL,
    100000000000000ULL,
    1000000000000000ULL,
    10000000000000000ULL,
    100000000000000000ULL,
    1000000000000000000ULL,
    10000000000000000000ULL,
};

// Eight '0' characters in one word.
constexpr std::uint64_t kZeroCharacters = 0x3030303030303030ULL;

// "00" to "99".
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes the four decimal digits of `value` (below 10^4) to out[0..3].
void WriteFourDigits(std::uint32_t value, char* out) {
    const std::size_t high = 2 * (value / 100);
    const std::size_t low = 2 * (value % 100);
    out[0] = kDigitPairs[high];
    out[1] = kDigitPairs[high + 1];
    out[2] = kDigitPairs[low];
    out[3] = kDigitPairs[low + 1];
}

// Writes the nine decimal digits of `value` (below 10^9) to out[0..8].
void WriteNineDigits(std::uint32_t value, char* out) {
    out[0] = static_cast<char>('0' + value / 100000000);
    value %= 100000000;
    WriteFourDigits(value / 10000, out + 1);
    WriteFourDigits(value % 10000, out + 5);
}

// floor(|value| x 10^k) and whether the dropped part is above, at or below one half, for
// |value| = m x 2^q.
struct Scaled {
    std::uint64_t whole;
    int half;  // -1 below one half, 0 exactly one half, 1 above
};

Scaled Scale(std::uint64_t m, int q, int k) {
    const Uint128 product = static_cast<Uint128>(m) * kPowersOf10[static_cast<std::size_t>(k)];
    if (q >= 0) return {static_cast<std::uint64_t>(product << q), -1};
    const int shift = -q;
    const Uint128 rest = product & ((static_cast<Uint128>(1) << shift) - 1);
    const Uint128 half = static_cast<Uint128>(1) << (shift - 1);
    return {static_cast<std::uint64_t>(product >> shift),
            rest < half ? -1 : (rest == half ? 0 : 1)};
}

// The first 18 significant digits of `magnitude`, the 18th rounded to nearest (an exact half
// to the even digit), as an integer of 18 digits, with the exponent e of
// magnitude = 0.d1d2... x 10^e. Exact for 0.1 <= magnitude < 1e18: there magnitude = m x 2^q
// with a 53-bit m and q >= -56, and m x 10^(18-e) fits in 128 bits. Returns false outside
// that range.
bool ExactDigits(double magnitude, std::uint64_t& digits18, int& e) {
    if (!(magnitude >= 0.1 && magnitude < 1e18)) return false;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biased = static_cast<int>(bits >> 52);  // a normal number: no sign, exponent > 0
    const std::uint64_t m = (bits & ((1ULL << 52) - 1)) | (1ULL << 52);
    const int q = biased - 1075;
    const int binaryExponent = biased - 1023;  // 2^b <= magnitude < 2^(b+1)
    // floor(b x log10(2)) + 1 integer digits, or one more; 78913 / 2^18 is log10(2) to within
    // 1e-6, exact enough for |b| < 1000. The powers of ten from 1 on are doubles exactly, and
    // no double lies between 0.1 and its double, so the comparison settles which.
    e = ((binaryExponent * 78913) >> 18) + 1;
    if (e < 0 || magnitude >= static_cast<double>(kPowersOf10[static_cast<std::size_t>(e)])) {
        ++e;
    }
    const Scaled scaled = Scale(m, q, kMaxDigits - e);
    digits18 = scaled.whole;
    if (scaled.half > 0 || (scaled.half == 0 && (digits18 & 1) != 0)) ++digits18;
    if (digits18 == kPowersOf10[kMaxDigits]) {
        digits18 = kPowersOf10[kMaxDigits - 1];
        ++e;
    }
    return true;
}

// The eight decimal digits of `value` (below 10^8) as characters in one word, the first digit
// in the lowest byte: the halves, hundreds and tens are split in parallel lanes of the word.
std::uint64_t EightDigitCharacters(std::uint32_t value) {
    const std::uint64_t groups = value / 10000 | static_cast<std::uint64_t>(value % 10000) << 32;
    const std::uint64_t hundreds = (groups * 10486 >> 20) & 0x0000007F0000007FULL;  // x / 100
    const std::uint64_t pairs = hundreds | (groups - 100 * hundreds) << 16;
    const std::uint64_t tens = (pairs * 103 >> 10) & 0x000F000F000F000FULL;  // x / 10
    const std::uint64_t singles = tens | (pairs - 10 * tens) << 8;
    return singles | kZeroCharacters;
}

// The usual report value: at least one integer digit, at most 8 digits kept, fixed form, no
// carry into a new leading digit. Then the text is the kept digits, rounded on the next one,
// with the separator after the e-th and zeros after them up to `digits` decimals. The digits
// stay in a register word until they are stored. Returns nullptr, with nothing written, for
// any other case.
char* WriteUsualFixed(char* out, bool negative, std::uint64_t digits18, int e, int n, int digits,
                      char separator) {
    // n = min(e + digits, precision): with e at most n the form is fixed, not scientific.
    if (e < 1 || e > n || n > 8 || std::endian::native != std::endian::little) return nullptr;
    // The first 9 digits hold the n kept ones and the one that rounds them.
    const auto first9 = static_cast<std::uint32_t>(digits18 / 1000000000);
    const auto withNext = first9 / static_cast<std::uint32_t>(kPowersOf10[8 - n]);
    const std::uint32_t kept = withNext / 10 + (withNext % 10 >= 5 ? 1 : 0);
    if (kept == kPowersOf10[n]) return nullptr;

    // The n kept digits followed by zeros: the integer part, then the decimals.
    const auto zerosFrom = [](int count) {  // '0' in the bytes from `count` on
        return count >= 8 ? 0 : kZeroCharacters << (8 * count);
    };
    const std::uint64_t row = EightDigitCharacters(kept) >> (8 * (8 - n)) | zerosFrom(n);
    const std::uint64_t decimals = e >= 8 ? kZeroCharacters : row >> (8 * e) | zerosFrom(8 - e);

    // Whole words are stored and the end moves by the real length: `out` has room to spare.
    if (negative) *out++ = '-';
    std::memcpy(out, &row, sizeof row);
    out += e;
    if (digits > 0) {
        *out++ = separator;
        for (int word = 1; word < 3; ++word) {
            std::memcpy(out + 8 * word, &kZeroCharacters, sizeof kZeroCharacters);
        }
        std::memcpy(out, &decimals, sizeof decimals);
        out += digits;
    }
    return out;
}

// The same digits from the standard library's scientific notation with 17 decimals.
void LibraryDigits(double magnitude, char* mantissa, int& e) {
    char sci[32];
    const auto sciEnd = std::to_chars(sci, sci + sizeof sci, magnitude,
                                      std::chars_format::scientific, kMaxDigits - 1)
                            .ptr;
    mantissa[0] = sci[0];
    std::copy(sci + 2, sci + 1 + kMaxDigits, mantissa + 1);
    const char* exponentText = sci + 1 + kMaxDigits + 1;  // past "e"
    int exponent10 = 0;
    std::from_chars(exponentText + (*exponentText == '+' ? 1 : 0), sciEnd, exponent10);
    e = exponent10 + 1;
}

// "0" and `digits` zero decimals.
char* WriteZero(char* out, int digits, char separator) {
    *out++ = '0';
    if (digits > 0) {
        *out++ = separator;
        out = std::fill_n(out, digits, '0');
    }
    return out;
}

// The text of a finite non-zero value, written to `out`; returns its end.
char* WriteFinite(char* out, double value, int precision, int digits, char separator) {
    // d1.d2...d18 x 10^(e-1), and a 19th digit of 0: nothing to round at full precision.
    char mantissa[kMaxDigits + 1];
    int e = 0;
    const double magnitude = std::fabs(value);
    std::uint64_t digits18 = 0;
    if (ExactDigits(magnitude, digits18, e)) {
        const int n = std::min(e + digits, precision);
        if (char* end = WriteUsualFixed(out, value < 0, digits18, e, n, digits, separator)) {
            return end;
        }
        WriteNineDigits(static_cast<std::uint32_t>(digits18 / 1000000000), mantissa);
        WriteNineDigits(static_cast<std::uint32_t>(digits18 % 1000000000), mantissa + 9);
    } else {
        LibraryDigits(magnitude, mantissa, e);
    }
    mantissa[kMaxDigits] = '0';

    // Keep n digits, rounding on digit n+1; n <= 0 leaves only the carry of d1 (n == 0).
    const int n = std::min(e + digits, precision);
    if (n < 0) return WriteZero(out, digits, separator);
    int kept = n;
    if (mantissa[n] >= '5') {
        int k = n - 1;
        while (k >= 0 && mantissa[k] == '9') {
            mantissa[k] = '0';
            --k;
        }
        if (k >= 0) {
            ++mantissa[k];
        } else {
            mantissa[0] = '1';
            kept = 1;
            ++e;
        }
    }
    while (kept > 0 && mantissa[kept - 1] == '0') --kept;
    if (kept == 0) return WriteZero(out, digits, separator);

    if (value < 0) *out++ = '-';
    if (e > precision) {
        *out++ = mantissa[0];
        if (kept > 1) {
            *out++ = separator;
            out = std::copy(mantissa + 1, mantissa + kept, out);
        }
        *out++ = 'E';
        return std::to_chars(out, out + 8, e - 1).ptr;
    }

    if (e <= 0) {
        *out++ = '0';
    } else {
        const int fromMantissa = std::min(e, kept);
        out = std::copy(mantissa, mantissa + fromMantissa, out);
        out = std::fill_n(out, e - fromMantissa, '0');
    }
    if (digits > 0) {
        *out++ = separator;
        for (int place = e + 1; place <= e + digits; ++place) {
            *out++ = place >= 1 && place <= kept ? mantissa[place - 1] : '0';
        }
    }
    return out;
}

}  // namespace

char* WriteFixed(char* out, double value, int precision, int digits, char separator) {
    precision = std::clamp(precision, 2, kMaxDigits);
    digits = std::clamp(digits, 0, kMaxDigits);
    const auto writeWord = [out](std::string_view word) {
        return std::copy(word.begin(), word.end(), out);
    };
    if (std::isnan(value)) return writeWord("NAN");
    if (std::isinf(value)) return writeWord(value < 0 ? "-INF" : "INF");
    if (value == 0) return WriteZero(out, digits, separator);
    return WriteFinite(out, value, precision, digits, separator);
}

void AppendFixed(std::string& out, double value, int precision, int digits, char separator) {
    char text[kFixedTextRoom];
    const char* end = WriteFixed(text, value, precision, digits, separator);
    out.append(text, static_cast<std::size_t>(end - text));
}

std::string FormatFixed(double value, int precision, int digits, char decimalSeparator) {
    std::string text;
    AppendFixed(text, value, precision, digits, decimalSeparator);
    return text;
}

}  // namespace gearpair
