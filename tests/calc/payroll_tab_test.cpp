#include "base/string_grid.h"
#include "calc/payroll_assets/payroll_excel.h"
#include "calc_tab_test.h"
#include "payroll_xlsx_reader.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
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
        for (QChar ch : keys) {
            const int key = ch.isDigit() ? int(Qt::Key_0) + ch.digitValue() : ch == u',' ? int(Qt::Key_Comma) : int(ch.unicode());
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(edit, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(edit, &release);
        }
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
    const struct {
        bool otherRates;  // SGK 15 and 15,5, income tax 20, ceiling 9.000,00
        const char* dailyDeduction;
        const char* net;
        const char* gross;
        const char* recomputedNet;
        const char* cost;
    } cases[] = {
        {false, "0", "2.144,73", "3.000,00", "2.144,73", "3.675,00"},
        {false, "0", "8000", "10.678,60", "7.999,99", "12.435,83"},
        // The row computation does not take the daily deduction off the tax base: 30 x 10 x 15 % less.
        {false, "10", "1000", "1.335,83", "954,99", "1.636,40"},
        {true, "0", "4000", "6.020,38", "4.000,01", "7.073,95"},
        // Above that ceiling's net of 5.979,69.
        {true, "0", "9000", "12.811,55", "9.000,00", "14.386,55"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.net);
        const QStringList rates = c.otherRates ? QStringList{"15", "15,5", "20", "9.000,00"}
                                               : QStringList{"14", "20,50", "15", "7.809,90"};
        const char* edits[] = {"Edit379", "Edit380", "Edit384", "Edit387"};
        for (int i = 0; i < 4; ++i)
            Type(edits[i], rates[i]);
        Type("Edit383", c.dailyDeduction);
        fillRow(1, "Ayşe", "", "30", c.net);
        grid->SetRow(1);
        Click("SpeedButton52");
        EXPECT_EQ(rowTexts(1, 2, 2), QStringList({c.gross, c.recomputedNet}));
        EXPECT_EQ(grid->Cells(14, 1).toStdString(), c.cost);
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
        QLineEdit* edit = editor();
        ASSERT_NE(edit, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(edit, &press);
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
    TestDialogs().answers = {DialogService::AnswerNo, DialogService::AnswerYes};
    key(Qt::Key_F7);
    EXPECT_EQ(grid->RowCount(), 3);
    key(Qt::Key_F7);
    EXPECT_EQ(TestDialogs().Texts(), QStringList(2, kResetQuestion));
    EXPECT_EQ(grid->RowCount(), 2);
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
    EXPECT_EQ(Text("Edit379"), "14");
    EXPECT_EQ(Text("Edit383"), "5");
    EXPECT_EQ(Text("JustaEdit36"), savedTotal);
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
    QFile existing(Path("b.tus"));
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), "eski");
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
    EXPECT_EQ(Text("Edit379"), "15");
    EXPECT_EQ(Text("Edit387"), "9.000,00");
    EXPECT_EQ(Text("Edit383"), "1,234");
    EXPECT_EQ(Text("Edit380"), "20,50");
    EXPECT_EQ(Text("Edit424"), "30.000,00");

    // The severance tab's button writes the same member.
    Type("Edit423", "0,8");
    Type("Edit384", "20");
    Click("SpeedButton16");
    RecreateWindow();
    EXPECT_EQ(Text("Edit423"), "0,8");
    EXPECT_EQ(Text("Edit384"), "20");
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
    Click("SpeedButton17");
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(QFileInfo(opener.opened[0]).fileName().startsWith("Ücret Bordrosu "));
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
    EXPECT_EQ(sheet.Number("C4"), 2144.73);
    EXPECT_EQ(sheet.Number("N4"), 3675);
    EXPECT_EQ(sheet.Number("B5"), 10000);
    EXPECT_FALSE(sheet.Has("C5"));
    EXPECT_EQ(sheet.Formula("B9"), "SUM(B4:B7)");
    EXPECT_EQ(sheet.Number("B9"), 13000);
    // Exports in the same second go to files of their own.
    EXPECT_NE(opener.opened[0], opener.opened[1]);
    EXPECT_TRUE(TestDialogs().Texts().isEmpty());
}

TEST_F(PayrollTabTest, ExcelThatCannotBeOpenedIsReported)
{
    RecordingOpener opener(Path(""), false);
    Click("SpeedButton17");
    ASSERT_EQ(TestDialogs().Texts().size(), 1);
    EXPECT_TRUE(TestDialogs().Texts()[0].startsWith("Excel açılamadı. Sistem Mesajı: "));
}
}  // namespace
