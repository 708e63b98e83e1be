#include "report/fr_view.h"

#include "base/code_page.h"
#include "base/data_set.h"
#include "base/exceptions.h"
#include "base/format_settings.h"
#include "base/numbers.h"
#include "base/stream.h"
#include "report/fr_band_view.h"
#include "report/fr_band.h"
#include "report/fr_dbset.h"
#include "report/fr_dset.h"
#include "report/fr_globals.h"
#include "report/fr_intrp.h"
#include "report/fr_line_view.h"
#include "report/fr_memo_view.h"
#include "report/fr_pars.h"
#include "report/fr_picture_view.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"
#include "report/fr_subreport_view.h"
#include "report/fr_utils.h"

#include <algorithm>
#include <cmath>
#include <limits>

TfrAddInObjectInfo frAddIns[frMaxAddIns];
int frViewClassCount = 0;
int frNextViewID = 0;

int frRound(double value)
{
    const double r = std::nearbyint(value);
    if (std::isnan(r))
        return 0;
    if (r <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (r >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(r);
}

int32_t frCheckedGeometry(int32_t value, int32_t low, int32_t high)
{
    if (value < low || value > high)
        throw EReadError(QStringLiteral("Dosyadaki bir ölçü geçerli aralığın dışında: %1").arg(value));
    return value;
}

namespace {

// A whole width is stored as itself, another as thousandths; a stored value above 10 is thousandths.
int32_t EncodeFrameWidth(float width)
{
    // what the reader accepts: no negative width, none above 100
    double w = std::isnan(width) ? 0.0 : std::clamp(static_cast<double>(width), 0.0, 100.0);
    if (w == std::floor(w))
        return static_cast<int32_t>(w);
    return frRound(w * 1000);
}

float DecodeFrameWidth(int32_t stored)
{
    if (stored > 10)
        return static_cast<float>(stored / 1000.0);
    return static_cast<float>(stored);
}

TPenStyle PenStyleOf(uint16_t frameStyle)
{
    switch (frameStyle) {
    case 1: return TPenStyle::Dash;
    case 2: return TPenStyle::Dot;
    case 3: return TPenStyle::DashDot;
    case 4: return TPenStyle::DashDotDot;
    default: return TPenStyle::Solid;
    }
}

}  // namespace

TfrView::TfrView()
{
    QChar sep = FormatSettings().DecimalSeparator;
    Format = 0x200 + static_cast<uint8_t>(ToCp1254Char(sep));
}

TfrView::~TfrView() = default;

void TfrView::BeginDraw(TCanvas* canvas)
{
    Canvas = canvas;
    frCurrentView = this;
}

void TfrView::SetBounds(int left, int top, int width, int height)
{
    x = left;
    y = top;
    dx = width;
    dy = height;
}

void TfrView::MakeUniqueName()
{
    Name.clear();
    for (int n = 1; n <= 10000; ++n) {
        QString candidate = NamePrefix + QString::number(n);
        if (!frFindReportObject || !frFindReportObject(candidate)) {
            Name = candidate;
            return;
        }
    }
}

void TfrView::LoadFromBlob(TField*) {}

void TfrView::ViewPrinted(TfrView*) {}

void TfrView::SizeChanged() {}

void TfrView::Assign(const TfrView& source)
{
    Name = source.Name;
    ObjectType = source.ObjectType;
    Selected = source.Selected;
    x = source.x;
    y = source.y;
    dx = source.dx;
    dy = source.dy;
    Flags = source.Flags;
    FrameTyp = source.FrameTyp;
    FrameWidth = source.FrameWidth;
    FrameColor = source.FrameColor;
    FrameStyle = source.FrameStyle;
    FillColor = source.FillColor;
    Format = source.Format;
    FormatStr = source.FormatStr;
    Visible = source.Visible;
    Memo.Assign(source.Memo);
    Script.Assign(source.Script);
}

int TfrView::DeviceRight() const
{
    return frRound((SavedX + SavedDX) * ScaleX + OriginX);
}

int TfrView::DeviceBottom() const
{
    return frRound((SavedY + SavedDY) * ScaleY + OriginY);
}

void TfrView::CalcGaps()
{
    SavedX = x;
    SavedY = y;
    SavedDX = dx;
    SavedDY = dy;
    SavedFrameWidth = FrameWidth;
    if (frEngineMode == 0) {
        ScaleX = ScaleY = 1;
        OriginX = OriginY = 0;
    }
    x = frRound(x * ScaleX) + OriginX;
    y = frRound(y * ScaleY) + OriginY;
    dx = frRound(dx * ScaleX);
    dy = frRound(dy * ScaleY);
    double w = FrameWidth;
    int l = frRound((w * ScaleX - 1) / 2);
    int r = frRound(w * ScaleX / 2);
    int t = frRound((w * ScaleY - 1) / 2);
    int b = frRound(w * ScaleY / 2);
    FrameWidth = static_cast<float>(w * ScaleX);
    GapX = r + 2;
    GapY = b / 2 + 1;
    int right = DeviceRight();
    if (FrameTyp & frbRight)
        right -= r;
    int bottom = DeviceBottom();
    if (FrameTyp & frbBottom)
        bottom -= b;
    InnerRect = {(FrameTyp & frbLeft) ? x + l : x, (FrameTyp & frbTop) ? y + t : y, right + 1, bottom + 1};
}

void TfrView::RestoreCoord()
{
    x = SavedX;
    y = SavedY;
    dx = SavedDX;
    dy = SavedDY;
    FrameWidth = SavedFrameWidth;
}

void TfrView::DrawBackground()
{
    if (frMeasureOnly || !Canvas)
        return;
    int color = FillColor;
    if (color == frNoFillColor) {
        if (frEngineMode != 0)
            return;
        color = 0xFFFFFF;
    }
    Canvas->SetBrush(color);
    if (frEngineMode != 0)
        Canvas->FillRect({x, y, DeviceRight(), DeviceBottom()});
    else
        Canvas->FillRect(InnerRect);
}

void TfrView::DrawEdge(int x1, int y1, int x2, int y2, bool vertical)
{
    auto shifted = [&](int offset) {
        if (vertical)
            Canvas->Line(x1 + offset, y1, x2 + offset, y2);
        else
            Canvas->Line(x1, y1 + offset, x2, y2 + offset);
    };
    if (FrameStyle >= 1 && FrameStyle <= 4) {
        // Styled pens are one pixel wide: a wide edge is drawn as parallel lines. The gaps take the fill.
        int w = Canvas->PenWidth();
        Canvas->SetPenWidth(1);
        for (int k = 0; k < qMax(1, w); ++k) {
            int offset = -(w / 2) + k;
            if (FillColor != frNoFillColor) {
                Canvas->SetPen(FillColor, 1, TPenStyle::Solid);
                shifted(offset);
                Canvas->SetPen(FrameColor, 1, PenStyleOf(FrameStyle));
            }
            shifted(offset);
        }
        Canvas->SetPenWidth(w);
    } else if (FrameStyle == 5) {
        int w = frRound(FrameWidth);
        shifted(-w);
        // the middle line shows the fill; with no fill the background between the two lines stays
        if (FillColor != frNoFillColor) {
            Canvas->SetPenColor(FillColor);
            shifted(0);
            Canvas->SetPenColor(FrameColor);
        }
        shifted(w);
    } else {
        Canvas->Line(x1, y1, x2, y2);
    }
}

void TfrView::DrawFrame()
{
    if (frMeasureOnly || !Canvas)
        return;
    if (frEngineMode != 0 && (FrameTyp & 15) == 0)
        return;
    Canvas->SetBrushClear();
    Canvas->SetPen(FrameColor, frRound(FrameWidth), FrameStyle == 5 ? TPenStyle::Solid : PenStyleOf(FrameStyle));
    int right = DeviceRight();
    int bottom = DeviceBottom();
    if ((FrameTyp & 15) == 15 && FrameStyle == 0) {
        Canvas->Rectangle(x, y, right + 1, bottom + 1);
        return;
    }
    if (FrameTyp & frbRight)
        DrawEdge(right, y, right, bottom, true);
    if (FrameTyp & frbLeft)
        DrawEdge(x, y, x, bottom, true);
    if (FrameTyp & frbBottom)
        DrawEdge(x, bottom, right, bottom, false);
    if (FrameTyp & frbTop)
        DrawEdge(x, y, right, y, false);
}

QRegion TfrView::GetClipRgn(bool extended)
{
    double w = FrameWidth;
    int outer, inner;
    if (FrameStyle == 5) {
        outer = frRound(w * 1.5);
        inner = frRound((w - 1) / 2 + w);
    } else {
        outer = frRound(w / 2);
        inner = frRound((w - 1) / 2);
    }
    int l = x, t = y, r = x + dx + 1, b = y + dy + 1;
    if (FrameTyp & frbRight)
        r += inner;
    if (FrameTyp & frbBottom)
        b += inner;
    if (FrameTyp & frbLeft)
        l -= outer;
    if (FrameTyp & frbTop)
        t -= outer;
    if (extended) {
        l -= 10;
        t -= 10;
        r += 10;
        b += 10;
    }
    return QRegion(TRect{l, t, r, b}.ToQRect());
}

void TfrView::RunScript()
{
    if (frGlobalInterpreter && Script.Count() > 0)
        frGlobalInterpreter->RunScript(Script);
}

QString TfrView::ExpandLineVariables(QString s, const std::function<void(int at, int length, QString& value)>& placed)
{
    int i = 1;
    for (;;) {
        while (i < s.size() && s[i - 1] != QLatin1Char('['))
            ++i;
        int j = i;
        QString name;
        frExtractBracketedName(s, i, j, name);
        if (i == j)
            break;
        s.remove(i - 1, j - i + 1);
        QString value;
        if (frCurrentReport)
            frCurrentReport->GetVariableValue(name, value);
        if (placed)
            placed(i - 1, j - i + 1, value);
        s.insert(i - 1, value);
        i += static_cast<int>(value.size());
    }
    return s;
}

TField* TfrView::BlobField() const
{
    if (!DataSet || DataField.isEmpty())
        return nullptr;
    TField* field = DataSet->FindField(DataField);
    return field && field->DataType() >= ftBlob && field->DataType() <= ftTypedBinary ? field : nullptr;
}

void TfrView::WriteRecord(TStream& stream)
{
    stream.WriteByte(ObjectType);
    if (ObjectType == gtAddIn)
        frWriteString(stream, ClassName());
    SaveToStream(stream);
}

void TfrView::EnterRect()
{
    OutLines.Assign(Memo);
    if (frCurrentReport)
        frCurrentReport->DoEnterRect(OutLines, this);
}

void TfrView::Print(TStream& stream)
{
    BeginDraw(Canvas);
    EnterRect();
    RunScript();
    if (Visible != 0)
        WriteRecord(stream);
}

void TfrView::ExportData()
{
    if (frCurrentReport)
        frCurrentReport->DoExportData(this);
}

void TfrView::LoadFromStream(TStream& stream)
{
    if (RecordForm == 0) {
        if (frTemplateVersion >= 23)
            Name = frReadString(stream);
        else
            MakeUniqueName();
    }
    x = frCheckedGeometry(stream.ReadInteger(), -frMaxCoordinate, frMaxCoordinate);
    y = frCheckedGeometry(stream.ReadInteger(), -frMaxCoordinate, frMaxCoordinate);
    dx = frCheckedGeometry(stream.ReadInteger(), -frMaxCoordinate, frMaxCoordinate);
    dy = frCheckedGeometry(stream.ReadInteger(), -frMaxCoordinate, frMaxCoordinate);
    Flags = stream.ReadWord();
    FrameTyp = stream.ReadWord();
    // stored as whole pixels up to 10, above that in thousandths; no frame is wider than 100
    FrameWidth = DecodeFrameWidth(frCheckedGeometry(stream.ReadInteger(), 0, 100000));
    FrameColor = stream.ReadInteger();
    FrameStyle = stream.ReadWord();
    FillColor = stream.ReadInteger();
    if (RecordForm == 0) {
        Format = stream.ReadInteger();
        FormatStr = frReadStringVersioned(stream);
        frReadMemoVersioned(stream, Memo);
        if (frTemplateVersion >= 23) {
            frReadMemo(stream, Script);
            Visible = stream.ReadWord();
        }
    } else {
        frReadMemo(stream, Memo);
    }
}

void TfrView::SaveToStream(TStream& stream)
{
    if (RecordForm == 0)
        frWriteString(stream, Name);
    // A script may move a view anywhere; what is written stays within what the reader accepts, so
    // that the program's own pages and files always read back. So far off the page, the view shows
    // the same.
    for (int32_t value : {x, y, dx, dy})
        stream.WriteInteger(std::clamp(value, -frMaxCoordinate, frMaxCoordinate));
    stream.WriteWord(Flags);
    stream.WriteWord(FrameTyp);
    stream.WriteInteger(EncodeFrameWidth(FrameWidth));
    stream.WriteInteger(FrameColor);
    stream.WriteWord(FrameStyle);
    stream.WriteInteger(FillColor);
    if (RecordForm == 0) {
        stream.WriteInteger(Format);
        frWriteString(stream, FormatStr);
        frWriteMemo(stream, Memo);
        frWriteMemo(stream, Script);
        stream.WriteWord(Visible);
    } else {
        frWriteMemo(stream, OutLines);
    }
}

void frRegisterObject(const QString& className, std::function<TfrView*()> create, const QImage& toolGlyph,
                      const QString& toolHint, QObject* editWindow)
{
    if (frViewClassCount >= frMaxAddIns)
        throw EStreamError(QStringLiteral("Too many registered objects"));
    TfrAddInObjectInfo& info = frAddIns[frViewClassCount++];
    info.ClassName = className;
    info.Create = std::move(create);
    info.ToolGlyph = toolGlyph;
    info.ToolHint = toolHint;
    info.EditWindow = editWindow;
}

std::unique_ptr<TfrView> frCreateObject(uint8_t objectType, const QString& className)
{
    std::unique_ptr<TfrView> view;
    switch (objectType) {
    case gtMemo: view = std::make_unique<TfrMemoView>(); break;
    case gtPicture: view = std::make_unique<TfrPictureView>(); break;
    case gtBand: view = std::make_unique<TfrBandView>(); break;
    case gtSubReport: view = std::make_unique<TfrSubReportView>(); break;
    case gtLine: view = std::make_unique<TfrLineView>(); break;
    case gtAddIn:
        frRegisterRichView();
        for (int i = 0; i < frViewClassCount; ++i) {
            if (frAddIns[i].ClassName == className) {
                view.reset(frAddIns[i].Create());
                view->ObjectType = gtAddIn;
                break;
            }
        }
        if (!view)
            throw EClassNotFound(QStringLiteral("Bulunamadı") + className);
        break;
    default: return nullptr;
    }
    view->ID = frNextViewID++;
    return view;
}

QString frReadStringVersioned(TStream& stream)
{
    return frTemplateVersion < 23 ? frReadString22(stream) : frReadString(stream);
}

void frReadMemoVersioned(TStream& stream, TStringList& lines)
{
    if (frTemplateVersion < 23)
        frReadMemo22(stream, lines);
    else
        frReadMemo(stream, lines);
}

TLogFont frCreateRotatedFont(const TLogFont& font)
{
    TLogFont rotated = font;
    rotated.Orientation = 900;
    return rotated;
}

TfrBand* (*frPageBandOfType)(TfrPage* page, uint8_t bandType) = nullptr;
TfrView* (*frFindReportObject)(const QString& name) = nullptr;

TDataSet* frCurrentBandDataSet()
{
    if (!frCurrentBand)
        return nullptr;
    uint8_t dataBand;
    switch (frCurrentBand->BandType) {
    case 1: case 5: case 6: case 16: case 17: dataBand = 5; break;
    case 8: case 9: dataBand = 8; break;
    case 11: case 12: dataBand = 11; break;
    case 19: case 20: dataBand = 19; break;
    default: return nullptr;
    }
    TfrBand* band = frPageBandOfType ? frPageBandOfType(frCurrentBand->Parent, dataBand) : nullptr;
    auto* source = band ? qobject_cast<TfrDBDataSet*>(band->DataSet) : nullptr;
    return source ? source->GetDataSet() : nullptr;
}

void frResolveDataSet(const QString& name, TfrDataset*& dataSet, bool& isVirtual)
{
    dataSet = nullptr;
    isVirtual = false;
    if (!name.isEmpty() && name[0] >= QLatin1Char('1') && name[0] <= QLatin1Char('9')) {
        auto counted = std::make_unique<TfrUserDataset>();
        counted->RangeEnd = reCount;
        counted->RangeEndCount = StrToInt(name);
        counted->Init();
        dataSet = counted.release();
        isVirtual = true;
        return;
    }
    QObject* owner = frCurrentReport ? frCurrentReport->parent() : nullptr;
    auto* found = qobject_cast<TfrDataset*>(frFindComponentIn(owner, name));
    if (found == nullptr)
        return;
    // A source is handed out only once it took its Init, so that whoever holds it owes it an Exit.
    found->Init();
    dataSet = found;
}

TCanvas& frMeasureCanvas()
{
    static TMeasureBitmap bitmap;
    return bitmap.Canvas();
}
