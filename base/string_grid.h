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

signals:
    void CellSelected(int col, int row);  // the original's OnClick / OnSelectCell
    void Exited();                        // focus left the grid

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void refreshFixed();
    QTableWidgetItem* itemAt(int col, int row, bool create);

    int fixedRows_ = 1;
    int fixedCols_ = 1;
    bool editing_ = true;
    DrawCellHandler onDrawCell_;
    KeyHandler onKeyDown_;
    KeyPressHandler onKeyPress_;
    KeyHandler onKeyUp_;
    bool forwardingKey_ = false;  // a key the grid has seen and hands on to a new editor

    bool keyDown(QKeyEvent* event, QWidget* editor);
    void keyUp(QKeyEvent* event);
};
