#include "platform/CardPdf.h"

#include "converter/Converter.h"
#include "converter/GridPrint.h"
#include "platform/QtPrinterSurface.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <map>
#include <memory>
#include <stdexcept>

namespace quorvane {

// A whole sheet rather than a card-sized page: printed from a viewer at its
// usual "actual size", the card comes out 7 x 3.7 inches, where a small page
// would be blown up to fit the paper. The margins sit inside any printer's
// printable area, so nothing of the frame is cut off.
QPageLayout cardPdfPage() {
    const bool inches = QLocale::system().measurementSystem() != QLocale::MetricSystem;
    return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
}

namespace {

class PdfFileSurface : public PdfPageSurface {
public:
    explicit PdfFileSurface(QFileDevice& file) : file_(file) {}
    void failed(const std::string& reason) override { reason_ = reason; }
    const std::string& reason() const { return reason_; }

protected:
    Page openPage() override { return {kCardPdfResolution, cardPdfPage()}; }
    void deliver(const QByteArray& pdf) override {
        bool written = file_.write(pdf) == pdf.size();
        if (auto* whole = qobject_cast<QSaveFile*>(&file_))
            written = written && whole->commit();
        else
            written = written && file_.flush();
        if (!written) throw std::runtime_error(file_.errorString().toStdString());
    }

private:
    QFileDevice& file_;
    std::string reason_;
};

// grid_Print tells its failures instead of throwing them; the reason comes through the surface.
class Quiet : public UiServices {
public:
    void message(const std::string&, const std::string&, MsgIcon) override { told = true; }
    void setBusy(bool) override {}
    bool told = false;
};

// A grid in memory with the window grid's fixed settings: one fixed row, no
// fixed column, scrolled to the top left, bordered and ruled.
class CellGrid : public GridOps {
public:
    explicit CellGrid(const CardCells& cells) : cells_(cells) { Converter::applyStartupLayout(*this); }
    void setRows(int n) override { rows_ = n; }
    int rows() const override { return rows_; }
    void setCols(int n) override { cols_ = n; }
    int cols() const override { return cols_; }
    void setColWidth(int c, int tw) override { widths_[c] = tw; }
    int colWidth(int c) const override { return widths_.at(c); }
    void setRowHeight(int r, int tw) override { heights_[r] = tw; }
    int rowHeight(int r) const override { return heights_.at(r); }
    void setColAlignment(int, Align) override {}
    void setWidth(int tw) override { width_ = tw; }
    int width() const override { return width_; }
    void setHeight(int tw) override { height_ = tw; }
    int height() const override { return height_; }
    void setWordWrap(bool) override {}
    void setCellText(int r, int c, const std::string& t) override { cells_.at(r).at(c) = t; }
    std::string cellText(int r, int c) const override { return cells_.at(r).at(c); }
    void setCellAlignment(int, int, Align) override {}
    int fixedRows() const override { return 1; }
    int fixedCols() const override { return 0; }
    int topRow() const override { return 1; }
    int leftCol() const override { return 0; }
    int gridLines() const override { return 1; }
    int borderStyle() const override { return 1; }

private:
    CardCells cells_;
    int rows_ = 0, cols_ = 0, width_ = 0, height_ = 0;
    std::map<int, int> widths_, heights_;
};

}  // namespace

void writeCardPdf(const QString& file, GridOps& grid, const std::string& footer) {
    auto cannot = [&](const std::string& why) {
        return std::runtime_error(QCoreApplication::translate("CardPdf", "Cannot write %1: %2").arg(file, QString::fromStdString(why)).toStdString());
    };
    // A regular file is replaced only once the new one is complete. A device or a
    // pipe (/dev/stdout) is written as it is: the rename that replaces a file
    // would put a file in its place.
    const QFileInfo info(file);
    std::unique_ptr<QFileDevice> out;
    if (info.exists() && !info.isFile() && !info.isDir())
        out = std::make_unique<QFile>(file);
    else
        out = std::make_unique<QSaveFile>(file);
    if (!out->open(QIODevice::WriteOnly)) throw cannot(out->errorString().toStdString());
    PdfFileSurface page(*out);
    Quiet ui;
    grid_Print(grid, page, ui, footer);
    if (ui.told) throw cannot(page.reason());
}

void writeCardPdf(const QString& file, const CardCells& cells, const std::string& footer) {
    CellGrid grid(cells);
    writeCardPdf(file, grid, footer);
}

}  // namespace quorvane
