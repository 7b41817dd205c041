#include "platform/QtPrinterSurface.h"

#include <QDebug>

#include <stdexcept>

namespace quorvane {

QtPrinterSurface::QtPrinterSurface(PrinterSystem& system, SteadyClock::time_point deadline)
    : system_(system), deadline_(deadline) {}

// A page left unfinished by a failure is simply dropped: it never left the program.
QtPrinterSurface::~QtPrinterSurface() = default;

const DefaultPrinter& QtPrinterSurface::open() {
    if (ended_) throw std::runtime_error("the document had already been sent");
    if (!printer_) {
        printer_ = system_.defaultPrinter(deadline_);
        if (!printer_) throw std::runtime_error("no default printer answered in time");
    }
    return *printer_;
}

QPainter& QtPrinterSurface::painter() {
    const DefaultPrinter& p = open();
    if (!painter_) {
        // The same page, resolution and printable area the printer's own driver would paint on.
        pdf_.open(QIODevice::WriteOnly);
        writer_ = std::make_unique<QPdfWriter>(&pdf_);
        writer_->setCreator("Quorvane");
        writer_->setTitle("Quorvane");
        writer_->setResolution(p.resolution);
        writer_->setPageLayout(p.layout);
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(writer_.get())) throw std::runtime_error("the page cannot be drawn");
        painter_ = std::move(painter);
    }
    return *painter_;
}

double QtPrinterSurface::twipsPerPixelX() { return 1440.0 / open().resolution; }
double QtPrinterSurface::twipsPerPixelY() { return 1440.0 / open().resolution; }

double QtPrinterSurface::currentX() {
    open();
    return curX_;
}
double QtPrinterSurface::currentY() {
    open();
    return curY_;
}
void QtPrinterSurface::setCurrent(double x, double y) {
    open();
    curX_ = x;
    curY_ = y;
}

// The painter's origin is the top-left corner of the printable area.
QPointF QtPrinterSurface::device(double x, double y) {
    const double perTwip = open().resolution / 1440.0;
    return QPointF(x * perTwip, y * perTwip);
}

void QtPrinterSurface::line(double x, double y, double dx, double dy) {
    QPainter& p = painter();
    p.drawLine(device(x, y), device(x + dx, y + dy));
    curX_ = x + dx;
    curY_ = y + dy;
}

void QtPrinterSurface::rectangle(double x1, double y1, double x2, double y2) {
    QPainter& p = painter();
    p.save();
    p.setBrush(Qt::NoBrush);  // unfilled, whatever the painter's brush
    p.drawRect(QRectF(device(x1, y1), device(x2, y2)).normalized());
    p.restore();
    curX_ = x2;
    curY_ = y2;
}

void QtPrinterSurface::printText(const std::string& text) {
    QPainter& p = painter();
    const QString t = QString::fromStdString(text);
    // Top of the line at the current position: the baseline sits one ascent lower.
    const QPointF top = device(curX_, curY_);
    p.drawText(QPointF(top.x(), top.y() + p.fontMetrics().ascent()), t);
    // Like a printed line, the position moves to the start of the next line.
    curX_ = 0;
    curY_ += p.fontMetrics().lineSpacing() * 1440.0 / open().resolution;
}

void QtPrinterSurface::endDoc() {
    QPainter& p = painter();
    ended_ = true;
    if (!p.end()) throw std::runtime_error("the page could not be completed");
    if (SubmitError error = system_.submitPdf(printer_->name, pdf_.data(), deadline_))
        throw std::runtime_error("the printer system did not take the page: " + *error);
}

void QtPrinterSurface::failed(const std::string& reason) {
    qWarning("quorvane: printing on %s failed: %s", printer_ ? printer_->name.c_str() : "the default printer",
             reason.c_str());
}

}  // namespace quorvane
