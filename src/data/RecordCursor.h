#pragma once
// A position in the rate table with its bound fields and a pending rate edit.
// The converter's logic talks only to this interface; the SQLite cursor and the
// in-memory test cursor implement it.
#include "data/Numbers.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvane {

struct RateRecord {
    std::string country;
    std::string currency;     // unit information, e.g. "1 Euro = 100 Cent"
    std::string description;  // the currency's name
    std::string code;         // ISO 4217 code
    double roe = 0.0;         // units of the currency for 1 US dollar
    std::string alpha2 = {};  // ISO 3166-1 alpha-2 code of the country; empty when the table has none
};

// What the table records of a typed rate: whether the rate was typed, and the
// rate it replaced with the date of the rates that one came from, where known
// (a table of an older Quorvane, or one taken over without a date, does not know).
struct TypedInfo {
    bool typed = false;
    std::optional<double> replacedRoe;
    std::string replacedDate;  // YYYY-MM-DD; empty when not known
};

// A failure of the record store: a number and a description a person can act on.
class StoreError : public std::runtime_error {
public:
    StoreError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const { return number_; }
private:
    int number_;
};

// Error numbers, kept stable so that messages can be looked up in the help file.
enum StoreErrorNumber {
    kErrNotOpen = 3420,        // the table could not be opened / is not open
    kErrConversion = 3421,     // a rate text that is not a number
    kErrNoCurrentRecord = 3021,
    kErrStore = 3043,          // the database file could not be read or written
    kErrNotFound = 3026,       // a lookup that found no record
    kErrNotSaved = 3027,       // the store refused to save a rate (read-only, locked, disk full)
};

class RecordCursor {
public:
    virtual ~RecordCursor() = default;

    virtual void refresh() = 0;                              // Refresh
    virtual void moveFirst() = 0;                            // MoveFirst
    virtual void moveNext() = 0;                             // MoveNext
    virtual void movePrevious() = 0;                         // MovePrevious
    virtual void moveLast() = 0;                             // MoveLast
    virtual bool eof() const = 0;                            // EOF
    virtual void findFirst(const std::string& country) = 0;  // FindFirst "Country = '...'"

    // Moves next until end of table, appending the Country of every record it
    // passes, the current one first. A failure part-way keeps what was appended.
    virtual void readCountriesToEnd(std::vector<std::string>& names) {
        while (!eof()) {
            auto rec = current();
            moveNext();
            names.push_back(rec ? rec->country : std::string());
        }
    }

    // The same walk, handing `each` record's Country, Description, CODE and
    // Alpha2 (what its name in the user's language is made of) as it passes;
    // `each` may take the fields it is handed.
    virtual void readNamesToEnd(const std::function<void(RateRecord&)>& each) {
        while (!eof()) {
            RateRecord rec = current().value_or(RateRecord{});
            moveNext();
            each(rec);
        }
    }

    // The current record, or nothing at end of table / when not open.
    virtual std::optional<RateRecord> current() const = 0;

    // The text the rate box typed since the cursor arrived on its record.
    virtual void setPendingRate(const std::string& text) = 0;
    virtual bool hasPendingEdit() const = 0;
    // Drops the pending edit: the record keeps its rate.
    virtual void discardPendingEdit() = 0;

    // Reads the current record again when another program changed the table
    // since; a pending edit stays. True when the record read differs.
    virtual bool rereadIfChanged() { return false; }

    // The current record's row, by which saveRate finds it; nothing at end of table.
    virtual std::optional<long long> currentRow() const = 0;

    // Saves text as the rate of the record at row, in one transaction of its
    // own, and tells what happened. The rate is compared with what the table
    // holds now: the same number writes nothing. A pending edit of that record
    // is done with once the rate is saved or found unchanged, and the bound
    // controls then show the rate as the table holds it.
    struct SaveResult {
        enum What { Saved, Unchanged, NotANumber, NotSaved } what;
        std::string message;  // why not, for NotANumber and NotSaved
    };
    virtual SaveResult saveRate(long long row, const std::string& text) = 0;

    // Whether the rate of the record at row was typed, and what it replaced.
    virtual TypedInfo typedInfo(long long row) = 0;

    // Puts back the rate that the typed rate of the record at row replaced and
    // marks it untyped, in one transaction of its own. A pending edit of that
    // record is dropped, and the bound controls show the rate put back.
    struct RestoreResult {
        enum What { Restored, NothingToRestore, NotSaved } what;
        std::string message;  // why not, for NothingToRestore and NotSaved
    };
    virtual RestoreResult restoreRate(long long row) = 0;

    // Called after every move that changed the current record, so bound controls
    // can show it.
    void setMovedHandler(std::function<void()> handler) { moved_ = std::move(handler); }

    // How messages name a record's country: as the window or command shows it
    // (in the user's language); as stored when not set.
    void setCountryNamer(std::function<std::string(const RateRecord&)> namer) { namer_ = std::move(namer); }

protected:
    void notifyMoved() const { if (moved_) moved_(); }
    std::string nameOf(const RateRecord& r) const { return namer_ ? namer_(r) : r.country; }

private:
    std::function<void()> moved_;
    std::function<std::string(const RateRecord&)> namer_;
};

}  // namespace quorvane
