#include "base/exceptions.h"
#include "base/numbers.h"
#include "base/printer.h"
#include "report/fr_emf_pages.h"
#include "report/fr_memo_view.h"
#include "report/fr_pages.h"
#include "report/fr_progr.h"
#include "report/fr_report.h"
#include "template_test_support.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSizeF>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
// A prepared page of the given paper with one memo, as a build would have printed it.
void AddPage(TfrReport& report, uint8_t orientation, const QString& text)
{
    TfrPage page(frA4Paper, 0, 0, orientation);
    report.EMFPages.Add(page);
    TfrEMFPage& record = report.EMFPages.Pages(report.EMFPages.Count() - 1);
    TfrMemoView memo;
    memo.RecordForm = 1;
    memo.SetBounds(40, 40, 300, 18);
    memo.OutLines.Add(text);
    record.Stream->WriteByte(memo.ObjectType);
    memo.SaveToStream(*record.Stream);
}


const QSize kA4Portrait(595, 842);
const QSize kA4Landscape(842, 595);

class ReportPrinting : public VirtualPrinterTest {
protected:
    void SetUp() override
    {
        VirtualPrinterTest::SetUp();
        TestDialogs().Reset();
        pdf = Path("cikti.pdf");
        Printer().SetOutputFileName(pdf);
        report.Title = "Deneme";
    }
    void TearDown() override
    {
        Printer().SetOutputFileName(QString());
        VirtualPrinterTest::TearDown();
    }
    // Prints without the progress window and answers the pages in the order they were sent.
    QList<int> Print(const QString& pageList, int copies)
    {
        QList<int> sent;
        report.OnProgress = [&sent](int n) { sent << n; };
        report.PrintPreparedReport(pageList, copies);
        report.OnProgress = nullptr;
        return sent;
    }

    TfrReport report;
    QString pdf;
};
}  // namespace

TEST_F(ReportPrinting, PageListsAndCopies)
{
    for (int i = 1; i <= 5; ++i)
        AddPage(report, frPortrait, QString("Sayfa %1").arg(i));
    struct Case {
        const char* list;
        int copies;
        QList<int> pages;
    };
    const Case cases[] = {
        {"", 1, {1, 2, 3, 4, 5}},
        {"2-3", 2, {2, 2, 3, 3}},
        {" 1, 3 ,5-7", 1, {1, 3, 5}},
        {"4,2", 0, {2, 4}},  // pages go in their own order; fewer than one copy is one
        {"1-1,9", 1, {1}},
    };
    for (const Case& c : cases) {
        QFile::remove(pdf);
        EXPECT_EQ(Print(c.list, c.copies), c.pages) << c.list;
        EXPECT_EQ(PdfPageSizes(pdf), std::vector<QSize>(static_cast<size_t>(c.pages.size()), kA4Portrait))
            << c.list;
        EXPECT_FALSE(Printer().Printing());
    }
}

TEST_F(ReportPrinting, AListThatSelectsNoPageSendsNothing)
{
    AddPage(report, frPortrait, "Tek");
    EXPECT_EQ(Print("7-5", 1), QList<int>());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(ReportPrinting, AnotherPaperChangesThePageSize)
{
    AddPage(report, frPortrait, "Dikey");
    AddPage(report, frLandscape, "Yatay");
    AddPage(report, frLandscape, "Yatay 2");
    AddPage(report, frPortrait, "Dikey 2");
    EXPECT_EQ(Print("", 1), (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(PdfPageSizes(pdf), (std::vector<QSize>{kA4Portrait, kA4Landscape, kA4Landscape, kA4Portrait}));
    // what each page was printed with is kept in its record
    EXPECT_EQ(report.EMFPages.Pages(1).PageInfo.PageWidth, 1064);
    EXPECT_EQ(report.EMFPages.Pages(1).Visible, 0);
    EXPECT_EQ(report.EMFPages.Pages(1).Page, nullptr);
}

TEST_F(ReportPrinting, CancelStopsAfterThePageUnderWay)
{
    for (int i = 1; i <= 4; ++i)
        AddPage(report, frPortrait, QString("Sayfa %1").arg(i));
    QList<int> sent;
    report.OnProgress = [&](int n) {
        sent << n;
        if (sent.size() == 3)
            report.Terminated = true;
    };
    report.PrintPreparedReport("", 2);
    EXPECT_EQ(sent, (QList<int>{1, 1, 2}));
    EXPECT_FALSE(Printer().Printing());
    EXPECT_FALSE(report.Terminated);  // the next run starts afresh
}

TEST_F(ReportPrinting, ABadPageListIsReportedBeforeAnythingIsSent)
{
    AddPage(report, frPortrait, "Tek");
    QString expected;
    try {
        StrToInt("x");
    } catch (const EConvertError& e) {
        expected = e.Message();
    }
    ASSERT_FALSE(expected.isEmpty());
    try {
        Print("1-x", 1);
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), expected);
    }
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_FALSE(Printer().Printing());
}

TEST_F(ReportPrinting, TheProgressWindowShowsThePagesAndItsCancelStopsTheJob)
{
    for (int i = 1; i <= 6; ++i)
        AddPage(report, frPortrait, QString("Sayfa %1").arg(i));
    TfrProgressForm& progress = frGetProgressForm();
    QStringList labels;
    QString caption;
    // Cancel as soon as the window shows a page; the work lets events through after its first page,
    // then a few times a second.
    std::function<void()> watch = [&] {
        if (!progress.isVisible())
            return;
        caption = progress.windowTitle();
        labels << progress.Label1->text();
        if (labels.last() != progress.ProgressPrefix)
            progress.Button1->click();
    };
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, watch);
    timer.start(0);
    report.PrintPreparedReport("", 1);
    timer.stop();
    EXPECT_EQ(caption, "Report preparing - Deneme");
    ASSERT_GE(labels.size(), 1);
    EXPECT_TRUE(labels.contains("Printing page:  1")) << labels.join('|').toStdString();
    EXPECT_FALSE(progress.isVisible());
    EXPECT_FALSE(Printer().Printing());
    EXPECT_LT(labels.size(), 6);
}

TEST_F(ReportPrinting, TheProgressWindowRunsThePrintToTheEnd)
{
    for (int i = 1; i <= 3; ++i)
        AddPage(report, frPortrait, QString("Sayfa %1").arg(i));
    report.PrintPreparedReport("2-3", 1);
    EXPECT_FALSE(frGetProgressForm().isVisible());
    EXPECT_EQ(frGetProgressForm().Label1->text(), "Printing page:  3");
    EXPECT_EQ(PdfPageSizes(pdf).size(), 2u);
}

TEST_F(ReportPrinting, AnInvalidPrinterIsReportedAndTheOldOneStays)
{
    TfrPage& page = report.Pages.Add();
    page.ChangePaper(frA4Paper, 0, 0, frLandscape);
    TfrPrinter& printer = frPrinterObject();
    const int before = printer.PrinterIndex;
    for (int index : {-1, printer.VirtualPrinterIndex, printer.VirtualPrinterIndex + 3}) {
        TestDialogs().Reset();
        EXPECT_FALSE(report.ChangePrinter(before, index)) << index;
        ASSERT_EQ(TestDialogs().shown.size(), 1u);
        EXPECT_EQ(TestDialogs().shown[0].text, "Printer selected is not valid");
        EXPECT_EQ(TestDialogs().shown[0].caption, "Error");
        EXPECT_EQ(TestDialogs().shown[0].icon, DialogService::Error);
        EXPECT_EQ(printer.PrinterIndex, before);
        EXPECT_EQ(page.Width, 2970);
        EXPECT_EQ(page.PageInfo.PageWidth, 1064);
    }
}
