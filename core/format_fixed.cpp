// FormatFixed: the number format of the report, the results dialog and the hand-off list.
#include "core/format_fixed.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace gearpair {

namespace {

constexpr int kMaxDigits = 18;

__extension__ typedef unsigned __int128 Uint128;

// 10^0 to 10^18.
constexpr std::array<std::uint64_t, kMaxDigits + 1> kPowersOf10 = [] {
    std::array<std::uint64_t, kMaxDigits + 1> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// Longest text: a sign, 18 integer digits, the separator and 18 decimals.
constexpr std::size_t kLongestText = 40;

// Writes the `count` decimal digits of `value` (below 10^count) as characters.
void WriteDigits(std::uint32_t value, int count, char* out) {
    for (int k = count - 1; k >= 0; --k, value /= 10) out[k] = static_cast<char>('0' + value % 10);
}

// Every report value passes through here, and the library's scientific notation alone would
// cost more than the format may, so the digits of the usual magnitudes are found in integers.
//
// The first 18 significant digits of `magnitude`, the 18th rounded to nearest (an exact half to
// the even digit), as an integer of 18 digits, with the exponent e of magnitude = 0.d1d2... x
// 10^e. Exact for 0.1 <= magnitude < 1e18: there magnitude = m x 2^q with a 53-bit m and
// q >= -56, and m x 10^(18-e) fits in 128 bits. Returns false outside that range.
bool ExactDigits(double magnitude, std::uint64_t& digits18, int& e) {
    if (!(magnitude >= 0.1 && magnitude < 1e18)) return false;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biased = static_cast<int>(bits >> 52);  // a normal number, no sign
    const std::uint64_t m = (bits & ((1ULL << 52) - 1)) | (1ULL << 52);
    const int q = biased - 1075;
    // 2^b <= magnitude < 2^(b+1) has floor(b x log10(2)) + 1 integer digits, or one more;
    // 78913 / 2^18 is log10(2) to within 1e-6, exact enough for |b| < 1000. The powers of ten
    // from 1 on are doubles exactly, and no double lies between 0.1 and its double, so the
    // comparison settles which.
    e = (((biased - 1023) * 78913) >> 18) + 1;
    if (e < 0 || magnitude >= static_cast<double>(kPowersOf10[static_cast<std::size_t>(e)])) ++e;
    // floor(magnitude x 10^(18-e)), rounded on the dropped binary fraction.
    const Uint128 scaled = static_cast<Uint128>(m) * kPowersOf10[kMaxDigits - e];
    if (q >= 0) {
        digits18 = static_cast<std::uint64_t>(scaled << q);
    } else {
        const Uint128 rest = scaled & ((static_cast<Uint128>(1) << -q) - 1);
        const Uint128 half = static_cast<Uint128>(1) << (-q - 1);
        digits18 = static_cast<std::uint64_t>(scaled >> -q);
        if (rest > half || (rest == half && (digits18 & 1) != 0)) ++digits18;
    }
    if (digits18 == kPowersOf10[kMaxDigits]) {  // rounded up to 10^18
        digits18 = kPowersOf10[kMaxDigits - 1];
        ++e;
    }
    return true;
}

// The usual report value: an integer part, n <= 8 kept digits, the fixed form (e <= n) and no
// carry into a new leading digit. Its text is the kept digits, rounded half up on the next
// one, with the separator after the e-th and zeros up to `digits` decimals. Returns nullptr,
// with nothing written, for any other case.
char* WriteUsualFixed(char* out, bool negative, std::uint64_t digits18, int e, int n, int digits,
                      char separator) {
    if (e < 1 || e > n || n > 8) return nullptr;
    const std::uint64_t withNext = digits18 / kPowersOf10[static_cast<std::size_t>(17 - n)];
    const std::uint64_t kept = withNext / 10 + (withNext % 10 >= 5 ? 1 : 0);
    if (kept == kPowersOf10[static_cast<std::size_t>(n)]) return nullptr;
    char keptText[8];
    WriteDigits(static_cast<std::uint32_t>(kept), n, keptText);
    if (negative) *out++ = '-';
    out = std::copy(keptText, keptText + e, out);
    if (digits > 0) {
        *out++ = separator;
        out = std::copy(keptText + e, keptText + n, out);
        out = std::fill_n(out, digits - (n - e), '0');
    }
    return out;
}

// The 18 digits from the standard library's scientific notation with 17 decimals.
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
        WriteDigits(static_cast<std::uint32_t>(digits18 / 1000000000), 9, mantissa);
        WriteDigits(static_cast<std::uint32_t>(digits18 % 1000000000), 9, mantissa + 9);
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

}  // namespace

void AppendFixed(std::string& out, double value, int precision, int digits, char separator) {
    char text[kLongestText];
    const char* end = WriteFixed(text, value, precision, digits, separator);
    out.append(text, static_cast<std::size_t>(end - text));
}

std::string FormatFixed(double value, int precision, int digits, char decimalSeparator) {
    std::string text;
    AppendFixed(text, value, precision, digits, decimalSeparator);
    return text;
}

}  // namespace gearpair
