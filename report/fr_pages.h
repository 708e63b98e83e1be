#pragma once

#include "base/canvas.h"
#include "report/fr_prntr.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

class TfrReport;
class TfrBand;
class TfrBandView;
class TfrView;
class TStream;

// Paper ids and orientations as the template and prepared-report streams store them.
constexpr int frA4Paper = 9;
constexpr uint8_t frPortrait = 0;
constexpr uint8_t frLandscape = 1;

// A template page: its paper, margins and columns, and the views placed on it.
class TfrPage {
public:
    // Applies the paper to the printer object and keeps what the printer took.
    TfrPage(int paperSize, int width, int height, uint8_t orientation);
    ~TfrPage();
    TfrPage(const TfrPage&) = delete;
    TfrPage& operator=(const TfrPage&) = delete;

    void ChangePaper(int paperSize, int width, int height, uint8_t orientation);

    // The 41-byte page record; a record of a template older than version 23 carries six more bytes
    // after the orientation, which are skipped.
    void LoadFromStream(TStream& stream, int version);
    void SaveToStream(TStream& stream) const;

    int32_t PaperSize = frA4Paper;
    int32_t Width = 0;   // 0.1 mm
    int32_t Height = 0;  // 0.1 mm
    TRect Margins;       // page units
    uint8_t Orientation = frPortrait;
    uint16_t PrintOnPreviousPage = 0;
    uint16_t ApplyMargins = 1;
    int32_t Columns = 1;
    int32_t ColumnSpacing = 0;
    int ColumnWidth = 0;  // computed when the report is built, never stored
    TfrPrinterInfo PageInfo;

    std::vector<std::unique_ptr<TfrView>> Objects;

    // Run-time state while the report is built: the first band of each type, the copies of the
    // views that print, the counters of "COLUMN#" and "CURRENT#", the current position and the
    // lowest position the bands may reach.
    TfrBand* Bands[22] = {};
    std::vector<std::unique_ptr<TfrView>> RunViews;
    int ColumnCounter = 0;
    int RecordCounter = 0;
    int NextY = 0;
    int BottomLimitY = 0;
    // The first run-time view of that name, case-insensitively.
    TfrView* FindObject(const QString& name) const;

    // A step of a sub-report page, recorded while the page is formed and replayed inside the band that
    // holds the sub-report: print a band, or move its data set to the first or the next record.
    enum TfrStepKind : uint8_t { skPrintBand = 0, skFirst = 1, skNext = 2 };
    struct TfrRecordedStep {
        TfrBand* Band;
        TfrStepKind Kind;
    };

    bool Skip = false;        // printed only as a sub-report, never formed by itself
    bool BandsBuilt = false;
    int ActiveColumn = 0;
    int ColumnTopY = 0;       // where a new column starts
    int ColumnX = 0;          // left edge of the current column
    std::vector<TfrRecordedStep> List;
    int Mode = 0;             // 0 prints, 1 records its steps
    int NextStep = 0;
    TfrBand* WaitingBand = nullptr;  // its sub-reports continue when this page is replayed again
    // Headers that start a page or column, and the footer that ends a column, print where they are:
    // breaking again would never end.
    bool StartingPage = false;
    // Whether a band other than the page's own headers printed on the current page or column: a band
    // that does not fit a page without one fits on no page.
    bool PageHasContent = false;
    // A band asked for a new page after it; the page starts when the next band prints, so that a
    // last band adds no empty page.
    bool BreakPending = false;

    // Building, in page units; the bands exist between InitReport and DoneReport.
    void InitReport();
    void DoneReport();
    // Tells every band's data sources Exit; all are let go, the first failure is passed on.
    void ReleaseDataSets();
    void PrepareObjects();
    void FormPage();
    void ShowBand(TfrBand* band);
    void NewPage();
    void NewColumn(TfrBand* band);
    void FinishPages();
    void DoAggregate(std::initializer_list<uint8_t> bandTypes);
    int TopMargin() const;
    int BottomMargin() const;  // the page footer's height is kept free while a report is built
    int LeftMargin() const;
    int RightMargin() const;
    bool PlayRecList();  // true when it stopped at the end of a page
    void ClearRecList();
    void RecordStep(TfrBand* band, TfrStepKind kind);
    bool BandHasObjects(const TfrBand* band) const;
    // Whether the prepared page the bands print on exists: a manual build may show bands before it
    // asked for one.
    bool PageFormed() const;

private:
    void BuildBands();
    void FillBand(TfrBand& band, TfrBandView& view);
    void LinkHeadersAndFooters();
    void DoLoop(int level);
    void ShowStack();
    void ShowColumnFooter();
    void ShowGroupHeaders(TfrBand* from);
    // After a record of the master level: the footers and headers of the groups that end and begin.
    void ProcessGroups(TfrBand* dataBand);

    std::vector<TfrBand*> pending_;  // headers and data bands waiting for a record of their detail
    int maxLevel_ = 0;
    bool hasGroups_ = false;
    int32_t storedColumns_ = 1;  // a sub-report runs in one column; the template keeps its own
};

// The template pages of a report and the template body they are stored in.
class TfrPages {
public:
    explicit TfrPages(TfrReport* parent);
    ~TfrPages();
    TfrPages(const TfrPages&) = delete;
    TfrPages& operator=(const TfrPages&) = delete;

    int Count() const { return static_cast<int>(pages_.size()); }
    TfrPage& Pages(int index) const;  // EListError out of range
    TfrPage& Add();                   // A4 portrait
    void Clear();

    // The body after the version byte; the version of the stream is frTemplateVersion.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;

private:
    TfrReport* parent_;
    std::vector<std::unique_ptr<TfrPage>> pages_;
};
