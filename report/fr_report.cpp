#include "report/fr_report.h"

#include "report/fr_globals.h"

TfrReport::TfrReport(QObject* owner) : QObject(owner)
{
    frInitEngine();
}

TfrReport::~TfrReport()
{
    // The engine's globals must not point at a report that is gone.
    if (frCurrentReport == this)
        frCurrentReport = nullptr;
    if (frMasterReport == this)
        frMasterReport = nullptr;
}
