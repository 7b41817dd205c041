// The chart routine and the Print command against an in-memory page and grid.
#include "converter/GridPrint.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quorvane;
using namespace quorvane::test;

namespace {

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
    void endDoc() override { ++ended; }

    double tx = 2.4, ty = 2.4, cx = 0, cy = 0;  // 600 dpi: px = py = 2
    bool failPixel = false, failLines = false;
    std::vector<Text> texts;
    std::vector<Line> lines, rects;
    int ended = 0;
};

// A start-up grid whose every cell says where it is, "row/col"; printed, it
// must be back in its start-up layout whatever happened.
struct Chart {
    Chart() {
        Converter::applyStartupLayout(grid);
        for (int r = 0; r <= 20; ++r)
            for (int c = 0; c <= 3; ++c) grid.setCell(r, c, std::to_string(r) + "/" + std::to_string(c));
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

TEST(GridPrint, PixelSizesRoundHalvesToEven) {
    for (auto [twips, pixel] : {std::pair{4.8, 5}, {2.5, 2}, {3.5, 4}, {-2.5, -2}}) EXPECT_EQ(roundPixelSize(twips), pixel);
    EXPECT_THROW(roundPixelSize(1e9), std::range_error);
}

// Every text and line at its exact place: with the border offset or without,
// from the page's current position, with or without the grid lines' gaps.
TEST(GridPrint, EveryCellAndRuleAtItsPlace) {
    struct Case { int border, lines; double cx, cy, x0, y0; int cols; };
    for (Case k : {Case{1, 1, 0, 0, px, py, 4}, Case{0, 1, 0, 0, 0, 0, 4}, Case{0, 0, 100, 50, 100, 50, 3}}) {
        SCOPED_TRACE(k.border * 10 + k.lines);
        Chart t;
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
        Chart t;
        t.page.tx = l.tx, t.page.ty = l.ty;
        t.print();
        EXPECT_EQ(std::pair(t.page.texts.size(), t.page.lines.size()), std::pair(l.texts, l.lines)) << l.tx;
    }
    Chart t;
    t.grid.topRowV = 5, t.grid.leftColV = 1;
    for (int r = 1; r <= 20; ++r) t.grid.setCell(r, 3, "");
    t.print();
    // Columns 1 to 3 with the header and rows 5 to 20; column 3 only has its header.
    ASSERT_EQ(t.page.texts.size(), 2u * 17u + 1u);
    EXPECT_EQ(t.page.texts[0], (Text{3 * px, 2 * py, "0/1"}));
    EXPECT_EQ(t.page.texts[1], (Text{3 * px, py + 425 + py + py, "5/1"}));
    EXPECT_EQ(t.page.texts.back().s, "0/3");
    EXPECT_EQ(t.page.lines.size(), 3u + 17u);  // empty cells still get their lines
}

TEST(GridPrint, FailuresAreReportedAndTheLayoutRestored) {
    for (bool early : {false, true}) {
        Chart t;
        (early ? t.page.failPixel : t.page.failLines) = true;
        t.print();
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text + "|" + t.ui.messages[0].title, "Printer is not available|");
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
