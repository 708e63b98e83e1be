#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <exception>
#include <functional>
#include <optional>
#include <vector>

// The payroll grid's arithmetic on the texts of its cells: a row is computed from its gross, days
// and the rates, every written amount is the "#,##0.00" text the user sees, and later steps read those
// texts back, so the figures are the cent-rounded ones of the grid.

constexpr int kPayrollColumns = 17;
using PayrollRow = std::array<QString, kPayrollColumns>;

// Column headings of the grid (column 0 has none).
const QStringList& PayrollHeadings();

// The rate edits above the grid, in the order shown. Design texts are written with the Turkish separators.
struct PayrollRateEdit {
    const char* name;
    const char* label;
    const char* designText;
    int maxLength;
};
const std::vector<PayrollRateEdit>& PayrollRateEdits();
// The rate edit of that object name ("Edit379" ...); the first one for an unknown name.
const PayrollRateEdit& PayrollRateEditNamed(const char* name);

// A rate edit's value, asked for by object name at the step of the row computation that uses it: an
// unreadable rate stops the row there, with the cells of the steps before it written.
using PayrollRateReader = std::function<long double(const char* edit)>;
// Reads a rate edit's text; an unreadable text raises EConvertError naming the edit's label.
long double ReadPayrollRate(const char* edit, const QString& text);

// Reads an amount text; a text that is still no number after cleaning raises EConvertError naming
// what was read ("Brüt" column, "SGK Tavan" edit).
long double ReadPayrollAmount(const QString& text, const QString& what);
QString FormatPayrollMoney(long double value);  // "#,##0.00"

// Computes one row in place. Returns false when the gross is not positive (only the gross and net
// texts are tidied then). On a conversion error the cells written before it stay written.
bool ComputePayrollRow(PayrollRow& row, const PayrollRateReader& rate);

// Sums of columns 2 to 14 over rows 1.. up to the first row whose number cell is empty; grid[0] is
// the heading row.
struct PayrollTotals {
    std::array<long double, 13> sums{};
    long double Column(int col) const { return sums[col - 2]; }
};
PayrollTotals ComputePayrollTotals(const std::vector<PayrollRow>& grid);
// Texts of the thirteen totals in column order; the days total is "#,##0".
QStringList PayrollTotalTexts(const PayrollTotals& totals);

// Recomputes rows first..last of the grid in order. The totals are the ones the last computed row
// would have shown had each row been totalled on its own (computed once, so the pass stays linear);
// none when no row was computed. A conversion error stops the pass and is kept in `error`.
struct PayrollRecalcResult {
    int lastComputedRow = -1;
    std::optional<PayrollTotals> totals;
    std::exception_ptr error;
    int errorRow = -1;
};
PayrollRecalcResult RecalculatePayroll(std::vector<PayrollRow>& grid, int first, int last,
                                       const PayrollRateReader& rate);

// Gross from net in closed form for a full month of 30 days.
struct GrossFromNetInputs {
    double sgkWorker = 0;           // a, %
    double unemploymentWorker = 0;  // b, %
    double dailyDeduction = 0;      // d, amount per day
    double incomeTax = 0;           // t, %
    double stampTax = 0;            // s, %
    double ceiling = 0;             // C
};
struct GrossFromNetResult {
    long double gross = 0;
    long double netAtCeiling = 0;  // N_C
    bool aboveCeiling = false;     // the net was above N_C
};
// EZeroDivide when the rates leave no net share of the gross.
GrossFromNetResult GrossFromNet(const GrossFromNetInputs& in, double net);
