#include "base/printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

TPrinter::TPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    Refresh();
}

TPrinter::~TPrinter()
{
    if (painter_)
        painter_->end();
}

void TPrinter::Refresh()
{
    QString current = index_ >= 0 && index_ < printers_.size() ? printers_.at(index_) : QString();
    printers_ = QPrinterInfo::availablePrinterNames();
    index_ = -1;
    if (printers_.isEmpty())
        return;
    int i = current.isEmpty() ? -1 : static_cast<int>(printers_.indexOf(current));
    if (i < 0)
        i = static_cast<int>(printers_.indexOf(QPrinterInfo::defaultPrinterName()));
    SetPrinterIndex(i < 0 ? 0 : i);
}

void TPrinter::SetPrinterIndex(int index)
{
    if (index < 0 || index >= printers_.size())
        return;
    index_ = index;
    const bool another = printer_->printerName() != printers_.at(index);
    printer_->setOutputFormat(QPrinter::NativeFormat);
    printer_->setPrinterName(printers_.at(index));
    if (another) {
        // A printer picked starts on its own default paper, upright, not on the paper of the one before,
        // and prints on one or both sides as it does by default.
        const QPrinterInfo info = QPrinterInfo::printerInfo(printers_.at(index));
        const QPageSize paper = info.defaultPageSize();
        if (paper.isValid())
            SetPageSize(paper, QPageLayout::Portrait);
        printer_->setDuplex(info.defaultDuplexMode());
    }
    // A file name left on the device would send every job of this printer into that file.
    printer_->setOutputFileName(QString());
    if (PrintsToFile())
        SetOutputFileName(outputFileName_);
}

std::vector<TPrinter::Paper> TPrinter::SupportedPapers() const
{
    std::vector<Paper> papers;
    if (index_ < 0)
        return papers;
    QPrinterInfo info = QPrinterInfo::printerInfo(printers_.at(index_));
    for (const QPageSize& size : info.supportedPageSizes())
        papers.push_back({size.windowsId(), size.name(), size});
    return papers;
}

QPageSize TPrinter::CurrentPageSize() const
{
    return printer_->pageLayout().pageSize();
}

QPageLayout::Orientation TPrinter::CurrentOrientation() const
{
    return printer_->pageLayout().orientation();
}

void TPrinter::SetPageSize(const QPageSize& size, QPageLayout::Orientation orientation)
{
    printer_->setPageSize(size);
    printer_->setPageOrientation(orientation);
}

int TPrinter::Resolution() const
{
    return printer_->resolution();
}

QRect TPrinter::FullPageRect() const
{
    return printer_->pageLayout().fullRectPixels(printer_->resolution());
}

QRect TPrinter::PrintableRect() const
{
    // The printer's margins, whatever page mode a caller left the device in.
    QPageLayout layout = printer_->pageLayout();
    layout.setMode(QPageLayout::StandardMode);
    return layout.paintRectPixels(printer_->resolution());
}

void TPrinter::SetTitle(const QString& title)
{
    printer_->setDocName(title);
}

void TPrinter::SetCopies(int copies)
{
    printer_->setCopyCount(qMax(1, copies));
}

bool TPrinter::BeginDoc()
{
    if (painter_)
        return true;
    // The page's origin stays at the printable area's corner, as the engine expects of a printer: it
    // shifts a page drawn on the whole sheet by the printer offsets itself.
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        return false;
    }
    return true;
}

void TPrinter::NewPage()
{
    if (painter_)
        printer_->newPage();
}

void TPrinter::EndDoc()
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void TPrinter::Abort()
{
    if (painter_) {
        printer_->abort();
        painter_->end();
        painter_.reset();
    }
}

void TPrinter::SetOutputFileName(const QString& fileName)
{
    outputFileName_ = fileName;
    printer_->setOutputFormat(fileName.isEmpty() ? QPrinter::NativeFormat : QPrinter::PdfFormat);
    printer_->setOutputFileName(fileName);
}

TPrinter& Printer()
{
    static TPrinter printer;
    return printer;
}
