#include "calc/payroll_assets/payroll_calc.h"

#include "base/exceptions.h"
#include "base/format_settings.h"
#include "case_table.h"
#include "error_of.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {
PayrollRow makeRow(int number, const QString& gross, const QString& days, const QString& net = QString())
{
    PayrollRow row;
    row[0] = number > 0 ? QString::number(number) : QString();
    row[1] = "Ayşe Yılmaz";
    row[2] = gross;
    row[3] = net;
    row[4] = days;
    return row;
}

// The rate edits' texts: the tab's design rates, with the ceiling 7.809,90, or those given instead.
PayrollRateReader ratesOf(std::map<QString, QString> changed = {})
{
    return [changed](const char* edit) {
        return ReadPayrollRate(edit, changed.count(edit) ? changed.at(edit)
                                                         : QString(PayrollRateEditNamed(edit).designText));
    };
}
const std::map<QString, QString> kOtherRates = {
    {"Edit379", "15"}, {"Edit380", "15,5"}, {"Edit384", "20"}, {"Edit387", "9.000,00"}};

class PayrollCalcTest : public ::testing::Test {
protected:
    void SetUp() override { SetFormatSettings(TFormatSettings::Turkish()); }
    PayrollRateReader rates = ratesOf();
};

TEST_F(PayrollCalcTest, RowsToTheCent)
{
    for (const CaseLine& c : ReadCases("payroll/rows.txt", 15)) {
        SCOPED_TRACE(c.where.toStdString());
        PayrollRow row = makeRow(1, c[1], c[2], "999");
        ASSERT_TRUE(ComputePayrollRow(row, c[0] == "other" ? ratesOf(kOtherRates) : rates));
        EXPECT_EQ(QStringList(row.begin() + 3, row.begin() + 15), c.fields.mid(3));
    }
}

TEST_F(PayrollCalcTest, DaysOutsideOneToThirtyBecomeThirty)
{
    const struct {
        const char* days;
        const char* shown;
        const char* net;
    } cases[] = {{"31", "30", "2.144,73"}, {"0", "30", "2.144,73"}, {"gün", "30", "2.144,73"},
                 {"30", "30", "2.144,73"}, {"1", "1", "71,49"}};
    for (const auto& c : cases) {
        PayrollRow row = makeRow(1, "3.000,00", c.days);
        ASSERT_TRUE(ComputePayrollRow(row, rates));
        EXPECT_EQ(row[4].toStdString(), c.shown) << "days " << c.days;
        EXPECT_EQ(row[3].toStdString(), c.net) << "days " << c.days;
    }
}

TEST_F(PayrollCalcTest, NoPositiveGrossOnlyTidiesGrossAndNet)
{
    PayrollRateReader untouchable = [](const char*) -> long double { throw EConvertError("rates read"); };
    PayrollRow row = makeRow(1, "", "45", "12,5");
    row[5] = "old";
    EXPECT_FALSE(ComputePayrollRow(row, untouchable));
    EXPECT_EQ(QStringList(row.begin() + 2, row.begin() + 6), QStringList({"0,00", "12,50", "45", "old"}));

    PayrollRow empty = makeRow(1, "", "");
    EXPECT_FALSE(ComputePayrollRow(empty, untouchable));
    EXPECT_EQ(empty[2] + empty[3], "");
}

TEST_F(PayrollCalcTest, UnreadableCellStopsTheRowNamingTheColumn)
{
    PayrollRow badGross = makeRow(1, "1,2,3", "30");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { ComputePayrollRow(badGross, rates); }),
              "\"1,2,3\" geçerli bir sayı değil (Brüt).");
    EXPECT_EQ(badGross[2], "1,2,3");

    // What was written before the bad days cell stays written.
    PayrollRow badDays = makeRow(1, "3000", "1,5,0");
    EXPECT_THROW(ComputePayrollRow(badDays, rates), EConvertError);
    EXPECT_EQ(QStringList(badDays.begin() + 2, badDays.begin() + 6), QStringList({"3.000,00", "0,00", "1,5,0", ""}));
}

// The quadratic way the grid was recalculated: every computed row re-totals the whole grid.
PayrollRecalcResult recalcRowByRow(std::vector<PayrollRow>& grid, const PayrollRateReader& rates)
{
    PayrollRecalcResult result;
    for (int r = 1; r < static_cast<int>(grid.size()); ++r) {
        try {
            if (ComputePayrollRow(grid[r], rates)) {
                result.totals = ComputePayrollTotals(grid);
                result.lastComputedRow = r;
            }
        } catch (...) {
            result.errorRow = r;
            break;
        }
    }
    return result;
}

TEST_F(PayrollCalcTest, RecalculationShowsWhatRowByRowTotallingShowed)
{
    std::mt19937 random(7);
    const QStringList grosses = {"", "0", "2500", "3.000,555", "12000", "7809,90", "-5"};
    const QStringList days = {"", "15", "31", "7,5", "30"};
    const QStringList nets = {"", "4,445", "100"};
    for (int trial = 0; trial < 300; ++trial) {
        SCOPED_TRACE(trial);
        std::vector<PayrollRow> grid(1);
        const int rows = 1 + static_cast<int>(random() % 12);
        for (int r = 1; r <= rows; ++r)
            grid.push_back(makeRow(random() % 8 ? r : 0, grosses[random() % grosses.size()],
                                   days[random() % days.size()], nets[random() % nets.size()]));
        // Unreadable cells stop the pass where the row or the totals read them; a computed row
        // overwrites one in its results.
        const int unreadableColumns[] = {2, 3, 4, 5, 9, 14};
        if (trial % 3 == 0)
            grid[1 + random() % rows][unreadableColumns[random() % 6]] = "1,2,3";

        std::vector<PayrollRow> reference = grid;
        const PayrollRecalcResult expected = recalcRowByRow(reference, rates);
        const PayrollRecalcResult got = RecalculatePayroll(grid, 1, rows, rates);

        EXPECT_EQ(got.lastComputedRow, expected.lastComputedRow);
        EXPECT_EQ(got.errorRow, expected.errorRow);
        EXPECT_EQ(got.error != nullptr, expected.errorRow > 0);
        ASSERT_EQ(got.totals.has_value(), expected.totals.has_value());
        if (got.totals) {
            EXPECT_EQ(PayrollTotalTexts(*got.totals), PayrollTotalTexts(*expected.totals));
        }
        for (int r = 1; r <= rows; ++r)
            EXPECT_EQ(QStringList(grid[r].begin(), grid[r].end()),
                      QStringList(reference[r].begin(), reference[r].end()))
                << "row " << r;
    }
}

// Grosses of the closed form are checked through the tab, where the row computation follows.
TEST_F(PayrollCalcTest, GrossFromNetTakesTheFormulaBelowTheCeilingUpToAnEqualNet)
{
    GrossFromNetInputs design{.sgkWorker = 14, .unemploymentWorker = 1, .incomeTax = 15, .stampTax = 0.759,
                              .ceiling = 7809.90};
    EXPECT_EQ(FormatPayrollMoney(GrossFromNet(design, 2144.73).netAtCeiling), "5.583,38");
    // N_C = 7809,90 - (1171,485 + 995,76225 + 59,276141) = 5583,376609
    EXPECT_FALSE(GrossFromNet(design, 5583.37).aboveCeiling);
    EXPECT_TRUE(GrossFromNet(design, 5583.38).aboveCeiling);

    // Rates whose net at the ceiling is exact: a net equal to it takes the formula below the ceiling.
    const GrossFromNetResult atCeiling = GrossFromNet({.sgkWorker = 10, .incomeTax = 10, .ceiling = 1000}, 810);
    EXPECT_EQ(atCeiling.netAtCeiling, 810);
    EXPECT_FALSE(atCeiling.aboveCeiling);
    EXPECT_EQ(FormatPayrollMoney(atCeiling.gross), "1.000,00");
}

TEST_F(PayrollCalcTest, GrossFromNetWithNoNetShareIsAnError)
{
    EXPECT_THROW(GrossFromNet({.sgkWorker = 14, .unemploymentWorker = 1, .incomeTax = 100, .ceiling = 7809.90}, 8000),
                 EZeroDivide);
    EXPECT_THROW(GrossFromNet({.sgkWorker = 100, .ceiling = 1000}, 0), EZeroDivide);
}

}  // namespace
