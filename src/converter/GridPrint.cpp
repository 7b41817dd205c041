#include "converter/GridPrint.h"
#include "platform/Translations.h"

#include <cfenv>
#include <cmath>
#include <stdexcept>

namespace quorvane {

std::int16_t roundPixelSize(double twips) {
    if (!std::isfinite(twips) || twips < INT16_MIN || twips > INT16_MAX)
        throw std::range_error(trs("GridPrint", "The printer reports an unusable pixel size."));
    // nearbyint follows the rounding mode; ask for nearest-even explicitly.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(twips);
    std::fesetround(saved);
    return static_cast<std::int16_t>(r);
}

namespace {

void setPrintLayout(GridOps& grid) {
    grid.setRows(PrintLayout::kRows);
    for (int c = 0; c <= 3; ++c) grid.setColWidth(c, PrintLayout::kColWidth);
    grid.setHeight(PrintLayout::kHeight);
    grid.setWidth(PrintLayout::kWidth);
}

// The start-up layout, in the order the grid is put back after printing. Each
// step is tried on its own so one failing setting does not keep the others.
void restoreStartupLayout(GridOps& grid) {
    auto attempt = [](auto&& step) {
        try {
            step();
        } catch (...) {
        }
    };
    for (int c = 0; c <= 3; ++c) attempt([&] { grid.setColWidth(c, GridLayout::kColWidth); });
    for (int r = 1; r <= 20; ++r) attempt([&] { grid.setRowHeight(r, GridLayout::kRowHeight); });
    attempt([&] { grid.setHeight(GridLayout::kHeight); });
    attempt([&] { grid.setRowHeight(0, GridLayout::kHeaderHeight); });
    attempt([&] { grid.setWidth(GridLayout::kWidth); });
}

// Columns or rows scrolled out of view are passed over; fixed ones never are.
int skipScrolled(int i, int fixed, int firstInView) { return (i >= fixed && i < firstInView) ? firstInView : i; }

void drawChart(GridOps& grid, PrinterSurface& printer, const std::string& footer) {
    const double px = roundPixelSize(printer.twipsPerPixelX());
    const double py = roundPixelSize(printer.twipsPerPixelY());

    setPrintLayout(grid);

    double x0 = printer.currentX();
    double y0 = printer.currentY();
    if (grid.borderStyle() != 0) {
        printer.rectangle(0, 0, grid.width() - px, grid.height() - py);
        x0 += px;
        y0 += py;
    }

    const bool lines = grid.gridLines() != 0;
    const int fixedCols = grid.fixedCols();
    const int fixedRows = grid.fixedRows();

    // Text pass: a cell prints only if it lies inside the control's Width and Height.
    double x = x0, y = 0;
    for (int c = 0; c <= 3; ++c) {
        c = skipScrolled(c, fixedCols, grid.leftCol());
        if (x + grid.colWidth(c) >= grid.width()) break;
        y = y0;
        for (int r = 0; r <= 20; ++r) {
            r = skipScrolled(r, fixedRows, grid.topRow());
            if (y + grid.rowHeight(r) >= grid.height()) break;
            printer.setCurrent(x + 2 * px, y + py);
            const std::string text = grid.cellText(r, c);
            if (!text.empty()) printer.printText(text);
            y += grid.rowHeight(r);
            if (lines) y += py;
        }
        x += grid.colWidth(c);
        if (lines) x += px;
    }
    const double xEnd = x, yEnd = y;

    // Line pass: each printed column's right edge and each printed row's bottom
    // edge, in the one-pixel gaps the text pass left.
    if (lines) {
        double xl = x0;
        for (int c = 0; c <= 3; ++c) {
            c = skipScrolled(c, fixedCols, grid.leftCol());
            xl += grid.colWidth(c);
            if (xl >= grid.width()) break;
            printer.line(xl, y0, 0, yEnd - py);
            xl += px;
        }
        double yl = y0;
        for (int r = 0; r <= 20; ++r) {
            r = skipScrolled(r, fixedRows, grid.topRow());
            yl += grid.rowHeight(r);
            if (yl >= grid.height()) break;
            printer.line(x0, yl, xEnd - px, 0);
            yl += py;
        }
    }

    // Under the frame, in a font of its own: the chart's text keeps the printer's.
    if (!footer.empty()) {
        printer.setFont(CardFooterPlace::kFont, CardFooterPlace::kPoints);
        printer.setCurrent(CardFooterPlace::kLeft, CardFooterPlace::kTop);
        printer.printText(footer);
    }

    printer.endDoc();
}

}  // namespace

void grid_Print(GridOps& grid, PrinterSurface& printer, UiServices& ui, const std::string& footer) {
    bool failed = true;
    try {
        drawChart(grid, printer, footer);
        failed = false;
    } catch (const std::exception& e) {
        printer.failed(e.what());
    } catch (...) {
        printer.failed("an unknown failure");
    }
    // Every way out leaves the window with its start-up grid, so a failed print
    // cannot strand the enlarged chart over the rest of the window.
    restoreStartupLayout(grid);
    if (failed) ui.message(trs("GridPrint", kPrinterNotAvailable));
}

void printCommand(GridOps& grid, PrinterSurface& printer, UiServices& ui, Printers& printers,
                  ConverterView& view, bool originChosen, const std::string& footer) {
    ui.setBusy(true);
    try {
        int count = 0;
        try {
            count = printers.count();
        } catch (...) {
        }
        view.setMenuEnabled(Menu::Print, count != 0);
        if (originChosen)
            grid_Print(grid, printer, ui, footer);
        else
            ui.message(trs("GridPrint", kSelectACountry));
    } catch (...) {
        ui.setBusy(false);
        throw;
    }
    ui.setBusy(false);
}

}  // namespace quorvane
