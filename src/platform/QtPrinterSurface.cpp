#include "platform/QtPrinterSurface.h"

#include <QDebug>

#include <stdexcept>

namespace quorvane {

// A page left unfinished by a failure is simply dropped: it never left the program.
PdfPageSurface::~PdfPageSurface() = default;

const PdfPageSurface::Page& PdfPageSurface::page() {
    if (ended_) throw std::runtime_error("the document had already been sent");
    if (!page_) page_ = openPage();
    return *page_;
}

QPainter& PdfPageSurface::painter() {
    const Page& p = page();
    if (!painter_) {
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

double PdfPageSurface::twipsPerPixelX() { return 1440.0 / page().resolution; }
double PdfPageSurface::twipsPerPixelY() { return 1440.0 / page().resolution; }

double PdfPageSurface::currentX() {
    page();
    return curX_;
}
double PdfPageSurface::currentY() {
    page();
    return curY_;
}
void PdfPageSurface::setCurrent(double x, double y) {
    page();
    curX_ = x;
    curY_ = y;
}

// The painter's origin is the top-left corner of the printable area.
QPointF PdfPageSurface::device(double x, double y) {
    const double perTwip = page().resolution / 1440.0;
    return QPointF(x * perTwip, y * perTwip);
}

void PdfPageSurface::line(double x, double y, double dx, double dy) {
    QPainter& p = painter();
    p.drawLine(device(x, y), device(x + dx, y + dy));
    curX_ = x + dx;
    curY_ = y + dy;
}

void PdfPageSurface::rectangle(double x1, double y1, double x2, double y2) {
    QPainter& p = painter();
    p.save();
    p.setBrush(Qt::NoBrush);  // unfilled, whatever the painter's brush
    p.drawRect(QRectF(device(x1, y1), device(x2, y2)).normalized());
    p.restore();
    curX_ = x2;
    curY_ = y2;
}

void PdfPageSurface::printText(const std::string& text) {
    QPainter& p = painter();
    const QString t = QString::fromStdString(text);
    // Top of the line at the current position: the baseline sits one ascent lower.
    const QPointF top = device(curX_, curY_);
    p.drawText(QPointF(top.x(), top.y() + p.fontMetrics().ascent()), t);
    // Like a printed line, the position moves to the start of the next line.
    curX_ = 0;
    curY_ += p.fontMetrics().lineSpacing() * 1440.0 / page().resolution;
}

// Points are resolved against the page's resolution, so the size is the same on any printer.
void PdfPageSurface::setFont(const std::string& family, double points) {
    QFont font(QString::fromStdString(family));
    font.setPointSizeF(points);
    painter().setFont(font);
}

void PdfPageSurface::endDoc() {
    QPainter& p = painter();
    ended_ = true;
    if (!p.end()) throw std::runtime_error("the page could not be completed");
    deliver(pdf_.data());
}

QtPrinterSurface::QtPrinterSurface(PrinterSystem& system, SteadyClock::time_point deadline)
    : system_(system), deadline_(deadline) {}

PdfPageSurface::Page QtPrinterSurface::openPage() {
    printer_ = system_.defaultPrinter(deadline_);
    if (!printer_) throw std::runtime_error("no default printer answered in time");
    return {printer_->resolution, printer_->layout};
}

void QtPrinterSurface::deliver(const QByteArray& pdf) {
    if (SubmitError error = system_.submitPdf(printer_->name, pdf, deadline_))
        throw std::runtime_error("the printer system did not take the page: " + *error);
}

void QtPrinterSurface::failed(const std::string& reason) {
    qWarning("quorvane: printing on %s failed: %s", printer_ ? printer_->name.c_str() : "the default printer",
             reason.c_str());
}

}  // namespace quorvane
