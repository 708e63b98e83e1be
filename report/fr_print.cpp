// Sending a report's prepared pages to the printer.
#include "report/fr_report.h"

#include "base/dialogs.h"
#include "base/exceptions.h"
#include "base/printer.h"
#include "report/fr_globals.h"
#include "report/fr_page_list.h"
#include "report/fr_pages.h"
#include "report/fr_progr.h"
#include "report/fr_prntr.h"
#include "report/fr_strings.h"

#include <QLabel>
#include <QRect>

#include <algorithm>

namespace {
// The printer's measurements of the current paper. The virtual printer knows no device; when it is
// selected the pages go to a file, and the device values come from that file's page.
void readPageInfo(TfrPrinterInfo& info)
{
    TfrPrinter& printer = frPrinterObject();
    printer.GetPageInfo(info);
    if (!printer.IsVirtual())
        return;
    const QRect full = Printer().FullPageRect();
    const QRect printable = Printer().PrintableRect();
    info.PhysicalWidthDev = full.width();
    info.PhysicalHeightDev = full.height();
    info.OffsetXDev = printable.left();
    info.OffsetYDev = printable.top();
    info.PrintableWidthDev = printable.width();
    info.PrintableHeightDev = printable.height();
}

void applyPaper(TfrEMFPage& page)
{
    TfrPrinter& printer = frPrinterObject();
    printer.SetPaper(page.PaperSize, page.Width, page.Height, page.Orientation);
    if (printer.IsVirtual())
        frApplyPaper(Printer(), page.PaperSize, page.Width, page.Height, page.Orientation);
    readPageInfo(page.PageInfo);
}

void beginDoc()
{
    if (!Printer().BeginDoc()) {
        const TfrPrinter& printer = frPrinterObject();
        const QString name = printer.IsVirtual() ? QString() : printer.Printers.value(printer.PrinterIndex);
        throw EPrinter(name.isEmpty() ? QStringLiteral("Yazdırma başlatılamadı: yazıcı bulunamadı.")
                                      : QStringLiteral("Yazdırma başlatılamadı: %1").arg(name));
    }
}

// A print job that an error leaves half sent is cancelled, not left open.
struct AbortUnlessEnded {
    ~AbortUnlessEnded()
    {
        if (Printer().Printing())
            Printer().Abort();
    }
};

void giveEveryPageItsPaper(TfrPages& pages)
{
    for (int i = 0; i < pages.Count(); ++i) {
        TfrPage& page = pages.Pages(i);
        page.ChangePaper(page.PaperSize, page.Width, page.Height, page.Orientation);
    }
}
}  // namespace

void TfrReport::PrintPreparedReport(const QString& pageList, int copies)
{
    frCurrentReport = frMasterReport = this;
    Terminated = false;
    PrintPageList = pageList;
    PrintCopies = copies;
    if (frUsesProgressWindow(*this)) {
        TfrProgressForm& progress = frGetProgressForm();
        progress.setWindowTitle(frCaptionWithTitle(frLoadStr(frRes_ReportPreparing), Title));
        progress.ProgressPrefix = frLoadStr(frRes_PrintingPage);
        progress.Label1->setText(progress.ProgressPrefix);
        progress.OnShownWork = [this](TfrProgressForm* sender) {
            SendToPrinter(PrintPageList, PrintCopies);
            sender->Finish();
        };
        progress.RunModal(this);
        progress.OnShownWork = nullptr;
    } else {
        SendToPrinter(PrintPageList, PrintCopies);
    }
    Terminated = false;
}

void TfrReport::SendToPrinter(const QString& pageList, int copies)
{
    TfrPrinter& printer = frPrinterObject();
    frEngineMode = 1;  // views draw their page geometry, not their design one
    printer.AttachPrinter(&Printer());
    const TfrPageList list = TfrPageList::Parse(pageList);
    copies = std::max(copies, 1);
    if (EMFPages.Count() == 0)
        return;
    applyPaper(EMFPages.Pages(0));
    Printer().SetTitle("Report: " + (Title.isEmpty() ? frLoadStr(frRes_Untitled) : Title));
    Printer().SetCopies(1);
    AbortUnlessEnded abortOnError;
    // The document begins with the first page sent, so that a list selecting no page prints no sheet.
    bool docOpen = false;
    for (int i = 0; i < EMFPages.Count(); ++i) {
        if (!list.Contains(i + 1))
            continue;
        for (int copy = 0; copy < copies; ++copy) {
            TfrEMFPage& page = EMFPages.Pages(i);
            if (!printer.IsEqualPaper(page.PaperSize, page.Width, page.Height, page.Orientation)) {
                // A printer takes another paper only between documents; a file holds every page, and
                // the next page of it simply has the new size.
                if (docOpen && !Printer().PrintsToFile()) {
                    Printer().EndDoc();
                    docOpen = false;
                }
                applyPaper(page);
            }
            if (docOpen) {
                Printer().NewPage();
            } else {
                beginDoc();
                docOpen = true;
            }
            readPageInfo(page.PageInfo);
            page.Visible = 1;
            const TfrPrinterInfo& info = page.PageInfo;
            const TRect rect = page.ApplyMargins != 0
                                   ? TRect{-info.OffsetXDev, -info.OffsetYDev,
                                           info.PhysicalWidthDev - info.OffsetXDev,
                                           info.PhysicalHeightDev - info.OffsetYDev}
                                   : TRect{0, 0, info.PrintableWidthDev, info.PrintableHeightDev};
            {
                TCanvas canvas(Printer().Canvas());
                EMFPages.Draw(i, canvas, rect);
                page.Visible = 0;
                EMFPages.Draw(i, canvas, TRect{});
            }
            UpdateProgress(i + 1);
            frProcessMessages();
            if (Terminated) {
                Printer().Abort();
                return;
            }
        }
    }
    if (docOpen)
        Printer().EndDoc();
}

bool TfrReport::ChangePrinter(int oldIndex, int newIndex)
{
    TfrPrinter& printer = frPrinterObject();
    try {
        // Only an installed printer prints; the virtual entry and indexes past the list do not.
        if (newIndex < 0 || newIndex >= printer.VirtualPrinterIndex)
            throw EPrinter(frLoadStr(frRes_PrinterNotValid));
        printer.SetPrinterIndex(newIndex);
        printer.PaperSize = -1;
        giveEveryPageItsPaper(Pages);
        return true;
    } catch (const std::exception&) {
        Dialogs().MessageBox(frLoadStr(frRes_PrinterNotValid), frLoadStr(frRes_Error), DialogService::Error,
                             DialogService::Ok);
        printer.SetPrinterIndex(oldIndex);
        giveEveryPageItsPaper(Pages);
        return false;
    }
}
