#include "calc/payroll_assets/depreciation_schedule.h"

#include "app/shell_routines.h"
#include "depreciation_lines.h"
#include "test_support.h"

namespace depreciation_lines {

namespace {
QStringList Unchanged(const QString& year, const QString& value, const QString& accumulatedBefore,
                      const QString& accumulated, const QString& depreciation)
{
    return Row(year, {value, "0,00", value, "0,00"}, {accumulatedBefore, "0,00", accumulated, depreciation});
}
}  // namespace

const std::vector<ScheduleCase>& ScheduleCases()
{
    const QDate jan2009{2009, 1, 1}, never{2049, 12, 31};
    // clang-format off
    static const std::vector<ScheduleCase> cases = {
        {"NormalWithoutRevaluation", 0, "10000", "4", jan2009, never, false, {},
         FirstRow("2009", "10.000,00", "2.500,00") + Unchanged("2010", "10.000,00", "2.500,00", "5.000,00", "2.500,00") +
             Unchanged("2011", "10.000,00", "5.000,00", "7.500,00", "2.500,00") +
             Unchanged("2012", "10.000,00", "7.500,00", "10.000,00", "2.500,00") +
             Closing("2012", "2.500,00", "10.000,00", "0,00", "10.000,00")},
        // 2010: value 11.000, depreciation increase 2.500 x 10 % = 250, fund 1.000 - 250 = 750;
        // 2011 keeps showing the value before the 2010 revaluation.
        {"RevaluedYearThenAYearWithout", 0, "10000", "4", jan2009, never, false, {{2010, "10"}},
         FirstRow("2009", "10.000,00", "2.500,00") +
             Row("2010", {"10.000,00", "1.000,00", "11.000,00", "750,00"}, {"2.500,00", "250,00", "5.500,00", "2.750,00"}) +
             Row("2011", {"10.000,00", "0,00", "11.000,00", "0,00"}, {"5.500,00", "0,00", "8.250,00", "2.750,00"}) +
             Row("2012", {"10.000,00", "0,00", "11.000,00", "0,00"}, {"8.250,00", "0,00", "11.000,00", "2.750,00"}) +
             Closing("2012", "2.750,00", "11.000,00", "750,00", "11.000,00")},
        {"FromInitialCostPutsTheWholeIncreaseIntoTheFund", 0, "10000", "4", jan2009, never, true,
         {{2010, "10"}, {2012, "20"}},
         FirstRow("2009", "10.000,00", "2.500,00") +
             Row("2010", {"10.000,00", "1.000,00", "11.000,00", "1.000,00"}, {"2.500,00", "0,00", "5.000,00", "2.500,00"}) +
             Row("2011", {"10.000,00", "0,00", "11.000,00", "0,00"}, {"5.000,00", "0,00", "7.500,00", "2.500,00"}) +
             Row("2012", {"11.000,00", "2.200,00", "13.200,00", "2.200,00"}, {"7.500,00", "0,00", "10.000,00", "2.500,00"}) +
             Closing("2012", "2.500,00", "10.000,00", "3.200,00", "13.200,00")},
        {"AcceleratedTakesTheRemainderInTheLastYear", 1, "10000", "4", jan2009, never, false, {},
         FirstRow("2009", "10.000,00", "5.000,00") + Unchanged("2010", "10.000,00", "5.000,00", "7.500,00", "2.500,00") +
             Unchanged("2011", "10.000,00", "7.500,00", "8.750,00", "1.250,00") +
             Unchanged("2012", "10.000,00", "8.750,00", "10.000,00", "1.250,00") +
             Closing("2012", "1.250,00", "10.000,00", "0,00", "10.000,00")},
        // 2012 is the last year: the remaining book value 9.900 - (8.000 + 800)
        {"AcceleratedRevaluedInItsLastYear", 1, "9000", "3", {2010, 1, 1}, never, false, {{2012, "10"}},
         FirstRow("2010", "9.000,00", "6.000,00") + Unchanged("2011", "9.000,00", "6.000,00", "8.000,00", "2.000,00") +
             Row("2012", {"9.000,00", "900,00", "9.900,00", "100,00"}, {"8.000,00", "800,00", "9.900,00", "1.100,00"}) +
             Closing("2012", "1.100,00", "9.900,00", "100,00", "9.900,00")},
        // from the cost: the cost less what is booked, 9.000 - 8.000
        {"AcceleratedRevaluedInItsLastYearFromTheCost", 1, "9000", "3", {2010, 1, 1}, never, true, {{2012, "10"}},
         FirstRow("2010", "9.000,00", "6.000,00") + Unchanged("2011", "9.000,00", "6.000,00", "8.000,00", "2.000,00") +
             Row("2012", {"9.000,00", "900,00", "9.900,00", "900,00"}, {"8.000,00", "0,00", "9.000,00", "1.000,00"}) +
             Closing("2012", "1.000,00", "9.000,00", "900,00", "9.900,00")},
        // First year 12.000 / 4 / 12 x 6; 2010 revalues to 13.200 (depreciation increase 150);
        // 2013 takes the remaining book value 13.200 - 11.550.
        {"ProRataFromJulyRunsOneYearLonger", 2, "12000", "4", {2009, 7, 1}, never, false, {{2010, "10"}},
         FirstRow("2009", "12.000,00", "1.500,00") +
             Row("2010", {"12.000,00", "1.200,00", "13.200,00", "1.050,00"}, {"1.500,00", "150,00", "4.950,00", "3.300,00"}) +
             Row("2011", {"12.000,00", "0,00", "13.200,00", "0,00"}, {"4.950,00", "0,00", "8.250,00", "3.300,00"}) +
             Row("2012", {"12.000,00", "0,00", "13.200,00", "0,00"}, {"8.250,00", "0,00", "11.550,00", "3.300,00"}) +
             Row("2013", {"12.000,00", "0,00", "13.200,00", "0,00"}, {"11.550,00", "0,00", "13.200,00", "1.650,00"}) +
             Closing("2013", "1.650,00", "13.200,00", "1.050,00", "13.200,00")},
        // from the cost the last year takes the remaining 6/12 of a year's depreciation
        {"ProRataFromJulyFromTheCost", 2, "12000", "4", {2009, 7, 1}, never, true, {{2010, "10"}},
         FirstRow("2009", "12.000,00", "1.500,00") +
             Row("2010", {"12.000,00", "1.200,00", "13.200,00", "1.200,00"}, {"1.500,00", "0,00", "4.500,00", "3.000,00"}) +
             Row("2011", {"12.000,00", "0,00", "13.200,00", "0,00"}, {"4.500,00", "0,00", "7.500,00", "3.000,00"}) +
             Row("2012", {"12.000,00", "0,00", "13.200,00", "0,00"}, {"7.500,00", "0,00", "10.500,00", "3.000,00"}) +
             Row("2013", {"12.000,00", "0,00", "13.200,00", "0,00"}, {"10.500,00", "0,00", "12.000,00", "1.500,00"}) +
             Closing("2013", "1.500,00", "12.000,00", "1.200,00", "13.200,00")},
        {"SoldInTheEntryYear", 0, "10000", "4", jan2009, {2009, 12, 31}, false, {},
         FirstRow("2009", "10.000,00", "2.500,00") + QStringList{FundLine("0,00")}},
        {"SoldInTheSecondYear", 0, "10000", "4", jan2009, {2010, 6, 30}, false, {},
         FirstRow("2009", "10.000,00", "2.500,00") + Unchanged("2010", "10.000,00", "2.500,00", "5.000,00", "2.500,00") +
             Closing("2010", "2.500,00", "5.000,00", "0,00", "10.000,00")},
        {"LifeOfOneYear", 0, "10000", "1", jan2009, never, false, {},
         FirstRow("2009", "10.000,00", "10.000,00") + Closing("2009", "10.000,00", "10.000,00", "0,00", "10.000,00")},
        // Twice the straight-line rate would write off twice the cost; the cost is the most there is.
        {"AcceleratedLifeOfOneYear", 1, "10000", "1", jan2009, never, false, {},
         FirstRow("2009", "10.000,00", "10.000,00") + Closing("2009", "10.000,00", "10.000,00", "0,00", "10.000,00")},
        // the entry year is never revalued, 1990 lies outside the schedule
        {"RevaluationOnlyInsideTheTicked1990To2014Years", 0, "1000", "3", {2013, 1, 1}, never, false,
         {{2013, "50"}, {2014, "10"}, {1990, "40"}},
         FirstRow("2013", "1.000,00", "333,33") +
             Row("2014", {"1.000,00", "100,00", "1.100,00", "66,67"}, {"333,33", "33,33", "733,33", "366,67"}) +
             Row("2015", {"1.000,00", "0,00", "1.100,00", "0,00"}, {"733,33", "0,00", "1.100,00", "366,67"}) +
             Closing("2015", "366,67", "1.100,00", "66,67", "1.100,00")},
        {"RevaluedIn1990", 0, "1000", "2", {1989, 1, 1}, {1990, 12, 31}, false, {{1990, "100"}},
         FirstRow("1989", "1.000,00", "500,00") +
             Row("1990", {"1.000,00", "1.000,00", "2.000,00", "500,00"}, {"500,00", "500,00", "2.000,00", "1.000,00"}) +
             Closing("1990", "1.000,00", "2.000,00", "500,00", "2.000,00")},
        {"RevaluedInTheYearAfterA1990Entry", 0, "1000", "2", {1990, 1, 1}, {1991, 12, 31}, false, {{1991, "100"}},
         FirstRow("1990", "1.000,00", "500,00") +
             Row("1991", {"1.000,00", "1.000,00", "2.000,00", "500,00"}, {"500,00", "500,00", "2.000,00", "1.000,00"}) +
             Closing("1991", "1.000,00", "2.000,00", "500,00", "2.000,00")},
        // 2012: 60.000 after 20 %, depreciation increase 4.000, 2 x (60.000 - 24.000) / 5;
        // 2013: 66.000 after 10 %, increase 3.840, 2 x (66.000 - 42.240) / 5
        {"AcceleratedRevaluedTwiceSoldMidLife", 1, "50000", "5", {2011, 3, 15}, {2013, 6, 30}, false,
         {{2012, "20"}, {2013, "10"}},
         FirstRow("2011", "50.000,00", "20.000,00") +
             Row("2012", {"50.000,00", "10.000,00", "60.000,00", "6.000,00"},
                 {"20.000,00", "4.000,00", "38.400,00", "14.400,00"}) +
             Row("2013", {"60.000,00", "6.000,00", "66.000,00", "2.160,00"},
                 {"38.400,00", "3.840,00", "51.744,00", "9.504,00"}) +
             Closing("2013", "9.504,00", "51.744,00", "8.160,00", "66.000,00")},
        // 3 of 12 months first, then whole years, the last year the remaining 9 of 12 months
        {"ProRataFromOctoberOnTheCost", 2, "9.000", "3", {2020, 10, 1}, never, true, {},
         FirstRow("2020", "9.000,00", "750,00") + Unchanged("2021", "9.000,00", "750,00", "3.750,00", "3.000,00") +
             Unchanged("2022", "9.000,00", "3.750,00", "6.750,00", "3.000,00") +
             Unchanged("2023", "9.000,00", "6.750,00", "9.000,00", "2.250,00") +
             Closing("2023", "2.250,00", "9.000,00", "0,00", "9.000,00")},
        // the last year takes the remaining book value 29.040 - (19.800 + 1.980)
        {"ProRataRevaluedInItsLastYear", 2, "24000", "2", {2012, 7, 1}, never, false, {{2013, "10"}, {2014, "10"}},
         FirstRow("2012", "24.000,00", "6.000,00") +
             Row("2013", {"24.000,00", "2.400,00", "26.400,00", "1.800,00"},
                 {"6.000,00", "600,00", "19.800,00", "13.200,00"}) +
             Row("2014", {"26.400,00", "2.640,00", "29.040,00", "660,00"},
                 {"19.800,00", "1.980,00", "29.040,00", "7.260,00"}) +
             Closing("2014", "7.260,00", "29.040,00", "2.460,00", "29.040,00")},
        {"ProRataLifeOneFromJuly", 2, "10000", "1", {2009, 7, 1}, never, false, {},
         FirstRow("2009", "10.000,00", "5.000,00") + Unchanged("2010", "10.000,00", "5.000,00", "10.000,00", "5.000,00") +
             Closing("2010", "5.000,00", "10.000,00", "0,00", "10.000,00")},
        {"SaleYearBeforeEntryRunsTheWholeLife", 0, "1000", "2", jan2009, {2005, 1, 1}, false, {},
         FirstRow("2009", "1.000,00", "500,00") + Unchanged("2010", "1.000,00", "500,00", "1.000,00", "500,00") +
             Closing("2010", "500,00", "1.000,00", "0,00", "1.000,00")},
        // a ticked year with no rate adds nothing, yet it is the latest revaluation the next years show
        {"TickedYearWithoutRateOnTheCost", 0, "8000", "4", {1995, 1, 1}, {1998, 12, 31}, true,
         {{1996, "50"}, {1997, ""}, {1998, "25"}},
         FirstRow("1995", "8.000,00", "2.000,00") +
             Row("1996", {"8.000,00", "4.000,00", "12.000,00", "4.000,00"}, {"2.000,00", "0,00", "4.000,00", "2.000,00"}) +
             Row("1997", {"12.000,00", "0,00", "12.000,00", "0,00"}, {"4.000,00", "0,00", "6.000,00", "2.000,00"}) +
             Row("1998", {"12.000,00", "3.000,00", "15.000,00", "3.000,00"}, {"6.000,00", "0,00", "8.000,00", "2.000,00"}) +
             Closing("1998", "2.000,00", "8.000,00", "7.000,00", "15.000,00")},
        {"SoldInTheEntryYearAfterAJulyEntry", 2, "1.200", "4", {2010, 7, 20}, {2010, 12, 31}, false, {{2010, "30"}},
         FirstRow("2010", "1.200,00", "150,00") + QStringList{FundLine("0,00")}},
        {"NoMethod", -1, "10000", "4", jan2009, never, false, {}, {}},
        {"NoCost", 0, "0", "4", jan2009, never, false, {}, {}},
        {"NegativeCost", 1, "-5", "4", jan2009, never, false, {}, {}},
        {"NoLife", 2, "10000", "0", jan2009, never, false, {}, {}},
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
    EXPECT_EQ(DepreciationScheduleLines(Input(GetParam())), Heading("Kamyon") + GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Cases, DepreciationSchedule, ::testing::ValuesIn(ScheduleCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class DepreciationRule : public WorkingFolderTest {};

TEST_F(DepreciationRule, ProRataFromJanuaryIsNormal)
{
    ScheduleCase c{"", 0, "10000", "4", {2009, 1, 1}, {2049, 12, 31}, false, {{2011, "5"}}, {}};
    const QStringList normal = DepreciationScheduleLines(Input(c));
    c.method = 2;
    EXPECT_EQ(DepreciationScheduleLines(Input(c)), normal);
}

}  // namespace
}  // namespace depreciation_lines
