// The chart routine and the Print command against an in-memory page and grid.
#include "converter/Converter.h"
#include "converter/GridPrint.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace quorvane;
using namespace quorvane::test;

namespace {

struct Text { double x, y; std::string s; };
struct Line { double x, y, dx, dy; };

class MemoryPage : public PrinterSurface {
public:
    double twipsPerPixelX() override { if (failPixel) throw std::runtime_error("offline"); return tx; }
    double twipsPerPixelY() override { return ty; }
    double currentX() override { return cx; }
    double currentY() override { return cy; }
    void setCurrent(double x, double y) override { cx = x; cy = y; }
    void line(double x, double y, double dx, double dy) override {
        if (failLines) throw std::runtime_error("paper jam");
        lines.push_back({x, y, dx, dy});
    }
    void rectangle(double x1, double y1, double x2, double y2) override { rects.push_back({x1, y1, x2, y2}); }
    void printText(const std::string& s) override { texts.push_back({cx, cy, s}); }
    void endDoc() override { ++ended; }

    double tx = 2.4, ty = 2.4, cx = 0, cy = 0;
    bool failPixel = false, failLines = false;
    std::vector<Text> texts;
    std::vector<Line> lines, rects;  // rects: x1, y1, x2 (dx), y2 (dy)
    int ended = 0;
};

struct Chart {
    Chart() {
        Converter::applyStartupLayout(grid);
        for (int r = 0; r <= 20; ++r)
            for (int c = 0; c <= 3; ++c) grid.setCell(r, c, std::to_string(r) + "/" + std::to_string(c));
    }
    void expectStartupLayout() const {
        for (int c = 0; c <= 3; ++c) EXPECT_EQ(grid.colWidth(c), 1530);
        EXPECT_EQ(grid.rowHeight(0), 425);
        for (int r = 1; r <= 20; ++r) EXPECT_EQ(grid.rowHeight(r), 220);
        EXPECT_EQ(grid.width(), 6120);
        EXPECT_EQ(grid.height(), 4950);
    }
    FakeGrid grid;
    MemoryPage page;
    FakeUi ui;
};

}  // namespace

TEST(GridPrint, PixelSizesRoundHalvesToEven) {
    EXPECT_EQ(roundPixelSize(2.4), 2);   // 600 dpi
    EXPECT_EQ(roundPixelSize(4.8), 5);   // 300 dpi
    EXPECT_EQ(roundPixelSize(2.5), 2);
    EXPECT_EQ(roundPixelSize(3.5), 4);
    EXPECT_THROW(roundPixelSize(1e9), std::range_error);
}

TEST(GridPrint, FreshPageWithBorderAndLines) {
    Chart t;
    grid_Print(t.grid, t.page, t.ui);
    const double px = 2, py = 2;
    ASSERT_EQ(t.page.rects.size(), 1u);
    EXPECT_EQ(t.page.rects[0].dx, 10100 - px);  // second corner
    EXPECT_EQ(t.page.rects[0].dy, 5275 - py);
    ASSERT_EQ(t.page.texts.size(), 84u);
    EXPECT_EQ(t.page.texts[0].x, 3 * px);
    EXPECT_EQ(t.page.texts[0].y, 2 * py);
    EXPECT_EQ(t.page.texts[0].s, "0/0");
    // Column by column; row 1 starts below the header and its line.
    EXPECT_EQ(t.page.texts[1].y, py + 425 + py + py);
    EXPECT_EQ(t.page.texts[21].x, px + 2500 + px + 2 * px);
    EXPECT_EQ(t.page.texts[83].s, "20/3");
    const double xEnd = px + 4 * (2500 + px), yEnd = py + 425 + 20 * 220 + 21 * py;
    ASSERT_EQ(t.page.lines.size(), 4u + 21u);
    EXPECT_EQ(t.page.lines[0].x, px + 2500);
    EXPECT_EQ(t.page.lines[3].x, xEnd - px);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(t.page.lines[i].y + t.page.lines[i].dy, yEnd) << i;
    EXPECT_EQ(t.page.lines[4].y, py + 425);
    for (int i = 4; i < 25; ++i) EXPECT_EQ(t.page.lines[i].x + t.page.lines[i].dx, xEnd) << i;
    EXPECT_EQ(t.page.lines[24].y, yEnd - py);
    EXPECT_EQ(t.page.ended, 1);
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_EQ(t.grid.row(), 20);
    EXPECT_EQ(t.grid.col(), 3);
    t.expectStartupLayout();
}

TEST(GridPrint, ColumnAndRowLimits) {
    Chart fits;
    fits.page.tx = 24;  // 4 px < 100
    fits.page.ty = 21;  // 21 py < 450
    grid_Print(fits.grid, fits.page, fits.ui);
    EXPECT_EQ(fits.page.texts.size(), 84u);

    Chart cut;
    cut.page.tx = 25;
    cut.page.ty = 22;
    grid_Print(cut.grid, cut.page, cut.ui);
    ASSERT_EQ(cut.page.texts.size(), 3u * 20u);  // no fourth column, no row 20
    EXPECT_EQ(cut.page.texts.back().s, "19/2");
    EXPECT_EQ(cut.page.lines.size(), 3u + 20u);
    EXPECT_EQ(cut.page.ended, 1);
}

TEST(GridPrint, WithoutBorderOrLines) {
    Chart plain;
    plain.grid.borderStyleV = 0;
    plain.grid.gridLinesV = 0;
    plain.page.cx = 100;
    plain.page.cy = 50;
    grid_Print(plain.grid, plain.page, plain.ui);
    EXPECT_TRUE(plain.page.rects.empty());
    EXPECT_TRUE(plain.page.lines.empty());
    EXPECT_EQ(plain.page.texts[0].x, 100 + 4);
    EXPECT_EQ(plain.page.texts[0].y, 50 + 2);
    EXPECT_EQ(plain.page.texts[1].y, 50 + 425 + 2);
    EXPECT_EQ(plain.page.texts[21].x, 100 + 2500 + 4);

    Chart noBorder;  // lines stop one pixel short of the last edges
    noBorder.grid.borderStyleV = 0;
    grid_Print(noBorder.grid, noBorder.page, noBorder.ui);
    const double yEnd = 425 + 20 * 220 + 21 * 2, xEnd = 4 * 2502;
    EXPECT_EQ(noBorder.page.lines[0].y, 0);
    EXPECT_EQ(noBorder.page.lines[0].dy, yEnd - 2);
    EXPECT_EQ(noBorder.page.lines[4].x, 0);
    EXPECT_EQ(noBorder.page.lines[4].dx, xEnd - 2);
}

TEST(GridPrint, ScrolledRowsAndColumnsAndEmptyCells) {
    Chart t;
    t.grid.topRowV = 5;
    t.grid.leftColV = 1;
    for (int r = 1; r <= 20; ++r) t.grid.setCell(r, 3, "");
    grid_Print(t.grid, t.page, t.ui);
    // Columns 1 to 3 with the header and rows 5 to 20; column 3 only has its header.
    ASSERT_EQ(t.page.texts.size(), 2u * 17u + 1u);
    EXPECT_EQ(t.page.texts[0].s, "0/1");
    EXPECT_EQ(t.page.texts[0].x, 3 * 2);
    EXPECT_EQ(t.page.texts[1].s, "5/1");
    EXPECT_EQ(t.page.texts[1].y, 2 + 425 + 2 + 2);
    EXPECT_EQ(t.page.texts.back().s, "0/3");
    EXPECT_EQ(t.page.lines.size(), 3u + 17u);  // empty cells still get their lines
}

TEST(GridPrint, FailuresReportAndRestoreTheLayout) {
    Chart jam;
    jam.page.failLines = true;
    grid_Print(jam.grid, jam.page, jam.ui);
    ASSERT_EQ(jam.ui.messages.size(), 1u);
    EXPECT_EQ(jam.ui.messages[0].text, "Printer is not available");
    EXPECT_EQ(jam.ui.messages[0].title, "");
    EXPECT_EQ(jam.page.ended, 0);
    jam.expectStartupLayout();

    Chart offline;
    offline.page.failPixel = true;
    grid_Print(offline.grid, offline.page, offline.ui);
    EXPECT_EQ(offline.ui.messages.size(), 1u);
    EXPECT_TRUE(offline.page.texts.empty());
    offline.expectStartupLayout();
}

TEST(GridPrint, PrintCommand) {
    std::vector<RateRecord> table;
    MemoryCursor d1(&table), d2(&table);
    FakeView view(d1, d2);
    FakePrinters printers;

    Chart none;  // no origin yet: nothing printed, nothing resized
    none.grid.setColWidth(0, 1234);
    printCommand(none.grid, none.page, none.ui, printers, view, false);
    ASSERT_EQ(none.ui.messages.size(), 1u);
    EXPECT_EQ(none.ui.messages[0].text, "Select a country");
    EXPECT_TRUE(none.ui.busyDuringMessage[0]);
    EXPECT_FALSE(none.ui.busy);
    EXPECT_EQ(none.grid.colWidth(0), 1234);
    EXPECT_TRUE(none.page.texts.empty());
    EXPECT_TRUE(view.printEnabled);

    Chart ok;
    printCommand(ok.grid, ok.page, ok.ui, printers, view, true);
    EXPECT_EQ(ok.page.ended, 1);
    EXPECT_TRUE(ok.ui.messages.empty());
    EXPECT_FALSE(ok.ui.busy);

    Chart noPrinter;  // the command is disabled, and the click goes on
    printers.n = 0;
    noPrinter.page.failPixel = true;
    printCommand(noPrinter.grid, noPrinter.page, noPrinter.ui, printers, view, true);
    EXPECT_FALSE(view.printEnabled);
    ASSERT_EQ(noPrinter.ui.messages.size(), 1u);
    EXPECT_EQ(noPrinter.ui.messages[0].text, "Printer is not available");
    EXPECT_FALSE(noPrinter.ui.busy);
    noPrinter.expectStartupLayout();
}
