#pragma once

#include "report/fr_obj_editor_form.h"
#include "report/fr_rich_format.h"
#include "report/fr_view.h"

#include <QObject>
#include <QPointer>
#include <QTextBlock>

#include <functional>
#include <memory>
#include <vector>

class QTextDocument;
class TRichEdit;
struct TfrHeldText;

// The rich-text editor window: here only the hidden parent of every rich edit of the engine; never shown.
class TfrRichForm : public TfrObjEditorForm {
public:
    TfrRichForm();
};

// Formatted text held in a hidden rich edit, measured, drawn and split over pages by the page formatter.
class TfrRichView : public TfrStretcheable {
public:
    TfrRichView();
    ~TfrRichView() override;
    QString ClassName() const override { return QStringLiteral("TfrRichView"); }

    void Assign(const TfrView& source) override;
    // The text becomes `count` lines, each from `nextLine`, in one font (as TRichEdit::SetFontSpec
    // takes it), made directly in the form its records take: the copies a report makes of the view
    // share it as it is. A long text is held once beside its source this way, not three times.
    void SetLines(const QString& fontName, int heightPixels, int style, int count,
                  const std::function<QString()>& nextLine);
    void LoadFromBlob(TField* field) override;
    void Draw(TCanvas& canvas) override;
    void Print(TStream& stream) override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    int ContentHeight() override;
    int MinHeight() override { return 8; }
    int UnprintedHeight() override;
    bool AllPrinted() override;

    int PartStart = 0;
    int FitEnd = 0;
    int FormatFrom = 0;
    QPointer<TRichEdit> RichEdit;

private:
    // A place in the view's text that stays put when the text is expanded again: a character of the
    // text, or the character `inValue` of the value of the expression that starts there.
    struct TTextPlace {
        int source = 0;
        int inValue = 0;
    };
    // An expression of the text and the value that replaced it in the expanded text.
    struct TExpansion {
        int at;  // where the value starts in the expanded text
        int length;
        int source;  // where the expression starts in the view's text
        int sourceLength;
    };

    // Whether the text holds expressions; when it does not, the view's own text is its expansion.
    bool HoldsExpressions();
    // Expands `count` paragraphs of the text (INT_MAX: all) from the one holding `from` into
    // frSharedRichEdit and returns where `from` is in it.
    int ExpandFrom(TTextPlace from, int count);
    // Expands the next `count` paragraphs of the text after those already expanded.
    void ExpandMore(int count);
    TTextPlace PlaceOf(int expanded) const;
    int ExpandedPosition(TTextPlace place) const;
    // Cuts the part of a text holding expressions that fits the view's height on this page, from
    // this page's expansion of the text.
    void PrintExpandedPart();
    // The expanded text: frSharedRichEdit's, or the view's own when there was nothing to expand.
    const QTextDocument& PreparedText() const;
    // The view's text copied through the rich text stream form, made again only when the text changes;
    // the copies a report makes of this view for its passes share it instead of copying it each time.
    std::shared_ptr<TRichEdit> CopiedText() const;
    // Gives the view a rich edit of its own before its text is replaced.
    void OwnRichEdit();
    // Lets the prepared page being written keep the record's text in memory instead of in the record;
    // false when the text may change or the stream is no page.
    bool HoldText(TStream& stream, int from, int to);
    void ExpandRichLines(QTextDocument& document, QTextBlock block, int count);
    void FormatRange(bool drawIt);
    int SearchHeight();

    // The characters of the prepared text the prepared-page record holds: all, or the part a split
    // print cut out (kept as a range, so that a text without expressions serves every part of a split).
    QPointer<const QTextDocument> prepared_;
    int recordFrom_ = 0;
    int recordTo_ = -1;

    // A split of a text holding expressions: each page expands the text again for its own values,
    // from the place where the part before it ended, as many paragraphs as a page needs.
    TTextPlace splitAt_;
    bool splitDone_ = false;
    int windowStart_ = 0;       // where the expanded paragraphs start in the view's text
    QTextBlock windowEnd_;      // the text's first paragraph after them
    int windowParagraphs_ = 0;  // how many of the text's paragraphs are expanded
    int pageParagraphs_ = 64;   // how many the last page took
    std::vector<TExpansion> expansions_;
    int grown_ = 0;  // what the values added to the text

    std::shared_ptr<TRichEdit> sharedText_;  // set when RichEdit is another view's copied text
    mutable std::shared_ptr<TRichEdit> copied_;  // what CopiedText made, for the text as it was then
    mutable uint64_t copiedOf_ = 0;
    mutable QFont copiedFont_;
};

// Stands on a form for the rich-text add-in; it has no behaviour of its own.
class TfrRichObject : public QObject {
public:
    explicit TfrRichObject(QObject* owner = nullptr);
};

// Made with the engine: the hidden parent window, and the rich edit in which a view's text is expanded,
// measured and cut before it prints.
TfrRichForm* frRichForm();
TRichEdit* frSharedRichEdit();
// Registers the rich view as an add-in (once).
void frRegisterRichView();

// The stored form of a text a prepared page holds in memory, as its record would have written it.
QByteArray frHeldTextRtf(const TfrHeldText& held);

// Target's text becomes Source's, formatting kept.
void CopyRichText(TRichEdit& target, const TRichEdit& source);
