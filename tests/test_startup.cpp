// Window load over in-memory parts: the country lists, the grid's layout, the
// menus and rate boxes of a window on which nothing has been chosen.
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quorvane;
using namespace quorvane::test;

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
        EXPECT_EQ(folderTries, 1);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_FALSE(view.calculateEnabled || view.printEnabled);
        for (int b = 0; b < 2; ++b) {
            EXPECT_FALSE(view.visible[b] || view.tabStop[b]) << b;
            EXPECT_EQ(view.finished[b], 1);
        }
        EXPECT_TRUE(view.titlesOpaque);
        EXPECT_EQ(std::pair(grid.width(), grid.height()), std::pair(6120, 4950));
    }
};

}  // namespace

TEST(Startup, ListsEveryRowOnceInTableOrderAndShapesAnEmptyGrid) {
    Window w(263, [](Window& w) { w.table.push_back(w.table[5]); });  // a name held twice is listed twice
    EXPECT_EQ(w.view.lists[0], w.names);
    EXPECT_EQ(w.view.lists[1], w.names);
    EXPECT_TRUE(w.d1.eof() && w.d2.eof());
    EXPECT_EQ(w.d1.writes + w.d2.writes, 0);

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
    Window empty(0), unreadable(4, [](Window& w) { w.d1.failOpen = w.d2.failOpen = true; });
    for (Window* w : {&empty, &unreadable}) EXPECT_TRUE(w->view.lists[0].empty() && w->view.lists[1].empty());
    // A fill that fails keeps what it read; the other list is still filled whole.
    for (int failAfter : {4, 0}) {
        Window w(10, [&](Window& w) { w.d1.failAfter = failAfter; });
        EXPECT_EQ(w.view.lists[0], std::vector<std::string>(w.names.begin(), w.names.begin() + failAfter));
        EXPECT_EQ(w.view.lists[1], w.names);
    }
}
