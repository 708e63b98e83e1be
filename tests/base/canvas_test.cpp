#include "base/canvas.h"
#include "base/text_run_recorder.h"

#include <QImage>
#include <QPicture>

#include <gtest/gtest.h>

namespace {

TFont Courier(int size = 10)
{
    return TFont{"Courier New", size};
}

QStringList Texts(const TTextRunRecorder& rec)
{
    QStringList texts;
    for (const TTextRun& run : rec.Runs())
        texts << run.Text;
    return texts;
}

}  // namespace

TEST(CanvasTest, RecorderKeepsRunsInDrawingOrderWithBounds)
{
    TTextRunRecorder rec(800, 600);
    int width = 0;
    int lineHeight = 0;
    {
        TCanvas c(&rec);
        c.SetFont(Courier(), -13);
        width = c.TextWidth("Birinci");
        lineHeight = c.LineHeight();
        c.TextOut(10, 20, "Birinci");
        c.TextOut(300, 5, "İkinci satır");
        c.TextOutClipped(50, 100, TRect{0, 0, 800, 600}, "Üçüncü");
    }
    EXPECT_EQ(Texts(rec), QStringList({"Birinci", "İkinci satır", "Üçüncü"}));
    const QRect& b = rec.Runs()[0].Bounds;
    EXPECT_EQ(b.topLeft(), QPoint(10, 20));
    EXPECT_NEAR(b.width(), width, 1);
    EXPECT_NEAR(b.height(), lineHeight, 1);
    EXPECT_EQ(rec.Runs()[1].Bounds.topLeft(), QPoint(300, 5));
}

TEST(CanvasTest, RotatedTextRunsUpwardsFromItsPoint)
{
    TTextRunRecorder rec(800, 600);
    int width = 0;
    {
        TCanvas c(&rec);
        TLogFont lf;
        lf.Font = Courier();
        lf.Height = -13;
        lf.Orientation = 900;
        c.SetFont(lf);
        width = c.TextWidth("Yukarı");
        c.TextOut(100, 400, "Yukarı");
    }
    ASSERT_EQ(rec.Runs().size(), 1u);
    const QRect& b = rec.Runs()[0].Bounds;
    // the cell's top edge lies on x = 100 and the text ends `width` above y = 400
    EXPECT_EQ(b.left(), 100);
    EXPECT_NEAR(b.bottom() + 1, 400, 1);
    EXPECT_NEAR(b.height(), width, 1);
}

TEST(CanvasTest, RecordedDrawingReplaysItsTexts)
{
    QPicture pic;
    {
        TCanvas c(&pic);
        c.SetFont(Courier(8), -11);
        c.TextOut(0, 0, "satır bir");
        c.TextOut(0, 12, "satır iki");
    }
    TTextRunRecorder rec(800, 600);
    {
        TCanvas c(&rec);
        c.StretchDraw(TRect{100, 100, 300, 200}, pic, QSize(100, 50));
    }
    ASSERT_EQ(Texts(rec), QStringList({"satır bir", "satır iki"}));
    // stretched twice in both directions: the second line starts 24 pixels below the first
    EXPECT_EQ(rec.Runs()[0].Bounds.topLeft(), QPoint(100, 100));
    EXPECT_NEAR(rec.Runs()[1].Bounds.top(), 124, 1);
}

TEST(CanvasTest, PlacedAndJustifiedTextFillTheirWidth)
{
    TTextRunRecorder rec(800, 600);
    int natural = 0;
    {
        TCanvas c(&rec);
        c.SetFont(Courier(), -13);
        natural = c.TextWidth("iki kelime bir");
        c.TextOutPlaced(0, 0, TRect{0, 0, 800, 600}, "iki kelime bir", natural + 28);
        c.SetTextJustification(30, 2);
        c.TextOut(0, 20, "iki kelime bir");
        c.SetTextJustification(0, 0);
        c.TextOut(0, 40, "iki kelime bir");
    }
    ASSERT_EQ(rec.Runs().size(), 3u);
    EXPECT_NEAR(rec.Runs()[0].Bounds.width(), natural + 28, 1);
    EXPECT_NEAR(rec.Runs()[1].Bounds.width(), natural + 30, 1);
    EXPECT_NEAR(rec.Runs()[2].Bounds.width(), natural, 1);
}

TEST(CanvasTest, PlacedTextFillsItsWidthOnAPrinterResolutionDevice)
{
    // 1200 dots per inch, as a printer draws; the placed line must end where it was asked to
    QImage page(4000, 400, QImage::Format_RGB32);
    page.setDotsPerMeterX(47244);
    page.setDotsPerMeterY(47244);
    page.fill(Qt::white);
    const QString text = "MMMMMMMMMM";
    int natural = 0;
    int cell = 0;
    {
        TCanvas c(&page);
        c.SetFont(Courier(), -200);
        natural = c.TextWidth(text);
        cell = c.TextWidth("M");
        c.TextOutPlaced(0, 0, TRect{0, 0, 4000, 400}, text, natural + 400);
    }
    int right = -1;
    for (int x = 0; x < page.width(); ++x)
        for (int y = 0; y < page.height(); ++y)
            if (qGray(page.pixel(x, y)) < 128)
                right = x;
    // the last glyph ends inside the last cell of the requested width
    EXPECT_GT(right, natural + 400 - cell);
    EXPECT_LE(right, natural + 400);
}

TEST(CanvasTest, MeasuringIsAtScreenResolution)
{
    TMeasureBitmap bmp;
    TCanvas& c = bmp.Canvas();
    EXPECT_EQ(c.PixelsPerInchY(), 96);
    c.SetFontPoints(Courier(10));
    EXPECT_EQ(c.FontPixelHeight(), 13);
    // Courier New cells are 0.6 of the character height wide
    EXPECT_NEAR(c.TextWidth("0123456789"), 78, 2);
    TRect r = c.CalcTextRect("ab\r\nabcd\r\nc", TRect{5, 7, 15, 17});
    EXPECT_EQ(r, (TRect{5, 7, 5 + c.TextWidth("abcd"), 7 + 3 * c.LineHeight()}));
}

TEST(CanvasTest, FramesAndFillsCoverTheOriginalsPixels)
{
    QImage img(20, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        TCanvas c(&img);
        c.SetBrush(0x0000FF);
        c.FillRect(TRect{2, 2, 5, 5});
        c.SetPen(0, 1);
        c.Line(10, 1, 15, 1);  // x 10..14
        c.SetBrushClear();
        c.Rectangle(10, 10, 15, 15);  // outline 10..14
    }
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    const std::pair<QPoint, QRgb> pixels[] = {{{4, 4}, qRgb(255, 0, 0)}, {{5, 5}, white},   {{10, 1}, black},
                                              {{14, 1}, black},          {{15, 1}, white},  {{10, 10}, black},
                                              {{14, 14}, black},         {{15, 14}, white}, {{12, 12}, white}};
    for (const auto& [at, colour] : pixels)
        EXPECT_EQ(img.pixel(at), colour) << at.x() << "," << at.y();
}
