#include "base/string_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (grid_->OnDrawCell()) {
            painter->save();
            painter->setClipRect(option.rect);
            bool fixed = index.row() < grid_->FixedRows() || index.column() < grid_->FixedCols();
            grid_->OnDrawCell()(*painter, index.column(), index.row(), option.rect, fixed,
                                option.state & QStyle::State_Selected);
            painter->restore();
        }
    }

private:
    TStringGrid* grid_;
};
}  // namespace

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setColumnCount(5);
    setRowCount(5);
    setItemDelegate(new GridDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(24);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
        if (row >= 0 && col >= 0)
            emit CellSelected(col, row);
    });
    refreshFixed();
}

QTableWidgetItem* TStringGrid::itemAt(int col, int row, bool create)
{
    QTableWidgetItem* it = item(row, col);
    if (!it && create) {
        it = new QTableWidgetItem;
        setItem(row, col, it);
        bool fixed = row < fixedRows_ || col < fixedCols_;
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (!fixed && editing_)
            flags |= Qt::ItemIsEditable;
        it->setFlags(flags);
        if (fixed)
            it->setBackground(palette().button());
    }
    return it;
}

QString TStringGrid::Cells(int col, int row) const
{
    QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void TStringGrid::SetCells(int col, int row, const QString& text)
{
    if (col < 0 || row < 0 || col >= columnCount() || row >= rowCount())
        return;
    itemAt(col, row, true)->setText(text);
}

void TStringGrid::SetRowCount(int rows)
{
    int old = rowCount();
    setRowCount(rows);
    if (rows > old)
        for (int r = old; r < rows; ++r)
            for (int c = 0; c < columnCount(); ++c)
                itemAt(c, r, true);
}

void TStringGrid::SetColCount(int cols)
{
    setColumnCount(cols);
    refreshFixed();
}

int TStringGrid::Row() const
{
    return currentRow();
}

int TStringGrid::Col() const
{
    return currentColumn();
}

void TStringGrid::SetRow(int row)
{
    setCurrentCell(row, qMax(currentColumn(), fixedCols_));
}

void TStringGrid::SetCol(int col)
{
    setCurrentCell(qMax(currentRow(), fixedRows_), col);
}

void TStringGrid::SetColWidth(int col, int width)
{
    setColumnWidth(col, width);
}

int TStringGrid::ColWidth(int col) const
{
    return columnWidth(col);
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height);
}

void TStringGrid::SetEditing(bool editing)
{
    editing_ = editing;
    refreshFixed();
}

void TStringGrid::refreshFixed()
{
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem* it = itemAt(c, r, true);
            bool fixed = r < fixedRows_ || c < fixedCols_;
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (!fixed && editing_)
                flags |= Qt::ItemIsEditable;
            it->setFlags(flags);
            it->setBackground(fixed ? palette().button() : palette().base());
        }
}

void TStringGrid::focusOutEvent(QFocusEvent* event)
{
    QTableWidget::focusOutEvent(event);
    if (!isAncestorOf(QApplication::focusWidget()))
        emit Exited();
}
