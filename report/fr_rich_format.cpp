#include "report/fr_rich_format.h"

#include <QPainter>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

const char kWatchName[] = "frDocumentWatch";

class TDocumentWatch : public QObject {
public:
    explicit TDocumentWatch(QTextDocument* document) : QObject(document)
    {
        setObjectName(QLatin1String(kWatchName));
        connect(document, &QTextDocument::contentsChange, this, [this] { ++generation; });
    }
    uint64_t generation = 1;
};

// Sizes given in screen pixels become points, so that a printer lays the text out at its real size.
void ToPoints(QTextCharFormat& format)
{
    if (format.hasProperty(QTextFormat::FontPixelSize)) {
        int px = format.intProperty(QTextFormat::FontPixelSize);
        format.clearProperty(QTextFormat::FontPixelSize);
        if (px > 0)
            format.setFontPointSize(px * 72.0 / 96.0);
    }
}

QFont ToPoints(QFont font)
{
    if (font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / 96.0);
    return font;
}

// Text in the given formats laid out `width` wide with its first line at `top`, into a layout made for
// the device (reused from paragraph to paragraph).
void LayoutText(QTextLayout& layout, const QFont& baseFont, const QString& text,
                const QList<QTextLayout::FormatRange>& ranges, Qt::Alignment alignment, double width, double top)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.clearLayout();
    layout.setFont(baseFont);
    layout.setText(text);
    layout.setTextOption(option);
    layout.setFormats(ranges);
    layout.beginLayout();
    double y = top;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

// One paragraph, or its rest from `from`, laid out as LayoutText does.
void LayoutBlock(QTextLayout& layout, const QFont& baseFont, const QTextBlock& block, int from, double width,
                 double top)
{
    QList<QTextLayout::FormatRange> ranges;
    for (QTextLayout::FormatRange r : block.textFormats()) {
        int s = qMax(r.start, from), e = r.start + r.length;
        if (e <= s)
            continue;
        r.start = s - from;
        r.length = e - s;
        ToPoints(r.format);
        ranges << r;
    }
    LayoutText(layout, baseFont, from == 0 ? block.text() : block.text().mid(from), ranges,
               block.blockFormat().alignment(), width, top);
}

// Report text is mostly paragraphs in one fixed-pitch face, each narrower than the page: such a
// paragraph is one line as high as any other of that face, known without shaping it. A character
// counts as of the face when, laid out alone, it has the face's advance, ascent and descent; the
// paragraph must stay a whole character short of the width, and anything else is laid out.
class TFixedPitchLines {
public:
    TFixedPitchLines(QTextLayout& probe, const QFont& baseFont, double width)
        : probe_(probe), base_(baseFont), width_(width)
    {
    }

    // The height of the paragraph's one line, or 0 when it must be laid out.
    double LineHeight(const QTextBlock& block)
    {
        const QString text = block.text();
        if (text.isEmpty())
            return 0;
        auto it = block.begin();
        if (it.atEnd())
            return 0;
        const QTextFragment fragment = it.fragment();
        if (fragment.length() != text.size() || !(++it).atEnd())
            return 0;
        Face& face = faces_[fragment.charFormatIndex()];
        if (face.format.isEmpty()) {
            QTextCharFormat format = fragment.charFormat();
            ToPoints(format);
            face.format = {QTextLayout::FormatRange{0, 1, format}};
        }
        if (face.advance > 0 && (text.size() + 1) * face.advance > width_)
            return 0;
        for (QChar c : text) {
            if (!Fits(face, c.unicode()))
                return 0;
        }
        return (text.size() + 1) * face.advance <= width_ ? face.height : 0;
    }

private:
    struct Glyph {
        double advance, ascent, descent, height;
    };
    struct Face {
        QList<QTextLayout::FormatRange> format;
        double advance = 0, ascent = 0, descent = 0, height = 0;
        std::unordered_map<char16_t, bool> fits;
    };

    bool Fits(Face& face, char16_t c)
    {
        auto known = face.fits.find(c);
        if (known != face.fits.end())
            return known->second;
        bool fits = false;
        const QChar ch(c);
        // marks, controls, separators other than the space and halves of pairs change how the text
        // flows; they are laid out
        if (ch.isPrint() && !ch.isMark() && !ch.isSurrogate() && (!ch.isSpace() || c == u' ')) {
            const Glyph g = Probe(face, c);
            if (face.advance == 0 && g.advance > 0 && g.height > 0) {
                face.advance = g.advance;
                face.ascent = g.ascent;
                face.descent = g.descent;
                face.height = g.height;
            }
            fits = g.advance == face.advance && g.ascent == face.ascent && g.descent == face.descent &&
                   g.height == face.height;
        }
        face.fits.emplace(c, fits);
        return fits;
    }

    // Alone for its height; its advance by what it adds before an "x", as a line's width leaves out
    // the spaces that end it.
    Glyph Probe(const Face& face, char16_t c)
    {
        const Glyph alone = Measure(face, QString(QChar(c)));
        const Glyph pair = Measure(face, QString(QChar(c)) + QLatin1Char('x'));
        const Glyph x = Measure(face, QStringLiteral("x"));
        if (alone.height <= 0 || pair.height <= 0 || x.height <= 0)
            return {0, 0, 0, 0};
        return {pair.advance - x.advance, alone.ascent, alone.descent, alone.height};
    }

    Glyph Measure(const Face& face, const QString& text)
    {
        QList<QTextLayout::FormatRange> format = face.format;
        format.first().length = static_cast<int>(text.size());
        LayoutText(probe_, base_, text, format, Qt::AlignLeft, 100000, 0);
        if (probe_.lineCount() != 1)
            return {0, 0, 0, 0};
        const QTextLine line = probe_.lineAt(0);
        return {line.naturalTextWidth(), line.ascent(), line.descent(), line.height()};
    }

    QTextLayout& probe_;
    QFont base_;
    double width_;
    std::unordered_map<int, Face> faces_;
};

// A layout whose font metrics are the device's.
std::unique_ptr<QTextLayout> DeviceLayout(const QPaintDevice* device)
{
    return std::make_unique<QTextLayout>(QString(), QFont(), const_cast<QPaintDevice*>(device));
}

// The text's base font in points, bound to the device: the layout resolves every format against it, so
// a font without the device would give screen-sized glyphs on a printer.
QFont DeviceFont(const QTextDocument& document, const QPaintDevice* device)
{
    return QFont(ToPoints(document.defaultFont()), device);
}

QTextBlock BlockAt(const QTextDocument& document, int position)
{
    return document.findBlock(position);
}

}  // namespace

uint64_t DocumentGeneration(const QTextDocument& document)
{
    auto* watch = static_cast<TDocumentWatch*>(
        document.findChild<QObject*>(QLatin1String(kWatchName), Qt::FindDirectChildrenOnly));
    if (!watch)
        watch = new TDocumentWatch(const_cast<QTextDocument*>(&document));
    return watch->generation;
}

TRichPageFormatter::TRichPageFormatter() = default;
TRichPageFormatter::~TRichPageFormatter() = default;

int TRichPageFormatter::TextLength(const QTextDocument& document)
{
    return document.characterCount() - 1;
}

bool TRichPageFormatter::CacheValid(const QTextDocument& document, double width, const QPaintDevice* device) const
{
    return document_ == &document && generation_ == DocumentGeneration(document) && width_ == width &&
           dpiX_ == device->logicalDpiX() && dpiY_ == device->logicalDpiY();
}

void TRichPageFormatter::Build(const QTextDocument& document, double width, const QPaintDevice* device)
{
    lines_.clear();
    double y = 0;
    int position = 0;  // summed here: asking each block for its position costs a tree walk
    auto layout = DeviceLayout(device);
    auto probe = DeviceLayout(device);
    const QFont base = DeviceFont(document, device);
    TFixedPitchLines fixedPitch(*probe, base, width);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (const double height = fixedPitch.LineHeight(block); height > 0) {
            lines_.push_back({position, y, y + height});
            y += height;
            position += block.length();
            continue;
        }
        LayoutBlock(*layout, base, block, 0, width, y);
        for (int i = 0; i < layout->lineCount(); ++i) {
            QTextLine line = layout->lineAt(i);
            lines_.push_back({position + line.textStart(), line.y(), line.y() + line.height()});
            y = line.y() + line.height();
        }
        position += block.length();
    }
    document_ = &document;
    generation_ = DocumentGeneration(document);
    width_ = width;
    dpiX_ = device->logicalDpiX();
    dpiY_ = device->logicalDpiY();
    ++layouts_;
}

int TRichPageFormatter::FitEnd(const QTextDocument& document, int start, double width, double height,
                               const QPaintDevice* device)
{
    const int length = TextLength(document);
    if (start >= length)
        return length;
    if (!CacheValid(document, width, device))
        Build(document, width, device);
    auto firstAfter = std::upper_bound(lines_.begin(), lines_.end(), start,
                                       [](int s, const Line& l) { return s < l.start; });
    auto k = firstAfter - 1;  // the line holding `start`; line 0 starts at 0
    double base;
    auto from = k;
    if (k->start == start) {
        base = k->top;
    } else {
        // A start inside a line: the rest of its paragraph is laid out anew, the paragraphs after it
        // come from the cache.
        QTextBlock block = BlockAt(document, start);
        auto layout = DeviceLayout(device);
        LayoutBlock(*layout, DeviceFont(document, device), block, start - block.position(), width, 0);
        double used = 0;
        for (int i = 0; i < layout->lineCount(); ++i) {
            QTextLine line = layout->lineAt(i);
            if (line.y() + line.height() > height)
                return start + line.textStart();
            used = line.y() + line.height();
        }
        int next = block.position() + block.length();
        from = std::lower_bound(lines_.begin(), lines_.end(), next,
                                [](const Line& l, int s) { return l.start < s; });
        if (from == lines_.end())
            return length;
        base = from->top - used;
    }
    auto miss = std::partition_point(from, lines_.end(), [&](const Line& l) { return l.bottom - base <= height; });
    return miss == lines_.end() ? length : miss->start;
}

int TRichPageFormatter::FitEndUncached(const QTextDocument& document, int start, double width, double height,
                                       const QPaintDevice* device)
{
    const int length = TextLength(document);
    if (start >= length)
        return length;
    QTextBlock block = BlockAt(document, start);
    int from = start - block.position();
    double y = 0;
    auto layout = DeviceLayout(device);
    const QFont base = DeviceFont(document, device);
    for (; block.isValid(); block = block.next(), from = 0) {
        LayoutBlock(*layout, base, block, from, width, y);
        for (int i = 0; i < layout->lineCount(); ++i) {
            QTextLine line = layout->lineAt(i);
            if (line.y() + line.height() > height)
                return block.position() + from + line.textStart();
            y = line.y() + line.height();
        }
    }
    return length;
}

int TRichPageFormatter::Render(QPainter& painter, const QTextDocument& document, int start, const QRectF& rect,
                               const QPaintDevice* device)
{
    const int length = TextLength(document);
    if (start >= length)
        return length;
    painter.save();
    painter.setPen(Qt::black);
    QTextBlock block = BlockAt(document, start);
    int from = start - block.position();
    double y = 0;
    int stop = length;
    auto layout = DeviceLayout(device);
    // the glyphs shaped for the layout are the ones drawn; without the cache drawing shapes them again
    layout->setCacheEnabled(true);
    const QFont base = DeviceFont(document, device);
    for (; block.isValid() && stop == length; block = block.next(), from = 0) {
        LayoutBlock(*layout, base, block, from, rect.width(), y);
        for (int i = 0; i < layout->lineCount(); ++i) {
            QTextLine line = layout->lineAt(i);
            if (line.y() + line.height() > rect.height()) {
                stop = block.position() + from + line.textStart();
                break;
            }
            line.draw(&painter, rect.topLeft());
            y = line.y() + line.height();
        }
    }
    painter.restore();
    return stop;
}
