#include "report/fr_picture_view.h"

#include "base/data_set.h"
#include "base/stream.h"
#include "report/fr_emf_pages.h"

TfrPictureView::TfrPictureView()
{
    ObjectType = gtPicture;
    NamePrefix = QStringLiteral("Picture");
    Flags = flPictStretched | flPictRatio;
}

void TfrPictureView::Assign(const TfrView& source)
{
    TfrView::Assign(source);
    if (auto* s = dynamic_cast<const TfrPictureView*>(&source))
        Picture = s->Picture;
}

TRect TfrPictureView::PictureRect() const
{
    TRect r = InnerRect;
    int gw = Picture.Width();
    int gh = Picture.Height();
    if (!(Flags & flPictStretched)) {
        if (Flags & flPictCenter) {
            int ox = (r.Width() - gw) / 2, oy = (r.Height() - gh) / 2;
            r = {r.Left + ox, r.Top + oy, r.Right + ox, r.Bottom + oy};
        }
        return {r.Left, r.Top, r.Left + gw, r.Top + gh};
    }
    if ((Flags & flPictRatio) && gw > 0 && gh > 0) {
        double kx = static_cast<double>(dx) / gw;
        double ky = static_cast<double>(dy) / gh;
        if (kx < ky)
            r = {InnerRect.Left, InnerRect.Top, InnerRect.Right, InnerRect.Top + frRound(gh * kx)};
        else
            r = {InnerRect.Left, InnerRect.Top, InnerRect.Left + frRound(gw * ky), InnerRect.Bottom};
        if (Flags & flPictCenter) {
            int ox = (InnerRect.Width() - r.Width()) / 2, oy = (InnerRect.Height() - r.Height()) / 2;
            r = {r.Left + ox, r.Top + oy, r.Right + ox, r.Bottom + oy};
        }
    }
    return r;
}

void TfrPictureView::Draw(TCanvas& canvas)
{
    BeginDraw(&canvas);
    CalcGaps();
    DrawBackground();
    if (!Picture.Empty()) {
        TRect r = PictureRect();
        if (Flags & flPictStretched)
            Picture.StretchDraw(canvas, r);
        else
            Picture.Draw(canvas, r.Left, r.Top);
    }
    DrawFrame();
    RestoreCoord();
}

void TfrPictureView::LoadFromBlob(TField* field)
{
    QByteArray bytes = field ? field->AsBytes() : QByteArray();
    if (bytes.isEmpty())
        Picture.Clear();
    else
        Picture.LoadFromData(bytes);
}

void TfrPictureView::LoadFromStream(TStream& stream)
{
    TfrView::LoadFromStream(stream);
    uint8_t kind = stream.ReadByte();
    int32_t end = stream.ReadInteger();
    if (kind >= TPicture::Bitmap && kind <= TPicture::Icon)
        Picture.LoadGraphic(static_cast<TPicture::Kind>(kind), stream);
    else
        Picture.Clear();
    stream.SetPosition(end);
}

void TfrPictureView::SaveToStream(TStream& stream)
{
    TfrView::SaveToStream(stream);
    stream.WriteByte(Picture.Empty() ? 0 : static_cast<uint8_t>(Picture.GraphicKind()));
    int64_t at = stream.Position();
    stream.WriteInteger(0);
    if (!Picture.Empty())
        Picture.SaveGraphic(stream);
    frWriteEndField(stream, at);
}
