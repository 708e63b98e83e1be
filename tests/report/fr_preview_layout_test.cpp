#include "report/fr_preview_layout.h"
#include "report/fr_srch.h"
#include "report/fr_view_form.h"

#include "case_table.h"

#include <gtest/gtest.h>

namespace {
const QSize kA4(752, 1071);  // A4 in report units
}  // namespace

TEST(PreviewLayout, PagePlacement)
{
    for (const CaseLine& c : ReadCases("report/page_placement.tsv", 8)) {
        std::vector<QSize> pages;
        for (const QString& size : c[1].split(' '))
            pages.emplace_back(size.section('x', 0, 0).toInt(), size.section('x', 1).toInt());
        const TfrPageLayout l = frLayoutPages(pages, 0, c[2].toInt(), c[3].toDouble(), c[4].section('x', 0, 0).toInt(),
                                              c[4].section('x', 1).toInt());
        QStringList rects;
        for (const TRect& r : l.R)
            rects << QStringLiteral("%1,%2,%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
        EXPECT_EQ(QStringList({QString::number(l.PagesPerRow), rects.join(' '), QStringLiteral("%1,%2").arg(l.HRange).arg(l.VRange)}),
                  c.fields.mid(5)) << c.where.toStdString();
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
