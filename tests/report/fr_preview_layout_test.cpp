#include "report/fr_preview_layout.h"
#include "report/fr_srch.h"
#include "report/fr_view_form.h"

#include <gtest/gtest.h>

namespace {
const QSize kA4(752, 1071);  // A4 in report units

std::vector<QSize> Pages(int n, QSize size = kA4)
{
    return std::vector<QSize>(static_cast<size_t>(n), size);
}
}  // namespace

TEST(PreviewLayout, PagePlacement)
{
    using V = std::vector<TRect>;
    struct Case {
        const char* name;
        std::vector<QSize> pages;
        int zoomMode;
        double scale;
        int w, h;
        int perRow;
        V r;
        int hRange, vRange;
    };
    const Case cases[] = {
        {"one narrow page is centred", Pages(1), 0, 1.0, 1000, 600, 1, V{{124, 10, 876, 1081}}, 0, 491},
        {"a wide page sits at 10", Pages(1), 0, 1.0, 700, 600, 1, V{{10, 10, 762, 1081}}, 72, 491},
        {"small pages side by side", Pages(3, {200, 300}), 0, 1.0, 700, 600, 3,
         V{{10, 10, 210, 310}, {220, 10, 420, 310}, {430, 10, 630, 310}}, 0, 0},
        {"a fourth page opens a row", Pages(4, {200, 300}), 0, 1.0, 700, 600, 3,
         V{{10, 10, 210, 310}, {220, 10, 420, 310}, {430, 10, 630, 310}, {10, 320, 210, 620}}, 0, 30},
        {"the page that does not fit starts no run", {{600, 300}, {100, 300}, {100, 300}}, 0, 1.0, 700, 600, 1,
         V{{50, 10, 650, 310}, {300, 320, 400, 620}, {300, 630, 400, 930}}, 0, 340},
        {"two pages whatever the width", Pages(3), 3, 9.0, 1000, 600, 2,
         V{{10, 10, 495, 701}, {505, 10, 990, 701}, {10, 711, 495, 1402}}, 0, 812},
        {"whole page fits the height less 20", Pages(2), 2, 9.0, 1000, 600, 1,
         V{{296, 10, 703, 590}, {296, 600, 703, 1180}}, 0, 590},
        {"halves round to even", Pages(1, {753, 1071}), 0, 0.5, 1000, 600, 1, V{{312, 10, 688, 546}}, 0, 0},
    };
    for (const Case& c : cases) {
        const TfrPageLayout l = frLayoutPages(c.pages, 0, c.zoomMode, c.scale, c.w, c.h);
        EXPECT_EQ(l.PagesPerRow, c.perRow) << c.name;
        EXPECT_EQ(l.R, c.r) << c.name;
        EXPECT_EQ(l.HRange, c.hRange) << c.name;
        EXPECT_EQ(l.VRange, c.vRange) << c.name;
    }
}

TEST(PreviewLayout, ZoomScaleAndCaption)
{
    struct Case {
        int mode;
        double scale;
        const char* caption;
    };
    // box 1000 x 600, current page A4
    for (const Case c : {Case{0, 0.75, "75%"}, Case{1, 980.0 / 752, "130%"}, Case{2, 580.0 / 1071, "54%"},
                         Case{3, 970.0 / 1504, "64%"}}) {
        const double s = frZoomScale(c.mode, 0.75, 1000, 600, kA4);
        EXPECT_DOUBLE_EQ(s, c.scale) << c.mode;
        EXPECT_EQ(frZoomCaption(s), c.caption) << c.mode;
    }
    // the current page decides: a landscape page in the middle
    const std::vector<QSize> mixed{kA4, {1064, 758}, kA4};
    EXPECT_DOUBLE_EQ(frLayoutPages(mixed, 1, 1, 1.0, 1000, 600).Scale, 980.0 / 1064);
    EXPECT_EQ(frZoomCaption(1.125), "112%");  // 112.5 to the even neighbour
}

TEST(PreviewLayout, PageUnderTheScrollPosition)
{
    const std::vector<TRect> r{{124, 10, 876, 1081}, {124, 1091, 876, 2162}};
    struct Case {
        int position, page;
    };
    for (const Case c : {Case{0, 0}, Case{1069, 0}, Case{1070, -1}, Case{1080, -1}, Case{1081, 1}, Case{2150, 1},
                         Case{2151, -1}})
        EXPECT_EQ(frPageAtScroll(r, c.position), c.page) << c.position;
}

TEST(PreviewLayout, ContentGoesIntoThePrintableArea)
{
    TfrPrinterInfo info;
    info.PageWidth = 752;
    info.PageHeight = 1071;
    info.OffsetX = 18;
    info.OffsetY = 18;
    info.PrintableWidth = 716;
    info.PrintableHeight = 1035;
    const TRect sheet{10, 10, 762, 1081};
    EXPECT_EQ(frPageContentRect(sheet, info, false, 1.0), (TRect{28, 28, 744, 1063}));
    EXPECT_EQ(frPageContentRect(sheet, info, true, 1.0), sheet);
    EXPECT_EQ(frPageContentRect(TRect{10, 10, 386, 546}, info, false, 0.5), (TRect{19, 19, 377, 537}));
}

TEST(PreviewSearch, RunsInDrawingOrderFromARecord)
{
    const std::vector<TTextRun> runs{{"Ara toplam", QRect(10, 100, 50, 12)},
                                     {"Sayfa", QRect(10, 150, 30, 12)},
                                     {"GENEL TOPLAM", QRect(10, 300, 70, 12)}};
    struct Case {
        const char* text;
        bool caseSensitive;
        int from;
        bool found;
        int top, next;
    };
    for (const Case c : {Case{"TOPLAM", false, 0, true, 100, 1}, Case{"TOPLAM", false, 1, true, 300, 3},
                         Case{"TOPLAM", false, 3, false, 0, 0}, Case{"toplam", true, 0, true, 100, 1},
                         Case{"toplam", true, 1, false, 0, 0}, Case{"", false, 0, false, 0, 0}}) {
        const TfrRunHit hit = frFindInRuns(runs, c.text, c.caseSensitive, c.from);
        EXPECT_EQ(hit.Found, c.found) << c.text << c.from;
        if (c.found) {
            EXPECT_EQ(hit.Bounds.Top, c.top) << c.text << c.from;
            EXPECT_EQ(hit.NextRecord, c.next) << c.text << c.from;
        }
    }
}

TEST(PreviewFile, ExtensionBecomesFrp)
{
    EXPECT_EQ(frPreparedReportFileName("/tmp/rapor.txt"), "/tmp/rapor.frp");
    EXPECT_EQ(frPreparedReportFileName("/tmp/rapor"), "/tmp/rapor.frp");
    EXPECT_EQ(frPreparedReportFileName("/tmp/a.b/rapor"), "/tmp/a.b/rapor.frp");
    EXPECT_EQ(frPreparedReportFileName("/tmp/rapor.frp"), "/tmp/rapor.frp");
}
