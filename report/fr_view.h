#pragma once

#include "base/canvas.h"
#include "base/string_list.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QObject;
class TDataSet;
class TField;
class TfrBand;
class TfrPage;
class TfrDataset;
class TStream;

// Object type bytes of the stored views.
enum : uint8_t {
    gtMemo = 0,
    gtPicture = 1,
    gtBand = 2,
    gtSubReport = 3,
    gtLine = 4,
    gtAddIn = 10,
};

constexpr int frNoFillColor = 0x1FFFFFFF;

// A view's flags word: stretched with its band, and told of every printed memo.
constexpr uint16_t flStretched = 1;
constexpr uint16_t flHook = 0x8000;

// Frame edges of FrameTyp.
constexpr uint16_t frbRight = 1;
constexpr uint16_t frbBottom = 2;
constexpr uint16_t frbLeft = 4;
constexpr uint16_t frbTop = 8;

// Rounds to the nearest integer, halves to the even neighbour, as every geometry of the views does.
// Beyond the range of int it gives the nearest end (NaN gives 0) instead of undefined behaviour.
int frRound(double value);

// Geometry read from a template or a prepared-report file. Beyond these a value is damage, not a
// layout (an A0 sheet is under 5000 units); within them no sum, product with a device resolution or
// rounding overflows.
constexpr int32_t frMaxCoordinate = 100000;  // page units
constexpr int32_t frMaxPaperSize = 100000;   // 0.1 mm: ten metres
// The value, or EReadError when it lies outside [low, high].
int32_t frCheckedGeometry(int32_t value, int32_t low, int32_t high);

// Every object placed on a report page. Geometry is in page units; CalcGaps turns it into device
// values for one drawing and RestoreCoord turns it back.
class TfrView {
public:
    TfrView();
    virtual ~TfrView();
    TfrView(const TfrView&) = delete;
    TfrView& operator=(const TfrView&) = delete;

    virtual QString ClassName() const { return QStringLiteral("TfrView"); }

    virtual void DrawBackground();
    virtual void DrawFrame();
    virtual void LoadFromBlob(TField* field);
    virtual void ViewPrinted(TfrView* view);
    virtual void Assign(const TfrView& source);
    virtual void CalcGaps();
    virtual void RestoreCoord();
    virtual void Draw(TCanvas& canvas) = 0;
    virtual void Print(TStream& stream);
    virtual void ExportData();
    virtual void LoadFromStream(TStream& stream);
    virtual void SaveToStream(TStream& stream);
    virtual void SizeChanged();
    virtual QRegion GetClipRgn(bool extended);

    void BeginDraw(TCanvas* canvas);
    void SetBounds(int left, int top, int width, int height);
    void MakeUniqueName();

    // geometry saved by CalcGaps
    int SavedX = 0, SavedY = 0, SavedDX = 0, SavedDY = 0;
    float SavedFrameWidth = 0;
    QString NamePrefix = QStringLiteral("View");
    TCanvas* Canvas = nullptr;
    TRect InnerRect;
    int GapX = 0, GapY = 0;
    TStringList OutLines;
    TDataSet* DataSet = nullptr;
    QString DataField;
    int DesignDY = 0;
    uint8_t RecordForm = 0;  // 0 template record, 1 prepared-page record
    TfrBand* Parent = nullptr;
    QString Name;
    int ID = 0;
    uint8_t ObjectType = 0;
    bool Selected = false;
    double ScaleX = 1.0, ScaleY = 1.0;
    int OriginX = 0, OriginY = 0;
    bool ToPrinter = false;
    int x = 0, y = 0, dx = 0, dy = 0;
    uint16_t Flags = flStretched;
    uint16_t FrameTyp = 0;
    float FrameWidth = 1.0f;
    int FrameColor = 0;
    uint16_t FrameStyle = 0;  // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 double
    int FillColor = frNoFillColor;
    int32_t Format = 0;
    QString FormatStr;
    uint16_t Visible = 0xFFFF;
    TStringList Memo;
    TStringList Script;

protected:
    // The device rectangle's right and bottom edge as CalcGaps computes them, before the frame is taken
    // off.
    int DeviceRight() const;
    int DeviceBottom() const;
    void DrawEdge(int x1, int y1, int x2, int y2, bool vertical);
    // The part of Print shared by every view: the type byte, an add-in's class name and the record.
    void WriteRecord(TStream& stream);
    void RunScript();
    // OutLines: the view's text as the report's enter-rect handler leaves it.
    void EnterRect();
    // The blob field the view is bound to, or nullptr.
    TField* BlobField() const;
    // The line with each [name] replaced, left to right, by the report's value of it. `placed` may
    // rewrite a value before it goes in and learns where it went: at the 0-based position of the "[",
    // over the `length` characters of the bracketed name.
    static QString ExpandLineVariables(QString line,
                                   const std::function<void(int at, int length, QString& value)>& placed = {});
};

// A view that grows with its content and can be split over pages.
class TfrStretcheable : public TfrView {
public:
    virtual int ContentHeight() = 0;
    virtual int MinHeight() = 0;
    virtual int UnprintedHeight() = 0;
    // Every part of a view split over pages was printed.
    virtual bool AllPrinted() { return UnprintedHeight() <= 0; }

    int PrintedHeight = 0;  // summed by the band printing over the parts of a split view
    uint8_t PartMode = 0;   // 0 whole, 2 content already evaluated, 3 only the part that fits
};

// Add-in registry: classes stored with type byte 10 and their class name.
struct TfrAddInObjectInfo {
    QString ClassName;
    std::function<TfrView*()> Create;
    QObject* EditWindow = nullptr;
    QImage ToolGlyph;
    QString ToolHint;
};

constexpr int frMaxAddIns = 32;
extern TfrAddInObjectInfo frAddIns[frMaxAddIns];
extern int frViewClassCount;
extern int frNextViewID;

// Appends a class to the registry; a class beyond the 32nd is refused with EStreamError.
void frRegisterObject(const QString& className, std::function<TfrView*()> create, const QImage& toolGlyph,
                      const QString& toolHint, QObject* editWindow);
// The view of a type byte (and, for type 10, a registered class name); nullptr for other bytes;
// EClassNotFound "Bulunamadı" + name for an unknown add-in.
std::unique_ptr<TfrView> frCreateObject(uint8_t objectType, const QString& className);

// Readers that choose the old terminated forms for templates below version 23.
QString frReadStringVersioned(TStream& stream);
void frReadMemoVersioned(TStream& stream, TStringList& lines);

// The same font turned 90 degrees counter-clockwise.
TLogFont frCreateRotatedFont(const TLogFont& font);

// The canvas of the 96-dpi bitmap every view measures on.
TCanvas& frMeasureCanvas();

// The data set feeding the band being printed (frCurrentBand), by the band's type: the master, detail,
// subdetail or cross data band of the current page feeds its headers, footers and groups; nullptr for
// other types, no band, or a source that is no database data set.
TDataSet* frCurrentBandDataSet();
// The view of the current report that carries a name (names compare without regard to case); the report
// unit installs its lookup, nullptr while none is installed.
extern TfrView* (*frFindReportObject)(const QString& name);
// Which band of a page holds a band type; the page unit installs it (nullptr while no page can answer).
extern TfrBand* (*frPageBandOfType)(TfrPage* page, uint8_t bandType);

// A name of a count ("5") makes a virtual data set of that many records (IsVirtual: the caller owns it);
// another name is looked up among the report owner's components. The data set found is told Init; the
// caller tells it Exit when it no longer needs it.
void frResolveDataSet(const QString& name, TfrDataset*& dataSet, bool& isVirtual);
