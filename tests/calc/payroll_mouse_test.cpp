#include "base/string_grid.h"
#include "calc_tab_test.h"

#include <QApplication>

namespace {
// The payroll tab as a user works it: clicks into cells, keys typed there, buttons pressed with the
// mouse while a cell is still being typed.
class PayrollMouseTest : public CalcTabTest {
protected:
    void SetUp() override
    {
        CalcTabTest::SetUp();
        grid = Find<TStringGrid>("StringGrid5");
    }
    // A click on a cell, then the keys typed into its editor.
    void typeInCell(int col, int row, const QString& text)
    {
        MouseClick(grid);
        grid->setCurrentCell(row, col);
        grid->SetEditorMode(true);
        QApplication::processEvents();
        TypeKeys(QApplication::focusWidget(), text);
    }
    TStringGrid* grid = nullptr;
};

TEST_F(PayrollMouseTest, GrossFromNetReadsTheNetBeingTypedInARowThatHasAGross)
{
    typeInCell(3, 1, "2144,73");
    Click("SpeedButton52");
    EXPECT_EQ(grid->Cells(2, 1), "3.000,00");
    EXPECT_EQ(grid->Cells(3, 1), "2.144,73");

    typeInCell(3, 1, "8000");
    Click("SpeedButton52");
    EXPECT_EQ(grid->Cells(2, 1), "10.678,60");
    EXPECT_EQ(grid->Cells(3, 1), "7.999,99");
    // The editor still open on the net shows the computed net, so leaving it writes nothing stale back.
    Find<QLineEdit>("Edit379")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(grid->Cells(3, 1), "7.999,99");
}

TEST_F(PayrollMouseTest, SavingTheRatesLeavesTheRowBeingTypedAsItIs)
{
    typeInCell(2, 1, "3000");
    Click("SpeedButton55");
    EXPECT_EQ(grid->Cells(3, 1), "");
    EXPECT_EQ(grid->Cells(2, 1), "3.000");
    EXPECT_TRUE(grid->isAncestorOf(QApplication::focusWidget()));
}
}  // namespace
