#include "base/numbers.h"
#include "calc/payroll_assets/payroll_print.h"
#include "base/printer.h"
#include "base/rich_edit.h"
#include "base/text_run_recorder.h"
#include "base/string_grid.h"
#include "report/fr_memo_view.h"
#include "report/fr_progr.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"
#include "report/fr_view_form.h"
#include "report/report_test_support.h"
#include "golden.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
// What the preview window showed before the test closed it.
struct Preview {
    bool shown = false;
    QString caption;
    QString pageLabel;
    int pages = 0;
    QList<QStringList> texts;  // the text runs drawn on each page, in drawing order
};

QList<QStringList> PageTexts(TfrPreviewPages& pages)
{
    QList<QStringList> texts;
    for (int i = 0; i < pages.Count(); ++i) {
        const TfrPrinterInfo& info = pages.PageInfo(i);
        TTextRunRecorder recorder(info.PageWidth, info.PageHeight);
        {
            TCanvas canvas(&recorder);
            pages.SetVisible(i, true);
            pages.Draw(i, canvas, TRect{0, 0, info.PageWidth, info.PageHeight});
        }
        QImage scratch(1, 1, QImage::Format_RGB32);
        TCanvas release(&scratch);
        pages.SetVisible(i, false);
        pages.Draw(i, release, TRect{});
        QStringList runs;
        for (const TTextRun& run : recorder.Runs())
            runs << run.Text;
        texts << runs;
    }
    return texts;
}

class CalculatorPrinting : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        TestDialogs().Reset();
    }

    // Clicks a "YAZDIR" and closes the preview it opens, once it is up (building runs first).
    Preview Print(const char* button)
    {
        Preview seen;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* form = qobject_cast<TfrPreviewForm*>(w);
                if (form == nullptr || !form->isVisible() || w->objectName() != "frPreviewForm")
                    continue;
                seen = {true, form->windowTitle(), form->Label1->text(), form->EMFPages ? form->EMFPages->Count() : 0,
                        form->EMFPages ? PageTexts(*form->EMFPages) : QList<QStringList>{}};
                form->ExitBtnXP->click();
                watch.stop();
            }
        });
        watch.start(0);
        MouseClick(Find<QAbstractButton>(button));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return seen;
    }
    TfrMemoView* Memo(TfrReport* report, const char* name)
    {
        return dynamic_cast<TfrMemoView*>(report->FindObject(name));
    }
    QStringList MemoLines(TfrReport* report, const char* name)
    {
        TfrMemoView* memo = Memo(report, name);
        return memo != nullptr ? memo->Memo.ToQStringList() : QStringList{"<no memo>"};
    }
    QStringList Body(TfrReport* report)
    {
        auto* rich = dynamic_cast<TfrRichView*>(report->FindObject("rich1"));
        return rich != nullptr && rich->RichEdit ? rich->RichEdit->Lines() : QStringList{"<no rich1>"};
    }
    TRichEdit* Pane(const char* name) { return Find<TRichEdit>(name); }
};

const TFont kPaneFont{"Courier New", 8};
}  // namespace

TEST_F(CalculatorPrinting, EachPaneGoesIntoTheTemplateUnderItsOwnHeadingAndTitle)
{
    struct Case {
        const char* button;
        const char* pane;
        const char* heading;
        const char* title;
    };
    const Case cases[] = {
        {"SpeedButton4", "RichEdit10", "Gecikme/Tecil Faizi Rapor Dökümü",
         "Dorvan Rapor Önizleme - Gecikme/Tecil Faizi Rapor Dökümü"},
        {"SpeedButton5", "RichEdit13", "Devir Hızı Rapor Dökümü", "Dorvan Rapor Önizleme - Devir Hızı raporu"},
        {"SpeedButton6", "RichEdit14", "Kıdem/İhbar Dökümü", "Dorvan Rapor Önizleme - Kıdem/İhbar raporu"},
        {"SpeedButton7", "RichEdit15", "Amortisman Hesaplama Dökümü",
         "Dorvan Rapor Önizleme - Amortisman Hesaplama raporu"},
    };
    TfrReport* report = form_->frReport2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        const QStringList text{" ", QString(" %1 satırı").arg(c.pane), "   1.234,56   sayfa [PAGE#]", " "};
        Pane(c.pane)->SetLines(text);
        const Preview preview = Print(c.button);
        EXPECT_TRUE(preview.shown);
        EXPECT_EQ(preview.caption, QString("Preview - ") + c.title);
        EXPECT_EQ(preview.pages, 1);
        EXPECT_EQ(MemoLines(report, "Memo5"), QStringList{c.heading});
        EXPECT_EQ(Memo(report, "Memo1")->Font, kPaneFont);
        EXPECT_EQ(Memo(report, "Memo1")->Memo.Count(), 0);  // stays empty
        EXPECT_EQ(Body(report), text);
        auto* rich = dynamic_cast<TfrRichView*>(report->FindObject("rich1"));
        EXPECT_EQ(rich->RichEdit->FontName(), "Courier New");
        EXPECT_EQ(rich->RichEdit->FontHeight(), -11);
        EXPECT_EQ(report->Title, c.title);
        EXPECT_EQ(Pane(c.pane)->Lines(), text);  // printing leaves the pane as it was
        EXPECT_TRUE(TestDialogs().shown.empty()) << TestDialogs().Texts().join(" | ").toStdString();
    }
}

TEST_F(CalculatorPrinting, AnEmptyPanePrintsTheTitleAlone)
{
    Pane("RichEdit15")->ClearLines();
    Pane("RichEdit14")->SetLines({"önceki rapor"});
    Print("SpeedButton6");
    const Preview preview = Print("SpeedButton7");
    EXPECT_TRUE(preview.shown);
    EXPECT_EQ(preview.pageLabel, "Page 1/1");
    EXPECT_EQ(MemoLines(form_->frReport2, "Memo5"), QStringList{"Amortisman Hesaplama Dökümü"});
    EXPECT_EQ(Body(form_->frReport2), QStringList());
}

TEST_F(CalculatorPrinting, LateInterestPrintsTwiceAlikeAndKeepsItsState)
{
    Find<QLineEdit>("Edit373")->setText("1.000,00");
    MouseClick(Find<QAbstractButton>("SpeedButton44"));
    const QStringList pane = Pane("RichEdit10")->Lines();
    ASSERT_FALSE(pane.isEmpty());
    const QString cumulative = Find<QLineEdit>("Edit375")->text();
    const bool open = Find<QCheckBox>("CheckBox2")->isChecked();
    const Preview first = Print("SpeedButton4");
    const QStringList firstBody = Body(form_->frReport2);
    const Preview second = Print("SpeedButton4");
    EXPECT_TRUE(first.shown);
    EXPECT_EQ(first.pages, second.pages);
    EXPECT_EQ(firstBody, pane);
    EXPECT_EQ(Body(form_->frReport2), pane);
    EXPECT_EQ(Pane("RichEdit10")->Lines(), pane);
    EXPECT_EQ(Find<QLineEdit>("Edit375")->text(), cumulative);
    EXPECT_EQ(Find<QCheckBox>("CheckBox2")->isChecked(), open);
    EXPECT_FALSE(Find<QCheckBox>("CheckBox3")->isChecked());
}

TEST_F(CalculatorPrinting, ATemplateWithoutItsRichViewIsReported)
{
    form_->frReport2->FindObject("rich1")->Name = "Rich9";
    Pane("RichEdit13")->SetLines({"metin"});
    const Preview preview = Print("SpeedButton5");
    EXPECT_FALSE(preview.shown);
    EXPECT_EQ(TestDialogs().Texts(), QStringList{"Rapor şablonunda \"rich1\" bulunamadı; rapor hazırlanamıyor."});
}

TEST_F(CalculatorPrinting, PayrollRecalculatesAndPrintsItsListInTheLandscapeTemplate)
{
    auto* grid = Find<TStringGrid>("StringGrid5");
    grid->SetRowCount(4);
    const QStringList row1{"1", "Abdurrahman Karaoğlu", "3000"};
    const QStringList row2{"2", "Ayşe Demir", "10000", "", "15"};
    for (int c = 0; c < row1.size(); ++c)
        grid->SetCells(c, 1, row1[c]);
    for (int c = 0; c < row2.size(); ++c)
        grid->SetCells(c, 2, row2[c]);
    grid->SetCells(0, 3, "3");
    Find<TRichEdit>("RichEdit9")->SetLines({"eski rapor"});

    const Preview preview = Print("SpeedButton9");
    EXPECT_TRUE(preview.shown);
    EXPECT_EQ(preview.caption, "Preview - Dorvan Rapor Önizleme - Ücret Hesaplama Rapor Dökümü");
    EXPECT_EQ(preview.pages, 1);
    // row 1 the worked row of gross 3000 with the days left empty, under a name cut at 17 characters;
    // row 2 gross 10000 for 15 days, above the ceiling; the empty last row prints its number and blanks
    const QStringList body = Find<TRichEdit>("RichEdit9")->Lines();
    ExpectGolden("payroll/printed_list.txt", body);
    TfrReport* report = form_->frReport3;
    EXPECT_EQ(Body(report), body);
    EXPECT_EQ(MemoLines(report, "Memo5"), QStringList{"Ücret Hesaplama Rapor Dökümü"});
    EXPECT_EQ(MemoLines(report, "Memo7"),
              QStringList{"İşlem Tarihi        : " + QDate::currentDate().toString("dd.MM.yyyy")});
    ExpectGolden("payroll/printed_headings.txt", MemoLines(report, "Memo1") + MemoLines(report, "Memo6"));
    for (const char* name : {"Memo1", "Memo6", "Memo7"})
        EXPECT_EQ(Memo(report, name)->Font, kPaneFont) << name;
    const TFont& titleFont = Memo(report, "Memo5")->Font;  // the title keeps its own
    EXPECT_EQ(std::tuple(titleFont.Name, titleFont.Size, titleFont.Style), std::tuple("Times New Roman Tur", 12, 2));
    auto* rich = dynamic_cast<TfrRichView*>(report->FindObject("rich1"));
    EXPECT_EQ(rich->RichEdit->FontName(), "Courier New");
    EXPECT_EQ(rich->RichEdit->FontHeight(), -11);
    EXPECT_EQ(report->Title, "Dorvan Rapor Önizleme - Ücret Hesaplama Rapor Dökümü");
    // title band, page header, body without its blank lines, page footer
    const QString today = QDate::currentDate().toString("dd.MM.yyyy");
    EXPECT_EQ(preview.texts.value(0), QStringList({"Ücret Hesaplama Rapor Dökümü", "İşlem Tarihi        : " + today, today}) +
                                          MemoLines(report, "Memo1") + MemoLines(report, "Memo6") + body.mid(0, 3) +
                                          body.mid(4, 1) + QStringList{"Sayfa 1"});
    EXPECT_TRUE(TestDialogs().shown.empty()) << TestDialogs().Texts().join(" | ").toStdString();
}

TEST(PayrollReportLines, APieceOverItsColumnPushesTheRestRightAndIsCutAtSeventeen)
{
    const QString figure20 = "12345678901234567890";
    const QStringList cells{"12", "Ali", "1.234.567,89", "", "31", figure20};
    const QString expected = QString("12 ") + "Ali              " + "1.234.567,89" + QString(10, ' ') + "  31" +
                             "12345678901234567" + QString(10 + 8 + 8 + 11 + 11 + 10 + 8 + 10 + 10, ' ');
    EXPECT_EQ(PayrollReportLine(cells), expected);
}

TEST_F(CalculatorPrinting, ALongReportFlowsOverPagesWithHeaderAndFooterOnEach)
{
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QString(" %1. satır %2").arg(i, 3).arg(FormatFloat("#,##0.00", i * 1000.5L));
    Pane("RichEdit13")->SetLines(lines);
    const Preview preview = Print("SpeedButton5");
    ASSERT_GE(preview.pages, 3);
    ASSERT_EQ(preview.texts.size(), preview.pages);
    const QString today = QDate::currentDate().toString("dd.MM.yyyy");
    QStringList body;
    for (int p = 0; p < preview.pages; ++p) {
        QStringList runs = preview.texts[p];
        SCOPED_TRACE(p);
        if (p == 0) {
            ASSERT_FALSE(runs.isEmpty());
            EXPECT_EQ(runs.takeFirst(), "Devir Hızı Rapor Dökümü");  // the title band, on the first page only
        }
        ASSERT_GE(runs.size(), 3);
        EXPECT_EQ(runs.takeFirst(), today);
        EXPECT_EQ(runs.takeLast(), QString("Sayfa %1").arg(p + 1));
        body += runs;
    }
    // the body is split between pages, nothing lost or repeated
    EXPECT_EQ(body, lines);
}

TEST_F(CalculatorPrinting, AFailedBuildShowsItsErrorOnceAndNoPreview)
{
    Pane("RichEdit15")->SetLines({"Demirbaş [Tanımsız] makine"});
    const Preview preview = Print("SpeedButton7");
    EXPECT_FALSE(preview.shown);
    ASSERT_EQ(TestDialogs().shown.size(), 1u);
    EXPECT_TRUE(TestDialogs().shown[0].text.startsWith("An error occured during calculating"))
        << TestDialogs().shown[0].text.toStdString();
    EXPECT_EQ(TestDialogs().shown[0].caption, "Error");
    EXPECT_EQ(TestDialogs().shown[0].icon, DialogService::Error);
    EXPECT_EQ(form_->frReport2->EMFPages.Count(), 0);
}


TEST_F(CalculatorPrinting, ACalculatorsReportPrintsItsPagesToTheChosenOutput)
{
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QString(" %1. satır").arg(i, 3);
    Pane("RichEdit15")->SetLines(lines);
    Print("SpeedButton7");
    // the preview gave its pages back and dropped them: build again, as its print command does after a
    // change of printer
    TfrReport* report = form_->frReport2;
    report->OnProgress = [](int) {};
    ASSERT_TRUE(report->PrepareReport());
    ASSERT_GE(report->EMFPages.Count(), 3);
    const QString pdf = Path("amortisman.pdf");
    Printer().SetOutputFileName(pdf);
    report->PrintPreparedReport("2-3", 1);
    Printer().SetOutputFileName(QString());
    report->OnProgress = nullptr;
    EXPECT_EQ(PdfPageSizes(pdf), (std::vector<QSize>{{595, 842}, {595, 842}}));
}

TEST_F(CalculatorPrinting, CancellingTheBuildShowsThePagesBuiltSoFar)
{
    QStringList lines;
    for (int i = 1; i <= 3000; ++i)
        lines << QString(" %1. satır").arg(i, 4);
    Pane("RichEdit14")->SetLines(lines);
    const int whole = Print("SpeedButton6").pages;
    // Cancel pressed while the third page is made: the window lets events through only a few times
    // a second, so the press is made when that page ends rather than waited for.
    int ended = 0;
    form_->frReport2->OnEndPage = [&](int) {
        if (++ended == 3)
            frGetProgressForm().Button1->click();
    };
    const Preview cut = Print("SpeedButton6");
    EXPECT_TRUE(cut.shown);
    EXPECT_GE(cut.pages, 1);
    EXPECT_LT(cut.pages, whole);
    EXPECT_TRUE(TestDialogs().shown.empty());
    form_->frReport2->OnEndPage = nullptr;
}
