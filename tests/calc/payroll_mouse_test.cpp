#include "base/string_grid.h"
#include "calc_tab_test.h"

#include "base/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

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

namespace {
// The program's real message boxes, each dismissed the way the test says once it is on screen.
class RealMessageBoxes {
public:
    explicit RealMessageBoxes(std::function<void(QWidget*)> dismiss)
        : scripted_(SetDialogs(std::make_unique<QtDialogService>()))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, dismiss] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                ++shown;
                texts << box->findChild<QLabel*>("qt_msgbox_label")->text();
                dismiss(box);
            }
        });
        timer_.start(20);
    }
    ~RealMessageBoxes() { SetDialogs(std::move(scripted_)); }
    int shown = 0;
    QStringList texts;

private:
    std::unique_ptr<DialogService> scripted_;
    QTimer timer_;
};

TEST_F(PayrollMouseTest, AConversionMessageShownFromAnArrowKeyIsDismissedSafely)
{
    using Dismiss = std::function<void(QWidget*)>;
    const std::pair<const char*, Dismiss> ways[] = {
        {"Enter", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }},
        {"Tamam", [](QWidget* box) { MouseClick(box->findChild<QAbstractButton*>()); }},
    };
    for (const auto& [way, dismiss] : ways) {
        SCOPED_TRACE(way);
        RealMessageBoxes boxes(dismiss);
        const int row = grid->RowCount() - 1;
        typeInCell(1, row, "Ali");
        PressKey(Qt::Key_Tab);
        TypeKeys(QApplication::focusWidget(), "3,5,5");
        PressKey(Qt::Key_Down);
        QTest::qWait(100);
        EXPECT_EQ(boxes.shown, 1);
        // The bad gross stays for correction in a grid that lives on.
        EXPECT_EQ(grid->Cells(2, row), "3,5,5");
        EXPECT_EQ(grid->Cells(1, row), "Ali");
    }
}
}  // namespace
