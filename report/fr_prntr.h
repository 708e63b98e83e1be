#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

class TPrinter;

// Page geometry the engine places everything by; report units are 93/1.022 per inch horizontally and
// 93/1.015 vertically, device values printer pixels.
struct TfrPrinterInfo {
    int32_t PhysicalWidthDev = 0;
    int32_t PhysicalHeightDev = 0;
    int32_t PageWidth = 0;
    int32_t PageHeight = 0;
    int32_t OffsetXDev = 0;
    int32_t OffsetYDev = 0;
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
    int32_t PrintableWidthDev = 0;
    int32_t PrintableHeightDev = 0;
    int32_t PrintableWidth = 0;
    int32_t PrintableHeight = 0;

    bool operator==(const TfrPrinterInfo&) const = default;
};

// One row of the built-in paper table: id in the paper numbering the templates store, size in 0.1 mm.
struct TfrPaperInfo {
    int32_t Typ;
    int32_t X;
    int32_t Y;
};

constexpr int frPaperCount = 67;
constexpr int frCustomPaper = 256;
extern const std::array<TfrPaperInfo, frPaperCount> frPaperSizes;

// Stands between the engine and the printers: the installed printers plus a virtual printer that lays
// out pages from the paper table when no printer is installed or chosen.
class TfrPrinter {
public:
    void AttachPrinter(TPrinter* printer);
    void SetPrinterIndex(int index);
    void SetPaper(int paperSize, int width, int height, int orientation);
    bool IsEqualPaper(int paperSize, int width, int height, int orientation) const;
    void GetPageInfo(TfrPrinterInfo& info) const;
    void ReadPrinterState();
    void ApplyPrinterState();

    bool IsVirtual() const { return PrinterIndex == VirtualPrinterIndex; }
    // The name stored in templates and prepared reports; the virtual printer's is empty.
    QString SelectedPrinterName() const;
    TPrinter* Printer() const { return printer_; }

    QStringList PaperNames;
    QStringList Printers;
    int PrinterIndex = 0;
    int VirtualPrinterIndex = 0;
    uint8_t Orientation = 0;
    int32_t PaperSize = 0;
    int32_t PaperWidth = 0;
    int32_t PaperHeight = 0;
    std::array<int16_t, 256> PaperSizes{};
    int PaperCount = 0;

private:
    bool hasInstalledPrinters() const;
    TPrinter* printer_ = nullptr;
    // False from a change of printer to the next paper applied: a printer picked starts on its own
    // paper, upright, whatever the fields above still say.
    bool paperApplied_ = false;
};

// A size that a printer reports in whole points (A4 as 595 x 842: 2099 x 2970) is the paper of the table
// within a millimetre of it: its id (the one given when that matches) and the table's size, in the
// orientation the size lies. Other sizes are left as they are.
void frSnapToTablePaper(int32_t& paperSize, int32_t& width, int32_t& height);

// Gives the program's printer device the paper of a page: an id of the paper numbering, or the custom
// id 256 with its width and height in 0.1 mm as seen in the orientation. An id the device does not know
// keeps the device's current size.
void frApplyPaper(TPrinter& printer, int paperSize, int width, int height, int orientation);

// The engine's one printer object, attached to the program's printer on first use.
TfrPrinter& frPrinterObject();
