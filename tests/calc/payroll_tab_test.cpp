#include "app/documents.h"
#include "app/help_window.h"
#include "base/rich_edit.h"
#include "base/string_grid.h"
#include "calc/payroll_assets/payroll_excel.h"
#include "payroll_xlsx_reader.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
class PayrollTabTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        grid = Find<TStringGrid>("StringGrid5");
    }

    void fillRow(int row, const QString& name, const QString& gross, const QString& days, const QString& net = {})
    {
        if (grid->RowCount() <= row)
            grid->SetRowCount(row + 1);
        grid->SetCells(0, row, QString::number(row));
        grid->SetCells(1, row, name);
        grid->SetCells(2, row, gross);
        grid->SetCells(3, row, net);
        grid->SetCells(4, row, days);
    }
    QStringList rowTexts(int row) const
    {
        QStringList texts;
        for (int c = 0; c < grid->ColCount(); ++c)
            texts << grid->Cells(c, row);
        return texts;
    }
    QStringList gridTexts() const
    {
        QStringList texts;
        for (int r = 0; r < grid->RowCount(); ++r)
            texts << rowTexts(r).join('|');
        return texts;
    }
    QStringList totalTexts()
    {
        QStringList texts;
        for (const char* name : {"JustaEdit2", "JustaEdit25", "JustaEdit26", "JustaEdit28", "JustaEdit29",
                                 "JustaEdit30", "JustaEdit31", "JustaEdit27", "JustaEdit32", "JustaEdit33",
                                 "JustaEdit34", "JustaEdit35", "JustaEdit36"})
            texts << text(name);
        return texts;
    }
    // Edit379 to Edit385 without Edit383, then Edit387: the design rates and another set.
    const QStringList design = {"14", "20,50", "1", "2", "15", "0,759", "7.809,90"};
    const QStringList other = {"15", "15,5", "1", "2", "20", "0,759", "9.000,00"};
    void setRates(const QStringList& texts)
    {
        const char* names[] = {"Edit379", "Edit380", "Edit381", "Edit382", "Edit384", "Edit385", "Edit387"};
        for (int i = 0; i < texts.size(); ++i)
            Find<QLineEdit>(names[i])->setText(texts[i]);
    }
    void click(const char* button) { Find<QPushButton>(button)->click(); }
    QString text(const char* edit) { return Find<QLineEdit>(edit)->text(); }

    // Types into the cell editor of the current cell as a user does: press, then release.
    void type(const QString& keys)
    {
        grid->SetEditorMode(true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // editors of cells left
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        for (QChar ch : keys) {
            const int key = ch.isDigit() ? int(Qt::Key_0) + ch.digitValue() : ch == u',' ? int(Qt::Key_Comma) : int(ch.unicode());
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(editor, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(editor, &release);
        }
    }

    TStringGrid* grid = nullptr;
};

TEST_F(PayrollTabTest, StartsWithHeadingsAndOneNumberedRow)
{
    EXPECT_EQ(rowTexts(1), QStringList({"1"}) + QStringList(16, QString()));
    EXPECT_EQ(grid->Cells(16, 0), "TC Kimlik No");
    EXPECT_EQ((QList<int>{grid->ColWidth(0), grid->ColWidth(1), grid->ColWidth(4), grid->ColWidth(16)}),
              (QList<int>{20, 140, 30, 90}));
    EXPECT_EQ(text("Edit387"), "7.809,90");
    EXPECT_FALSE(Find<QLineEdit>("Edit383")->isVisibleTo(form_->TabSheet13));
}

TEST_F(PayrollTabTest, SelectingARowComputesItAndTheTotals)
{
    fillRow(1, "Ayşe Yılmaz", "3000", "");
    grid->SetCol(3);  // a selection change, as a click on another cell
    EXPECT_EQ(rowTexts(1).mid(2, 13),
              QStringList({"3.000,00", "2.144,73", "30", "420,00", "615,00", "30,00", "60,00", "1.125,00", "2.550,00",
                           "382,50", "22,77", "855,27", "3.675,00"}));
    EXPECT_EQ(text("JustaEdit2"), "3.000,00");
    EXPECT_EQ(text("JustaEdit25"), "2.144,73");
    EXPECT_EQ(text("JustaEdit26"), "30");
    EXPECT_EQ(text("JustaEdit27"), "1.125,00");
    EXPECT_EQ(text("JustaEdit36"), "3.675,00");
}

TEST_F(PayrollTabTest, LeavingTheCellEditorForAnotherControlComputesTheRow)
{
    form_->show();
    form_->ShowTab(form_->TabSheet13);
    form_->activateWindow();
    QApplication::processEvents();
    grid->setCurrentCell(1, 2);
    type("3000");
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), editor);
    Find<QLineEdit>("Edit379")->setFocus();
    EXPECT_EQ(grid->Cells(3, 1), "2.144,73");
    EXPECT_EQ(text("JustaEdit36"), "3.675,00");
}

TEST_F(PayrollTabTest, RecalculateComputesTheRowsAboveTheLastAndTotalsNumberedRows)
{
    fillRow(1, "Ayşe", "3000", "31");
    fillRow(2, "Mehmet", "10000", "15");
    fillRow(3, "Numarasız", "5000", "30");
    grid->SetCells(0, 3, QString());
    fillRow(4, "Zeynep", "5000", "30");
    fillRow(5, "", "", "");
    click("BitBtn8");
    EXPECT_EQ(grid->Cells(4, 1), "30");
    EXPECT_EQ(grid->Cells(14, 2), "5.878,61");
    EXPECT_FALSE(grid->Cells(14, 4).isEmpty());
    EXPECT_EQ(text("JustaEdit2"), "13.000,00");
    EXPECT_EQ(text("JustaEdit35"), "2.141,10");
    EXPECT_EQ(grid->Row(), 5);
}

TEST_F(PayrollTabTest, RecalculateLeavesTheLastRowAwaitingInput)
{
    fillRow(1, "Ayşe", "3000", "");
    fillRow(2, "", "5000", "");
    click("BitBtn8");
    EXPECT_EQ(grid->Cells(3, 1), "2.144,73");
    EXPECT_EQ(rowTexts(2).mid(2, 13), QStringList({"5000"}) + QStringList(12, QString()));
    // The last row is numbered, so the totals read it as it stands.
    EXPECT_EQ(totalTexts().mid(0, 4), QStringList({"8.000,00", "2.144,73", "30", "420,00"}));
    EXPECT_EQ(grid->Row(), 2);

    // A grid of one data row has nothing above its last row.
    TestDialogs().answers = {DialogService::AnswerYes};
    click("BitBtn14");
    {
        QSignalBlocker quiet(grid);
        fillRow(1, "Ayşe", "3000", "");
    }
    click("BitBtn8");
    EXPECT_EQ(grid->Cells(3, 1), "");
    EXPECT_EQ(text("JustaEdit2"), "");
}

TEST_F(PayrollTabTest, UnreadableRateStopsTheRowAtTheStepThatReadsIt)
{
    const struct {
        const char* edit;
        const char* label;
        int firstUnwritten;  // the cells before it are computed
    } cases[] = {
        {"Edit387", "SGK Tavan", 5},           {"Edit379", "SGK İşçi", 5},
        {"Edit380", "SGK İşveren", 6},         {"Edit381", "İşsizlik İşçi", 7},
        {"Edit382", "İşsizlik İşveren", 8},    {"Edit384", "Gelir Vergisi Oranı", 11},
        {"Edit385", "Damga Vergisi Oranı", 12}, {"Edit386", nullptr, 15},
        {"Edit383", nullptr, 15},
    };
    const QStringList computed = {"3.000,00", "2.144,73", "30", "420,00", "615,00", "30,00", "60,00", "1.125,00",
                                  "2.550,00", "382,50", "22,77", "855,27", "3.675,00"};
    for (const auto& c : cases) {
        TestDialogs().Reset();
        auto* edit = Find<QLineEdit>(c.edit);
        const QString kept = edit->text();
        edit->setText("1,5,0");
        fillRow(1, "Ayşe", "3000", "", "");
        for (int col = 5; col <= 14; ++col)
            grid->SetCells(col, 1, QString());
        grid->SetCol(grid->Col() == 3 ? 4 : 3);
        // Before the failing step the gross and net are tidied and the days filled in.
        QStringList expected = computed.mid(0, c.firstUnwritten - 2) + QStringList(15 - c.firstUnwritten, QString());
        if (c.firstUnwritten < 15)
            expected[1] = "0,00";
        EXPECT_EQ(rowTexts(1).mid(2, 13), expected) << c.edit;
        const QStringList errors =
            c.label ? QStringList{QString("\"1,5,0\" geçerli bir sayı değil (%1).").arg(c.label)} : QStringList();
        EXPECT_EQ(TestDialogs().Texts(), errors) << c.edit;
        edit->setText(kept);
    }
}

TEST_F(PayrollTabTest, RowsAtTheFloorTheCeilingAndOtherRates)
{
    const struct {
        const QStringList* rates;
        const char* gross;
        const char* days;
        QStringList shown;  // columns 3 to 14
    } cases[] = {
        {&design, "1.201,50", "1",
         {"28,63", "1", "5,61", "8,21", "0,40", "0,80", "15,02", "34,04", "5,11", "0,30", "11,42", "49,06"}},
        {&design, "7.809,90", "29",
         {"5.397,26", "29", "1.056,94", "1.547,66", "75,50", "150,99", "2.831,09", "6.417,13", "962,57", "57,30",
          "2.152,31", "9.248,22"}},
        {&design, "7.809,90", "17",
         {"3.163,90", "17", "619,59", "907,25", "44,26", "88,51", "1.659,60", "3.761,77", "564,27", "33,59",
          "1.261,71", "5.421,37"}},
        {&design, "7809,9", "1",
         {"186,11", "1", "36,45", "53,37", "2,60", "5,21", "97,62", "221,28", "33,19", "1,98", "74,22", "318,91"}},
        {&other, "4.321,09", "17",
         {"1.626,88", "17", "367,29", "379,54", "24,49", "48,97", "820,29", "2.056,84", "411,37", "18,59",
          "821,74", "2.877,13"}},
        // Above that ceiling: contributions on 26 days of 9000, taxes on the earned 10699.
        {&other, "12345", "26",
         {"7.479,59", "26", "1.170,00", "1.209,00", "78,00", "156,00", "2.613,00", "9.451,00", "1.890,20",
          "81,21", "3.219,41", "12.064,00"}},
    };
    for (const auto& c : cases) {
        setRates(*c.rates);
        fillRow(1, "Ayşe", c.gross, c.days);
        grid->SetCol(grid->Col() == 3 ? 4 : 3);
        EXPECT_EQ(rowTexts(1).mid(3, 12), c.shown) << c.gross << " " << c.days;
        EXPECT_EQ(text("JustaEdit36"), c.shown.last()) << c.gross << " " << c.days;
    }
}

TEST_F(PayrollTabTest, InsertedRowIsComputedAndADeletedRowLeavesTheTotals)
{
    fillRow(1, "Ayşe", "3000", "30");
    fillRow(2, "Mehmet", "10000", "15");
    fillRow(3, "", "", "");
    grid->SetRow(2);
    Find<QAction>("MenuItem7")->trigger();
    grid->SetCells(1, 2, "Ali");
    grid->SetCells(2, 2, "1.201,50");
    grid->SetCells(4, 2, "1");
    click("BitBtn8");
    EXPECT_EQ(rowTexts(2).mid(0, 5), QStringList({"2", "Ali", "1.201,50", "28,63", "1"}));
    EXPECT_EQ(grid->Cells(14, 3), "5.878,61");
    EXPECT_EQ(totalTexts(), QStringList({"14.201,50", "5.887,53", "46", "972,30", "1.423,72", "69,45", "138,90",
                                         "2.604,38", "6.998,30", "1.049,75", "61,02", "2.152,52", "9.602,67"}));

    grid->SetRow(1);
    TestDialogs().answers = {DialogService::AnswerYes};
    Find<QAction>("MenuItem8")->trigger();
    click("BitBtn8");
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ((QStringList{grid->Cells(0, 1), grid->Cells(1, 1), grid->Cells(0, 2), grid->Cells(1, 2)}),
              (QStringList{"1", "Ali", "2", "Mehmet"}));
    EXPECT_EQ(totalTexts(), QStringList({"11.201,50", "3.742,80", "16", "552,30", "808,72", "39,45", "78,90",
                                         "1.479,38", "4.448,30", "667,25", "38,25", "1.297,25", "5.927,67"}));
}

TEST_F(PayrollTabTest, GrossFromNet)
{
    const struct {
        const QStringList* rates;
        const char* dailyDeduction;
        const char* net;
        const char* gross;
        const char* recomputedNet;
        const char* cost;
    } cases[] = {
        {&design, "0", "2.144,73", "3.000,00", "2.144,73", "3.675,00"},
        {&design, "0", "8000", "10.678,60", "7.999,99", "12.435,83"},
        {&design, "0", "5.000,00", "6.993,89", "5.000,01", "8.567,52"},
        // The row computation does not take the daily deduction off the tax base: 30 x 10 x 15 % less.
        {&design, "10", "1000", "1.335,83", "954,99", "1.636,40"},
        {&other, "0", "4000", "6.020,38", "4.000,01", "7.073,95"},
        // Above that ceiling's net of 5.979,69.
        {&other, "0", "9000", "12.811,55", "9.000,00", "14.386,55"},
    };
    for (const auto& c : cases) {
        setRates(*c.rates);
        Find<QLineEdit>("Edit383")->setText(c.dailyDeduction);
        fillRow(1, "Ayşe", "", "30", c.net);
        grid->SetRow(1);
        click("SpeedButton52");
        EXPECT_EQ(grid->Cells(2, 1).toStdString(), c.gross) << c.net;
        EXPECT_EQ(grid->Cells(3, 1).toStdString(), c.recomputedNet) << c.net;
        EXPECT_EQ(grid->Cells(14, 1).toStdString(), c.cost) << c.net;
    }
}

TEST_F(PayrollTabTest, GrossFromNetWithoutANetOrANetShare)
{
    fillRow(1, "Ayşe", "3000", "30");
    fillRow(2, "Mehmet", "", "30");
    fillRow(3, "", "", "");
    click("BitBtn8");
    const QStringList totals = totalTexts();

    // No net: the gross becomes 0,00 and nothing else is computed.
    grid->SetRow(2);
    click("SpeedButton52");
    EXPECT_EQ(rowTexts(2).mid(2, 4), QStringList({"0,00", "0,00", "30", ""}));
    EXPECT_EQ(totalTexts(), totals);
    EXPECT_TRUE(TestDialogs().Texts().isEmpty());

    // An income tax of 100 % leaves nothing of a gross above the ceiling.
    Find<QLineEdit>("Edit384")->setText("100");
    Find<QLineEdit>("Edit385")->setText("0");
    grid->SetCells(3, 2, "5000");
    click("SpeedButton52");
    EXPECT_EQ(TestDialogs().Texts().size(), 1);
    EXPECT_EQ(rowTexts(2).mid(2, 2), QStringList({"0,00", "5000"}));
}

TEST_F(PayrollTabTest, TypingGroupsWholeAmountsAndFiltersKeys)
{
    grid->setCurrentCell(1, 2);
    type("12345");
    EXPECT_EQ(grid->Cells(2, 1), "12.345");
    type(",5");
    EXPECT_EQ(grid->Cells(2, 1), "12.345,5");
    type("7");
    EXPECT_EQ(grid->Cells(2, 1), "12.345,57");

    // Rows without a gross, as selecting a cell of a row with one recomputes it.
    grid->SetRowCount(4);
    grid->setCurrentCell(2, 3);
    type("4x.9");
    EXPECT_EQ(grid->Cells(3, 2), "49");

    grid->setCurrentCell(3, 5);
    type("77");
    EXPECT_EQ(grid->Cells(5, 3), "");
}

TEST_F(PayrollTabTest, ArrowKeysComputeTheRowBeingLeft)
{
    fillRow(3, "", "", "");
    grid->SetCells(0, 2, "2");
    grid->setCurrentCell(2, 2);
    type("3000");
    auto pressInEditor = [this](int key) {
        grid->SetEditorMode(true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(editor, &press);
    };
    pressInEditor(Qt::Key_Up);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Cells(3, 2), "2.144,73");

    // Up from the first row stays there; the row is computed all the same.
    grid->SetCells(2, 1, "10000");
    grid->SetCells(4, 1, "15");
    pressInEditor(Qt::Key_Up);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Cells(14, 1), "5.878,61");
    EXPECT_EQ(text("JustaEdit36"), "9.553,61");

    grid->SetCells(2, 1, "3000");
    pressInEditor(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Cells(14, 1), "1.837,50");
}

TEST_F(PayrollTabTest, CellColours)
{
    fillRow(1, "Ayşe", "3000", "30");
    fillRow(2, "", "", "");
    grid->resize(900, 200);
    const QImage image = grid->grab().toImage();
    auto at = [&](int col, int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, col));
        return image.pixelColor(grid->viewport()->geometry().topLeft() + cell.bottomRight() - QPoint(3, 3));
    };
    EXPECT_EQ(at(2, 1), QColor(0xF9, 0xFF, 0xE1));  // odd rows
    EXPECT_EQ(at(2, 2), QColor(0xDF, 0xEB, 0xFF));  // even rows
    EXPECT_EQ(at(0, 1), QColor(0xA6, 0xCA, 0xF0));  // the fixed column
    const QHeaderView* headings = grid->horizontalHeader();
    EXPECT_EQ(image.pixelColor(headings->geometry().topLeft() + QPoint(headings->sectionViewportPosition(5) + 3, 3)),
              QColor(0xA6, 0xCA, 0xF0));
}

TEST_F(PayrollTabTest, KeyInANamedLastRowAppendsARow)
{
    grid->SetCells(1, 1, "A");
    grid->setCurrentCell(1, 2);
    type("1");
    EXPECT_EQ(grid->RowCount(), 2);
    grid->SetCells(1, 1, "Ali");
    type("2");
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cells(0, 2), "2");
}

TEST_F(PayrollTabTest, EditEnterAndExitTexts)
{
    auto* edit383 = Find<QLineEdit>("Edit383");
    QFocusEvent out(QEvent::FocusOut);
    QFocusEvent in(QEvent::FocusIn);
    const struct {
        const char* typed;
        const char* left;
        const char* entered;
    } cases[] = {{"1234", "1,234", "1234"}, {"1234567", "1,234,567", "1234567"}, {"123", "123", "123"},
                 {"12,5", "12,5", "125"}, {"", "", ""}};
    for (const auto& c : cases) {
        edit383->setText(c.typed);
        QApplication::sendEvent(edit383, &out);
        EXPECT_EQ(edit383->text(), c.left);
        QApplication::sendEvent(edit383, &in);
        EXPECT_EQ(edit383->text(), c.entered);
    }

    auto* edit387 = Find<QLineEdit>("Edit387");
    QApplication::sendEvent(edit387, &in);
    EXPECT_EQ(edit387->palette().color(QPalette::Base), QColor(Qt::yellow));
    QApplication::sendEvent(edit387, &out);
    EXPECT_EQ(edit387->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(edit387->text(), "7.809,90");
}

TEST_F(PayrollTabTest, PopupKeysReachTheGridOutsideAnActiveWindow)
{
    fillRow(1, "Ayşe", "3000", "30");
    fillRow(2, "", "", "");
    grid->SetRow(2);
    auto key = [this](int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, code, modifiers);
        QApplication::sendEvent(grid, &press);
    };
    key(Qt::Key_F3);
    EXPECT_EQ(grid->Cells(14, 1), "3.675,00");
    key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(grid->RowCount(), 4);
    key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(grid->RowCount(), 3);
    TestDialogs().answers = {DialogService::AnswerYes};
    key(Qt::Key_F7);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(TestDialogs().Texts(), QStringList{"Dosyayı Boşaltmak istediğinizden eminmisiniz?"});
}

TEST_F(PayrollTabTest, ResetAsksFirst)
{
    fillRow(1, "Ayşe", "3000", "30");
    fillRow(2, "Mehmet", "4000", "30");
    click("BitBtn8");
    TestDialogs().answers = {DialogService::AnswerNo};
    click("BitBtn14");
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(TestDialogs().Texts(), QStringList{"Dosyayı Boşaltmak istediğinizden eminmisiniz?"});

    TestDialogs().answers = {DialogService::AnswerYes};
    click("BitBtn14");
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(rowTexts(1), QStringList({"1"}) + QStringList(16, QString()));
    EXPECT_EQ(text("JustaEdit2"), "");
    EXPECT_EQ(text("JustaEdit36"), "");
}

TEST_F(PayrollTabTest, InsertAndDeleteRows)
{
    fillRow(1, "Ayşe", "3000", "30");
    fillRow(2, "Mehmet", "4000", "30");
    fillRow(3, "", "", "");
    grid->SetRow(2);
    Find<QAction>("MenuItem7")->trigger();
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->Cells(1, 2), "");
    EXPECT_EQ(grid->Cells(1, 3), "Mehmet");
    EXPECT_EQ((QStringList{grid->Cells(0, 1), grid->Cells(0, 2), grid->Cells(0, 3), grid->Cells(0, 4)}),
              (QStringList{"1", "2", "3", "4"}));

    // A row without a name goes without a question.
    grid->SetRow(2);
    Find<QAction>("MenuItem8")->trigger();
    EXPECT_TRUE(TestDialogs().Texts().isEmpty());
    EXPECT_EQ(grid->Cells(1, 2), "Mehmet");

    grid->SetRow(1);
    TestDialogs().answers = {DialogService::AnswerNo};
    Find<QAction>("MenuItem8")->trigger();
    EXPECT_EQ(grid->Cells(1, 1), "Ayşe");
    TestDialogs().answers = {DialogService::AnswerYes};
    Find<QAction>("MenuItem8")->trigger();
    EXPECT_EQ(grid->Cells(1, 1), "Mehmet");
    EXPECT_EQ(grid->Cells(0, 1), "1");
    EXPECT_EQ(TestDialogs().Texts(), QStringList(2, "Kaydı Silmek istediğinizden eminmisiniz?"));
}

TEST_F(PayrollTabTest, DocumentSavedAndOpenedBackIdentical)
{
    fillRow(1, "Ali \"Can\" Öztürk", "3000", "30");
    grid->SetCells(15, 1, "12345");
    grid->SetCells(16, 1, "10000000146");
    fillRow(2, "Mehmet, Öz", "10000", "15");
    fillRow(3, "", "", "");
    Find<QLineEdit>("Edit383")->setText("5");
    TestDialogs().fileNames = {Path("bordro")};
    click("BitBtn21");
    ASSERT_TRUE(QFileInfo::exists(Path("bordro.tus")));
    EXPECT_EQ(TestDialogs().shown[0].caption, "Tavrelo Çözüm Ücret Dosyası Sakla");
    const QStringList saved = gridTexts();
    const QString savedTotal = text("JustaEdit36");

    click("BitBtn14");
    Find<QLineEdit>("Edit379")->setText("99");
    Find<QLineEdit>("Edit383")->setText("0");
    TestDialogs().fileNames = {Path("bordro.tus")};
    click("BitBtn22");
    EXPECT_EQ(gridTexts(), saved);
    EXPECT_EQ(text("Edit379"), "14");
    EXPECT_EQ(text("Edit383"), "5");
    EXPECT_EQ(text("JustaEdit36"), savedTotal);
}

TEST_F(PayrollTabTest, SaveNamesAndOverwriteQuestion)
{
    fillRow(1, "Ayşe", "3000", "30");
    TestDialogs().fileNames = {Path("a.tus.bak")};
    click("BitBtn21");
    EXPECT_TRUE(QFileInfo::exists(Path("a.tus.bak")));

    QFile existing(Path("b.tus"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("eski");
    existing.close();
    TestDialogs().Reset();
    TestDialogs().fileNames = {Path("b.tus")};
    TestDialogs().answers = {DialogService::AnswerNo};
    click("BitBtn21");
    EXPECT_EQ(TestDialogs().Texts(), QStringList{"Dosya mevcut Üzerine kayıt edilsinmi?"});
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), "eski");
}

TEST_F(PayrollTabTest, OpeningAnotherFileLeavesTheGrid)
{
    fillRow(1, "Ayşe", "3000", "30");
    click("BitBtn8");
    const QStringList before = gridTexts();
    QFile other(Path("cek.tus"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("01.01.2024,\"1.000,00\"\r\n,Vade,Tutar\r\n1,x\r\n");
    other.close();
    TestDialogs().fileNames = {Path("cek.tus")};
    click("BitBtn22");
    EXPECT_EQ(TestDialogs().Texts(), QStringList{"Dosya bir Tavrelo ücret dosyası değil; bordro değiştirilmedi."});
    EXPECT_EQ(gridTexts(), before);
    EXPECT_EQ(text("Edit379"), "14");
}

TEST_F(PayrollTabTest, RatesKeptInTheSettingsArchive)
{
    Find<QLineEdit>("Edit379")->setText("15");
    Find<QLineEdit>("Edit387")->setText("9.000,00");
    Find<QLineEdit>("Edit383")->setText("1234");
    Find<QLineEdit>("Edit424")->setText("30.000,00");
    click("SpeedButton55");
    EXPECT_TRUE(QFileInfo::exists(Path("digeri.byn")));
    RecreateWindow();
    EXPECT_EQ(text("Edit379"), "15");
    EXPECT_EQ(text("Edit387"), "9.000,00");
    EXPECT_EQ(text("Edit383"), "1,234");
    EXPECT_EQ(text("Edit380"), "20,50");
    EXPECT_EQ(text("Edit424"), "30.000,00");

    // The severance tab's button writes the same member.
    Find<QLineEdit>("Edit423")->setText("0,8");
    Find<QLineEdit>("Edit384")->setText("20");
    click("SpeedButton16");
    RecreateWindow();
    EXPECT_EQ(text("Edit423"), "0,8");
    EXPECT_EQ(text("Edit384"), "20");
}

TEST_F(PayrollTabTest, HelpShowsThePayrollTopic)
{
    QFile topic(Path("yardimbrd"));
    ASSERT_TRUE(topic.open(QIODevice::WriteOnly));
    topic.write("{\\rtf1\\ansi\\ansicpg1254 Bordro yard\\'fdm\\par}");
    topic.close();
    click("tfXPButton8");
    EXPECT_TRUE(yardimF().isVisible());
    EXPECT_EQ(yardimF().RichEdit1->Line(0), "Bordro yardım");
    yardimF().hide();
}

class RecordingOpener {
public:
    RecordingOpener(const QString& folder, bool answer)
        : saved_(PayrollExport())
    {
        PayrollExport().folder = folder;
        PayrollExport().open = [this, answer](const QString& path) {
            opened << path;
            return answer;
        };
    }
    ~RecordingOpener() { PayrollExport() = saved_; }
    QStringList opened;

private:
    PayrollExportTarget saved_;
};

TEST_F(PayrollTabTest, ExcelWritesAndOpensTheWorkbook)
{
    fillRow(1, "Ayşe", "3000", "30");
    fillRow(2, "", "", "");
    click("BitBtn8");
    RecordingOpener opener(Path(""), true);
    click("SpeedButton17");
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(QFileInfo(opener.opened[0]).fileName().startsWith("Ücret Bordrosu "));
    const XlsxSheet sheet = ReadXlsxSheet(opener.opened[0]);
    EXPECT_EQ(sheet.Text("A4"), "Ayşe");
    EXPECT_EQ(sheet.Number("N4"), 3675);
    EXPECT_EQ(sheet.Formula("N8"), "SUM(N4:N6)");
    EXPECT_EQ(sheet.Number("N8"), 3675);
    EXPECT_TRUE(TestDialogs().Texts().isEmpty());
}

TEST_F(PayrollTabTest, ExcelComputesRowOneOnlyWhenAnotherRowWasCurrent)
{
    {
        QSignalBlocker typedOnly(grid);
        fillRow(1, "Ayşe", "3000", "30");
        fillRow(2, "Mehmet", "10000", "15");
        fillRow(3, "", "", "");
        grid->SetRow(1);
    }
    RecordingOpener opener(Path(""), true);
    click("SpeedButton17");
    ASSERT_EQ(opener.opened.size(), 1);
    XlsxSheet sheet = ReadXlsxSheet(opener.opened[0]);
    EXPECT_EQ(sheet.Number("B4"), 3000);
    EXPECT_FALSE(sheet.Has("C4"));

    grid->blockSignals(true);
    grid->SetRow(2);
    grid->blockSignals(false);
    click("SpeedButton17");
    ASSERT_EQ(opener.opened.size(), 2);
    sheet = ReadXlsxSheet(opener.opened[1]);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(sheet.Number("C4"), 2144.73);
    EXPECT_EQ(sheet.Number("N4"), 3675);
    EXPECT_EQ(sheet.Number("B5"), 10000);
    EXPECT_FALSE(sheet.Has("C5"));
    EXPECT_EQ(sheet.Formula("B9"), "SUM(B4:B7)");
    EXPECT_EQ(sheet.Number("B9"), 13000);
    // Exports in the same second go to files of their own.
    EXPECT_NE(opener.opened[0], opener.opened[1]);
}

TEST_F(PayrollTabTest, ExcelThatCannotBeOpenedIsReported)
{
    RecordingOpener opener(Path(""), false);
    click("SpeedButton17");
    ASSERT_EQ(TestDialogs().Texts().size(), 1);
    EXPECT_TRUE(TestDialogs().Texts()[0].startsWith("Excel açılamadı. Sistem Mesajı: "));
}
}  // namespace
