#include "report/fr_prntr.h"

#include "base/numbers.h"
#include "base/printer.h"

#include <QPageSize>
#include <QRect>
#include <QSizeF>

#include <cstdlib>
#include <utility>

namespace {
constexpr long double kx = 93.0L / 1.022L;
constexpr long double ky = 93.0L / 1.015L;

int32_t toUnits(long double value, long double k, long double perInch)
{
    return static_cast<int32_t>(Round(value * k / perInch));
}
}  // namespace

const std::array<TfrPaperInfo, frPaperCount> frPaperSizes = {{
    {1, 2159, 2794},   {2, 2159, 2794},   {3, 2794, 4318},   {4, 4318, 2794},   {5, 2159, 3556},
    {6, 1397, 2159},   {7, 1842, 2667},   {8, 2970, 4200},   {9, 2100, 2970},   {10, 2100, 2970},
    {11, 1480, 2100},  {12, 2500, 3540},  {13, 1820, 2570},  {14, 2159, 3302},  {15, 2150, 2750},
    {16, 2540, 3556},  {17, 2794, 4318},  {18, 2159, 2794},  {19, 984, 2254},   {20, 1048, 2413},
    {21, 1143, 2635},  {22, 1207, 2794},  {23, 1270, 2921},  {24, 4318, 5588},  {25, 5588, 8636},
    {26, 8636, 11176}, {27, 1100, 2200},  {28, 1620, 2290},  {29, 3240, 4580},  {30, 2290, 3240},
    {31, 1140, 1620},  {32, 1140, 2290},  {33, 2500, 3530},  {34, 1760, 2500},  {35, 1760, 1250},
    {36, 1100, 2300},  {37, 984, 1905},   {38, 920, 1651},   {39, 3778, 2794},  {40, 2159, 3048},
    {41, 2159, 3302},  {42, 2500, 3530},  {43, 1000, 1480},  {44, 2286, 2794},  {45, 2540, 2794},
    {46, 3810, 2794},  {47, 2200, 2200},  {50, 2355, 3048},  {51, 2355, 3810},  {52, 2969, 4572},
    {53, 2354, 3223},  {54, 2101, 2794},  {55, 2100, 2970},  {56, 2355, 3048},  {57, 2270, 3560},
    {58, 3050, 4870},  {59, 2159, 3223},  {60, 2100, 3300},  {61, 1480, 2100},  {62, 1820, 2570},
    {63, 3220, 4450},  {64, 1740, 2350},  {65, 2010, 2760},  {66, 4200, 5940},  {67, 2970, 4200},
    {68, 3220, 4450},  {256, 0, 0},
}};

namespace {
// Within a millimetre either way, as the sheet lies.
bool nearTablePaper(const TfrPaperInfo& row, int width, int height)
{
    auto near = [](int a, int b) { return std::abs(a - b) <= 10; };
    return (near(row.X, width) && near(row.Y, height)) || (near(row.Y, width) && near(row.X, height));
}
}  // namespace

void frSnapToTablePaper(int32_t& paperSize, int32_t& width, int32_t& height)
{
    const TfrPaperInfo* match = nullptr;
    for (const TfrPaperInfo& row : frPaperSizes) {
        if (row.Typ == frCustomPaper || !nearTablePaper(row, width, height))
            continue;
        if (row.Typ == paperSize) {
            match = &row;
            break;
        }
        if (match == nullptr)
            match = &row;
    }
    if (match == nullptr)
        return;
    paperSize = match->Typ;
    const bool landscape = width > height;
    const bool rowLandscape = match->X > match->Y;
    width = landscape == rowLandscape ? match->X : match->Y;
    height = landscape == rowLandscape ? match->Y : match->X;
}

bool TfrPrinter::hasInstalledPrinters() const
{
    return printer_ && !printer_->Printers().isEmpty();
}

void TfrPrinter::AttachPrinter(TPrinter* printer)
{
    Printers.clear();
    PrinterIndex = 0;
    printer_ = printer;
    paperApplied_ = false;
    if (printer_)
        printer_->Refresh();
    if (hasInstalledPrinters()) {
        Printers = printer_->Printers();
        PrinterIndex = printer_->PrinterIndex();
    }
    // The virtual printer's entry has an empty name. Its index is known before the paper is read, or
    // the first installed printer would pass for the virtual one of an earlier attach.
    Printers << QString();
    VirtualPrinterIndex = static_cast<int>(Printers.size()) - 1;
    if (hasInstalledPrinters())
        ReadPrinterState();
}

void TfrPrinter::SetPrinterIndex(int index)
{
    PrinterIndex = index;
    paperApplied_ = false;
    if (index == VirtualPrinterIndex) {
        ApplyPrinterState();
        return;
    }
    if (hasInstalledPrinters()) {
        printer_->SetPrinterIndex(index);
        ReadPrinterState();
    }
}

QString TfrPrinter::SelectedPrinterName() const
{
    if (PrinterIndex >= 0 && PrinterIndex < Printers.size())
        return Printers.at(PrinterIndex);
    return QString();
}

bool TfrPrinter::IsEqualPaper(int paperSize, int width, int height, int orientation) const
{
    if (!paperApplied_)
        return false;
    if (paperSize == frCustomPaper)
        return paperSize == PaperSize && width == PaperWidth && height == PaperHeight &&
               orientation == Orientation;
    return paperSize == PaperSize && orientation == Orientation;
}

void TfrPrinter::SetPaper(int paperSize, int width, int height, int orientation)
{
    if (IsEqualPaper(paperSize, width, height, orientation))
        return;
    PaperSize = paperSize;
    PaperWidth = width;
    PaperHeight = height;
    Orientation = static_cast<uint8_t>(orientation);
    ApplyPrinterState();
    paperApplied_ = true;
}

void TfrPrinter::ApplyPrinterState()
{
    if (IsVirtual() || !hasInstalledPrinters()) {
        PaperNames.clear();
        PaperSizes.fill(0);
        for (int i = 0; i < frPaperCount; ++i) {
            const TfrPaperInfo& row = frPaperSizes[static_cast<size_t>(i)];
            PaperNames << QString();  // the table's names are string resources this program leaves empty
            PaperSizes[static_cast<size_t>(i)] = static_cast<int16_t>(row.Typ);
            if (PaperSize != frCustomPaper && PaperSize == row.Typ) {
                PaperWidth = Orientation == 1 ? row.Y : row.X;
                PaperHeight = Orientation == 1 ? row.X : row.Y;
            }
        }
        PaperCount = frPaperCount;
        return;
    }
    frApplyPaper(*printer_, PaperSize, PaperWidth, PaperHeight, Orientation);
    ReadPrinterState();
}

void TfrPrinter::ReadPrinterState()
{
    if (!hasInstalledPrinters() || IsVirtual())
        return;
    int id = printer_->CurrentPageSize().windowsId();
    PaperSize = id > 0 ? id : frCustomPaper;
    QRect full = printer_->FullPageRect();
    long double dpi = printer_->Resolution();
    PaperWidth = static_cast<int32_t>(Round(full.width() / dpi * 254));
    PaperHeight = static_cast<int32_t>(Round(full.height() / dpi * 254));
    frSnapToTablePaper(PaperSize, PaperWidth, PaperHeight);
    PaperSizes.fill(0);
    PaperNames.clear();
    PaperCount = 0;
    // No more papers than the id array holds; a driver offering more is cut there.
    for (const TPrinter::Paper& paper : printer_->SupportedPapers()) {
        if (PaperCount >= static_cast<int>(PaperSizes.size()))
            break;
        PaperSizes[static_cast<size_t>(PaperCount++)] =
            static_cast<int16_t>(paper.windowsId > 0 ? paper.windowsId : frCustomPaper);
        PaperNames << paper.name.left(64);
    }
}

void TfrPrinter::GetPageInfo(TfrPrinterInfo& info) const
{
    if (IsVirtual() || !hasInstalledPrinters()) {
        info.PageWidth = toUnits(PaperWidth, kx, 254);
        info.PageHeight = toUnits(PaperHeight, ky, 254);
        info.OffsetX = toUnits(50, kx, 254);
        info.OffsetY = toUnits(50, ky, 254);
        info.PrintableWidth = info.PageWidth - 2 * info.OffsetX;
        info.PrintableHeight = info.PageHeight - 2 * info.OffsetY;
        return;
    }
    long double dpi = printer_->Resolution();
    QRect full = printer_->FullPageRect();
    QRect printable = printer_->PrintableRect();
    info.PhysicalWidthDev = full.width();
    info.PhysicalHeightDev = full.height();
    info.PageWidth = toUnits(full.width(), kx, dpi);
    info.PageHeight = toUnits(full.height(), ky, dpi);
    info.OffsetXDev = printable.left();
    info.OffsetYDev = printable.top();
    info.OffsetX = toUnits(printable.left(), kx, dpi);
    info.OffsetY = toUnits(printable.top(), ky, dpi);
    info.PrintableWidthDev = printable.width();
    info.PrintableHeightDev = printable.height();
    info.PrintableWidth = toUnits(printable.width(), kx, dpi);
    info.PrintableHeight = toUnits(printable.height(), ky, dpi);
}

void frApplyPaper(TPrinter& printer, int paperSize, int width, int height, int orientation)
{
    QPageLayout::Orientation qtOrientation = orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
    QPageSize size;
    if (paperSize == frCustomPaper) {
        // The custom size is the sheet as seen in its orientation; Qt wants it upright.
        if (orientation == 1)
            std::swap(width, height);
        size = QPageSize(QSizeF(width / 10.0, height / 10.0), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    } else {
        size = QPageSize(QPageSize::id(paperSize));
    }
    printer.SetPageSize(size.isValid() ? size : printer.CurrentPageSize(), qtOrientation);
}

TfrPrinter& frPrinterObject()
{
    static TfrPrinter* object = [] {
        auto* p = new TfrPrinter;
        p->AttachPrinter(&Printer());
        return p;
    }();
    return *object;
}
