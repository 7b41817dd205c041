#pragma once
// Chart pages drawn with Qt: twips in, device units out, at the page's own
// resolution. The page is drawn into a PDF in memory and handed on only when
// the document ends, so a failure before the end hands on nothing.
#include "converter/GridPrint.h"
#include "platform/PrinterSystem.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <memory>
#include <optional>

namespace quorvane {

// The drawing shared by the printer and the card file: where the page comes
// from and where the finished PDF goes is the subclass's.
class PdfPageSurface : public PrinterSurface {
public:
    ~PdfPageSurface() override;

    double twipsPerPixelX() override;
    double twipsPerPixelY() override;
    double currentX() override;
    double currentY() override;
    void setCurrent(double x, double y) override;
    void line(double x, double y, double dx, double dy) override;
    void rectangle(double x1, double y1, double x2, double y2) override;
    void printText(const std::string& text) override;
    void setFont(const std::string& family, double points) override;
    // Completes the page and hands it to deliver().
    void endDoc() override;

protected:
    struct Page {
        int resolution = 0;  // dots per inch
        QPageLayout layout;  // paper and printable area
    };
    // The page to draw on, asked for once, at the first operation; throws when there is none.
    virtual Page openPage() = 0;
    // Takes the finished PDF; throws when it cannot.
    virtual void deliver(const QByteArray& pdf) = 0;

private:
    const Page& page();
    QPainter& painter();
    QPointF device(double x, double y);

    std::optional<Page> page_;
    QBuffer pdf_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    double curX_ = 0, curY_ = 0;
    bool ended_ = false;
};

// The default printer as a surface for the chart routine.
class QtPrinterSurface : public PdfPageSurface {
public:
    // Nothing is asked of the printer system until the first operation, which
    // throws when there is no usable default printer. No wait on the printer
    // system goes past the deadline.
    explicit QtPrinterSurface(PrinterSystem& system,
                              SteadyClock::time_point deadline = SteadyClock::now() + kPrinterPatience);
    // Logs the reason as a warning, naming the printer.
    void failed(const std::string& reason) override;

protected:
    // The same page, resolution and printable area the printer's own driver would paint on.
    Page openPage() override;
    // Hands the page to the printer; throws when the printer system refuses it
    // or does not take it in time.
    void deliver(const QByteArray& pdf) override;

private:
    PrinterSystem& system_;
    SteadyClock::time_point deadline_;
    std::optional<DefaultPrinter> printer_;
};

}  // namespace quorvane
