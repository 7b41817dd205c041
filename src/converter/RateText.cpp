#include "converter/RateText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <algorithm>
#include <string_view>
#include <limits>
#include <stdexcept>

namespace quorvane {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool startsWith(const std::string& s, size_t at, const std::string& what) {
    return !what.empty() && s.compare(at, what.size(), what) == 0;
}

// The power of ten of a plain number's first significant digit (saturating),
// or a very small value when it has none.
long long decimalMagnitude(const std::string& s) {
    constexpr long long kLimit = 1'000'000'000LL;
    size_t e = s.find_first_of("eE");
    std::string_view mant(s.data(), e == std::string::npos ? s.size() : e);
    size_t point = mant.find('.');
    size_t intEnd = point == std::string_view::npos ? mant.size() : point;
    long long mag = -kLimit;
    for (size_t i = 0; i < mant.size(); ++i) {
        if (mant[i] < '1' || mant[i] > '9') continue;
        mag = i < intEnd ? static_cast<long long>(intEnd - i) - 1 : -static_cast<long long>(i - intEnd);
        break;
    }
    if (mag == -kLimit) return mag;
    long long exp = 0;
    if (e != std::string::npos) {
        size_t j = e + 1;
        bool neg = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '-' || s[j] == '+')) ++j;
        for (; j < s.size() && isDigit(s[j]); ++j) exp = std::min(kLimit, exp * 10 + (s[j] - '0'));
        if (neg) exp = -exp;
    }
    return mag + exp;
}

// Parses a plain C number: digits, optional "." and fraction, optional exponent.
std::optional<double> parsePlain(const std::string& s) {
    double v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (res.ptr != s.data() + s.size()) return std::nullopt;
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is no number a double holds. Which
        // one it is follows from the decimal magnitude, not from the spelling.
        return decimalMagnitude(s) > 0 ? std::nullopt : std::optional<double>(0.0);
    }
    if (res.ec != std::errc()) return std::nullopt;
    return v;
}

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
    if (!std::isfinite(value)) throw std::overflow_error("The amount is too large to show.");
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

std::optional<double> numericValue(const std::string& text, const NumberFormat& fmt) {
    size_t i = 0, n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    while (n > i && isBlank(text[n - 1])) --n;
    if (i == n) return std::nullopt;
    std::string plain;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-') plain += '-';
        ++i;
    } else if (startsWith(text, i, fmt.minus) && fmt.minus != "-") {
        plain += '-';
        i += fmt.minus.size();
    }
    bool digits = false, point = false, grouped = false;
    int run = 0;  // digits of the whole part since its start or its last thousands separator
    // Thousands separators may stand between the digits of the whole part, in
    // groups of three: "1,45" or, in German, "1.5" is another locale's decimal
    // number, which must not be taken as 145 or 15.
    auto groupsEnd = [&] { return !grouped || run == 3; };
    while (i < n) {
        char c = text[i];
        if (isDigit(c)) { plain += c; digits = true; ++i; run += !point; }
        else if (!point && startsWith(text, i, fmt.decimal)) {
            if (!groupsEnd()) return std::nullopt;
            plain += '.'; point = true; i += fmt.decimal.size();
        }
        else if (!point && digits && startsWith(text, i, fmt.group) && fmt.group != fmt.decimal) {
            if (grouped ? run != 3 : run > 3) return std::nullopt;
            grouped = true, run = 0, i += fmt.group.size();
        }
        else break;
    }
    if (!digits || (!point && !groupsEnd())) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        bool expDigits = false;
        while (i < n && isDigit(text[i])) { plain += text[i++]; expDigits = true; }
        if (!expDigits) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    if (plain.back() == '.') plain += '0';
    if (plain.front() == '.' || (plain.size() > 1 && plain[0] == '-' && plain[1] == '.'))
        plain.insert(plain.front() == '-' ? 1 : 0, "0");
    auto v = parsePlain(plain);
    if (v && !std::isfinite(*v)) return std::nullopt;
    return v;
}

bool isNumeric(const std::string& text, const NumberFormat& fmt) { return numericValue(text, fmt).has_value(); }

double leadingNumber(const std::string& text, const NumberFormat& fmt) {
    // Blanks are skipped wherever they stand, as in " 1 2.5" = 12.5.
    std::string s;
    for (char c : text)
        if (!isBlank(c) && c != '\n' && c != '\r') s += c;
    size_t i = 0;
    std::string plain;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') plain += '-';
        ++i;
    } else if (fmt.minus != "-" && startsWith(s, i, fmt.minus)) {
        plain += '-';
        i += fmt.minus.size();
    }
    bool digits = false, point = false;
    while (i < s.size()) {
        if (isDigit(s[i])) { plain += s[i]; digits = true; ++i; }
        else if (!point && startsWith(s, i, fmt.decimal)) { plain += '.'; point = true; i += fmt.decimal.size(); }
        else break;
    }
    if (!digits) return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::string e = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) e += s[j++];
        bool expDigits = false;
        while (j < s.size() && isDigit(s[j])) { e += s[j++]; expDigits = true; }
        if (expDigits) plain += e;
    }
    if (plain.back() == '.') plain += '0';
    if (plain.front() == '.' || (plain.size() > 1 && plain[0] == '-' && plain[1] == '.'))
        plain.insert(plain.front() == '-' ? 1 : 0, "0");
    auto v = parsePlain(plain);
    if (!v) return plain.front() == '-' ? -std::numeric_limits<double>::infinity()
                                        : std::numeric_limits<double>::infinity();
    return *v;
}

std::string generalNumber(double value, const NumberFormat& fmt) {
    if (value == 0) return "0";
    char buf[64];
    // Not printf: it writes the decimal symbol of the process's C locale, which
    // the program sets from the user's.
    std::string s(buf, std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15).ptr);
    // Near the largest double, 15 digits round up past it; such a text would
    // read as no number at all, so the exact shortest form is used instead.
    if (!parsePlain(s)) s.assign(buf, std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific).ptr);
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
