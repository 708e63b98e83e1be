// Where a build must stop or must not lose a line: text taller than an int of pixels, bands that fit
// no page, and the margins a page lays its bands in. The pages of ordinary builds are pinned whole by
// the golden page dumps.
#include "build_test_support.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

QStringList Numbered(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Satır %1").arg(i, 6, 10, QLatin1Char('0'));
    return lines;
}

class PageSplit : public ReportBuildTest {};

}  // namespace

TEST_F(PageSplit, RichTextTallerThanAMillionPixelsLosesNoLine)
{
    // 40,000 lines of some 85 pixels: the text is over three million pixels tall, its twips times the
    // screen's resolution more than an int holds
    const int count = 40000;
    TfrRichView& rich = BuildPortraitTemplate();
    rich.RichEdit->SetFontSpec("DejaVu Sans Mono", -72);
    rich.RichEdit->SetLines(Numbered(count));
    ASSERT_TRUE(Prepare());
    QStringList lines;
    for (int page = 0; page < PageCount(); ++page) {
        int onPage = 0;
        for (const PrintedView& v : Printed(page)) {
            const QStringList body = v.lines.filter(QRegularExpression("^Satır \\d+$"));
            onPage += body.size();
            if (!body.isEmpty()) {
                EXPECT_LE(v.y + v.dy, kBottom - 28) << "page " << page + 1;
            }
            lines << body;
        }
        ASSERT_GT(onPage, 0) << "page " << page + 1 << " holds no line";
    }
    EXPECT_EQ(lines, Numbered(count));
    EXPECT_EQ(MemoTexts(PageCount() - 1).last(), QStringLiteral("Sayfa %1").arg(PageCount()));
}

TEST_F(PageSplit, EachPartOfARichTextShowsItsOwnPageNumber)
{
    // Over ten pages the number grows by a digit: a part cut where the value was shorter must still
    // start where the page before it ended. Paragraphs are split inside themselves too.
    const struct {
        const char* name;
        int count;
        QString line;
    } cases[] = {
        {"lines", 260, "Satır %1 sayfa [PAGE#]"},
        {"wrapped paragraphs", 70, "Paragraf %1 sayfa [PAGE#]" + QString(" uzun metin sayfa [PAGE#]").repeated(5)},
    };
    TfrRichView& rich = BuildPortraitTemplate();
    rich.RichEdit->SetFontSpec("DejaVu Sans Mono", -36);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList lines;
        for (int i = 1; i <= c.count; ++i)
            lines << c.line.arg(i, 3, 10, QLatin1Char('0'));
        rich.RichEdit->SetLines(lines);
        ASSERT_TRUE(Prepare());
        ASSERT_GE(PageCount(), 11);
        // the words of the parts in order; a page number may start the page after its "sayfa"
        QStringList words;
        QString wrong;  // the first page number that is not its page's
        for (int page = 0; page < PageCount(); ++page) {
            for (const PrintedView& v : Printed(page)) {
                if (v.className != "TfrRichView")
                    continue;
                for (const QString& word : v.lines.join(' ').split(' ', Qt::SkipEmptyParts)) {
                    if (!words.isEmpty() && words.last() == "sayfa") {
                        if (word != QString::number(page + 1) && wrong.isEmpty())
                            wrong = QStringLiteral("page %1 shows %2").arg(page + 1).arg(word);
                        words << "[PAGE#]";
                    } else {
                        words << word;
                    }
                }
            }
        }
        EXPECT_EQ(wrong, QString());
        const QStringList expected = lines.join(' ').split(' ', Qt::SkipEmptyParts);
        const auto differ = std::mismatch(words.begin(), words.end(), expected.begin(), expected.end());
        EXPECT_TRUE(differ.first == words.end() && differ.second == expected.end())
            << "every word once, in order; first difference at word " << differ.first - words.begin();
    }
}

TEST_F(PageSplit, BandThatFitsNoPageStopsTheReportWithAMessage)
{
    struct Case {
        const char* name;
        std::function<void()> build;
        int pages;
    };
    const Case cases[] = {
        {"fixed band", [this] {
             AddBand(btMasterData, 100, 1200, 48, "1000");
             AddMemo(20, 100, 200, 16, {"Uzun"});
         }, 1},
        // the title's page and the empty one tried: nothing more is added
        {"fixed band below a title", [this] {
             AddBand(btReportTitle, 20, 100);
             AddMemo(20, 20, 200, 16, {"Başlık"});
             AddBand(btMasterData, 200, 1200, 48, "1");
             AddMemo(20, 200, 200, 16, {"Uzun"});
         }, 2},
        {"picture in a breakable band", [this] {
             AddBand(btReportSummary, 100, 1100, 48 | flBandBreaked);
             AddPicture(20, 100, 200, 1100);
         }, 2},
        {"page header leaves no room", [this] {
             AddBand(btPageHeader, 20, 1000, 48 | flBandOnFirstPage);
             AddMemo(20, 20, 200, 16, {"Başlık"});
             AddBand(btMasterData, 1100, 40, 48, "10");
             AddMemo(20, 1100, 200, 16, {"Kayıt"});
         }, 2},
    };
    for (const Case& c : cases) {
        report->Pages.Clear();
        c.build();
        EXPECT_FALSE(Prepare()) << c.name;
        EXPECT_TRUE(frErrorFlag) << c.name;
        EXPECT_TRUE(frErrorText.contains("boş bir sayfaya da sığmıyor")) << frErrorText.toStdString();
        EXPECT_LE(PageCount(), c.pages) << c.name;
        for (int page = 0; page < PageCount(); ++page)
            EXPECT_FALSE(MemoTexts(page).contains("Uzun")) << c.name;
    }
}

TEST_F(PageSplit, MarginsComeFromThePageOrThePrintableArea)
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
        EXPECT_EQ(QList<int>({page.TopMargin(), page.LeftMargin(), page.RightMargin(), page.BottomMargin()}),
                  QList<int>({c.top, c.left, c.right, c.bottom}));
    }
}
