// The user's own rate table: newer rates merge in keeping typed ones, all or
// nothing; copies never replace; the program folder is used only when writable.
#include "converter/RateText.h"
#include "data/UserRateTable.h"
#include "platform/ProgramFolder.h"
#include "support/TempRates.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace quorvane;
using namespace quorvane::test;

namespace {
const std::string kOld = "Aland,1 Euro = 100 Cents,Euro,EUR,0.9\nBeta,1 Bet = 100 Bits,Bet,BET,2\n"
                         "Gamma,1 Gam = 100 Gits,Gam,GAM,3\nMine,1 Min = 100 Mits,Min,MIN,4\n";
const std::string kNew = "Aland,1 Euro = 100 Cents,Euro,EUR,0.8\nBeta,1 Bet = 100 Bits,Bet,BET,5\n"
                         "Gamma,1 Nova = 100 Novi,New Gam,NGM,0.3\nZed,1 Zed = 100 Zents,Zed,ZZD,7\n";

std::string dump(const std::string& path) {
    std::string s;
    for (const auto& r : readRateSet(path).rows) s += r.country + ":" + r.code + "=" + rateToBoxText(r.roe) + " ";
    return s + readRatesInfo(path).date;
}
}  // namespace

TEST(UserRateTable, MergesNewerRatesKeepingTypedOnes) {
    struct Case {
        const char* name; const char* userDate; const char* typed; bool replaceTyped; const char* newDate;
        MergeSummary want; const char* table;
    } cases[] = {
        {"typed Beta kept", "2026-09-29", "Beta", false, "2026-10-30", {true, "2026-10-30", 2, 1, 1},
         "Aland:EUR=0.8 Beta:BET=2 Gamma:NGM=0.3 Mine:MIN=4 Zed:ZZD=7 2026-10-30"},
        {"typed replaced", "2026-09-29", "Beta", true, "2026-10-30", {true, "2026-10-30", 3, 0, 1},
         "Aland:EUR=0.8 Beta:BET=5 Gamma:NGM=0.3 Mine:MIN=4 Zed:ZZD=7 2026-10-30"},
        {"not newer", "2026-10-30", "", false, "2026-10-30", {false, "2026-10-30", 0, 0, 0},
         "Aland:EUR=0.9 Beta:BET=2 Gamma:GAM=3 Mine:MIN=4 2026-10-30"},
        // An older file without a date or TYPED_RATES: every rate that differs is
        // kept as possibly typed; Gamma differs too, so it keeps its old code.
        {"unknown date", "", nullptr, false, "2026-10-30", {true, "2026-10-30", 0, 3, 1},
         "Aland:EUR=0.9 Beta:BET=2 Gamma:GAM=3 Mine:MIN=4 Zed:ZZD=7 2026-10-30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempRates t;
        std::string user = t.make(kOld, "Zelvik.MDB", c.userDate);
        if (!c.typed) sql(user, "DROP TABLE TYPED_RATES; DROP TABLE QUORVANE_INFO; DROP INDEX RATES_Country");
        else if (*c.typed) sql(user, std::string("INSERT INTO TYPED_RATES VALUES ('") + c.typed + "', 'now')");
        MergeSummary got = mergeRates(user, {ratesFromCsv(kRatesHeader + kNew), c.newDate, "test"}, c.replaceTyped);
        EXPECT_EQ(std::tuple(got.merged, got.date, got.changed, got.keptTyped, got.added),
                  std::tuple(c.want.merged, c.want.date, c.want.changed, c.want.keptTyped, c.want.added));
        EXPECT_EQ(dump(user), c.table);
    }
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

TEST(UserRateTable, CopiesNeverReplaceAndTheFolderIsChosenByWhoCanWrite) {
    TempRates program, home;
    std::string shipped = program.make(kNew, "Zelvik.MDB", "2026-10-30"), user = home.file();
    EXPECT_TRUE(copyRateTable(shipped, user));
    sql(user, "UPDATE RATES SET ROE = 9 WHERE Country = 'Zed'");
    EXPECT_FALSE(copyRateTable(shipped, user));
    EXPECT_EQ(TempRates::storedRateIn(user, "Zed"), 9);

    // A writable program folder keeps its table, given what it lacks.
    sql(shipped, "DROP TABLE TYPED_RATES");
    RateFolder writable = chooseRateFolder(program.folder(), home.folder());
    EXPECT_EQ(writable.folder, program.folder());
    EXPECT_TRUE(writable.problem.isEmpty()) << writable.problem.toStdString();
    EXPECT_EQ(sql(shipped, "SELECT count(*) FROM TYPED_RATES"), "0");

    if (::geteuid() == 0) GTEST_SKIP() << "root can write any folder; e2e_install runs this as an ordinary user";
    QFile::remove(QString::fromStdString(user));
    QFile::setPermissions(program.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    RateFolder readOnly = chooseRateFolder(program.folder(), home.folder() + "/quorvane");
    QFile::setPermissions(program.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readOnly.folder, home.folder() + "/quorvane");
    EXPECT_EQ(TempRates::storedRateIn(home.folder().toStdString() + "/quorvane/Zelvik.MDB", "Zed"), 7);
}
