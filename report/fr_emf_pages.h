#pragma once

#include "base/canvas.h"
#include "report/fr_prntr.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

class TfrPage;
class TfrReport;
class TRichEdit;
class TMemoryStream;
class TStream;

// A rich view's text on a prepared page as it is in memory: characters From..To of a text the page
// shares with the report that printed it. The record in the page stream leaves its text out; reading
// the page back copies the characters, and the stored form of the page (what a saved file keeps)
// writes them as the record would have.
struct TfrHeldText {
    int64_t At = 0;  // stream position of the record's text
    std::shared_ptr<TRichEdit> Text;
    int From = 0;
    int To = 0;
};

// One prepared page: its paper, the printer information of that paper, and the views printed on it as
// a stream of prepared-page records.
struct TfrEMFPage {
    TfrEMFPage();
    ~TfrEMFPage();
    TfrEMFPage(TfrEMFPage&&) noexcept;
    TfrEMFPage& operator=(TfrEMFPage&&) noexcept;

    TRect R;  // where the preview shows the page
    int16_t PaperSize = 0;
    int32_t Width = 0;   // 0.1 mm
    int32_t Height = 0;  // 0.1 mm
    uint8_t Orientation = 0;
    uint8_t ApplyMargins = 0;
    TfrPrinterInfo PageInfo;
    uint8_t Visible = 0;                    // being drawn by the preview or the printer
    std::unique_ptr<TMemoryStream> Stream;  // version byte, then type byte, class name, record per view
    std::unique_ptr<TfrPage> Page;          // the views read back for drawing, or none
    std::vector<TfrHeldText> HeldTexts;     // by At, as the views were printed
    // Stream positions of the records' fields that hold a stream position (the end of a record's
    // data), which move when held texts are written into the stream.
    std::vector<int64_t> EndFields;

    // The page stream with every held text written where its record leaves it out.
    QByteArray StoredForm() const;
};

// The page whose stream a view being printed writes to, when it writes to a prepared page.
TfrEMFPage* frPageOfStream(const TStream& stream);
// Writes the record's end position into the field at `at` (the stream's position is the end).
void frWriteEndField(TStream& stream, int64_t at);

// The page whose views are being read back, while they are; else none.
extern const TfrEMFPage* frPageBeingRead;

// The prepared pages of a report and the prepared-report file they are saved in.
class TfrEMFPages {
public:
    explicit TfrEMFPages(TfrReport* parent);
    ~TfrEMFPages();
    TfrEMFPages(const TfrEMFPages&) = delete;
    TfrEMFPages& operator=(const TfrEMFPages&) = delete;

    int Count() const { return static_cast<int>(pages_.size()); }
    TfrEMFPage& Pages(int index);  // EListError out of range
    const TfrEMFPage& Pages(int index) const;
    // Exchanges the pages of two lists; each keeps its report. The preview window holds a report's
    // pages this way while it shows them.
    void Swap(TfrEMFPages& other) noexcept { pages_.swap(other.pages_); }
    void Clear();
    // Appends a page with the paper of a template page and tells the reports that a page begins.
    void Add(const TfrPage& page);
    void Insert(int index, const TfrPage& page);
    void Delete(int index);

    // Draws page Index scaled into Rect; a page that is not Visible frees its views instead.
    void Draw(int index, TCanvas& canvas, const TRect& rect);
    void ObjectsToPage(int index);
    // Hands every view of the page to the active export filter.
    void ReadPageObjects(int index);

    // The prepared-report file. The reader checks the whole file before it replaces the pages: a file
    // without pages, cut short or damaged raises EStreamError and the pages stay as they were.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);

private:
    void LoadOldForm(TStream& stream, std::vector<TfrEMFPage>& pages);

    TfrReport* parent_;
    std::vector<TfrEMFPage> pages_;
};

// Messages of the prepared-report reader.
QString frNoPagesText();
QString frDamagedFileText();
