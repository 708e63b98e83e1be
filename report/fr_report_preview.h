#pragma once

#include "report/fr_emf_pages.h"
#include "report/fr_preview_host.h"

#include <QObject>

class TfrReport;

// A report's prepared pages while a preview window holds them.
class TfrEMFPreviewPages : public TfrPreviewPages {
public:
    explicit TfrEMFPreviewPages(TfrReport* report) : pages_(report) {}

    TfrEMFPages& Pages() { return pages_; }
    int Count() const override { return pages_.Count(); }
    const TfrPrinterInfo& PageInfo(int index) const override { return pages_.Pages(index).PageInfo; }
    bool ApplyMargins(int index) const override { return pages_.Pages(index).ApplyMargins != 0; }
    void SetVisible(int index, bool visible) override { pages_.Pages(index).Visible = visible ? 1 : 0; }
    void Draw(int index, TCanvas& canvas, const TRect& rect) override { pages_.Draw(index, canvas, rect); }

private:
    TfrEMFPages pages_;
};

// A report as its preview window sees it. One per report, owned by the report, so that it lives as
// long as a window that shows the report's pages.
class TfrReportPreview : public QObject, public TfrPreviewReport {
    Q_OBJECT
public:
    static TfrReportPreview* For(TfrReport* report);

    int PreviewButtons() const override;
    int InitialZoom() const override;
    bool ModalPreview() const override;
    bool DesignState() const override { return false; }  // no report is designed in this program
    bool FromTemplate() const override;
    std::unique_ptr<TfrPreviewPages> TakePreparedPages() override;
    void ReturnPreparedPages(std::unique_ptr<TfrPreviewPages> pages) override;
    void PrepareReport() override;
    bool ChangePrinter(int oldIndex, int newIndex) override;
    void PrintPreparedReport(const QString& pageList, int copies) override;
    void LoadPreparedReport(const QString& fileName) override;
    void SavePreparedReport(const QString& fileName) override;

private:
    explicit TfrReportPreview(TfrReport* report);
    TfrReport* report_;
};
