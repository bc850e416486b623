// FormatFixed: the number format of the report, the results dialog and the hand-off list.
#include "core/format_fixed.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace gearpair {

namespace {

constexpr int kMaxDigits = 18;

// Longest text: a sign, 18 integer digits, the separator and 18 decimals.
constexpr std::size_t kLongestText = 40;

// The first 18 significant digits of `magnitude` (finite, not zero), the 18th rounded to
// nearest, and the exponent e of magnitude = 0.d1d2... x 10^e: the standard library's
// scientific notation with 17 decimals.
void SignificantDigits(double magnitude, char* mantissa, int& e) {
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
    SignificantDigits(std::fabs(value), mantissa, e);
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
