#pragma once

#include <QByteArray>
#include <QImage>
#include <QPicture>
#include <QSize>

class TCanvas;
class TStream;
struct TRect;

// A picture holding one graphic: a bitmap, a recorded drawing (standing for the enhanced metafile) or an
// icon, or none. Each graphic reads and writes its own stream form: a bitmap and an icon their usual
// file forms (BMP, ICO), a recorded drawing its frame size and the recording.
class TPicture {
public:
    enum Kind { None = 0, Bitmap = 1, Metafile = 2, Icon = 3 };

    Kind GraphicKind() const { return kind_; }
    bool Empty() const;
    int Width() const;
    int Height() const;
    const QImage& Image() const { return image_; }
    const QPicture& Recording() const { return recording_; }

    void Clear();
    void SetBitmap(const QImage& image);
    void SetIcon(const QImage& image);
    void SetMetafile(const QPicture& recording, QSize frame);

    // The graphic of `kind` read from the stream; EReadError on a short stream, EStreamError on data
    // the graphic does not understand. An enhanced metafile of the original platform, which cannot be
    // played here, is read over and leaves the picture empty.
    void LoadGraphic(Kind kind, TStream& stream);
    void SaveGraphic(TStream& stream) const;
    // Bytes of any of the three forms, told apart by their first bytes (a blob field's content).
    void LoadFromData(const QByteArray& bytes);

    void Draw(TCanvas& canvas, int x, int y) const;
    void StretchDraw(TCanvas& canvas, const TRect& rect) const;

private:
    Kind kind_ = None;
    QImage image_;
    QPicture recording_;
    QSize frame_;
};
