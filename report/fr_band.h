#pragma once

#include "base/string_list.h"
#include "base/variant.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

class TfrBandView;
class TfrDataset;
class TfrPage;
class TfrView;

// A run-time band, made from a band view (or empty for a type without one) while a template page is
// built; it prints its views onto the prepared page. Band types are those of the band views (0..21).
class TfrBand {
public:
    TfrBand(uint8_t bandType, TfrPage* parent);
    // Frees the bands chained behind it and lets go of its data sources.
    ~TfrBand();
    TfrBand(const TfrBand&) = delete;
    TfrBand& operator=(const TfrBand&) = delete;

    // Aggregate entries of Values, "key=" + mark + total. A key is a function name and its first
    // argument as written, which may hold "=" itself: entries split at their last "=".
    QString AggregateEntry(const QString& key) const;  // mark + total; empty when missing
    void SetAggregateEntry(const QString& key, const QString& entry);
    // Before each record: every mark becomes "0", so that the record counts once.
    void ResetAggregateMarks();

    // Group headers keep the text as their condition; other bands resolve it as their data source.
    void SetDataSetName(const QString& text);
    // Tells the band's data sources Exit, as each was told Init when the band took it, and frees those
    // the band made itself. Both are let go even when one fails; the first failure is passed on.
    void ReleaseDataSets();
    static void ReleaseDataSet(TfrDataset*& dataSet, bool& owned);
    // Prints the band at the page's current position; true when it did not fit (on a sub-report page)
    // or its sub-reports wait for another page.
    bool Draw();
    int NeededHeight();
    int MeasureHeight();
    // Whether a band of height dy at y passes the page's bottom; unless testOnly a new column or page
    // is started then.
    bool Overflows(int y, int dy, bool testOnly);
    void InitValues();
    void DoAggregate();
    // Stops the report with the text of the failure and of the view and band that failed.
    void ReportError(const QString& message);
    // Stops the report: the band, or a view of it, does not fit a page that holds nothing else.
    void CannotPlace(int height);
    // Taller than the room between the page's top margin and its footer.
    bool TallerThanAPage(int height) const;
    bool DrawSubReports();


    TfrPage* Parent = nullptr;
    TfrBandView* View = nullptr;
    uint16_t Flags = 0;
    TfrBand* Next = nullptr;
    TfrBand* Prev = nullptr;
    int FirstSubReport = 0;
    int MaxY = 0;
    bool BandDone = false;
    std::vector<bool> SubReportDone;
    int LocalPosition = 1;   // "LINE#"
    int GlobalPosition = 1;  // "LINETHROUGH#"
    Variant GroupStartValue;
    TfrBand* HeaderBand = nullptr;
    TfrBand* FooterBand = nullptr;
    TfrBand* ChainEnd = nullptr;
    // Aggregate entries "key=" + mark + total; the mark is "1" once the current record is counted.
    TStringList Values;
    int Count = 0;  // records aggregated since the last reset
    bool KeepTotals = false;
    int MeasuredHeight = -1;
    int X = 0, Y = 0, DX = 0, DY = 0, UsedDY = 0;
    uint8_t BandType = 0;
    bool ShowWithoutDetail = false;
    bool BreakAfter = false;
    bool Stretched = false;
    bool MayBreak = false;
    bool Visible = true;
    QList<TfrView*> Objects;  // the run-time views this band prints; the page owns them
    TStringList Memo;
    TStringList Script;
    TfrDataset* DataSet = nullptr;
    bool OwnsDataSet = false;
    TfrDataset* ColumnDataSet = nullptr;
    bool OwnsColumnDataSet = false;
    QString GroupCondition;
    bool PageBreakRequested = false;
    bool ColumnBreakRequested = false;

private:
    void PlaceAndPrint(bool aggregate = true);
    void PrintSplit();
    bool PrintAllViews();
    void PrintOneView(TfrView* view);
    // Prints a view into the current prepared page moved by (dx, dy); a failure stops the report.
    void PrintViewAt(TfrView* view, int dx, int dy);
    void SetUpSubReports();
    bool SharesCrossViews() const;
    void PrintCrossTable();
    void PrintCrossSlice(TfrBand* crossBand, int x);
    void CrossPageWidthCheck(int& x, int width, int startPageNo);
    int ViewsHeight(bool allViews);
    void GrowViews(int height);
    void ResetViewHeights();
    void ShiftObjectsBelow(TfrView* view, int delta);
    TfrBand* CrossBand(uint8_t type) const;

    bool movedDown_ = false;  // Draw already started a new column or page for this band
    std::vector<TfrPage*> subPages_;  // by sub-report view from FirstSubReport; nullptr when not run
};
