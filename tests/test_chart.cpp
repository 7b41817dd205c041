// Country selection, the rate boxes and Calculate, driven through in-memory fakes.
#include "converter/Converter.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

using namespace quorvane;
using namespace quorvane::test;

namespace {

std::vector<std::string> seq(double from, double step, int n, bool money = false) {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) {
        char buf[64];
        double x = from + step * i;
        if (money) std::snprintf(buf, sizeof buf, "%.2f", x);
        else std::snprintf(buf, sizeof buf, "%.0f", x);
        std::string s = buf;
        // group thousands
        size_t dot = s.find('.');
        int end = static_cast<int>(dot == std::string::npos ? s.size() : dot);
        for (int p = end - 3; p > 0; p -= 3) s.insert(p, ",");
        v.push_back(s);
    }
    return v;
}

struct Chart : ::testing::Test {
    std::vector<RateRecord> table{
        {"Alpha", "1 A = 100 a", "Alpha Mark", "AAA", 1.5},
        {"Beta", "1 B = 100 b", "Beta Crown", "BBB", 3},
        {"Gamma", "1 G = 100 g", "Gamma Pound", "GGG", 150},
        {"Delta", "1 D", "Delta Dollar", "DDD", 1},
        {"Big", "1 X", "Big Unit", "XXX", 1500},
        {"O'Hare", "1 O", "Oh", "OOO", 100000},
    };
    MemoryCursor d1{&table}, d2{&table};
    FakeView view{d1, d2};
    FakeGrid grid;
    FakeUi ui;
    FakePrinters printers;
    Converter conv{view, grid, d1, d2, ui, printers};

    void SetUp() override { conv.startup({}); }
    void choose(const std::string& origin, const std::string& dest) {
        view.selected[0] = origin;
        conv.originChosen(origin);
        view.selected[1] = dest;
        conv.destinationChosen(dest);
    }
    std::string lastMessage() const { return ui.messages.empty() ? "" : ui.messages.back().text; }
};

TEST_F(Chart, OriginChoiceLaysTheLadderOfItsBand) {
    struct Case { const char* rate; double unit; };
    const Case cases[] = {{"1", 1}, {"9.99", 1}, {"10", 10}, {"99.5", 10}, {"999.5", 100}, {"1500", 1000},
                          {"99999.5", 10000}, {"100000", 100000}, {"abc", 1}, {"", 1}, {"-3", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        table[0].roe = 0;
        view.selected[0] = "Alpha";
        // the rate as the box shows it after the lookup
        d1.setMovedHandler([&] { view.rate[0] = c.rate; });
        conv.originChosen("Alpha");
        EXPECT_EQ(grid.column(0), seq(c.unit, c.unit, 20));
        EXPECT_EQ(grid.column(2), seq(5 * c.unit, 5 * c.unit, 20));
        EXPECT_EQ(grid.cell(0, 0), "Alpha");
        EXPECT_EQ(grid.cell(0, 2), "Alpha");
        EXPECT_EQ(grid.cellAlignment(0, 0), Align::CenterTop);
    }
    EXPECT_EQ(conv.savedOriginRate(), "-3");
    EXPECT_TRUE(view.visible[0]);
    EXPECT_TRUE(view.tabStop[0]);
    EXPECT_FALSE(view.calculateEnabled);  // only a destination enables it
    EXPECT_TRUE(view.printEnabled);
    EXPECT_FALSE(ui.busy);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Chart, RateOfAMillionKeepsTheOldLadderButTakesTheName) {
    choose("Delta", "Beta");
    conv.calculate();
    ASSERT_EQ(grid.cell(1, 1), "3.00");
    d1.setMovedHandler([&] { view.rate[0] = "1000000"; });
    view.selected[0] = "Alpha";
    conv.originChosen("Alpha");
    EXPECT_EQ(grid.cell(0, 0), "Alpha");
    EXPECT_EQ(grid.column(0), seq(1, 1, 20));
    EXPECT_EQ(grid.column(1), std::vector<std::string>(20, ""));
    EXPECT_EQ(grid.column(3), std::vector<std::string>(20, ""));
}

TEST_F(Chart, DestinationFirstAndFailuresOfSelection) {
    view.selected[1] = "Beta";
    conv.destinationChosen("Beta");
    EXPECT_EQ(grid.cell(0, 1), "Beta");
    EXPECT_EQ(grid.cell(0, 3), "Beta");
    EXPECT_EQ(grid.column(0), std::vector<std::string>(20, ""));
    EXPECT_TRUE(view.calculateEnabled);
    EXPECT_FALSE(view.visible[0]);
    EXPECT_EQ(conv.savedDestinationRate(), "3");

    printers.n = 0;
    d1.failFind = true;
    conv.originChosen("Alpha");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Whoops!");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.messages[0].text, "Error Number 3043\r\nlookup failed");
    EXPECT_EQ(grid.cell(0, 0), "Alpha");   // steps done stay done
    EXPECT_FALSE(view.visible[0]);         // the rest is not
    EXPECT_TRUE(view.printEnabled);        // not re-evaluated after the failure
    EXPECT_FALSE(ui.busy);
}

TEST_F(Chart, CalculateConvertsWithTheBoxRates) {
    choose("Alpha", "Beta");  // 1.5 -> 3
    conv.calculate();
    EXPECT_EQ(grid.column(1), seq(2, 2, 20, true));
    EXPECT_EQ(grid.column(3), seq(10, 10, 20, true));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(ui.busy);

    choose("Gamma", "Delta");  // 150 -> 1
    conv.calculate();
    EXPECT_EQ(grid.cell(1, 1), "0.67");
    EXPECT_EQ(grid.cell(20, 3), "66.67");
    EXPECT_EQ(grid.cell(1, 0), "100");
}

TEST_F(Chart, TypedRateInAnotherBandGivesMatchingRows) {
    choose("Delta", "Beta");  // ladder of unit 1
    view.type(RateBox::Origin, "150");
    conv.calculate();
    // every row pairs an amount with its own equivalent
    EXPECT_EQ(grid.cell(1, 0), "100");
    EXPECT_EQ(grid.cell(1, 1), "2.00");
    EXPECT_EQ(grid.cell(20, 2), "10,000");
    EXPECT_EQ(grid.cell(20, 3), "200.00");

    view.type(RateBox::Origin, "1,234.5");  // converts with 1234.5, band of 1
    conv.calculate();
    EXPECT_EQ(grid.cell(1, 0), "1");
    EXPECT_EQ(grid.cell(1, 1), "0.00");
    EXPECT_EQ(grid.cell(20, 3), "0.24");
}

TEST_F(Chart, CalculateMessages) {
    choose("Alpha", "Alpha");
    view.rate[0].clear();
    conv.calculate();
    EXPECT_EQ(lastMessage(), "You've picked the same country for Origin and Destination. Please try again.");

    choose("Alpha", "Beta");
    view.rate[0].clear();
    view.rate[1].clear();
    conv.calculate();
    EXPECT_EQ(lastMessage(), "You've left the Origin Country Rate Area blank! The Rate of 1.5 will be entered for you.");
    EXPECT_EQ(view.rate[0], "1.5");
    EXPECT_EQ(view.rate[1], "");
    conv.calculate();
    EXPECT_EQ(lastMessage(), "You've left the Destination Country Rate Area blank! The Rate of 3 will be entered for you.");
    EXPECT_EQ(view.rate[1], "3");
    EXPECT_EQ(ui.messages.size(), 3u);
    for (const auto& m : ui.messages) {
        EXPECT_EQ(m.title, "");
        EXPECT_EQ(m.icon, MsgIcon::None);
    }
    EXPECT_FALSE(ui.busy);
}

TEST_F(Chart, RateCheckNamesTheBoxLastFocused) {
    choose("Alpha", "Beta");
    // neither box ever had the focus: no message
    view.type(RateBox::Origin, "abc");
    conv.calculate();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(grid.column(1), std::vector<std::string>(20, ""));

    // abc stays in the origin box while the destination box was focused last
    conv.rateBoxFocusIn(RateBox::Origin);
    conv.rateBoxFocusOut(RateBox::Origin);   // write-back fails silently
    EXPECT_EQ(table[0].roe, 1.5);
    EXPECT_EQ(view.rate[0], "abc");
    conv.rateBoxFocusIn(RateBox::Destination);
    EXPECT_TRUE(conv.destinationBoxFlag());
    EXPECT_FALSE(conv.originBoxFlag());
    conv.calculate();
    EXPECT_EQ(lastMessage(), "Please check the Exchange Rate! You entered \r\n3\r\nOriginal Rate of 3 will be entered.");
    EXPECT_EQ(view.rate[0], "abc");

    // blanks, zero and negative rates all take the rate-check path
    conv.rateBoxFocusIn(RateBox::Origin);
    for (const char* bad : {"   ", "0", "-5", "1e-400x"}) {
        SCOPED_TRACE(bad);
        view.type(RateBox::Origin, bad);
        conv.calculate();
        EXPECT_EQ(lastMessage(), std::string("Please check the Exchange Rate! You entered \r\n") + bad +
                                     "\r\nOriginal Rate of 1.5 will be entered.");
        EXPECT_EQ(view.rate[0], "1.5");
    }
    view.type(RateBox::Destination, "-2");  // negative destination: rejected, not negative money
    conv.calculate();
    EXPECT_EQ(view.rate[0], "1.5");
    EXPECT_EQ(grid.column(1), std::vector<std::string>(20, ""));
    EXPECT_FALSE(ui.busy);
}

TEST_F(Chart, TooLargeOriginAndOverflow) {
    choose("Alpha", "Beta");
    conv.rateBoxFocusIn(RateBox::Origin);
    view.type(RateBox::Origin, "1000000");
    conv.calculate();
    EXPECT_EQ(view.focusedOriginList, 1);
    EXPECT_EQ(view.rate[0], "1.5");

    view.type(RateBox::Origin, "999999.5");
    conv.calculate();
    EXPECT_EQ(grid.cell(1, 0), "100,000");
    EXPECT_EQ(grid.cell(20, 2), "10,000,000");

    view.type(RateBox::Origin, "1E-300");
    view.type(RateBox::Destination, "1E+300");
    std::vector<std::string> before = grid.column(1);
    size_t n = ui.messages.size();
    conv.calculate();
    EXPECT_EQ(ui.messages.size(), n + 1);
    EXPECT_EQ(grid.column(1), before);  // no converted cell of this run is written
}

TEST_F(Chart, PrintMenuFollowsThePrinters) {
    printers.n = 0;
    choose("Alpha", "Beta");
    EXPECT_FALSE(view.printEnabled);
    conv.calculate();
    EXPECT_FALSE(view.printEnabled);
    printers.n = 2;
    conv.calculate();
    EXPECT_TRUE(view.printEnabled);
}

TEST_F(Chart, LeavingABoxWritesTheRateBackToItsRecord) {
    choose("O'Hare", "Beta");  // the last record of the table, with an apostrophe
    conv.rateBoxFocusIn(RateBox::Origin);
    conv.rateBoxFocusOut(RateBox::Origin);  // unchanged: nothing written
    EXPECT_EQ(d1.writes, 0);
    view.type(RateBox::Origin, "1.25");
    conv.rateBoxFocusOut(RateBox::Origin);
    EXPECT_EQ(table[5].roe, 1.25);
    EXPECT_EQ(view.rate[0], "1.25");            // back on the same record
    EXPECT_EQ(d1.current()->country, "O'Hare");
    EXPECT_TRUE(conv.originBoxFlag());
}
TEST_F(Chart, RefusedWriteIsToldOnceAndTheNextChoiceStillMoves) {
    choose("Alpha", "Beta");
    d1.refuseWrites = "The rate of Alpha could not be saved: the rate table is read-only.";
    conv.rateBoxFocusIn(RateBox::Origin);
    view.type(RateBox::Origin, "1.25");
    for (int i = 0; i < 2; ++i) conv.rateBoxFocusOut(RateBox::Origin);  // the same text is told once
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, d1.refuseWrites);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(view.rate[0], "1.25");
    EXPECT_EQ(d1.current()->country, "Alpha");
    // The next choice moves the cursor, the rate and the header together.
    view.selected[0] = "Gamma";
    conv.originChosen("Gamma");
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(d1.current()->country + view.rate[0] + grid.cell(0, 0), "Gamma150Gamma");
    EXPECT_EQ(table[0].roe, 1.5);
}

TEST_F(Chart, NothingTypedIsLostOrLeftRejected) {
    choose("Alpha", "Beta");
    // A rejected rate that the message promises to replace is replaced in the table at once.
    conv.rateBoxFocusIn(RateBox::Origin);
    view.type(RateBox::Origin, "0");
    conv.rateBoxFocusOut(RateBox::Origin);
    EXPECT_EQ(table[0].roe, 0);
    conv.rateBoxFocusIn(RateBox::Origin);
    conv.calculate();
    EXPECT_EQ(std::pair(table[0].roe, view.rate[0]), std::pair(1.5, std::string("1.5")));
    // Closing writes what is still being typed, to its own record.
    view.type(RateBox::Destination, "70.5");
    conv.closing();
    EXPECT_EQ(table[1].roe, 70.5);
    EXPECT_EQ(d2.current()->country, "Beta");
    // A second move of the write-back that fails still leaves the cursor on its record.
    d1.failPrevious = true;
    view.type(RateBox::Origin, "2.5");
    conv.rateBoxFocusOut(RateBox::Origin);
    d1.failPrevious = false;
    view.type(RateBox::Origin, "2.75");
    conv.rateBoxFocusOut(RateBox::Origin);
    EXPECT_EQ(std::pair(table[0].roe, table[1].roe), std::pair(2.75, 70.5));
}
}  // namespace
