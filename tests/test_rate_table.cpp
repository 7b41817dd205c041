// The rate table against real SQLite files in a temporary folder.
#include "data/SqliteRateTable.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using namespace quorvane;

namespace {

struct TempDir {
    fs::path path;
    TempDir() {
        std::setlocale(LC_ALL, "en_US.UTF-8");
        std::string tmpl = (fs::temp_directory_path() / "quorvane-rates-XXXXXX").string();
        path = mkdtemp(tmpl.data());
    }
    ~TempDir() { std::error_code ec; fs::remove_all(path, ec); }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

const char* kHeader = "Country,Currency,Description,CODE,ROE\n";

std::string makeTable(const TempDir& dir, const std::string& rows, const std::string& name = "Zelvik.MDB") {
    std::string p = dir.file(name);
    RateDatabase::createFromCsv(p, kHeader + rows);
    return p;
}

std::string bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeBytes(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
}

// Reads a rate with a connection of its own, as the next start of the program would.
double storedRate(const std::string& path, const std::string& country) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT ROE FROM RATES WHERE Country = ?1 ORDER BY rowid LIMIT 1", -1, &st, nullptr);
    sqlite3_bind_text(st, 1, country.c_str(), -1, SQLITE_TRANSIENT);
    double v = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_double(st, 0) : -1;
    sqlite3_finalize(st);
    sqlite3_close(db);
    return v;
}

int storeErrorOf(const std::function<void()>& f) {
    try { f(); } catch (const StoreError& e) { return e.number(); }
    return 0;
}

const std::string kThree = "Aland,1 Euro = 100 Cent,Euro,EUR,0.88\n"
                           "Brazil,1 Real = 100 Centavos,Brazilian Real,BRL,5.4\n"
                           "Chad,1 Franc = 100 Centimes,CFA Franc,XAF,600\n";

}  // namespace

TEST(RateTable, EmptyAndOneRecordTables) {
    TempDir dir;
    SqliteCursor empty(makeTable(dir, "", "empty.MDB"));
    empty.refresh();
    EXPECT_TRUE(empty.eof());
    EXPECT_FALSE(empty.current());
    EXPECT_EQ(storeErrorOf([&] { empty.moveNext(); }), kErrNoCurrentRecord);
    empty.movePrevious();  // from end of table to the last record: there is none
    EXPECT_TRUE(empty.eof());

    SqliteCursor one(makeTable(dir, "Chad,1 Franc = 100 Centimes,CFA Franc,XAF,600\n"));
    int moved = 0;
    one.setMovedHandler([&] { ++moved; });
    one.refresh();
    ASSERT_FALSE(one.eof());
    EXPECT_EQ(one.current()->code, "XAF");
    EXPECT_GE(moved, 1);
    one.moveNext();
    EXPECT_TRUE(one.eof());
    one.movePrevious();
    ASSERT_TRUE(one.current());
    EXPECT_EQ(one.current()->country, "Chad");
    EXPECT_EQ(one.current()->roe, 600);
}

TEST(RateTable, WalksInTableOrderAndFindsFirstOfEqualNames) {
    TempDir dir;
    std::string p = makeTable(dir, kThree + "Brazil,second,Other,XXX,1\nCote d'Ivoire,1 Franc,CFA Franc,XOF,601\n");
    SqliteCursor c(p);
    c.refresh();
    std::vector<std::string> seen, codes;
    for (c.moveFirst(); !c.eof(); c.moveNext()) {
        seen.push_back(c.currentCountry());
        codes.push_back(c.current()->code);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Aland", "Brazil", "Chad", "Brazil", "Cote d'Ivoire"}));
    EXPECT_EQ(codes, (std::vector<std::string>{"EUR", "BRL", "XAF", "XXX", "XOF"}));

    c.findFirst("Brazil");
    EXPECT_EQ(c.current()->code, "BRL");
    c.findFirst("Cote d'Ivoire");
    EXPECT_EQ(c.current()->code, "XOF");
    // A name is only ever a name, never part of the query.
    EXPECT_EQ(storeErrorOf([&] { c.findFirst("x' OR '1'='1"); }), kErrNotFound);
    EXPECT_EQ(c.current()->code, "XOF");

    // The lookup goes through the index on Country instead of reading the table.
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(c.database()->handle(),
                       "EXPLAIN QUERY PLAN SELECT rowid, Country, Currency, Description, CODE, ROE FROM RATES "
                       "WHERE Country = ?1 ORDER BY rowid LIMIT 1", -1, &st, nullptr);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_NE(std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, 3))).find("INDEX RATES_Country"),
              std::string::npos);
    sqlite3_finalize(st);
}

TEST(RateTable, PendingRateIsWrittenOnlyWhenThereIsOne) {
    TempDir dir;
    std::string p = makeTable(dir, kThree);
    std::string before = bytes(p);
    {
        SqliteCursor d1(p), d2(p);
        d1.refresh();
        d2.refresh();
        for (d1.moveFirst(); !d1.eof(); d1.moveNext()) {}
        d1.movePrevious();
        d2.findFirst("Brazil");
        d2.moveFirst();
        EXPECT_EQ(sqlite3_total_changes(d1.database()->handle()), 0);
    }
    EXPECT_EQ(bytes(p), before);

    {
        // The pair the rate box uses on the last record: out to end of table and back.
        SqliteCursor d1(p), d2(p);
        d1.refresh();
        d2.refresh();
        d1.findFirst("Chad");
        d1.setPendingRate("612.5");
        EXPECT_TRUE(d1.hasPendingEdit());
        d1.moveNext();
        EXPECT_TRUE(d1.eof());
        d1.movePrevious();
        EXPECT_EQ(d1.current()->roe, 612.5);
        EXPECT_FALSE(d1.hasPendingEdit());
        // The other cursor sees the new rate too, also on rows it had read ahead.
        d2.moveFirst();
        d2.moveNext();
        d1.findFirst("Chad");
        d1.setPendingRate("613");
        d1.moveFirst();
        d2.moveNext();
        EXPECT_EQ(d2.current()->roe, 613);
    }
    SqliteCursor again(p);
    again.refresh();
    again.findFirst("Chad");
    EXPECT_EQ(again.current()->roe, 613);
    EXPECT_EQ(rateToBoxText(612.5), "612.5");
}

TEST(RateTable, TextThatIsNoNumberLeavesTheRecord) {
    TempDir dir;
    std::string p = makeTable(dir, kThree);
    SqliteCursor c(p);
    c.refresh();
    c.setPendingRate("5,4x");
    EXPECT_EQ(storeErrorOf([&] { c.moveNext(); }), kErrConversion);
    EXPECT_EQ(c.current()->country, "Aland");
    EXPECT_EQ(c.current()->roe, 0.88);
    EXPECT_EQ(storedRate(p, "Aland"), 0.88);
    // Choosing another country drops the text; the record keeps its rate.
    c.findFirst("Chad");
    EXPECT_FALSE(c.hasPendingEdit());
    EXPECT_EQ(storedRate(p, "Aland"), 0.88);
}

TEST(RateTable, OpenFailsCleanlyOnFilesThatHoldNoRateTable) {
    TempDir dir;
    SqliteCursor missing(dir.file("Zelvik.MDB"));
    EXPECT_EQ(storeErrorOf([&] { missing.refresh(); }), kErrNotOpen);
    EXPECT_FALSE(fs::exists(dir.file("Zelvik.MDB")));
    EXPECT_EQ(storeErrorOf([&] { (void)missing.eof(); }), kErrNotOpen);
    EXPECT_EQ(storeErrorOf([&] { missing.findFirst("Chad"); }), kErrNotOpen);

    std::string good = bytes(makeTable(dir, kThree, "good.MDB"));
    std::string damaged = good;
    for (size_t i = 100; i < damaged.size(); i += 7) damaged[i] = static_cast<char>(damaged[i] ^ 0x5a);

    auto makeOther = [&](const char* name, const char* sql) {
        std::string q = dir.file(name);
        sqlite3* db = nullptr;
        sqlite3_open(q.c_str(), &db);
        sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return q;
    };
    std::vector<std::string> bad = {
        makeOther("notable.MDB", "CREATE TABLE OTHER (Country TEXT)"),
        makeOther("noroe.MDB", "CREATE TABLE RATES (Country TEXT, Currency TEXT, Description TEXT, CODE TEXT);"
                               "INSERT INTO RATES VALUES ('Chad','','','XAF')"),
        dir.file("text.MDB"), dir.file("damaged.MDB"), dir.file("half.MDB"), dir.file("zero.MDB")};
    writeBytes(bad[2], "Country,Currency\nChad,Franc\n");
    writeBytes(bad[3], damaged);
    writeBytes(bad[4], good.substr(0, good.size() / 2));
    writeBytes(bad[5], "");
    for (const auto& q : bad) {
        SCOPED_TRACE(q);
        std::string before = bytes(q);
        SqliteCursor c(q);
        try {
            c.refresh();
            // A damage the first page does not show must fail the walk, not crash it.
            for (c.moveFirst(); !c.eof(); c.moveNext()) {}
            ADD_FAILURE() << "opened and walked";
        } catch (const StoreError& e) {
            EXPECT_FALSE(std::string(e.what()).empty());
        }
        EXPECT_EQ(bytes(q), before);
        EXPECT_FALSE(fs::exists(q + "-journal"));
    }
}

TEST(RateTable, FailedWriteBackLeavesTheFileAsItWas) {
    TempDir dir;
    std::string p = makeTable(dir, kThree);
    SqliteCursor c(p);
    c.refresh();
    c.findFirst("Brazil");
    // Another reader holds the file, so the write cannot be completed.
    sqlite3* other = nullptr;
    sqlite3_open(p.c_str(), &other);
    sqlite3_exec(other, "BEGIN; SELECT count(*) FROM RATES;", nullptr, nullptr, nullptr);
    std::string before = bytes(p);
    c.setPendingRate("6.1");
    EXPECT_EQ(storeErrorOf([&] { c.moveNext(); }), kErrStore);
    EXPECT_EQ(c.current()->roe, 5.4);
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(bytes(p), before);
    EXPECT_EQ(storedRate(p, "Brazil"), 5.4);
    // The typed text is still pending and goes in once the file can be written.
    c.moveNext();
    EXPECT_EQ(storedRate(p, "Brazil"), 6.1);

    if (geteuid() != 0) {  // the superuser writes read-only files anyway
        std::string r = makeTable(dir, kThree, "readonly.MDB");
        chmod(r.c_str(), 0444);
        std::string rb = bytes(r);
        SqliteCursor ro(r);
        ro.refresh();
        ro.setPendingRate("1.5");
        EXPECT_EQ(storeErrorOf([&] { ro.moveNext(); }), kErrStore);
        EXPECT_EQ(bytes(r), rb);
    }
}

TEST(RateTable, CreatedFromCsvOnlyWhereNoTableIs) {
    TempDir dir;
    std::string p = makeTable(dir, "\"Korea, South\",\"1 Won = 100 \"\"Jeon\"\"\",Won,KRW,1380.5\r\n"
                                   "Panama (Balboa),1 Balboa = 100 Centesimos,Balboa,PAB,1\n");
    SqliteCursor c(p);
    c.refresh();
    EXPECT_EQ(c.current()->country, "Korea, South");
    EXPECT_EQ(c.current()->currency, "1 Won = 100 \"Jeon\"");
    EXPECT_EQ(c.current()->roe, 1380.5);

    std::string before = bytes(p);
    EXPECT_THROW(RateDatabase::createFromCsv(p, std::string(kHeader) + "X,y,z,XYZ,2\n"), StoreError);
    EXPECT_EQ(bytes(p), before);
    // A broken line creates nothing, not even a half-written file.
    EXPECT_THROW(RateDatabase::createFromCsv(dir.file("bad.MDB"), std::string(kHeader) + "X,y,XYZ,2\n"),
                 StoreError);
    EXPECT_THROW(RateDatabase::createFromCsv(dir.file("bad.MDB"), std::string(kHeader) + "X,y,z,XYZ,two\n"),
                 StoreError);
    EXPECT_FALSE(fs::exists(dir.file("bad.MDB")));
    EXPECT_FALSE(fs::exists(dir.file("bad.MDB.part")));
}

TEST(RateTable, BuildNeverReplacesAnExistingTable) {
    const char* prog = std::getenv("QUORVANE_PROGRAM_DIR");
    const char* src = std::getenv("QUORVANE_SOURCE_DIR");
    if (!prog || !src) GTEST_SKIP() << "run through ctest";
    fs::path tool = fs::path(prog).parent_path() / "make_rate_table";
    if (!fs::exists(tool)) GTEST_SKIP() << tool << " not built";
    TempDir dir;
    std::string csv = (fs::path(src) / "data" / "rates.csv").string();
    std::string p = dir.file("Zelvik.MDB");
    std::string cmd = tool.string() + " '" + csv + "' '" + p + "' >/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    {
        SqliteCursor c(p);
        c.refresh();
        int rows = 0;
        for (; !c.eof(); c.moveNext()) ++rows;
        EXPECT_GT(rows, 260);
        c.moveFirst();
        c.setPendingRate("77.25");  // a rate the user typed
        c.moveNext();
    }
    std::string typed = bytes(p);
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_EQ(bytes(p), typed);
}
