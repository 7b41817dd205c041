#pragma once
// A user's own rate table: copied from the shipped one, and brought up to date
// when newer rates arrive without losing a rate the user typed.
//
// Besides RATES, a table records in TYPED_RATES the countries whose rate the
// user typed, and in QUORVANE_INFO the date (rates_date, YYYY-MM-DD) and source
// (rates_source) of the rates it was made from or last brought up to date with.
//
// An older table knows neither. When its date is unknown, a merge counts every
// rate that differs from the incoming rate of its country as typed and keeps it:
// a rate the user may have typed is never overwritten.
#include "data/RecordCursor.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace quorvane {

// Rates with the date they are for and where they come from.
struct RateSet {
    std::vector<RateRecord> rows;
    std::string date;    // YYYY-MM-DD
    std::string source;  // e.g. "shipped with Quorvane 1.0.0"
};

struct MergeSummary {
    bool merged = false;  // false: the table's rates were as new already
    std::string date;     // the table's rates date afterwards (empty: unknown)
    int changed = 0;      // rates the user never typed that took a new value
    int keptTyped = 0;    // typed rates of countries in the new rates, kept as typed
    int added = 0;        // countries new to the table, added at its end
};

struct RatesInfo {
    std::string date;  // empty when the table does not say
    std::string source;
};

// What a table says about its rates; throws StoreError when it cannot be read.
RatesInfo readRatesInfo(const std::string& dbPath);

// Every row of RATES in table order, with the table's date and source.
RateSet readRateSet(const std::string& dbPath);

// The countries whose rate the user typed (none when the table does not record them),
// with what each replaced.
std::map<std::string, TypedInfo> readTypedRates(const std::string& dbPath);
std::set<std::string> readTypedCountries(const std::string& dbPath);

// Whether text is YYYY-MM-DD naming a day of the calendar (no 31 February).
bool isIsoDate(const std::string& text);

// Today's date, YYYY-MM-DD, on this computer's clock; a test can set another
// (an empty text goes back to the clock).
std::string todayIso();
void setTodayForTests(const std::string& isoDate);

// Why rates of this date cannot be taken (no calendar date, or more than two
// days after today: no one publishes rates of the future); empty when they can.
std::string ratesDateProblem(const std::string& date);

// Why a row of incoming rates cannot go into a table: a control character, text
// that looks like markup ("<" before a letter, "/" or "!"), or a field of more
// than kMaxFieldChars characters; empty when it can. Every way rates come in
// (rate files, the shipped table, the build) goes through this check.
inline constexpr int kMaxFieldChars = 200;
std::string rowProblem(const RateRecord& row);
// Throws StoreError "<where>: <problem>" when rowProblem finds one.
void checkIncomingRow(const RateRecord& row, const std::string& where);

// Whether a stored rate counts as typed by the user when rates `incoming` of its
// country arrive. A table without a date cannot tell: a rate that differs from
// the incoming one may be the user's, unless it differs only beyond six
// significant digits (the shipped rates lost them) or the currency was replaced
// (its code changed). The rates command's plan and the merge both go by this.
bool countsAsTyped(const RateRecord& stored, const RateRecord& incoming, bool recordedTyped, bool tableDated);

// Adds TYPED_RATES, QUORVANE_INFO and the index on Country to a table that lacks
// them. Writes nothing to a table that has them all.
void prepareRateTable(const std::string& dbPath);

// Brings the table at userDbPath up to date with rates dated after its own:
// rates the user never typed take all the fields of the new row of their country,
// every row keeps its Alpha2 unless the new row of its country brings one,
// typed rates stay whole and the new rate becomes the one they replaced (unless
// replaceTyped, which also forgets they were typed and what they replaced),
// countries new to the table are added at its end and nothing is removed.
// One transaction: on failure the table is left as it was and StoreError is thrown.
// Rates of the table's own date are merged only when sameDateToo: a second look
// at the same day's rates, e.g. to take a rate refused the first time.
MergeSummary mergeRates(const std::string& userDbPath, const RateSet& rates, bool replaceTyped = false,
                        bool sameDateToo = false);

// mergeRates with the rates of another table file, read only when they are newer.
MergeSummary mergeShipped(const std::string& userDbPath, const std::string& shippedDbPath,
                          bool replaceTyped = false);

// A table older than the Alpha2 column gets it, filled by Country from rows:
// rates of the same date bring the countries' codes, and with them the names in
// the user's language, all the same. Writes nothing to a table that has the
// column; true when it wrote. mergeShipped does this with the shipped rows.
bool addCountryCodes(const std::string& dbPath, const std::vector<RateRecord>& rows);

// Copies the table at fromPath to toPath unless a file is already there, which
// is never replaced. True when this call made the copy.
bool copyRateTable(const std::string& fromPath, const std::string& toPath);

}  // namespace quorvane
