#include "base/string_grid.h"
#include "calc_tab_test.h"

#include "base/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSignalBlocker>
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
    // A click where a user clicks a cell: on its rectangle in the grid's viewport.
    void clickCell(int col, int row)
    {
        form_->show();
        form_->ShowTab(form_->TabSheet13);
        QApplication::processEvents();
        MouseClickAt(grid->viewport(), grid->visualRect(grid->model()->index(row, col)).center());
    }
    // The texts of a row, or of a column.
    QStringList texts(int index, bool column = false) const
    {
        QStringList texts;
        for (int i = 0; i < (column ? grid->RowCount() : grid->ColCount()); ++i)
            texts << (column ? grid->Cells(index, i) : grid->Cells(i, index));
        return texts;
    }
    TStringGrid* grid = nullptr;
};

TEST_F(PayrollMouseTest, KeysTypedAtOnceAfterAClickLandInTheClickedCell)
{
    struct Click {
        int col, row;
        const char* control = nullptr;  // a control of the tab clicked instead of a cell
    };
    const struct {
        const char* what;
        QStringList row1, row2;  // name, gross
        std::vector<Click> clicks;
        const char* typed;
        const char* shown;  // in the cell clicked last
    } cases[] = {
        {"the current cell, the grid not yet entered", {}, {}, {{1, 1}}, "Mehmet", "Mehmet"},
        {"Enter and Esc keep the editor", {}, {}, {{1, 1}}, "Al\r\x1bi", "Ali"},
        {"the current cell again after a rate edit", {"Ali", "3.000,00"}, {"", ""},
         {{2, 2}, {0, 0, "Edit379"}, {2, 2}}, "3500", "3.500"},
        {"another row's net, rewritten by the row's computation", {"Ali", "3000"}, {"Veli", "3000"},
         {{3, 2}}, "9", "9"},
        {"the cell beside a name longer than its cell", {"Abdurrahman Mehmet Ali Karaosmanoğlu"}, {},
         {{1, 1}, {2, 1}}, "3500", "3.500"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        {
            QSignalBlocker quiet(grid);
            grid->SetRowCount(3);
            for (int r : {1, 2})
                for (int col = 1; col < 17; ++col)
                    grid->SetCells(col, r, (r == 1 ? c.row1 : c.row2).value(col - 1));
            grid->setCurrentCell(1, 1);
        }
        Find<QLineEdit>("Edit387")->setFocus();
        for (const Click& click : c.clicks)
            click.control ? MouseClick(Find<QWidget>(click.control)) : clickCell(click.col, click.row);
        const Click& last = c.clicks.back();
        const int other = last.row == 1 ? 2 : 1;
        const QStringList untouched = texts(0) + texts(other);
        TypeInFocus(c.typed);
        EXPECT_EQ(grid->Cells(last.col, last.row), QString(c.shown));
        EXPECT_EQ((QList<int>{grid->Col(), grid->Row()}), (QList<int>{last.col, last.row}));
        EXPECT_EQ(texts(0) + texts(other), untouched);
    }
}

TEST_F(PayrollMouseTest, ARowInsertedAfterANameKeepsTheHeadingsAndTheDocumentOpensAgain)
{
    clickCell(1, 1);
    TypeInFocus("Ali");
    PressKey(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(texts(1, true), QStringList({"Adı Soyadı", "", "Ali"}));
    EXPECT_EQ(grid->Row(), 1);

    TestDialogs().fileNames = {Path("bordro")};
    Click("BitBtn21");
    TestDialogs().fileNames = {Path("bordro.tus")};
    Click("BitBtn22");
    EXPECT_EQ(TestDialogs().Texts(), QStringList());
    EXPECT_EQ(texts(1, true), QStringList({"Adı Soyadı", "", "Ali"}));
    EXPECT_EQ(texts(0, true), QStringList({"", "1", "2"}));
}

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
