#include "report/fr_report_preview.h"

#include "report/fr_report.h"

TfrReportPreview* TfrReportPreview::For(TfrReport* report)
{
    if (auto* existing = report->findChild<TfrReportPreview*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new TfrReportPreview(report);
}

TfrReportPreview::TfrReportPreview(TfrReport* report) : QObject(report), report_(report) {}

int TfrReportPreview::PreviewButtons() const
{
    return static_cast<int>(report_->PreviewButtons);
}

int TfrReportPreview::InitialZoom() const
{
    return report_->InitialZoom;
}

bool TfrReportPreview::ModalPreview() const
{
    return report_->ModalPreview;
}

bool TfrReportPreview::FromTemplate() const
{
    return report_->FromTemplate;
}

std::unique_ptr<TfrPreviewPages> TfrReportPreview::TakePreparedPages()
{
    auto pages = std::make_unique<TfrEMFPreviewPages>(report_);
    pages->Pages().Swap(report_->EMFPages);
    return pages;
}

void TfrReportPreview::ReturnPreparedPages(std::unique_ptr<TfrPreviewPages> pages)
{
    // Whatever the report prepared meanwhile goes with the list the window gives back its place to.
    report_->EMFPages.Clear();
    if (auto* held = dynamic_cast<TfrEMFPreviewPages*>(pages.get()))
        held->Pages().Swap(report_->EMFPages);
}

void TfrReportPreview::PrepareReport()
{
    report_->PrepareReport();
}

bool TfrReportPreview::ChangePrinter(int oldIndex, int newIndex)
{
    return report_->ChangePrinter(oldIndex, newIndex);
}

void TfrReportPreview::PrintPreparedReport(const QString& pageList, int copies)
{
    report_->PrintPreparedReport(pageList, copies);
}

void TfrReportPreview::LoadPreparedReport(const QString& fileName)
{
    report_->LoadPreparedReport(fileName);
}

void TfrReportPreview::SavePreparedReport(const QString& fileName)
{
    report_->SavePreparedReport(fileName);
}
