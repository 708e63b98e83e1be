#include "report/fr_emf_pages.h"

#include "base/error_texts.h"
#include "base/exceptions.h"
#include "base/printer.h"
#include "base/stream.h"
#include "report/fr_globals.h"
#include "report/fr_pages.h"
#include "report/fr_picture_view.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"
#include "report/fr_utils.h"
#include "report/fr_view.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRegion>

#include <functional>
#include <limits>
#include <utility>

namespace {
// What the reader itself found wrong with a prepared-report file; other failures inside become this.
class EPreparedFileError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
}  // namespace

namespace {
constexpr uint8_t kPageStreamVersion = 23;
// Every page of a file starts with its next-page position and five paper fields.
constexpr int kPageHeaderSize = 4 + 2 + 4 + 4 + 1 + 1;
// A margin around each view's rectangle, so that frames and shadows at its edge are not skipped.
constexpr int kVisibilitySlack = 10;

using ViewSink = std::function<void(std::unique_ptr<TfrView>)>;

// Reads every view of a page stream in its prepared-page form. An empty stream (the page of a
// compressed file) holds no views.
void readPageViews(const TfrEMFPage& page, const ViewSink& sink)
{
    TMemoryStream& stream = *page.Stream;
    const TfrEMFPage* before = frPageBeingRead;
    frPageBeingRead = &page;
    struct Restore {
        const TfrEMFPage* page;
        ~Restore() { frPageBeingRead = page; }
    } restore{before};
    stream.SetPosition(0);
    if (stream.Size() == 0)
        return;
    frTemplateVersion = stream.ReadByte();
    while (stream.Position() < stream.Size()) {
        const int64_t entryStart = stream.Position();
        uint8_t type = stream.ReadByte();
        QString className;
        if (type == gtAddIn)
            className = frReadStringVersioned(stream);
        std::unique_ptr<TfrView> view = frCreateObject(type, className);
        if (!view)
            throw EPreparedFileError(frDamagedFileText());
        view->RecordForm = 1;
        view->LoadFromStream(stream);
        if (stream.Position() <= entryStart)
            throw EPreparedFileError(frDamagedFileText());
        sink(std::move(view));
    }
}

// RectVisible of the original's devices: the rectangle meets the device surface and the clip region.
bool rectVisible(TCanvas& canvas, const TRect& rect)
{
    QPainter& painter = canvas.Painter();
    QRect r = rect.ToQRect();
    if (painter.hasClipping() && !painter.clipRegion().intersects(r))
        return false;
    QPaintDevice* device = painter.device();
    if (!device || device->width() <= 0 || device->height() <= 0)
        return true;
    return painter.worldTransform().mapRect(r).intersects(QRect(0, 0, device->width(), device->height()));
}

void applyPaper(TfrEMFPage& page)
{
    TfrPrinter& printer = frPrinterObject();
    printer.SetPaper(page.PaperSize, page.Width, page.Height, page.Orientation);
    printer.GetPageInfo(page.PageInfo);
}

// Reads a page's next-page position and paper fields, and answers its data: the bytes up to the
// next-page position, which must lie within the file and not before the data.
QByteArray readPage(TStream& stream, TfrEMFPage& page, int32_t& next)
{
    next = stream.ReadInteger();
    page.PaperSize = stream.ReadSmallInt();
    page.Width = frCheckedGeometry(stream.ReadInteger(), 0, frMaxPaperSize);
    page.Height = frCheckedGeometry(stream.ReadInteger(), 0, frMaxPaperSize);
    page.Orientation = stream.ReadByte();
    page.ApplyMargins = stream.ReadByte();
    if (next < stream.Position() || next > stream.Size())
        throw EPreparedFileError(frDamagedFileText());
    return stream.ReadBytes(next - stream.Position());
}

int32_t checkedPageCount(TStream& stream, int32_t count)
{
    if (count == 0)
        throw EPreparedFileError(frNoPagesText());
    if (count < 0 || count > stream.Remaining() / kPageHeaderSize)
        throw EPreparedFileError(frDamagedFileText());
    return count;
}
}  // namespace

QString frNoPagesText()
{
    return QStringLiteral("Rapor dosyasında hiç sayfa yok.");
}

QString frDamagedFileText()
{
    return QStringLiteral("Rapor dosyası bozuk ya da eksik; açılamadı.");
}

const TfrEMFPage* frPageBeingRead = nullptr;

TfrEMFPage* frPageOfStream(const TStream& stream)
{
    if (!frMasterReport || frCurrentPageNo < 0 || frCurrentPageNo >= frMasterReport->EMFPages.Count())
        return nullptr;
    TfrEMFPage& page = frMasterReport->EMFPages.Pages(frCurrentPageNo);
    return &stream == page.Stream.get() ? &page : nullptr;
}

void frWriteEndField(TStream& stream, int64_t at)
{
    const int64_t end = stream.Position();
    stream.SetPosition(at);
    stream.WriteInteger(static_cast<int32_t>(end));
    stream.SetPosition(end);
    if (TfrEMFPage* page = frPageOfStream(stream))
        page->EndFields.push_back(at);
}

QByteArray TfrEMFPage::StoredForm() const
{
    const QByteArray& in = Stream->Data();
    if (HeldTexts.empty())
        return in;
    // each held text goes after its record's has-text byte and end field
    std::vector<std::pair<int64_t, QByteArray>> inserted;
    inserted.reserve(HeldTexts.size());
    for (const TfrHeldText& held : HeldTexts)
        inserted.emplace_back(held.At + 5, frHeldTextRtf(held));
    auto movedBy = [&inserted](int64_t position, bool atMoves) {
        int64_t by = 0;
        for (const auto& [at, bytes] : inserted) {
            if (at > position || (at == position && !atMoves))
                break;
            by += bytes.size();
        }
        return by;
    };
    QByteArray out;
    int64_t copied = 0;
    for (const auto& [at, bytes] : inserted) {
        out += in.mid(copied, at - copied);
        out += bytes;
        copied = at;
    }
    out += in.mid(copied);
    for (int64_t field : EndFields) {
        const auto* p = reinterpret_cast<const uchar*>(in.constData() + field);
        const int32_t end = static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24);
        const int32_t moved = static_cast<int32_t>(end + movedBy(end, true));
        auto* q = reinterpret_cast<uchar*>(out.data() + field + movedBy(field, false));
        for (int i = 0; i < 4; ++i)
            q[i] = static_cast<uchar>(static_cast<uint32_t>(moved) >> (8 * i));
    }
    return out;
}

TfrEMFPage::TfrEMFPage() = default;
TfrEMFPage::~TfrEMFPage() = default;
TfrEMFPage::TfrEMFPage(TfrEMFPage&&) noexcept = default;
TfrEMFPage& TfrEMFPage::operator=(TfrEMFPage&&) noexcept = default;

TfrEMFPages::TfrEMFPages(TfrReport* parent) : parent_(parent) {}

TfrEMFPages::~TfrEMFPages() = default;

TfrEMFPage& TfrEMFPages::Pages(int index)
{
    return const_cast<TfrEMFPage&>(std::as_const(*this).Pages(index));
}

const TfrEMFPage& TfrEMFPages::Pages(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(ErrorTexts::ListIndex(index));
    return pages_[static_cast<size_t>(index)];
}

void TfrEMFPages::Clear()
{
    pages_.clear();
}

void TfrEMFPages::Add(const TfrPage& page)
{
    Insert(Count(), page);
    if (frCurrentReport && frCurrentReport->OnBeginPage)
        frCurrentReport->OnBeginPage(frCurrentPageNo);
    if (frMasterReport && frMasterReport != frCurrentReport && frMasterReport->OnBeginPage)
        frMasterReport->OnBeginPage(frCurrentPageNo);
}

void TfrEMFPages::Insert(int index, const TfrPage& page)
{
    TfrEMFPage record;
    record.Stream = std::make_unique<TMemoryStream>();
    record.Stream->WriteByte(kPageStreamVersion);
    record.PaperSize = static_cast<int16_t>(page.PaperSize);
    record.Width = page.Width;
    record.Height = page.Height;
    record.Orientation = page.Orientation;
    record.ApplyMargins = page.ApplyMargins != 0 ? 1 : 0;
    record.PageInfo = page.PageInfo;
    if (index < 0 || index >= Count())
        pages_.push_back(std::move(record));
    else
        pages_.insert(pages_.begin() + index, std::move(record));
}

void TfrEMFPages::Delete(int index)
{
    Pages(index);
    pages_.erase(pages_.begin() + index);
}

void TfrEMFPages::ObjectsToPage(int index)
{
    TfrEMFPage& record = Pages(index);
    record.Page.reset();
    auto page = std::make_unique<TfrPage>(record.PaperSize, record.Width, record.Height, record.Orientation);
    readPageViews(record, [&page](std::unique_ptr<TfrView> view) {
        view->RecordForm = 0;
        page->Objects.push_back(std::move(view));
    });
    record.Page = std::move(page);
}

void TfrEMFPages::ReadPageObjects(int index)
{
    readPageViews(Pages(index), [](std::unique_ptr<TfrView> view) { view->ExportData(); });
}

void TfrEMFPages::Draw(int index, TCanvas& canvas, const TRect& rect)
{
    frBuildingFlag = true;
    const bool onPrinter = Printer().Printing() && canvas.IsPrinter();
    TfrEMFPage& record = Pages(index);
    if (record.Visible == 0) {
        record.Page.reset();
        return;
    }
    if (!record.Page)
        ObjectsToPage(index);
    // A page of no size (a custom paper of 0 × 0) has nothing to scale into the rectangle.
    if (record.PageInfo.PageWidth <= 0 || record.PageInfo.PageHeight <= 0)
        return;
    const double kx = static_cast<double>(rect.Right - rect.Left) / record.PageInfo.PageWidth;
    const double ky = static_cast<double>(rect.Bottom - rect.Top) / record.PageInfo.PageHeight;
    for (const auto& view : record.Page->Objects) {
        if (!onPrinter) {
            TRect bounds{frRound(view->x * kx) + rect.Left - kVisibilitySlack,
                         frRound(view->y * ky) + rect.Top - kVisibilitySlack,
                         frRound((view->x + view->dx) * kx) + rect.Left + kVisibilitySlack,
                         frRound((view->y + view->dy) * ky) + rect.Top + kVisibilitySlack};
            if (!rectVisible(canvas, bounds))
                continue;
        }
        view->ScaleX = kx;
        view->ScaleY = ky;
        view->OriginX = rect.Left;
        view->OriginY = rect.Top;
        view->ToPrinter = onPrinter;
        view->Draw(canvas);
    }
}

void TfrEMFPages::SaveToStream(TStream& stream)
{
    frTemplateVersion = kPageStreamVersion;
    const bool compressed = frGlobalCompressor && frGlobalCompressor->Enabled;
    stream.WriteByte(compressed ? 1 : 0);
    frWriteString(stream, frPrinterObject().SelectedPrinterName());
    stream.WriteInteger(Count());
    for (TfrEMFPage& page : pages_) {
        const int64_t nextField = stream.Position();
        stream.WriteInteger(0);
        stream.WriteSmallInt(page.PaperSize);
        stream.WriteInteger(page.Width);
        stream.WriteInteger(page.Height);
        stream.WriteByte(page.Orientation);
        stream.WriteByte(page.ApplyMargins);
        TMemoryStream stored(page.StoredForm());
        if (compressed)
            frGlobalCompressor->Compress(stored, stream);
        else
            stream.CopyFrom(stored, 0);
        const int64_t next = stream.Position();
        if (next > std::numeric_limits<int32_t>::max())
            throw EWriteError(ErrorTexts::WriteError());
        stream.SetPosition(nextField);
        stream.WriteInteger(static_cast<int32_t>(next));
        stream.SetPosition(next);
    }
}

void TfrEMFPages::LoadFromStream(TStream& stream)
{
    std::vector<TfrEMFPage> pages;
    try {
        const uint8_t flag = stream.ReadByte();
        if (flag >= 2 && flag != 255) {
            stream.SetPosition(0);
            LoadOldForm(stream, pages);
        } else {
            parent_->SelectStoredPrinter(frReadString(stream));
            const int32_t count = checkedPageCount(stream, stream.ReadInteger());
            for (int32_t i = 0; i < count; ++i) {
                int32_t next = 0;
                TfrEMFPage page;
                QByteArray data = readPage(stream, page, next);
                page.Stream = std::make_unique<TMemoryStream>();
                if (flag != 0) {
                    // Compressed pages go through the engine's compressor, which leaves them empty.
                    TMemoryStream packed(std::move(data));
                    if (frGlobalCompressor)
                        frGlobalCompressor->Expand(packed, *page.Stream);
                } else {
                    page.Stream->Data() = std::move(data);
                }
                applyPaper(page);
                readPageViews(page, [](std::unique_ptr<TfrView>) {});
                stream.SetPosition(next);
                pages.push_back(std::move(page));
            }
        }
    } catch (const EPreparedFileError&) {
        throw;
    } catch (const Exception&) {
        // Whatever else failed inside (a short read, an unknown class), the caller hears that the file is bad.
        throw EPreparedFileError(frDamagedFileText());
    }
    pages_ = std::move(pages);
}

void TfrEMFPages::LoadOldForm(TStream& stream, std::vector<TfrEMFPage>& pages)
{
    TStringList header;
    frReadMemo22(stream, header);
    if (header.Count() > 0)
        parent_->SelectStoredPrinter(header[0]);
    const int32_t count = checkedPageCount(stream, stream.ReadInteger());
    for (int32_t i = 0; i < count; ++i) {
        int32_t next = 0;
        TfrEMFPage page;
        const QByteArray metafile = readPage(stream, page, next);
        applyPaper(page);
        TfrPictureView picture;
        picture.SetBounds(0, 0, page.PageInfo.PageWidth, page.PageInfo.PageHeight);
        try {
            picture.Picture.LoadFromData(metafile);
        } catch (const EStreamError&) {
            // A drawing form this program cannot render: the page keeps its paper and stays blank.
            picture.Picture.Clear();
        }
        picture.RecordForm = 1;
        page.Stream = std::make_unique<TMemoryStream>();
        page.Stream->WriteByte(kPageStreamVersion);
        page.Stream->WriteByte(picture.ObjectType);
        picture.SaveToStream(*page.Stream);
        stream.SetPosition(next);
        pages.push_back(std::move(page));
    }
}
