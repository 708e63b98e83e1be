#include "report/fr_subreport_view.h"

#include "base/stream.h"
#include "report/fr_strings.h"

TfrSubReportView::TfrSubReportView()
{
    ObjectType = gtSubReport;
    NamePrefix = QStringLiteral("SubReport");
}

void TfrSubReportView::Assign(const TfrView& source)
{
    TfrView::Assign(source);
    if (auto* s = dynamic_cast<const TfrSubReportView*>(&source))
        PageIndex = s->PageIndex;
}

void TfrSubReportView::Draw(TCanvas& canvas)
{
    BeginDraw(&canvas);
    FrameWidth = 1;
    CalcGaps();
    canvas.SetBrush(0xFFFFFF);
    canvas.SetPen(0, 1, TPenStyle::Solid);
    canvas.Rectangle(x, y, x + dx + 1, y + dy + 1);
    TFont font;
    font.Name = QStringLiteral("Arial");
    font.Size = 8;
    canvas.SetFontPoints(font);
    canvas.TextOutClipped(x + 2, y + 2, InnerRect,
                          frLoadStr(frRes_SubReportLabel) + QLatin1Char(' ') + QString::number(PageIndex + 1));
    RestoreCoord();
}

void TfrSubReportView::LoadFromStream(TStream& stream)
{
    TfrView::LoadFromStream(stream);
    PageIndex = stream.ReadInteger();
}

void TfrSubReportView::SaveToStream(TStream& stream)
{
    TfrView::SaveToStream(stream);
    stream.WriteInteger(PageIndex);
}
