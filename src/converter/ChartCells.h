#pragma once
// The conversion chart of two rates as text, the cells Calculate writes.
#include "data/Numbers.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

// Rows 1 to 20 of the chart for an origin and a destination rate per US dollar:
// an amount of the origin currency, its value in the destination currency, five
// times the amount, its value; every number as the window shows it in fmt.
// Nothing when no chart can be made of the rates: an origin rate of a million
// or more, a rate that is no positive number, a value too large to show.
using ChartRow = std::array<std::string, 4>;
std::optional<std::vector<ChartRow>> chartCells(double originRoe, double destRoe, const NumberFormat& fmt);

}  // namespace quorvane
