#pragma once
// The default printer as a surface for the chart routine: twips in, device
// units out, at the printer's own resolution.
#include "converter/GridPrint.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

namespace quorvane {

class QtPrinterSurface : public PrinterSurface {
public:
    // Nothing is opened until the first operation, which throws when there is
    // no usable default printer.
    QtPrinterSurface();
    ~QtPrinterSurface() override;

    double twipsPerPixelX() override;
    double twipsPerPixelY() override;
    double currentX() override;
    double currentY() override;
    void setCurrent(double x, double y) override;
    void line(double x, double y, double dx, double dy) override;
    void rectangle(double x1, double y1, double x2, double y2) override;
    void printText(const std::string& text) override;
    void endDoc() override;

    // The printer in use, once opened (for tests and the benchmark).
    QPrinter* printer() const { return printer_.get(); }

private:
    QPrinter& open();
    QPainter& painter();
    QPointF device(double x, double y);

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    double curX_ = 0, curY_ = 0;
    bool ended_ = false;
};

}  // namespace quorvane
