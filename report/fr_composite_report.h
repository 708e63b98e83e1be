#pragma once

#include "report/fr_report.h"

#include <QList>
#include <QPointer>

// Several reports built one after the other into one document: the prepared pages of this report.
// A report whose first page prints on the previous page continues on the last page of the one before.
class TfrCompositeReport : public TfrReport {
    Q_OBJECT
public:
    explicit TfrCompositeReport(QObject* owner = nullptr) : TfrReport(owner) {}

    // Built in list order; not owned, and a report that is gone is passed over.
    QList<QPointer<TfrReport>> Reports;

    void BuildReport() override;
};
