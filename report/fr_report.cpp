#include "report/fr_report.h"

#include "report/fr_globals.h"

TfrReport::TfrReport(QObject* owner) : QObject(owner)
{
    frInitEngine();
}

TfrReport::~TfrReport() = default;
