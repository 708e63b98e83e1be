#pragma once

#include "base/canvas.h"
#include "report/fr_prntr.h"

#include <QString>

#include <memory>

// The prepared pages as the preview window holds them.
class TfrPreviewPages {
public:
    virtual ~TfrPreviewPages() = default;
    virtual int Count() const = 0;
    virtual const TfrPrinterInfo& PageInfo(int index) const = 0;
    virtual bool ApplyMargins(int index) const = 0;
    // A page that is not visible frees the view objects it read for drawing.
    virtual void SetVisible(int index, bool visible) = 0;
    // Draws page Index scaled into Rect; when it is not visible, only frees its views.
    virtual void Draw(int index, TCanvas& canvas, const TRect& rect) = 0;
};

// Bits of the report's preview buttons.
enum TfrPreviewButtonBit {
    frPbZoom = 0x01,
    frPbLoad = 0x02,
    frPbSave = 0x04,
    frPbPrint = 0x08,
    frPbFind = 0x10,
    frPbHelp = 0x20,
    frPbExit = 0x40,
};

// What the preview window calls on the report it shows. It must outlive a window that is not modal.
class TfrPreviewReport {
public:
    virtual ~TfrPreviewReport() = default;
    virtual int PreviewButtons() const = 0;  // TfrPreviewButtonBit
    virtual int InitialZoom() const = 0;     // 0 as last time, 1 page width, 2 one page, 3 two pages
    virtual bool ModalPreview() const = 0;
    virtual bool DesignState() const = 0;
    virtual bool FromTemplate() const = 0;
    // The report's prepared pages move to the caller; the report is left with an empty list.
    virtual std::unique_ptr<TfrPreviewPages> TakePreparedPages() = 0;
    // Pages given back; the report's empty list goes.
    virtual void ReturnPreparedPages(std::unique_ptr<TfrPreviewPages> pages) = 0;
    virtual void PrepareReport() = 0;
    virtual bool ChangePrinter(int oldIndex, int newIndex) = 0;
    virtual void PrintPreparedReport(const QString& pageList, int copies) = 0;
    // Reads the file into the report's prepared pages; raises when the file cannot be read.
    virtual void LoadPreparedReport(const QString& fileName) = 0;
    virtual void SavePreparedReport(const QString& fileName) = 0;
};
