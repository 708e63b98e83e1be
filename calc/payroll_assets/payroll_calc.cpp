#include "calc/payroll_assets/payroll_calc.h"

#include "app/shell_routines.h"
#include "base/exceptions.h"
#include "base/numbers.h"

#include <algorithm>
#include <utility>

const QStringList& PayrollHeadings()
{
    static const QStringList headings = {
        QString(),   "Adı Soyadı", "Brüt",      "Net",       "Gün",        "SGK İşçi",
        "SGK İşv.",  "İşslik İşçi", "İşslik İşv.", "Top.SGK",  "G.V.Matr.",  "Gelir Ver.",
        "D.V.",      "Kesinti T.", "Maliyet",   "SGK Numarası", "TC Kimlik No",
    };
    return headings;
}

const std::vector<PayrollRateEdit>& PayrollRateEdits()
{
    static const std::vector<PayrollRateEdit> edits = {
        {"Edit379", "SGK İşçi", "14", 5},
        {"Edit380", "SGK İşveren", "20,50", 5},
        {"Edit381", "İşsizlik İşçi", "1", 5},
        {"Edit382", "İşsizlik İşveren", "2", 5},
        {"Edit383", "Günlük Özel İndirim", "0", 12},
        {"Edit384", "Gelir Vergisi Oranı", "15", 5},
        {"Edit385", "Damga Vergisi Oranı", "0,759", 5},
        {"Edit386", "SGK Taban", "1.201,50", 21},
        {"Edit387", "SGK Tavan", "7.809,90", 21},
    };
    return edits;
}

const PayrollRateEdit& PayrollRateEditNamed(const char* name)
{
    for (const PayrollRateEdit& e : PayrollRateEdits())
        if (qstrcmp(e.name, name) == 0)
            return e;
    return PayrollRateEdits().front();
}

long double ReadPayrollRate(const char* edit, const QString& text)
{
    return ReadPayrollAmount(text, PayrollRateEditNamed(edit).label);
}

long double ReadPayrollAmount(const QString& text, const QString& what)
{
    try {
        return StrToAmount(text);
    } catch (const EConvertError&) {
        throw EConvertError(QString("\"%1\" geçerli bir sayı değil (%2).").arg(text, what));
    }
}

QString FormatPayrollMoney(long double value)
{
    return FormatFloat("#,##0.00", value);
}

namespace {
long double readCell(const PayrollRow& row, int col)
{
    return ReadPayrollAmount(row[col], PayrollHeadings()[col]);
}
}  // namespace

bool ComputePayrollRow(PayrollRow& row, const PayrollRateReader& rate)
{
    if (!row[2].isEmpty() || !row[3].isEmpty()) {
        row[2] = FormatPayrollMoney(readCell(row, 2));
        row[3] = FormatPayrollMoney(readCell(row, 3));
    }
    const long double G = readCell(row, 2);
    if (G <= 0)
        return false;
    const long double days = readCell(row, 4);
    if (days > 30 || days < 1)
        row[4] = "30";
    const long double D = readCell(row, 4);

    const long double C = rate("Edit387");
    const long double B = G < C ? G : C;
    // Contributions are on the ceiling-capped base, prorated by the days; each rate is read as its
    // cell is reached.
    auto contribution = [&](long double r) { return D * (B / 30) * r / 100; };
    const long double sgkWorker = rate("Edit379");
    row[5] = FormatPayrollMoney(contribution(sgkWorker));
    const long double sgkEmployer = rate("Edit380");
    row[6] = FormatPayrollMoney(contribution(sgkEmployer));
    const long double unemploymentWorker = rate("Edit381");
    row[7] = FormatPayrollMoney(contribution(unemploymentWorker));
    const long double unemploymentEmployer = rate("Edit382");
    row[8] = FormatPayrollMoney(contribution(unemploymentEmployer));
    row[9] = FormatPayrollMoney(contribution(sgkWorker + sgkEmployer + unemploymentWorker + unemploymentEmployer));

    const long double E = G / 30 * D;
    const long double T = E - contribution(sgkWorker + unemploymentWorker);
    row[10] = FormatPayrollMoney(T);
    row[11] = FormatPayrollMoney(rate("Edit384") * T / 100);
    row[12] = FormatPayrollMoney(E * rate("Edit385") / 100);

    const long double K = readCell(row, 5) + readCell(row, 7) + readCell(row, 11) + readCell(row, 12);
    row[13] = FormatPayrollMoney(K);
    row[3] = FormatPayrollMoney(E - K);
    row[14] = FormatPayrollMoney(readCell(row, 3) + K + readCell(row, 6) + readCell(row, 8));
    return true;
}

PayrollTotals ComputePayrollTotals(const std::vector<PayrollRow>& grid)
{
    PayrollTotals totals;
    for (size_t r = 1; r < grid.size() && !grid[r][0].isEmpty(); ++r)
        for (int c = 2; c <= 14; ++c)
            totals.sums[c - 2] += readCell(grid[r], c);
    return totals;
}

QStringList PayrollTotalTexts(const PayrollTotals& totals)
{
    QStringList texts;
    for (int c = 2; c <= 14; ++c)
        texts << (c == 4 ? FormatFloat("#,##0", totals.Column(c)) : FormatPayrollMoney(totals.Column(c)));
    return texts;
}

namespace {
bool readable(const PayrollRow& row, int from, int to)
{
    try {
        for (int c = from; c <= to; ++c)
            readCell(row, c);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}
}  // namespace

PayrollRecalcResult RecalculatePayroll(std::vector<PayrollRow>& grid, int first, int last,
                                       const PayrollRateReader& rate)
{
    PayrollRecalcResult result;
    last = std::min(last, static_cast<int>(grid.size()) - 1);
    // The edits do not change during the pass: read each once, when a row first needs it.
    std::vector<std::pair<const char*, long double>> cached;
    PayrollRateReader once = [&](const char* edit) {
        for (const auto& [name, value] : cached)
            if (qstrcmp(name, edit) == 0)
                return value;
        const long double value = rate(edit);
        cached.emplace_back(edit, value);
        return value;
    };

    // Row by row, each computed row re-totalled the grid, and an unreadable cell anywhere in the
    // totalled rows stopped the pass there. Counting those rows keeps that without re-totalling.
    int totalled = 1;
    while (totalled < static_cast<int>(grid.size()) && !grid[totalled][0].isEmpty())
        ++totalled;
    std::vector<char> unreadable(totalled, 0), unreadableAfterTidying(totalled, 0);  // the latter: columns 4 to 14
    int unreadableRows = 0;
    for (int r = 1; r < totalled; ++r) {
        unreadableAfterTidying[r] = !readable(grid[r], 4, 14);
        unreadable[r] = unreadableAfterTidying[r] || !readable(grid[r], 2, 3);
        unreadableRows += unreadable[r];
    }

    // Rows after the last computed one as they were before the pass touched them: a row that computes
    // nothing leaves the totals as they were, so they must not see its tidied texts.
    std::vector<std::pair<int, PayrollRow>> untotalled;
    for (int r = std::max(first, 1); r <= last; ++r) {
        untotalled.emplace_back(r, grid[r]);
        bool computed = false;
        try {
            computed = ComputePayrollRow(grid[r], once);
        } catch (...) {
            result.error = std::current_exception();
            result.errorRow = r;
            break;
        }
        if (r < totalled) {
            // A computed row is all fresh texts; an uncomputed one had its gross and net tidied.
            const bool isUnreadable = !computed && unreadableAfterTidying[r];
            unreadableRows += int(isUnreadable) - int(unreadable[r]);
        }
        if (!computed)
            continue;
        if (unreadableRows > 0) {
            try {
                ComputePayrollTotals(grid);
            } catch (...) {
                result.error = std::current_exception();
            }
            result.errorRow = r;
            break;
        }
        result.lastComputedRow = r;
        untotalled.clear();
    }
    if (result.lastComputedRow < 0)
        return result;
    for (auto& [r, before] : untotalled)
        std::swap(grid[r], before);
    result.totals = ComputePayrollTotals(grid);
    for (auto& [r, before] : untotalled)
        std::swap(grid[r], before);
    return result;
}

GrossFromNetResult GrossFromNet(const GrossFromNetInputs& in, double net)
{
    const long double a = in.sgkWorker, b = in.unemploymentWorker, d = in.dailyDeduction;
    const long double t = in.incomeTax, s = in.stampTax, C = in.ceiling, N = net;

    const long double P = 1 - (1 - (a + b) / 100) * t / 100 - a / 100 - b / 100 - s / 100;
    const long double Q = 1 - (t + s) / 100;
    const long double E_C = C * a / 100 + C * b / 100;
    const long double T_C = (C - (30 * d + E_C)) * t / 100;
    const long double S_C = C * s / 100;

    GrossFromNetResult result;
    result.netAtCeiling = C - (E_C + T_C + S_C);
    result.aboveCeiling = N > result.netAtCeiling;
    const long double divisor = result.aboveCeiling ? Q : P;
    if (divisor == 0)
        throw EZeroDivide("Bu oranlarla brüt ücret bulunamaz: kesintiler brütün tamamını alıyor.");
    if (result.aboveCeiling) {
        const long double K = ((a + b) * C / 100 + 30 * d) * t / 100;
        result.gross = ((a + b) * C / 100 - K + N) / Q;
    } else {
        result.gross = (N - 30 * d * t / 100) / P;
    }
    return result;
}
