// Reading rate files, and planning what they change in a table or why they cannot be used.
#include "data/RateUpdate.h"

#include <gtest/gtest.h>

using namespace quorvane;

static const std::string kCsv = "Country,Currency,Description,CODE,ROE\n";
static std::string daily(const std::string& date, const std::string& rates) {
    return R"({"date":")" + date + R"(","usd":{)" + rates + "}}";
}

TEST(RateFile, DailyRatesKeepSixSignificantDigitsAsTheShippedOnes) {
    EXPECT_EQ(parseRateFile(daily("2026-12-01", R"("jpy":150.1234567)")).byCode.at("JPY"), 150.123);
}

// "Country:what" for each planned rate, then "| " and the countries handed to the merge.
static std::string describe(const RatePlan& plan) {
    static const char* names[] = {"update", "same", "typed", "refused", "norate", "added"};
    std::string s;
    for (const auto& r : plan.rates) s += r.country + ":" + names[int(r.what)] + (r.jump ? "!" : "") + " ";
    s += "|";
    for (const auto& r : plan.toMerge.rows) s += " " + r.country;
    return s;
}

TEST(RatePlan, TakesUntypedRatesAndRefusesWhatLooksWrong) {
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
        {"thousandfold forced", jump, {false, true}, false,
         "Austria:update! Germany:update! Japan:typed Tuvalu:norate | Austria Germany Japan"},
        {"undated table: what differs may be typed", daily("2026-12-01", R"("eur":0.88,"jpy":150)"), {}, true,
         "Austria:same Germany:same Japan:typed Tuvalu:norate | Austria Germany Japan"},
        {"csv rows by country", kCsv + "Germany,c,Euro,EUR,0.9\nNarnia,c,Crown,NAC,2\n", {}, false,
         "Austria:norate Germany:update Japan:norate Tuvalu:norate Narnia:added | Germany Narnia"},
        {"older", daily("2026-09-28", R"("eur":0.9)"), {}, false, "older than the table's of 2026-09-29"},
        {"zero rate", daily("2026-12-01", R"("eur":0)"), {}, false, "rate of EUR is 0, not a positive number"},
        {"csv negative rate", kCsv + "Narnia,c,Crown,NAC,-2\n", {}, false, "Narnia is -2"},
        {"none of the table's currencies", daily("2026-12-01", R"("gbp":0.7)"), {}, false, "no rate for any"},
        {"csv without a date", kCsv + "Japan,x,Yen,JPY,150\n", {}, false, "--date", ""},
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
