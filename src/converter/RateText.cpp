#include "converter/RateText.h"
#include "platform/Translations.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <algorithm>
#include <string_view>
#include <limits>
#include <stdexcept>

namespace quorvane {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Groups the digits of a whole number by threes.
std::string group(const std::string& digits, const std::string& sep) {
    std::string out;
    size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += sep;
        out += digits[i];
    }
    return out;
}

// |value| rounded at `decimals` places, halves away from zero, from its
// 15-significant-digit decimal form. Returns the digits of value * 10^decimals.
std::string roundedDigits(double value, int decimals) {
    if (!std::isfinite(value)) throw std::overflow_error(trs("RateText", "The amount is too large to show."));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    std::string mant;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (isDigit(*p)) mant += *p;
    int exp = std::atoi(p + 1);
    // mant holds 15 digits d1 d2 ... with the decimal point after d1 * 10^exp.
    int keep = exp + 1 + decimals;  // digits up to the last kept place
    if (keep < 0) return "0";
    std::string kept;
    bool up = false;
    if (keep >= static_cast<int>(mant.size())) {
        kept = mant + std::string(keep - mant.size(), '0');
    } else {
        kept = mant.substr(0, keep);
        up = mant[keep] >= '5';
    }
    if (kept.empty()) kept = "0";
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[i] == '9') kept[i] = '0';
            else { ++kept[i]; break; }
        }
        if (i < 0) kept.insert(kept.begin(), '1');
    }
    size_t nz = kept.find_first_not_of('0');
    return nz == std::string::npos ? "0" : kept.substr(nz);
}

}  // namespace

std::string generalNumber(double value, const NumberFormat& fmt) {
    if (value == 0) return "0";
    char buf[64];
    // Not printf: it writes the decimal symbol of the process's C locale, which
    // the program sets from the user's.
    std::string s(buf, std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15).ptr);
    // Near the largest double, 15 digits round up past it; such a text would
    // read as no number at all, so the exact shortest form is used instead.
    if (!readNumber(s, NumberReading::Numeric)) s.assign(buf, std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific).ptr);
    for (char& c : s) if (c == 'e') c = 'E';
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '.') out += fmt.decimal;
        else if (s[i] == '-' && i == 0) out += fmt.minus;
        else out += s[i];
    }
    return out;
}

std::string rateToBoxText(double roe, const NumberFormat& fmt) {
    char buf[400];
    const double mag = std::fabs(roe);
    const bool plain = mag == 0 || (mag >= 1e-9 && mag <= 1e15);
    auto res = std::to_chars(buf, buf + sizeof buf, roe, plain ? std::chars_format::fixed : std::chars_format::general);
    std::string out;
    for (const char* p = buf; p != res.ptr; ++p) {
        if (*p == '.') out += fmt.decimal;
        else if (*p == '-' && p == buf) out += fmt.minus;
        else out += *p;
    }
    return out;
}

std::string formatWhole(double value, const NumberFormat& fmt) {
    std::string digits = roundedDigits(value, 0);
    if (digits == "0") return "";
    return (value < 0 ? fmt.minus : "") + group(digits, fmt.group);
}

std::string formatMoney(double value, const NumberFormat& fmt) {
    std::string digits = roundedDigits(value, 2);
    bool zero = digits == "0";
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - 2);
    std::string cents = digits.substr(digits.size() - 2);
    return (value < 0 && !zero ? fmt.minus : "") + group(whole, fmt.group) + fmt.decimal + cents;
}

}  // namespace quorvane
