#pragma once

#include <QObject>
#include <QPointer>
#include <QRectF>

#include <cstdint>
#include <vector>

class QPaintDevice;
class QPainter;
class QTextBlock;
class QTextDocument;
class QTextLayout;

// Page formatting of rich text: for a page width and height, on a device, it tells which characters
// from a start index fit and draws them. Character indexes are document positions (a paragraph break
// counts one). The whole text is laid out once per width and device; every later question is answered
// from the line positions, with the same answers a fresh layout from the start index would give.
class TRichPageFormatter {
public:
    TRichPageFormatter();
    ~TRichPageFormatter();
    TRichPageFormatter(const TRichPageFormatter&) = delete;
    TRichPageFormatter& operator=(const TRichPageFormatter&) = delete;

    // The first character from `start` whose line does not fit `height` pixels when the text is laid out
    // `width` pixels wide; `start` when not even the first line fits; the text length when all fits.
    int FitEnd(const QTextDocument& document, int start, double width, double height, const QPaintDevice* device);
    // The same from a fresh layout, without the line cache (the reference the cache is checked against).
    static int FitEndUncached(const QTextDocument& document, int start, double width, double height,
                              const QPaintDevice* device);
    // Draws the lines from `start` that fit `rect` (laid out for its width, starting at its top) and
    // returns the first character not drawn.
    static int Render(QPainter& painter, const QTextDocument& document, int start, const QRectF& rect,
                      const QPaintDevice* device);

    static int TextLength(const QTextDocument& document);

    int LayoutCount() const { return layouts_; }  // whole-text layouts made so far

private:
    struct Line {
        int start;
        double top;
        double bottom;
    };
    bool CacheValid(const QTextDocument& document, double width, const QPaintDevice* device) const;
    void Build(const QTextDocument& document, double width, const QPaintDevice* device);

    QPointer<const QTextDocument> document_;
    uint64_t generation_ = 0;
    double width_ = -1;
    int dpiX_ = 0;
    int dpiY_ = 0;
    std::vector<Line> lines_;
    int layouts_ = 0;
};

// A counter that grows with every change of a document's text or formats.
uint64_t DocumentGeneration(const QTextDocument& document);
