#include "data/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace quorvane {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool startsWith(std::string_view s, size_t at, const std::string& what) {
    return !what.empty() && s.substr(at, what.size()) == what;
}

// The length of the thousands separator at `at`, or 0. Where the locale groups
// with a space (French: a narrow no-break space, which no keyboard types), the
// plain and the no-break space stand for it too.
size_t groupAt(std::string_view s, size_t at, const std::string& group) {
    if (startsWith(s, at, group)) return group.size();
    static const std::string kSpaces[] = {" ", "\u00a0", "\u202f"};
    if (std::find(std::begin(kSpaces), std::end(kSpaces), group) == std::end(kSpaces)) return 0;
    for (const std::string& space : kSpaces)
        if (startsWith(s, at, space)) return space.size();
    return 0;
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

// A plain C number: [-]digits[.digits][e[sign]digits]. Underflow reads as zero
// unless refused; overflow is no number a double holds. Which one it is follows
// from the decimal magnitude, not from the spelling.
std::optional<double> parsePlain(std::string s, bool refuseUnderflow) {
    if (s.back() == '.') s += '0';
    const size_t first = s.front() == '-' ? 1 : 0;
    if (first < s.size() && s[first] == '.') s.insert(s.begin() + static_cast<std::ptrdiff_t>(first), '0');
    double v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (res.ptr != s.data() + s.size()) return std::nullopt;
    if (res.ec == std::errc::result_out_of_range)
        return refuseUnderflow || decimalMagnitude(s) > 0 ? std::nullopt : std::optional<double>(0.0);
    if (res.ec != std::errc() || !std::isfinite(v)) return std::nullopt;
    return v;
}

// A sign: "+", "-" or the locale's minus; appends "-" to plain for a minus.
size_t readSign(std::string_view s, size_t i, const NumberFormat& fmt, std::string& plain) {
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') plain += '-';
        return i + 1;
    }
    if (fmt.minus != "-" && startsWith(s, i, fmt.minus)) {
        plain += '-';
        return i + fmt.minus.size();
    }
    return i;
}

// An exponent at i ("e" and digits, with a sign); appends it to plain and
// returns where it ends, or i when there is none.
size_t readExponent(std::string_view s, size_t i, bool fortranToo, std::string& plain) {
    if (i >= s.size()) return i;
    const char c = s[i];
    if (!(c == 'e' || c == 'E' || (fortranToo && (c == 'd' || c == 'D')))) return i;
    std::string e = "e";
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) e += s[j++];
    const size_t digitsFrom = j;
    while (j < s.size() && isDigit(s[j])) e += s[j++];
    if (j == digitsFrom) return i;
    plain += e;
    return j;
}

double leading(std::string_view text, const NumberFormat& fmt) {
    std::string s;
    for (char c : text)
        if (!isBlank(c) && c != '\n' && c != '\r') s += c;
    std::string plain;
    size_t i = readSign(s, 0, fmt, plain);
    bool digits = false, point = false;
    while (i < s.size()) {
        if (isDigit(s[i])) { plain += s[i]; digits = true; ++i; }
        else if (!point && startsWith(s, i, fmt.decimal)) { plain += '.'; point = true; i += fmt.decimal.size(); }
        else break;
    }
    if (!digits) return 0.0;
    readExponent(s, i, true, plain);
    auto v = parsePlain(plain, false);
    if (!v) return plain.front() == '-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    return *v;
}

std::optional<double> whole(std::string_view text, const NumberFormat& fmt, bool refuseUnderflow) {
    size_t i = 0, n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    while (n > i && isBlank(text[n - 1])) --n;
    if (i == n) return std::nullopt;
    text = text.substr(0, n);
    std::string plain;
    i = readSign(text, i, fmt, plain);
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
        else if (const size_t sep = !point && digits && fmt.group != fmt.decimal ? groupAt(text, i, fmt.group) : 0) {
            if (grouped ? run != 3 : run > 3) return std::nullopt;
            grouped = true, run = 0, i += sep;
        }
        else break;
    }
    if (!digits || (!point && !groupsEnd())) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        const size_t end = readExponent(text, i, false, plain);
        if (end == i) return std::nullopt;
        i = end;
    }
    if (i != n) return std::nullopt;
    return parsePlain(plain, refuseUnderflow);
}

}  // namespace

std::optional<double> readNumber(std::string_view text, NumberReading how, const NumberFormat& fmt) {
    switch (how) {
    case NumberReading::Leading: return leading(text, fmt);
    case NumberReading::Numeric: return whole(text, fmt, false);
    case NumberReading::Stored: return whole(text, NumberFormat{".", "", "-"}, true);
    }
    return std::nullopt;
}

}  // namespace quorvane
