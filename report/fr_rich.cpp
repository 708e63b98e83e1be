#include "report/fr_rich.h"

#include "base/data_set.h"
#include "base/rich_edit.h"
#include "base/rtf.h"
#include "base/stream.h"
#include "report/fr_emf_pages.h"
#include "report/fr_globals.h"
#include "report/fr_report.h"
#include "report/fr_utils.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPicture>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <climits>

namespace {

// The engine's rich edits are never shown: the page formatter lays their text out for each page width,
// so the edit's own screen layout, as costly as the text is long, is left out.
class TNullTextLayout : public QAbstractTextDocumentLayout {
public:
    explicit TNullTextLayout(QTextDocument* document) : QAbstractTextDocumentLayout(document) {}
    void draw(QPainter*, const PaintContext&) override {}
    int hitTest(const QPointF&, Qt::HitTestAccuracy) const override { return -1; }
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override { return QSizeF(); }
    QRectF frameBoundingRect(QTextFrame*) const override { return QRectF(); }
    QRectF blockBoundingRect(const QTextBlock&) const override { return QRectF(); }

protected:
    void documentChanged(int, int, int) override {}
};

void HideLayout(TRichEdit* edit)
{
    edit->document()->setDocumentLayout(new TNullTextLayout(edit->document()));
}

TfrRichForm* richForm = nullptr;
TRichEdit* sharedRichEdit = nullptr;

void FreeRichForm()
{
    delete richForm;
    richForm = nullptr;
    sharedRichEdit = nullptr;
}

// Whether a text holds a "[" that starts an expression, remembered for the text as it last was.
bool HoldsBrackets(const QTextDocument& document)
{
    static QPointer<const QTextDocument> last;
    static uint64_t generation = 0;
    static bool result = false;
    if (last != &document || generation != DocumentGeneration(document)) {
        last = &document;
        generation = DocumentGeneration(document);
        result = document.toPlainText().contains(QLatin1Char('['));
    }
    return result;
}

TRichPageFormatter& MeasureFormatter()
{
    static TRichPageFormatter formatter;
    return formatter;
}

const QPaintDevice* ScreenDevice()
{
    return frMeasureCanvas().Device();
}

int ScreenPixelsPerInch()
{
    return frMeasureCanvas().PixelsPerInchY();
}

// Twips as the page formatting takes them, back in pixels of a device.
double TwipsToPixels(int twips, int dpi)
{
    // in floating point: a long text's twips times the resolution pass the range of an int
    return twips * static_cast<double>(dpi) / 1440.0;
}

// Appends a paragraph with its formats (its own character format, or `charFormat` when given), its
// characters within from..to; the first one goes into the target's empty first paragraph.
void AppendParagraph(QTextCursor& out, const QTextBlock& block, bool first,
                     const QTextCharFormat* charFormat = nullptr, int from = 0, int to = INT_MAX)
{
    const QTextCharFormat format = charFormat ? *charFormat : block.charFormat();
    if (first) {
        out.setBlockFormat(block.blockFormat());
        out.setBlockCharFormat(format);
    } else {
        out.insertBlock(block.blockFormat(), format);
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = qMax(fragment.position(), from);
        const int end = qMin(fragment.position() + fragment.length(), to);
        if (end > start)
            out.insertText(fragment.text().mid(start - fragment.position(), end - start), fragment.charFormat());
    }
}

// Target's text becomes characters from..to of source, each paragraph with its formats: the first one
// too, which a document fragment would leave with the target's (a page starting with a centred
// paragraph printed it flush left).
void CopyRange(QTextDocument& target, const QTextDocument& source, int from, int to)
{
    target.clear();
    QTextCursor out(&target);
    out.beginEditBlock();  // a cursor moved outside one gives every paragraph a layout of its own
    bool first = true;
    QTextBlock block = source.findBlock(from);
    for (; block.isValid() && block.position() < to; block = block.next()) {
        AppendParagraph(out, block, first, nullptr, from, to);
        first = false;
    }
    // a range that takes its last paragraph's end leaves an empty paragraph after it
    if (!first && block.isValid() && block.position() <= to)
        out.insertBlock(block.previous().blockFormat(), block.previous().charFormat());
    out.endEditBlock();
}

QByteArray RtfOfRange(const QTextDocument& document, int from, int to)
{
    if (from <= 0 && to >= TRichPageFormatter::TextLength(document))
        return WriteRtf(document);
    QTextDocument part;
    part.setDefaultFont(document.defaultFont());
    CopyRange(part, document, from, to);
    return WriteRtf(part);
}

// The text a page holds in memory for the record whose text starts at `at` of `stream`, if any.
const TfrHeldText* HeldTextAt(const TStream& stream, int64_t at)
{
    if (!frPageBeingRead || &stream != frPageBeingRead->Stream.get())
        return nullptr;
    const auto& held = frPageBeingRead->HeldTexts;
    auto it = std::lower_bound(held.begin(), held.end(), at, [](const TfrHeldText& h, int64_t a) { return h.At < a; });
    return it != held.end() && it->At == at && it->Text && it->Text->document() ? &*it : nullptr;
}

// Target's text becomes characters From..To of a held text, formats kept: what reading that range
// back from its stream form gives, the text having been through that form once already.
void CopyRange(TRichEdit& target, const TfrHeldText& held)
{
    CopyRange(*target.document(), *held.Text->document(), held.From, held.To);
}

}  // namespace

TfrRichForm::TfrRichForm()
{
    setObjectName(QStringLiteral("frRichForm"));
    setAttribute(Qt::WA_DontShowOnScreen);
}

TfrRichForm* frRichForm()
{
    if (!richForm) {
        richForm = new TfrRichForm();
        qAddPostRoutine(FreeRichForm);
    }
    return richForm;
}

TRichEdit* frSharedRichEdit()
{
    if (!sharedRichEdit) {
        sharedRichEdit = new TRichEdit(frRichForm());
        sharedRichEdit->setObjectName(QStringLiteral("frSharedRichEdit"));
        sharedRichEdit->setVisible(false);
        sharedRichEdit->setLineWrapMode(QTextEdit::NoWrap);
        sharedRichEdit->resize(1024, sharedRichEdit->height());
        HideLayout(sharedRichEdit);
    }
    return sharedRichEdit;
}

void frRegisterRichView()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    frRegisterObject(QStringLiteral("TfrRichView"), [] { return new TfrRichView(); }, QImage(), QString(),
                     frRichForm());
}

void CopyRichText(TRichEdit& target, const TRichEdit& source)
{
    // the same text as through the stream, sizes rounded to half points and all, without writing it
    if (CopyAsRtf(*source.document(), *target.document()))
        return;
    TMemoryStream stream;
    stream.WriteBytes(source.SaveRtf());
    stream.SetPosition(0);
    target.LoadRtf(stream.ReadBytes(stream.Size()));
}

TfrRichObject::TfrRichObject(QObject* owner) : QObject(owner)
{
    frRegisterRichView();
}

namespace {

TRichEdit* NewHiddenRichEdit()
{
    auto* edit = new TRichEdit(frRichForm());
    edit->setVisible(false);
    HideLayout(edit);
    return edit;
}

}  // namespace

TfrRichView::TfrRichView()
{
    ObjectType = gtAddIn;
    NamePrefix = QStringLiteral("Rich");
    RichEdit = NewHiddenRichEdit();
}

TfrRichView::~TfrRichView()
{
    // the hidden window frees its rich edits when it goes first
    if (!sharedText_)
        delete RichEdit.data();
}

std::shared_ptr<TRichEdit> TfrRichView::CopiedText() const
{
    if (sharedText_)
        return sharedText_;
    const QTextDocument& text = *RichEdit->document();
    if (copied_ && copied_->document() && copiedOf_ == DocumentGeneration(text) && copiedFont_ == text.defaultFont())
        return copied_;
    QPointer<TRichEdit> edit = NewHiddenRichEdit();
    CopyRichText(*edit, *RichEdit);
    copied_ = std::shared_ptr<TRichEdit>(edit.data(), [edit](TRichEdit*) { delete edit.data(); });
    copiedOf_ = DocumentGeneration(text);
    copiedFont_ = text.defaultFont();
    return copied_;
}

void TfrRichView::OwnRichEdit()
{
    if (!sharedText_)
        return;
    RichEdit = NewHiddenRichEdit();
    sharedText_.reset();
}

void TfrRichView::Assign(const TfrView& source)
{
    TfrView::Assign(source);
    auto* s = dynamic_cast<const TfrRichView*>(&source);
    if (!s || !s->RichEdit || !RichEdit)
        return;
    // The copy reads the text and never changes it (a blob or a stored record gives it a rich edit
    // of its own first), so the text copied once serves every copy made while it stays the same.
    std::shared_ptr<TRichEdit> text = s->CopiedText();
    if (text.get() == RichEdit.data())
        return;
    if (!sharedText_)
        delete RichEdit.data();
    RichEdit = text.get();
    sharedText_ = std::move(text);
}

void TfrRichView::SetLines(const QString& fontName, int heightPixels, int style, int count,
                           const std::function<QString()>& nextLine)
{
    // In pieces: each piece of lines copied as the stream form gives it and its paragraphs appended.
    // Lines in one font come out of the copy alike whatever piece they are in; only the last piece's
    // closing paragraph is kept.
    constexpr int piece = 4096;
    QPointer<TRichEdit> text = NewHiddenRichEdit();
    QTextCursor out(text->document());
    // one edit: a cursor moved outside one gives every paragraph a layout of its own
    out.beginEditBlock();
    int appended = 0;
    QTextCharFormat afterBreak;
    for (int first = 0; first == 0 || first < count; first += piece) {
        std::unique_ptr<TRichEdit> plain(NewHiddenRichEdit());
        plain->SetFontSpec(fontName, heightPixels, style);
        QStringList lines;
        for (int i = first; i < qMin(count, first + piece); ++i)
            lines << nextLine();
        plain->AddLines(lines);
        std::unique_ptr<TRichEdit> copied(NewHiddenRichEdit());
        CopyRichText(*copied, *plain);
        if (appended == 0)
            text->KeepFontSpecOf(*plain);
        const bool lastPiece = first + piece >= count;
        const QTextDocument& from = *copied->document();
        for (QTextBlock block = from.begin(); block.isValid(); block = block.next()) {
            if (!lastPiece && block == from.lastBlock())
                break;
            // a paragraph after a break takes the format the break ends with (an empty one its own),
            // which the first paragraph of a piece lacks
            const bool pieceStart = block == from.begin();
            const bool carried = appended > 0 && pieceStart && block.length() > 1;
            AppendParagraph(out, block, appended++ == 0, carried ? &afterBreak : nullptr);
            if (!pieceStart)
                afterBreak = block.charFormat();
        }
    }
    out.endEditBlock();
    if (!sharedText_)
        delete RichEdit.data();
    RichEdit = text.data();
    sharedText_ = std::shared_ptr<TRichEdit>(text.data(), [text](TRichEdit*) { delete text.data(); });
}

void TfrRichView::LoadFromBlob(TField* field)
{
    OwnRichEdit();
    RichEdit->LoadRtf(field ? field->AsBytes() : QByteArray());
}

void TfrRichView::ExpandRichLines(QTextDocument& document, QTextBlock block, int count)
{
    QTextCursor edit(&document);
    edit.beginEditBlock();
    for (int n = 0; n < count && block.isValid(); ++n) {
        // a value with line breaks splits this paragraph; the next one of the text stays where it was
        QTextBlock next = block.next();
        const int offset = block.position();
        ExpandLineVariables(block.text(), [&](int at, int length, QString& value) {
            value.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            QTextCursor after(&document);
            after.setPosition(offset + at + 1);  // just after the "[": its format goes on
            QTextCharFormat format = after.charFormat();
            QTextCursor cursor(&document);
            cursor.setPosition(offset + at);
            cursor.setPosition(offset + at + length, QTextCursor::KeepAnchor);
            cursor.insertText(value, format);
            const int valueLength = static_cast<int>(value.size());
            expansions_.push_back({offset + at, valueLength, windowStart_ + offset + at - grown_, length});
            grown_ += valueLength - length;
        });
        block = next;
    }
    edit.endEditBlock();
}

bool TfrRichView::HoldsExpressions()
{
    // A text with nothing to expand is its own expansion: it is measured and cut where it is, without
    // copying a long text for every page.
    if (HoldsBrackets(*RichEdit->document()))
        return true;
    prepared_ = RichEdit->document();
    return false;
}

int TfrRichView::ExpandFrom(TTextPlace from, int count)
{
    // The text as its stream form gives it (a copy of that copy is the same), whole paragraphs, so
    // that each expression is read from its start as in the whole text.
    const QTextDocument& source = *CopiedText()->document();
    windowEnd_ = source.findBlock(from.source);
    windowStart_ = windowEnd_.position();
    windowParagraphs_ = 0;
    expansions_.clear();
    grown_ = 0;
    QTextDocument& expanded = *frSharedRichEdit()->document();
    expanded.clear();
    prepared_ = &expanded;
    ExpandMore(count);
    return ExpandedPosition(from);
}

void TfrRichView::ExpandMore(int count)
{
    QTextDocument& expanded = *frSharedRichEdit()->document();
    QTextCursor out(&expanded);
    out.movePosition(QTextCursor::End);
    out.beginEditBlock();  // a cursor moved outside one gives every paragraph a layout of its own
    const int first = windowParagraphs_ == 0 ? 0 : expanded.blockCount();
    int n = 0;
    for (; n < count && windowEnd_.isValid(); ++n, windowEnd_ = windowEnd_.next())
        AppendParagraph(out, windowEnd_, windowParagraphs_ + n == 0);
    out.endEditBlock();
    windowParagraphs_ += n;
    ExpandRichLines(expanded, expanded.findBlockByNumber(first), expanded.blockCount() - first);
}

TfrRichView::TTextPlace TfrRichView::PlaceOf(int expanded) const
{
    int grown = 0;
    for (const TExpansion& e : expansions_) {
        if (expanded < e.at)
            break;
        // the start of a value is its expression's, which the next page evaluates again
        if (expanded == e.at || expanded < e.at + e.length)
            return {e.source, expanded - e.at};
        grown += e.length - e.sourceLength;
    }
    return {windowStart_ + expanded - grown, 0};
}

int TfrRichView::ExpandedPosition(TTextPlace place) const
{
    int grown = 0;
    for (const TExpansion& e : expansions_) {
        if (e.source == place.source)
            return e.at + qMin(place.inValue, e.length);
        if (e.source > place.source)
            break;
        grown += e.length - e.sourceLength;
    }
    return place.source - windowStart_ + grown;
}

const QTextDocument& TfrRichView::PreparedText() const
{
    return prepared_ ? *prepared_ : *frSharedRichEdit()->document();
}

void TfrRichView::FormatRange(bool drawIt)
{
    const int p = ScreenPixelsPerInch();
    FitEnd = FormatFrom;
    if (!drawIt) {
        const QTextDocument& doc = PreparedText();
        FitEnd = MeasureFormatter().FitEnd(doc, FormatFrom, TwipsToPixels(frRound(dx * 1440.0 / p), p),
                                           TwipsToPixels(frRound(dy * 1440.0 / p), p), ScreenDevice());
        return;
    }
    const QTextDocument& doc = *RichEdit->document();
    if (!ToPrinter) {
        // laid out for the design size on the screen, then stretched into the zoomed rectangle
        QRectF page(0, 0, TwipsToPixels(frRound(SavedDX * 1440.0 / p), p),
                    TwipsToPixels(frRound(SavedDY * 1440.0 / p), p));
        QPicture recording;
        {
            QPainter painter(&recording);
            FitEnd = TRichPageFormatter::Render(painter, doc, FormatFrom, page, ScreenDevice());
        }
        Canvas->StretchDraw(InnerRect, recording, QSize(SavedDX, SavedDY));
    } else {
        const int px = Canvas->PixelsPerInchX(), py = Canvas->PixelsPerInchY();
        QRectF page(QPointF(TwipsToPixels(InnerRect.Left * 1440 / px, px), TwipsToPixels(InnerRect.Top * 1440 / py, py)),
                    QPointF(TwipsToPixels(InnerRect.Right * 1440 / px, px),
                            TwipsToPixels(InnerRect.Bottom * 1440 / py, py)));
        FitEnd = TRichPageFormatter::Render(Canvas->Painter(), doc, FormatFrom, page, Canvas->Device());
    }
}

int TfrRichView::SearchHeight()
{
    const int p = ScreenPixelsPerInch();
    const QTextDocument& doc = PreparedText();
    const int length = TRichPageFormatter::TextLength(doc);
    const double width = TwipsToPixels(frRound(dx * 1440.0 / p), p);
    auto fits = [&](int height) {
        int index = MeasureFormatter().FitEnd(doc, FormatFrom, width, TwipsToPixels(frRound(height * 1440.0 / p), p),
                                              ScreenDevice());
        // nothing fitting at the very start counts as fitting, as the original's page formatting did
        return index >= length || index == -1 || index == 0;
    };
    int lo = 0, hi = 1000000;
    // A text taller than that, hundreds of thousands of lines, raises the bound until it fits; the
    // bound stays where its twips are still an int.
    const int highest = INT_MAX / 1440 * p / 2;
    while (hi < highest && !fits(hi)) {
        lo = hi;
        hi *= 2;
    }
    while (hi - lo >= 2) {
        int mid = lo + (hi - lo) / 2;
        if (fits(mid))
            hi = mid;
        else
            lo = mid;
    }
    return hi < 2 ? 8 : hi;
}

int TfrRichView::ContentHeight()
{
    PartStart = 0;
    // a split starts at the text's beginning, whatever an earlier record left
    FitEnd = 0;
    splitAt_ = {};
    RunScript();
    if (!Visible)
        return 0;
    EnterRect();
    FormatFrom = 0;
    if (HoldsExpressions())
        FormatFrom = ExpandFrom({}, INT_MAX);
    splitDone_ = TRichPageFormatter::TextLength(PreparedText()) == 0;
    return SearchHeight();
}

int TfrRichView::UnprintedHeight()
{
    EnterRect();
    FormatFrom = HoldsExpressions() ? ExpandFrom(splitAt_, INT_MAX) : FitEnd;
    return SearchHeight();
}

bool TfrRichView::AllPrinted()
{
    EnterRect();
    if (HoldsExpressions())
        return splitDone_;
    return FitEnd >= TRichPageFormatter::TextLength(PreparedText());
}

void TfrRichView::PrintExpandedPart()
{
    // As many paragraphs as the last page took and a few more; more while they all fit.
    FormatFrom = ExpandFrom(splitAt_, pageParagraphs_ + 4);
    for (;;) {
        FormatRange(false);
        if (!windowEnd_.isValid() || FitEnd < TRichPageFormatter::TextLength(PreparedText()))
            break;
        ExpandMore(qMax(16, windowParagraphs_ / 2));
    }
    pageParagraphs_ = PreparedText().findBlock(FitEnd).blockNumber() + 1;
    recordFrom_ = FormatFrom;
    recordTo_ = qMax(FormatFrom, FitEnd);
    splitDone_ = !windowEnd_.isValid() && FitEnd >= TRichPageFormatter::TextLength(PreparedText());
    splitAt_ = PlaceOf(FitEnd);
    PartStart = splitDone_ ? TRichPageFormatter::TextLength(*CopiedText()->document()) : splitAt_.source;
}

void TfrRichView::Print(TStream& stream)
{
    BeginDraw(Canvas);
    EnterRect();
    RunScript();
    if (!Visible)
        return;
    recordFrom_ = 0;
    recordTo_ = -1;
    const bool expressions = HoldsExpressions();
    if (PartMode == 3 && expressions) {
        PrintExpandedPart();
    } else if (PartMode == 3) {
        FormatFrom = FitEnd;
        FormatRange(false);
        recordFrom_ = PartStart;
        recordTo_ = qMax(PartStart, FitEnd);
        PartStart = FitEnd;
    } else if (expressions) {
        ExpandFrom({}, INT_MAX);
    }
    WriteRecord(stream);
    recordTo_ = -1;
}

void TfrRichView::Draw(TCanvas& canvas)
{
    BeginDraw(&canvas);
    CalcGaps();
    DrawBackground();
    canvas.SetBrushClear();
    FormatFrom = 0;
    FormatRange(true);
    DrawFrame();
    RestoreCoord();
}

bool TfrRichView::HoldText(TStream& stream, int from, int to)
{
    // Only a text that stays as it is can be held: the copied text shared by the report's copies of
    // the view. An expansion is made again for the next view in the shared rich edit.
    TfrEMFPage* page = frPageOfStream(stream);
    if (!sharedText_ || prepared_ != RichEdit->document() || !page)
        return false;
    const int64_t at = stream.Position();
    if (!page->HeldTexts.empty() && page->HeldTexts.back().At >= at)
        return false;
    page->HeldTexts.push_back({at, sharedText_, from, to});
    return true;
}

void TfrRichView::LoadFromStream(TStream& stream)
{
    TfrView::LoadFromStream(stream);
    const TfrHeldText* held = HeldTextAt(stream, stream.Position());
    uint8_t hasText = stream.ReadByte();
    int32_t end = stream.ReadInteger();
    if (hasText == 1) {
        OwnRichEdit();
        if (held)
            CopyRange(*RichEdit, *held);
        else
            RichEdit->LoadRtf(stream.ReadBytes(end - stream.Position()));
    }
    stream.SetPosition(end);
}

void TfrRichView::SaveToStream(TStream& stream)
{
    TfrView::SaveToStream(stream);
    QByteArray rtf;
    bool held = false;
    if (RecordForm == 0) {
        if (RichEdit->LineCount() > 0)
            rtf = RichEdit->SaveRtf();
    } else if (!frMeasureOnly) {  // a counting pass throws its records away
        const QTextDocument& doc = PreparedText();
        int to = recordTo_ < 0 ? TRichPageFormatter::TextLength(doc) : recordTo_;
        if (!doc.isEmpty() && to > recordFrom_) {
            // a text the page holds is written in its stored form only when the page is saved
            held = HoldText(stream, recordFrom_, to);
            if (!held)
                rtf = RtfOfRange(doc, recordFrom_, to);
        }
    }
    stream.WriteByte(rtf.isEmpty() && !held ? 0 : 1);
    int64_t at = stream.Position();
    stream.WriteInteger(0);
    stream.WriteBytes(rtf);
    frWriteEndField(stream, at);
}

QByteArray frHeldTextRtf(const TfrHeldText& held)
{
    return RtfOfRange(*held.Text->document(), held.From, held.To);
}
