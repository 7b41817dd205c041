#include "platform/ChartGrid.h"
#include "platform/Translations.h"

#include "converter/GridLayout.h"
#include "platform/FocusMark.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPainter>

#include <algorithm>

namespace quorvane {
namespace {
Qt::Alignment toQt(Align a) {
    return a == Align::CenterTop ? (Qt::AlignHCenter | Qt::AlignTop) : (Qt::AlignLeft | Qt::AlignBottom);
}
const QColor kHeaderBack(224, 224, 224);
const QColor kOuterBack(192, 192, 192);
const QColor kGridLines(192, 192, 192);
const QColor kFixedLines(0, 0, 0);
}  // namespace

ChartGrid::ChartGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName("GridConvert");
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);  // Tab moves to the next control, not the next cell
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setShowGrid(true);
    setFont(QFont("Arial", 8));
    QFont f = font();
    f.setPointSizeF(8.25);
    setFont(f);
    // Grey where no cell is, grey grid lines, a black single-line border.
    QPalette pal = palette();
    pal.setColor(QPalette::Base, kOuterBack);
    pal.setColor(QPalette::Mid, kOuterBack);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setItemDelegate(new FocusMarkDelegate(this));
    setRows(GridLayout::kRows);
    setCols(GridLayout::kCols);
    setWidth(GridLayout::kCreatedWidth);
    setHeight(GridLayout::kCreatedHeight);
}

void ChartGrid::styleCell(int r, int c) {
    QTableWidgetItem* it = item(r, c);
    if (!it) {
        it = new QTableWidgetItem();
        setItem(r, c, it);
    }
    if (r == 0) {
        it->setBackground(kHeaderBack);
        it->setForeground(readableOn(QGuiApplication::palette().color(QPalette::ButtonText), kHeaderBack));
        it->setFlags(Qt::ItemIsEnabled);
    } else {
        it->setBackground(QGuiApplication::palette().color(QPalette::Base));
        it->setForeground(QGuiApplication::palette().color(QPalette::Text));
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    if (it->textAlignment() == 0 && static_cast<size_t>(c) < colAlign_.size())
        it->setTextAlignment(toQt(colAlign_[c]));
}

void ChartGrid::setRows(int n) {
    if (n < 1) throw GridError(trs("ChartGrid", "A chart needs at least one row."));
    setRowCount(n);
    rowTwips_.resize(n, 240);
    // Row numbers would only be noise to a screen reader: the rows have no names.
    for (int r = 0; r < n; ++r)
        if (!verticalHeaderItem(r)) setVerticalHeaderItem(r, new QTableWidgetItem(QString()));
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < columnCount(); ++c) styleCell(r, c);
}

void ChartGrid::setCols(int n) {
    if (n < 1) throw GridError(trs("ChartGrid", "A chart needs at least one column."));
    setColumnCount(n);
    colTwips_.resize(n, 960);
    colAlign_.resize(n, Align::LeftBottom);
    // The header row's names are also the columns' headers for a screen reader;
    // the header itself stays hidden, row 0 shows them.
    for (int c = 0; c < n; ++c)
        if (!horizontalHeaderItem(c)) setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < n; ++c) styleCell(r, c);
}

void ChartGrid::checkRow(int r) const {
    if (r < 0 || r >= rowCount()) throw GridError(fillIn(trs("ChartGrid", "Row %1 is outside the chart."), {std::to_string(r)}));
}
void ChartGrid::checkCol(int c) const {
    if (c < 0 || c >= columnCount()) throw GridError(fillIn(trs("ChartGrid", "Column %1 is outside the chart."), {std::to_string(c)}));
}

void ChartGrid::setColWidth(int c, int twips) {
    checkCol(c);
    colTwips_[c] = twips;
    setColumnWidth(c, twipsToPixels(twips));
}
int ChartGrid::colWidth(int c) const {
    checkCol(c);
    return colTwips_[c];
}
void ChartGrid::setRowHeight(int r, int twips) {
    checkRow(r);
    rowTwips_[r] = twips;
    QTableWidget::setRowHeight(r, twipsToPixels(twips));
}
int ChartGrid::rowHeight(int r) const {
    checkRow(r);
    return rowTwips_[r];
}

void ChartGrid::setColAlignment(int c, Align a) {
    checkCol(c);
    colAlign_[c] = a;
    // The column's alignment applies to its body cells; header cells keep their own.
    for (int r = 1; r < rowCount(); ++r) item(r, c)->setTextAlignment(toQt(a));
    if (item(0, c)->textAlignment() == 0) item(0, c)->setTextAlignment(toQt(a));
}

void ChartGrid::setWidth(int twips) {
    widthTwips_ = twips;
    resize(twipsToPixels(twips), QTableWidget::height());
}
void ChartGrid::setHeight(int twips) {
    heightTwips_ = twips;
    resize(QTableWidget::width(), twipsToPixels(twips));
}

QTableWidgetItem* ChartGrid::cell(int r, int c) const {
    checkRow(r);
    checkCol(c);
    return item(r, c);
}

void ChartGrid::setCellText(int r, int c, const std::string& text) {
    cell(r, c)->setText(QString::fromStdString(text));
    if (r == 0) horizontalHeaderItem(c)->setText(QString::fromStdString(text));
}
std::string ChartGrid::cellText(int r, int c) const { return cell(r, c)->text().toStdString(); }
void ChartGrid::setCellAlignment(int r, int c, Align a) { cell(r, c)->setTextAlignment(toQt(a)); }

QString ChartGrid::shownText(int r, int c) const { return cell(r, c)->text(); }

// Light grey lines between the cells, black ones around and between the header
// cells; the style's own grid colour is neither.
void ChartGrid::paintEvent(QPaintEvent* e) {
    QTableWidget::paintEvent(e);
    if (!showGrid() || rowCount() == 0 || columnCount() == 0) return;
    QPainter p(viewport());
    const int last = rowCount() - 1;
    const int bottom = std::min(viewport()->height(), rowViewportPosition(last) + QTableWidget::rowHeight(last));
    const int headerTop = rowViewportPosition(0);
    const int headerLine = headerTop + QTableWidget::rowHeight(0) - 1;
    for (int r = 0; r < rowCount(); ++r) {
        const int y = rowViewportPosition(r) + QTableWidget::rowHeight(r) - 1;
        p.setPen(r < fixedRows() ? kFixedLines : kGridLines);
        p.drawLine(0, y, viewport()->width(), y);
    }
    for (int c = 0; c < columnCount(); ++c) {
        const int x = columnViewportPosition(c) + columnWidth(c) - 1;
        p.setPen(kGridLines);
        p.drawLine(x, headerLine + 1, x, bottom - 1);
        p.setPen(kFixedLines);
        p.drawLine(x, headerTop, x, headerLine);
    }
}

int ChartGrid::topRow() const {
    int r = rowAt(0);
    return r < fixedRows() ? fixedRows() : r;
}
int ChartGrid::leftCol() const {
    int c = columnAt(0);
    return c < 0 ? 0 : c;
}

}  // namespace quorvane
