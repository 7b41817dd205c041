#include "data/SqliteRateTable.h"
#include "platform/Translations.h"

#include "data/UserRateTable.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <tuple>
#include <vector>

namespace quorvane {
namespace {

// A table of an older Quorvane has no Alpha2: it reads as empty.
std::string columns(const Database& db) {
    return std::string("rowid, Country, Currency, Description, CODE, ROE, ") + (hasAlpha2(db) ? "Alpha2" : "NULL");
}

// Splits RFC 4180 CSV into rows of fields.
std::vector<std::vector<std::string>> parseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false, any = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') { field += '"'; ++i; }
            else if (c == '"') quoted = false;
            else field += c;
            continue;
        }
        if (c == '"') { quoted = true; any = true; }
        else if (c == ',') { row.push_back(std::move(field)); field.clear(); any = true; }
        else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            if (any || !field.empty()) { row.push_back(std::move(field)); rows.push_back(std::move(row)); }
            row.clear(); field.clear(); any = false;
        } else { field += c; any = true; }
    }
    if (any || !field.empty()) { row.push_back(std::move(field)); rows.push_back(std::move(row)); }
    return rows;
}

}  // namespace

RateDatabase::RateDatabase(const std::string& path) : db_(path) {
    // Checks that RATES has every field the program reads; a damaged file or a
    // file that is not a database fails here too.
    try {
        Statement(db_, "SELECT Country, Currency, Description, CODE, ROE FROM RATES LIMIT 1").row();
    } catch (const StoreError& e) {
        if (e.number() == kErrNotOpen) throw;  // left half-changed: told as such
        throw StoreError(kErrNotOpen,
                         fillIn(trs("RateTable", "'%1' holds no usable rate table RATES: %2"), {path, db_.message()}));
    }
    // Opening only reads. A file without the index on Country is still served:
    // a lookup then scans, which takes well under a millisecond at this size.
}

bool hasAlpha2(const Database& db) {
    return Statement(db, "SELECT 1 FROM pragma_table_info('RATES') WHERE name = 'Alpha2'").row();
}

Statement& bindRate(Statement& insert, const RateRecord& r) {
    return insert.bind(1, r.country).bind(2, r.currency).bind(3, r.description).bind(4, r.code).bind(5, r.roe)
        .bind(6, r.alpha2);
}

namespace {
bool recordsReplaced(const Database& db) {
    return Statement(db, "SELECT 1 FROM pragma_table_info('TYPED_RATES') WHERE name = 'ReplacedRoe'").row();
}
}  // namespace

void prepareTypedRates(Database& db) {
    db.exec("CREATE TABLE IF NOT EXISTS TYPED_RATES "
            "(Country TEXT PRIMARY KEY, TypedAt TEXT, ReplacedRoe REAL, ReplacedDate TEXT)");
    db.exec("CREATE TABLE IF NOT EXISTS QUORVANE_INFO (Key TEXT PRIMARY KEY, Value TEXT)");
    if (recordsReplaced(db)) return;
    db.exec("ALTER TABLE TYPED_RATES ADD COLUMN ReplacedRoe REAL");
    db.exec("ALTER TABLE TYPED_RATES ADD COLUMN ReplacedDate TEXT");
}

TypedInfo readTypedInfo(const Database& db, const std::string& country) {
    if (!db.hasTable("TYPED_RATES")) return {};
    Statement st(db, recordsReplaced(db) ? "SELECT ReplacedRoe, ReplacedDate FROM TYPED_RATES WHERE Country = ?1"
                                         : "SELECT NULL, NULL FROM TYPED_RATES WHERE Country = ?1");
    if (!st.bind(1, country).row()) return {};
    TypedInfo info{true, {}, {}};
    if (!st.isNull(0)) info.replacedRoe = st.real(0), info.replacedDate = st.text(1);
    return info;
}

std::string halfWrittenMessage(const std::string& path) {
    return fillIn(trs("RateTable", "The rate table '%1' was left half-changed by a program that stopped while changing "
                                   "it, and it cannot be put right here because the file or its folder may not be "
                                   "written. Let someone who may write it run quorvane-rates show once, or copy the "
                                   "file together with '%1-journal' beside it into a folder you may write."),
                  {path});
}

std::vector<RateRecord> ratesFromCsv(const std::string& csvText) {
    auto rows = parseCsv(csvText);
    if (rows.empty()) throw StoreError(kErrStore, trs("RateTable", "The rate data is empty."));
    std::vector<RateRecord> out;
    for (size_t i = 1; i < rows.size(); ++i) {
        const auto& r = rows[i];
        const std::string line = fillIn(trs("RateTable", "Rate data line %1"), {std::to_string(i + 1)});
        // Alpha2 is a later, optional last column: rate files of older kinds lack it.
        if (r.size() != 5 && r.size() != 6)
            throw StoreError(kErrStore, fillIn(trs("RateTable", "%1 does not have 5 fields (Country,Currency,Description,"
                                                                "CODE,ROE) or 6 (with Alpha2)."),
                                               {line}));
        RateRecord rec{r[0], r[1], r[2], r[3], 0, r.size() > 5 ? r[5] : std::string()};
        checkIncomingRow(rec, line);
        auto roe = parseStoredRate(r[4]);
        if (!roe) throw StoreError(kErrConversion, fillIn(trs("RateTable", "%1: '%2' is not a number."), {line, r[4]}));
        rec.roe = *roe;
        out.push_back(std::move(rec));
    }
    return out;
}

void RateDatabase::createFromCsv(const std::string& path, const std::string& csvText, const std::string& ratesDate,
                                 const std::string& ratesSource) {
    const std::string exists = fillIn(trs("RateTable", "'%1' already exists; an existing rate table is never replaced."), {path});
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) throw StoreError(kErrStore, exists);
    const auto rates = ratesFromCsv(csvText);
    const bool made = publishNewFile(path, [&](const std::string& tmp) {
        Database db(tmp, true);
        Transaction t(db);
        db.exec("CREATE TABLE RATES (Country TEXT NOT NULL, Currency TEXT, Description TEXT, CODE TEXT, ROE REAL, "
                "Alpha2 TEXT)");
        Statement insert(db, kInsertRate);
        for (const auto& r : rates) bindRate(insert, r).run();
        db.exec("CREATE INDEX RATES_Country ON RATES(Country)");
        // Which rates the user typed, and what the rates are: what later merges go by.
        prepareTypedRates(db);
        Statement info(db, "INSERT INTO QUORVANE_INFO (Key, Value) VALUES (?1, ?2)");
        for (auto [key, value] : {std::pair{"rates_date", &ratesDate}, std::pair{"rates_source", &ratesSource}})
            if (!value->empty()) info.bind(1, std::string(key)).bind(2, *value).run();
        t.commit();
    });
    if (!made) throw StoreError(kErrStore, exists);
}

SqliteCursor::SqliteCursor(std::string path, RateParser parser)
    : path_(std::move(path)), parser_(parser ? parser : RateParser(&parseStoredRate)) {}

SqliteCursor::~SqliteCursor() = default;

void SqliteCursor::requireOpen() const {
    if (!open_) throw StoreError(kErrNotOpen, fillIn(trs("RateTable", "The rate table '%1' is not open."), {path_}));
}

void SqliteCursor::refresh() {
    for (auto* st : {&stFirst_, &stNext_, &stPrev_, &stLast_, &stFind_, &stFindNull_, &stById_}) st->reset();
    open_ = false;
    cur_.reset();
    pending_.reset();
    if (!db_) {
        // Both cursors name the same file; they share one connection to it.
        static std::map<std::string, std::weak_ptr<RateDatabase>> openFiles;
        std::error_code ec;
        std::string key = std::filesystem::weakly_canonical(std::filesystem::absolute(path_, ec), ec).string();
        db_ = openFiles[key].lock();
        if (!db_) {
            db_ = std::make_shared<RateDatabase>(path_);
            openFiles[key] = db_;
        }
    }
    Database& db = db_->database();
    const std::string select = "SELECT " + columns(db) + " FROM RATES ";
    auto prepare = [&](const char* rest) { return std::make_unique<Statement>(db, select + rest); };
    stFirst_ = prepare("ORDER BY rowid LIMIT 1");
    stNext_ = prepare("WHERE rowid > ?1 ORDER BY rowid LIMIT 1");
    stById_ = prepare("WHERE rowid = ?1");
    stPrev_ = prepare("WHERE rowid < ?1 ORDER BY rowid DESC LIMIT 1");
    stLast_ = prepare("ORDER BY rowid DESC LIMIT 1");
    stFind_ = prepare("WHERE Country = ?1 ORDER BY rowid LIMIT 1");
    stFindNull_ = prepare("WHERE Country IS NULL ORDER BY rowid LIMIT 1");
    open_ = true;
    seenVersion_ = db_->dataVersion();
    arrive(fetchOne(*stFirst_));
}

bool SqliteCursor::rereadIfChanged() {
    if (!open_ || !cur_) return false;
    const long long version = db_->dataVersion();
    if (version == seenVersion_) return false;
    seenVersion_ = version;
    auto row = fetchRow(*stById_, cur_->rowid);
    if (!row) return false;
    const RateRecord& a = row->rec;
    const RateRecord& b = cur_->rec;
    if (std::tie(a.country, a.currency, a.description, a.code, a.roe, a.alpha2) ==
        std::tie(b.country, b.currency, b.description, b.code, b.roe, b.alpha2))
        return false;
    cur_->rec = a;
    notifyMoved();
    return true;
}

std::optional<SqliteCursor::Row> SqliteCursor::fetchOne(Statement& st) const {
    std::optional<Row> row;
    if (st.row()) row = Row{st.integer(0), {st.text(1), st.text(2), st.text(3), st.text(4), st.real(5), st.text(6)}};
    st.reset();
    return row;
}

std::optional<SqliteCursor::Row> SqliteCursor::fetchRow(Statement& st, long long rowid) const {
    return fetchOne(st.bind(1, rowid));
}

void SqliteCursor::arrive(std::optional<Row> row) {
    cur_ = std::move(row);
    pending_.reset();
    notifyMoved();
}

RecordCursor::SaveResult SqliteCursor::saveRate(long long rowid, const std::string& text) {
    requireOpen();
    const bool isCurrent = cur_ && cur_->rowid == rowid;
    auto done = [&](SaveResult::What what, std::optional<Row> now) {
        if (isCurrent) {
            if (now) cur_->rec = now->rec;
            pending_.reset();
            notifyMoved();
        }
        return SaveResult{what, {}};
    };
    // "Now": another program may have changed the rate since it was read. A
    // read refused by a lock is left to the write, which says so.
    std::optional<Row> now;
    try {
        now = fetchRow(*stById_, rowid);
    } catch (const StoreError&) {
        if (isCurrent) now = cur_;
    }
    const std::string country = now ? nameOf(now->rec) : trs("RateTable", "this country");
    auto value = parser_(text);
    if (!value)
        return {SaveResult::NotANumber,
                fillIn(trs("RateTable", "'%1' is not a number; the rate of %2 was left as it was."), {text, country})};
    if (now && now->rec.roe == *value) return done(SaveResult::Unchanged, now);
    if (!now) return {SaveResult::NotSaved, trs("RateTable", "The rate could not be saved: its record is no longer in the rate table.")};

    Database& db = db_->database();
    try {
        Transaction t(db);
        Statement(db, "UPDATE RATES SET ROE = ?1 WHERE rowid = ?2").bind(1, *value).bind(2, rowid).run();
        // A table of an older kind gets what records typed rates with its
        // first typed rate. The first typing of a rate keeps the rate it
        // replaced and the date of the rates that came from; later ones keep
        // that, so the shipped or downloaded rate can always be put back.
        prepareTypedRates(db);
        Statement(db, "INSERT INTO TYPED_RATES (Country, TypedAt, ReplacedRoe, ReplacedDate) "
                      "VALUES (?1, strftime('%Y-%m-%dT%H:%M:%SZ', 'now'), ?2, "
                      "(SELECT Value FROM QUORVANE_INFO WHERE Key = 'rates_date')) "
                      "ON CONFLICT (Country) DO UPDATE SET TypedAt = excluded.TypedAt")
            .bind(1, country)
            .bind(2, now->rec.roe)
            .run();
        t.commit();
    } catch (const StoreError&) {
        return {SaveResult::NotSaved,
                fillIn(trs("RateTable", "The rate of %1 could not be saved: %2."), {country, db.whyNotWritten()})};
    }
    now->rec.roe = *value;
    return done(SaveResult::Saved, now);
}

TypedInfo SqliteCursor::typedInfo(long long rowid) {
    requireOpen();
    const auto row = fetchRow(*stById_, rowid);
    return row ? readTypedInfo(db_->database(), row->rec.country) : TypedInfo{};
}

RecordCursor::RestoreResult SqliteCursor::restoreRate(long long rowid) {
    requireOpen();
    using R = RestoreResult;
    std::optional<Row> row;
    Database& db = db_->database();
    try {
        row = fetchRow(*stById_, rowid);
    } catch (const StoreError& e) {
        return {R::NotSaved, e.what()};
    }
    if (!row) return {R::NotSaved, trs("RateTable", "The rate could not be put back: its record is no longer in the rate table.")};
    const std::string& country = row->rec.country;
    const std::string shown = nameOf(row->rec);
    // Asked before writing: a table that may not be written can still say so.
    const TypedInfo asked = readTypedInfo(db, country);
    if (!asked.typed) return {R::NothingToRestore,
                fillIn(trs("RateTable", "The rate of %1 was not typed; there is nothing to put back."), {shown})};
    if (!asked.replacedRoe)
        return {R::NothingToRestore, fillIn(trs("RateTable", "The rate of %1 was typed, but the rate it replaced is not "
                                                       "known; type the rate you want instead."),
                                            {shown})};
    try {
        Transaction t(db);
        const TypedInfo info = readTypedInfo(db, country);  // as it is now
        if (!info.replacedRoe) return {R::NothingToRestore, fillIn(trs("RateTable", "The rate of %1 is no longer typed."), {shown})};
        Statement(db, "UPDATE RATES SET ROE = ?1 WHERE rowid = ?2").bind(1, *info.replacedRoe).bind(2, rowid).run();
        Statement(db, "DELETE FROM TYPED_RATES WHERE Country = ?1").bind(1, country).run();
        t.commit();
        row->rec.roe = *info.replacedRoe;
    } catch (const StoreError&) {
        return {R::NotSaved,
                fillIn(trs("RateTable", "The rate of %1 could not be put back: %2."), {shown, db.whyNotWritten()})};
    }
    if (cur_ && cur_->rowid == rowid) {
        cur_->rec = row->rec;
        pending_.reset();
        notifyMoved();
    }
    return {R::Restored, {}};
}

void SqliteCursor::commitPending() {
    if (!pending_) return;
    if (!cur_) { pending_.reset(); return; }
    const SaveResult r = saveRate(cur_->rowid, *pending_);
    if (r.what == SaveResult::NotANumber) throw StoreError(kErrConversion, r.message);
    if (r.what == SaveResult::NotSaved) throw StoreError(kErrNotSaved, r.message);
}

void SqliteCursor::moveFirst() {
    requireOpen();
    commitPending();
    arrive(fetchOne(*stFirst_));
}

void SqliteCursor::moveNext() {
    requireOpen();
    if (!cur_) throw StoreError(kErrNoCurrentRecord, trs("RateTable", "There is no current record: the cursor is past the last rate."));
    commitPending();
    arrive(fetchRow(*stNext_, cur_->rowid));
}

void SqliteCursor::movePrevious() {
    requireOpen();
    commitPending();
    if (!cur_) { arrive(fetchOne(*stLast_)); return; }
    auto prev = fetchRow(*stPrev_, cur_->rowid);
    if (!prev) throw StoreError(kErrNoCurrentRecord, trs("RateTable", "There is no record before the first rate."));
    arrive(std::move(prev));
}

void SqliteCursor::moveLast() {
    requireOpen();
    commitPending();
    arrive(fetchOne(*stLast_));
}

bool SqliteCursor::eof() const {
    requireOpen();
    return !cur_;
}

void SqliteCursor::findFirst(const std::string& country) {
    requireOpen();
    try {
        commitPending();
    } catch (const StoreError& e) {
        // A typed text that is no number is dropped when the user moves on to
        // another country: that record keeps its rate, as it would on any failure.
        if (e.number() != kErrConversion) throw;
        pending_.reset();
    }
    auto row = fetchOne(stFind_->bind(1, country));
    // A record without a name is listed as an empty name; it can be chosen too.
    if (!row && country.empty()) row = fetchOne(*stFindNull_);
    if (!row) throw StoreError(kErrNotFound, fillIn(trs("RateTable", "No country named \"%1\" is in the rate table."), {country}));
    arrive(std::move(row));
}

void SqliteCursor::readCountriesToEnd(std::vector<std::string>& names) {
    requireOpen();
    if (!cur_) return;
    commitPending();
    Statement st(db_->database(), "SELECT Country FROM RATES WHERE rowid >= ?1 ORDER BY rowid");
    st.bind(1, cur_->rowid);
    while (st.row()) names.push_back(st.text(0));
    arrive(std::nullopt);
}

void SqliteCursor::readNamesToEnd(const std::function<void(RateRecord&)>& each) {
    requireOpen();
    if (!cur_) return;
    commitPending();
    Database& db = db_->database();
    // A row without a country code shows its stored name: it needs nothing more read.
    Statement st(db, hasAlpha2(db) ? "SELECT Country, iif(Alpha2 <> '', Description, NULL), iif(Alpha2 <> '', CODE, NULL), "
                                     "Alpha2 FROM RATES WHERE rowid >= ?1 ORDER BY rowid"
                                   : "SELECT Country, NULL, NULL, NULL FROM RATES WHERE rowid >= ?1 ORDER BY rowid");
    st.bind(1, cur_->rowid);
    RateRecord r;  // one record for all: a table of 100,000 rows makes no 100,000 of them
    while (st.row()) {
        r.country = st.text(0), r.description = st.text(1), r.code = st.text(2), r.alpha2 = st.text(3);
        each(r);
    }
    arrive(std::nullopt);
}

std::optional<RateRecord> SqliteCursor::current() const {
    if (!cur_) return std::nullopt;
    return cur_->rec;
}

void SqliteCursor::setPendingRate(const std::string& text) {
    if (cur_) pending_ = text;
}

std::optional<long long> SqliteCursor::currentRow() const {
    if (!cur_) return std::nullopt;
    return cur_->rowid;
}

}  // namespace quorvane
