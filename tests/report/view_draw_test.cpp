#include "report/fr_globals.h"
#include "report/fr_line_view.h"
#include "report/fr_memo_view.h"
#include "report/fr_picture_view.h"
#include "report/fr_subreport_view.h"

#include "case_table.h"
#include "golden.h"
#include "view_test_support.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Views draw as the engine prints, on a white image.
class ViewDrawTest : public PrintingModeTest {
protected:
    void SetUp() override
    {
        PrintingModeTest::SetUp();
        image_ = QImage(240, 240, QImage::Format_RGB32);
        image_.fill(Qt::white);
    }
    void DrawOnImage(TfrView& view)
    {
        TCanvas canvas(&image_);
        view.Draw(canvas);
    }
    // One drawing step of a view on a fresh white image, as its Draw runs it.
    void Step(TfrView& view, void (TfrView::*step)())
    {
        image_.fill(Qt::white);
        TCanvas canvas(&image_);
        view.BeginDraw(&canvas);
        view.CalcGaps();
        (view.*step)();
        view.RestoreCoord();
    }
    // What was drawn on a box and two pixels around it.
    QStringList Around(const QString& title, int x, int y, int w, int h) const
    {
        return Art(title, image_.copy(x - 2, y - 2, w + 4, h + 4));
    }
    QImage image_;
};

TEST_F(ViewDrawTest, FrameGeometryOfTheCaseTable)
{
    for (const CaseLine& c : ReadCases("report/frame_geometry.tsv", 7)) {
        const bool gaps = c[0] == "gaps";
        std::unique_ptr<TfrView> v = gaps ? std::unique_ptr<TfrView>(new TfrLineView) : std::make_unique<TfrMemoView>();
        v->SetBounds(10, gaps ? 20 : 10, 100, 50);
        v->FrameWidth = c[1].toFloat();
        v->ScaleX = v->ScaleY = c[2].toDouble();
        v->FrameStyle = static_cast<uint16_t>(c[3].toInt());
        v->FrameTyp = static_cast<uint16_t>(c[4].toInt());
        QString result;
        if (gaps) {
            v->CalcGaps();
            const TRect& r = v->InnerRect;
            result = QStringLiteral("%1,%2 %3,%4,%5,%6").arg(v->GapX).arg(v->GapY).arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
            EXPECT_FLOAT_EQ(v->FrameWidth, c[1].toFloat() * c[2].toFloat()) << c.where.toStdString();
            v->RestoreCoord();
            EXPECT_EQ(QList<int>({v->x, v->dx}), QList<int>({10, 100})) << c.where.toStdString();
            EXPECT_FLOAT_EQ(v->FrameWidth, c[1].toFloat()) << c.where.toStdString();
        } else {
            const QRect r = v->GetClipRgn(c[5] == "1").boundingRect();
            result = QStringLiteral("%1,%2,%3,%4").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
        }
        EXPECT_EQ(result, c[6]) << c.where.toStdString();
    }
}

TEST_F(ViewDrawTest, LineTakesTheOrientationOfItsLongerSide)
{
    struct Case {
        int dx, dy;
        uint16_t edges;
        int keptDx, keptDy;
    } cases[] = {{100, 0, 8, 100, 0}, {0, 100, 4, 0, 100}, {50, 50, 4, 0, 50}, {30, 10, 8, 30, 0}};
    QStringList art;
    for (const Case& c : cases) {
        TfrLineView line;
        line.SetBounds(20, 30, c.dx, c.dy);
        image_.fill(Qt::white);
        DrawOnImage(line);
        EXPECT_EQ(QList<int>({line.FrameTyp, line.dx, line.dy}), QList<int>({c.edges, c.keptDx, c.keptDy}));
        art << Around(QStringLiteral("%1x%2:").arg(c.dx).arg(c.dy), 20, 30, c.dx, c.dy);
    }
    ExpectGolden("report/line_views.txt", art);
}

TEST_F(ViewDrawTest, LineClipRegionWidensAcrossTheLine)
{
    TfrLineView line;
    line.SetBounds(10, 10, 100, 0);
    line.FrameTyp = 8;
    line.FrameWidth = 4;
    EXPECT_EQ(line.GetClipRgn(false).boundingRect(), QRect(QPoint(10, 8), QPoint(110, 12)));
    line.FrameStyle = 5;
    EXPECT_EQ(line.GetClipRgn(true).boundingRect(), QRect(QPoint(0, -6), QPoint(120, 26)));
}

// All four edges solid make one rectangle whose bottom-right corner is drawn; right and bottom edges alone
// stop short of their end points; dashes show their gaps; a double frame has the fill between its lines.
TEST_F(ViewDrawTest, FramesAndBackground)
{
    TfrLineView probe;  // any view with the base frame drawing
    probe.SetBounds(10, 10, 50, 40);
    QStringList art;
    for (auto [edges, style, title] : {std::tuple{15, 0, "solid"}, {1 | 2, 0, "right and bottom"}, {15, 1, "dashed"}}) {
        probe.FrameTyp = static_cast<uint16_t>(edges);
        probe.FrameStyle = static_cast<uint16_t>(style);
        Step(probe, &TfrView::DrawFrame);
        art << Around(title, 10, 10, 50, 40);
    }
    probe.FrameTyp = 8;
    probe.FrameStyle = 5;
    probe.FillColor = 0x0000FF;
    Step(probe, &TfrView::DrawFrame);
    art << Around("double top line over a red fill", 10, 8, 50, 4);
    // the background fills the scaled rectangle, right and bottom excluded, but not with no fill colour
    TfrLineView v;
    v.SetBounds(10, 10, 20, 10);
    v.FillColor = 0x00FF00;
    v.ScaleX = v.ScaleY = 2;
    v.OriginX = 5;
    Step(v, &TfrView::DrawBackground);
    art << Around("background 25,20 40x20:", 25, 20, 40, 20);
    v.FillColor = frNoFillColor;
    Step(v, &TfrView::DrawBackground);
    art << Around("no fill:", 25, 20, 40, 20);
    ExpectGolden("report/view_frames.txt", art);
}

TEST_F(ViewDrawTest, PicturePlacement)
{
    struct Case {
        const char* name;
        uint16_t flags;
        QSize graphic;
        float frameWidth;
    } cases[] = {
        // a 200 x 100 graphic in a 100 x 100 view at (10, 10)
        {"stretched with aspect: whole width, half height", 1 | 4, {200, 100}, 0},
        {"and centred: down by a quarter", 1 | 4 | 2, {200, 100}, 0},
        {"stretched without aspect", 1, {200, 100}, 0},
        {"natural size centred: moved by (30, 40)", 2, {40, 20}, 0},
        // aspect alone counts only when stretched; the inner rectangle starts at 10 + round((3 - 1) / 2)
        {"natural size inside a frame", 4, {30, 20}, 3},
    };
    QStringList art;
    for (const Case& c : cases) {
        image_.fill(Qt::white);
        QImage graphic(c.graphic, QImage::Format_RGB32);
        graphic.fill(Qt::red);
        TfrPictureView pic;
        pic.SetBounds(10, 10, 100, 100);
        pic.Flags = c.flags;
        if (c.frameWidth > 0) {
            pic.FrameTyp = 15;
            pic.FrameWidth = c.frameWidth;
        }
        pic.Picture.SetBitmap(graphic);
        DrawOnImage(pic);
        art << Around(c.name, 10, 10, 100, 100);
    }
    ExpectGolden("report/picture_views.txt", art);
}

TEST_F(ViewDrawTest, SubReportShowsItsPageNumber)
{
    TfrSubReportView sub;
    sub.SetBounds(10, 10, 100, 40);
    sub.PageIndex = 1;
    const auto runs = DrawnRuns(sub);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Text, " 2");
    EXPECT_EQ(runs[0].Bounds.topLeft(), QPoint(12, 12));
    EXPECT_FLOAT_EQ(sub.FrameWidth, 1.0f);
}

TEST_F(ViewDrawTest, RotatedFontTurnsCounterClockwise)
{
    TLogFont f{TFont{}, -17, 0};
    f.Font.Style = 3;
    TLogFont r = frCreateRotatedFont(f);
    EXPECT_EQ(r.Orientation, 900);
    EXPECT_EQ(r.Height, -17);
    EXPECT_EQ(r.Font, f.Font);
}

}  // namespace
