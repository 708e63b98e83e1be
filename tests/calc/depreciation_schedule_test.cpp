#include "calc/payroll_assets/depreciation_schedule.h"

#include "app/shell_routines.h"
#include "depreciation_lines.h"
#include "test_support.h"

const std::vector<ScheduleCase>& ScheduleCases()
{
    const QDate jan2009{2009, 1, 1}, never{2049, 12, 31};
    // clang-format off
    static const std::vector<ScheduleCase> cases = {
        {"NormalWithoutRevaluation", 0, "10000", "4", jan2009, never, false, {}},
        // 2010: value 11.000, depreciation increase 2.500 x 10 % = 250, fund 1.000 - 250 = 750;
        // 2011 keeps showing the value before the 2010 revaluation.
        {"RevaluedYearThenAYearWithout", 0, "10000", "4", jan2009, never, false, {{2010, "10"}}},
        {"FromInitialCostPutsTheWholeIncreaseIntoTheFund", 0, "10000", "4", jan2009, never, true, {{2010, "10"}, {2012, "20"}}},
        {"AcceleratedTakesTheRemainderInTheLastYear", 1, "10000", "4", jan2009, never, false, {}},
        // 2012 is the last year: the remaining book value 9.900 - (8.000 + 800)
        {"AcceleratedRevaluedInItsLastYear", 1, "9000", "3", {2010, 1, 1}, never, false, {{2012, "10"}}},
        // from the cost: the cost less what is booked, 9.000 - 8.000
        {"AcceleratedRevaluedInItsLastYearFromTheCost", 1, "9000", "3", {2010, 1, 1}, never, true, {{2012, "10"}}},
        // First year 12.000 / 4 / 12 x 6; 2010 revalues to 13.200 (depreciation increase 150);
        // 2013 takes the remaining book value 13.200 - 11.550.
        {"ProRataFromJulyRunsOneYearLonger", 2, "12000", "4", {2009, 7, 1}, never, false, {{2010, "10"}}},
        // from the cost the last year takes the remaining 6/12 of a year's depreciation
        {"ProRataFromJulyFromTheCost", 2, "12000", "4", {2009, 7, 1}, never, true, {{2010, "10"}}},
        {"SoldInTheEntryYear", 0, "10000", "4", jan2009, {2009, 12, 31}, false, {}},
        {"SoldInTheSecondYear", 0, "10000", "4", jan2009, {2010, 6, 30}, false, {}},
        {"LifeOfOneYear", 0, "10000", "1", jan2009, never, false, {}},
        // Twice the straight-line rate would write off twice the cost; the cost is the most there is.
        {"AcceleratedLifeOfOneYear", 1, "10000", "1", jan2009, never, false, {}},
        // the entry year is never revalued, 1990 lies outside the schedule
        {"RevaluationOnlyInsideTheTicked1990To2014Years", 0, "1000", "3", {2013, 1, 1}, never, false,
         {{2013, "50"}, {2014, "10"}, {1990, "40"}}},
        {"RevaluedIn1990", 0, "1000", "2", {1989, 1, 1}, {1990, 12, 31}, false, {{1990, "100"}}},
        {"RevaluedInTheYearAfterA1990Entry", 0, "1000", "2", {1990, 1, 1}, {1991, 12, 31}, false, {{1991, "100"}}},
        // 2012: 60.000 after 20 %, depreciation increase 4.000, 2 x (60.000 - 24.000) / 5;
        // 2013: 66.000 after 10 %, increase 3.840, 2 x (66.000 - 42.240) / 5
        {"AcceleratedRevaluedTwiceSoldMidLife", 1, "50000", "5", {2011, 3, 15}, {2013, 6, 30}, false,
         {{2012, "20"}, {2013, "10"}}},
        // 3 of 12 months first, then whole years, the last year the remaining 9 of 12 months
        {"ProRataFromOctoberOnTheCost", 2, "9.000", "3", {2020, 10, 1}, never, true, {}},
        // the last year takes the remaining book value 29.040 - (19.800 + 1.980)
        {"ProRataRevaluedInItsLastYear", 2, "24000", "2", {2012, 7, 1}, never, false, {{2013, "10"}, {2014, "10"}}},
        {"ProRataLifeOneFromJuly", 2, "10000", "1", {2009, 7, 1}, never, false, {}},
        {"SaleYearBeforeEntryRunsTheWholeLife", 0, "1000", "2", jan2009, {2005, 1, 1}, false, {}},
        // a ticked year with no rate adds nothing, yet it is the latest revaluation the next years show
        {"TickedYearWithoutRateOnTheCost", 0, "8000", "4", {1995, 1, 1}, {1998, 12, 31}, true,
         {{1996, "50"}, {1997, ""}, {1998, "25"}}},
        {"SoldInTheEntryYearAfterAJulyEntry", 2, "1.200", "4", {2010, 7, 20}, {2010, 12, 31}, false, {{2010, "30"}}},
        // no method, cost or life: the heading alone
        {"NoMethod", -1, "10000", "4", jan2009, never, false, {}},
        {"NoCost", 0, "0", "4", jan2009, never, false, {}},
        {"NegativeCost", 1, "-5", "4", jan2009, never, false, {}},
        {"NoLife", 2, "10000", "0", jan2009, never, false, {}},
    };
    // clang-format on
    return cases;
}

namespace {

DepreciationInput Input(const ScheduleCase& c)
{
    DepreciationInput in;
    in.assetName = "Kamyon";
    in.method = c.method;
    in.cost = StrToAmount(c.cost);
    in.life = StrToAmount(c.life);
    in.entryYear = c.entry.year();
    in.entryMonth = c.entry.month();
    in.saleYear = c.sale.year();
    in.fromInitialCost = c.fromCost;
    for (const auto& [year, rate] : c.ticks) {
        in.ticked[year - FirstRevaluationYear] = true;
        in.rates[year - FirstRevaluationYear] = StrToAmount(rate);
    }
    return in;
}

class DepreciationSchedule : public WorkingFolderTest, public ::testing::WithParamInterface<ScheduleCase> {};

TEST_P(DepreciationSchedule, Lines)
{
    ExpectSchedule(GetParam(), DepreciationScheduleLines(Input(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Cases, DepreciationSchedule, ::testing::ValuesIn(ScheduleCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class DepreciationRule : public WorkingFolderTest {};

TEST_F(DepreciationRule, ProRataFromJanuaryIsNormal)
{
    ScheduleCase c{"", 0, "10000", "4", {2009, 1, 1}, {2049, 12, 31}, false, {{2011, "5"}}};
    const QStringList normal = DepreciationScheduleLines(Input(c));
    c.method = 2;
    EXPECT_EQ(DepreciationScheduleLines(Input(c)), normal);
}

}  // namespace
