#include "report/fr_pages.h"

#include "base/error_texts.h"
#include "base/exceptions.h"
#include "base/stream.h"
#include "report/fr_report.h"
#include "report/fr_utils.h"
#include "report/fr_view.h"

namespace {
constexpr uint8_t kPageMarker = 255;
constexpr uint8_t kValuesMarker = 254;
constexpr uint8_t kEndMarker = 253;
constexpr uint8_t kLastObjectType = 10;
constexpr int kOldPageRecordExtra = 6;
// An older memo class, stored as an add-in; its record is a memo's followed by eight bytes.
const QString kFramedMemoClass = QStringLiteral("TFRFRAMEDMEMOVIEW");
constexpr int kFramedMemoExtra = 8;

void skip(TStream& stream, int count)
{
    if (stream.Remaining() < count)
        throw EReadError(ErrorTexts::ReadError());
    stream.Seek(count, TStream::soCurrent);
}
}  // namespace

TfrPage::TfrPage(int paperSize, int width, int height, uint8_t orientation)
{
    ChangePaper(paperSize, width, height, orientation);
}

TfrPage::~TfrPage()
{
    DoneReport();
}

void TfrPage::ChangePaper(int paperSize, int width, int height, uint8_t orientation)
{
    TfrPrinter& printer = frPrinterObject();
    printer.SetPaper(paperSize, width, height, orientation);
    printer.GetPageInfo(PageInfo);
    PaperSize = printer.PaperSize;
    Width = printer.PaperWidth;
    Height = printer.PaperHeight;
    Orientation = orientation;
}

void TfrPage::LoadFromStream(TStream& stream, int version)
{
    int32_t paperSize = stream.ReadInteger();
    int32_t width = frCheckedGeometry(stream.ReadInteger(), 0, frMaxPaperSize);
    int32_t height = frCheckedGeometry(stream.ReadInteger(), 0, frMaxPaperSize);
    Margins.Left = frCheckedGeometry(stream.ReadInteger(), -frMaxCoordinate, frMaxCoordinate);
    Margins.Top = frCheckedGeometry(stream.ReadInteger(), -frMaxCoordinate, frMaxCoordinate);
    Margins.Right = frCheckedGeometry(stream.ReadInteger(), -frMaxCoordinate, frMaxCoordinate);
    Margins.Bottom = frCheckedGeometry(stream.ReadInteger(), -frMaxCoordinate, frMaxCoordinate);
    uint8_t orientation = stream.ReadByte();
    if (version < 23)
        skip(stream, kOldPageRecordExtra);
    PrintOnPreviousPage = stream.ReadWord();
    ApplyMargins = stream.ReadWord();
    Columns = frCheckedGeometry(stream.ReadInteger(), 0, 1000);
    ColumnSpacing = frCheckedGeometry(stream.ReadInteger(), -frMaxCoordinate, frMaxCoordinate);
    ChangePaper(paperSize, width, height, orientation);
}

void TfrPage::SaveToStream(TStream& stream) const
{
    stream.WriteInteger(PaperSize);
    stream.WriteInteger(Width);
    stream.WriteInteger(Height);
    stream.WriteInteger(Margins.Left);
    stream.WriteInteger(Margins.Top);
    stream.WriteInteger(Margins.Right);
    stream.WriteInteger(Margins.Bottom);
    stream.WriteByte(Orientation);
    stream.WriteWord(PrintOnPreviousPage);
    stream.WriteWord(ApplyMargins);
    stream.WriteInteger(Columns);
    stream.WriteInteger(ColumnSpacing);
}

TfrView* TfrPage::FindObject(const QString& name) const
{
    for (const auto& view : RunViews) {
        if (frSameName(view->Name, name))
            return view.get();
    }
    return nullptr;
}

TfrPages::TfrPages(TfrReport* parent) : parent_(parent) {}

TfrPages::~TfrPages() = default;

TfrPage& TfrPages::Pages(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(ErrorTexts::ListIndex(index));
    return *pages_[static_cast<size_t>(index)];
}

TfrPage& TfrPages::Add()
{
    pages_.push_back(std::make_unique<TfrPage>(frA4Paper, 0, 0, frPortrait));
    return *pages_.back();
}

void TfrPages::Clear()
{
    pages_.clear();
}

void TfrPages::LoadFromStream(TStream& stream)
{
    Clear();
    parent_->KeepDefaultPrinter = stream.ReadWord();
    parent_->PrepareTwice = stream.ReadWord();
    parent_->SelectStoredPrinter(frReadStringVersioned(stream));
    while (stream.Position() < stream.Size()) {
        const int64_t entryStart = stream.Position();
        uint8_t marker = stream.ReadByte();
        if (marker == kPageMarker) {
            Add().LoadFromStream(stream, frTemplateVersion);
            continue;
        }
        if (marker == kValuesMarker) {
            parent_->Values.ReadBinaryData(stream);
            frReadMemoVersioned(stream, parent_->Variables);
            continue;
        }
        if (marker == kEndMarker)
            break;
        if (marker > kLastObjectType)
            throw EStreamError(QString());
        uint8_t type = marker;
        QString className;
        bool framedMemo = false;
        if (type == gtAddIn) {
            className = frReadStringVersioned(stream);
            if (frUpperName(className) == kFramedMemoClass) {
                type = gtMemo;
                className.clear();
                framedMemo = true;
            }
        }
        uint8_t pageIndex = stream.ReadByte();
        std::unique_ptr<TfrView> view = frCreateObject(type, className);
        // A type byte without a class of its own, or a view for a page that does not exist, means the
        // body is damaged.
        if (!view || pageIndex >= Count())
            throw EStreamError(QString());
        TfrPage& page = Pages(pageIndex);
        page.Objects.push_back(std::move(view));
        TfrView& added = *page.Objects.back();
        added.LoadFromStream(stream);
        if (framedMemo)
            skip(stream, kFramedMemoExtra);
        // A record that points its reader back (a stored end position) would make this loop endless.
        if (stream.Position() <= entryStart)
            throw EStreamError(QString());
    }
}

void TfrPages::SaveToStream(TStream& stream) const
{
    stream.WriteWord(parent_->KeepDefaultPrinter);
    stream.WriteWord(parent_->PrepareTwice);
    frWriteString(stream, frPrinterObject().SelectedPrinterName());
    for (const auto& page : pages_) {
        stream.WriteByte(kPageMarker);
        page->SaveToStream(stream);
    }
    for (int i = 0; i < Count(); ++i) {
        // The page index is one byte.
        if (i > 255 && !pages_[static_cast<size_t>(i)]->Objects.empty())
            throw EWriteError(ErrorTexts::WriteError());
        for (const auto& view : pages_[static_cast<size_t>(i)]->Objects) {
            stream.WriteByte(view->ObjectType);
            if (view->ObjectType == gtAddIn)
                frWriteString(stream, view->ClassName());
            stream.WriteByte(static_cast<uint8_t>(i));
            view->SaveToStream(stream);
        }
    }
    stream.WriteByte(kValuesMarker);
    parent_->Values.WriteBinaryData(stream);
    frWriteMemo(stream, parent_->Variables);
}
