#pragma once

#include <QString>
#include <QStringList>

// The fixed-width lines of the printed payroll list: fifteen pieces, each padded to its column and cut
// to 17 characters.

// "SGK" over the two SGK columns, "İşsizlik" over the two unemployment columns.
QString PayrollReportHeader1();
QString PayrollReportHeader2();
// Columns 0 to 14 of a grid row: row number and name left-aligned, the figures right-aligned.
QString PayrollReportLine(const QStringList& cells);
// The thirteen totals texts in column order (JustaEdit2, JustaEdit25 .. JustaEdit36 as the columns
// 2 to 14 hold them).
QString PayrollTotalsLine(const QStringList& totals);
