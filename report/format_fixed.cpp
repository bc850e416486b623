// FormatFixed: the number format of the report, the results dialog and the hand-off list.
#include "format_fixed.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace gearpair {

namespace {

constexpr int kMaxDigits = 18;

void AppendZero(std::string& out, int digits, char separator) {
    out.push_back('0');
    if (digits > 0) {
        out.push_back(separator);
        out.append(static_cast<std::size_t>(digits), '0');
    }
}

}  // namespace

void AppendFixed(std::string& out, double value, int precision, int digits, char separator) {
    precision = std::clamp(precision, 2, kMaxDigits);
    digits = std::clamp(digits, 0, kMaxDigits);

    if (std::isnan(value)) {
        out.append("NAN");
        return;
    }
    if (std::isinf(value)) {
        out.append(value < 0 ? "-INF" : "INF");
        return;
    }
    if (value == 0) {
        AppendZero(out, digits, separator);
        return;
    }

    // The first 18 significant digits, the 18th rounded to nearest: d1.d2...d18e(x).
    char sci[32];
    const auto sciEnd = std::to_chars(sci, sci + sizeof sci, std::fabs(value),
                                      std::chars_format::scientific, kMaxDigits - 1)
                            .ptr;
    char mantissa[kMaxDigits + 1];
    mantissa[0] = sci[0];
    std::copy(sci + 2, sci + 1 + kMaxDigits, mantissa + 1);
    mantissa[kMaxDigits] = '0';  // no 19th digit: nothing to round at full precision
    const char* exponentText = sci + 1 + kMaxDigits + 1;  // past "e"
    int exponent10 = 0;
    std::from_chars(exponentText + (*exponentText == '+' ? 1 : 0), sciEnd, exponent10);
    int e = exponent10 + 1;  // value = 0.d1d2... x 10^e

    // Keep n digits, rounding on digit n+1; n <= 0 leaves only the carry of d1 (n == 0).
    const int n = std::min(e + digits, precision);
    if (n < 0) {
        AppendZero(out, digits, separator);
        return;
    }
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
    if (kept == 0) {
        AppendZero(out, digits, separator);
        return;
    }

    if (value < 0) out.push_back('-');
    if (e > precision) {
        out.push_back(mantissa[0]);
        if (kept > 1) {
            out.push_back(separator);
            out.append(mantissa + 1, static_cast<std::size_t>(kept - 1));
        }
        out.push_back('E');
        char exponentBuffer[8];
        const auto exponentEnd =
            std::to_chars(exponentBuffer, exponentBuffer + sizeof exponentBuffer, e - 1).ptr;
        out.append(exponentBuffer, exponentEnd);
        return;
    }

    if (e <= 0) {
        out.push_back('0');
    } else {
        const int fromMantissa = std::min(e, kept);
        out.append(mantissa, static_cast<std::size_t>(fromMantissa));
        out.append(static_cast<std::size_t>(e - fromMantissa), '0');
    }
    if (digits > 0) {
        out.push_back(separator);
        for (int place = e + 1; place <= e + digits; ++place) {
            out.push_back(place >= 1 && place <= kept ? mantissa[place - 1] : '0');
        }
    }
}

std::string FormatFixed(double value, int precision, int digits, char decimalSeparator) {
    std::string text;
    AppendFixed(text, value, precision, digits, decimalSeparator);
    return text;
}

}  // namespace gearpair
