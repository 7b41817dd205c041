#pragma once
// The line printed under the chart: what the card was made with, so that a
// traveller can tell weeks later which rate and which day it shows.
#include "converter/Interfaces.h"

#include <string>

namespace quorvane {

struct CardFacts {
    std::string originCode, destCode;   // ISO codes as the window shows them
    double originRoe = 0, destRoe = 0;  // units of each currency for one US dollar
    std::string ratesDate;              // YYYY-MM-DD of the table's rates; empty when unknown
    bool originTyped = false, destTyped = false;
};

// "1 EUR = 158.20 JPY · rates of 29 September 2026 · JPY rate typed". The rate
// part needs both codes and two positive rates, the date part a calendar date;
// a part that cannot be told is left out.
std::string cardFooter(const CardFacts& facts, const NumberFormat& fmt);

}  // namespace quorvane
