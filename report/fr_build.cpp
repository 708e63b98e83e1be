// Preparing a report: the passes over its template pages, the progress window they run in, and
// cancelling.
#include "report/fr_report.h"

#include "base/data_set.h"
#include "base/date_time.h"
#include "base/exceptions.h"
#include "report/fr_dset.h"
#include "report/fr_globals.h"
#include "report/fr_pages.h"
#include "report/fr_progr.h"
#include "report/fr_strings.h"
#include "report/fr_subreport_view.h"
#include "report/fr_utils.h"
#include "report/fr_values.h"
#include "report/fr_view.h"

#include <QApplication>
#include <QLabel>

namespace {

bool ProgressWindowRunning()
{
    return frProgressForm != nullptr && frProgressForm->isVisible();
}

void CloseProgressWindow(int result)
{
    if (ProgressWindowRunning())
        frProgressForm->done(result);
}

void FailBuild(TfrReport& report, const std::exception& e)
{
    if (!frErrorFlag) {
        frErrorText = frLoadStr(frRes_CalcError) + QLatin1Char('\n') + frLoadStr(frRes_ReportColon) +
                      QLatin1Char(' ') + report.objectName() + QLatin1Char('\n') +
                      ExceptionText(e);
        frErrorFlag = true;
    }
    if (frMasterReport != nullptr)
        frMasterReport->Terminated = true;
}

}  // namespace

void frProcessMessages()
{
    if (ProgressWindowRunning())
        frProgressForm->LetEventsThrough();
}

bool TfrReport::PrepareReport()
{
    frBuildingFlag = true;
    frEngineMode = 1;
    frDate = Date();
    frTime = Now();
    frMasterReport = frCurrentReport = this;
    Values.SetSorted(true);
    InstallParserHandlers();
    frErrorFlag = false;
    frErrorText.clear();
    if (OnBeginDoc)
        OnBeginDoc();
    const bool completed = RunPreparation();
    OutputRun = false;
    if (OnEndDoc)
        OnEndDoc();
    return completed && !frErrorFlag;
}

bool TfrReport::RunPreparation()
{
    Terminated = false;
    frAppendPage = false;
    frMeasureOnly = false;
    OutputRun = true;
    frCurrentPageNo = 0;
    passCancelled_ = false;
    EMFPages.Clear();
    const QString caption = frCaptionWithTitle(frLoadStr(frRes_ReportPreparing), Title);
    const bool useWindow = frUsesProgressWindow(*this);

    if (PrepareTwice != 0) {
        frMeasureOnly = true;
        OutputRun = false;
        frTotalPages = 0;
        if (useWindow && !ProgressWindowRunning())
            RunInProgressWindow(caption, frRes_FirstPass);
        else
            PreparePass();
        Terminated = false;
        return !passCancelled_;
    }

    // A single pass knows no page count; one left from another report would be wrong here.
    if (!finalPass_)
        frTotalPages = 0;
    if (useWindow && finalPass_ && ProgressWindowRunning()) {
        // the final pass of two goes on in the window the counting pass opened
        PrepareTwice = 1;
        frProgressForm->ProgressPrefix = frLoadStr(frRes_ProcessingPage);
        frProgressForm->Label1->setText(frProgressForm->ProgressPrefix + QStringLiteral("  1"));
        PreparePass();
    } else if (useWindow && !ProgressWindowRunning()) {
        if (RunInProgressWindow(caption, frRes_ProcessingPage) == 2)
            passCancelled_ = true;
    } else {
        PreparePass();
    }
    Terminated = false;
    return !passCancelled_;
}

int TfrReport::RunInProgressWindow(const QString& caption, int prefixId)
{
    TfrProgressForm& form = frGetProgressForm();
    form.setWindowTitle(caption);
    form.ProgressPrefix = frLoadStr(prefixId);
    form.Label1->setText(form.ProgressPrefix + QStringLiteral("  1"));
    form.OnShownWork = [this](TfrProgressForm*) { PreparePass(); };
    const int result = form.RunModal(this);
    form.OnShownWork = nullptr;
    return result;
}

void TfrReport::PreparePass()
{
    BuildReport();
    if (OutputRun) {
        passCancelled_ = Terminated;
        CloseProgressWindow(Terminated ? 2 : 1);
        return;
    }
    frTotalPages = EMFPages.Count();
    if (Terminated) {
        // A cancelled count ends the preparation: its pages are empty, and the final pass would run
        // on with nobody able to stop it.
        EMFPages.Clear();
        passCancelled_ = true;
        CloseProgressWindow(2);
        return;
    }
    PrepareTwice = 0;
    finalPass_ = true;
    RunPreparation();
    finalPass_ = false;
    PrepareTwice = 1;
}

void TfrReport::BindValueDataSets()
{
    for (int i = 0; i < Values.Count(); ++i) {
        TfrValue* value = Values.GetValue(i);
        if (value->Typ != TfrValue::vtDBField)
            continue;
        try {
            value->DSet_ = qobject_cast<TDataSet*>(frFindComponent(value->DSet));
        } catch (const std::exception&) {
            value->DSet_ = nullptr;
        }
    }
}

void TfrReport::BuildReport()
{
    frListeningViews.clear();
    FromTemplate = true;
    frBuildingFlag = true;
    frCurrentReport = this;
    if (frMasterReport == nullptr)
        frMasterReport = this;
    Values.SetSorted(true);
    InstallParserHandlers();
    frErrorFlag = false;
    TfrDataset* reportData = Dataset != nullptr && ReportType == rtMultiple ? Dataset.data() : nullptr;
    bool reportDataOpen = false;  // it took its Init and is owed its Exit
    try {
        if (reportData != nullptr) {
            reportData->Init();
            reportDataOpen = true;
            reportData->First();
        }
        // Pages that only print inside others are known before any page builds its bands.
        for (int i = 0; i < Pages.Count(); ++i)
            Pages.Pages(i).Skip = false;
        for (int i = 0; i < Pages.Count(); ++i) {
            for (const auto& view : Pages.Pages(i).Objects) {
                if (view->ObjectType != gtSubReport)
                    continue;
                const int target = static_cast<const TfrSubReportView&>(*view).PageIndex;
                if (target >= 0 && target < Pages.Count() && target != i)
                    Pages.Pages(target).Skip = true;
            }
        }
        for (int i = 0; i < Pages.Count(); ++i)
            Pages.Pages(i).InitReport();
        BindValueDataSets();
        for (int i = 0; i < Pages.Count(); ++i)
            Pages.Pages(i).PrepareObjects();

        for (;;) {
            UpdateProgress(frCurrentPageNo + 1);
            for (int i = 0; i < Pages.Count(); ++i) {
                TfrPage& page = Pages.Pages(i);
                FormingPage = &page;
                if (!page.Skip) {
                    page.Mode = 0;
                    if (OnManualBuild)
                        OnManualBuild(&page);
                    else
                        page.FormPage();
                }
                frAppendPage = false;
                const bool last = i == Pages.Count() - 1;
                const bool nextReportAppends = last && frAppendNextReport && (reportData == nullptr || reportData->Eof());
                const bool nextPageAppends = !last && Pages.Pages(i + 1).PrintOnPreviousPage != 0;
                if (nextReportAppends || nextPageAppends) {
                    --frCurrentPageNo;
                    frAppendPage = true;
                } else {
                    frCurrentPageNo = frMasterReport->EMFPages.Count();
                    UpdateProgress(frCurrentPageNo);
                }
                if (frMasterReport->Terminated)
                    break;
            }
            UpdateProgress(frCurrentPageNo);
            if (reportData != nullptr)
                reportData->Next();
            if (frMasterReport->Terminated || reportData == nullptr || reportData->Eof())
                break;
        }
    } catch (const std::exception& e) {
        FailBuild(*this, e);
    }
    // The sources go back where the pass found them (or close), so that the next pass finds them as
    // this one did.
    for (int i = 0; i < Pages.Count(); ++i) {
        try {
            Pages.Pages(i).ReleaseDataSets();
        } catch (const std::exception& e) {
            FailBuild(*this, e);
        }
        Pages.Pages(i).DoneReport();
    }
    if (reportDataOpen) {
        try {
            reportData->Exit();
        } catch (const std::exception& e) {
            FailBuild(*this, e);
        }
    }
    Values.SetSorted(false);
    FormingPage = nullptr;
    // nothing may point at the bands and views that went with the pass
    frCurrentBand = frAggregateBand = nullptr;
    frCurrentView = nullptr;
    frCurrentPage = nullptr;
}

void TfrReport::UpdateProgress(int pageNo)
{
    if (OnProgress) {
        OnProgress(pageNo);
        return;
    }
    if (!ShowProgress || !ProgressWindowRunning())
        return;
    QString text = frProgressForm->ProgressPrefix + QStringLiteral("  ") + QString::number(pageNo);
    const bool counted = frMasterReport != nullptr && frMasterReport->PrepareTwice != 0 && frMasterReport->OutputRun;
    if (counted || CurrentFilter != nullptr)
        text += QLatin1Char(' ') + frLoadStr(frRes_From) + QLatin1Char(' ') + QString::number(frTotalPages);
    frProgressForm->Label1->setText(text);
    frProcessMessages();
}
