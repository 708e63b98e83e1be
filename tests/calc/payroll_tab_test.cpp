#include "base/string_grid.h"
#include "calc/payroll_assets/payroll_excel.h"
#include "calc_tab_test.h"
#include "case_table.h"
#include "input_support.h"
#include "payroll_xlsx_reader.h"
#include "recording_opener.h"

#include <QAction>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QSignalBlocker>

namespace {
const QString kResetQuestion = "Dosyayı Boşaltmak istediğinizden eminmisiniz?";
// Columns 2 to 14 of a row of gross 3000 and 30 days at the design rates.
const QStringList kComputed3000 = {"3.000,00", "2.144,73", "30",       "420,00", "615,00", "30,00", "60,00",
                                   "1.125,00", "2.550,00", "382,50", "22,77",  "855,27", "3.675,00"};

class PayrollTabTest : public CalcTabTest {
protected:
    void SetUp() override
    {
        CalcTabTest::SetUp();
        grid = Find<TStringGrid>("StringGrid5");
    }

    void fillRow(int row, const QString& name, const QString& gross, const QString& days, const QString& net = {})
    {
        if (grid->RowCount() <= row)
            grid->SetRowCount(row + 1);
        const QStringList cells = {QString::number(row), name, gross, net, days};
        for (int c = 0; c < cells.size(); ++c)
            grid->SetCells(c, row, cells[c]);
    }
    QStringList rowTexts(int row, int first = 0, int count = 17) const
    {
        QStringList texts;
        for (int c = first; c < first + count; ++c)
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
    QStringList totalTexts() const
    {
        QStringList texts;
        for (int n : {2, 25, 26, 28, 29, 30, 31, 27, 32, 33, 34, 35, 36})
            texts << Find<QLineEdit>(QString("JustaEdit%1").arg(n))->text();
        return texts;
    }
    void trigger(const char* action) { Find<QAction>(action)->trigger(); }
    // The grid's cell editor, as the grid opens it on the current cell.
    QLineEdit* editor() const
    {
        grid->SetEditorMode(true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // editors of cells left
        return grid->viewport()->findChild<QLineEdit*>();
    }
    // Types into the cell editor of the current cell as a user does: press, then release.
    void type(const QString& keys)
    {
        QLineEdit* edit = editor();
        ASSERT_NE(edit, nullptr);
        SendKeys(edit, keys, true);
    }
    void reselect() { grid->SetCol(grid->Col() == 3 ? 4 : 3); }  // a click on another cell of the row

    TStringGrid* grid = nullptr;
};

TEST_F(PayrollTabTest, StartsWithHeadingsAndOneNumberedRow)
{
    EXPECT_EQ(rowTexts(1), QStringList({"1"}) + QStringList(16, QString()));
    EXPECT_EQ(grid->Cells(16, 0), "TC Kimlik No");
    EXPECT_EQ((QList<int>{grid->ColWidth(0), grid->ColWidth(1), grid->ColWidth(4), grid->ColWidth(16)}),
              (QList<int>{20, 140, 30, 90}));
    EXPECT_EQ(Text("Edit387"), "7.809,90");
    EXPECT_FALSE(Find<QLineEdit>("Edit383")->isVisibleTo(form_->TabSheet13));
}

TEST_F(PayrollTabTest, LeavingTheCellEditorForAnotherControlComputesTheRow)
{
    form_->show();
    form_->ShowTab(form_->TabSheet13);
    form_->activateWindow();
    QApplication::processEvents();
    grid->setCurrentCell(1, 2);
    type("3000");
    QLineEdit* edit = editor();
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    Find<QLineEdit>("Edit379")->setFocus();
    EXPECT_EQ(grid->Cells(3, 1), "2.144,73");
    EXPECT_EQ(Text("JustaEdit36"), "3.675,00");
}

TEST_F(PayrollTabTest, RecalculateComputesTheRowsAboveTheLastAndTotalsNumberedRows)
{
    fillRow(1, "Ayşe", "3000", "31");
    fillRow(2, "Mehmet", "10000", "15");
    fillRow(3, "Numarasız", "5000", "30");
    grid->SetCells(0, 3, QString());
    fillRow(4, "Zeynep", "5000", "30");
    fillRow(5, "", "", "");
    Click("BitBtn8");
    EXPECT_EQ(grid->Cells(4, 1), "30");
    EXPECT_EQ(grid->Cells(14, 2), "5.878,61");
    EXPECT_FALSE(grid->Cells(14, 4).isEmpty());
    EXPECT_EQ(totalTexts(), QStringList({"13.000,00", "5.858,90", "45", "966,69", "1.415,51", "69,05", "138,10",
                                         "2.589,36", "6.964,26", "1.044,64", "60,72", "2.141,10", "9.553,61"}));
    EXPECT_EQ(grid->Row(), 5);
}

TEST_F(PayrollTabTest, RecalculateLeavesTheLastRowAwaitingInput)
{
    fillRow(1, "Ayşe", "3000", "");
    fillRow(2, "", "5000", "");
    Click("BitBtn8");
    EXPECT_EQ(grid->Cells(3, 1), "2.144,73");
    EXPECT_EQ(rowTexts(2, 2, 13), QStringList({"5000"}) + QStringList(12, QString()));
    // The last row is numbered, so the totals read it as it stands.
    EXPECT_EQ(totalTexts().mid(0, 4), QStringList({"8.000,00", "2.144,73", "30", "420,00"}));
    EXPECT_EQ(grid->Row(), 2);

    // A grid of one data row has nothing above its last row.
    TestDialogs().answers = {DialogService::AnswerYes};
    Click("BitBtn14");
    {
        QSignalBlocker quiet(grid);
        fillRow(1, "Ayşe", "3000", "");
    }
    Click("BitBtn8");
    EXPECT_EQ(grid->Cells(3, 1), "");
    EXPECT_EQ(Text("JustaEdit2"), "");
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        TestDialogs().Reset();
        const QString kept = Text(c.edit);
        Type(c.edit, "1,5,0");
        fillRow(1, "Ayşe", "3000", "", "");
        for (int col = 5; col <= 14; ++col)
            grid->SetCells(col, 1, QString());
        reselect();
        // Before the failing step the gross and net are tidied and the days filled in.
        QStringList expected = kComputed3000.mid(0, c.firstUnwritten - 2) + QStringList(15 - c.firstUnwritten, QString());
        if (c.firstUnwritten < 15)
            expected[1] = "0,00";
        EXPECT_EQ(rowTexts(1, 2, 13), expected);
        const QStringList errors =
            c.label ? QStringList{QString("\"1,5,0\" geçerli bir sayı değil (%1).").arg(c.label)} : QStringList();
        EXPECT_EQ(TestDialogs().Texts(), errors);
        Type(c.edit, kept);
    }
}

TEST_F(PayrollTabTest, GrossFromNet)
{
    for (const CaseLine& c : ReadCases("payroll/gross_from_net.txt", 6)) {
        SCOPED_TRACE(c.where.toStdString());
        const QStringList rates = c[0] == "other" ? QStringList{"15", "15,5", "20", "9.000,00"}
                                                  : QStringList{"14", "20,50", "15", "7.809,90"};
        const char* edits[] = {"Edit379", "Edit380", "Edit384", "Edit387"};
        for (int i = 0; i < 4; ++i)
            Type(edits[i], rates[i]);
        Type("Edit383", c[1]);
        fillRow(1, "Ayşe", "", "30", c[2]);
        grid->SetRow(1);
        Click("SpeedButton52");
        EXPECT_EQ(rowTexts(1, 2, 2), c.fields.mid(3, 2));
        EXPECT_EQ(grid->Cells(14, 1), c[5]);
    }
}

TEST_F(PayrollTabTest, GrossFromNetWithoutANetOrANetShare)
{
    fillRow(1, "Ayşe", "3000", "30");
    fillRow(2, "Mehmet", "", "30");
    fillRow(3, "", "", "");
    Click("BitBtn8");
    const QStringList totals = totalTexts();

    // No net: the gross becomes 0,00 and nothing else is computed.
    grid->SetRow(2);
    Click("SpeedButton52");
    EXPECT_EQ(rowTexts(2, 2, 4), QStringList({"0,00", "0,00", "30", ""}));
    EXPECT_EQ(totalTexts(), totals);
    EXPECT_TRUE(TestDialogs().Texts().isEmpty());

    // An income tax of 100 % leaves nothing of a gross above the ceiling.
    Type("Edit384", "100");
    Type("Edit385", "0");
    grid->SetCells(3, 2, "5000");
    Click("SpeedButton52");
    EXPECT_EQ(TestDialogs().Texts().size(), 1);
    EXPECT_EQ(rowTexts(2, 2, 2), QStringList({"0,00", "5000"}));
}

TEST_F(PayrollTabTest, TypingGroupsWholeAmountsAndFiltersKeys)
{
    grid->setCurrentCell(1, 2);
    QStringList shown;
    for (const char* keys : {"12345", ",5", "7"}) {
        type(keys);
        shown << grid->Cells(2, 1);
    }
    EXPECT_EQ(shown, QStringList({"12.345", "12.345,5", "12.345,57"}));

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
        QLineEdit* edit = editor();
        ASSERT_NE(edit, nullptr);
        SendKey(edit, key);
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
    EXPECT_EQ(Text("JustaEdit36"), "9.553,61");

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
    // odd rows, even rows, the fixed column
    EXPECT_EQ((QList<QColor>{at(2, 1), at(2, 2), at(0, 1)}),
              (QList<QColor>{QColor(0xF9, 0xFF, 0xE1), QColor(0xDF, 0xEB, 0xFF), QColor(0xA6, 0xCA, 0xF0)}));
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
    const struct {
        const char* typed;
        const char* left;
        const char* entered;
    } cases[] = {{"1234", "1,234", "1234"}, {"1234567", "1,234,567", "1234567"}, {"123", "123", "123"},
                 {"12,5", "12,5", "125"}, {"", "", ""}};
    for (const auto& c : cases) {
        edit383->setText(c.typed);
        SendFocus(edit383, QEvent::FocusOut);
        EXPECT_EQ(edit383->text(), c.left);
        SendFocus(edit383, QEvent::FocusIn);
        EXPECT_EQ(edit383->text(), c.entered);
    }

    auto* edit387 = Find<QLineEdit>("Edit387");
    SendFocus(edit387, QEvent::FocusIn);
    EXPECT_EQ(edit387->palette().color(QPalette::Base), QColor(Qt::yellow));
    SendFocus(edit387, QEvent::FocusOut);
    EXPECT_EQ(edit387->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(edit387->text(), "7.809,90");
}

TEST_F(PayrollTabTest, PopupKeysReachTheGridOutsideAnActiveWindow)
{
    fillRow(1, "Ayşe", "3000", "30");
    fillRow(2, "", "", "");
    grid->SetRow(2);
    auto key = [this](int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { SendKey(grid, code, modifiers); };
    key(Qt::Key_F3);
    EXPECT_EQ(grid->Cells(14, 1), "3.675,00");
    QList<int> rows;
    TestDialogs().answers = {DialogService::AnswerNo, DialogService::AnswerYes};
    // insert, delete, reset refused, reset
    for (auto [code, modifiers] : {std::pair(Qt::Key_Insert, Qt::ShiftModifier), std::pair(Qt::Key_Delete, Qt::ShiftModifier),
                                   std::pair(Qt::Key_F7, Qt::NoModifier), std::pair(Qt::Key_F7, Qt::NoModifier)}) {
        key(code, modifiers);
        rows << grid->RowCount();
    }
    EXPECT_EQ(rows, (QList<int>{4, 3, 3, 2}));
    EXPECT_EQ(TestDialogs().Texts(), QStringList(2, kResetQuestion));
    EXPECT_EQ(rowTexts(1), QStringList({"1"}) + QStringList(16, QString()));
    EXPECT_EQ(totalTexts(), QStringList(13, QString()));
}

TEST_F(PayrollTabTest, InsertAndDeleteRows)
{
    fillRow(1, "Ayşe", "3000", "30");
    fillRow(2, "Mehmet", "4000", "30");
    fillRow(3, "", "", "");
    grid->SetRow(2);
    trigger("MenuItem7");
    EXPECT_EQ(rowTexts(2, 0, 2), QStringList({"2", ""}));
    EXPECT_EQ(rowTexts(3, 0, 2), QStringList({"3", "Mehmet"}));
    EXPECT_EQ(grid->Cells(0, 4), "4");

    // A row without a name goes without a question.
    grid->SetRow(2);
    trigger("MenuItem8");
    EXPECT_TRUE(TestDialogs().Texts().isEmpty());
    EXPECT_EQ(grid->Cells(1, 2), "Mehmet");

    grid->SetRow(1);
    TestDialogs().answers = {DialogService::AnswerNo, DialogService::AnswerYes};
    trigger("MenuItem8");
    EXPECT_EQ(grid->Cells(1, 1), "Ayşe");
    trigger("MenuItem8");
    EXPECT_EQ(rowTexts(1, 0, 2), QStringList({"1", "Mehmet"}));
    EXPECT_EQ(TestDialogs().Texts(), QStringList(2, "Kaydı Silmek istediğinizden eminmisiniz?"));
}

TEST_F(PayrollTabTest, DocumentSavedAndOpenedBackIdentical)
{
    fillRow(1, "Ali \"Can\" Öztürk", "3000", "30");
    grid->SetCells(15, 1, "12345");
    grid->SetCells(16, 1, "10000000146");
    fillRow(2, "Mehmet, Öz", "10000", "15");
    fillRow(3, "", "", "");
    Type("Edit383", "5");
    TestDialogs().fileNames = {Path("bordro")};
    Click("BitBtn21");
    ASSERT_TRUE(QFileInfo::exists(Path("bordro.tus")));
    EXPECT_EQ(TestDialogs().shown[0].caption, "Tavrelo Çözüm Ücret Dosyası Sakla");
    const QStringList saved = gridTexts();
    const QString savedTotal = Text("JustaEdit36");

    Click("BitBtn14");
    Type("Edit379", "99");
    Type("Edit383", "0");
    TestDialogs().fileNames = {Path("bordro.tus")};
    Click("BitBtn22");
    EXPECT_EQ(gridTexts(), saved);
    EXPECT_EQ(QStringList({Text("Edit379"), Text("Edit383"), Text("JustaEdit36")}), QStringList({"14", "5", savedTotal}));
}

TEST_F(PayrollTabTest, SaveNamesAndOverwriteQuestion)
{
    fillRow(1, "Ayşe", "3000", "30");
    TestDialogs().fileNames = {Path("a.tus.bak")};
    Click("BitBtn21");
    EXPECT_TRUE(QFileInfo::exists(Path("a.tus.bak")));

    WriteFile("b.tus", "eski");
    TestDialogs().Reset();
    TestDialogs().fileNames = {Path("b.tus")};
    TestDialogs().answers = {DialogService::AnswerNo};
    Click("BitBtn21");
    EXPECT_EQ(TestDialogs().Texts(), QStringList{"Dosya mevcut Üzerine kayıt edilsinmi?"});
    EXPECT_EQ(ReadFile("b.tus"), "eski");
}

TEST_F(PayrollTabTest, OpeningAnotherOrADamagedFileLeavesTheGrid)
{
    fillRow(1, "Ayşe", "3000", "30");
    Click("BitBtn8");
    const QStringList before = gridTexts();
    WriteFile("cek.tus", "01.01.2024,\"1.000,00\"\r\n,Vade,Tutar\r\n1,x\r\n");
    const QString notPayroll = "Dosya bir Tavrelo ücret dosyası değil; bordro değiştirilmedi.";
    const std::pair<QString, QString> files[] = {
        {Path("cek.tus"), notPayroll},
        {TAVRELO_TEST_DATA "/ucret_nul.tus", notPayroll},
        {TAVRELO_TEST_DATA "/ucret_utf16.tus", notPayroll},  // the sample as a Windows editor saves it
        {TAVRELO_TEST_DATA "/ucret_kesik_satir.tus",
         "Ücret dosyası bozuk ya da eksik: 3. satırı tam değil; bordro değiştirilmedi."},
        {TAVRELO_TEST_DATA "/ucret_acik_tirnak.tus",
         "Ücret dosyası bozuk ya da eksik: 3. satırı tam değil; bordro değiştirilmedi."},
    };
    for (const auto& [file, message] : files) {
        TestDialogs().Reset();
        TestDialogs().fileNames = {file};
        Click("BitBtn22");
        EXPECT_EQ(TestDialogs().Texts(), QStringList{message}) << file.toStdString();
        EXPECT_EQ(gridTexts(), before);
        EXPECT_EQ(Text("Edit379"), "14");
    }
}

TEST_F(PayrollTabTest, RatesKeptInTheSettingsArchive)
{
    Type("Edit379", "15");
    Type("Edit387", "9.000,00");
    Type("Edit383", "1234");
    Type("Edit424", "30.000,00");
    Click("SpeedButton55");
    EXPECT_TRUE(QFileInfo::exists(Path("digeri.byn")));
    RecreateWindow();
    EXPECT_EQ(QStringList({Text("Edit379"), Text("Edit387"), Text("Edit383"), Text("Edit380"), Text("Edit424")}),
              QStringList({"15", "9.000,00", "1,234", "20,50", "30.000,00"}));

    // The severance tab's button writes the same member.
    Type("Edit423", "0,8");
    Type("Edit384", "20");
    Click("SpeedButton16");
    RecreateWindow();
    EXPECT_EQ(QStringList({Text("Edit423"), Text("Edit384")}), QStringList({"0,8", "20"}));
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
    TestDialogs().fileNames << Path("ilk.xlsx") << Path("ikinci.xlsx");
    Click("SpeedButton17");
    ASSERT_EQ(opener.opened.size(), 1);
    XlsxSheet sheet = ReadXlsxSheet(opener.opened[0]);
    EXPECT_EQ(sheet.Text("A4"), "Ayşe");
    EXPECT_EQ(sheet.Number("B4"), 3000);
    EXPECT_FALSE(sheet.Has("C4"));

    grid->blockSignals(true);
    grid->SetRow(2);
    grid->blockSignals(false);
    Click("SpeedButton17");
    ASSERT_EQ(opener.opened.size(), 2);
    sheet = ReadXlsxSheet(opener.opened[1]);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ((QList<double>{sheet.Number("C4"), sheet.Number("N4"), sheet.Number("B5"), sheet.Number("B9")}),
              (QList<double>{2144.73, 3675, 10000, 13000}));
    EXPECT_FALSE(sheet.Has("C5"));
    EXPECT_EQ(sheet.Formula("B9"), "SUM(B4:B7)");
    EXPECT_TRUE(TestDialogs().Texts().isEmpty());
}
}  // namespace
