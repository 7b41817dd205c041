#include "data/UserRateTable.h"
#include "platform/Translations.h"

#include "data/Sqlite.h"
#include "data/SqliteRateTable.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <ctime>
#include <set>

namespace quorvane {
namespace {

using Db = Database;
using Stmt = Statement;

std::string daysAfterToday(int days);

RatesInfo readInfo(const Db& db) {
    RatesInfo info;
    if (!db.hasTable("QUORVANE_INFO")) return info;
    Stmt st(db, "SELECT Key, Value FROM QUORVANE_INFO WHERE Key IN ('rates_date', 'rates_source')");
    while (st.row()) (st.text(0) == "rates_date" ? info.date : info.source) = st.text(1);
    // A date that is no date, or lies after tomorrow, would make every later
    // rate look older: such a table counts as undated.
    if (!isIsoDate(info.date) || info.date > daysAfterToday(1)) info.date.clear();
    return info;
}

// The index and the Alpha2 column only come with a merge, which rewrites rows
// anyway: preparing a table for typed rates touches nothing the program reads.
void addSchema(Db& db, bool withIndex) {
    prepareTypedRates(db);
    if (!withIndex) return;
    db.exec("CREATE INDEX IF NOT EXISTS RATES_Country ON RATES(Country)");
    if (!hasAlpha2(db)) db.exec("ALTER TABLE RATES ADD COLUMN Alpha2 TEXT");
}

bool sameFields(const RateRecord& a, const RateRecord& b) {
    return a.currency == b.currency && a.description == b.description && a.code == b.code && a.roe == b.roe;
}

}  // namespace

namespace {
// Made at first use: a test may set it while other files' statics are still being made.
std::string& todayOverride() {
    static std::string day;
    return day;
}

std::chrono::year_month_day dayOf(const std::string& iso) {
    using namespace std::chrono;
    return year_month_day{year{std::stoi(iso.substr(0, 4))}, month{unsigned(std::stoi(iso.substr(5, 2)))},
                          day{unsigned(std::stoi(iso.substr(8, 2)))}};
}

std::string isoOf(std::chrono::year_month_day d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", int(d.year()), unsigned(d.month()), unsigned(d.day()));
    return buf;
}

std::string daysAfterToday(int days) {
    return isoOf(std::chrono::sys_days(dayOf(todayIso())) + std::chrono::days(days));
}

// A field's length in characters: UTF-8 continuation bytes are not counted.
size_t characters(const std::string& s) {
    return std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}
}  // namespace

bool isIsoDate(const std::string& t) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (t[i] < '0' || t[i] > '9') return false;
    return dayOf(t).ok();
}

std::string todayIso() {
    if (!todayOverride().empty()) return todayOverride();
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[16];
    std::strftime(buf, sizeof buf, "%Y-%m-%d", &local);
    return buf;
}

void setTodayForTests(const std::string& isoDate) { todayOverride() = isoDate; }

std::string ratesDateProblem(const std::string& date) {
    if (!isIsoDate(date)) return fillIn(trs("RateTable", "'%1' is no date of the calendar of the form YYYY-MM-DD"), {date});
    if (date > daysAfterToday(2))
        return fillIn(trs("RateTable", "their date %1 lies in the future (today is %2); rates of the future do not exist"),
                      {date, todayIso()});
    return {};
}

std::string rowProblem(const RateRecord& r) {
    const std::pair<const char*, const std::string*> fields[] = {
        {"Country", &r.country}, {"Currency", &r.currency}, {"Description", &r.description}, {"CODE", &r.code}};
    for (auto [name, text] : fields) {
        const std::string& t = *text;
        for (size_t i = 0; i < t.size(); ++i) {
            const auto c = static_cast<unsigned char>(t[i]);
            const bool c1 = c == 0xC2 && i + 1 < t.size() && static_cast<unsigned char>(t[i + 1]) < 0xA0 &&
                            static_cast<unsigned char>(t[i + 1]) >= 0x80;
            if (c < 0x20 || c == 0x7F || c1) return fillIn(trs("RateTable", "its %1 holds a control character"), {name});
            const char n = i + 1 < t.size() ? t[i + 1] : '\0';
            if (c == '<' && (std::isalpha(static_cast<unsigned char>(n)) || n == '/' || n == '!'))
                return fillIn(trs("RateTable", "its %1 holds text that looks like markup (\"%2\")"), {name, t.substr(i, 2)});
        }
        if (characters(t) > kMaxFieldChars)
            return fillIn(trs("RateTable", "its %1 is longer than %2 characters"), {name, std::to_string(kMaxFieldChars)});
    }
    // The country's code is looked up in files of names: nothing else may pass.
    const std::string& a = r.alpha2;
    const auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
    if (!a.empty() && (a.size() != 2 || !capital(a[0]) || !capital(a[1])))
        return trs("RateTable", "its Alpha2 is not two capital letters A to Z (an ISO 3166-1 code such as DE) nor empty");
    return {};
}

void checkIncomingRow(const RateRecord& row, const std::string& where) {
    if (std::string problem = rowProblem(row); !problem.empty())
        throw StoreError(kErrConversion, fillIn(trs("RateTable", "%1 cannot be taken: %2."), {where, problem}));
}

bool countsAsTyped(const RateRecord& stored, const RateRecord& incoming, bool recordedTyped, bool tableDated) {
    if (recordedTyped) return true;
    if (tableDated || incoming.code != stored.code || incoming.roe == stored.roe) return false;
    char six[32];  // whatever the process's C locale
    double rounded = 0;
    auto end = std::to_chars(six, six + sizeof six, stored.roe, std::chars_format::general, 6).ptr;
    std::from_chars(six, end, rounded);
    return incoming.roe != rounded;
}

RatesInfo readRatesInfo(const std::string& dbPath) {
    Db db(dbPath);
    return readInfo(db);
}

RateSet readRateSet(const std::string& dbPath) {
    Db db(dbPath);
    RateSet set;
    RatesInfo info = readInfo(db);
    set.date = info.date;
    set.source = info.source;
    Stmt st(db, std::string("SELECT Country, Currency, Description, CODE, ROE, ") + (hasAlpha2(db) ? "Alpha2" : "NULL") +
                    " FROM RATES ORDER BY rowid");
    while (st.row()) set.rows.push_back({st.text(0), st.text(1), st.text(2), st.text(3), st.real(4), st.text(5)});
    return set;
}

void prepareRateTable(const std::string& dbPath) {
    Db db(dbPath);
    if (db.hasTable("TYPED_RATES") && db.hasTable("QUORVANE_INFO")) return;
    Transaction t(db);
    addSchema(db, false);
    t.commit();
}

std::map<std::string, TypedInfo> readTypedRates(const std::string& dbPath) {
    Db db(dbPath);
    std::map<std::string, TypedInfo> typed;
    if (!db.hasTable("TYPED_RATES")) return typed;
    Stmt st(db, "SELECT Country FROM TYPED_RATES");
    while (st.row()) typed.emplace(st.text(0), readTypedInfo(db, st.text(0)));
    return typed;
}

std::set<std::string> readTypedCountries(const std::string& dbPath) {
    std::set<std::string> typed;
    for (const auto& [country, info] : readTypedRates(dbPath)) typed.insert(country);
    return typed;
}

MergeSummary mergeRates(const std::string& userDbPath, const RateSet& rates, bool replaceTyped, bool sameDateToo) {
    if (std::string problem = ratesDateProblem(rates.date); !problem.empty())
        throw StoreError(kErrStore, fillIn(trs("RateTable", "The new rates cannot be taken: %1. The rate table '%2' was "
                                                          "left as it was."),
                                          {problem, userDbPath}));
    for (size_t i = 0; i < rates.rows.size(); ++i) {
        const std::string& name = rates.rows[i].country;
        const bool nameable = rowProblem({name, {}, {}, {}, 0}).empty();
        checkIncomingRow(rates.rows[i],
                         nameable ? fillIn(trs("RateTable", "Row %1 (%2) of the new rates from %3"),
                                           {std::to_string(i + 1), name, rates.source})
                                  : fillIn(trs("RateTable", "Row %1 of the new rates from %2"),
                                           {std::to_string(i + 1), rates.source}));
    }
    Db db(userDbPath);
    MergeSummary sum;
    try {
        Transaction t(db);
        const RatesInfo info = readInfo(db);
        sum.date = info.date;
        if (!info.date.empty() && (rates.date < info.date || (rates.date == info.date && !sameDateToo))) return sum;
        addSchema(db, true);
        // The statements are done with before COMMIT takes the file.
        {
            std::map<std::string, const RateRecord*> incoming;
            for (const auto& r : rates.rows) incoming.emplace(r.country, &r);

            // Without a date the table's origin is unknown: a rate that may be the
            // user's is marked typed before anything changes.
            if (info.date.empty()) {
                Stmt rows(db, "SELECT Country, CODE, ROE FROM RATES ORDER BY rowid");
                Stmt mark(db, "INSERT OR IGNORE INTO TYPED_RATES (Country, TypedAt) VALUES (?1, NULL)");
                while (rows.row()) {
                    auto it = incoming.find(rows.text(0));
                    if (it != incoming.end() &&
                        countsAsTyped({rows.text(0), {}, {}, rows.text(1), rows.real(2)}, *it->second, false, false))
                        mark.bind(1, rows.text(0)).run();
                }
            }

            std::set<std::string> typed;
            {
                Stmt st(db, "SELECT Country FROM TYPED_RATES");
                while (st.row()) typed.insert(st.text(0));
            }

            std::set<std::string> present;
            Stmt rows(db, "SELECT rowid, Country, Currency, Description, CODE, ROE, Alpha2 FROM RATES ORDER BY rowid");
            Stmt update(db, "UPDATE RATES SET Currency = ?1, Description = ?2, CODE = ?3, ROE = ?4 WHERE rowid = ?5");
            Stmt setAlpha2(db, "UPDATE RATES SET Alpha2 = ?1 WHERE rowid = ?2");
            Stmt untype(db, "DELETE FROM TYPED_RATES WHERE Country = ?1");
            // A typed rate kept stands for the new rate now: that is the one to put back.
            Stmt replaced(db, "UPDATE TYPED_RATES SET ReplacedRoe = ?1, ReplacedDate = ?2 WHERE Country = ?3");
            while (rows.row()) {
                RateRecord have{rows.text(1), rows.text(2), rows.text(3), rows.text(4), rows.real(5), rows.text(6)};
                present.insert(have.country);
                auto it = incoming.find(have.country);
                if (it == incoming.end()) continue;
                const RateRecord& want = *it->second;
                // A country's code is kept unless the new rates bring one, typed rate or not.
                if (!want.alpha2.empty() && want.alpha2 != have.alpha2)
                    setAlpha2.bind(1, want.alpha2).bind(2, rows.integer(0)).run();
                bool isTyped = typed.count(have.country) > 0;
                if (isTyped && !replaceTyped) {
                    replaced.bind(1, want.roe).bind(2, rates.date).bind(3, have.country).run();
                    ++sum.keptTyped;
                    continue;
                }
                if (isTyped) untype.bind(1, have.country).run();
                if (sameFields(have, want)) continue;
                update.bind(1, want.currency).bind(2, want.description).bind(3, want.code).bind(4, want.roe)
                    .bind(5, rows.integer(0)).run();
                ++sum.changed;
            }

            Stmt insert(db, kInsertRate);
            for (const auto& r : rates.rows) {
                if (!present.insert(r.country).second) continue;
                bindRate(insert, r).run();
                ++sum.added;
            }

            Stmt info2(db, "INSERT OR REPLACE INTO QUORVANE_INFO (Key, Value) VALUES (?1, ?2)");
            info2.bind(1, std::string("rates_date")).bind(2, rates.date).run();
            info2.bind(1, std::string("rates_source")).bind(2, rates.source).run();
        }
        t.commit();
    } catch (const StoreError& e) {
        throw StoreError(e.number(), fillIn(trs("RateTable", "%1. The rate table was left as it was."), {e.what()}));
    }
    sum.merged = true;
    sum.date = rates.date;
    return sum;
}

MergeSummary mergeShipped(const std::string& userDbPath, const std::string& shippedDbPath, bool replaceTyped) {
    // Every start comes here: compare dates before reading all the rows.
    RatesInfo shipped = readRatesInfo(shippedDbPath);
    RatesInfo user = readRatesInfo(userDbPath);
    if (!isIsoDate(shipped.date) || (!user.date.empty() && shipped.date <= user.date)) {
        try {
            // Only a table without the column reads the shipped rows, once.
            if (!hasAlpha2(Db(userDbPath)) && hasAlpha2(Db(shippedDbPath)))
                addCountryCodes(userDbPath, readRateSet(shippedDbPath).rows);
        } catch (const StoreError&) {
            // A table that may not be written keeps its names as stored until it may.
        }
        return MergeSummary{false, user.date};
    }
    return mergeRates(userDbPath, readRateSet(shippedDbPath), replaceTyped);
}

bool addCountryCodes(const std::string& dbPath, const std::vector<RateRecord>& rows) {
    Db db(dbPath);
    if (hasAlpha2(db)) return false;
    Transaction t(db);
    db.exec("ALTER TABLE RATES ADD COLUMN Alpha2 TEXT");
    {
        Stmt set(db, "UPDATE RATES SET Alpha2 = ?1 WHERE Country = ?2");
        for (const auto& r : rows)
            if (!r.alpha2.empty() && rowProblem(r).empty()) set.bind(1, r.alpha2).bind(2, r.country).run();
    }
    t.commit();
    return true;
}

bool copyRateTable(const std::string& fromPath, const std::string& toPath) {
    std::error_code ec;
    if (std::filesystem::exists(toPath, ec)) return false;
    Db from(fromPath);
    try {
        return publishNewFile(toPath, [&](const std::string& tmp) {
            Db to(tmp, true);
            from.backupInto(to);
        });
    } catch (const StoreError& e) {
        throw StoreError(kErrStore,
                         fillIn(trs("RateTable", "Your copy of the rate table '%1' could not be made: %2"), {toPath, e.what()}));
    }
}

}  // namespace quorvane
