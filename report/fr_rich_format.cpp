#include "report/fr_rich_format.h"

#include <QPainter>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <memory>

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

// One paragraph, or its rest from `from`, laid out `width` wide with its first line at `top`, into a
// layout made for the device (reused from paragraph to paragraph).
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
    QTextOption option(block.blockFormat().alignment());
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.clearLayout();
    layout.setFont(baseFont);
    layout.setText(from == 0 ? block.text() : block.text().mid(from));
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
    const QFont base = DeviceFont(document, device);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
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
