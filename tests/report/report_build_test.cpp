// Building the program's page shapes: title, page header, a body that breaks over pages, page
// footers with their numbers.
#include "build_test_support.h"

#include "base/date_time.h"
#include "base/stream.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QStringList NumberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1. satır: gecikme faizi 1.234,56 TL").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
}

class PortraitTemplate : public ReportBuildTest {};

}  // namespace

TEST_F(PortraitTemplate, ShortBodyFitsOnePageBelowTheHeaders)
{
    TfrRichView& rich = BuildPortraitTemplate();
    rich.RichEdit->SetLines(NumberedLines(3));
    ASSERT_TRUE(Prepare());
    ASSERT_EQ(PageCount(), 1);
    const auto views = Printed(0);
    // title at the top margin, the page header below it, the body below the header, the footer at
    // the page's bottom less its own height
    ASSERT_EQ(views.size(), 5u);
    EXPECT_EQ(views[0].y, kTop + 4);               // Memo5, 4 into a title band placed at 18
    EXPECT_EQ(views[1].y, kTop + 28 + 2);          // Memo3
    EXPECT_EQ(views[2].y, kTop + 28 + 24);         // Memo1
    EXPECT_EQ(views[3].className, "TfrRichView");
    EXPECT_EQ(views[3].y, kTop + 28 + 44 + 2);     // the summary starts below the header
    EXPECT_EQ(views[3].lines, NumberedLines(3));
    EXPECT_EQ(views[4].y, kBottom - 28 + 4);       // Memo4 in the footer
    EXPECT_EQ(views[4].lines, QStringList{"Sayfa 1"});
}

TEST_F(PortraitTemplate, LongBodyBreaksOverPagesLosingAndRepeatingNoLine)
{
    TfrRichView& rich = BuildPortraitTemplate();
    const QStringList text = NumberedLines(400);
    rich.RichEdit->SetLines(text);
    ASSERT_TRUE(Prepare());
    ASSERT_GE(PageCount(), 4);

    QStringList printed;
    for (int page = 0; page < PageCount(); ++page) {
        const auto views = Printed(page);
        int bodies = 0;
        for (const PrintedView& v : views) {
            if (v.className == "TfrRichView") {
                ++bodies;
                // the first page's body starts below title and header, the others below the header
                EXPECT_EQ(v.y, page == 0 ? 92 : kTop + 44) << "page " << page + 1;
                EXPECT_LE(v.y + v.dy, kBottom - 28) << "page " << page + 1;
                for (const QString& line : v.lines) {
                    if (!line.isEmpty())
                        printed << line;
                }
            }
        }
        EXPECT_EQ(bodies, 1) << "page " << page + 1;
        // every page has its footer with its own number
        EXPECT_EQ(MemoTexts(page).last(), QStringLiteral("Sayfa %1").arg(page + 1));
        // the page header repeats, the title does not
        EXPECT_EQ(MemoTexts(page).contains("Başlık"), page == 0);
        EXPECT_TRUE(MemoTexts(page).contains("Tarih"));
    }
    EXPECT_EQ(printed, text);
}

TEST_F(PortraitTemplate, BuildingTwiceGivesTheSamePages)
{
    TfrRichView& rich = BuildPortraitTemplate();
    rich.RichEdit->SetLines(NumberedLines(150));
    ASSERT_TRUE(Prepare());
    const int first = PageCount();
    std::vector<int> heights;
    for (int page = 0; page < first; ++page)
        heights.push_back(Printed(page)[page == 0 ? 3 : 2].dy);
    ASSERT_TRUE(Prepare());
    ASSERT_EQ(PageCount(), first);
    for (int page = 0; page < first; ++page)
        EXPECT_EQ(Printed(page)[page == 0 ? 3 : 2].dy, heights[static_cast<size_t>(page)]);
}

namespace {

class StoredPortraitTemplate : public ReportBuildTest {};

}  // namespace

TEST_F(StoredPortraitTemplate, CalculatorTextFlowsOverPagesWithDateAndPageNumbers)
{
    QFile file(QStringLiteral(TAVRELO_TEST_DATA "/../../data/fr_report2.reportform"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TMemoryStream stream(file.readAll());
    report->StoreInDFM = true;
    report->ReadBinaryData(stream);
    auto* title = dynamic_cast<TfrMemoView*>(report->FindObject("Memo5"));
    auto* body = dynamic_cast<TfrRichView*>(report->FindObject("rich1"));
    ASSERT_NE(title, nullptr);
    ASSERT_NE(body, nullptr);
    title->Memo.SetText("GECİKME FAİZİ HESAPLAMA");
    body->RichEdit->SetFontSpec("Courier New", 11);
    const QStringList text = NumberedLines(250);
    body->RichEdit->SetLines(text);

    ASSERT_TRUE(Prepare());
    ASSERT_GE(PageCount(), 3);
    const QString today = FormatDateTime("dd.mm.yyyy", Date());
    QStringList printed;
    for (int page = 0; page < PageCount(); ++page) {
        for (const PrintedView& v : Printed(page)) {
            if (v.className == "TfrRichView") {
                for (const QString& line : v.lines) {
                    if (!line.isEmpty())
                        printed << line;
                }
            }
        }
        const QStringList memos = MemoTexts(page);
        EXPECT_TRUE(memos.contains(QStringLiteral("Sayfa %1").arg(page + 1))) << memos.join(", ").toStdString();
        EXPECT_TRUE(memos.contains(today));
        EXPECT_EQ(memos.contains("GECİKME FAİZİ HESAPLAMA"), page == 0);
    }
    EXPECT_EQ(printed, text);
}
