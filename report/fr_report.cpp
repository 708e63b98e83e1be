#include "report/fr_report.h"

TfrReport::TfrReport(QObject* owner) : QObject(owner) {}

TfrReport::~TfrReport() = default;
