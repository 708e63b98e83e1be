#include "base/stream.h"
#include "report/fr_memo_view.h"

#include "view_test_support.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// The font the shrinking must end with, found one pixel at a time.
int ShrunkHeightOneByOne(TCanvas& canvas, const QString& text, int width, int height)
{
    canvas.SetFontHeight(height);
    while (canvas.TextWidth(text) > width && canvas.Font().Height < -1)
        canvas.SetFontHeight(canvas.Font().Height + 1);
    return canvas.Font().Height;
}

TEST(MemoFontFit, ShrinksToTheSameFontAsOnePixelAtATime)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.setDotsPerMeterX(23622);  // 600 dpi, as a printer
    image.setDotsPerMeterY(23622);
    TCanvas canvas(&image);
    struct Case {
        const char* face;
        const char* text;
        int height;  // pixels, negative: the character height
    };
    const Case cases[] = {
        {"Courier New", "   123  01.01.2014  31.01.2014      1,50      1.234,56 TL", -67},
        {"Arial", "Sayfa 12", -400},
        {"Arial", "Gecikme/Tecil Faizi Rapor Dökümü", -700},
        {"Times New Roman", "İĞÜŞÖÇ ığüşöç", -1},
    };
    for (const Case& c : cases) {
        canvas.SetFont(TFont{c.face}, c.height);
        const int natural = canvas.TextWidth(c.text);
        // wider than the text, a step or two narrower, and far narrower (many pixels to shrink)
        for (int width : {natural + 5, natural, natural - 1, natural * 19 / 20, natural / 3, natural / 40, 0}) {
            const int expected = ShrunkHeightOneByOne(canvas, c.text, width, c.height);
            canvas.SetFontHeight(c.height);
            const int tw = frShrinkFontToWidth(canvas, c.text, width);
            EXPECT_EQ(canvas.Font().Height, expected) << c.text << " in " << width;
            EXPECT_EQ(tw, canvas.TextWidth(c.text)) << c.text << " in " << width;
        }
    }
}

class HugeMemoFont : public PrintingModeTest {};

// A prepared page may hold any font size; one of a thousand million points is drawn at once, shrunk
// to the width its line was measured with, on screen and on a printer.
TEST_F(HugeMemoFont, IsShrunkToItsLineAtOnce)
{
    TfrMemoView written;
    written.RecordForm = 1;
    written.SetBounds(10, 10, 300, 40);
    written.Font.Size = 1000000000;
    written.OutLines.Add(QStringLiteral("Toplam 1.234,56 TL"));
    TMemoryStream stream;
    written.SaveToStream(stream);
    stream.SetPosition(0);
    TfrMemoView memo;
    memo.RecordForm = 1;
    memo.LoadFromStream(stream);
    ASSERT_EQ(memo.Font.Size, 1000000000);
    memo.Flags = 0;  // one line, not wrapped
    for (double scale : {0.5, 1.0}) {
        memo.ScaleX = memo.ScaleY = scale;
        const auto runs = DrawnRuns(memo, 4000, 4000);
        ASSERT_EQ(runs.size(), 1u) << scale;
        EXPECT_EQ(runs[0].Text, "Toplam 1.234,56 TL");
        // the stored width is the most a line keeps: 16 bits
        EXPECT_LE(runs[0].Bounds.width(), frRound(0xFFFF * scale) + 1) << scale;
        EXPECT_GT(runs[0].Bounds.width(), 0) << scale;
    }
}

}  // namespace
