#pragma once
// Printing the chart: the Print command and the routine that draws the grid on
// the default printer, both as plain logic over the grid and a printer surface.
#include "converter/GridLayout.h"
#include "converter/Interfaces.h"

#include <QtGlobal>
#include <cstdint>
#include <string>

namespace quorvane {

// A printer page as the chart routine sees it. Positions and sizes are twips
// from the top-left corner of the printable area, x rightwards, y downwards.
// Any operation may throw when the printer is missing or fails.
class PrinterSurface {
public:
    virtual ~PrinterSurface() = default;
    // Size of one device pixel in twips, across and down (not rounded).
    virtual double twipsPerPixelX() = 0;
    virtual double twipsPerPixelY() = 0;
    virtual double currentX() = 0;
    virtual double currentY() = 0;
    virtual void setCurrent(double x, double y) = 0;
    // A straight line from (x, y) to (x + dx, y + dy).
    virtual void line(double x, double y, double dx, double dy) = 0;
    // An unfilled rectangle with the opposite corners (x1, y1) and (x2, y2).
    virtual void rectangle(double x1, double y1, double x2, double y2) = 0;
    // One line of text, its top at the current position; neither clipped nor wrapped.
    virtual void printText(const std::string& text) = 0;
    // The font of the text printed from here on; only the footer sets one.
    virtual void setFont(const std::string& family, double points) = 0;
    // Ends the document: the page goes to the printer.
    virtual void endDoc() = 0;
    // Told why printing failed, for the log: the user sees only that the
    // printer is not available.
    virtual void failed(const std::string& reason) { (void)reason; }
};

inline constexpr const char* kPrinterNotAvailable = QT_TRANSLATE_NOOP("GridPrint", "Printer is not available");
inline constexpr const char* kSelectACountry = QT_TRANSLATE_NOOP("GridPrint", "Select a country");

// The footer line under the chart: left-aligned with the frame, its top one
// 8-point line (160 twips) below the frame's bottom, so a 7 x 3.7 inch card
// with its footer stays within 4 inches of the printable area's top.
struct CardFooterPlace {
    static constexpr double kLeft = 0;
    static constexpr double kTop = PrintLayout::kHeight + 160;
    static constexpr const char* kFont = "Arial";
    static constexpr double kPoints = 8;
};

// Twips per pixel as a whole number, halves to the even neighbour.
std::int16_t roundPixelSize(double twips);

// Draws the chart on the printer, then the footer line when there is one, and
// puts the grid back into its start-up layout, also when printing fails;
// failures are reported, never thrown.
void grid_Print(GridOps& grid, PrinterSurface& printer, UiServices& ui, const std::string& footer = {});

// The Print command: the hourglass, the printer count rule, then printing once
// an origin country has been chosen.
void printCommand(GridOps& grid, PrinterSurface& printer, UiServices& ui, Printers& printers,
                  ConverterView& view, bool originChosen, const std::string& footer = {});

}  // namespace quorvane
