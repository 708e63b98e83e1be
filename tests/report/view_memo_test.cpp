#include "base/stream.h"
#include "report/fr_globals.h"
#include "report/fr_memo_view.h"
#include "report/fr_pars.h"
#include "report/fr_utils.h"

#include "case_table.h"
#include "view_test_support.h"

#include <gtest/gtest.h>

namespace {

// A memo in printing mode, measured in Courier New 10 pt (13 pixels, lines of 15).
class MemoViewTest : public PrintingModeTest {
protected:
    void SetUp() override
    {
        PrintingModeTest::SetUp();
        memo_.Font.Name = "Courier New";
        memo_.Font.Size = 10;
        memo_.SetBounds(0, 0, 400, 200);
    }
    // Width of a text in the memo's wrapping font (Courier New 10 pt at 96 dpi).
    int Width(const QString& text)
    {
        TCanvas& c = frMeasureCanvas();
        c.SetFont(memo_.Font, -13);
        return c.TextWidth(text);
    }
    // The memo is as wide as the text plus its gaps.
    void FitWidthTo(const QString& text) { memo_.dx = Width(text) + 4; }
    QStringList Wrap(const QStringList& lines)
    {
        memo_.OutLines = TStringList(lines);
        memo_.CalcGaps();
        memo_.WrapText();
        memo_.RestoreCoord();
        QStringList out;
        for (int i = 0; i < frScratchMemo->Count(); ++i) {
            QString text;
            bool end = false;
            int w = 0;
            frSplitWrappedLine((*frScratchMemo)[i], text, end, w);
            EXPECT_EQ(w, Width(text)) << text.toStdString();
            out << (end ? text + "¶" : text);
        }
        return out;
    }
    TfrMemoView memo_;
};

TEST_F(MemoViewTest, WrapsAtBlanksAndMarksParagraphEnds)
{
    for (const CaseLine& c : ReadCases("report/memo_wrapping.tsv", 4)) {
        memo_.Flags = static_cast<uint16_t>(c[0].toInt());
        FitWidthTo(c[1]);
        EXPECT_EQ(Wrap(QString(c[2]).replace("\\r\\n", "\r\n").split(" | ")), c[3].split(" | ")) << c.where.toStdString();
    }
}

TEST_F(MemoViewTest, WrapHeightCountsLinesAndGaps)
{
    FitWidthTo("aaa bbb");
    Wrap({"aaa bbb ccc", "ddd"});
    // three lines of 13 + 2 pixels and twice the vertical gap 1
    EXPECT_EQ(memo_.LineHeight, 15);
    EXPECT_EQ(frWrapHeight, 2 * 1 + 3 * 15);
    EXPECT_EQ(memo_.MinHeight(), 15);
}

TEST_F(MemoViewTest, WideFrameWidensTheGaps)
{
    memo_.FrameWidth = 3;
    memo_.FrameTyp = 15;
    // pen 3: R = B = round(1.5) = 2, so the text keeps 4 pixels from each side and 2 from top and bottom
    memo_.dx = Width("aaa") + 8;
    memo_.CalcGaps();
    EXPECT_EQ(memo_.GapX, 4);
    EXPECT_EQ(memo_.GapY, 2);
    memo_.RestoreCoord();
    EXPECT_EQ(Wrap({"aaa bbb"}), (QStringList{"aaa", "bbb¶"}));
    EXPECT_EQ(frWrapHeight, 2 * 2 + 2 * 15);
}

TEST_F(MemoViewTest, RotatedMemoWrapsAlongItsHeight)
{
    memo_.Alignment = frtaVertical;
    // the line runs along dy: its room is dy less twice the vertical gap 1
    memo_.SetBounds(0, 0, 40, Width("aaa bbb") + 2);
    EXPECT_EQ(Wrap({"aaa bbb ccc"}), (QStringList{"aaa bbb", "ccc¶"}));
    // lines advance across the memo from the horizontal gap 2 on each side
    EXPECT_EQ(frWrapHeight, 2 * 2 + 2 * 15);
    memo_.Flags = 1;  // unwrapped rotated lines carry no paragraph end
    EXPECT_EQ(Wrap({"aaa bbb ccc"}), QStringList{"aaa bbb ccc"});
}

TEST_F(MemoViewTest, HyphenationRuleOnCodePageBytes)
{
    struct Case {
        QString word;
        QList<int> points;
    } cases[] = {
        {"biricik", {2, 4}},  // İ is a vowel of the rule, the other letters are not
        {"abcd", {}},
        {"şşşşş", {2, 3}},  // Ş counts as a vowel: two in a row
        {"abrİk", {2}},     // b, r (neither vowel nor sign), İ
        {"abÜİk", {}},      // Ü is a sign
        {"kalem", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HyphenPoints(c.word), c.points) << c.word.toStdString();
}

TEST_F(MemoViewTest, SplitWritesPrintedLinesAndAMarker)
{
    // one paragraph, one word a line: only the last line ends the paragraph
    memo_.Memo.SetText("aaa bbb ccc ddd eee");
    FitWidthTo("aaa");
    memo_.RecordForm = 1;
    memo_.dy = 200;
    ASSERT_EQ(memo_.ContentHeight(), 2 + 5 * 15);
    memo_.OutLines.Assign(*frScratchMemo);
    memo_.PartMode = 3;
    // two lines fit 40 pixels: 1 + 15 + 15 <= 40 < 1 + 3 * 15
    memo_.dy = 40;
    TMemoryStream page;
    memo_.Print(page);
    EXPECT_EQ(memo_.LinesOut, 2);
    EXPECT_EQ(memo_.PartMode, 0);
    ASSERT_EQ(memo_.UnprintedHeight(), 3 * memo_.LineHeight) << "the rest waits for the next page";
    page.SetPosition(0);
    ASSERT_EQ(page.ReadByte(), gtMemo);
    TfrMemoView back;
    back.RecordForm = 1;
    back.LoadFromStream(page);
    ASSERT_EQ(back.Memo.Count(), 3);
    EXPECT_EQ(back.Memo[2], QString(frParagraphEnd));
    QString text;
    bool end = true;
    int w = 0;
    frSplitWrappedLine(back.Memo[0], text, end, w);
    EXPECT_EQ(text, "aaa");
    EXPECT_FALSE(end);
    // drawing the page takes the lines as they are: no second wrapping
    back.dx = 400;  // wide enough to join the words again if it wrapped anew
    const auto runs = DrawnRuns(back);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Text, "aaa");
    EXPECT_EQ(runs[1].Text, "bbb");
    // the second part continues where the first stopped
    memo_.PartMode = 3;
    memo_.dy = 200;
    TMemoryStream next;
    memo_.Print(next);
    EXPECT_EQ(memo_.LinesOut, 3);
    EXPECT_EQ(memo_.UnprintedHeight(), 0);
}

TEST_F(MemoViewTest, DrawAlignsLinesInTheMemo)
{
    memo_.Memo.SetText("kısa satır\r\niki kelime daha uzun\r\n");
    memo_.dx = 300;
    memo_.dy = 100;
    memo_.SetBounds(20, 10, 300, 100);
    struct Case {
        int alignment;
        int firstX;  // where the first line starts
    } cases[] = {
        {0, 20 + 2},
        {frtaRight, 20 + 300 - 1 - 2 - 0},
        {frtaCenter, 20 + 2 + (300 - 4 - 0) / 2},
    };
    for (const Case& c : cases) {
        memo_.Alignment = c.alignment;
        const auto runs = DrawnRuns(memo_);
        ASSERT_EQ(runs.size(), 2u);
        int w = Width("kısa satır");
        int expectedX = c.alignment == frtaRight    ? c.firstX - w
                        : c.alignment == frtaCenter ? c.firstX - w / 2
                                                    : c.firstX;
        EXPECT_NEAR(runs[0].Bounds.left(), expectedX, 1) << c.alignment;
        EXPECT_EQ(runs[0].Bounds.top(), 10 + 1);
        EXPECT_EQ(runs[1].Bounds.top(), 10 + 1 + 15);
        EXPECT_NEAR(runs[0].Bounds.width(), w, 1);
    }
}

TEST_F(MemoViewTest, JustifiedTextLeavesTheParagraphEnd)
{
    memo_.Memo.SetText("bir iki üç dört beş altı yedi");
    memo_.Alignment = frtaJustify;
    FitWidthTo("bir iki üç dört");
    memo_.dx += 30;
    const auto runs = DrawnRuns(memo_);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Text, "bir iki üç dört");
    EXPECT_NEAR(runs[0].Bounds.width(), memo_.dx - 4, 1) << "stretched to the memo's width";
    EXPECT_NEAR(runs[1].Bounds.width(), Width("beş altı yedi"), 1) << "the last line keeps its width";
}

TEST_F(MemoViewTest, ZoomedLinesKeepTheirMeasuredWidth)
{
    memo_.Memo.SetText("Sayfa 12");
    memo_.SetBounds(10, 10, 200, 30);
    for (double scale : {0.5, 1.0, 1.5, 2.0}) {
        memo_.ScaleX = memo_.ScaleY = scale;
        const auto runs = DrawnRuns(memo_, 1000, 1000);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_NEAR(runs[0].Bounds.width(), frRound(Width("Sayfa 12") * scale), 1) << scale;
    }
}

TEST_F(MemoViewTest, BlockAlignmentAndRotatedPositions)
{
    struct Case {
        const char* name;
        int alignment;
        TRect bounds;  // x, y, dx, dy
        int left, top, bottom;  // the run's bounds; -1 where not checked
    } cases[] = {
        // one line: a block of 2 + 15; centred it moves down by (101 - 17) div 2, bottom-aligned by 100 - 17
        {"middle", frtaMiddle, {0, 0, 200, 101}, 2, 42 + 1, -1},
        {"bottom", frtaDown, {10, 10, 200, 100}, 12, 10 + 83 + 1, -1},
        // rotated: runs upwards from the bottom gap, its cell starting at the left gap
        {"rotated", frtaVertical, {10, 10, 40, 200}, 10 + 2, -1, 10 + 200 - 1},
        // rotated, centred across: x moves by (40 - (4 + 15)) div 2 = 10
        {"rotated centre", frtaVertical | frtaMiddle, {10, 10, 40, 200}, 10 + 10 + 2, -1, 10 + 200 - 1},
        // rotated and right-aligned: the text ends at the top gap
        {"rotated right", frtaVertical | frtaRight, {10, 10, 40, 200}, 12, 10 + 1, -1},
    };
    memo_.Memo.SetText("alt");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        memo_.Alignment = c.alignment;
        memo_.SetBounds(c.bounds.Left, c.bounds.Top, c.bounds.Right, c.bounds.Bottom);
        const auto runs = DrawnRuns(memo_);
        ASSERT_EQ(runs.size(), 1u);
        const QRect b = runs[0].Bounds;
        const bool turned = (c.alignment & frtaVertical) != 0;
        EXPECT_NEAR(turned ? b.height() : b.width(), Width("alt"), 1);
        EXPECT_EQ(b.left(), c.left);
        if (c.top >= 0) {
            EXPECT_NEAR(b.top(), c.top, turned ? 1 : 0);  // a turned run's cell may round by a pixel
        }
        if (c.bottom >= 0) {
            EXPECT_NEAR(b.bottom() + 1, c.bottom, 1);
        }
    }
}

TEST_F(MemoViewTest, PreparedLinesKeepTheirWrappingWhenDrawn)
{
    // lines wrapped before (a split part): the block height follows their count, not a new wrapping
    memo_.SetBounds(0, 0, 400, 100);
    memo_.Alignment = frtaDown;
    memo_.Memo.Add("aaa" + QString(QChar(0)) + QChar(24));
    memo_.Memo.Add("bbb" + QString(frParagraphEnd) + QChar(0) + QChar(24));
    auto runs = DrawnRuns(memo_);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Text, "aaa");
    // block 2 + 2 * 15 moved down by 100 - 32
    EXPECT_NEAR(runs[0].Bounds.top(), 68 + 1, 1);
    EXPECT_NEAR(runs[1].Bounds.top(), 68 + 1 + 15, 1);
    // turned, the block counts the horizontal gaps: 2 + 2 + 2 * 15 centred across 40 moves by 3
    memo_.Alignment = frtaVertical | frtaMiddle;
    memo_.SetBounds(10, 10, 40, 200);
    runs = DrawnRuns(memo_);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Bounds.left(), 10 + 3 + 2);
    EXPECT_EQ(runs[1].Bounds.left(), 10 + 3 + 2 + 15);
}

TEST_F(MemoViewTest, InvisibleOrEmptyMemoHasNoHeightAndNoRecord)
{
    memo_.RecordForm = 1;
    EXPECT_EQ(memo_.ContentHeight(), 0) << "no lines";
    memo_.Memo.SetText("metin");
    memo_.Visible = 0;
    EXPECT_EQ(memo_.ContentHeight(), 0) << "invisible";
    TMemoryStream page;
    memo_.Print(page);
    EXPECT_EQ(page.Size(), 0);
    EXPECT_EQ(memo_.PartMode, 0);
}

TEST_F(MemoViewTest, UnprintedHeightCountsTheWaitingLines)
{
    memo_.Memo.SetText("a\r\nb\r\nc");
    memo_.ContentHeight();
    EXPECT_EQ(memo_.UnprintedHeight(), 3 * 15);
}

TEST_F(MemoViewTest, HighlightAppliesWhenTheConditionHolds)
{
    if (!frGlobalParser)
        frGlobalParser = new TfrParser();
    memo_.Memo.SetText("vurgu");
    memo_.RecordForm = 1;
    for (const char* condition : {"1", "0"}) {
        memo_.HighlightCondition = condition;
        memo_.FillColor = frNoFillColor;
        TMemoryStream page;
        memo_.Print(page);
        page.SetPosition(1);
        TfrMemoView back;
        back.RecordForm = 1;
        back.LoadFromStream(page);
        bool on = QString(condition) == "1";
        EXPECT_EQ(back.Font.Style, on ? 2 : 0) << condition;
        EXPECT_EQ(back.FillColor, on ? 0xFFFFFF : frNoFillColor) << condition;
        EXPECT_EQ(memo_.Font.Style, 0) << "the memo's own font comes back";
        EXPECT_EQ(memo_.FillColor, frNoFillColor);
    }
}

TEST_F(MemoViewTest, AutoWidthFollowsTheText)
{
    memo_.Flags = 3 | flAutoSize;
    memo_.Memo.SetText("kısa\r\nen uzun satır\r\n");
    memo_.SetBounds(100, 0, 20, 100);
    memo_.Alignment = frtaRight;
    DrawnRuns(memo_);
    int grown = Width("en uzun satır") + 2 + 2;
    EXPECT_EQ(memo_.dx, grown);
    EXPECT_EQ(memo_.x, 100 - (grown - 20)) << "a right-aligned memo grows to the left";
}

}  // namespace
