#include "report/fr_memo_view.h"

#include "base/code_page.h"
#include "base/data_set.h"
#include "base/stream.h"
#include "base/strings.h"
#include "report/fr_globals.h"
#include "report/fr_pars.h"
#include "report/fr_report.h"
#include "report/fr_utils.h"

#include <algorithm>
#include <utility>

int frWrapHeight = 0;

namespace {
// Points; the largest size a font can be set to.
constexpr int32_t kMaxFontSize = 1638;

bool IsLineBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool IsBreakChar(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char('-') || c == QLatin1Char('.');
}

// 1-based character access as the wrapping rules count.
QChar At(const QString& s, int i)
{
    return i >= 1 && i <= s.size() ? s[i - 1] : QChar();
}

QString Copy1(const QString& s, int from, int to)  // characters from..to, 1-based, inclusive
{
    if (to < from)
        return QString();
    return s.mid(from - 1, to - from + 1);
}

int ScreenPixels(int points)
{
    return frRound(points * 96.0 / 72.0);
}

// The engine makes the list at start-up; a memo used before that still has one.
TStringList& Scratch()
{
    if (!frScratchMemo)
        frScratchMemo = new TStringList();
    return *frScratchMemo;
}

int CountBlanks(const QString& s)
{
    return static_cast<int>(s.count(QLatin1Char(' ')));
}

}  // namespace

QList<int> HyphenPoints(const QString& word)
{
    QList<int> points;
    QByteArray w = ToCp1254(AnsiUpperCase(word));
    int n = static_cast<int>(w.size());
    if (n <= 4)
        return points;
    auto vowel = [&](int i) {
        switch (static_cast<uint8_t>(w[i - 1])) {
        case 0xA8: case 0xC0: case 0xC5: case 0xC8: case 0xCE:
        case 0xD3: case 0xDB: case 0xDD: case 0xDE: case 0xDF: return true;
        default: return false;
        }
    };
    auto sign = [&](int i) {
        uint8_t b = static_cast<uint8_t>(w[i - 1]);
        return b == 0xDA || b == 0xDC;
    };
    for (int i = 2; i <= n - 2; ++i) {
        bool allowed = (vowel(i) && vowel(i + 1)) || (vowel(i) && !vowel(i + 1) && vowel(i + 2)) ||
                       (!vowel(i) && !vowel(i + 1) && !sign(i + 1) && vowel(i + 2));
        if (allowed)
            points << i;
    }
    return points;
}

void frSplitWrappedLine(const QString& wrapped, QString& text, bool& paragraphEnd, int& width)
{
    text = wrapped;
    width = 0;
    if (text.size() >= 2) {
        width = static_cast<uint8_t>(ToCp1254Char(text[text.size() - 2])) * 256 +
                static_cast<uint8_t>(ToCp1254Char(text[text.size() - 1]));
        text.chop(2);
    }
    paragraphEnd = text.endsWith(frParagraphEnd);
    if (paragraphEnd)
        text.chop(1);
}

int frShrinkFontToWidth(TCanvas& canvas, const QString& text, int width)
{
    // Normally a step or two. A font far too big for its line (a huge size read from a file) would
    // take a measure per pixel: beyond a few steps its size is searched, a text being no narrower in
    // a bigger font.
    constexpr int stepsOneByOne = 8;
    int tw = canvas.TextWidth(text);
    for (int step = 0; tw > width && canvas.Font().Height < -1; ++step) {
        if (step == stepsOneByOne) {
            int tooWide = canvas.Font().Height;  // heights are negative: -1 is the smallest font
            int fits = -1;                        // or the smallest font, which ends the shrinking
            while (fits - tooWide > 1) {
                const int mid = tooWide + (fits - tooWide) / 2;
                canvas.SetFontHeight(mid);
                if (canvas.TextWidth(text) > width)
                    tooWide = mid;
                else
                    fits = mid;
            }
            canvas.SetFontHeight(fits);
            return canvas.TextWidth(text);
        }
        canvas.SetFontHeight(canvas.Font().Height + 1);
        tw = canvas.TextWidth(text);
    }
    return tw;
}

TfrMemoView::TfrMemoView()
{
    ObjectType = gtMemo;
    NamePrefix = QStringLiteral("Memo");
    Flags = flStretched | flWordWrap;
    Font.Charset = frDefaultCharset;
}

void TfrMemoView::SetFont(const TFont& value)
{
    Font = value;
}

void TfrMemoView::Assign(const TfrView& source)
{
    TfrView::Assign(source);
    if (auto* s = dynamic_cast<const TfrMemoView*>(&source)) {
        SetFont(s->Font);
        Alignment = s->Alignment;
        Highlight = s->Highlight;
        HighlightCondition = s->HighlightCondition;
        LineSpacing = s->LineSpacing;
    }
}

void TfrMemoView::LoadFromBlob(TField* field)
{
    OutLines.SetText(field ? field->AsString() : QString());
}

void TfrMemoView::ExpandVariables()
{
    OutLines.Clear();
    for (int n = 0; n < Memo.Count(); ++n) {
        const QString& line = Memo[n];
        if (line.isEmpty()) {
            OutLines.Add(QString());
            continue;
        }
        // a value holding line breaks becomes several lines; an empty value adds none
        TStringList pieces;
        pieces.SetText(ExpandLineVariables(line));
        for (int k = 0; k < pieces.Count(); ++k)
            OutLines.Add(pieces[k]);
    }
}

void TfrMemoView::AddWrappedLine(const QString& text, int width)
{
    if (width < 0) {
        QString bare = text.endsWith(frParagraphEnd) ? text.left(text.size() - 1) : text;
        width = frMeasureCanvas().TextWidth(bare);
    }
    const int w = qBound(0, width, 0xFFFF);
    Scratch().Add(text + FromCp1254Char(static_cast<uint8_t>(w / 256)) +
                       FromCp1254Char(static_cast<uint8_t>(w % 256)));
    wrapPosition_ += LineSpacing + ScreenPixels(Font.Size);
}

void TfrMemoView::WrapParagraph(const QString& s, int maxWidth)
{
    TCanvas& c = frMeasureCanvas();
    const int len = static_cast<int>(s.size());
    const bool wordBreak = Flags & flWordBreak;
    bool hasBreaks = s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n'));
    if (!hasBreaks) {
        // a line that fits is measured once: its width goes with it
        const int width = len < 2 ? -1 : c.TextWidth(s);
        if (len < 2 || width <= maxWidth) {
            AddWrappedLine(s + frParagraphEnd, width);
            return;
        }
    }
    int beg = 1, last = 1, cur = 1;
    while (cur <= len) {
        QChar ch = At(s, cur);
        if (IsLineBreak(ch)) {
            AddWrappedLine(Copy1(s, beg, cur - 1) + frParagraphEnd);
            while (cur < len && IsLineBreak(At(s, cur)))
                ++cur;
            beg = last = cur;
            if (IsLineBreak(At(s, cur)))
                return;
            continue;
        }
        if (ch != QLatin1Char(' ') && c.TextWidth(Copy1(s, beg, cur)) > maxWidth) {
            bool accepted = false;
            if (wordBreak) {
                int e = cur;
                while (e <= len && !IsBreakChar(At(s, e)))
                    ++e;
                QList<int> points = HyphenPoints(Copy1(s, last + 1, e - 1));
                if (!points.isEmpty()) {
                    cur = last;
                    for (int p : points) {
                        if (c.TextWidth(Copy1(s, beg, last + p) + QLatin1Char('-')) > maxWidth)
                            break;
                        cur = last + p;
                        accepted = true;
                    }
                    last = cur;
                } else if (last == beg) {
                    // A word that cannot break and fills the line would otherwise be cut into
                    // single characters: it overflows once, as an unbroken word does.
                    last = cur;
                }
            } else if (last == beg) {
                last = cur;
            }
            if (accepted)
                AddWrappedLine(Copy1(s, beg, last) + QLatin1Char('-'));
            else if (At(s, last) == QLatin1Char(' '))
                AddWrappedLine(Copy1(s, beg, last - 1));
            else
                AddWrappedLine(Copy1(s, beg, last));
            if (wordBreak && !accepted && last == cur) {
                AddWrappedLine(Copy1(s, cur + 1, len) + frParagraphEnd);
                return;
            }
            if (!wordBreak && last == cur)
                return;
            beg = last + 1;
            last = beg;
        }
        if (IsBreakChar(At(s, cur)))
            last = cur;
        ++cur;
    }
    if (beg != cur)
        AddWrappedLine(Copy1(s, beg, len) + frParagraphEnd);
}

void TfrMemoView::WrapText()
{
    TCanvas& c = frMeasureCanvas();
    bool rotated = Alignment & frtaVertical;
    TLogFont wrapFont{Font, -ScreenPixels(Font.Size), 0};
    c.SetFont(rotated ? frCreateRotatedFont(wrapFont) : wrapFont);
    Scratch().Clear();
    int th = LineSpacing + ScreenPixels(Font.Size);
    int gap = rotated ? GapX : GapY;
    int start = rotated ? x + gap : y + gap;
    int maxWidth = rotated ? dy - 2 * GapY : dx - 2 * GapX;
    wrapPosition_ = start;
    for (int n = 0; n < OutLines.Count(); ++n) {
        if (Flags & flWordWrap)
            WrapParagraph(OutLines[n], maxWidth);
        else
            AddWrappedLine(rotated ? OutLines[n] : OutLines[n] + frParagraphEnd);
    }
    frWrapHeight = wrapPosition_ - (rotated ? x : y) + gap;
    LineHeight = th;
}

void TfrMemoView::SetDrawingFont()
{
    if (!ToPrinter)
        Canvas->SetFont(Font, -frRound(Font.Size * 96.0 / 72.0 * ScaleY));
    else
        Canvas->SetFontPoints(Font);
}

bool TfrMemoView::OutputLine(const QString& wrapped, int& position, int th, const TRect& clip)
{
    if (ToPreparedPage && position + th > clip.Bottom) {
        position += th;
        return false;
    }
    QString text;
    bool paragraphEnd = false;
    int w = 0;
    frSplitWrappedLine(wrapped, text, paragraphEnd, w);
    int X = x + GapX;
    int h = Alignment & 3;
    if (h == frtaJustify) {
        if (!ForExport) {
            int blanks = CountBlanks(text);
            if (!paragraphEnd && blanks > 0)
                Canvas->SetTextJustification(dx - 2 * GapX - Canvas->TextWidth(text), blanks);
            Canvas->TextOutClipped(X, position, clip, text);
            Canvas->SetTextJustification(0, 0);
        }
    } else {
        SetDrawingFont();
        int nw = frRound(w * ScaleX);
        // A zoomed font is seldom exactly as wide as the measured line: shrink it, then place the
        // characters so that the line keeps its measured width.
        const int tw = frShrinkFontToWidth(*Canvas, text, nw);
        if (h == frtaRight)
            X = x + dx - 1 - GapX - nw;
        else if (h == frtaCenter)
            X = x + GapX + (dx - 2 * GapX - nw) / 2;
        if (!ForExport) {
            if (tw != nw && text.size() <= frMaxPlacedChars)
                Canvas->TextOutPlaced(X, position, clip, text, nw, tw);
            else
                Canvas->TextOutClipped(X, position, clip, text);
        }
    }
    if (ForExport && frCurrentReport)
        frCurrentReport->DoExportText(X, position, text, this);
    ++LinesOut;
    position += th;
    return true;
}

void TfrMemoView::OutputRotatedLine(const QString& wrapped, int& position, int th, const TRect& clip)
{
    QString text;
    bool paragraphEnd = false;
    int w = 0;
    frSplitWrappedLine(wrapped, text, paragraphEnd, w);
    int tw = Canvas->TextWidth(text);
    int Y = y + dy - GapY;
    switch (Alignment & 7) {
    case 5: Y = tw + y + GapY; break;
    case 6: Y = y + dy - 1 - GapY - (dy - 2 * GapY - tw) / 2; break;
    case 7: {
        int blanks = CountBlanks(text);
        if (!paragraphEnd && blanks > 0)
            Canvas->SetTextJustification(dy - 2 * GapY - tw, blanks);
        break;
    }
    default: break;
    }
    if (!ForExport)
        Canvas->TextOutClipped(position, Y, clip, text);
    else if (frCurrentReport)
        frCurrentReport->DoExportText(position, Y, text, this);
    Canvas->SetTextJustification(0, 0);
    ++LinesOut;
    position += th;
}

void TfrMemoView::PaintLines()
{
    SetDrawingFont();
    TRect clip{InnerRect.Left + 1, InnerRect.Top, InnerRect.Right - 2, InnerRect.Bottom - 1};
    frWrapHeight = frRound(frWrapHeight * ScaleY);
    int oldX = x, oldY = y, oldAlignment = Alignment;
    bool rotated = Alignment & frtaVertical;
    if (Alignment & frtaMiddle) {
        if (rotated)
            x += (dx - frWrapHeight) / 2;
        else
            y += (dy - frWrapHeight) / 2;
    } else if (Alignment & frtaDown) {
        if (rotated)
            x += dx - frWrapHeight;
        else
            y += dy - frWrapHeight;
    }
    int th = Canvas->FontPixelHeight() + frRound(LineSpacing * ScaleY);
    LinesOut = 0;
    if (!rotated) {
        int position = y + GapY;
        for (int n = 0; n < OutLines.Count(); ++n) {
            if (!OutputLine(OutLines[n], position, th, clip))
                break;
        }
    } else {
        Canvas->SetFont(frCreateRotatedFont(Canvas->Font()));
        int position = x + GapX;
        for (int n = 0; n < OutLines.Count(); ++n)
            OutputRotatedLine(OutLines[n], position, th, clip);
        TLogFont straight = Canvas->Font();
        straight.Orientation = 0;
        Canvas->SetFont(straight);
    }
    x = oldX;
    y = oldY;
    Alignment = oldAlignment;
}

void TfrMemoView::ApplyAutoWidth(const TStringList& lines, bool moveRightAligned)
{
    if (!(Flags & flAutoSize) || frEngineMode == 0 || lines.Count() == 0)
        return;
    QString text = lines.Text();
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    TCanvas& c = frMeasureCanvas();
    c.SetFont(Font, -ScreenPixels(Font.Size));
    TRect r = c.CalcTextRect(text, TRect{0, 0, dx, dy});
    int newWidth = r.Right + frRound(2 * FrameWidth) + 2;
    if (moveRightAligned && (Alignment & 3) == frtaRight)
        x -= newWidth - dx;
    dx = newWidth;
}

void TfrMemoView::ApplyHighlight()
{
    savedFont_ = Font;
    savedFill_ = FillColor;
    if (HighlightCondition.isEmpty() || !frGlobalParser)
        return;
    Variant v = frGlobalParser->Calc(HighlightCondition);
    if (v.AsFloat() != 0) {
        Font.Style = Highlight.FontStyle & 7;
        Font.Color = Highlight.FontColor;
        FillColor = Highlight.FillColor;
    }
}

void TfrMemoView::Draw(TCanvas& canvas)
{
    BeginDraw(&canvas);
    ApplyAutoWidth(Memo, true);
    ToPreparedPage = false;
    OutLines.Assign(Memo);
    double sx = ScaleX, sy = ScaleY;
    ScaleX = ScaleY = 1;
    CalcGaps();
    RestoreCoord();
    ScaleX = sx;
    ScaleY = sy;
    if (OutLines.Count() > 0) {
        // a "#1" line closing the text marks lines wrapped before, as a split part's are
        bool wrapped = OutLines.Text().contains(frParagraphEnd);
        if (OutLines[OutLines.Count() - 1] == QString(frParagraphEnd))
            OutLines.Delete(OutLines.Count() - 1);
        if (!wrapped) {
            WrapText();
            OutLines.Assign(Scratch());
        } else {
            // lines wrapped before: the block's height follows from their count, as WrapText counts it
            int gap = (Alignment & frtaVertical) ? GapX : GapY;
            frWrapHeight = 2 * gap + OutLines.Count() * (LineSpacing + ScreenPixels(Font.Size));
        }
    }
    CalcGaps();
    if (!ForExport) {
        DrawBackground();
        DrawFrame();
    }
    if (OutLines.Count() > 0)
        PaintLines();
    RestoreCoord();
}

bool TfrMemoView::PrepareText()
{
    RunScript();
    if (!Visible)
        return false;
    EnterRect();
    if (OutLines.Text() == Memo.Text())
        ExpandVariables();
    return true;
}

void TfrMemoView::Print(TStream& stream)
{
    BeginDraw(&frMeasureCanvas());
    ToPreparedPage = true;
    if (PartMode == 0) {
        RunScript();
        bool hooked = frCurrentReport && frCurrentReport->HasEnterRectHandler();
        bool blob = BlobField() != nullptr;
        if (!hooked && !blob) {
            ExpandVariables();
        } else {
            EnterRect();
            if (OutLines.Text() == Memo.Text())
                ExpandVariables();
        }
    }
    if (Visible) {
        ApplyHighlight();
        if (PartMode == 3) {
            // Only the lines that may fit this part are laid out and written; the rest waits where it
            // is, so that each page of a long text costs its own lines only.
            TStringList all;
            std::swap(all, OutLines);
            const int room = 2 * dy / std::max(LineHeight, 1) + 2;
            for (int n = firstUnprinted_; n < all.Count() && n - firstUnprinted_ < room; ++n)
                OutLines.Add(all[n]);
            CalcGaps();
            PaintLines();
            RestoreCoord();
            while (OutLines.Count() > LinesOut)
                OutLines.Delete(OutLines.Count() - 1);
            if (!OutLines.Text().contains(frParagraphEnd))
                OutLines.Add(QString(frParagraphEnd));
            WriteRecord(stream);
            firstUnprinted_ += LinesOut;
            std::swap(all, OutLines);
        } else {
            WriteRecord(stream);
        }
        Font = savedFont_;
        FillColor = savedFill_;
    }
    PartMode = 0;
}

int TfrMemoView::ContentHeight()
{
    PartMode = 2;
    firstUnprinted_ = 0;
    BeginDraw(&frMeasureCanvas());
    if (!PrepareText())
        return 0;
    ApplyHighlight();
    ApplyAutoWidth(OutLines, false);
    CalcGaps();
    int height = 0;
    if (OutLines.Count() > 0) {
        WrapText();
        height = frWrapHeight;
    }
    RestoreCoord();
    Font = savedFont_;
    FillColor = savedFill_;
    return height;
}

void TfrMemoView::ExportData()
{
    TfrView::ExportData();
    ForExport = true;
    Draw(frMeasureCanvas());
    ForExport = false;
}

void TfrMemoView::LoadFromStream(TStream& stream)
{
    TfrView::LoadFromStream(stream);
    // The font name and character set follow the stream's version in both forms; a prepared page
    // written before version 23 holds the name terminated and no character set worth reading.
    Font.Name = frReadStringVersioned(stream);
    // beyond the largest size a font can be set to the line heights overflow
    Font.Size = frCheckedGeometry(stream.ReadInteger(), 0, kMaxFontSize);
    Font.Style = stream.ReadWord() & 7;
    Font.Color = stream.ReadInteger();
    Alignment = stream.ReadInteger();
    uint16_t charset = stream.ReadWord();
    Font.Charset = frTemplateVersion < 23 ? frDefaultCharset : charset;
    if (RecordForm == 0) {
        Highlight.FontStyle = stream.ReadWord();
        Highlight.FontColor = stream.ReadInteger();
        Highlight.FillColor = stream.ReadInteger();
        HighlightCondition = frReadStringVersioned(stream);
        if (frTemplateVersion == 21)
            Flags |= flWordWrap;
    }
}

void TfrMemoView::SaveToStream(TStream& stream)
{
    TfrView::SaveToStream(stream);
    frWriteString(stream, Font.Name);
    stream.WriteInteger(std::clamp(Font.Size, 0, kMaxFontSize));
    stream.WriteWord(static_cast<uint16_t>(Font.Style & 7));
    stream.WriteInteger(Font.Color);
    stream.WriteInteger(Alignment);
    stream.WriteWord(static_cast<uint8_t>(Font.Charset));
    if (RecordForm == 0) {
        stream.WriteWord(Highlight.FontStyle);
        stream.WriteInteger(Highlight.FontColor);
        stream.WriteInteger(Highlight.FillColor);
        frWriteString(stream, HighlightCondition);
    }
}
