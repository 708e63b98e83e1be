#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class QImage;
class QPaintDevice;
class QPicture;

// The class library's font: a face by its Windows name, a size in points and style bits.
struct TFont {
    QString Name = QStringLiteral("Arial");
    int Size = 10;     // points
    int Style = 0;     // 1 italic, 2 bold, 4 underline, 8 strike-out
    int Color = 0;     // 0x00BBGGRR
    int Charset = 1;   // kept for the stored records; faces are looked up by name only
    int Pitch = 0;
    bool operator==(const TFont&) const = default;
};

// A rectangle as the original's devices take it: right and bottom lie one past the covered pixels.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    bool operator==(const TRect&) const = default;
};

// A font as selected into a canvas: pixel height (negative: character height, positive: cell height)
// and the direction of the text in tenths of a degree, counter-clockwise.
struct TLogFont {
    TFont Font;
    int Height = -13;
    int Orientation = 0;
    bool operator==(const TLogFont&) const = default;
};

// The pixel height that a font of `points` has on a device of `dpi` dots per inch.
int PointsToPixels(int points, int dpi);

enum class TPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };

// A drawing surface with the device-context operations the report engine draws with. Coordinates are
// device pixels; text positions are the top-left corner of the character cell, as on the original's
// device; a rectangle's right and bottom edges are excluded from fills.
class TCanvas {
public:
    explicit TCanvas(QPaintDevice* device);  // paints until the canvas goes
    explicit TCanvas(QPainter* painter);     // borrows a painter that is already active
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    QPainter& Painter() { return *painter_; }
    QPaintDevice* Device() const;
    int PixelsPerInchX() const;
    int PixelsPerInchY() const;
    bool IsPrinter() const;

    // fonts
    void SetFont(const TLogFont& font);
    void SetFont(const TFont& font, int heightPixels);
    void SetFontPoints(const TFont& font);  // height from the font's size at this device's resolution
    const TLogFont& Font() const { return font_; }
    void SetFontHeight(int heightPixels);
    int FontPixelHeight() const;  // the character height in pixels (positive)
    int TextWidth(const QString& text) const;
    int Ascent() const;
    int LineHeight() const;  // ascent + descent of the current font
    // DrawText's calculate mode, no word break: lines split at CR LF, CR or LF; the result keeps the
    // rectangle's top-left corner and holds the widest line and every line's height.
    TRect CalcTextRect(const QString& text, const TRect& rect) const;

    // Text output. Extra space set with SetTextJustification is spread over the blanks of the next texts
    // until it is cleared with (0, 0).
    void SetTextJustification(int extra, int blanks);
    void TextOut(int x, int y, const QString& text);
    void TextOutClipped(int x, int y, const TRect& clip, const QString& text);
    // The characters are placed so that the text takes exactly `width` pixels along its direction;
    // `naturalWidth` is the text's own width in the current font when the caller measured it already.
    void TextOutPlaced(int x, int y, const TRect& clip, const QString& text, int width, int naturalWidth = -1);

    // pens, brushes and shapes
    void SetPen(int color, int width, TPenStyle style = TPenStyle::Solid);
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);
    void SetPenColor(int color);
    void SetBrush(int color);  // solid fill
    void SetBrushClear();
    bool BrushClear() const { return brushClear_; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);  // the end point itself is not drawn
    void Line(int x1, int y1, int x2, int y2);
    void Rectangle(int left, int top, int right, int bottom);  // outline with the pen, inside with the brush
    void FillRect(const TRect& rect);                         // with the brush only

    // clipping; an empty optional region removes the clip
    void SetClipRect(const TRect& rect);
    void ClearClip();

    // images and recorded drawings
    void Draw(int x, int y, const QImage& image);
    void StretchDraw(const TRect& rect, const QImage& image);
    void StretchDraw(const TRect& rect, const QPicture& picture, const QSize& frame);

private:
    void ApplyFont();
    void ApplyPen();
    const QFontMetrics& Metrics() const;
    qreal SpacingScale() const;
    void DrawTextRun(int x, int y, const TRect* clip, const QString& text, qreal letterSpacing);

    std::unique_ptr<QPainter> own_;
    QPainter* painter_ = nullptr;
    TLogFont font_;
    // Lines are drawn one by one, each setting its font again: the Qt font, the painter's copy of it,
    // its metrics and its spacing scale are made once per font, not once per line.
    QFont qtFont_;
    bool qtFontMade_ = false;
    TLogFont qtFontOf_;
    QFont painterFont_;
    mutable std::unique_ptr<QFontMetrics> metrics_;
    mutable QFont metricsFont_;
    // A fixed-pitch font (the reports' Courier New) measures a plain line without shaping it: every
    // character the font holds has the same advance. What is known of a face is kept for the program's
    // run, since a page printed makes a canvas of its own.
    struct FixedPitchFace {
        qreal advance = 0;                   // 0 unknown, -1 not fixed pitch
        std::array<int8_t, 0x250> chars{};  // per character: 0 unknown, 1 of that advance, -1 not
    };
    mutable FixedPitchFace* fixedPitch_ = nullptr;
    bool FixedPitchWidth(const QString& text, int& width) const;
    mutable qreal spacingScale_ = 0;
    int penColor_ = 0;
    int penWidth_ = 1;
    TPenStyle penStyle_ = TPenStyle::Solid;
    int brushColor_ = 0xFFFFFF;
    bool brushClear_ = false;
    QPoint penPos_;
    int justifyExtra_ = 0;
    int justifyBlanks_ = 0;
};

// A 96-dpi bitmap with its canvas, for measuring text as the screen would.
class TMeasureBitmap {
public:
    TMeasureBitmap();
    ~TMeasureBitmap();
    TCanvas& Canvas() { return *canvas_; }

private:
    std::unique_ptr<QImage> image_;
    std::unique_ptr<TCanvas> canvas_;
};

constexpr int kScreenPixelsPerInch = 96;
