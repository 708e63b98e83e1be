#pragma once

#include "calc/payroll_assets/payroll_calc.h"

#include <QString>
#include <QStringList>

#include <vector>

// The payroll document ".tus": line 0 the comma text of the nine rate edits (in the order of
// PayrollDocumentHeaderEdits), line 1 the heading row, then one line per grid row from row 1 on, each
// the comma text of all its cells.

// Object names of the header edits in document order.
const QStringList& PayrollDocumentHeaderEdits();

// grid[0] is the heading row.
QStringList PayrollDocumentLines(const QStringList& headerValues, const std::vector<PayrollRow>& grid);

struct PayrollDocument {
    QStringList headerValues;      // nine values
    std::vector<PayrollRow> rows;  // grid rows 1.., missing cells empty
};
// EReadError when the lines are not a payroll document; nothing is half-read.
PayrollDocument ParsePayrollDocument(const QStringList& lines);
