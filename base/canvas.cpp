#include "base/canvas.h"

#include "base/color.h"
#include "base/fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPicture>
#include <QStringList>

#include <cmath>
#include <map>
#include <utility>

namespace {

// The original's dash patterns, in pen widths: a width-1 pen draws 18 on 6 off and so on.
QList<qreal> DashPattern(TPenStyle style)
{
    switch (style) {
    case TPenStyle::Dash: return {18, 6};
    case TPenStyle::Dot: return {3, 3};
    case TPenStyle::DashDot: return {9, 6, 3, 6};
    case TPenStyle::DashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

QStringList SplitLines(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.split(QLatin1Char('\n'));
}

}  // namespace

int PointsToPixels(int points, int dpi)
{
    // MulDiv rounds halves away from zero
    return static_cast<int>(std::floor(static_cast<double>(points) * dpi / 72.0 + 0.5));
}

TCanvas::TCanvas(QPaintDevice* device) : own_(std::make_unique<QPainter>(device)), painter_(own_.get())
{
    ApplyFont();
    ApplyPen();
}

TCanvas::TCanvas(QPainter* painter) : painter_(painter)
{
    ApplyFont();
    ApplyPen();
}

TCanvas::~TCanvas()
{
    if (own_ && own_->isActive())
        own_->end();
}

QPaintDevice* TCanvas::Device() const
{
    return painter_->device();
}

int TCanvas::PixelsPerInchX() const
{
    QPaintDevice* d = Device();
    return d ? d->logicalDpiX() : kScreenPixelsPerInch;
}

int TCanvas::PixelsPerInchY() const
{
    QPaintDevice* d = Device();
    return d ? d->logicalDpiY() : kScreenPixelsPerInch;
}

bool TCanvas::IsPrinter() const
{
    QPaintDevice* d = Device();
    return d && d->devType() == QInternal::Printer;
}

void TCanvas::ApplyFont()
{
    if (!qtFontMade_ || !(qtFontOf_ == font_)) {
        qtFont_ = MakeFont(font_.Font.Name, font_.Height, font_.Font.Style);
        qtFont_.setKerning(false);  // advances add up as the original's do, character by character
        qtFontOf_ = font_;
        qtFontMade_ = true;
        spacingScale_ = 0;
    } else if (painter_->font().isCopyOf(painterFont_)) {
        return;  // the painter holds this font already
    }
    // the painter makes a copy of its own for its device; setting the same font again would make
    // another one, and the text engine would look its glyphs up afresh
    painter_->setFont(qtFont_);
    painterFont_ = painter_->font();
}

const QFontMetrics& TCanvas::Metrics() const
{
    const QFont& current = painter_->font();
    if (!metrics_ || !current.isCopyOf(metricsFont_)) {
        metrics_ = std::make_unique<QFontMetrics>(current, Device());
        metricsFont_ = current;
        fixedPitch_ = nullptr;
    }
    return *metrics_;
}

void TCanvas::SetFont(const TLogFont& font)
{
    font_ = font;
    ApplyFont();
}

void TCanvas::SetFont(const TFont& font, int heightPixels)
{
    font_.Font = font;
    font_.Height = heightPixels;
    font_.Orientation = 0;
    ApplyFont();
}

void TCanvas::SetFontPoints(const TFont& font)
{
    SetFont(font, -PointsToPixels(font.Size, PixelsPerInchY()));
}

void TCanvas::SetFontHeight(int heightPixels)
{
    font_.Height = heightPixels;
    ApplyFont();
}

int TCanvas::FontPixelHeight() const
{
    return painter_->font().pixelSize();
}

bool TCanvas::FixedPitchWidth(const QString& text, int& width) const
{
    const QFontMetrics& fm = Metrics();
    if (fixedPitch_ == nullptr) {
        static std::map<std::pair<QString, int>, FixedPitchFace> faces;
        // every zoom of the preview is a size of its own: past a bound, further sizes are shaped
        constexpr size_t mostFaces = 1024;
        static FixedPitchFace shaped{-1, {}};
        const std::pair<QString, int> key{metricsFont_.key(), PixelsPerInchY() * 100000 + PixelsPerInchX()};
        auto known = faces.find(key);
        if (known != faces.end())
            fixedPitch_ = &known->second;
        else
            fixedPitch_ = faces.size() < mostFaces ? &faces[key] : &shaped;
    }
    FixedPitchFace& face = *fixedPitch_;
    if (face.advance == 0) {
        face.advance = -1;
        if (QFontInfo(metricsFont_).fixedPitch()) {
            const qreal advance = QFontMetricsF(metricsFont_, Device()).horizontalAdvance(QStringLiteral("0"));
            // a face that only claims to be fixed pitch is measured as any other
            const QString probe = QStringLiteral("0iWm .,ğİşı");
            if (advance > 0 && fm.horizontalAdvance(probe) == qRound(probe.size() * advance))
                face.advance = advance;
        }
    }
    if (face.advance < 0)
        return false;
    for (QChar c : text) {
        // printable Latin: no control or format character (a soft hyphen has no width), no
        // combining mark, nothing a fallback face would draw
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0xAD || u >= face.chars.size())
            return false;
        int8_t& known = face.chars[u];
        if (known == 0) {
            // a character of the font whose own advance differs (there are such) is shaped
            known = fm.inFont(c) && QFontMetricsF(metricsFont_, Device()).horizontalAdvance(QString(c)) == face.advance
                        ? 1
                        : -1;
        }
        if (known < 0)
            return false;
    }
    // the text's advances add up exactly as the shaped text's (in 1/64 pixel), rounded alike
    width = qRound(text.size() * face.advance);
    return true;
}

int TCanvas::TextWidth(const QString& text) const
{
    int width = 0;
    if (FixedPitchWidth(text, width))
        return width;
    return Metrics().horizontalAdvance(text);
}

int TCanvas::Ascent() const
{
    return Metrics().ascent();
}

int TCanvas::LineHeight() const
{
    const QFontMetrics& fm = Metrics();
    return fm.ascent() + fm.descent();
}

TRect TCanvas::CalcTextRect(const QString& text, const TRect& rect) const
{
    const QFontMetrics& fm = Metrics();
    int widest = 0;
    const QStringList lines = SplitLines(text);
    for (const QString& line : lines)
        widest = qMax(widest, fm.horizontalAdvance(line));
    int h = static_cast<int>(lines.size()) * (fm.ascent() + fm.descent());
    return {rect.Left, rect.Top, rect.Left + widest, rect.Top + h};
}

void TCanvas::SetTextJustification(int extra, int blanks)
{
    justifyExtra_ = blanks > 0 ? extra : 0;
    justifyBlanks_ = blanks > 0 ? blanks : 0;
}

// How many device pixels one pixel of letter spacing becomes on the device, measured on one glyph.
qreal TCanvas::SpacingScale() const
{
    QPaintDevice* device = Device();
    if (device == nullptr)
        return 1;
    if (spacingScale_ > 0)
        return spacingScale_;
    constexpr qreal probe = 100;
    QFont spaced = qtFont_;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, probe);
    // a string, not a character: the spacing is added only to the advance of a text
    const QString x = QStringLiteral("x");
    const qreal grown =
        QFontMetricsF(spaced, device).horizontalAdvance(x) - QFontMetricsF(qtFont_, device).horizontalAdvance(x);
    spacingScale_ = grown > 0 ? grown / probe : 1;
    return spacingScale_;
}

void TCanvas::DrawTextRun(int x, int y, const TRect* clip, const QString& text, qreal letterSpacing)
{
    QFont f = qtFont_;
    // Qt enlarges a font's letter and word spacing on a device of another resolution (a printer);
    // the spacing here is in device pixels already.
    const qreal scale = justifyBlanks_ > 0 || letterSpacing != 0 ? SpacingScale() : 1;
    if (justifyBlanks_ > 0)
        f.setWordSpacing(static_cast<qreal>(justifyExtra_) / justifyBlanks_ / scale);
    if (letterSpacing != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing / scale);
    const int ascent = painter_->font().isCopyOf(painterFont_) ? Ascent() : QFontMetrics(qtFont_, Device()).ascent();
    painter_->save();
    if (clip)
        painter_->setClipRect(clip->ToQRect(), painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_->setFont(f);
    painter_->setPen(ColorFromTColor(font_.Font.Color));
    painter_->translate(x, y);
    if (font_.Orientation != 0)
        painter_->rotate(-font_.Orientation / 10.0);
    painter_->drawText(QPointF(0, ascent), text);
    painter_->restore();
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    DrawTextRun(x, y, nullptr, text, 0);
}

void TCanvas::TextOutClipped(int x, int y, const TRect& clip, const QString& text)
{
    DrawTextRun(x, y, &clip, text, 0);
}

void TCanvas::TextOutPlaced(int x, int y, const TRect& clip, const QString& text, int width, int naturalWidth)
{
    if (text.isEmpty()) {
        DrawTextRun(x, y, &clip, text, 0);
        return;
    }
    const int natural = naturalWidth >= 0 ? naturalWidth : TextWidth(text);
    DrawTextRun(x, y, &clip, text, static_cast<qreal>(width - natural) / text.size());
}

void TCanvas::ApplyPen()
{
    if (penStyle_ == TPenStyle::Clear) {
        painter_->setPen(Qt::NoPen);
        return;
    }
    QPen pen(ColorFromTColor(penColor_));
    // width 0 and 1 are both one device pixel, as on the original's devices
    pen.setWidth(penWidth_ <= 1 ? 0 : penWidth_);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (penStyle_ != TPenStyle::Solid) {
        pen.setDashPattern(DashPattern(penStyle_));
    }
    painter_->setPen(pen);
    painter_->setRenderHint(QPainter::Antialiasing, false);
}

void TCanvas::SetPen(int color, int width, TPenStyle style)
{
    penColor_ = color;
    penWidth_ = width;
    penStyle_ = style;
    ApplyPen();
}

void TCanvas::SetPenWidth(int width)
{
    penWidth_ = width;
    ApplyPen();
}

void TCanvas::SetPenColor(int color)
{
    penColor_ = color;
    ApplyPen();
}

void TCanvas::SetBrush(int color)
{
    brushColor_ = color;
    brushClear_ = false;
}

void TCanvas::SetBrushClear()
{
    brushClear_ = true;
}

void TCanvas::MoveTo(int x, int y)
{
    penPos_ = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y)
{
    // A one-pixel pen with a flat cap leaves the end pixel clear; a wider pen is centred on the pixels.
    if (penStyle_ != TPenStyle::Clear) {
        ApplyPen();
        qreal o = penWidth_ <= 1 ? 0 : 0.5;
        painter_->drawLine(QPointF(penPos_.x() + o, penPos_.y() + o), QPointF(x + o, y + o));
    }
    penPos_ = QPoint(x, y);
}

void TCanvas::Line(int x1, int y1, int x2, int y2)
{
    MoveTo(x1, y1);
    LineTo(x2, y2);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    if (!brushClear_)
        painter_->fillRect(QRect(left, top, right - left, bottom - top), ColorFromTColor(brushColor_));
    if (penStyle_ != TPenStyle::Clear) {
        ApplyPen();
        painter_->setBrush(Qt::NoBrush);
        painter_->drawRect(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
    }
}

void TCanvas::FillRect(const TRect& rect)
{
    if (brushClear_ || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    painter_->fillRect(rect.ToQRect(), ColorFromTColor(brushColor_));
}

void TCanvas::SetClipRect(const TRect& rect)
{
    painter_->setClipRect(rect.ToQRect());
}

void TCanvas::ClearClip()
{
    painter_->setClipping(false);
}

void TCanvas::Draw(int x, int y, const QImage& image)
{
    painter_->drawImage(QPoint(x, y), image);
}

void TCanvas::StretchDraw(const TRect& rect, const QImage& image)
{
    painter_->drawImage(rect.ToQRect(), image);
}

void TCanvas::StretchDraw(const TRect& rect, const QPicture& picture, const QSize& frame)
{
    if (frame.width() <= 0 || frame.height() <= 0 || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    painter_->save();
    painter_->translate(rect.Left, rect.Top);
    painter_->scale(static_cast<qreal>(rect.Width()) / frame.width(),
                    static_cast<qreal>(rect.Height()) / frame.height());
    painter_->drawPicture(0, 0, picture);
    painter_->restore();
}

TMeasureBitmap::TMeasureBitmap() : image_(std::make_unique<QImage>(8, 8, QImage::Format_RGB32))
{
    // 96 dots per inch, the screen resolution every measure of the engine is taken at
    image_->setDotsPerMeterX(3780);
    image_->setDotsPerMeterY(3780);
    image_->fill(Qt::white);
    canvas_ = std::make_unique<TCanvas>(image_.get());
}

TMeasureBitmap::~TMeasureBitmap()
{
    canvas_.reset();
}
