#pragma once
// The chart grid: a table of text cells, sized in twips.
#include "converter/Interfaces.h"

#include <QTableWidget>

#include <vector>

namespace quorvane {

class ChartGrid : public QTableWidget, public GridOps {
    Q_OBJECT
public:
    explicit ChartGrid(QWidget* parent = nullptr);

    void setRows(int n) override;
    int rows() const override { return rowCount(); }
    void setCols(int n) override;
    int cols() const override { return columnCount(); }
    void setColWidth(int col, int twips) override;
    int colWidth(int col) const override;
    void setRowHeight(int row, int twips) override;
    int rowHeight(int row) const override;
    void setColAlignment(int col, Align a) override;
    void setWidth(int twips) override;
    int width() const override { return widthTwips_; }
    void setHeight(int twips) override;
    int height() const override { return heightTwips_; }
    void setWordWrap(bool on) override { QTableWidget::setWordWrap(on); }
    void setCellText(int row, int col, const std::string& text) override;
    std::string cellText(int row, int col) const override;
    void setCellAlignment(int row, int col, Align a) override;
    int fixedRows() const override { return 1; }
    int fixedCols() const override { return 0; }
    int topRow() const override;
    int leftCol() const override;
    int gridLines() const override { return showGrid() ? 1 : 0; }
    int borderStyle() const override { return frameShape() == QFrame::NoFrame ? 0 : 1; }

    // A cell's text as shown, for tests and screenshots.
    QString shownText(int row, int col) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QTableWidgetItem* cell(int row, int col) const;
    void styleCell(int row, int col);
    void checkRow(int row) const;
    void checkCol(int col) const;

    int widthTwips_ = 0, heightTwips_ = 0;  // the constructor sets them
    std::vector<int> colTwips_, rowTwips_;
    std::vector<Align> colAlign_;
};

}  // namespace quorvane
