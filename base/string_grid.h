#pragma once

#include <QString>
#include <QTableWidget>

#include <functional>

class QPainter;

// The class library's string grid over QTableWidget: Cells(col, row) with row 0 the fixed heading row
// and column 0 the fixed row-number column, both part of the cell model as in the original.
class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);  // grows nothing: out of range is ignored

    int RowCount() const { return rowCount(); }
    void SetRowCount(int rows);
    int ColCount() const { return columnCount(); }
    void SetColCount(int cols);
    int Row() const;  // the selected row
    int Col() const;
    void SetRow(int row);
    void SetCol(int col);
    void SetColWidth(int col, int width);
    int ColWidth(int col) const;
    void SetDefaultRowHeight(int height);
    void SetFixedRows(int rows) { fixedRows_ = rows; refreshFixed(); }
    void SetFixedCols(int cols) { fixedCols_ = cols; refreshFixed(); }
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetEditing(bool editing);  // goEditing

    // Custom cell drawing: called after the default drawing of each cell; the painter is clipped to
    // the cell. Arguments: painter, col, row, cell rectangle, is fixed, is selected.
    using DrawCellHandler = std::function<void(QPainter&, int, int, const QRect&, bool, bool)>;
    void SetOnDrawCell(DrawCellHandler handler) { onDrawCell_ = std::move(handler); }
    const DrawCellHandler& OnDrawCell() const { return onDrawCell_; }

signals:
    void CellSelected(int col, int row);  // the original's OnClick / OnSelectCell
    void Exited();                        // focus left the grid

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void refreshFixed();
    QTableWidgetItem* itemAt(int col, int row, bool create);

    int fixedRows_ = 1;
    int fixedCols_ = 1;
    bool editing_ = true;
    DrawCellHandler onDrawCell_;
};
