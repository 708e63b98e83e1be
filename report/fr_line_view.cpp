#include "report/fr_line_view.h"

TfrLineView::TfrLineView()
{
    ObjectType = gtLine;
    NamePrefix = QStringLiteral("Line");
    FrameTyp = frbLeft;
}

void TfrLineView::Draw(TCanvas& canvas)
{
    BeginDraw(&canvas);
    // The orientation follows the longer side and stays in the view.
    if (dx <= dy) {
        dx = 0;
        FrameTyp = frbLeft;
    } else {
        dy = 0;
        FrameTyp = frbTop;
    }
    CalcGaps();
    DrawFrame();
    RestoreCoord();
}

QRegion TfrLineView::GetClipRgn(bool extended)
{
    int across = FrameStyle == 5 ? frRound(FrameWidth * 1.5) : frRound(FrameWidth / 2.0);
    TRect r{x, y, x + dx + 1, y + dy + 1};
    if (FrameTyp == frbLeft) {
        r.Left -= across;
        r.Right += across;
    } else {
        r.Top -= across;
        r.Bottom += across;
    }
    if (extended) {
        r.Left -= 10;
        r.Top -= 10;
        r.Right += 10;
        r.Bottom += 10;
    }
    return QRegion(r.ToQRect());
}
