#include "calc/payroll_assets/payroll_calc.h"

#include "base/exceptions.h"
#include "base/format_settings.h"

#include <gtest/gtest.h>

#include <random>

namespace {
// The tab's design rates, the ceiling 7.809,90 among them.
long double designRate(const char* edit)
{
    return ReadPayrollRate(edit, PayrollRateEditNamed(edit).designText);
}

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

class PayrollCalcTest : public ::testing::Test {
protected:
    void SetUp() override { SetFormatSettings(TFormatSettings::Turkish()); }
    PayrollRateReader rates = designRate;
};

struct WorkedRow {
    const char* gross;
    const char* days;
    // columns 3 to 14, as shown
    std::array<const char*, 12> cells;
};

TEST_F(PayrollCalcTest, WorkedRowsToTheCent)
{
    const WorkedRow rows[] = {
        // Empty days count as a full month.
        {"3000", "", {"2.144,73", "30", "420,00", "615,00", "30,00", "60,00", "1.125,00", "2.550,00", "382,50",
                      "22,77", "855,27", "3.675,00"}},
        // Above the ceiling the contributions use 15 x 7809,90 / 30; the taxes the earned 5000.
        {"10000", "15", {"3.714,17", "15", "546,69", "800,51", "39,05", "78,10", "1.464,36", "4.414,26", "662,14",
                         "37,95", "1.285,83", "5.878,61"}},
    };
    for (const WorkedRow& w : rows) {
        PayrollRow row = makeRow(1, w.gross, w.days, "999");  // a typed net is replaced
        ASSERT_TRUE(ComputePayrollRow(row, rates));
        for (int c = 3; c <= 14; ++c)
            EXPECT_EQ(row[c].toStdString(), w.cells[c - 3]) << "gross " << w.gross << ", column " << c;
    }
}

TEST_F(PayrollCalcTest, DaysOutsideOneToThirtyBecomeThirty)
{
    const struct {
        const char* days;
        const char* shown;
        const char* net;
    } cases[] = {{"31", "30", "2.144,73"}, {"0", "30", "2.144,73"}, {"", "30", "2.144,73"},
                 {"gün", "30", "2.144,73"}, {"30", "30", "2.144,73"}, {"1", "1", "71,49"}};
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
    EXPECT_EQ(row[2], "0,00");
    EXPECT_EQ(row[3], "12,50");
    EXPECT_EQ(row[4], "45");
    EXPECT_EQ(row[5], "old");

    PayrollRow empty = makeRow(1, "", "");
    EXPECT_FALSE(ComputePayrollRow(empty, untouchable));
    EXPECT_EQ(empty[2], "");
    EXPECT_EQ(empty[3], "");
}

TEST_F(PayrollCalcTest, UnreadableCellStopsTheRowNamingTheColumn)
{
    PayrollRow badGross = makeRow(1, "1,2,3", "30");
    try {
        ComputePayrollRow(badGross, rates);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "\"1,2,3\" geçerli bir sayı değil (Brüt).");
    }
    EXPECT_EQ(badGross[2], "1,2,3");

    // What was written before the bad days cell stays written.
    PayrollRow badDays = makeRow(1, "3000", "1,5,0");
    EXPECT_THROW(ComputePayrollRow(badDays, rates), EConvertError);
    EXPECT_EQ(badDays[2], "3.000,00");
    EXPECT_EQ(badDays[3], "0,00");
    EXPECT_EQ(badDays[5], "");
}

TEST_F(PayrollCalcTest, TotalsStopAtTheFirstRowWithoutANumber)
{
    std::vector<PayrollRow> grid(1);
    grid.push_back(makeRow(1, "3000", ""));
    grid.push_back(makeRow(2, "10000", "15"));
    grid.push_back(makeRow(0, "5000", "30"));
    grid.push_back(makeRow(4, "5000", "30"));
    for (size_t r = 1; r < grid.size(); ++r)
        ASSERT_TRUE(ComputePayrollRow(grid[r], rates));

    const QStringList totals = PayrollTotalTexts(ComputePayrollTotals(grid));
    const QStringList expected = {"13.000,00", "5.858,90", "45",       "966,69",   "1.415,51",
                                  "69,05",     "138,10",   "2.589,36", "6.964,26", "1.044,64",
                                  "60,72",     "2.141,10", "9.553,61"};
    EXPECT_EQ(totals, expected);
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

        EXPECT_EQ(got.lastComputedRow, expected.lastComputedRow) << "trial " << trial;
        EXPECT_EQ(got.errorRow, expected.errorRow) << "trial " << trial;
        EXPECT_EQ(got.error != nullptr, expected.errorRow > 0) << "trial " << trial;
        ASSERT_EQ(got.totals.has_value(), expected.totals.has_value()) << "trial " << trial;
        if (got.totals) {
            EXPECT_EQ(PayrollTotalTexts(*got.totals), PayrollTotalTexts(*expected.totals)) << "trial " << trial;
        }
        for (int r = 1; r <= rows; ++r)
            EXPECT_EQ(QStringList(grid[r].begin(), grid[r].end()),
                      QStringList(reference[r].begin(), reference[r].end()))
                << "trial " << trial << ", row " << r;
    }
}

GrossFromNetInputs designInputs()
{
    GrossFromNetInputs in;
    in.sgkWorker = 14;
    in.unemploymentWorker = 1;
    in.incomeTax = 15;
    in.stampTax = 0.759;
    in.ceiling = 7809.90;
    return in;
}

TEST_F(PayrollCalcTest, GrossFromNet)
{
    const GrossFromNetResult below = GrossFromNet(designInputs(), 2144.73);
    EXPECT_EQ(FormatPayrollMoney(below.gross), "3.000,00");
    EXPECT_FALSE(below.aboveCeiling);
    EXPECT_EQ(FormatPayrollMoney(below.netAtCeiling), "5.583,38");

    // Above the net at the ceiling the contributions stay capped.
    const GrossFromNetResult above = GrossFromNet(designInputs(), 8000);
    EXPECT_EQ(FormatPayrollMoney(above.gross), "10.678,60");
    EXPECT_TRUE(above.aboveCeiling);

    // Rates whose net at the ceiling is exact: a net equal to it takes the formula below the ceiling.
    GrossFromNetInputs exact;
    exact.sgkWorker = 10;
    exact.incomeTax = 10;
    exact.ceiling = 1000;
    const GrossFromNetResult atCeiling = GrossFromNet(exact, 810);
    EXPECT_EQ(atCeiling.netAtCeiling, 810);
    EXPECT_FALSE(atCeiling.aboveCeiling);
    EXPECT_EQ(FormatPayrollMoney(atCeiling.gross), "1.000,00");

    // The daily deduction lowers the income-tax base by 30 days of it.
    GrossFromNetInputs withDeduction = designInputs();
    withDeduction.dailyDeduction = 10;
    EXPECT_EQ(FormatPayrollMoney(GrossFromNet(withDeduction, 2144.73).gross),
              FormatPayrollMoney((2144.73L - 30 * 10 * 15 / 100.0L) / 0.71491L));
}

TEST_F(PayrollCalcTest, GrossFromNetWithNoNetShareIsAnError)
{
    GrossFromNetInputs allTax = designInputs();
    allTax.incomeTax = 100;
    allTax.stampTax = 0;
    EXPECT_THROW(GrossFromNet(allTax, 8000), EZeroDivide);

    GrossFromNetInputs allContribution;
    allContribution.sgkWorker = 100;
    allContribution.ceiling = 1000;
    EXPECT_THROW(GrossFromNet(allContribution, 0), EZeroDivide);
}

}  // namespace
