#pragma once

#include "calc/payroll_assets/payroll_excel.h"

#include <QStringList>

// Payroll workbooks proposed in the given folder and "opened" by recording their names; the opener
// answers as told (false: nothing could open the file).
class RecordingOpener {
public:
    RecordingOpener(const QString& folder, bool answer) : saved_(PayrollExport())
    {
        PayrollExport().folder = folder;
        PayrollExport().open = [this, answer](const QString& path) {
            opened << path;
            return answer;
        };
    }
    ~RecordingOpener() { PayrollExport() = saved_; }
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;
    QStringList opened;

private:
    PayrollExportTarget saved_;
};
