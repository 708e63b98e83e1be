// Where bands land: data bands over a user data set, page breaks, headers and footers, groups,
// columns, stretching and the splitting of a tall memo.
#include "build_test_support.h"

#include "report/fr_dset.h"

#include <gtest/gtest.h>

namespace {

// A memo line height: 13 pixels of a 10-point font and 2 of line spacing; a memo's block adds one
// pixel of gap above and below.
constexpr int kLine = 15;

class BandLayout : public ReportBuildTest {
protected:
    // A data set of `count` records named "Data"; "Key" and "Amount" answer from the current record.
    TfrUserDataset& UserData(const QStringList& keys, const QList<int>& amounts)
    {
        auto* data = new TfrUserDataset(owner.get());
        data->setObjectName("Data");
        data->RangeEnd = reCount;
        data->RangeEndCount = static_cast<int>(keys.size());
        report->OnGetValue = [data, keys, amounts](const QString& name, Variant& value) {
            if (data->RecNo >= keys.size())
                return;
            if (name == "Key")
                value = Variant(keys[data->RecNo]);
            else if (name == "Amount")
                value = Variant(amounts[data->RecNo]);
        };
        return *data;
    }
    // y of every memo on a page whose text starts with `prefix`.
    QList<int> TopsOf(int page, const QString& prefix) { return CoordsOf(page, prefix, &PrintedView::y); }
};

QStringList Repeat(const QString& text, int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << text.arg(i);
    return lines;
}

}  // namespace

TEST_F(BandLayout, MasterBandsOverUserDataStackBelowEachOther)
{
    UserData({"a", "b", "c"}, {10, 20, 30});
    AddBand(btMasterHeader, 100, 20);
    AddMemo(20, 102, 200, 16, {"Başlık"});
    AddBand(btMasterData, 130, 20, 48, "Data");
    AddMemo(20, 132, 200, 16, {"Satır [LINE#] [Key]"});
    AddBand(btMasterFooter, 160, 20);
    AddMemo(20, 162, 200, 16, {"Toplam [SUM([Amount])] ortalama [AVG([Amount])] adet [COUNT(x)]"});
    ASSERT_TRUE(Prepare());
    ASSERT_EQ(PageCount(), 1);
    EXPECT_EQ(MemoTexts(0), (QStringList{"Başlık", "Satır 1 a", "Satır 2 b", "Satır 3 c", "Toplam 60 ortalama 20 adet 3"}));
    EXPECT_EQ(TopsOf(0, "Başlık"), QList<int>{kTop + 2});
    EXPECT_EQ(TopsOf(0, "Satır"), (QList<int>{kTop + 22, kTop + 42, kTop + 62}));
    EXPECT_EQ(TopsOf(0, "Toplam"), QList<int>{kTop + 82});
}

TEST_F(BandLayout, CountedDataTextGivesThatManyRecordsAndEmptyDataPrintsNoHeaderOrFooter)
{
    struct Case {
        const char* data;
        QStringList expected;
    };
    const Case cases[] = {
        {"4", {"Başlık", "1", "2", "3", "4", "Son"}},
        {"", {}},  // no data source: the band is not looped at all
    };
    for (const Case& c : cases) {
        report->Pages.Clear();
        AddBand(btMasterHeader, 100, 20);
        AddMemo(20, 102, 200, 16, {"Başlık"});
        AddBand(btMasterData, 130, 20, 48, c.data);
        AddMemo(20, 132, 200, 16, {"[LINE#]"});
        AddBand(btMasterFooter, 160, 20);
        AddMemo(20, 162, 200, 16, {"Son"});
        ASSERT_TRUE(Prepare());
        ASSERT_EQ(PageCount(), 1);
        EXPECT_EQ(MemoTexts(0), c.expected) << c.data;
    }
}

TEST_F(BandLayout, RecordsBreakOntoNewPagesAndTotalPagesComesFromTheCountingPass)
{
    // 50-high records below the top margin of 18, above a 35-high page footer: 20 to a page.
    struct Case {
        uint16_t twoPasses;
        const char* lastFooter;
    };
    for (const Case& c : {Case{1, "Sayfa 3 / 3"}, Case{0, "Sayfa 3 / 0"}}) {
        report->Pages.Clear();
        report->PrepareTwice = c.twoPasses;
        AddBand(btMasterData, 100, 50, 48, "45");
        AddMemo(20, 100, 200, 16, {"Kayıt [LINE#]"});
        AddBand(btPageFooter, 900, 35);
        AddMemo(600, 902, 120, 16, {"Sayfa [PAGE#] / [TOTALPAGES]"});
        ASSERT_TRUE(Prepare());
        ASSERT_EQ(PageCount(), 3);
        EXPECT_EQ(TopsOf(0, "Kayıt").size(), 20);
        EXPECT_EQ(TopsOf(1, "Kayıt").size(), 20);
        EXPECT_EQ(TopsOf(2, "Kayıt").size(), 5);
        EXPECT_EQ(TopsOf(1, "Kayıt").first(), kTop);
        EXPECT_EQ(TopsOf(1, "Kayıt").last(), kTop + 19 * 50);
        EXPECT_EQ(MemoTexts(1).first(), "Kayıt 21");
        EXPECT_EQ(MemoTexts(2).last(), c.lastFooter);
        EXPECT_EQ(TopsOf(2, "Sayfa"), QList<int>{kBottom - 35 + 2});
    }
}

TEST_F(BandLayout, PageHeaderAndFooterFlagsChooseTheFirstAndLastPage)
{
    struct Case {
        uint16_t headerFlags, footerFlags;
        QList<bool> header, footer;  // per page
    };
    const Case cases[] = {
        {48, 48, {true, true, true}, {true, true, true}},
        {32, 48, {false, true, true}, {true, true, true}},
        {48, 32, {true, true, true}, {false, true, true}},
        {48, 16, {true, true, true}, {true, true, false}},
        {0, 0, {false, true, true}, {false, true, false}},
    };
    for (const Case& c : cases) {
        report->Pages.Clear();
        AddBand(btPageHeader, 20, 30, c.headerFlags);
        AddMemo(20, 22, 200, 16, {"Üst"});
        AddBand(btMasterData, 100, 50, 48, "45");
        AddMemo(20, 100, 200, 16, {"[LINE#]"});
        AddBand(btPageFooter, 900, 35, c.footerFlags);
        AddMemo(600, 902, 120, 16, {"Alt"});
        ASSERT_TRUE(Prepare());
        ASSERT_EQ(PageCount(), 3) << c.headerFlags << " " << c.footerFlags;
        for (int page = 0; page < 3; ++page) {
            EXPECT_EQ(MemoTexts(page).contains("Üst"), c.header[page]) << c.headerFlags << " page " << page + 1;
            EXPECT_EQ(MemoTexts(page).contains("Alt"), c.footer[page]) << c.footerFlags << " page " << page + 1;
        }
    }
}

TEST_F(BandLayout, GroupsPrintTheirHeadersFootersAndTotals)
{
    UserData({"A", "A", "B", "B", "B", "C"}, {1, 2, 3, 4, 5, 6});
    AddBand(btGroupHeader, 60, 20, 48, "[Key]");
    AddMemo(20, 62, 200, 16, {"Grup [Key]"});
    AddBand(btMasterData, 100, 20, 48, "Data");
    AddMemo(20, 102, 200, 16, {"[LINE#]: [Amount]"});
    AddBand(btGroupFooter, 140, 20);
    AddMemo(20, 142, 200, 16, {"Ara toplam [SUM([Amount])] ([COUNT(x)])"});
    AddBand(btReportSummary, 200, 20);
    AddMemo(20, 202, 200, 16, {"Genel toplam [SUM([Amount])]"});
    ASSERT_TRUE(Prepare());
    ASSERT_EQ(PageCount(), 1);
    EXPECT_EQ(MemoTexts(0), (QStringList{"Grup A", "1: 1", "2: 2", "Ara toplam 3 (2)", "Grup B", "1: 3", "2: 4",
                                         "3: 5", "Ara toplam 12 (3)", "Grup C", "1: 6", "Ara toplam 6 (1)",
                                         "Genel toplam 21"}));
}

TEST_F(BandLayout, NestedGroupsCloseInnerFootersFirst)
{
    // outer group by the first letter, inner by the whole key
    UserData({"A1", "A1", "A2", "B1"}, {1, 2, 3, 4});
    AddBand(btGroupHeader, 40, 20, 48, "COPY([Key], 1, 1)");
    AddMemo(20, 42, 200, 16, {"Dış [COPY([Key], 1, 1)]"});
    AddBand(btGroupHeader, 70, 20, 48, "[Key]");
    AddMemo(20, 72, 200, 16, {"İç [Key]"});
    AddBand(btMasterData, 100, 20, 48, "Data");
    AddMemo(20, 102, 200, 16, {"[Amount]"});
    AddBand(btGroupFooter, 130, 20);
    AddMemo(20, 132, 200, 16, {"İç son [SUM([Amount])]"});
    AddBand(btGroupFooter, 160, 20);
    AddMemo(20, 162, 200, 16, {"Dış son [SUM([Amount])]"});
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(MemoTexts(0), (QStringList{"Dış A", "İç A1", "1", "2", "İç son 3", "İç A2", "3", "İç son 3",
                                         "Dış son 6", "Dış B", "İç B1", "4", "İç son 4", "Dış son 4"}));
}

TEST_F(BandLayout, ColumnsFillLeftToRightThenANewPage)
{
    TfrPage& page = Page();
    page.Columns = 2;
    page.ColumnSpacing = 10;
    AddBand(btMasterData, 100, 50, 48, "50");
    AddMemo(20, 100, 200, 16, {"[LINE#] [COLUMN#]"});
    ASSERT_TRUE(Prepare());
    // 20 records to a column: the 20th ends at 18 + 20 * 50 = 1018, a 21st would pass 1053
    ASSERT_EQ(PageCount(), 2);
    const auto first = Printed(0);
    ASSERT_EQ(first.size(), 40u);
    EXPECT_EQ(first[0].x, 20);
    EXPECT_EQ(first[19].y, kTop + 19 * 50);
    // the second column starts at the top again, a column width and the spacing to the right
    const int columnWidth = (kRight - kLeft) / 2;
    EXPECT_EQ(first[20].x, 20 + columnWidth + 10);
    EXPECT_EQ(first[20].y, kTop);
    EXPECT_EQ(first[20].lines, QStringList{"21 1"});
    EXPECT_EQ(Printed(1).size(), 10u);
    EXPECT_EQ(Printed(1)[0].x, 20);
}

TEST_F(BandLayout, StretchedBandGrowsWithItsTallestMemo)
{
    struct Case {
        int lines;
        int bandHeight;
        int memoHeight;  // a stretched memo takes a grown band's whole height
    };
    // a band never shrinks below its design height of 40, nor its memos below theirs
    const Case cases[] = {{1, 40, 20}, {4, 2 + 4 * kLine, 2 + 4 * kLine}, {10, 2 + 10 * kLine, 2 + 10 * kLine}};
    for (const Case& c : cases) {
        report->Pages.Clear();
        AddBand(btMasterData, 100, 40, 48 | flStretched, "2");
        AddMemo(20, 100, 300, 20, Repeat("Satır %1", c.lines));
        AddMemo(340, 100, 100, 20, {"Yan"});
        ASSERT_TRUE(Prepare());
        const QList<int> tops = TopsOf(0, "Satır");
        ASSERT_EQ(tops.size(), 2);
        EXPECT_EQ(tops[1] - tops[0], c.bandHeight) << c.lines;
        const auto views = Printed(0);
        EXPECT_EQ(views[0].dy, c.memoHeight) << c.lines;
        EXPECT_EQ(views[1].dy, c.memoHeight) << c.lines;
    }
}

TEST_F(BandLayout, TallMemoSplitsOverPagesAtWholeLines)
{
    // 150 lines, 2252 high, in a band at the top margin: each page takes 68 lines (a part of 1034 or
    // 1033 holds (height - 1) / 15 of them), the last page the 14 left in a part of 14 * 15 + 3; the
    // footer follows right below.
    struct Case {
        int lines;
        QList<int> perPage;
        int footerTop;
    };
    const Case cases[] = {
        {150, {68, 68, 14}, kTop + 14 * kLine + 3 + 2},
        // 137 lines end a little above the band's rectangle: the last line still prints
        {137, {68, 68, 1}, kTop + kLine + 3 + 2},
        // what fits is not split: the band is as high as the memo's 2 + 60 * 15
        {60, {60}, kTop + 2 + 60 * kLine + 2},
    };
    for (const Case& c : cases) {
        report->Pages.Clear();
        AddBand(btMasterData, 100, 20, 48 | flStretched | flBandBreaked, "1");
        AddMemo(20, 100, 300, 20, Repeat("Satır %1", c.lines));
        AddBand(btMasterFooter, 130, 20);
        AddMemo(20, 132, 200, 16, {"Son"});
        ASSERT_TRUE(Prepare());
        ASSERT_EQ(PageCount(), c.perPage.size()) << c.lines;
        QStringList all;
        for (int page = 0; page < PageCount(); ++page) {
            const auto views = Printed(page);
            ASSERT_FALSE(views.empty());
            EXPECT_EQ(views[0].lines.size(), c.perPage[page]) << c.lines << " page " << page + 1;
            EXPECT_EQ(views[0].y, kTop);
            EXPECT_LE(views[0].y + views[0].dy, kBottom);
            all << views[0].lines;
        }
        EXPECT_EQ(all, Repeat("Satır %1", c.lines));
        EXPECT_EQ(TopsOf(PageCount() - 1, "Son"), QList<int>{c.footerTop}) << c.lines;
    }
}

TEST_F(BandLayout, BandTooTallForTheRestOfThePageMovesWhole)
{
    AddBand(btMasterData, 100, 300, 48, "4");
    AddMemo(20, 100, 200, 16, {"Kayıt [LINE#]"});
    ASSERT_TRUE(Prepare());
    // three 300-high records fit from 18 to 918; the fourth starts the second page
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(TopsOf(0, "Kayıt"), (QList<int>{kTop, kTop + 300, kTop + 600}));
    EXPECT_EQ(TopsOf(1, "Kayıt"), QList<int>{kTop});
}

TEST_F(BandLayout, BandTallerThanAPageStopsTheReportInsteadOfAddingPages)
{
    AddBand(btReportTitle, 20, 100);
    AddMemo(20, 20, 200, 16, {"Başlık"});
    AddBand(btMasterData, 200, 1200, 48, "1");
    AddMemo(20, 200, 200, 16, {"Uzun"});
    EXPECT_FALSE(Prepare());
    EXPECT_TRUE(frErrorFlag);
    EXPECT_EQ(PageCount(), 2);
    EXPECT_TRUE(TopsOf(1, "Uzun").isEmpty());
}

TEST_F(BandLayout, InvisibleDataBandCountsIntoFootersOnlyWhereAskedTo)
{
    // a flag of 1 counts the records of a hidden band; without it nothing is counted, and a total
    // that never counted has no value at all
    struct Case {
        const char* footer;
        const char* expected;
    };
    for (const Case& c : {Case{"[SUM([Amount], , 1)]", "60"}, Case{"[SUM([Amount])]", " "}}) {
        report->Pages.Clear();
        UserData({"a", "b", "c"}, {10, 20, 30});
        TfrBandView& data = AddBand(btMasterData, 100, 20, 48, "Data");
        data.Visible = 0;
        AddMemo(20, 102, 200, 16, {"[Amount]"});
        AddBand(btMasterFooter, 160, 20);
        AddMemo(20, 162, 200, 16, {c.footer});
        ASSERT_TRUE(Prepare());
        EXPECT_EQ(MemoTexts(0), QStringList{c.expected}) << c.footer;
    }
}

TEST_F(BandLayout, HeadersMarkedToRepeatStartEveryPageAndOverlaysStandOnEach)
{
    AddBand(btOverlay, 500, 20);
    AddMemo(300, 505, 100, 16, {"TASLAK"});
    AddBand(btMasterHeader, 60, 30, 48 | flBandRepeatHeader);
    AddMemo(20, 62, 200, 16, {"Sütunlar"});
    AddBand(btMasterData, 100, 50, 48, "45");
    AddMemo(20, 100, 200, 16, {"Kayıt [LINE#]"});
    ASSERT_TRUE(Prepare());
    // under a 30-high header, 20 records of 50 fit from 48 down to 1053
    ASSERT_EQ(PageCount(), 3);
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(TopsOf(page, "Sütunlar"), QList<int>{kTop + 2}) << page + 1;
        EXPECT_EQ(TopsOf(page, "TASLAK"), QList<int>{505}) << page + 1;
        EXPECT_EQ(TopsOf(page, "Kayıt").first(), kTop + 30) << page + 1;
    }
    EXPECT_EQ(TopsOf(0, "Kayıt").size(), 20);
    EXPECT_EQ(MemoTexts(1)[2], "Kayıt 21");
}

TEST_F(BandLayout, MarginsComeFromThePageOrThePrintableArea)
{
    struct Case {
        uint16_t apply;
        TRect margins;  // left, top, right, bottom as stored
        int top, left, right, bottom;
    };
    const Case cases[] = {
        {0, {30, 40, 50, 60}, 0, 0, 752, 1071},  // the whole paper
        {1, {0, 0, 0, 0}, kTop, kLeft, kRight, kBottom},  // the printer's printable area
        {1, {30, 40, 50, 60}, 40, 30, 752 - 50, 1071 - 60},
    };
    frBuildingFlag = false;
    for (const Case& c : cases) {
        TfrPage& page = Page();
        page.ApplyMargins = c.apply;
        page.Margins = c.margins;
        EXPECT_EQ(page.TopMargin(), c.top) << c.apply;
        EXPECT_EQ(page.LeftMargin(), c.left) << c.apply;
        EXPECT_EQ(page.RightMargin(), c.right) << c.apply;
        EXPECT_EQ(page.BottomMargin(), c.bottom) << c.apply;
    }
}

TEST_F(BandLayout, BandsChainedBehindADataBandPrintWithItsRecordAndCountOnce)
{
    UserData({"a", "b"}, {10, 20});
    AddBand(btMasterData, 100, 20, 48, "Data");
    AddMemo(20, 102, 200, 16, {"[Key]"});
    AddBand(btMasterData, 130, 20);  // no data of its own
    AddMemo(20, 132, 200, 16, {"[Amount]"});
    AddBand(btMasterFooter, 160, 20);
    AddMemo(20, 162, 200, 16, {"Toplam [SUM([Amount])]"});
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(MemoTexts(0), (QStringList{"a", "10", "b", "20", "Toplam 30"}));
    EXPECT_EQ(TopsOf(0, "b"), QList<int>{kTop + 40 + 2});
}
