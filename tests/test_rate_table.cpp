// The rate table against real SQLite files in a temporary folder, and the user's
// own rate table: newer rates merge in keeping typed ones, all or nothing; copies
// never replace; the program folder is used only when writable. Reading rate
// files, and planning what they change in a table or why they cannot be used.
#include "converter/RateText.h"
#include "data/RateUpdate.h"
#include "data/UserRateTable.h"
#include "platform/ProgramFolder.h"
#include "support/Fakes.h"
#include "support/TempRates.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace quorvane;
using namespace quorvane::test;

namespace {

int storeErrorOf(const std::function<void()>& f) {
    try { f(); } catch (const StoreError& e) { return e.number(); }
    return 0;
}

std::string dump(const std::string& path);

// Rates dated after the day after tomorrow are refused: the tests' dates hold on any clock.
const bool kTodayPinned = (setTodayForTests("2026-12-07"), true);

std::string storeMessageOf(const std::function<void()>& f) {
    try { f(); } catch (const StoreError& e) { return e.what(); }
    return "no error";
}

const std::string kThree = "Aland,1 Euro = 100 Cent,Euro,EUR,0.88\n"
                           "Brazil,1 Real = 100 Centavos,Brazilian Real,BRL,5.4\n"
                           "Chad,1 Franc = 100 Centimes,CFA Franc,XAF,600\n";

}  // namespace

// The same cases against the in-memory cursor the logic tests use and the real
// SQLite store, so the two cannot drift apart.
struct MemoryStore {
    std::vector<RateRecord> table;
    MemoryCursor cursor{&table};
    explicit MemoryStore(std::vector<RateRecord> rows) : table(std::move(rows)) { cursor.refresh(); }
    void refuseWrites() { cursor.refuseWrites = "refused"; }
    double stored(int i) const { return table[i].roe; }
};
struct SqliteStore {
    TempRates dir;
    std::string path;
    SqliteCursor cursor;
    explicit SqliteStore(const std::vector<RateRecord>& rows) : path(dir.make(csvOf(rows), "Zelvik.MDB", "2026-09-29")), cursor(path) { cursor.refresh(); }
    void refuseWrites() { sql(path, "CREATE TRIGGER ro BEFORE UPDATE ON RATES BEGIN SELECT RAISE(ABORT, 'no'); END"); }
    double stored(int i) const { return std::stod(sql(path, "SELECT ROE FROM RATES WHERE rowid = " + std::to_string(i + 1))); }
    static std::string csvOf(const std::vector<RateRecord>& rows) {
        std::string s;
        for (const auto& r : rows) s += r.country + "," + r.currency + "," + r.description + "," + r.code + "," + rateToBoxText(r.roe) + "\n";
        return s;
    }
};

template <typename Store>
class CursorContract : public testing::Test {
protected:
    const std::vector<RateRecord> rows{{"Aland", "c", "Euro", "EUR", 0.88}, {"Cote d'Ivoire", "c", "Franc", "XOF", 601},
                                       {"Aland", "c", "Other", "XXX", 1}};
};
using Stores = testing::Types<MemoryStore, SqliteStore>;
TYPED_TEST_SUITE(CursorContract, Stores);

TYPED_TEST(CursorContract, WalksFindsAndStopsAtTheEnds) {
    TypeParam empty({});
    EXPECT_TRUE(empty.cursor.eof());
    EXPECT_EQ(storeErrorOf([&] { empty.cursor.moveNext(); }), kErrNoCurrentRecord);
    empty.cursor.movePrevious();  // from end of table to the last record: there is none
    EXPECT_TRUE(empty.cursor.eof());

    TypeParam store(this->rows);
    RecordCursor& c = store.cursor;
    std::string seen;
    for (c.moveFirst(); !c.eof(); c.moveNext()) seen += c.current()->code + " ";
    EXPECT_EQ(seen, "EUR XOF XXX ");
    c.movePrevious();
    EXPECT_EQ(c.current()->code, "XXX");
    c.findFirst("Cote d'Ivoire");
    EXPECT_EQ(c.current()->code, "XOF");
    c.findFirst("Aland");  // the first of equal names
    EXPECT_EQ(c.current()->code, "EUR");
    EXPECT_EQ(storeErrorOf([&] { c.findFirst("Narnia"); }), kErrNotFound);
    EXPECT_EQ(storeErrorOf([&] { c.moveFirst(), c.movePrevious(); }), kErrNoCurrentRecord);
}

TYPED_TEST(CursorContract, SavesARateByItsRowAndTellsWhatHappened) {
    TypeParam store(this->rows);
    RecordCursor& c = store.cursor;
    using R = RecordCursor::SaveResult;
    c.findFirst("Cote d'Ivoire");
    const long long row = *c.currentRow();
    const struct { const char* text; R::What what; double stored; } cases[] = {
        {"612.5", R::Saved, 612.5}, {"612.5", R::Unchanged, 612.5}, {"6x", R::NotANumber, 612.5}, {"", R::NotANumber, 612.5}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.text);
        c.setPendingRate(k.text);
        EXPECT_EQ(c.saveRate(row, k.text).what, k.what);
        EXPECT_EQ(store.stored(1), k.stored);
        EXPECT_EQ(c.hasPendingEdit(), k.what == R::NotANumber);
        c.discardPendingEdit();
    }
    EXPECT_EQ(c.current()->roe, 612.5);
    // A pending edit goes to its own record when the cursor moves, the last one included.
    c.findFirst("Aland"), c.moveLast();
    c.setPendingRate("2");
    c.moveNext();
    EXPECT_TRUE(c.eof());
    c.movePrevious();
    EXPECT_EQ(std::pair(c.current()->roe, store.stored(2)), std::pair(2.0, 2.0));

    store.refuseWrites();  // refused: told, not dropped, and the record keeps its rate
    c.setPendingRate("3");
    EXPECT_EQ(c.saveRate(*c.currentRow(), "3").what, R::NotSaved);
    EXPECT_TRUE(c.hasPendingEdit());
    EXPECT_EQ(storeErrorOf([&] { c.findFirst("Aland"); }), kErrNotSaved);
    EXPECT_EQ(store.stored(2), 2.0);
}

// A typed rate remembers the rate it replaced, from its first typing on, and
// that rate can be put back.
TYPED_TEST(CursorContract, TypedRatesKeepWhatTheyReplacedAndPutItBack) {
    TypeParam store(this->rows);
    RecordCursor& c = store.cursor;
    using R = RecordCursor::RestoreResult;
    c.findFirst("Cote d'Ivoire");
    const long long row = *c.currentRow();
    EXPECT_FALSE(c.typedInfo(row).typed);
    EXPECT_EQ(c.restoreRate(row).what, R::NothingToRestore);
    c.saveRate(row, "612"), c.saveRate(row, "615");
    const TypedInfo typed = c.typedInfo(row);
    EXPECT_TRUE(typed.typed);
    EXPECT_EQ(typed.replacedRoe, 601);
    EXPECT_EQ(typed.replacedDate, "2026-09-29");

    store.refuseWrites();  // refused: told, and still typed
    EXPECT_EQ(c.restoreRate(row).what, R::NotSaved);
    EXPECT_TRUE(c.typedInfo(row).typed);
    TypeParam again(this->rows);
    RecordCursor& a = again.cursor;
    a.findFirst("Cote d'Ivoire"), a.saveRate(row, "615"), a.setPendingRate("616");
    EXPECT_EQ(a.restoreRate(row).what, R::Restored);
    EXPECT_EQ(again.stored(1), 601);
    EXPECT_EQ(a.current()->roe, 601);  // shown at once, the pending text dropped
    EXPECT_FALSE(a.hasPendingEdit());
    EXPECT_FALSE(a.typedInfo(row).typed);
}

// Walking and finding are the shared cursor cases; here what only the file has.
TEST(RateTable, ListsInTableOrderAndFindsByIndexNeverByQuery) {
    TempRates dir;
    SqliteCursor c(dir.make(kThree + "Brazil,second,Other,XXX,1\n"));
    c.refresh();
    std::vector<std::string> names;
    c.moveNext();
    c.readCountriesToEnd(names);  // from the current record on
    EXPECT_EQ(names, (std::vector<std::string>{"Brazil", "Chad", "Brazil"}));
    EXPECT_TRUE(c.eof());
    EXPECT_EQ(storeErrorOf([&] { c.findFirst("x' OR '1'='1"); }), kErrNotFound);
    EXPECT_NE(sql(dir.file(), "EXPLAIN QUERY PLAN SELECT ROE FROM RATES WHERE Country = 'x'").find("INDEX"),
              std::string::npos);
}

TEST(RateTable, PendingRateIsWrittenOnlyWhenThereIsOne) {
    TempRates dir;
    std::string p = dir.make(kThree);
    sql(p, "DROP INDEX RATES_Country");  // opening never adds what a file lacks
    std::string before = bytes(p);
    {
        SqliteCursor d1(p), d2(p);
        d1.refresh(), d2.refresh();
        for (d1.moveFirst(); !d1.eof(); d1.moveNext()) {}
        d1.movePrevious();
        d2.findFirst("Brazil");
        d2.moveFirst();
        EXPECT_EQ(bytes(p), before);

        // The other cursor sees a new rate too.
        d1.findFirst("Chad");
        d1.setPendingRate("613");
        d1.moveFirst();
        d2.findFirst("Chad");
        EXPECT_EQ(d2.current()->roe, 613);
    }
    // Each typed rate is recorded as typed; the same number again writes nothing.
    EXPECT_EQ(sql(p, "SELECT Country FROM TYPED_RATES"), "Chad");
    before = bytes(p);
    SqliteCursor again(p);
    again.refresh();
    again.findFirst("Chad");
    again.setPendingRate(" 613 ");
    again.moveFirst();
    EXPECT_EQ(bytes(p), before);
}

TEST(RateTable, ReadsWhatAnotherProgramWroteAndRecordsTypedRatesInOlderTables) {
    TempRates dir;
    std::string p = dir.make(kThree);
    sql(p, "DROP TABLE TYPED_RATES; DROP TABLE QUORVANE_INFO");  // a table of the older kind
    const std::string before = bytes(p);
    SqliteCursor c(p);
    c.refresh();
    c.findFirst("Chad");
    EXPECT_FALSE(c.rereadIfChanged());
    EXPECT_EQ(bytes(p), before);  // opening and reading never write
    sql(p, "UPDATE RATES SET ROE = 700 WHERE Country = 'Chad'");  // quorvane-rates update meanwhile
    EXPECT_TRUE(c.rereadIfChanged());
    EXPECT_EQ(c.current()->roe, 700);
    sql(p, "UPDATE RATES SET ROE = 800 WHERE Country = 'Chad'");
    c.setPendingRate("700");  // the number shown, typed again: the table holds 800 now
    c.moveFirst();
    EXPECT_EQ(TempRates::storedRateIn(p, "Chad"), 700);
    EXPECT_EQ(sql(p, "SELECT Country, ReplacedRoe FROM TYPED_RATES"), "Chad|800.0");

    // Typed rows of an older TYPED_RATES know no replaced rate; reading them writes nothing.
    sql(p, "DROP TABLE TYPED_RATES; CREATE TABLE TYPED_RATES (Country TEXT PRIMARY KEY, TypedAt TEXT);"
           "INSERT INTO TYPED_RATES VALUES ('Chad', NULL)");
    const std::string older = bytes(p);
    c.findFirst("Chad");
    const long long chad = *c.currentRow();
    EXPECT_TRUE(c.typedInfo(chad).typed);
    EXPECT_EQ(c.typedInfo(chad).replacedRoe, std::nullopt);
    EXPECT_EQ(c.restoreRate(chad).what, RecordCursor::RestoreResult::NothingToRestore);
    EXPECT_EQ(bytes(p), older);
    c.findFirst("Brazil"), c.setPendingRate("5.6"), c.moveFirst();
    EXPECT_EQ(sql(p, "SELECT Country, ReplacedRoe FROM TYPED_RATES ORDER BY Country"), "Brazil|5.4,Chad|");
}

// A writer killed inside a transaction leaves a hot journal beside the table.
TEST(RateTable, HalfChangedTableIsPutRightOrExplained) {
    TempRates dir;
    const std::string p = dir.make(kThree), before = dump(p);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {  // a change larger than the cache, so the table file itself is half-written
        OtherProgram writer(p, "PRAGMA cache_size = 1; BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                               "SELECT i + 1 FROM n WHERE i < 3000) INSERT INTO RATES SELECT 'X' || i, 'c', 'd', "
                               "'XXX', i, NULL FROM n; UPDATE RATES SET ROE = 1 WHERE Country = 'Chad'");
        if (write(ready[1], "x", 1) == 1) for (;;) pause();
        _exit(1);
    }
    char x;
    ASSERT_EQ(read(ready[0], &x, 1), 1);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ASSERT_TRUE(fs::exists(p + "-journal"));
    if (geteuid() != 0) {  // the superuser writes read-only files anyway
        chmod(p.c_str(), 0444);
        EXPECT_NE(storeMessageOf([&] { readRateSet(p); }).find("left half-changed"), std::string::npos);
        chmod(p.c_str(), 0644);
    }
    EXPECT_EQ(dump(p), before);  // what quorvane-rates show reads
    EXPECT_FALSE(fs::exists(p + "-journal"));
}

TEST(RateTable, NamesThatAreNullOrNotUtf8CanBeFound) {
    TempRates dir;
    std::string p = dir.file();
    sql(p, "CREATE TABLE RATES (Country TEXT, Currency TEXT, Description TEXT, CODE TEXT, ROE REAL);"
           "INSERT INTO RATES VALUES (NULL, 'n', 'Nameless', 'NNN', 2); "
           "INSERT INTO RATES VALUES (CAST(X'4BF6726561' AS TEXT), 'k', 'Latin-1', 'KKK', 3)");
    SqliteCursor c(p);
    c.refresh();
    c.findFirst("");
    EXPECT_EQ(c.current()->code, "NNN");
    c.findFirst("K\xf6rea");
    EXPECT_EQ(c.current()->code, "KKK");
}

TEST(RateTable, OpenFailsCleanlyOnFilesThatHoldNoRateTable) {
    TempRates dir;
    SqliteCursor missing(dir.file());
    EXPECT_EQ(storeErrorOf([&] { missing.refresh(); }), kErrNotOpen);
    EXPECT_FALSE(fs::exists(dir.file()));
    EXPECT_EQ(storeErrorOf([&] { (void)missing.eof(); }), kErrNotOpen);
    EXPECT_EQ(storeErrorOf([&] { missing.findFirst("Chad"); }), kErrNotOpen);

    std::string good = bytes(dir.make(kThree, "good.MDB")), damaged = good;
    for (size_t i = 100; i < damaged.size(); i += 7) damaged[i] = static_cast<char>(damaged[i] ^ 0x5a);
    struct Bad { const char* name; std::string content; const char* sql; };
    const Bad files[] = {
        {"text.MDB", "Country,Currency\nChad,Franc\n", nullptr}, {"damaged.MDB", damaged, nullptr}, {"zero.MDB", "", nullptr},
        {"notable.MDB", "", "CREATE TABLE OTHER (Country TEXT)"},
        {"noroe.MDB", "", "CREATE TABLE RATES (Country TEXT, Currency TEXT, Description TEXT, CODE TEXT);"
                          "INSERT INTO RATES VALUES ('Chad','','','XAF')"}};
    for (const auto& [name, content, statements] : files) {
        SCOPED_TRACE(name);
        std::string q = dir.file(name);
        writeFile(QString::fromStdString(q), QByteArray::fromStdString(content));
        if (statements) sql(q, statements);
        std::string before = bytes(q);
        SqliteCursor c(q);
        try {
            c.refresh();
            // A damage the first page does not show must fail the walk, not crash it.
            for (c.moveFirst(); !c.eof(); c.moveNext()) {}
            ADD_FAILURE() << "opened and walked";
        } catch (const StoreError& e) {
            EXPECT_STRNE(e.what(), "");
        }
        EXPECT_EQ(bytes(q), before);
        EXPECT_FALSE(fs::exists(q + "-journal"));
    }
}

TEST(RateTable, FailedWriteBackLeavesRecordAndFileAsTheyWere) {
    TempRates dir;
    std::string p = dir.make(kThree), before = bytes(p);
    SqliteCursor c(p);
    c.refresh();
    c.setPendingRate("5,4x");
    EXPECT_EQ(storeErrorOf([&] { c.moveNext(); }), kErrConversion);
    EXPECT_EQ(std::tie(c.current()->country, c.current()->roe), std::tuple("Aland", 0.88));
    c.findFirst("Brazil");  // choosing another country drops the text; the record keeps its rate
    EXPECT_FALSE(c.hasPendingEdit());
    EXPECT_EQ(bytes(p), before);
    {
        OtherProgram reader(p, "BEGIN; SELECT count(*) FROM RATES;");  // the write cannot be completed
        c.setPendingRate("6.1");
        EXPECT_EQ(storeErrorOf([&] { c.moveNext(); }), kErrNotSaved);
        EXPECT_EQ(c.current()->roe, 5.4);
    }
    EXPECT_EQ(bytes(p), before);
    c.moveNext();  // the typed text is still pending and goes in once the file can be written
    EXPECT_EQ(TempRates::storedRateIn(p, "Brazil"), 6.1);

    if (geteuid() != 0) {  // the superuser writes read-only files anyway
        std::string r = dir.make(kThree, "readonly.MDB");
        chmod(r.c_str(), 0444);
        std::string rb = bytes(r);
        SqliteCursor ro(r);
        ro.refresh();
        ro.setPendingRate("1.5");
        EXPECT_EQ(storeErrorOf([&] { ro.moveNext(); }), kErrNotSaved);
        EXPECT_EQ(bytes(r), rb);
    }
}

TEST(RateTable, CreatedFromCsvOnlyWhereNoTableIs) {
    TempRates dir;
    std::string p = dir.file();
    RateDatabase::createFromCsv(p, kRatesHeader + "\"Korea, South\",\"1 Won = 100 \"\"Jeon\"\"\",Won,KRW,"
                                   "1380.5\r\nPanama (Balboa),1 Balboa = 100 Centesimos,Balboa,PAB,1\n");
    SqliteCursor c(p);
    c.refresh();
    auto r = c.current();
    EXPECT_EQ(std::tie(r->country, r->currency, r->roe), std::tuple("Korea, South", "1 Won = 100 \"Jeon\"", 1380.5));

    std::string before = bytes(p);
    EXPECT_THROW(RateDatabase::createFromCsv(p, kRatesHeader + "X,y,z,XYZ,2\n"), StoreError);
    EXPECT_EQ(bytes(p), before);
    // A broken line creates nothing, not even a half-written file.
    for (const char* line : {"X,y,XYZ,2\n", "X,y,z,XYZ,two\n"})
        EXPECT_THROW(RateDatabase::createFromCsv(dir.file("bad.MDB"), kRatesHeader + line), StoreError);
    EXPECT_EQ(QDir(dir.folder()).entryList(QDir::Files), QStringList{"Zelvik.MDB"});
}

TEST(RateTable, BuildNeverReplacesAnExistingTable) {
    TempRates dir;
    const fs::path tool = fs::path(qEnvironmentVariable("QUORVANE_PROGRAM_DIR").toStdString()).parent_path() / "make_rate_table";
    const std::string cmd = tool.string() + " '" + qEnvironmentVariable("QUORVANE_SOURCE_DIR").toStdString() +
                            "/data/rates.csv' '" + dir.file() + "' >/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    sql(dir.file(), "UPDATE RATES SET ROE = 77.25 WHERE Country = 'Japan'");  // a rate the user typed
    const std::string typed = bytes(dir.file());
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_EQ(bytes(dir.file()), typed);
}

namespace {
const std::string kOld = "Aland,1 Euro = 100 Cents,Euro,EUR,0.9\nBeta,1 Bet = 100 Bits,Bet,BET,2\n"
                         "Gamma,1 Gam = 100 Gits,Gam,GAM,3,GX\nMine,1 Min = 100 Mits,Min,MIN,4,MI\n";
const std::string kNew = "Aland,1 Euro = 100 Cents,Euro,EUR,0.8,AX\nBeta,1 Bet = 100 Bits,Bet,BET,5,BE\n"
                         "Gamma,1 Nova = 100 Novi,New Gam,NGM,0.3\nZed,1 Zed = 100 Zents,Zed,ZZD,7,ZD\n"
                         "Yon,1 Yon = 100 Yents,Yon,YON,8\n";  // new countries, not in name order

std::string dump(const std::string& path) {
    std::string s;
    for (const auto& r : readRateSet(path).rows)
        s += r.country + ":" + r.code + "=" + rateToBoxText(r.roe) + (r.alpha2.empty() ? " " : "/" + r.alpha2 + " ");
    return s + readRatesInfo(path).date;
}
}  // namespace

TEST(UserRateTable, MergesNewerRatesKeepingTypedOnes) {
    struct Case {
        const char* name; const char* userDate; const char* typed; bool replaceTyped; const char* newDate;
        MergeSummary want; const char* table; const char* typedAfter;  // Country|ReplacedRoe|ReplacedDate
    } cases[] = {
        // A country's Alpha2 comes with the new rates, typed rate or not, and stays where they bring none.
        {"typed Beta kept", "2026-09-29", "Beta", false, "2026-10-30", {true, "2026-10-30", 2, 1, 2},
         "Aland:EUR=0.8/AX Beta:BET=2/BE Gamma:NGM=0.3/GX Mine:MIN=4/MI Zed:ZZD=7/ZD Yon:YON=8 2026-10-30",
         "Beta|5.0|2026-10-30"},
        {"typed replaced", "2026-09-29", "Beta", true, "2026-10-30", {true, "2026-10-30", 3, 0, 2},
         "Aland:EUR=0.8/AX Beta:BET=5/BE Gamma:NGM=0.3/GX Mine:MIN=4/MI Zed:ZZD=7/ZD Yon:YON=8 2026-10-30", ""},
        {"not newer", "2026-10-30", "", false, "2026-10-30", {false, "2026-10-30", 0, 0, 0},
         "Aland:EUR=0.9 Beta:BET=2 Gamma:GAM=3/GX Mine:MIN=4/MI 2026-10-30", ""},
        // An older file without a date, TYPED_RATES or Alpha2: a rate that differs is kept
        // as possibly typed, unless it differs only beyond six digits (Aland) or
        // its currency was replaced (Gamma).
        {"unknown date", "", nullptr, false, "2026-10-30", {true, "2026-10-30", 2, 1, 2},
         "Aland:EUR=0.8/AX Beta:BET=2/BE Gamma:NGM=0.3 Mine:MIN=4 Zed:ZZD=7/ZD Yon:YON=8 2026-10-30",
         "Beta|5.0|2026-10-30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempRates t;
        std::string user = t.make(kOld, "Zelvik.MDB", c.userDate);
        if (!c.typed)
            sql(user, "DROP TABLE TYPED_RATES; DROP TABLE QUORVANE_INFO; DROP INDEX RATES_Country;"
                      "ALTER TABLE RATES DROP COLUMN Alpha2; UPDATE RATES SET ROE = 0.80000012 WHERE Country = 'Aland'");
        else if (*c.typed) sql(user, std::string("INSERT INTO TYPED_RATES VALUES ('") + c.typed + "', 'now', 2.5, '2026-09-29')");
        MergeSummary got = mergeRates(user, {ratesFromCsv(kRatesHeader + kNew), c.newDate, "test"}, c.replaceTyped);
        EXPECT_EQ(std::tuple(got.merged, got.date, got.changed, got.keptTyped, got.added),
                  std::tuple(c.want.merged, c.want.date, c.want.changed, c.want.keptTyped, c.want.added));
        EXPECT_EQ(dump(user), c.table);
        // A typed rate kept stands for the new rate; one replaced is forgotten.
        EXPECT_EQ(sql(user, "SELECT Country, ReplacedRoe, ReplacedDate FROM TYPED_RATES"), c.typedAfter);
    }
    // Shipped rates of the table's own date still give a table without Alpha2 the column, filled, rates untouched.
    TempRates t;
    const std::string user = t.make(kOld, "Zelvik.MDB", "2026-10-30"), shipped = t.make(kNew, "shipped.MDB", "2026-10-30");
    sql(user, "ALTER TABLE RATES DROP COLUMN Alpha2");
    EXPECT_FALSE(mergeShipped(user, shipped).merged);
    EXPECT_EQ(dump(user), "Aland:EUR=0.9/AX Beta:BET=2/BE Gamma:GAM=3 Mine:MIN=4 2026-10-30");
}

TEST(UserRateTable, FailedMergeLeavesTheTableAsItWas) {
    TempRates t;
    std::string user = t.make(kOld, "Zelvik.MDB", "2026-09-29");
    sql(user, "CREATE TRIGGER full BEFORE INSERT ON RATES BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    const std::string before = dump(user);
    EXPECT_THROW(mergeRates(user, {ratesFromCsv(kRatesHeader + kNew), "2026-10-30", "test"}), StoreError);
    EXPECT_EQ(dump(user), before);
    EXPECT_THROW(mergeRates(user, {{}, "soon", "test"}), StoreError);
}

TEST(UserRateTable, RefusesHostileRowsWholeNamingTheRow) {
    std::string accents;
    for (int i = 0; i < kMaxFieldChars; ++i) accents += "\xc3\xa9";  // 200 characters, 400 bytes
    const struct { RateRecord row; const char* says; } cases[] = {
        {{"Narnia", "<img src=\"/dev/zero\">", "Crown", "NAC", 2}, "Currency holds text that looks like markup"},
        {{"Narnia", "c", "</b>", "NAC", 2}, "Description holds text that looks like markup"},
        {{"Narnia", "c", "<!-- x", "NAC", 2}, "markup"},
        {{"Nar\x1b[2Jnia", "c", "d", "NAC", 2}, "Country holds a control character"},
        {{"Narnia", "c", "d\xc2\x85", "NAC", 2}, "Description holds a control character"},
        {{"Narnia", "c", "d", std::string(kMaxFieldChars + 1, 'N'), 2}, "CODE is longer than 200 characters"},
        {{"Narnia", "c", "d", "NAC", 2, "n\xc3\xa4"}, "Alpha2 is not two capital letters"},
        {{"Narnia", "1 < 2 > 0 & <3", accents, "NAC", 2}, ""},
    };
    for (const auto& c : cases) EXPECT_NE(rowProblem(c.row).find(c.says), std::string::npos) << rowProblem(c.row);
    EXPECT_EQ(rowProblem(cases[7].row), "");

    // Every way in: a rate file or the build's CSV, a merge, the shipped table merged at start-up.
    EXPECT_NE(storeMessageOf([] { ratesFromCsv(kRatesHeader + "A,b,c,AAA,1\nNarnia,<b>x</b>,Crown,NAC,2\n"); })
                  .find("line 3 cannot be taken: its Currency"),
              std::string::npos);
    TempRates t;
    const std::string user = t.make(kOld, "Zelvik.MDB", "2026-09-29"), before = bytes(user);
    RateSet hostile{ratesFromCsv(kRatesHeader + kNew), "2026-10-30", "test"};
    hostile.rows[1].description = "<img src=\"/dev/zero\">";
    EXPECT_NE(storeMessageOf([&] { mergeRates(user, hostile); }).find("Row 2 (Beta)"), std::string::npos);
    const std::string shipped = t.make(kNew, "shipped.MDB", "2026-10-30");
    sql(shipped, "UPDATE RATES SET Currency = 'a' || char(7) WHERE Country = 'Zed'");
    EXPECT_NE(storeMessageOf([&] { mergeShipped(user, shipped); }).find("Row 4 (Zed)"), std::string::npos);
    EXPECT_EQ(bytes(user), before);
}

TEST(UserRateTable, ImpossibleAndFutureDatesAreRefusedAndAFutureTableCountsAsUndated) {
    for (auto [date, valid] : {std::pair{"2026-02-31", false}, {"2026-02-29", false}, {"2028-02-29", true},
                               {"2026-04-31", false}, {"2026-12-31", true}, {"2026-13-01", false}})
        EXPECT_EQ(isIsoDate(date), valid) << date;
    TempRates t;
    const std::string user = t.make(kOld, "Zelvik.MDB", "2026-09-29");
    for (const char* date : {"2026-12-10", "2026-02-31"})  // today is 2026-12-07
        EXPECT_THROW(mergeRates(user, {ratesFromCsv(kRatesHeader + kNew), date, "test"}), StoreError) << date;
    EXPECT_TRUE(mergeRates(user, {ratesFromCsv(kRatesHeader + kNew), "2026-12-09", "test"}).merged);
    // A table taken in with a date of 9999 blocks no later rates; its differing rates are kept as typed
    // (Gamma's currency was replaced).
    sql(user, "UPDATE QUORVANE_INFO SET Value = '9999-12-31' WHERE Key = 'rates_date'");
    EXPECT_EQ(readRatesInfo(user).date, "");
    const std::string shipped = t.make(kOld, "shipped.MDB", "2026-12-01");
    MergeSummary sum = mergeShipped(user, shipped);
    EXPECT_EQ(std::tuple(sum.merged, sum.changed, sum.keptTyped), std::tuple(true, 1, 2));
    EXPECT_EQ(readRatesInfo(user).date, "2026-12-01");
}

TEST(UserRateTable, CopiesNeverReplaceAndTheFolderIsChosenByWhoCanWrite) {
    TempRates program, home;
    std::string shipped = program.make(kNew, "Zelvik.MDB", "2026-10-30"), user = home.file();
    EXPECT_TRUE(copyRateTable(shipped, user));
    sql(user, "UPDATE RATES SET ROE = 9 WHERE Country = 'Zed'");
    EXPECT_FALSE(copyRateTable(shipped, user));
    EXPECT_EQ(TempRates::storedRateIn(user, "Zed"), 9);

    // A writable program folder keeps its table, and opening an older one writes nothing to it.
    sql(shipped, "DROP TABLE TYPED_RATES");
    const std::string older = bytes(shipped);
    RateFolder writable = chooseRateFolder(program.folder(), home.folder());
    EXPECT_EQ(writable.folder, program.folder());
    EXPECT_TRUE(writable.problem.isEmpty()) << writable.problem.toStdString();
    EXPECT_EQ(bytes(shipped), older);
}

namespace {
std::string daily(const std::string& date, const std::string& rates) {
    return R"({"date":")" + date + R"(","usd":{)" + rates + "}}";
}

// "Country:what" for each planned rate, then "| " and the countries handed to the merge.
std::string describe(const RatePlan& plan) {
    static const char* names[] = {"update", "same", "typed", "refused", "norate", "added"};
    std::string s;
    for (const auto& r : plan.rates) s += r.country + ":" + names[int(r.what)] + (r.jump ? "!" : "") + " ";
    s += "|";
    for (const auto& r : plan.toMerge.rows) s += " " + r.country;
    return s;
}
}  // namespace

TEST(RatePlan, TakesUntypedRatesAndRefusesWhatLooksWrong) {
    // Daily rates keep six significant digits, as the shipped ones.
    EXPECT_EQ(parseRateFile(daily("2026-12-01", R"("jpy":150.1234567)")).byCode.at("JPY"), 150.123);
    const RateSet table{{{"Austria", "1 Euro = 100 Cent", "Euro", "EUR", 0.88},
                         {"Germany", "1 Euro = 100 Cent", "Euro", "EUR", 0.88},
                         {"Japan", "1 Yen = 100 Sen", "Yen", "JPY", 140},
                         {"Tuvalu", "1 Dollar = 100 Cents", "Tuvalu Dollar", "TVD", 1.5}},
                        "2026-09-29", "shipped"};
    struct Case {
        const char* name; std::string file; PlanOptions options; bool undated; std::string expect;
        std::string csvDate = "2026-12-01";  // a CSV file's date comes from the command line
    };
    const std::string newer = daily("2026-12-01", R"("eur":0.9,"jpy":150,"xyz":-1)");
    const std::string jump = daily("2026-12-01", R"("eur":880,"jpy":150)");
    const Case cases[] = {
        {"newer rates", newer, {}, false,
         "Austria:update Germany:update Japan:typed Tuvalu:norate | Austria Germany Japan"},
        {"--all", newer, {true, false}, false,
         "Austria:update Germany:update Japan:update Tuvalu:norate | Austria Germany Japan"},
        {"the table's own date", daily("2026-09-29", R"("eur":0.88)"), {}, false,
         "Austria:same Germany:same Japan:norate Tuvalu:norate | Austria Germany"},
        {"thousandfold", jump, {}, false,
         "Austria:refused Germany:refused Japan:typed Tuvalu:norate | Japan"},
        {"tenfold fall", daily("2026-12-01", R"("eur":0.08,"jpy":150)"), {}, false,
         "Austria:refused Germany:refused Japan:typed Tuvalu:norate | Japan"},
        {"future", daily("2026-12-10", R"("eur":0.9)"), {}, false, "2026-12-10 lies in the future"},
        {"thousandfold forced", jump, {false, true}, false,
         "Austria:update! Germany:update! Japan:typed Tuvalu:norate | Austria Germany Japan"},
        {"undated table: what differs may be typed", daily("2026-12-01", R"("eur":0.88,"jpy":150)"), {}, true,
         "Austria:same Germany:same Japan:typed Tuvalu:norate | Austria Germany Japan"},
        {"csv rows by country", kRatesHeader + "Germany,c,Euro,EUR,0.9\nNarnia,c,Crown,NAC,2\n", {}, false,
         "Austria:norate Germany:update Japan:norate Tuvalu:norate Narnia:added | Germany Narnia"},
        {"older", daily("2026-09-28", R"("eur":0.9)"), {}, false, "older than the table's of 2026-09-29"},
        {"zero rate", daily("2026-12-01", R"("eur":0)"), {}, false, "rate of EUR is 0, not a positive number"},
        {"csv negative rate", kRatesHeader + "Narnia,c,Crown,NAC,-2\n", {}, false, "Narnia is -2"},
        {"none of the table's currencies", daily("2026-12-01", R"("gbp":0.7)"), {}, false, "no rate for any"},
        {"csv without a date", kRatesHeader + "Japan,x,Yen,JPY,150\n", {}, false, "--date", ""},
        {"cut short", R"({"date":"2026-12-01","usd":{"eur":)", {}, false, "not valid JSON"},
        {"an error page", "<html>Not here</html>", {}, false, "neither"},
        {"no date", R"({"usd":{"eur":0.9}})", {}, false, "no date"},
        {"rates of another currency", R"({"date":"2026-12-01","eur":{"usd":1.1}})", {}, false, "no \"usd\""},
        {"rate as text", daily("2026-12-01", R"("eur":"0.9")"), {}, false, "EUR is not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RateSet t = table;
        if (c.undated) t.date.clear();
        std::string got;
        try {
            got = describe(planRateUpdate(t, {"Japan"}, parseRateFile(c.file, c.csvDate), "test", c.options));
        } catch (const RateFileError& e) {
            got = e.what();
        }
        EXPECT_NE(got.find(c.expect), std::string::npos) << got;
    }
}

// The dry run says what the update then does, also where the table has no date.
TEST(RatePlan, DryRunEqualsTheMergeOnAnUndatedTable) {
    TempRates t;
    const std::string user = t.make(kOld);
    sql(user, "DROP TABLE TYPED_RATES; DROP TABLE QUORVANE_INFO; UPDATE RATES SET ROE = 0.80000012 WHERE Country = 'Aland'");
    const RatePlan plan = planRateUpdate(readRateSet(user), readTypedCountries(user),
                                         parseRateFile(kRatesHeader + kNew, "2026-10-30"), "test", {false, true});
    const MergeSummary sum = mergeRates(user, plan.toMerge, false, true);
    EXPECT_EQ(plan.count(RateChange::Update), sum.changed);
    EXPECT_EQ(plan.count(RateChange::KeptTyped), sum.keptTyped);
    EXPECT_EQ(plan.count(RateChange::Added), sum.added);
}
