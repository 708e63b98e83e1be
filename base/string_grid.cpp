#include "base/string_grid.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    // The grid goes first when it is destroyed; its editors still send events on their way out.
    void Detach() { grid_ = nullptr; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (grid_ && grid_->OnDrawCell()) {
            painter->save();
            painter->setClipRect(option.rect);
            bool fixed = index.row() < grid_->FixedRows() || index.column() < grid_->FixedCols();
            grid_->OnDrawCell()(*painter, index.column(), index.row(), option.rect, fixed,
                                option.state & QStyle::State_Selected);
            painter->restore();
        }
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        // The in-place editor is the size of its cell and scrolls a longer text; Qt's own widens over
        // the next cells as its text grows, and a click on one of them would land in it.
        auto* line = new QLineEdit(parent);
        line->setFrame(line->style()->styleHint(QStyle::SH_ItemView_DrawDelegateFrame, nullptr, line));
        if (grid_) {
            untouched_ = line;
            // Typing writes through to the cell, so the grid's cells always hold what is shown.
            QPersistentModelIndex cell(index);
            TStringGrid* grid = grid_;
            connect(line, &QLineEdit::textEdited, grid, [grid, cell](const QString& text) {
                if (cell.isValid())
                    grid->SetCells(cell.column(), cell.row(), text);
            });
        }
        return line;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        // The editor already shows the text it wrote through; setting it again would move the cursor.
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (line && line->text() == index.data(Qt::EditRole).toString())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
        // A cell entered shows its whole text selected, also when entering it rewrote it (a click
        // that computes the row), so that typing replaces it.
        if (line && line == untouched_)
            line->selectAll();
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override
    {
        if (grid_ && grid_->RetireEditorLater(editor))
            return;
        QStyledItemDelegate::destroyEditor(editor, index);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (object == untouched_ && (type == QEvent::KeyPress || type == QEvent::MouseButtonPress ||
                                     type == QEvent::MouseButtonDblClick || type == QEvent::InputMethod))
            untouched_ = nullptr;
        if (grid_ && grid_->EditorEvent(object, event))
            return true;
        // A message box or a pop-up menu taking the keyboard leaves the editor open with its text, as
        // the class library's in-place editor stays; the focus comes back to it afterwards.
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
                return false;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TStringGrid* grid_;
    mutable QPointer<QLineEdit> untouched_;  // the editor opened last, until a key or click reaches it
};

QAction* shortcutAction(const QWidget* widget, const QKeyEvent* event)
{
    const QKeySequence pressed(event->keyCombination());
    for (QAction* action : widget->actions())
        if (action->isEnabled() && action->shortcut() == pressed)
            return action;
    return nullptr;
}

// A key of one of the grid's actions that reaches the grid, as when its window is not the active one,
// runs the action before the key handlers see it, as the pop-up menu's shortcuts do.
bool triggerShortcut(const QWidget* widget, const QKeyEvent* event)
{
    QAction* action = shortcutAction(widget, event);
    if (action)
        action->trigger();
    return action != nullptr;
}

// Characters the original's key-press event sees: printable ones, Backspace and Enter.
bool isTypedCharacter(const QKeyEvent* event)
{
    if (event->text().size() != 1)
        return false;
    const QChar ch = event->text().at(0);
    return ch.isPrint() || ch == u'\b' || ch == u'\r';
}
}  // namespace

// The fixed rows are hidden among the cells and drawn here instead, so that they do not scroll away;
// each section draws the fixed cells of its column as the grid draws any cell.
class TStringGrid::FixedRowsHeader : public QHeaderView {
public:
    explicit FixedRowsHeader(TStringGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setSectionResizeMode(QHeaderView::Fixed);
    }

    QSize sizeHint() const override
    {
        QSize size = QHeaderView::sizeHint();
        size.setHeight(grid_->FixedRows() * grid_->verticalHeader()->defaultSectionSize());
        return size;
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QHeaderView::paintEvent(event);
        // Beyond the last column the grid shows its own background, as below the last row.
        const int end = count() > 0 ? sectionViewportPosition(count() - 1) + sectionSize(count() - 1) : 0;
        if (end < viewport()->width()) {
            QPainter painter(viewport());
            painter.fillRect(QRect(end, 0, viewport()->width() - end, viewport()->height()), grid_->palette().base());
        }
    }

    void paintSection(QPainter* painter, const QRect& rect, int col) const override
    {
        const int height = grid_->verticalHeader()->defaultSectionSize();
        for (int row = 0; row < grid_->FixedRows(); ++row) {
            painter->save();
            grid_->paintFixedCell(*painter, col, row, QRect(rect.left(), rect.top() + row * height, rect.width(), height));
            painter->restore();
        }
    }

private:
    TStringGrid* grid_;
};

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(parent)
{
    header_ = new FixedRowsHeader(this);
    setHorizontalHeader(header_);
    verticalHeader()->hide();
    viewport()->setMouseTracking(true);
    connect(model(), &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& topLeft) {
        if (topLeft.row() < fixedRows_)
            header_->viewport()->update();
    });
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

TStringGrid::~TStringGrid()
{
    if (auto* delegate = dynamic_cast<GridDelegate*>(itemDelegate()))
        delegate->Detach();
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
        for (int r = old; r < rows; ++r) {
            setRowHidden(r, r < fixedRows_);
            for (int c = 0; c < columnCount(); ++c)
                itemAt(c, r, true);
        }
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
    setCurrentCell(qMax(row, fixedRows_), qMax(currentColumn(), fixedCols_));
}

void TStringGrid::SetCol(int col)
{
    setCurrentCell(qMax(currentRow(), fixedRows_), qMax(col, fixedCols_));
}

void TStringGrid::SetColWidth(int col, int width)
{
    // The class library's grid takes any width; the header's style minimum would widen narrow columns.
    if (width < horizontalHeader()->minimumSectionSize())
        horizontalHeader()->setMinimumSectionSize(width);
    setColumnWidth(col, width);
}

int TStringGrid::ColWidth(int col) const
{
    return columnWidth(col);
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height);
    header_->updateGeometry();
    updateGeometries();
}

void TStringGrid::SetEditing(bool editing)
{
    editing_ = editing;
    refreshFixed();
}

void TStringGrid::SetAlwaysShowEditor(bool on)
{
    alwaysShowEditor_ = on;
    // A click on the current cell opens the editor at once, not after the double-click interval.
    setEditTriggers(on ? CurrentChanged | DoubleClicked | EditKeyPressed | AnyKeyPressed
                       : DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
}

void TStringGrid::showEditor()
{
    const QModelIndex current = currentIndex();
    if (alwaysShowEditor_ && hasFocus() && state() != EditingState && current.isValid() && !isFixed(current))
        edit(current, AllEditTriggers, nullptr);
}

void TStringGrid::SetSizing(bool rows, bool cols)
{
    rowSizing_ = rows;
    header_->setSectionResizeMode(cols ? QHeaderView::Interactive : QHeaderView::Fixed);
}

bool TStringGrid::MoveRowCells(int from, int to)
{
    const int rows = rowCount();
    if (from == to || from < 0 || to < 0 || from >= rows || to >= rows)
        return false;
    const int cols = columnCount();
    QStringList moved;
    for (int c = 0; c < cols; ++c)
        moved << Cells(c, from);
    const int step = from < to ? 1 : -1;
    for (int r = from; r != to; r += step)
        for (int c = 0; c < cols; ++c)
            SetCells(c, r, Cells(c, r + step));
    for (int c = 0; c < cols; ++c)
        SetCells(c, to, moved[c]);
    return true;
}

void TStringGrid::MoveRow(int from, int to)
{
    if (!MoveRowCells(from, to))
        return;
    const int current = currentRow();
    int follow = current;
    if (current == from)
        follow = to;
    else if (from > to && current >= to && current < from)
        ++follow;
    else if (from < to && current > from && current <= to)
        --follow;
    if (follow != current) {
        // The selection follows its cells; no other cell was chosen.
        QSignalBlocker block(this);
        setCurrentCell(follow, currentColumn());
    }
}

bool TStringGrid::isFixed(const QModelIndex& index) const
{
    return index.row() < fixedRows_ || index.column() < fixedCols_;
}

void TStringGrid::paintFixedCell(QPainter& painter, int col, int row, const QRect& cell)
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = cell;
    option.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
    itemDelegate()->paint(&painter, option, model()->index(row, col));
    if (showGrid()) {
        painter.setClipping(false);
        painter.setPen(QColor::fromRgba(static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this))));
        painter.drawLine(cell.topRight(), cell.bottomRight());
        painter.drawLine(cell.bottomLeft(), cell.bottomRight());
    }
}

int TStringGrid::rowBorderAt(const QPoint& pos) const
{
    const int col = columnAt(pos.x());
    if (!rowSizing_ || col < 0 || col >= fixedCols_)
        return -1;
    for (int row : {rowAt(pos.y() - 3), rowAt(pos.y() + 3)})
        if (row >= fixedRows_ && std::abs(pos.y() - (rowViewportPosition(row) + rowHeight(row))) <= 3)
            return row;
    return -1;
}

QModelIndex TStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (!next.isValid() || !isFixed(next))
        return next;
    int row = next.row(), col = next.column();
    if (action == MovePrevious && current.isValid() && col < fixedCols_) {
        // Shift+Tab from the first cell of a row goes to the end of the row above.
        row = current.row() - 1;
        col = columnCount() - 1;
        if (row < fixedRows_)
            return current;
    }
    row = std::max(row, fixedRows_);
    col = std::max(col, fixedCols_);
    if (row >= rowCount() || col >= columnCount())
        return current;
    return model()->index(row, col);
}

void TStringGrid::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        if (const int row = rowBorderAt(pos); row >= 0) {
            drag_ = Drag::RowSize;
            dragRow_ = row;
            return;
        }
    }
    const QModelIndex index = indexAt(pos);
    if (index.isValid() && isFixed(index)) {
        if (rowMoving_ && event->button() == Qt::LeftButton) {
            drag_ = Drag::RowMove;
            dragRow_ = index.row();
        }
    } else {
        QTableWidget::mousePressEvent(event);
    }
    // Whatever was clicked, the keys typed next go to the current cell.
    showEditor();
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (drag_ == Drag::RowSize) {
        setRowHeight(dragRow_, std::max(1, pos.y() - rowViewportPosition(dragRow_)));
        return;
    }
    if (drag_ == Drag::RowMove)
        return;
    if (event->buttons() == Qt::NoButton) {
        if (rowBorderAt(pos) >= 0)
            viewport()->setCursor(Qt::SplitVCursor);
        else
            viewport()->unsetCursor();
    } else if (const QModelIndex index = indexAt(pos); index.isValid() && isFixed(index)) {
        return;  // a drag over the fixed cells selects nothing
    }
    QTableWidget::mouseMoveEvent(event);
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (drag_ != Drag::None) {
        const int to = rowAt(event->position().toPoint().y());
        if (drag_ == Drag::RowMove && to >= fixedRows_)
            MoveRow(dragRow_, to);
        drag_ = Drag::None;
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (const QModelIndex index = indexAt(pos); rowBorderAt(pos) >= 0 || (index.isValid() && isFixed(index)))
        return;
    QTableWidget::mouseDoubleClickEvent(event);
}

void TStringGrid::refreshFixed()
{
    for (int r = 0; r < rowCount(); ++r)
        setRowHidden(r, r < fixedRows_);
    header_->setVisible(fixedRows_ > 0);
    header_->updateGeometry();
    updateGeometries();
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

void TStringGrid::focusInEvent(QFocusEvent* event)
{
    QTableWidget::focusInEvent(event);
    // Also a click on the headings or a scroll bar brings the editor; the view itself takes the focus
    // back from an editor it closes.
    if (event->reason() != Qt::OtherFocusReason)
        showEditor();
}

void TStringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableWidget::closeEditor(editor, hint);
    // Tab from the last cell moves nowhere; the editor stays shown there.
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem)
        showEditor();
}

void TStringGrid::focusOutEvent(QFocusEvent* event)
{
    QTableWidget::focusOutEvent(event);
    if (!isAncestorOf(QApplication::focusWidget()))
        emit Exited();
}

bool TStringGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // The always-shown editor belongs to a grid that has the focus: a command that moves the current
    // cell of a grid the user is not in must not pull the keyboard away from where the user is.
    if (trigger == CurrentChanged && !hasFocus() && !isAncestorOf(QApplication::focusWidget()))
        return false;
    return QTableWidget::edit(index, trigger, event);
}

bool TStringGrid::EditorMode() const
{
    return state() == QAbstractItemView::EditingState;
}

void TStringGrid::SetEditorMode(bool on)
{
    if (on && !EditorMode() && currentIndex().isValid())
        edit(currentIndex());
    else if (!on && EditorMode())
        setFocus();  // closes the editor, keeping its text
}

bool TStringGrid::keyDown(QKeyEvent* event, QWidget* editor)
{
    if (triggerShortcut(this, event))
        return true;
    if (onKeyDown_)
        onKeyDown_(event->key(), event->modifiers());
    if (!onKeyPress_ || !isTypedCharacter(event))
        return false;
    const QChar typed = event->text().at(0);
    QChar key = typed;
    onKeyPress_(key);
    if (key.isNull())
        return true;
    if (key != typed) {
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->insert(QString(key));
            emit line->textEdited(line->text());
        }
        return true;
    }
    return false;
}

void TStringGrid::keyUp(QKeyEvent* event)
{
    if (onKeyUp_ && !event->isAutoRepeat())
        onKeyUp_(event->key(), event->modifiers());
}

bool TStringGrid::RetireEditorLater(QWidget* editor)
{
    if (editorEventDepth_ == 0)
        return false;
    editor->hide();
    retiredEditors_ << editor;
    return true;
}

bool TStringGrid::EditorEvent(QObject* editor, QEvent* event)
{
    ++editorEventDepth_;
    const bool taken = editorEventTaken(editor, event);
    if (--editorEventDepth_ == 0) {
        // Posted from here, the deletion waits for the editor's event to be finished.
        for (const QPointer<QWidget>& retired : std::exchange(retiredEditors_, {}))
            if (retired)
                retired->deleteLater();
    }
    return taken;
}

bool TStringGrid::editorEventTaken(QObject* editor, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusOut: {
        // A pop-up menu or another window taking the keyboard is no exit from the grid.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            QApplication::focusWidget() != this && !isAncestorOf(QApplication::focusWidget()))
            emit Exited();
        return false;
    }
    case QEvent::ShortcutOverride:
        if (shortcutAction(this, static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        return false;
    case QEvent::KeyPress: {
        if (forwardingKey_)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool taken = keyDown(key, qobject_cast<QWidget*>(editor));
        // The always-shown editor stays open with its text on Enter and Esc.
        const bool closing = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape;
        return taken || (alwaysShowEditor_ && closing);
    }
    case QEvent::KeyRelease:
        keyUp(static_cast<QKeyEvent*>(event));
        return false;
    default:
        return false;
    }
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    // Keys the editor passed on (arrows) were seen by the hooks already.
    if (!hasFocus()) {
        if (!triggerShortcut(this, event))
            QTableWidget::keyPressEvent(event);
        return;
    }
    if (keyDown(event, nullptr))
        return;
    forwardingKey_ = true;
    QTableWidget::keyPressEvent(event);
    forwardingKey_ = false;
}

void TStringGrid::keyReleaseEvent(QKeyEvent* event)
{
    if (hasFocus())
        keyUp(event);
    QTableWidget::keyReleaseEvent(event);
}
