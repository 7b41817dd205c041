#pragma once
// Newer rates from a rate file: reading the file, checking it against the rate
// table, and planning what a merge would change. No I/O here: the command reads
// the table and the file and hands them in.
#include "data/UserRateTable.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvane {

// A rate file that cannot be used, with what is wrong in it.
class RateFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The rates a file brings. The daily file gives one rate per currency code and
// maps onto every country of that currency; the project's CSV gives whole rows,
// mapped by country.
struct IncomingRates {
    std::string date;                      // YYYY-MM-DD
    std::map<std::string, double> byCode;  // upper-case ISO code -> units for 1 USD
    std::vector<RateRecord> rows;          // CSV rows (byCode is then empty)
};

// Reads a rate file: the daily JSON file {"date":"YYYY-MM-DD","usd":{"eur":0.88,...}},
// or the project's CSV (header Country,Currency,Description,CODE,ROE[,Alpha2]), which
// carries no date of its own and takes csvDate. Throws RateFileError.
IncomingRates parseRateFile(const std::string& bytes, const std::string& csvDate = {});

enum class RateChange {
    Update,     // takes the new rate
    Same,       // the file's rate is the table's already
    KeptTyped,  // typed by the user, kept
    Refused,    // changes more than tenfold: left alone unless forced
    NoRate,     // the file has no rate for its currency
    Added,      // a country the table lacks (CSV only), added at the end
};

struct PlannedRate {
    std::string country, code;
    double oldRate = 0, newRate = 0;
    RateChange what = RateChange::Update;
    bool jump = false;  // more than tenfold, taken because forced
};

struct RatePlan {
    std::string date;
    std::vector<PlannedRate> rates;  // in table order, then the added countries
    RateSet toMerge;                 // what mergeRates is given
    int count(RateChange what) const;
};

struct PlanOptions {
    bool replaceTyped = false;  // --all
    bool force = false;         // take tenfold changes too
};

// A rate moving by more than this factor is more likely a unit or
// redenomination error than a market move.
inline constexpr double kJumpFactor = 10.0;

// What merging `in` into `table` would do; which rates count as typed is
// decided as the merge decides it (countsAsTyped). Throws RateFileError when the
// file is older than the table or dated in the future, carries a rate that is
// not a positive finite number, or has no rate for any country of the table.
RatePlan planRateUpdate(const RateSet& table, const std::set<std::string>& typed, const IncomingRates& in,
                        const std::string& source, PlanOptions options = {});

// "2026-09-29" as "29 September 2026"; an invalid date as it is.
std::string readableDate(const std::string& isoDate);

}  // namespace quorvane
