// Showing a report: building it, then its prepared pages in the preview window.
#include "report/fr_report.h"

#include "base/dialogs.h"
#include "report/fr_globals.h"
#include "report/fr_progr.h"
#include "report/fr_report_preview.h"
#include "report/fr_strings.h"
#include "report/fr_view_form.h"

void TfrReport::ShowReport()
{
    PrepareReport();
    if (frErrorFlag) {
        EMFPages.Clear();
        Dialogs().MessageBox(frErrorText, frLoadStr(frRes_Error), DialogService::Error, DialogService::Ok);
        return;
    }
    ShowPreparedReport();
}

void TfrReport::ShowPreparedReport()
{
    frCurrentReport = frMasterReport = this;
    frBuildingFlag = true;
    frEngineMode = 1;  // the window draws the views at their page geometry
    if (EMFPages.Count() == 0)
        return;
    const QString caption = frCaptionWithTitle(frLoadStr(frRes_Preview), Title);
    if (Preview != nullptr) {
        Preview->setWindowTitle(caption);
        Preview->Connect(TfrReportPreview::For(this));
        return;
    }
    // The window goes with the window that owns the report; it frees itself when closed.
    auto* form = new TfrPreviewForm(qobject_cast<QWidget*>(parent()));
    form->setWindowTitle(caption);
    form->ShowReport(TfrReportPreview::For(this));
}

