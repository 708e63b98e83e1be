#include "base/string_grid.h"

#include "input_support.h"

#include <QHeaderView>

#include <gtest/gtest.h>

#include <memory>

namespace {
std::unique_ptr<TStringGrid> lettered(int rows)
{
    auto grid = std::make_unique<TStringGrid>();
    grid->SetColCount(5);
    grid->SetRowCount(rows);
    grid->SetDefaultRowHeight(20);
    for (int r = 0; r < rows; ++r)
        grid->SetCells(1, r, QString(QChar('A' + r)));
    grid->resize(400, 200);
    grid->show();
    grid->setCurrentCell(1, 1);
    return grid;
}

void press(TStringGrid& grid, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    grid.setFocus();
    SendKey(&grid, key, modifiers, {}, true);
}

void drag(QWidget* target, QPoint from, QPoint to)
{
    SendMouse(target, QEvent::MouseButtonPress, from);
    SendMouse(target, QEvent::MouseMove, to, Qt::NoButton);
    SendMouse(target, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

QPoint centre(const TStringGrid& grid, int col, int row)
{
    return grid.visualRect(grid.model()->index(row, col)).center();
}

QString column1(const TStringGrid& grid)
{
    QString letters;
    for (int r = 0; r < grid.RowCount(); ++r)
        letters += grid.Cells(1, r);
    return letters;
}

TEST(StringGrid, FixedCellsNeverBecomeCurrent)
{
    auto grid = lettered(4);
    int selected = 0;
    QObject::connect(grid.get(), &TStringGrid::CellSelected, [&selected] { ++selected; });
    press(*grid, Qt::Key_Up);
    press(*grid, Qt::Key_Left);
    press(*grid, Qt::Key_Home);
    press(*grid, Qt::Key_Backtab, Qt::ShiftModifier);
    const QPoint heading = grid->horizontalHeader()->sectionViewportPosition(2) * QPoint(1, 0) + QPoint(5, 5);
    SendMouse(grid->horizontalHeader()->viewport(), QEvent::MouseButtonPress, heading);
    SendMouse(grid->viewport(), QEvent::MouseButtonPress, centre(*grid, 0, 2));
    EXPECT_EQ(selected, 0);
    EXPECT_EQ((QList<int>{grid->Col(), grid->Row()}), (QList<int>{1, 1}));

    SendMouse(grid->viewport(), QEvent::MouseButtonPress, centre(*grid, 3, 2));
    EXPECT_EQ((QList<int>{grid->Col(), grid->Row()}), (QList<int>{3, 2}));
    press(*grid, Qt::Key_Home);
    EXPECT_EQ(grid->Col(), 1);
    // Tab past the last column goes on in the next row's first movable cell, Shift+Tab comes back.
    grid->SetCol(4);
    press(*grid, Qt::Key_Tab);
    EXPECT_EQ((QList<int>{grid->Col(), grid->Row()}), (QList<int>{1, 3}));
    press(*grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ((QList<int>{grid->Col(), grid->Row()}), (QList<int>{4, 2}));
}

TEST(StringGrid, HeadingRowStaysInViewWhenScrolled)
{
    auto grid = lettered(40);
    grid->SetCells(2, 0, "Brüt");
    grid->scrollToBottom();
    EXPECT_TRUE(grid->horizontalHeader()->isVisible());
    EXPECT_EQ(grid->horizontalHeader()->height(), 20);
    EXPECT_EQ(grid->Cells(2, 0), "Brüt");
    EXPECT_EQ(grid->rowAt(centre(*grid, 1, 39).y()), 39);
}

TEST(StringGrid, RowMovedByItsFixedCellTakesTheSelectionAlong)
{
    auto grid = lettered(6);  // rows A, then B C D E F
    grid->SetRowMoving(true);
    grid->SetRow(2);
    drag(grid->viewport(), centre(*grid, 0, 4), centre(*grid, 0, 1));
    EXPECT_EQ(column1(*grid), "AEBCDF");
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Cells(1, grid->Row()), "C");

    grid->MoveRow(3, 5);
    EXPECT_EQ(column1(*grid), "AEBDFC");
    EXPECT_EQ(grid->Row(), 5);

    grid->SetRowMoving(false);
    drag(grid->viewport(), centre(*grid, 0, 5), centre(*grid, 0, 1));
    EXPECT_EQ(column1(*grid), "AEBDFC");
}

TEST(StringGrid, SizingByTheBordersOfTheFixedCells)
{
    auto grid = lettered(4);
    const QPoint border(5, grid->rowViewportPosition(2) + grid->rowHeight(2));
    drag(grid->viewport(), border, border + QPoint(0, 15));
    EXPECT_EQ(grid->rowHeight(2), 20);  // no row sizing

    grid->SetSizing(true, true);
    drag(grid->viewport(), border, border + QPoint(0, 15));
    EXPECT_EQ(grid->rowHeight(2), 35);
    EXPECT_EQ(grid->horizontalHeader()->sectionResizeMode(1), QHeaderView::Interactive);
}
}  // namespace
