// The passes of a preparation: the progress window, cancelling, failures, the report's events and
// its own data set, and template pages that go on on the page before.
#include "build_test_support.h"

#include "report/fr_dset.h"
#include "report/fr_band.h"
#include "report/fr_progr.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class ReportPasses : public ReportBuildTest {
protected:
    // 45 records of 50 to pages of 20.
    void BuildThreePages()
    {
        AddBand(btMasterData, 100, 50, 48, "45");
        AddMemo(20, 100, 200, 16, {"Kayıt [LINE#]"});
        AddBand(btPageFooter, 900, 35);
        AddMemo(600, 902, 120, 16, {"Sayfa [PAGE#] / [TOTALPAGES]"});
    }
};

}  // namespace

TEST_F(ReportPasses, ProgressWindowRunsTheWorkAndClosesWhenItEnds)
{
    BuildThreePages();
    report->ShowProgress = true;
    report->Title = "Ücret";
    bool shown = false;
    report->OnEndPage = [&shown](int) { shown = shown || frGetProgressForm().isVisible(); };
    for (uint16_t twoPasses : {0, 1}) {
        shown = false;
        report->PrepareTwice = twoPasses;
        ASSERT_TRUE(Prepare());
        EXPECT_TRUE(shown);
        EXPECT_EQ(PageCount(), 3);
        EXPECT_FALSE(frGetProgressForm().isVisible());
        EXPECT_EQ(frGetProgressForm().windowTitle(), "Report preparing - Ücret");
        // the final pass of two counts against the pages the first found
        EXPECT_EQ(frGetProgressForm().Label1->text(),
                  twoPasses ? "Processing page:  3 from 3" : "Processing page:  3");
        EXPECT_EQ(MemoTexts(2).last(), twoPasses ? "Sayfa 3 / 3" : "Sayfa 3 / 0");
    }
}

TEST_F(ReportPasses, CancelStopsTheBuildAndKeepsThePagesBuilt)
{
    struct Case {
        bool window;
        uint16_t twoPasses;
        int pages;  // kept after the cancel
    };
    // Cancelled while the second page ends: the third has begun. A cancelled count leaves
    // nothing, its pages being empty.
    const Case cases[] = {{false, 0, 3}, {true, 0, 3}, {true, 1, 0}};
    for (const Case& c : cases) {
        report->Pages.Clear();
        BuildThreePages();
        report->ShowProgress = c.window;
        report->PrepareTwice = c.twoPasses;
        int endedPages = 0;
        report->OnEndPage = [&](int) {
            if (++endedPages == 2) {
                if (c.window)
                    frGetProgressForm().Button1->click();
                else
                    report->Terminated = true;
            }
        };
        EXPECT_FALSE(Prepare()) << c.window << c.twoPasses;
        EXPECT_EQ(PageCount(), c.pages) << c.window << c.twoPasses;
        EXPECT_FALSE(report->Terminated);
        EXPECT_FALSE(frGetProgressForm().isVisible());
        EXPECT_FALSE(frErrorFlag);
    }
}

TEST_F(ReportPasses, FailingViewStopsTheReportAndTellsWhere)
{
    BuildThreePages();
    AddBand(btReportTitle, 20, 30);
    AddMemo(20, 22, 300, 16, {"Tutar:", "[FORMATFLOAT('#,##0.00', 'yok')]"});
    EXPECT_FALSE(Prepare());
    ASSERT_TRUE(frErrorFlag);
    // what failed, the memo's lines, the report, the band, and last the failure's own text
    const QStringList lines = frErrorText.split('\n');
    ASSERT_EQ(lines.size(), 6) << frErrorText.toStdString();
    EXPECT_EQ(lines.mid(0, 5), (QStringList{"An error occured during calculating", "Tutar:",
                                            "[FORMATFLOAT('#,##0.00', 'yok')]", "Report: frReport1",
                                            "Band: Report title"}));
    EXPECT_FALSE(lines[5].isEmpty());
    // no record printed after the failure
    EXPECT_EQ(PageCount(), 1);
    EXPECT_EQ(MemoTexts(0), QStringList{"Sayfa 1 / 0"});
}

TEST_F(ReportPasses, EventsFireInBuildingOrder)
{
    AddBand(btReportTitle, 20, 30);
    AddMemo(20, 22, 300, 16, {"Başlık"});
    AddBand(btMasterData, 100, 500, 48, "3");
    AddMemo(20, 100, 200, 16, {"[LINE#]"});
    AddBand(btPageFooter, 900, 35);
    AddMemo(600, 902, 120, 16, {"[PAGE#]"});
    QStringList events;
    report->OnBeginDoc = [&] { events << "BeginDoc"; };
    report->OnEndDoc = [&] { events << "EndDoc"; };
    report->OnBeginPage = [&](int page) { events << QStringLiteral("BeginPage %1").arg(page); };
    report->OnEndPage = [&](int page) { events << QStringLiteral("EndPage %1").arg(page); };
    report->OnBeginBand = [&](TfrBand* band) {
        if (band->BandType == btReportTitle || band->BandType == btMasterData)
            events << QStringLiteral("Band %1").arg(band->BandType);
    };
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(events, (QStringList{"BeginDoc", "BeginPage 0", "Band 0", "Band 5", "Band 5", "EndPage 0",
                                   "BeginPage 1", "Band 5", "EndPage 1", "EndDoc"}));
}

TEST_F(ReportPasses, BeginBandHandlerCanAskForANewPage)
{
    AddBand(btMasterData, 100, 50, 48, "4");
    AddMemo(20, 100, 200, 16, {"Kayıt [LINE#]"});
    report->OnBeginBand = [](TfrBand* band) {
        if (band->BandType == btMasterData && band->LocalPosition == 3)
            band->PageBreakRequested = true;
    };
    ASSERT_TRUE(Prepare());
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(MemoTexts(0), (QStringList{"Kayıt 1", "Kayıt 2"}));
    EXPECT_EQ(MemoTexts(1), (QStringList{"Kayıt 3", "Kayıt 4"}));
}

TEST_F(ReportPasses, ReportDataSetRepeatsTheTemplateOncePerRecord)
{
    auto* data = new TfrUserDataset(owner.get());
    data->RangeEnd = reCount;
    data->RangeEndCount = 3;
    report->Dataset = data;
    report->ReportType = rtMultiple;
    AddBand(btReportTitle, 20, 30);
    AddMemo(20, 22, 300, 16, {"Rapor [N]"});
    report->OnGetValue = [data](const QString& name, Variant& value) {
        if (name == "N")
            value = Variant(data->RecNo + 1);
    };
    ASSERT_TRUE(Prepare());
    ASSERT_EQ(PageCount(), 3);
    for (int page = 0; page < 3; ++page)
        EXPECT_EQ(MemoTexts(page), QStringList{QStringLiteral("Rapor %1").arg(page + 1)});
}

// A manual build shows its bands itself: the first band starts the first page, as if the handler had
// asked for it, and a page asked for before any exists closes no column.
TEST_F(ReportPasses, ManualBuildGetsItsFirstPageWithOrWithoutAskingForIt)
{
    AddBand(btPageHeader, 20, 30);
    AddMemo(20, 22, 200, 16, {"Üst"});
    AddBand(btMasterData, 100, 50);
    AddMemo(20, 100, 200, 16, {"Kayıt [N]"});
    AddBand(btColumnFooter, 200, 20);
    AddMemo(20, 202, 200, 16, {"Sütun sonu"});
    int record = 0;
    report->OnGetValue = [&record](const QString& name, Variant& value) {
        if (name == "N")
            value = Variant(record);
    };
    QStringList firstPage{"Üst"};
    for (int i = 1; i <= 19; ++i)
        firstPage << QStringLiteral("Kayıt %1").arg(i);
    firstPage << "Sütun sonu";
    for (const bool asksFirst : {false, true}) {
        SCOPED_TRACE(asksFirst ? "NewPage first" : "band first");
        report->OnManualBuild = [&record, asksFirst](TfrPage* page) {
            if (asksFirst)
                page->NewPage();
            for (record = 1; record <= 20; ++record)
                page->ShowBand(page->Bands[btMasterData]);
        };
        ASSERT_TRUE(Prepare()) << frErrorText.toStdString();
        ASSERT_EQ(PageCount(), 2);
        EXPECT_EQ(MemoTexts(0), firstPage);
        EXPECT_EQ(MemoTexts(1), (QStringList{"Üst", "Kayıt 20"}));
    }
}
