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

TEST_F(MemoViewTest, DrawsItsLinesAlignedInTheMemo)
{
    for (const CaseLine& c : ReadCases("report/memo_drawing.tsv", 5)) {
        const QStringList b = c[1].split(',');
        memo_.Alignment = c[0].toInt();
        memo_.SetBounds(b[0].toInt(), b[1].toInt(), b[2].toInt(), b[3].toInt());
        memo_.ScaleX = memo_.ScaleY = c[2].toDouble();
        memo_.Memo.SetText(QString(c[3]).replace("\\r\\n", "\r\n"));
        QStringList runs;
        for (const TTextRun& r : DrawnRuns(memo_, 1000, 1000))
            runs << QStringLiteral("%1 %2,%3 %4x%5").arg(r.Text).arg(r.Bounds.left()).arg(r.Bounds.top()).arg(r.Bounds.width()).arg(r.Bounds.height());
        EXPECT_EQ(runs.join(" | "), c[4]) << c.where.toStdString();
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
