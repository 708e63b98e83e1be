#pragma once

#include "calc/payroll_assets/payroll_calc.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <vector>

// The payroll's spreadsheet export: an .xlsx workbook with the grid from sheet row 3 on (headings,
// then one row per grid row, the row number left out), "Firma : " and "Bordro Ayı :" above, and a
// "TOPLAM:" row of column sums whose results are stored with their formulas.

// Writes the workbook of the grid (grid[0] the heading row; colCount the grid's column count).
// EConvertError when a cell is no number; EInOutError with the library's message when the file
// cannot be written.
void WritePayrollWorkbook(const QString& fileName, const std::vector<PayrollRow>& grid, int colCount);

// Which folder the save dialog proposes for a workbook and how a saved one is opened (the desktop's
// default application); tests point both elsewhere.
struct PayrollExportTarget {
    QString folder;                                 // empty: the user's documents, else the temp folder
    std::function<bool(const QString&)> open;       // false when nothing could open the file
};
PayrollExportTarget& PayrollExport();

// The proposed workbook: "Ücret Bordrosu 2024-05-31 14.05.09.xlsx" in the export folder, or
// "... (2).xlsx" and on when that file exists.
QString PayrollWorkbookPath(const QDateTime& when);
