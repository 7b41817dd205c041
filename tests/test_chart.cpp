// Country selection, the rate boxes and Calculate, driven through in-memory fakes.
#include "support/Fakes.h"

#include <gtest/gtest.h>

using namespace quorvane;
using namespace quorvane::test;

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
        EXPECT_EQ(grid.cell(0, 0) + grid.cell(0, 2), "AlphaAlpha");
        EXPECT_EQ(grid.cellAlignment(0, 0), Align::CenterTop);
    }
    EXPECT_EQ(conv.savedOriginRate(), "-3");
    EXPECT_TRUE(view.visible[0] && view.tabStop[0] && view.printEnabled && ui.messages.empty() && !ui.busy);
    EXPECT_FALSE(view.calculateEnabled);  // only a destination enables it
}

TEST_F(Chart, DestinationFirstAndFailuresOfSelection) {
    choose("", "Beta");
    EXPECT_EQ(grid.cell(0, 1) + grid.cell(0, 3), "BetaBeta");
    EXPECT_EQ(grid.column(0), kEmpty);
    EXPECT_TRUE(view.calculateEnabled && !view.visible[0]);
    EXPECT_EQ(conv.savedDestinationRate(), "3");

    printers.n = 0;
    d1.failFind = true;
    conv.originChosen("Alpha");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text + "|" + ui.messages[0].title, "Error Number 3043\r\nlookup failed|Whoops!");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(grid.cell(0, 0), "Alpha");  // steps done stay done, the rest is not
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
    choose("Alpha", "Beta");  // 1.5 -> 3
    conv.calculate();
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
        EXPECT_EQ(grid.cell(1, 0) + "|" + grid.cell(1, 1), c.row1);
        EXPECT_EQ(grid.cell(20, 2) + "|" + grid.cell(20, 3), c.row20);
    }
    EXPECT_EQ(grid.cell(20, 3), "30.00");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(ui.busy);
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
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(ui.messages[i].title, "");
        EXPECT_EQ(ui.messages[i].icon, MsgIcon::None);
        EXPECT_TRUE(ui.busyDuringMessage[i]);
    }
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
    for (const char* bad : {"   ", "0", "-5", "1e-400x", "1000000"}) {
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
    type(O, "1E-300"), type(D, "1E+300");  // overflows: no converted cell of this run is written
    conv.calculate();
    EXPECT_EQ(grid.column(1), kEmpty);
    EXPECT_EQ(ui.messages.size(), 7u);
    EXPECT_FALSE(ui.busy);
}

TEST_F(Chart, PrintMenuFollowsThePrinters) {
    printers.n = 0;
    choose("Alpha", "Beta");
    conv.calculate();
    EXPECT_FALSE(view.printEnabled);
    printers.n = 2;
    conv.calculate();
    EXPECT_TRUE(view.printEnabled);
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
    EXPECT_EQ(table[1].roe, 70.5);
    EXPECT_EQ(d2.current()->country, "Beta");
    // A second move of the write-back that fails still leaves the cursor on its record.
    d1.failPrevious = true;
    type(O, "2.5");
    conv.rateBoxFocusOut(O);
    d1.failPrevious = false;
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
    EXPECT_EQ(ui.messages[0].text, d1.refuseWrites);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(view.rate[0] + d1.current()->country, "1.25Alpha");
    choose("Gamma", "");  // moves the cursor, the rate and the header together
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(d1.current()->country + view.rate[0] + grid.cell(0, 0), "Gamma150Gamma");
    EXPECT_EQ(table[0].roe, 1.5);
}

}  // namespace
