// Window load over in-memory parts: the country lists, the grid's layout, the
// menus and rate boxes of a window on which nothing has been chosen.
#include "converter/Converter.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <stdexcept>

using namespace quorvane;
using namespace quorvane::test;

namespace {

std::vector<RateRecord> table(int n) {
    std::vector<RateRecord> t;
    for (int i = 0; i < n; ++i)
        t.push_back({"Country " + std::to_string(i), "1 Unit = 100 Cent", "Unit", "U" + std::to_string(i), 1.0 + i});
    return t;
}

// A cursor that fails once it has moved a given number of times.
class FailingCursor : public MemoryCursor {
public:
    FailingCursor(std::vector<RateRecord>* t, int failAfter) : MemoryCursor(t), left_(failAfter) {}
    void moveNext() override {
        if (left_-- == 0) throw StoreError(kErrStore, "read failed");
        MemoryCursor::moveNext();
    }
private:
    int left_;
};

struct Window {
    std::vector<RateRecord> rows;
    MemoryCursor d1{&rows}, d2{&rows};
    FakeView view{d1, d2};
    FakeGrid grid;
    FakeUi ui;
    FakePrinters printers;
    Converter conv{view, grid, d1, d2, ui, printers};
    explicit Window(std::vector<RateRecord> r) : rows(std::move(r)) { std::setlocale(LC_ALL, "en_US.UTF-8"); }
};

void expectNothingChosenYet(const Window& w) {
    EXPECT_TRUE(w.ui.messages.empty());
    EXPECT_FALSE(w.view.calculateEnabled);
    EXPECT_FALSE(w.view.printEnabled);
    for (int b = 0; b < 2; ++b) {
        EXPECT_FALSE(w.view.visible[b]);
        EXPECT_FALSE(w.view.tabStop[b]);
        EXPECT_TRUE(w.view.selected[b].empty());
    }
    EXPECT_TRUE(w.view.titlesOpaque);
    EXPECT_EQ(w.grid.rows(), 21);
    EXPECT_EQ(w.grid.cols(), 4);
}

}  // namespace

TEST(Startup, ListsEveryRowOnceInTableOrder) {
    Window w(table(263));
    w.rows.push_back(w.rows[5]);  // a name the table holds twice is listed twice
    bool folderMade = false;
    w.conv.startup([&] { folderMade = true; });
    EXPECT_TRUE(folderMade);
    for (int l = 0; l < 2; ++l) {
        const auto& list = w.view.lists[l];
        ASSERT_EQ(list.size(), 264u);
        EXPECT_EQ(list.front(), "Country 0");
        EXPECT_EQ(list[262], "Country 262");
        EXPECT_EQ(list.back(), "Country 5");
        EXPECT_EQ(std::count(list.begin(), list.end(), "Country 5"), 2);
        EXPECT_EQ(std::count(list.begin(), list.end(), "Country 6"), 1);
        EXPECT_EQ(w.view.finished[l], 1);
    }
    EXPECT_TRUE(w.d1.eof());
    EXPECT_TRUE(w.d2.eof());
    EXPECT_EQ(w.d1.writes + w.d2.writes, 0);
    expectNothingChosenYet(w);
}

TEST(Startup, ShapesTheGridAndWritesNoCell) {
    Window w(table(3));
    w.conv.startup({});
    EXPECT_EQ(w.grid.width(), 6120);
    EXPECT_EQ(w.grid.height(), 4950);
    EXPECT_EQ(w.grid.rowHeight(0), 425);
    for (int r = 1; r < 21; ++r) EXPECT_EQ(w.grid.rowHeight(r), 220) << r;
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(w.grid.colWidth(c), 1530);
        EXPECT_EQ(w.grid.colAlignment(c), Align::LeftBottom);
        for (int r = 0; r < 21; ++r) EXPECT_EQ(w.grid.cell(r, c), "");
    }
    EXPECT_TRUE(w.grid.wordWrap);
}

TEST(Startup, EmptyOrUnreadableTableGivesEmptyListsSilently) {
    Window empty({});
    empty.conv.startup({});
    EXPECT_TRUE(empty.view.lists[0].empty());
    EXPECT_TRUE(empty.view.lists[1].empty());
    expectNothingChosenYet(empty);

    // No rate table, and a program folder that cannot be made current.
    Window missing(table(4));
    missing.d1.failOpen = missing.d2.failOpen = true;
    missing.conv.startup([] { throw std::runtime_error("no such folder"); });
    for (int l = 0; l < 2; ++l) {
        EXPECT_TRUE(missing.view.lists[l].empty());
        EXPECT_EQ(missing.view.finished[l], 1);
    }
    expectNothingChosenYet(missing);
    EXPECT_EQ(missing.grid.width(), 6120);
}

TEST(Startup, FailingFillKeepsWhatItReadAndTheOtherListIsFilled) {
    std::vector<RateRecord> rows = table(10);
    FailingCursor d1(&rows, 4);
    MemoryCursor d2(&rows);
    FakeView view(d1, d2);
    FakeGrid grid;
    FakeUi ui;
    FakePrinters printers;
    Converter conv(view, grid, d1, d2, ui, printers);
    conv.startup({});
    EXPECT_EQ(view.lists[0], (std::vector<std::string>{"Country 0", "Country 1", "Country 2", "Country 3"}));
    EXPECT_EQ(view.finished[0], 1);
    EXPECT_EQ(view.lists[1].size(), 10u);
    EXPECT_EQ(view.finished[1], 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(view.visible[0]);
    EXPECT_FALSE(view.calculateEnabled);

    // The origin list failing at once leaves the destination list whole.
    FailingCursor d1b(&rows, 0);
    MemoryCursor d2b(&rows);
    FakeView viewB(d1b, d2b);
    Converter convB(viewB, grid, d1b, d2b, ui, printers);
    convB.startup({});
    EXPECT_TRUE(viewB.lists[0].empty());
    EXPECT_EQ(viewB.lists[1].size(), 10u);
}
