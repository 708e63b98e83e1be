#pragma once

#include <QPointer>
#include <QString>
#include <QTableWidget>

#include <functional>

class QPainter;

// The class library's string grid over QTableWidget: Cells(col, row) with row 0 the fixed heading row
// and column 0 the fixed row-number column, both part of the cell model as in the original. The fixed
// rows stay in view above the scrolled rows, and no fixed cell ever becomes the current cell.
class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

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
    // goAlwaysShowEditor: while the grid has the focus its current cell is being edited. A click or a
    // key reaches the cell at once, and Enter and Esc leave the editor open.
    void SetAlwaysShowEditor(bool on);
    // The class library's grid has no keyboard search: a typed key never moves the current cell.
    void keyboardSearch(const QString&) override {}
    // goRowSizing, goColSizing: the borders of the fixed cells can be dragged. goRowMoving: a row is
    // dragged by its fixed cell to another place.
    void SetSizing(bool rows, bool cols);
    void SetRowMoving(bool on) { rowMoving_ = on; }
    // Moves the cells of row `from` to position `to`, shifting the rows between; the current row
    // stays with its cells.
    void MoveRow(int from, int to);
    // The same move of the cells alone: the current cell keeps its place.
    bool MoveRowCells(int from, int to);  // false when there was nothing to move

    // Custom cell drawing: called after the default drawing of each cell; the painter is clipped to
    // the cell. Arguments: painter, col, row, cell rectangle, is fixed, is selected.
    using DrawCellHandler = std::function<void(QPainter&, int, int, const QRect&, bool, bool)>;
    void SetOnDrawCell(DrawCellHandler handler) { onDrawCell_ = std::move(handler); }
    const DrawCellHandler& OnDrawCell() const { return onDrawCell_; }

    // Keyboard hooks for keys typed into the grid or into its cell editor, in the original's order:
    // KeyDown before the key acts, KeyPress with the typed character (set it to a null character to
    // discard the key), KeyUp when the key is released. Keys are Qt key codes.
    using KeyHandler = std::function<void(int key, Qt::KeyboardModifiers modifiers)>;
    using KeyPressHandler = std::function<void(QChar& key)>;
    void SetOnKeyDown(KeyHandler handler) { onKeyDown_ = std::move(handler); }
    void SetOnKeyPress(KeyPressHandler handler) { onKeyPress_ = std::move(handler); }
    void SetOnKeyUp(KeyHandler handler) { onKeyUp_ = std::move(handler); }

    // The in-place editor. While a cell is edited its text is the cell's text, and writing the cell
    // updates the editor, as with the original's in-place editor.
    bool EditorMode() const;
    void SetEditorMode(bool on);

    // Events of the cell editor: keys go to the hooks first, the grid's own action shortcuts win over
    // the editor's (Shift+Ins, Shift+Del), and focus leaving the editor for outside the grid is the
    // grid's exit. Returns true when the event was taken.
    bool EditorEvent(QObject* editor, QEvent* event);
    // An editor closed while one of its events is still being handled (a message box shown from a key
    // handler runs a loop of its own) is only hidden then, and freed once that event is done: freeing
    // it under the event would crash. Returns false when it may go at once.
    bool RetireEditorLater(QWidget* editor);

signals:
    void CellSelected(int col, int row);  // the original's OnClick / OnSelectCell
    void Exited();                        // focus left the grid

protected:
    // Fixed cells are never current: the cursor keys and the mouse stop at the first movable cell.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    using QTableWidget::edit;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void refreshFixed();
    QTableWidgetItem* itemAt(int col, int row, bool create);
    bool isFixed(const QModelIndex& index) const;
    void paintFixedCell(QPainter& painter, int col, int row, const QRect& cell);
    int rowBorderAt(const QPoint& pos) const;  // row whose lower border in the fixed column is at pos
    void showEditor();  // the always-shown editor, on the current cell of the focused grid

    class FixedRowsHeader;
    FixedRowsHeader* header_ = nullptr;  // draws the fixed rows above the scrolled cells
    bool rowSizing_ = false;
    bool rowMoving_ = false;
    enum class Drag { None, RowSize, RowMove };
    Drag drag_ = Drag::None;
    int dragRow_ = -1;
    int dragOffset_ = 0;

    int fixedRows_ = 1;
    int fixedCols_ = 1;
    bool editing_ = true;
    bool alwaysShowEditor_ = false;
    DrawCellHandler onDrawCell_;
    KeyHandler onKeyDown_;
    KeyPressHandler onKeyPress_;
    KeyHandler onKeyUp_;
    bool forwardingKey_ = false;  // a key the grid has seen and hands on to a new editor
    int editorEventDepth_ = 0;     // editor events being handled, nested through message loops
    QList<QPointer<QWidget>> retiredEditors_;

    bool keyDown(QKeyEvent* event, QWidget* editor);
    bool editorEventTaken(QObject* editor, QEvent* event);
    void keyUp(QKeyEvent* event);
};
