#pragma once
// The one number reader of the program. A rate text is read in one of three
// ways, each named, so every caller says which reading it relies on.
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The user's number conventions, taken from the system locale.
struct NumberFormat {
    std::string decimal = ".";
    std::string group = ",";
    std::string minus = "-";
};

enum class NumberReading {
    // The text's leading number: blanks skipped wherever they stand, a sign,
    // digits with one decimal symbol (fmt.decimal, "." by default), an exponent
    // (e, E, d or D); it stops at the first character that cannot continue the
    // number, a thousands separator included. Always a value: 0 when the text
    // does not begin with a number, an infinity when the number overflows.
    Leading,
    // The whole text as a number by the user's conventions: blanks around it,
    // a sign, thousands separators only between groups of three digits of the
    // whole part, the decimal symbol, an exponent. Underflow reads as 0;
    // overflow, inf and nan are no number.
    Numeric,
    // The whole text as the store reads a rate: C conventions ("." only, no
    // grouping, whatever the locale), blanks around it, a sign, an exponent.
    // Underflow (1e-400), overflow, inf and nan are no number.
    Stored,
};

// Reads text the named way; fmt is ignored by Stored.
std::optional<double> readNumber(std::string_view text, NumberReading how, const NumberFormat& fmt = {});

// The readings under the names their callers know.
inline std::optional<double> numericValue(std::string_view text, const NumberFormat& fmt) {
    return readNumber(text, NumberReading::Numeric, fmt);
}
inline bool isNumeric(std::string_view text, const NumberFormat& fmt) { return numericValue(text, fmt).has_value(); }
inline double leadingNumber(std::string_view text, const NumberFormat& fmt = {}) {
    return *readNumber(text, NumberReading::Leading, fmt);
}
inline std::optional<double> parseStoredRate(std::string_view text) { return readNumber(text, NumberReading::Stored); }

}  // namespace quorvane
