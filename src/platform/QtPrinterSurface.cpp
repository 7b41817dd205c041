#include "platform/QtPrinterSurface.h"

#include <QPrinterInfo>

#include <stdexcept>

namespace quorvane {

QtPrinterSurface::QtPrinterSurface() = default;

QtPrinterSurface::~QtPrinterSurface() {
    // A page left unfinished by a failure is thrown away, not printed half-drawn.
    if (painter_ && painter_->isActive() && !ended_) {
        printer_->abort();
        painter_->end();
    }
}

QPrinter& QtPrinterSurface::open() {
    if (ended_) throw std::runtime_error("The document has already been sent to the printer.");
    if (printer_) return *printer_;
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) throw std::runtime_error("No default printer is installed.");
    auto p = std::make_unique<QPrinter>(info, QPrinter::PrinterResolution);
    if (!p->isValid()) throw std::runtime_error("The default printer cannot be used.");
    if (p->resolution() <= 0) throw std::runtime_error("The default printer reports no resolution.");
    printer_ = std::move(p);
    return *printer_;
}

QPainter& QtPrinterSurface::painter() {
    QPrinter& p = open();
    if (!painter_) {
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(&p)) throw std::runtime_error("The default printer does not accept a document.");
        painter_ = std::move(painter);
    }
    return *painter_;
}

double QtPrinterSurface::twipsPerPixelX() { return 1440.0 / open().resolution(); }
double QtPrinterSurface::twipsPerPixelY() { return 1440.0 / open().resolution(); }

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
    const double perTwip = open().resolution() / 1440.0;
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
    curY_ += p.fontMetrics().lineSpacing() * 1440.0 / open().resolution();
}

void QtPrinterSurface::endDoc() {
    QPainter& p = painter();
    ended_ = true;
    if (!p.end()) throw std::runtime_error("The page could not be sent to the printer.");
}

}  // namespace quorvane
