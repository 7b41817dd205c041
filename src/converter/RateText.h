#pragma once
// The readings of a rate text and the number patterns of the chart.
#include "converter/Interfaces.h"

#include <optional>
#include <string>

namespace quorvane {

// The text as a whole is a number by the user's conventions: blanks around it,
// a sign, digits with thousands separators, the decimal symbol, an exponent.
bool isNumeric(const std::string& text, const NumberFormat& fmt);
// The double such a text denotes; nothing when it is not a number (or overflows).
std::optional<double> numericValue(const std::string& text, const NumberFormat& fmt);

// The text's leading number, read with "." as the decimal point whatever the
// locale, blanks skipped; 0 when the text does not begin with a number.
double leadingNumber(const std::string& text);

// General number form: up to 15 significant digits, no grouping, the locale's
// decimal symbol, exponent form for very large or very small values.
std::string generalNumber(double value, const NumberFormat& fmt);

// "###,###": whole number, grouped; 0 gives empty text.
std::string formatWhole(double value, const NumberFormat& fmt);
// "###,##0.00" and "###,###,##0.00": grouped, two decimals, halves away from zero,
// rounding the value's 15-significant-digit decimal form.
std::string formatMoney(double value, const NumberFormat& fmt);

}  // namespace quorvane
