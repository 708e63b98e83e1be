#include "base/stream.h"
#include "base/text_run_recorder.h"
#include "report/fr_globals.h"
#include "report/fr_memo_view.h"
#include "report/fr_utils.h"

#include <gtest/gtest.h>

namespace {

// Memos in printing mode, measured in Courier New 10 pt (13 pixels, lines of 15).
class MemoLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldMode_ = frEngineMode;
        frEngineMode = 1;
        frTemplateVersion = 23;
    }
    void TearDown() override
    {
        frEngineMode = oldMode_;
        frTemplateVersion = 23;
    }
    static int Width(const TFont& font, const QString& text)
    {
        TCanvas& c = frMeasureCanvas();
        c.SetFont(font, -frRound(font.Size * 96.0 / 72.0));
        return c.TextWidth(text);
    }
    int oldMode_ = 0;
};

TEST_F(MemoLayoutTest, RotatedMemoWrapsAlongItsHeight)
{
    TfrMemoView memo;
    memo.Font.Name = "Courier New";
    memo.Alignment = frtaVertical;
    // the line runs along dy: its room is dy less twice the vertical gap 1
    memo.SetBounds(0, 0, 40, Width(memo.Font, "aaa bbb") + 2);
    memo.OutLines.SetText("aaa bbb ccc");
    memo.CalcGaps();
    memo.WrapText();
    memo.RestoreCoord();
    ASSERT_EQ(frScratchMemo->Count(), 2);
    QString text;
    bool end = false;
    int w = 0;
    frSplitWrappedLine((*frScratchMemo)[1], text, end, w);
    EXPECT_EQ(text, "ccc");
    EXPECT_TRUE(end);
    // lines advance across the memo from the horizontal gap 2 on each side
    EXPECT_EQ(frWrapHeight, 2 * 2 + 2 * 15);

    // unwrapped rotated lines carry no paragraph end
    memo.Flags = 1;
    memo.CalcGaps();
    memo.WrapText();
    memo.RestoreCoord();
    ASSERT_EQ(frScratchMemo->Count(), 1);
    frSplitWrappedLine((*frScratchMemo)[0], text, end, w);
    EXPECT_EQ(text, "aaa bbb ccc");
    EXPECT_FALSE(end);
    EXPECT_EQ(w, Width(memo.Font, "aaa bbb ccc"));
}

TEST_F(MemoLayoutTest, WideFrameWidensTheGaps)
{
    TfrMemoView memo;
    memo.Font.Name = "Courier New";
    memo.FrameWidth = 3;
    memo.FrameTyp = 15;
    // pen 3: R = B = round(1.5) = 2, so the text keeps 4 pixels from each side and 2 from top and bottom
    memo.SetBounds(0, 0, Width(memo.Font, "aaa") + 8, 100);
    memo.OutLines.SetText("aaa bbb");
    memo.CalcGaps();
    EXPECT_EQ(memo.GapX, 4);
    EXPECT_EQ(memo.GapY, 2);
    memo.WrapText();
    memo.RestoreCoord();
    EXPECT_EQ(frScratchMemo->Count(), 2);
    EXPECT_EQ(frWrapHeight, 2 * 2 + 2 * 15);
}

TEST_F(MemoLayoutTest, BlockAlignmentAndRotatedPositions)
{
    TFont courier;
    courier.Name = "Courier New";
    struct Case {
        const char* name;
        int alignment;
        TRect bounds;  // x, y, dx, dy
        int left, top, right, bottom;  // the run's bounds; -1 where not checked
    } cases[] = {
        // one line: a block of 2 + 15; bottom-aligned it moves down by 100 - 17
        {"bottom", frtaDown, {10, 10, 200, 100}, 12, 10 + 83 + 1, -1, -1},
        // rotated, centred across: x moves by (40 - (4 + 15)) div 2 = 10
        {"rotated centre", frtaVertical | frtaMiddle, {10, 10, 40, 200}, 10 + 10 + 2, -1, -1, 10 + 200 - 1},
        // rotated and right-aligned: the text ends at the top gap
        {"rotated right", frtaVertical | frtaRight, {10, 10, 40, 200}, 12, 10 + 1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrMemoView memo;
        memo.Font = courier;
        memo.Memo.SetText("alt");
        memo.Alignment = c.alignment;
        memo.SetBounds(c.bounds.Left, c.bounds.Top, c.bounds.Right, c.bounds.Bottom);
        TTextRunRecorder rec(800, 600);
        {
            TCanvas canvas(&rec);
            memo.Draw(canvas);
        }
        ASSERT_EQ(rec.Runs().size(), 1u);
        QRect b = rec.Runs()[0].Bounds;
        if (c.left >= 0) {
            EXPECT_EQ(b.left(), c.left);
        }
        if (c.top >= 0) {
            EXPECT_NEAR(b.top(), c.top, 1);
        }
        if (c.bottom >= 0) {
            EXPECT_NEAR(b.bottom() + 1, c.bottom, 1);
        }
    }
}

TEST_F(MemoLayoutTest, PreparedLinesKeepTheirWrappingWhenDrawn)
{
    // lines wrapped before (a split part): the block height follows their count, not a new wrapping
    TfrMemoView memo;
    memo.Font.Name = "Courier New";
    memo.SetBounds(0, 0, 400, 100);
    memo.Alignment = frtaDown;
    memo.Memo.Add("aaa" + QString(QChar(0)) + QChar(24));
    memo.Memo.Add("bbb" + QString(frParagraphEnd) + QChar(0) + QChar(24));
    TTextRunRecorder rec(800, 600);
    {
        TCanvas canvas(&rec);
        memo.Draw(canvas);
    }
    ASSERT_EQ(rec.Runs().size(), 2u);
    EXPECT_EQ(rec.Runs()[0].Text, "aaa");
    // block 2 + 2 * 15 moved down by 100 - 32
    EXPECT_NEAR(rec.Runs()[0].Bounds.top(), 68 + 1, 1);
    EXPECT_NEAR(rec.Runs()[1].Bounds.top(), 68 + 1 + 15, 1);

    // turned, the block counts the horizontal gaps: 2 + 2 + 2 * 15 centred across 40 moves by 3
    memo.Alignment = frtaVertical | frtaMiddle;
    memo.SetBounds(10, 10, 40, 200);
    TTextRunRecorder turned(800, 600);
    {
        TCanvas canvas(&turned);
        memo.Draw(canvas);
    }
    ASSERT_EQ(turned.Runs().size(), 2u);
    EXPECT_EQ(turned.Runs()[0].Bounds.left(), 10 + 3 + 2);
    EXPECT_EQ(turned.Runs()[1].Bounds.left(), 10 + 3 + 2 + 15);
}

TEST_F(MemoLayoutTest, InvisibleOrEmptyMemoHasNoHeightAndNoRecord)
{
    TfrMemoView memo;
    memo.RecordForm = 1;
    memo.SetBounds(0, 0, 100, 50);
    EXPECT_EQ(memo.ContentHeight(), 0) << "no lines";
    memo.Memo.SetText("metin");
    memo.Visible = 0;
    EXPECT_EQ(memo.ContentHeight(), 0) << "invisible";
    TMemoryStream page;
    memo.Print(page);
    EXPECT_EQ(page.Size(), 0);
    EXPECT_EQ(memo.PartMode, 0);
}

TEST_F(MemoLayoutTest, UnprintedHeightCountsTheWaitingLines)
{
    TfrMemoView memo;
    memo.SetBounds(0, 0, 400, 100);
    memo.Memo.SetText("a\r\nb\r\nc");
    memo.ContentHeight();
    EXPECT_EQ(memo.MinHeight(), 15);
    EXPECT_EQ(memo.UnprintedHeight(), 3 * 15);
}

}  // namespace
