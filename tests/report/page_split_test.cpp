// Text that runs over pages: every line on exactly one page, inside the page above its footer, at one
// pass and at two; bands that start at the page bottom or are taller than a page; page breaks asked
// for after a band.
#include "build_test_support.h"


#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kFooterTop = 990;                // page footer of the templates below, as designed
constexpr int kPrintedFooterTop = kBottom - 28;  // where it prints: at the bottom of the page

QStringList Numbered(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Satır %1").arg(i, 6, 10, QLatin1Char('0'));
    return lines;
}

class PageSplit : public ReportBuildTest {
protected:
    // The body lines of all pages in print order; views holding them must lie between the top margin
    // and `bottom`, and no page may be without them.
    QStringList BodyLines(int bottom)
    {
        QStringList lines;
        for (int page = 0; page < PageCount(); ++page) {
            int onPage = 0;
            for (const PrintedView& v : Printed(page)) {
                const QStringList body = v.lines.filter(QRegularExpression("^Satır \\d+$"));
                if (body.isEmpty())
                    continue;
                onPage += body.size();
                EXPECT_GE(v.y, kTop) << "page " << page + 1;
                EXPECT_LE(v.y + v.dy, bottom) << "page " << page + 1 << " " << body.first().toStdString();
                lines << body;
            }
            EXPECT_GT(onPage, 0) << "page " << page + 1 << " holds no line";
        }
        return lines;
    }
    // "Sayfa n / m" of every page.
    QStringList PageFooters()
    {
        QStringList footers;
        for (int page = 0; page < PageCount(); ++page)
            footers << MemoTexts(page).filter(QRegularExpression("^Sayfa ")).join(',');
        return footers;
    }
    static QStringList Expected(int pages)
    {
        QStringList footers;
        for (int page = 1; page <= pages; ++page)
            footers << QStringLiteral("Sayfa %1 / %2").arg(page).arg(pages);
        return footers;
    }
    void AddFooter()
    {
        AddBand(btPageFooter, kFooterTop, 28);
        AddMemo(560, kFooterTop + 4, 148, 18, {"Sayfa [PAGE#] / [TOTALPAGES]"});
    }
    // The program's portrait layout with a rich body of `count` lines.
    void RichBody(int count, int fontPixels)
    {
        TfrRichView& rich = BuildPortraitTemplate();
        rich.RichEdit->SetFontSpec("DejaVu Sans Mono", -fontPixels);
        rich.RichEdit->SetLines(Numbered(count));
        for (const auto& v : Page().Objects) {
            if (v->Name == "Memo4")
                v->Memo.SetText("Sayfa [PAGE#] / [TOTALPAGES]");
        }
    }
};

}  // namespace

TEST_F(PageSplit, RichTextTallerThanAMillionPixelsLosesNoLine)
{
    // 40,000 lines of some 85 pixels: the text is over three million pixels tall, its twips times the
    // screen's resolution more than an int holds
    const int count = 40000;
    RichBody(count, 72);
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(BodyLines(kPrintedFooterTop), Numbered(count));
    EXPECT_EQ(MemoTexts(PageCount() - 1).filter("Sayfa").join(','),
              QStringLiteral("Sayfa %1 / 0").arg(PageCount()));
}

TEST_F(PageSplit, TwoPassesCountThePagesTheFinalPassMakes)
{
    struct Case {
        const char* name;
        std::function<void()> build;
        int pages;
    };
    const Case cases[] = {
        {"split memo",
         [this] {
             AddBand(btReportSummary, 100, 40, 48 | flStretched | flBandBreaked);
             AddMemo(20, 100, 300, 36, Numbered(150));
             AddFooter();
         },
         3},
        {"rich body", [this] { RichBody(260, 15); }, 5},
        {"sub-report",
         [this] {
             AddBand(btMasterData, 100, 40, 48, "1");
             AddSubReport(20, 110, 400, 20, 1);
             AddFooter();
             AddBand(btMasterData, 50, 20, 48, "200", 1);
             AddMemo(20, 50, 200, 16, {"Satır [LINE#]"}, 1);
         },
         5},
    };
    for (const Case& c : cases) {
        report->Pages.Clear();
        c.build();
        report->PrepareTwice = 1;
        ASSERT_TRUE(Prepare()) << c.name;
        EXPECT_EQ(PageCount(), c.pages) << c.name;
        EXPECT_EQ(PageFooters(), Expected(PageCount())) << c.name;
    }
}

TEST_F(PageSplit, BreakableBandAtThePageBottomGoesOnOnTheNextPage)
{
    // twenty rows fill the page down to the footer; the summary starts where nothing fits any more
    AddBand(btMasterData, 60, 48, 48, "20");
    AddMemo(20, 60, 200, 16, {"Kayıt [LINE#]"});
    AddBand(btReportSummary, 200, 40, 48 | flStretched | flBandBreaked);
    AddMemo(20, 200, 300, 36, Numbered(100));
    AddPicture(400, 200, 150, 150);
    AddBand(btPageFooter, 1018, 35);
    AddMemo(560, 1020, 148, 18, {"Sayfa [PAGE#]"});
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(BodyLines(kBottom - 35), Numbered(100));
    // the picture, which cannot stretch, moves down with its memo instead of crossing the footer
    for (int page = 0; page < PageCount(); ++page) {
        for (const PrintedView& v : Printed(page)) {
            if (v.className == "TfrPictureView") {
                EXPECT_EQ(page, 1);
                EXPECT_EQ(v.y, kTop);
            }
        }
    }
}

TEST_F(PageSplit, BandTallerThanAPageStartsOnTheFirstPage)
{
    struct Case {
        const char* name;
        uint16_t flags;
        int titleHeight;  // above the band on the first page
    };
    const Case cases[] = {{"breakable", 48 | flStretched | flBandBreaked, 0},
                          {"stretched", 48 | flStretched, 0},
                          {"stretched below a title", 48 | flStretched, 40}};
    for (const Case& c : cases) {
        report->Pages.Clear();
        if (c.titleHeight > 0) {
            AddBand(btReportTitle, 20, c.titleHeight);
            AddMemo(20, 20, 300, 16, {"Başlık"});
        }
        AddBand(btMasterData, 100, 40, c.flags, "1");
        AddMemo(20, 100, 300, 36, Numbered(160));
        AddFooter();
        ASSERT_TRUE(Prepare()) << c.name;
        EXPECT_EQ(BodyLines(kPrintedFooterTop), Numbered(160)) << c.name;
        EXPECT_EQ(CoordsOf(0, "Satır 000001", &PrintedView::y), QList<int>{kTop + c.titleHeight}) << c.name;
    }
}

TEST_F(PageSplit, BandThatFitsNoPageStopsTheReportWithAMessage)
{
    struct Case {
        const char* name;
        std::function<void()> build;
    };
    const Case cases[] = {
        {"fixed band", [this] {
             AddBand(btMasterData, 100, 1200, 48, "1000");
             AddMemo(20, 100, 200, 16, {"Uzun"});
         }},
        {"picture in a breakable band", [this] {
             AddBand(btReportSummary, 100, 1100, 48 | flBandBreaked);
             AddPicture(20, 100, 200, 1100);
         }},
        {"page header leaves no room", [this] {
             AddBand(btPageHeader, 20, 1000, 48 | flBandOnFirstPage);
             AddMemo(20, 20, 200, 16, {"Başlık"});
             AddBand(btMasterData, 1100, 40, 48, "10");
             AddMemo(20, 1100, 200, 16, {"Kayıt"});
         }},
    };
    for (const Case& c : cases) {
        report->Pages.Clear();
        c.build();
        EXPECT_FALSE(Prepare()) << c.name;
        EXPECT_TRUE(frErrorFlag) << c.name;
        EXPECT_TRUE(frErrorText.contains("boş bir sayfaya da sığmıyor")) << frErrorText.toStdString();
        EXPECT_LE(PageCount(), 2) << c.name;
    }
}

TEST_F(PageSplit, BreakableBandWithAViewFarBelowAddsNoEmptyPages)
{
    AddBand(btReportSummary, 100, 40, 48 | flBandBreaked);
    AddMemo(20, 100, 200, 16, {"Üst"});
    AddMemo(20, 100 + 2000000000, 200, 16, {"Alt"});
    Page().Objects.front()->dy = 2000000020;
    ASSERT_TRUE(Prepare());
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(MemoTexts(0), QStringList{"Üst"});
    EXPECT_EQ(MemoTexts(1), QStringList{"Alt"});
}

TEST_F(PageSplit, PageBreakAfterABandRepeatsHeadersAndAddsNoEmptyLastPage)
{
    AddBand(btMasterHeader, 60, 20, 48 | flBandRepeatHeader);
    AddMemo(20, 60, 200, 16, {"Başlık"});
    AddBand(btMasterData, 100, 20, 48 | flBandNewPageAfter, "3");
    AddMemo(20, 100, 200, 16, {"Kayıt [LINE#]"});
    AddBand(btMasterFooter, 140, 20, 48 | flBandNewPageAfter);
    AddMemo(20, 140, 200, 16, {"Son"});
    ASSERT_TRUE(Prepare());
    ASSERT_EQ(PageCount(), 3);
    EXPECT_EQ(MemoTexts(0), (QStringList{"Başlık", "Kayıt 1"}));
    EXPECT_EQ(MemoTexts(1), (QStringList{"Başlık", "Kayıt 2"}));
    EXPECT_EQ(MemoTexts(2), (QStringList{"Başlık", "Kayıt 3", "Son"}));
}

TEST_F(PageSplit, BreakableBandKeepsItsSubReportWhenItReachesThePageBottom)
{
    // each record with its 23 sub-report rows takes 478: the third band starts at 974, too low for its 100
    AddBand(btMasterData, 100, 100, 48 | flBandBreaked, "3");
    AddMemo(20, 100, 300, 16, {"Ana [LINE#]"});
    AddSubReport(20, 118, 400, 10, 1);
    AddBand(btMasterData, 50, 20, 48, "23", 1);
    AddMemo(20, 50, 300, 16, {"Satır [LINE#]"}, 1);
    ASSERT_TRUE(Prepare());
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(MemoTexts(0).filter("Satır").size(), 46);
    EXPECT_EQ(MemoTexts(1).mid(0, 3), (QStringList{"Ana 3", "Satır 1", "Satır 2"}));
    EXPECT_EQ(MemoTexts(1).filter("Satır").size(), 23);
}
