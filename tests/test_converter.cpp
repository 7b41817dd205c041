// The converter's logic over in-memory fakes: the readings and forms of rate
// texts, start-up, country selection, the rate boxes and Calculate, the chart
// routine and Print, and where Help Topics leads.
#include "converter/CardFooter.h"
#include "converter/ChartCells.h"
#include "converter/GridPrint.h"
#include "converter/MenuCommands.h"
#include "support/Fakes.h"
#include "support/TempRates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

using namespace quorvane;
using namespace quorvane::test;

namespace {
const NumberFormat kEn{".", ",", "-"};
const NumberFormat kDe{",", ".", "-"};
const NumberFormat kFr{",", "\u202f", "-"};  // narrow no-break space groups
}  // namespace

// The three readings of a text side by side: leading (the ladder, the saved rate),
// numeric (Calculate, the rate boxes) and stored (rate files, the store's own).
TEST(Numbers, EachReadingOfATextInOneTable) {
    constexpr std::nullopt_t no = std::nullopt;
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case { const char* text; const NumberFormat* fmt; double leading; std::optional<double> numeric, stored; };
    const Case cases[] = {
        {"1.5", &kEn, 1.5, 1.5, 1.5},      {" 1.5 ", &kEn, 1.5, 1.5, 1.5},  {"1.5000", &kEn, 1.5, 1.5, 1.5},
        {"-5", &kEn, -5, -5, -5},          {"+2", &kEn, 2, 2, 2},           {"1E+300", &kEn, 1e300, 1e300, 1e300},
        {"2.5e-3", &kEn, 0.0025, 0.0025, 0.0025}, {".5", &kEn, 0.5, 0.5, 0.5}, {"5.", &kEn, 5, 5, 5},
        {"  12.25", &kEn, 12.25, 12.25, 12.25}, {"99999.5", &kEn, 99999.5, 99999.5, 99999.5},
        {"1,234.5", &kEn, 1, 1234.5, no},  {"1,234,567.5", &kEn, 1, 1234567.5, no},
        {"1,5", &kDe, 1.5, 1.5, no},       {"1.234,5", &kDe, 1, 1234.5, no}, {"1\u202f234,5", &kFr, 1, 1234.5, no},
        {"1 234,5", &kFr, 1234.5, 1234.5, no}, {"1\u00a0234,5", &kFr, 1, 1234.5, no}, {"1 234", &kEn, 1234, no, no},
        {"0,92", &kDe, 0.92, 0.92, no},    {"1,5e2", &kDe, 150, 150, no},
        // Stored rates are C numbers whatever the locale.
        {"0.88", &kDe, 0, no, 0.88},       {"1.5", &kDe, 1, no, 1.5},       {"0,88", &kEn, 0, no, no},
        {"", &kEn, 0, no, no},             {"   ", &kEn, 0, no, no},        {"abc", &kEn, 0, no, no},
        {"1.2.3", &kEn, 1.2, no, no},      {"12abc", &kEn, 12, no, no},     {"2.5E-2x", &kEn, 0.025, no, no},
        {"1e", &kEn, 1, no, no},           {"7e", &kEn, 7, no, no},         {"1d3", &kEn, 1000, no, no},
        {"1 2 3", &kEn, 123, no, no},      {",5", &kEn, 0, no, no},         {"--1", &kEn, 0, no, no},
        {"+-1", &kEn, 0, no, no},          {"inf", &kEn, 0, no, no},        {"nan", &kEn, 0, no, no},
        {"1e400", &kEn, inf, no, no},      {"-1e400", &kEn, -inf, no, no},
        // Underflow: zero to the locale readings, refused by the store.
        {"1e-400", &kEn, 0, 0, no},
        // Thousands separators only between groups of three: another locale's decimals are no number here.
        {"1,45", &kEn, 1, no, no},         {"0.92", &kDe, 0, no, 0.92},     {"12,34,567", &kEn, 12, no, no},
        {"1234,567", &kEn, 1234, no, no},  {"1,2345", &kEn, 1, no, no},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readNumber(c.text, NumberReading::Leading, *c.fmt), c.leading);
        EXPECT_EQ(readNumber(c.text, NumberReading::Numeric, *c.fmt), c.numeric);
        EXPECT_EQ(readNumber(c.text, NumberReading::Stored, *c.fmt), c.stored);
    }
    // The names the callers know read the same.
    EXPECT_EQ(leadingNumber("1.5"), 1.5);
    EXPECT_FALSE(isNumeric("1,45", kEn));
    EXPECT_EQ(parseStoredRate(" 613 "), 613);
}

TEST(RateText, BoxTextIsPlainDecimalInTheLocaleAndReadsBackExactly) {
    struct Case { double v; const char* en; const char* de; };
    const Case cases[] = {
        {157.477, "157.477", "157,477"},   {100000, "100000", "100000"},  {2000000, "2000000", "2000000"},
        {0.880226, "0.880226", "0,880226"}, {1e-9, "0.000000001", "0,000000001"}, {1e15, "1000000000000000", nullptr},
        {-2.5, "-2.5", "-2,5"},           {0, "0", "0"},                 {1e16, "1e+16", nullptr},
        {0.1 + 0.2, "0.30000000000000004", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.en);
        EXPECT_EQ(rateToBoxText(c.v, kEn), c.en);
        if (c.de) { EXPECT_EQ(rateToBoxText(c.v, kDe), c.de); }
        // Every reading of the box agrees with the stored number, in either locale.
        for (const NumberFormat* f : {&kEn, &kDe}) {
            EXPECT_EQ(leadingNumber(rateToBoxText(c.v, *f), *f), c.v);
            EXPECT_EQ(numericValue(rateToBoxText(c.v, *f), *f), c.v);
        }
    }
}

TEST(RateText, ExtremesReadBackOrFailCleanly) {
    // The largest double's general form reads back instead of overflowing.
    for (double v : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(), 1.7976931348623e308}) {
        std::string g = generalNumber(v, kEn);
        EXPECT_EQ(numericValue(g, kEn), v) << g;
        EXPECT_EQ(leadingNumber(g, kEn), v) << g;
    }
    // Long inputs: over- or underflow by their magnitude, not their spelling.
    const std::string zeros(400, '0');
    EXPECT_EQ(numericValue("0." + zeros + "1", kEn), 0.0);        // 1e-401: underflow
    EXPECT_EQ(numericValue("1" + zeros, kEn), std::nullopt);       // 1e400: overflow
    EXPECT_EQ(numericValue("1" + zeros + "e-300", kEn), 1e100);    // fits
    EXPECT_EQ(numericValue(std::string(400, '1') + "e-5", kEn), std::nullopt);
    EXPECT_EQ(numericValue("0." + zeros + "1e500", kEn), 1e99);
    EXPECT_EQ(numericValue("1e-99999999999999999999", kEn), 0.0);
    EXPECT_EQ(numericValue("1e99999999999999999999", kEn), std::nullopt);
}

TEST(RateText, GeneralFormAndNumberPatterns) {
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // the program runs in the user's C locale: none may show through
    using F = std::string (*)(double, const NumberFormat&);
    struct Case { F f; double v; const NumberFormat* fmt; const char* text; };
    const F general = generalNumber, whole = formatWhole, money = formatMoney;
    const Case cases[] = {
        {general, 1.5, &kEn, "1.5"}, {general, 0, &kEn, "0"}, {general, 1500, &kEn, "1500"}, {general, 1.5, &kDe, "1,5"},
        {general, 0.1 + 0.2, &kEn, "0.3"},  // 15 significant digits
        {general, 123456789012345, &kEn, "123456789012345"}, {general, 1e15, &kEn, "1E+15"},
        {general, -2.5, &kEn, "-2.5"}, {general, 0.00001, &kEn, "1E-05"},
        {whole, 1, &kEn, "1"}, {whole, 100000, &kEn, "100,000"}, {whole, 10000000, &kEn, "10,000,000"},
        {whole, 0, &kEn, ""}, {whole, 1000, &kDe, "1.000"},
        {money, 2.675, &kEn, "2.68"},  // the decimal form, not the binary one
        {money, 1.005, &kEn, "1.01"}, {money, 100.0 / 150, &kEn, "0.67"}, {money, 10000.0 / 150, &kEn, "66.67"},
        {money, 0, &kEn, "0.00"}, {money, 0.004, &kEn, "0.00"}, {money, -0.004, &kEn, "0.00"},
        {money, -2.5, &kEn, "-2.50"}, {money, 999.995, &kEn, "1,000.00"}, {money, 1234567.891, &kEn, "1,234,567.89"},
        {money, 1234567.891, &kDe, "1.234.567,89"}, {money, 1e20, &kEn, "100,000,000,000,000,000,000.00"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.f(c.v, *c.fmt), c.text) << c.v;
    EXPECT_THROW(formatMoney(std::numeric_limits<double>::infinity(), kEn), std::overflow_error);
    std::setlocale(LC_NUMERIC, "C");
}

namespace {

// A window over a table of n countries, loaded; nothing is chosen on it yet.
struct Window : FakeWindow {
    std::vector<std::string> names;
    int folderTries = 0;

    explicit Window(int n, const std::function<void(Window&)>& before = {}) {
        for (int i = 0; i < n; ++i) table.push_back({"Country " + std::to_string(i), "1 U", "Unit", "U", 1.0 + i});
        if (before) before(*this);
        for (const auto& r : table) names.push_back(r.country);
        conv.startup([this] { ++folderTries, throw std::runtime_error("no such folder"); });
        EXPECT_TRUE(folderTries == 1 && ui.messages.empty() && view.titlesOpaque);
        EXPECT_FALSE(view.calculateEnabled || view.printEnabled || view.visible[0] || view.visible[1] || view.tabStop[0] ||
                     view.tabStop[1]);
        EXPECT_EQ(std::tuple(view.finished[0], view.finished[1], grid.width(), grid.height()), std::tuple(1, 1, 6120, 4950));
    }
};

}  // namespace

// Every row once, in table order; an empty, unreadable or failing table gives what it read, silently.
TEST(Startup, ListsEveryRowOnceInTableOrder) {
    Window w(263, [](Window& w) { w.table.push_back(w.table[5]); });  // a name held twice is listed twice
    EXPECT_EQ(w.view.lists[0], w.names);
    EXPECT_EQ(w.view.lists[1], w.names);
    EXPECT_TRUE(w.d1.eof() && w.d2.eof());
    EXPECT_EQ(w.d1.writes + w.d2.writes, 0);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(w.grid.colAlignment(c), Align::LeftBottom);  // sizes: the window test
    Window empty(0), unreadable(4, [](Window& w) { w.d1.failOpen = w.d2.failOpen = true; });
    for (Window* w : {&empty, &unreadable}) EXPECT_TRUE(w->view.lists[0].empty() && w->view.lists[1].empty());
    // A fill that fails keeps what it read; the other list is still filled whole.
    for (int failAfter : {4, 0}) {
        Window part(10, [&](Window& w) { w.d1.failAfter = failAfter; });
        EXPECT_EQ(part.view.lists[0], std::vector<std::string>(part.names.begin(), part.names.begin() + failAfter));
        EXPECT_EQ(part.view.lists[1], part.names);
    }
}

namespace {

constexpr RateBox O = RateBox::Origin, D = RateBox::Destination;
const std::vector<std::string> kEmpty(20, "");

// Rows 1 to 20 of a column holding k * step, grouped by thousands, as whole amounts or as money.
std::vector<std::string> steps(long long step, bool money = false) {
    std::vector<std::string> v;
    for (int k = 1; k <= 20; ++k) {
        std::string s = std::to_string(k * step);
        for (int p = static_cast<int>(s.size()) - 3; p > 0; p -= 3) s.insert(p, ",");
        v.push_back(money ? s + ".00" : s);
    }
    return v;
}

struct Chart : ::testing::Test, FakeWindow {
    Chart()
        : FakeWindow({{"Alpha", "1 A = 100 a", "Alpha Mark", "AAA", 1.5}, {"Beta", "1 B = 100 b", "Beta Crown", "BBB", 3},
                      {"Gamma", "1 G = 100 g", "Gamma Pound", "GGG", 150}, {"Delta", "1 D", "Delta Dollar", "DDD", 1},
                      {"O'Hare", "1 O", "Oh", "OOO", 100000}}) {
        conv.startup({});
    }
    void choose(const std::string& origin, const std::string& dest) {
        if (!origin.empty()) view.selected[0] = origin, conv.originChosen(origin);
        if (!dest.empty()) view.selected[1] = dest, conv.destinationChosen(dest);
    }
    void type(RateBox b, const std::string& t) { view.setRateText(b, t); }
    std::string lastMessage() const { return ui.messages.empty() ? "" : ui.messages.back().text; }
};

TEST_F(Chart, OriginChoiceLaysTheLadderOfItsBand) {
    // A rate of a million or more has no band: the ladder before it stays.
    const std::pair<const char*, long long> cases[] = {
        {"1", 1}, {"9.99", 1}, {"10", 10}, {"99.5", 10}, {"999.5", 100}, {"1500", 1000}, {"99999.5", 10000},
        {"100000", 100000}, {"abc", 1}, {"1000000", 1}, {"", 1}, {"-3", 1}};
    for (auto [rate, unit] : cases) {
        SCOPED_TRACE(rate);
        d1.setMovedHandler([&] { view.rate[0] = rate; });  // the rate as the box shows it after the lookup
        choose("Alpha", "");
        EXPECT_EQ(grid.column(0), steps(unit));
        EXPECT_EQ(grid.column(2), steps(5 * unit));
        EXPECT_EQ(grid.cellText(0, 0) + grid.cellText(0, 2), "AlphaAlpha");
        EXPECT_EQ(grid.cellAlignment(0, 0), Align::CenterTop);
    }
    EXPECT_EQ(conv.savedOriginRate(), "-3");
    EXPECT_TRUE(view.visible[0] && view.tabStop[0] && view.printEnabled && ui.messages.empty() && !ui.busy);
    EXPECT_FALSE(view.calculateEnabled);  // only a destination enables it
}

TEST_F(Chart, DestinationFirstAndFailuresOfSelection) {
    choose("", "Beta");
    EXPECT_EQ(grid.cellText(0, 1) + grid.cellText(0, 3), "BetaBeta");
    EXPECT_EQ(grid.column(0), kEmpty);
    EXPECT_TRUE(view.calculateEnabled && !view.visible[0]);
    EXPECT_EQ(conv.savedDestinationRate(), "3");

    printers.n = 0;
    d1.failFind = true;
    conv.originChosen("Alpha");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text + "|" + ui.messages[0].title, "Error Number 3043\r\nlookup failed|Whoops!");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(grid.cellText(0, 0), "Alpha");  // steps done stay done, the rest is not
    EXPECT_TRUE(!view.visible[0] && view.printEnabled && !ui.busy);
}

TEST_F(Chart, EachChoiceEmptiesTheConvertedColumns) {
    choose("Delta", "Beta");
    for (auto [origin, dest] : {std::pair{"Alpha", ""}, {"", "Gamma"}}) {
        conv.calculate();
        ASSERT_NE(grid.column(3), kEmpty);
        choose(origin, dest);
        EXPECT_EQ(grid.column(1), kEmpty) << origin << dest;
        EXPECT_EQ(grid.column(3), kEmpty) << origin << dest;
    }
}

TEST_F(Chart, CalculateConvertsEveryRowOfTheTypedRatesBand) {
    printers.n = 0;  // Print follows the printers at each Calculate
    choose("Alpha", "Beta");  // 1.5 -> 3
    conv.calculate();
    EXPECT_FALSE(view.printEnabled);
    printers.n = 2;
    conv.calculate();
    EXPECT_TRUE(view.printEnabled);
    EXPECT_EQ(grid.column(1), steps(2, true));
    EXPECT_EQ(grid.column(3), steps(10, true));
    // Each row pairs an amount with its own equivalent, in the band of the typed rate.
    struct Case { const char *origin, *dest, *row1, *row20; };
    const Case cases[] = {
        {"150", "1", "100|0.67", "10,000|66.67"},       {"150", "3", "100|2.00", "10,000|200.00"},
        {"1,234.5", "3", "1|0.00", "100|0.24"},         {"999999.5", "3", "100,000|0.30", "10,000,000|30.00"},
        {"2", "-0.000000001", "", ""},  // rejected: the chart stays as it was
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.origin);
        type(O, c.origin), type(D, c.dest);
        conv.calculate();
        if (!*c.row1) continue;
        EXPECT_EQ(grid.cellText(1, 0) + "|" + grid.cellText(1, 1), c.row1);
        EXPECT_EQ(grid.cellText(20, 2) + "|" + grid.cellText(20, 3), c.row20);
    }
    EXPECT_EQ(grid.cellText(20, 3), "30.00");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(ui.busy);
}

// The chart as text, as quorvane-rates chart prints it, is the chart Calculate writes.
TEST_F(Chart, CellsOfTwoRatesAreWhatCalculateWrites) {
    auto join = [](auto cell) {
        std::string s;
        for (int k = 1; k <= 20; ++k)
            for (int c = 0; c < 4; ++c) s += cell(k, c) + "|";
        return s;
    };
    for (auto [origin, dest] : {std::pair{"Gamma", "Beta"}, {"Alpha", "O'Hare"}, {"O'Hare", "Delta"}}) {
        choose(origin, dest);
        conv.calculate();
        const auto cells = chartCells(*numericValue(view.rate[0], kEn), *numericValue(view.rate[1], kEn), kEn);
        ASSERT_TRUE(cells);
        EXPECT_EQ(join([&](int k, int c) { return (*cells)[k - 1][c]; }), join([&](int k, int c) { return grid.cellText(k, c); }));
    }
    for (auto [o, d] : {std::pair{1e6, 1.0}, {0.0, 1.0}, {1.0, -1.0}, {1e-300, 1e300}})
        EXPECT_FALSE(chartCells(o, d, kEn)) << o << " " << d;
}

TEST_F(Chart, SameCountryAndBlankBoxesAreTold) {
    choose("Alpha", "Alpha");
    view.rate[0].clear();
    conv.calculate();
    EXPECT_EQ(lastMessage(), "You've picked the same country for Origin and Destination. Please try again.");
    choose("Alpha", "Beta");
    view.rate[0].clear(), view.rate[1].clear();
    conv.calculate();
    EXPECT_EQ(lastMessage(), "You've left the Origin Country Rate Area blank! The Rate of 1.5 will be entered for you.");
    EXPECT_EQ(view.rate[0] + "|" + view.rate[1], "1.5|");
    conv.calculate();
    EXPECT_EQ(lastMessage(), "You've left the Destination Country Rate Area blank! The Rate of 3 will be entered for you.");
    EXPECT_EQ(view.rate[1], "3");
    ASSERT_EQ(ui.messages.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(ui.messages[i].title.empty() && ui.messages[i].icon == MsgIcon::None && ui.busyDuringMessage[i]) << i;
    EXPECT_FALSE(ui.busy);
}

TEST_F(Chart, RateCheckNamesTheBoxLastFocusedAndPutsItsRateBack) {
    choose("Alpha", "Beta");
    type(O, "abc");  // neither box ever had the focus: no message
    conv.calculate();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(grid.column(1), kEmpty);

    // abc stays in the origin box while the destination box was focused last.
    conv.rateBoxFocusIn(O);
    conv.rateBoxFocusOut(O);  // the write-back fails silently
    EXPECT_EQ(table[0].roe, 1.5);
    conv.rateBoxFocusIn(D);
    EXPECT_TRUE(conv.destinationBoxFlag() && !conv.originBoxFlag());
    conv.calculate();
    EXPECT_EQ(lastMessage(), "Please check the Exchange Rate! You entered \r\n3\r\nOriginal Rate of 3 will be entered.");
    EXPECT_EQ(view.rate[0], "abc");

    // Blanks, zero, negative, unreadable and too large rates all take the rate-check path.
    // A rate put back is written back at once, over the one left in the table.
    for (const char* bad : {"   ", "0", "-5", "1e-400x", "1000000", "%2"}) {  // what was typed is quoted as it is
        SCOPED_TRACE(bad);
        type(O, bad), type(D, "3");
        conv.rateBoxFocusOut(O);
        conv.rateBoxFocusIn(O);
        conv.calculate();
        EXPECT_EQ(lastMessage(), std::string("Please check the Exchange Rate! You entered \r\n") + bad +
                                     "\r\nOriginal Rate of 1.5 will be entered.");
        EXPECT_EQ(std::pair(view.rate[0], table[0].roe), std::pair(std::string("1.5"), 1.5));
    }
    EXPECT_EQ(view.focusedOriginList, 1);  // only a rate of a million or more goes back to the list
    type(O, "2");  // a newer rate, stored: the rate check puts it back, not the one shown at the choice
    conv.rateBoxFocusOut(O);
    type(O, "-5");
    conv.calculate();
    EXPECT_EQ(std::pair(lastMessage().substr(lastMessage().find("Original")), table[0].roe),
              std::pair(std::string("Original Rate of 2 will be entered."), 2.0));
    type(O, "1E-300"), type(D, "1E+300");  // overflows: no converted cell of this run is written
    conv.calculate();
    EXPECT_EQ(grid.column(1), kEmpty);
    EXPECT_EQ(ui.messages.size(), 9u);
    EXPECT_FALSE(ui.busy);
}

// A stored rate that no chart can hold is told, naming its box, though no box was used.
TEST_F(Chart, StoredRateTooLargeForAChartIsToldWithoutABoxInUse) {
    const std::tuple<double, double, const char*> cases[] = {{1.5, 1e308, "1E+308"}, {1e308, 3, "1E+308"}};
    for (auto [origin, dest, shown] : cases) {
        table[0].roe = origin, table[1].roe = dest;
        ui.messages.clear();
        choose("Alpha", "Beta");
        conv.calculate();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(lastMessage().find(std::string("Original Rate of ") + shown), std::string::npos) << lastMessage();
        EXPECT_EQ(grid.column(1), kEmpty);
    }
}

// A bank's cross rate: offered once both countries are chosen; "1 AAA = 158.2 GGG" stores Gamma's rate
// per dollar as 158.2 x Alpha's; an entry that is no positive number is told and changes nothing.
TEST_F(Chart, CrossRateStoresTheBoxsRateAndLeavesTheOther) {
    EXPECT_FALSE(conv.crossRateOffer(D).enabled);
    choose("Alpha", "");
    EXPECT_FALSE(conv.crossRateOffer(O).enabled);  // no other country yet
    choose("", "Gamma");
    const auto offer = conv.crossRateOffer(D);
    EXPECT_TRUE(offer.enabled);
    EXPECT_EQ(offer.label(), "Rate per 1 AAA\u2026");
    for (const char* bad : {"0", "-2", "abc", ""}) {
        EXPECT_FALSE(conv.crossRateEntered(D, bad)) << bad;
        EXPECT_EQ(lastMessage(), "Please check the Exchange Rate! You entered \r\n" + std::string(bad) +
                                     "\r\nOriginal Rate of 150 will be entered.");
    }
    EXPECT_EQ(table[2].roe, 150);
    ui.answer = "158.2";
    conv.askCrossRate(D);
    EXPECT_EQ(ui.asked.back(), "Rate per 1 AAA|1 AAA (Alpha) =|GGG");
    EXPECT_DOUBLE_EQ(table[2].roe, 158.2 * 1.5);
    EXPECT_EQ(table[0].roe, 1.5);
    conv.calculate();
    EXPECT_EQ(grid.column(1)[0], "158.20");
    // Undone: the rate it replaced, of its rates' date, comes back and is what a rate check puts back.
    EXPECT_FALSE(conv.restoreOffer(O).enabled);
    const auto undo = conv.restoreOffer(D);
    EXPECT_TRUE(undo.enabled);
    EXPECT_EQ(undo.date, "2026-09-29");
    conv.restoreRate(D);
    EXPECT_EQ(table[2].roe, 150);
    EXPECT_FALSE(conv.restoreOffer(D).enabled);
    EXPECT_EQ(conv.savedDestinationRate(), "150");
}

TEST_F(Chart, LeavingABoxOrClosingWritesTheRateToItsOwnRecord) {
    choose("O'Hare", "Beta");  // the last record of the table, with an apostrophe
    conv.rateBoxFocusIn(O);
    conv.rateBoxFocusOut(O);  // unchanged: nothing written
    EXPECT_EQ(d1.writes, 0);
    type(O, "1.25");
    conv.rateBoxFocusOut(O);
    EXPECT_EQ(table[4].roe, 1.25);
    EXPECT_EQ(view.rate[0] + d1.current()->country, "1.25O'Hare");
    type(D, "70.5");
    conv.closing();
    EXPECT_EQ(std::pair(table[1].roe, d2.current()->country), std::pair(70.5, std::string("Beta")));
    type(O, "2.75");
    conv.rateBoxFocusOut(O);
    EXPECT_EQ(std::pair(table[4].roe, table[3].roe), std::pair(2.75, 1.0));
}

TEST_F(Chart, RefusedWriteIsToldOnceAndTheNextChoiceStillMoves) {
    choose("Alpha", "Beta");
    d1.refuseWrites = "The rate of Alpha could not be saved: the rate table is read-only.";
    conv.rateBoxFocusIn(O);
    type(O, "1.25");
    for (int i = 0; i < 2; ++i) conv.rateBoxFocusOut(O);  // the same text is told once
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text == d1.refuseWrites && ui.messages[0].icon == MsgIcon::Exclamation);
    EXPECT_EQ(view.rate[0] + d1.current()->country, "1.25Alpha");
    choose("Gamma", "");  // moves the cursor, the rate and the header together
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(d1.current()->country + view.rate[0] + grid.cellText(0, 0), "Gamma150Gamma");
    EXPECT_EQ(table[0].roe, 1.5);
}

struct Text { double x, y; std::string s; bool operator==(const Text&) const = default; };
struct Line { double x, y, dx, dy; bool operator==(const Line&) const = default; };
std::ostream& operator<<(std::ostream& o, const Text& t) { return o << t.x << "," << t.y << " " << t.s; }
std::ostream& operator<<(std::ostream& o, const Line& l) { return o << l.x << "," << l.y << "+" << l.dx << "," << l.dy; }

class MemoryPage : public PrinterSurface {
public:
    double twipsPerPixelX() override { if (failPixel) throw std::runtime_error("offline"); return tx; }
    double twipsPerPixelY() override { return ty; }
    double currentX() override { return cx; }
    double currentY() override { return cy; }
    void setCurrent(double x, double y) override { cx = x, cy = y; }
    void line(double x, double y, double dx, double dy) override {
        if (failLines) throw std::runtime_error("paper jam");
        lines.push_back({x, y, dx, dy});
    }
    void rectangle(double x1, double y1, double x2, double y2) override { rects.push_back({x1, y1, x2, y2}); }
    void printText(const std::string& s) override { texts.push_back({cx, cy, s}); }
    void setFont(const std::string& f, double pt) override { font = f + " " + std::to_string(pt) + " after " + std::to_string(texts.size()); }
    void endDoc() override { ++ended, textsAtEnd = texts.size(); }
    void failed(const std::string& reason) override { failure = reason; }

    double tx = 2.4, ty = 2.4, cx = 0, cy = 0;  // 600 dpi: px = py = 2
    bool failPixel = false, failLines = false;
    std::vector<Text> texts;
    std::vector<Line> lines, rects;
    int ended = 0;
    std::size_t textsAtEnd = 0;
    std::string failure, font;
};

// A start-up grid whose every cell says where it is, "row/col"; printed, it
// must be back in its start-up layout whatever happened.
struct Printed {
    Printed() {
        Converter::applyStartupLayout(grid);
        for (int r = 0; r <= 20; ++r)
            for (int c = 0; c <= 3; ++c) grid.setCellText(r, c, std::to_string(r) + "/" + std::to_string(c));
    }
    void print() {
        grid_Print(grid, page, ui);
        for (int c = 0; c <= 3; ++c) EXPECT_EQ(grid.colWidth(c), 1530);
        for (int r = 0; r <= 20; ++r) EXPECT_EQ(grid.rowHeight(r), r ? 220 : 425);
        EXPECT_EQ(std::pair(grid.width(), grid.height()), std::pair(6120, 4950));
    }
    FakeGrid grid;
    MemoryPage page;
    FakeUi ui;
};

constexpr double px = 2, py = 2, yEnd = 425 + 20 * 220 + 21 * py, xEnd = 4 * (2500 + px);

}  // namespace

// Every text and line at its exact place: with the border offset or without,
// from the page's current position, with or without the grid lines' gaps; the
// printer's pixel in twips rounds halves to even.
TEST(GridPrint, EveryCellAndRuleAtItsPlace) {
    for (auto [twips, pixel] : {std::pair{4.8, 5}, {2.5, 2}, {3.5, 4}, {-2.5, -2}}) EXPECT_EQ(roundPixelSize(twips), pixel);
    EXPECT_THROW(roundPixelSize(1e9), std::range_error);
    struct Case { int border, lines; double cx, cy, x0, y0; int cols; };
    for (Case k : {Case{1, 1, 0, 0, px, py, 4}, Case{0, 1, 0, 0, 0, 0, 4}, Case{0, 0, 100, 50, 100, 50, 3}}) {
        SCOPED_TRACE(k.border * 10 + k.lines);
        Printed t;
        t.grid.borderStyleV = k.border, t.grid.gridLinesV = k.lines, t.page.cx = k.cx, t.page.cy = k.cy;
        t.print();
        EXPECT_EQ(t.page.rects, (k.border ? std::vector{Line{0, 0, 10100 - px, 5275 - py}} : std::vector<Line>{}));
        EXPECT_EQ(t.page.ended, 1);
        EXPECT_TRUE(t.ui.messages.empty());
        const double gx = k.lines ? px : 0, gy = k.lines ? py : 0;
        ASSERT_EQ(t.page.texts.size(), k.cols * 21u);  // column by column
        for (int c = 0; c < k.cols; ++c)
            for (int r = 0; r <= 20; ++r) {
                const double top = r == 0 ? 0 : 425 + gy + (r - 1) * (220 + gy);
                EXPECT_EQ(t.page.texts[c * 21 + r], (Text{k.x0 + c * (2500 + gx) + 2 * px, k.y0 + top + py,
                                                          std::to_string(r) + "/" + std::to_string(c)}));
            }
        ASSERT_EQ(t.page.lines.size(), k.lines ? 4u + 21u : 0u);  // lines stop one pixel short of the last edges
        for (int c = 0; c < 4 && k.lines; ++c)
            EXPECT_EQ(t.page.lines[c], (Line{k.x0 + (c + 1) * 2500 + c * px, k.y0, 0, yEnd + k.y0 - py}));
        for (int r = 0; r <= 20 && k.lines; ++r)
            EXPECT_EQ(t.page.lines[4 + r], (Line{k.x0, k.y0 + 425 + r * (220 + py), xEnd + k.x0 - px, 0}));
    }
}

TEST(GridPrint, ColumnAndRowLimitsScrollingAndEmptyCells) {
    // The last column needs 4 px < 100 to spare, the last row 21 py < 450.
    struct Limit { double tx, ty; std::size_t texts, lines; };
    for (Limit l : {Limit{24, 21, 4 * 21, 4 + 21}, Limit{25, 22, 3 * 20, 3 + 20}}) {
        Printed t;
        t.page.tx = l.tx, t.page.ty = l.ty;
        t.print();
        EXPECT_EQ(std::pair(t.page.texts.size(), t.page.lines.size()), std::pair(l.texts, l.lines)) << l.tx;
    }
    Printed t;
    t.grid.topRowV = 5, t.grid.leftColV = 1;
    for (int r = 1; r <= 20; ++r) t.grid.setCellText(r, 3, "");
    t.print();
    // Columns 1 to 3 with the header and rows 5 to 20; column 3 only has its header.
    ASSERT_EQ(t.page.texts.size(), 2u * 17u + 1u);
    EXPECT_EQ(t.page.texts[0], (Text{3 * px, 2 * py, "0/1"}));
    EXPECT_EQ(t.page.texts[1], (Text{3 * px, py + 425 + py + py, "5/1"}));
    EXPECT_EQ(t.page.texts.back().s, "0/3");
    EXPECT_EQ(t.page.lines.size(), 3u + 17u);  // empty cells still get their lines
}

// The footer: what the card used, in parts that are left out when unknown;
// drawn after the chart and its rules, under the frame, in a font of its own.
TEST(GridPrint, FooterSaysWhatTheCardUsed) {
    struct Case { CardFacts f; const NumberFormat* fmt; const char* text; };
    const Case cases[] = {
        {{"EUR", "JPY", 0.9, 142.38, "2026-09-29", false, true}, &kEn, "1 EUR = 158.20 JPY · rates of 29 September 2026 · JPY rate typed"},
        {{"USD", "JPY", 1, 1582.5, "2026-09-29", true, false}, &kDe, "1 USD = 1.582,50 JPY · rates of 29 September 2026 · USD rate typed"},
        {{"JPY", "EUR", 158.2, 1, "2026-02-30", true, true}, &kEn, "1 JPY = 0.01 EUR · both rates typed"},  // no such day
        {{"", "JPY", 1, 2, "", false, false}, &kEn, ""},
        {{"EUR", "JPY", 0, 2, "2026-01-05", true, false}, &kEn, "rates of 5 January 2026 · EUR rate typed"},
        {{"EUR", "JPY", 1e-300, 1e300, "", false, false}, &kEn, ""},  // too large to write
        {{"EUR", "JPY", NAN, 2, "", false, false}, &kEn, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(cardFooter(c.f, *c.fmt), c.text);
    Printed t;
    grid_Print(t.grid, t.page, t.ui, "1 EUR = 2.00 JPY");
    ASSERT_EQ(t.page.texts.size(), 4 * 21u + 1);
    EXPECT_EQ(t.page.texts.back(), (Text{0, 5275 + 160, "1 EUR = 2.00 JPY"}));
    EXPECT_EQ(t.page.font, "Arial 8.000000 after 84");
    EXPECT_EQ(t.page.textsAtEnd, 4 * 21u + 1);
}

TEST(GridPrint, FailuresAreReportedAndTheLayoutRestored) {
    for (bool early : {false, true}) {
        Printed t;
        (early ? t.page.failPixel : t.page.failLines) = true;
        t.print();
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text + "|" + t.ui.messages[0].title, "Printer is not available|");
        EXPECT_EQ(t.page.failure, early ? "offline" : "paper jam");  // for the log
        EXPECT_EQ(t.page.ended, 0);
    }
}

TEST(GridPrint, PrintCommandWithoutOriginOnlyAsks) {
    FakeWindow w;  // no origin yet: the hourglass shows over the message, nothing is resized
    MemoryPage page;
    w.grid.setColWidth(0, 1234);
    printCommand(w.grid, page, w.ui, w.printers, w.view, false);
    ASSERT_EQ(w.ui.messages.size(), 1u);
    EXPECT_EQ(w.ui.messages[0].text, "Select a country");
    EXPECT_TRUE(w.ui.busyDuringMessage[0] && !w.ui.busy && w.view.printEnabled && page.texts.empty());
    EXPECT_EQ(w.grid.colWidth(0), 1234);
}

TEST(HelpPath, JoinsTheFolderAsItIsAndFindsTheFileWhateverItsLetterCase) {
    EXPECT_EQ(helpFilePath("/opt/Quorvane"), "/opt/Quorvane/zelvik.hlp");
    EXPECT_EQ(helpFilePath("/"), "//zelvik.hlp");  // a root folder's separator is doubled, as built
    QTemporaryDir dir;
    const QString built = helpFilePath(dir.path());
    auto make = [&](const char* name) { return QFile(dir.filePath(name)).open(QIODevice::WriteOnly); };
    ASSERT_TRUE(QDir(dir.path()).mkdir("ZELVIK.HLP") && make("zelvik.hlp.bak"));  // neither is the help file
    EXPECT_EQ(findIgnoringCase(built), built);  // absent: handed on unchanged, for the viewer to report
    ASSERT_TRUE(make("Zelvik.hlp"));
    EXPECT_EQ(findIgnoringCase(built), dir.path() + "/Zelvik.hlp");
    EXPECT_EQ(findIgnoringCase(helpFilePath(dir.path() + "/")), dir.path() + "//Zelvik.hlp");  // folder part kept
    ASSERT_TRUE(make("zelvik.hlp"));
    EXPECT_EQ(findIgnoringCase(built), built);  // the exact name wins
    ASSERT_TRUE(make("Zelvik.DE.hlp"));  // the help in German; none in French
    EXPECT_EQ(QStringList({helpFileIn(dir.path(), "de"), helpFileIn(dir.path(), "fr"), helpFileIn(dir.path(), "en")}),
              QStringList({dir.path() + "/Zelvik.DE.hlp", built, built}));
}
