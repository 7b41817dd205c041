#pragma once
// The default printer as a surface for the chart routine: twips in, device
// units out, at the printer's own resolution. The page is drawn into a PDF in
// memory and handed to the printer only when the document ends, so a failure
// before the end sends nothing.
#include "converter/GridPrint.h"
#include "platform/PrinterSystem.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace quorvane {

class QtPrinterSurface : public PrinterSurface {
public:
    // Nothing is asked of the printer system until the first operation, which
    // throws when there is no usable default printer. No wait on the printer
    // system goes past the deadline.
    explicit QtPrinterSurface(PrinterSystem& system,
                              SteadyClock::time_point deadline = SteadyClock::now() + kPrinterPatience);
    ~QtPrinterSurface() override;

    double twipsPerPixelX() override;
    double twipsPerPixelY() override;
    double currentX() override;
    double currentY() override;
    void setCurrent(double x, double y) override;
    void line(double x, double y, double dx, double dy) override;
    void rectangle(double x1, double y1, double x2, double y2) override;
    void printText(const std::string& text) override;
    // Completes the page and hands it to the printer; throws when the printer
    // system refuses it or does not take it in time.
    void endDoc() override;
    // Logs the reason as a warning, naming the printer.
    void failed(const std::string& reason) override;

private:
    const DefaultPrinter& open();
    QPainter& painter();
    QPointF device(double x, double y);

    PrinterSystem& system_;
    SteadyClock::time_point deadline_;
    std::optional<DefaultPrinter> printer_;
    QBuffer pdf_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    double curX_ = 0, curY_ = 0;
    bool ended_ = false;
};

}  // namespace quorvane
