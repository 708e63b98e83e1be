#include "base/picture.h"

#include "base/canvas.h"
#include "base/error_texts.h"
#include "base/exceptions.h"
#include "base/stream.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

namespace {

const char kRecordingMagic[4] = {'Q', 'P', 'I', 'C'};

QString BadGraphicText()
{
    return QStringLiteral("Resim verisi okunamadı");
}

QImage DecodeImage(const QByteArray& bytes, const char* format)
{
    QImage image = QImage::fromData(bytes, format);
    if (image.isNull())
        throw EStreamError(BadGraphicText());
    return image;
}

QByteArray EncodeImage(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        throw EStreamError(BadGraphicText());
    return bytes;
}

uint32_t LittleEndian32(const QByteArray& b, int at)
{
    return static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8) |
           (static_cast<uint8_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24);
}

uint16_t LittleEndian16(const QByteArray& b, int at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8));
}

// A bitmap file tells its whole size in its header.
QByteArray ReadBitmapFile(TStream& stream)
{
    QByteArray head = stream.ReadBytes(14);
    if (head[0] != 'B' || head[1] != 'M')
        throw EStreamError(BadGraphicText());
    uint32_t size = LittleEndian32(head, 2);
    if (size < 14)
        throw EStreamError(BadGraphicText());
    return head + stream.ReadBytes(size - 14);
}

// An icon file is as long as its furthest image: the directory gives each image's offset and size.
QByteArray ReadIconFile(TStream& stream)
{
    QByteArray bytes = stream.ReadBytes(6);
    if (LittleEndian16(bytes, 0) != 0 || LittleEndian16(bytes, 2) != 1)
        throw EStreamError(BadGraphicText());
    int count = LittleEndian16(bytes, 4);
    QByteArray directory = stream.ReadBytes(16 * count);
    int64_t end = 6 + 16 * count;
    for (int i = 0; i < count; ++i)
        end = qMax<int64_t>(end, int64_t(LittleEndian32(directory, 16 * i + 12)) + LittleEndian32(directory, 16 * i + 8));
    bytes += directory;
    return bytes + stream.ReadBytes(end - bytes.size());
}

// An enhanced metafile starts with its header record (type 1) holding the signature " EMF" at byte 40
// and the whole file's size at byte 48.
bool IsEnhancedMetafileHeader(const QByteArray& head)
{
    return head.size() >= 52 && LittleEndian32(head, 0) == 1 && LittleEndian32(head, 40) == 0x464D4520;
}

}  // namespace

bool TPicture::Empty() const
{
    switch (kind_) {
    case Bitmap:
    case Icon: return image_.isNull();
    case Metafile: return frame_.isEmpty();
    default: return true;
    }
}

int TPicture::Width() const
{
    if (kind_ == Metafile)
        return frame_.width();
    return kind_ == None ? 0 : image_.width();
}

int TPicture::Height() const
{
    if (kind_ == Metafile)
        return frame_.height();
    return kind_ == None ? 0 : image_.height();
}

void TPicture::Clear()
{
    kind_ = None;
    image_ = QImage();
    recording_ = QPicture();
    frame_ = QSize();
}

void TPicture::SetBitmap(const QImage& image)
{
    Clear();
    kind_ = Bitmap;
    image_ = image;
}

void TPicture::SetIcon(const QImage& image)
{
    Clear();
    kind_ = Icon;
    image_ = image;
}

void TPicture::SetMetafile(const QPicture& recording, QSize frame)
{
    Clear();
    kind_ = Metafile;
    recording_ = recording;
    frame_ = frame;
}

void TPicture::LoadGraphic(Kind kind, TStream& stream)
{
    switch (kind) {
    case Bitmap: SetBitmap(DecodeImage(ReadBitmapFile(stream), "BMP")); break;
    case Icon: SetIcon(DecodeImage(ReadIconFile(stream), "ICO")); break;
    case Metafile: {
        QByteArray magic = stream.ReadBytes(4);
        if (magic != QByteArray(kRecordingMagic, 4)) {
            // A metafile of the original platform is well formed but cannot be played here: it is passed
            // over and the picture stays empty, as a graphic of an unknown kind does.
            QByteArray head = magic + stream.ReadBytes(qMin<int64_t>(48, stream.Remaining()));
            if (!IsEnhancedMetafileHeader(head))
                throw EStreamError(BadGraphicText());
            const uint32_t size = LittleEndian32(head, 48);
            if (size < head.size())
                throw EStreamError(BadGraphicText());
            stream.ReadBytes(size - head.size());
            Clear();
            break;
        }
        int w = stream.ReadInteger();
        int h = stream.ReadInteger();
        int32_t size = stream.ReadInteger();
        QByteArray data = stream.ReadBytes(size);
        QPicture recording;
        if (size > 0) {
            recording.setData(data.constData(), static_cast<uint>(data.size()));
            // the recording checks its header only when it is played
            QImage probe(1, 1, QImage::Format_RGB32);
            QPainter painter(&probe);
            if (!recording.play(&painter))
                throw EStreamError(BadGraphicText());
        }
        SetMetafile(recording, QSize(qMax(0, w), qMax(0, h)));
        break;
    }
    default: Clear(); break;
    }
}

void TPicture::SaveGraphic(TStream& stream) const
{
    switch (kind_) {
    case Bitmap: stream.WriteBytes(EncodeImage(image_, "BMP")); break;
    case Icon: stream.WriteBytes(EncodeImage(image_, "ICO")); break;
    case Metafile: {
        stream.WriteBuffer(kRecordingMagic, 4);
        stream.WriteInteger(frame_.width());
        stream.WriteInteger(frame_.height());
        QByteArray data(recording_.data(), static_cast<int>(recording_.size()));
        stream.WriteInteger(static_cast<int32_t>(data.size()));
        stream.WriteBytes(data);
        break;
    }
    default: break;
    }
}

void TPicture::LoadFromData(const QByteArray& bytes)
{
    if (bytes.startsWith("BM"))
        SetBitmap(DecodeImage(bytes, "BMP"));
    else if (bytes.startsWith(QByteArray(kRecordingMagic, 4))) {
        TMemoryStream stream(bytes);
        LoadGraphic(Metafile, stream);
    } else if (bytes.startsWith(QByteArray("\0\0\1\0", 4)))
        SetIcon(DecodeImage(bytes, "ICO"));
    else
        SetBitmap(DecodeImage(bytes, nullptr));  // any other image form Qt reads
}

void TPicture::Draw(TCanvas& canvas, int x, int y) const
{
    if (kind_ == Metafile)
        canvas.StretchDraw(TRect{x, y, x + frame_.width(), y + frame_.height()}, recording_, frame_);
    else if (!image_.isNull())
        canvas.Draw(x, y, image_);
}

void TPicture::StretchDraw(TCanvas& canvas, const TRect& rect) const
{
    if (kind_ == Metafile)
        canvas.StretchDraw(rect, recording_, frame_);
    else if (!image_.isNull())
        canvas.StretchDraw(rect, image_);
}
