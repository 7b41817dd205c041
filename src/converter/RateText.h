#pragma once
// The forms of a rate text and the number patterns of the chart; the readings
// of a rate text are in data/Numbers.h.
#include "converter/Interfaces.h"
#include "data/Numbers.h"

#include <optional>
#include <string>

namespace quorvane {

// The text a rate box shows for a stored rate: plain decimal with the locale's
// decimal symbol, no grouping, no exponent from 1e-9 to 1e15, the shortest form
// that reads back as exactly the same double.
std::string rateToBoxText(double roe, const NumberFormat& fmt = {});

// General number form: up to 15 significant digits, no grouping, the locale's
// decimal symbol, exponent form for very large or very small values.
std::string generalNumber(double value, const NumberFormat& fmt);

// The rate per US dollar at which one unit of another currency, whose rate per
// US dollar is otherRoe, is worth `entered` units of this currency.
inline double crossRate(double entered, double otherRoe) { return entered * otherRoe; }

// "###,###": whole number, grouped; 0 gives empty text.
std::string formatWhole(double value, const NumberFormat& fmt);
// "###,##0.00" and "###,###,##0.00": grouped, two decimals, halves away from zero,
// rounding the value's 15-significant-digit decimal form.
std::string formatMoney(double value, const NumberFormat& fmt);

}  // namespace quorvane
