#include "report/fr_composite_report.h"

#include "report/fr_globals.h"
#include "report/fr_pages.h"

void TfrCompositeReport::BuildReport()
{
    FromTemplate = true;
    frCurrentPageNo = 0;
    QList<TfrReport*> members;
    for (const QPointer<TfrReport>& report : Reports)
        if (report)
            members << report.data();
    for (int i = 0; i < members.size(); ++i) {
        TfrReport* member = members[i];
        TfrReport* next = i + 1 < members.size() ? members[i + 1] : nullptr;
        frAppendNextReport =
            next != nullptr && next->Pages.Count() > 0 && next->Pages.Pages(0).PrintOnPreviousPage != 0;
        if (member->OnBeginDoc)
            member->OnBeginDoc();
        member->BuildReport();
        // the members end their document once, in the pass that keeps its pages
        if (OutputRun && member->OnEndDoc)
            member->OnEndDoc();
        frAppendPage = frAppendNextReport;
        frAppendNextReport = false;
        if (Terminated)
            break;
    }
}
