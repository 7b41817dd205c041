// Window load over in-memory parts: the country lists, the grid's layout, the
// menus and rate boxes of a window on which nothing has been chosen.
#include "converter/Converter.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

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

// A cursor that fails once it has moved failAfter times (never when negative).
struct FailingCursor : MemoryCursor {
    using MemoryCursor::MemoryCursor;
    int failAfter = -1;
    void moveNext() override {
        if (failAfter-- == 0) throw StoreError(kErrStore, "read failed");
        MemoryCursor::moveNext();
    }
};

struct Window {
    std::vector<RateRecord> rows;
    FailingCursor d1{&rows};
    MemoryCursor d2{&rows};
    FakeView view{d1, d2};
    FakeGrid grid;
    FakeUi ui;
    FakePrinters printers;
    Converter conv{view, grid, d1, d2, ui, printers};
    explicit Window(std::vector<RateRecord> r) : rows(std::move(r)) { std::setlocale(LC_ALL, "en_US.UTF-8"); }

    void expectNothingChosenYet() const {
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_FALSE(view.calculateEnabled || view.printEnabled);
        for (int b = 0; b < 2; ++b) {
            EXPECT_FALSE(view.visible[b] || view.tabStop[b]) << b;
            EXPECT_TRUE(view.selected[b].empty());
            EXPECT_EQ(view.finished[b], 1);
        }
        EXPECT_TRUE(view.titlesOpaque);
        EXPECT_EQ(grid.width(), 6120);
        EXPECT_EQ(grid.height(), 4950);
    }
};

}  // namespace

TEST(Startup, ListsEveryRowOnceInTableOrderAndShapesAnEmptyGrid) {
    Window w(table(263));
    w.rows.push_back(w.rows[5]);  // a name the table holds twice is listed twice
    int folderMade = 0;
    w.conv.startup([&] { ++folderMade; });
    EXPECT_EQ(folderMade, 1);
    std::vector<std::string> inTableOrder;
    for (const auto& r : w.rows) inTableOrder.push_back(r.country);
    EXPECT_EQ(w.view.lists[0], inTableOrder);
    EXPECT_EQ(w.view.lists[1], inTableOrder);
    EXPECT_TRUE(w.d1.eof() && w.d2.eof());
    EXPECT_EQ(w.d1.writes + w.d2.writes, 0);
    w.expectNothingChosenYet();

    EXPECT_EQ(std::pair(w.grid.rows(), w.grid.cols()), std::pair(21, 4));
    for (int r = 0; r < 21; ++r) EXPECT_EQ(w.grid.rowHeight(r), r == 0 ? 425 : 220) << r;
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(w.grid.colWidth(c), 1530);
        EXPECT_EQ(w.grid.colAlignment(c), Align::LeftBottom);
        for (int r = 0; r < 21; ++r) EXPECT_EQ(w.grid.cell(r, c), "");
    }
    EXPECT_TRUE(w.grid.wordWrap);
}

TEST(Startup, EmptyUnreadableOrFailingTableGivesWhatItReadSilently) {
    // An empty table; no rate table and a program folder that cannot be made current.
    for (int rows : {0, 4}) {
        Window w(table(rows));
        w.d1.failOpen = w.d2.failOpen = rows > 0;
        w.conv.startup([] { throw std::runtime_error("no such folder"); });
        EXPECT_TRUE(w.view.lists[0].empty() && w.view.lists[1].empty());
        w.expectNothingChosenYet();
    }

    // A fill that fails keeps what it read; the other list is still filled whole.
    for (int failAfter : {4, 0}) {
        Window w(table(10));
        w.d1.failAfter = failAfter;
        w.conv.startup({});
        EXPECT_EQ(w.view.lists[0], std::vector<std::string>(w.view.lists[1].begin(),
                                                             w.view.lists[1].begin() + failAfter));
        EXPECT_EQ(w.view.lists[1].size(), 10u);
        w.expectNothingChosenYet();
    }
}
