#pragma once

#include "report/fr_obj_editor_form.h"
#include "report/fr_rich_format.h"
#include "report/fr_view.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QTextDocument;
class TRichEdit;

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
    // Expands the text into frSharedRichEdit when it holds expressions; within a split the expansion
    // made for its first part serves while neither text changed.
    void PrepareSharedRichEdit(bool sameSplit);
    // The expanded text: frSharedRichEdit's, or the view's own when there was nothing to expand.
    const QTextDocument& PreparedText() const;
    // The view's text copied through the rich text stream form, made again only when the text changes;
    // the copies a report makes of this view for its passes share it instead of copying it each time.
    std::shared_ptr<TRichEdit> CopiedText() const;
    // Gives the view a rich edit of its own before its text is replaced.
    void OwnRichEdit();
    // Lets the prepared page being written keep the record's text in memory as well.
    void HoldText(TStream& stream, int from, int to);
    void ExpandRichLines();
    void FormatRange(bool drawIt);
    int SearchHeight();

    // The characters of frSharedRichEdit the prepared-page record holds: all, or the part a split
    // print cut out (kept as a range, so that the expanded text serves every part of one split).
    QPointer<const QTextDocument> prepared_;
    int recordFrom_ = 0;
    int recordTo_ = -1;
    uint64_t expandedSource_ = 0;  // generations of the view's text and of its expansion
    uint64_t expandedResult_ = 0;

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

// Target's text becomes Source's, formatting kept.
void CopyRichText(TRichEdit& target, const TRichEdit& source);
