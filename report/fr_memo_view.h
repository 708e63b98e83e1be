#pragma once

#include "report/fr_view.h"

#include <QList>

// Memo Flags beside "stretched": word wrap, word break (hyphenation, only with wrap), auto width.
constexpr uint16_t flWordWrap = 2;
constexpr uint16_t flWordBreak = 4;
constexpr uint16_t flAutoSize = 8;

// Alignment bits: horizontal 0 left, 1 right, 2 centre, 3 justified; 4 turned 90 degrees; 8 centred and
// 16 bottom-aligned vertically.
constexpr int frtaRight = 1;
constexpr int frtaCenter = 2;
constexpr int frtaJustify = 3;
constexpr int frtaVertical = 4;
constexpr int frtaMiddle = 8;
constexpr int frtaDown = 16;

// Wrapped lines carry their paragraph end and their measured width in three trailing characters.
constexpr QChar frParagraphEnd = QChar(1);
// Longest line drawn with its characters placed to the measured width; longer ones keep their advances.
constexpr int frMaxPlacedChars = 2048;

struct TfrHighlightAttr {
    uint16_t FontStyle = 2;  // bold
    int FontColor = 0;
    int FillColor = 0xFFFFFF;
};

// The text object of a report: lines with bracketed expressions, one font, alignment, rotation, word
// wrap with hyphenation, a highlight condition, growth with its text and splitting over pages.
class TfrMemoView : public TfrStretcheable {
public:
    TfrMemoView();
    QString ClassName() const override { return QStringLiteral("TfrMemoView"); }

    void SetFont(const TFont& value);
    void Assign(const TfrView& source) override;
    void LoadFromBlob(TField* field) override;
    void Draw(TCanvas& canvas) override;
    void Print(TStream& stream) override;
    void ExportData() override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    int ContentHeight() override;
    int MinHeight() override { return LineHeight; }
    int UnprintedHeight() override { return (OutLines.Count() - firstUnprinted_) * LineHeight; }

    void ExpandVariables();
    // Wraps OutLines into frScratchMemo at the measuring resolution; sets frWrapHeight and LineHeight.
    void WrapText();

    TFont Font;
    bool ToPreparedPage = false;
    int LineHeight = 0;
    int LinesOut = 0;
    bool ForExport = false;
    int Alignment = 0;
    TfrHighlightAttr Highlight;
    QString HighlightCondition;
    int LineSpacing = 2;

private:
    void WrapParagraph(const QString& line, int maxWidth);
    void AddWrappedLine(const QString& text, int width = -1);  // width: measured already
    void PaintLines();
    bool OutputLine(const QString& wrapped, int& position, int th, const TRect& clip);
    void OutputRotatedLine(const QString& wrapped, int& position, int th, const TRect& clip);
    void ApplyAutoWidth(const TStringList& lines, bool moveRightAligned);
    void ApplyHighlight();
    bool PrepareText();  // script, hooks and expansion; false when the memo is invisible
    void SetDrawingFont();

    TFont savedFont_;
    int savedFill_ = 0;
    int wrapPosition_ = 0;
    int firstUnprinted_ = 0;  // of OutLines, while a split prints its parts
};

// Engine state every memo shares: the height of the last wrapped block.
extern int frWrapHeight;

// Break points of a word by the engine's rule on code page 1254 bytes, in increasing order.
QList<int> HyphenPoints(const QString& word);
// Shrinks the canvas font one pixel at a time until the text is no wider than `width` or the font is
// one pixel high; answers the text's width in the font it leaves.
int frShrinkFontToWidth(TCanvas& canvas, const QString& text, int width);
// Splits a wrapped line into its text, its paragraph-end mark and its stored width.
void frSplitWrappedLine(const QString& wrapped, QString& text, bool& paragraphEnd, int& width);
