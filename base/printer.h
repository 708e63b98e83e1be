#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QPainter;
class QPrinter;

// The class library's printer object over Qt print support: the installed printers are the CUPS
// destinations. One instance for the program (Printer()).
class TPrinter {
public:
    TPrinter();
    ~TPrinter();

    // Re-reads the installed printers; printers installed meanwhile are seen.
    void Refresh();
    const QStringList& Printers() const { return printers_; }
    int PrinterIndex() const { return index_; }
    void SetPrinterIndex(int index);  // EInOutError-free: an index out of range is ignored

    // Paper of the selected printer.
    struct Paper {
        int windowsId = 0;  // the paper-id numbering of the report engine (0 when Qt has none)
        QString name;
        QPageSize size;
    };
    std::vector<Paper> SupportedPapers() const;
    QPageSize CurrentPageSize() const;
    QPageLayout::Orientation CurrentOrientation() const;
    void SetPageSize(const QPageSize& size, QPageLayout::Orientation orientation);

    // Device measurements of the selected printer with its current paper, in printer pixels.
    int Resolution() const;  // pixels per inch, both directions
    QRect FullPageRect() const;
    QRect PrintableRect() const;  // relative to the full page

    // Printing.
    void SetTitle(const QString& title);
    void SetCopies(int copies);
    bool BeginDoc();  // false when the printer cannot start a document
    void NewPage();
    void EndDoc();
    void Abort();
    bool Printing() const { return painter_ != nullptr; }
    QPainter* Canvas() { return painter_.get(); }
    QPrinter& Device() { return *printer_; }

    // For tests: print into a PDF file instead of the selected printer, whichever printer is chosen
    // later; an empty name prints to the printer again.
    void SetOutputFileName(const QString& fileName);
    bool PrintsToFile() const { return !outputFileName_.isEmpty(); }

private:
    QStringList printers_;
    int index_ = -1;
    QString outputFileName_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
};

TPrinter& Printer();
