#pragma once
// The rate table RATES in an SQLite file, and record cursors over it that walk it
// in table order (rowid) without scanning.
#include "data/RecordCursor.h"
#include "data/Sqlite.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorvane {

// One open database file shared by the cursors over it.
class RateDatabase {
public:
    // Opens an existing file; throws StoreError when it is missing, not a database,
    // or has no usable RATES table. Never creates or writes the file.
    explicit RateDatabase(const std::string& path);
    ~RateDatabase() = default;
    RateDatabase(const RateDatabase&) = delete;
    RateDatabase& operator=(const RateDatabase&) = delete;

    Database& database() { return db_; }
    // Changes whenever another connection (another program) committed a change.
    long long dataVersion() const { return db_.dataVersion(); }

    // Creates a new rate table file from CSV text (header line, then
    // Country,Currency,Description,CODE,ROE[,Alpha2] rows), with the empty TYPED_RATES
    // and QUORVANE_INFO holding the rates' date (YYYY-MM-DD) and source when
    // given. Used by the build.
    static void createFromCsv(const std::string& path, const std::string& csvText,
                              const std::string& ratesDate = {}, const std::string& ratesSource = {});

private:
    Database db_;
};

// Gives a table the tables that record typed rates and what they replaced, and
// the columns for what they replaced to a TYPED_RATES of an older Quorvane.
// Only ever called where something is written anyway.
void prepareTypedRates(Database& db);

// Whether RATES has the Alpha2 column, which older tables lack.
bool hasAlpha2(const Database& db);

// Adds a row to RATES, an empty Alpha2 as NULL: bindRate(Statement(db, kInsertRate), row).run().
inline constexpr const char* kInsertRate =
    "INSERT INTO RATES (Country, Currency, Description, CODE, ROE, Alpha2) VALUES (?1, ?2, ?3, ?4, ?5, NULLIF(?6, ''))";
Statement& bindRate(Statement& insert, const RateRecord& r);

// What the table records of the typed rate of country; reads only.
TypedInfo readTypedInfo(const Database& db, const std::string& country);

// What to tell when a table was left half-changed by a program that was killed
// (its journal lies beside it) and cannot be put right from here.
std::string halfWrittenMessage(const std::string& path);

// The rows of rate data in CSV text as createFromCsv reads them; throws StoreError
// naming the line that is wrong.
std::vector<RateRecord> ratesFromCsv(const std::string& csvText);

class SqliteCursor final : public RecordCursor {
public:
    using RateParser = std::function<std::optional<double>(const std::string&)>;

    // path: the database file, as the cursor's database name (relative to the
    // current folder). parser reads a typed rate for write-back.
    explicit SqliteCursor(std::string path, RateParser parser = &parseStoredRate);
    ~SqliteCursor() override;

    void refresh() override;
    void moveFirst() override;
    void moveNext() override;
    void movePrevious() override;
    void moveLast() override;
    bool eof() const override;
    void findFirst(const std::string& country) override;
    std::optional<RateRecord> current() const override;
    // One read of the Country column instead of a move a record.
    void readCountriesToEnd(std::vector<std::string>& names) override;
    void readNamesToEnd(const std::function<void(RateRecord&)>& each) override;
    void setPendingRate(const std::string& text) override;
    bool hasPendingEdit() const override { return pending_.has_value(); }
    void discardPendingEdit() override { pending_.reset(); }
    bool rereadIfChanged() override;
    std::optional<long long> currentRow() const override;
    SaveResult saveRate(long long row, const std::string& text) override;
    TypedInfo typedInfo(long long row) override;
    RestoreResult restoreRate(long long row) override;

private:
    struct Row { long long rowid; RateRecord rec; };
    void requireOpen() const;
    void commitPending();
    void arrive(std::optional<Row> row);
    std::optional<Row> fetchOne(Statement& st) const;
    std::optional<Row> fetchRow(Statement& st, long long rowid) const;

    std::string path_;
    RateParser parser_;
    std::shared_ptr<RateDatabase> db_;
    // Prepared once per open; declared after db_, so they go before it does.
    std::unique_ptr<Statement> stFirst_, stNext_, stPrev_, stLast_, stFind_, stFindNull_, stById_;
    std::optional<Row> cur_;
    bool open_ = false;
    long long seenVersion_ = -1;  // the table's data version when this cursor last read
    std::optional<std::string> pending_;
};

}  // namespace quorvane
