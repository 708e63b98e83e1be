#include "calc/payroll_assets/depreciation_schedule.h"
#include "test_support.h"

#include "depreciation_lines.h"

namespace {

using namespace depreciation_lines;

DepreciationInput Asset(DepreciationMethod method, long double cost, long double life, int entryYear = 2009,
                        int entryMonth = 1, int saleYear = 2049)
{
    DepreciationInput in;
    in.assetName = "Kamyon";
    in.method = static_cast<int>(method);
    in.cost = cost;
    in.life = life;
    in.entryYear = entryYear;
    in.entryMonth = entryMonth;
    in.saleYear = saleYear;
    return in;
}

void Tick(DepreciationInput& in, int year, long double rate)
{
    in.ticked[year - 1990] = true;
    in.rates[year - 1990] = rate;
}

TEST(DepreciationSchedule, NormalWithoutRevaluation)
{
    const QStringList expected =
        Heading("Kamyon") + QStringList{"2009           " "         10.000,00" "                 0"
                                        "         10.000,00" "                 0",
                                        "               " "                 0" "                 0"
                                        "          2.500,00" "          2.500,00",
                                        Dashes(93)} +
        Row("2010", {"10.000,00", "0,00", "10.000,00", "0,00"}, {"2.500,00", "0,00", "5.000,00", "2.500,00"}) +
        Row("2011", {"10.000,00", "0,00", "10.000,00", "0,00"}, {"5.000,00", "0,00", "7.500,00", "2.500,00"}) +
        Row("2012", {"10.000,00", "0,00", "10.000,00", "0,00"}, {"7.500,00", "0,00", "10.000,00", "2.500,00"}) +
        Closing("2012", "2.500,00", "10.000,00", "0,00", "10.000,00");
    EXPECT_EQ(DepreciationScheduleLines(Asset(DepreciationMethod::Normal, 10000, 4)), expected);
}

TEST(DepreciationSchedule, RevaluedYearThenAYearWithout)
{
    DepreciationInput in = Asset(DepreciationMethod::Normal, 10000, 4);
    Tick(in, 2010, 10);
    // 2010: value 11.000, depreciation increase 2.500 x 10 % = 250, fund 1.000 - 250 = 750;
    // 2011 keeps showing the value before the 2010 revaluation.
    const QStringList expected =
        Heading("Kamyon") + FirstRow("2009", "10.000,00", "2.500,00") +
        Row("2010", {"10.000,00", "1.000,00", "11.000,00", "750,00"}, {"2.500,00", "250,00", "5.500,00", "2.750,00"}) +
        Row("2011", {"10.000,00", "0,00", "11.000,00", "0,00"}, {"5.500,00", "0,00", "8.250,00", "2.750,00"}) +
        Row("2012", {"10.000,00", "0,00", "11.000,00", "0,00"}, {"8.250,00", "0,00", "11.000,00", "2.750,00"}) +
        Closing("2012", "2.750,00", "11.000,00", "750,00", "11.000,00");
    EXPECT_EQ(DepreciationScheduleLines(in), expected);
}

TEST(DepreciationSchedule, FromInitialCostPutsTheWholeIncreaseIntoTheFund)
{
    DepreciationInput in = Asset(DepreciationMethod::Normal, 10000, 4);
    in.fromInitialCost = true;
    Tick(in, 2010, 10);
    Tick(in, 2012, 20);
    const QStringList expected =
        Heading("Kamyon") + FirstRow("2009", "10.000,00", "2.500,00") +
        Row("2010", {"10.000,00", "1.000,00", "11.000,00", "1.000,00"}, {"2.500,00", "0,00", "5.000,00", "2.500,00"}) +
        Row("2011", {"10.000,00", "0,00", "11.000,00", "0,00"}, {"5.000,00", "0,00", "7.500,00", "2.500,00"}) +
        Row("2012", {"11.000,00", "2.200,00", "13.200,00", "2.200,00"}, {"7.500,00", "0,00", "10.000,00", "2.500,00"}) +
        Closing("2012", "2.500,00", "10.000,00", "3.200,00", "13.200,00");
    EXPECT_EQ(DepreciationScheduleLines(in), expected);
}

TEST(DepreciationSchedule, AcceleratedTakesTheRemainderInTheLastYear)
{
    const QStringList expected =
        Heading("Kamyon") + FirstRow("2009", "10.000,00", "5.000,00") +
        Row("2010", {"10.000,00", "0,00", "10.000,00", "0,00"}, {"5.000,00", "0,00", "7.500,00", "2.500,00"}) +
        Row("2011", {"10.000,00", "0,00", "10.000,00", "0,00"}, {"7.500,00", "0,00", "8.750,00", "1.250,00"}) +
        Row("2012", {"10.000,00", "0,00", "10.000,00", "0,00"}, {"8.750,00", "0,00", "10.000,00", "1.250,00"}) +
        Closing("2012", "1.250,00", "10.000,00", "0,00", "10.000,00");
    EXPECT_EQ(DepreciationScheduleLines(Asset(DepreciationMethod::Accelerated, 10000, 4)), expected);
}

TEST(DepreciationSchedule, AcceleratedRevaluedInItsLastYear)
{
    DepreciationInput in = Asset(DepreciationMethod::Accelerated, 9000, 3, 2010);
    Tick(in, 2012, 10);
    // 2012 is the last year: the remaining book value 9.900 - (8.000 + 800)
    const QStringList head =
        Heading("Kamyon") + FirstRow("2010", "9.000,00", "6.000,00") +
        Row("2011", {"9.000,00", "0,00", "9.000,00", "0,00"}, {"6.000,00", "0,00", "8.000,00", "2.000,00"});
    EXPECT_EQ(DepreciationScheduleLines(in),
              head +
                  Row("2012", {"9.000,00", "900,00", "9.900,00", "100,00"}, {"8.000,00", "800,00", "9.900,00", "1.100,00"}) +
                  Closing("2012", "1.100,00", "9.900,00", "100,00", "9.900,00"));
    in.fromInitialCost = true;  // the cost less what is booked: 9.000 - 8.000
    EXPECT_EQ(DepreciationScheduleLines(in),
              head +
                  Row("2012", {"9.000,00", "900,00", "9.900,00", "900,00"}, {"8.000,00", "0,00", "9.000,00", "1.000,00"}) +
                  Closing("2012", "1.000,00", "9.000,00", "900,00", "9.900,00"));
}

TEST(DepreciationSchedule, ProRataFromJanuaryIsNormal)
{
    DepreciationInput normal = Asset(DepreciationMethod::Normal, 10000, 4);
    DepreciationInput proRata = Asset(DepreciationMethod::ProRata, 10000, 4);
    Tick(normal, 2011, 5);
    Tick(proRata, 2011, 5);
    EXPECT_EQ(DepreciationScheduleLines(proRata), DepreciationScheduleLines(normal));
}

TEST(DepreciationSchedule, ProRataFromJulyRunsOneYearLonger)
{
    DepreciationInput in = Asset(DepreciationMethod::ProRata, 12000, 4, 2009, 7);
    Tick(in, 2010, 10);
    // First year 12.000 / 4 / 12 x 6; 2010 revalues to 13.200 (depreciation increase 150);
    // 2013 takes the remaining book value 13.200 - 11.550.
    const QStringList expected =
        Heading("Kamyon") + FirstRow("2009", "12.000,00", "1.500,00") +
        Row("2010", {"12.000,00", "1.200,00", "13.200,00", "1.050,00"}, {"1.500,00", "150,00", "4.950,00", "3.300,00"}) +
        Row("2011", {"12.000,00", "0,00", "13.200,00", "0,00"}, {"4.950,00", "0,00", "8.250,00", "3.300,00"}) +
        Row("2012", {"12.000,00", "0,00", "13.200,00", "0,00"}, {"8.250,00", "0,00", "11.550,00", "3.300,00"}) +
        Row("2013", {"12.000,00", "0,00", "13.200,00", "0,00"}, {"11.550,00", "0,00", "13.200,00", "1.650,00"}) +
        Closing("2013", "1.650,00", "13.200,00", "1.050,00", "13.200,00");
    EXPECT_EQ(DepreciationScheduleLines(in), expected);

    in.fromInitialCost = true;  // the last year takes the remaining 6/12 of a year's depreciation
    const QStringList fromCost =
        Heading("Kamyon") + FirstRow("2009", "12.000,00", "1.500,00") +
        Row("2010", {"12.000,00", "1.200,00", "13.200,00", "1.200,00"}, {"1.500,00", "0,00", "4.500,00", "3.000,00"}) +
        Row("2011", {"12.000,00", "0,00", "13.200,00", "0,00"}, {"4.500,00", "0,00", "7.500,00", "3.000,00"}) +
        Row("2012", {"12.000,00", "0,00", "13.200,00", "0,00"}, {"7.500,00", "0,00", "10.500,00", "3.000,00"}) +
        Row("2013", {"12.000,00", "0,00", "13.200,00", "0,00"}, {"10.500,00", "0,00", "12.000,00", "1.500,00"}) +
        Closing("2013", "1.500,00", "12.000,00", "1.200,00", "13.200,00");
    EXPECT_EQ(DepreciationScheduleLines(in), fromCost);
}

TEST(DepreciationSchedule, SaleYearEndsTheSchedule)
{
    EXPECT_EQ(DepreciationScheduleLines(Asset(DepreciationMethod::Normal, 10000, 4, 2009, 1, 2009)),
              Heading("Kamyon") + FirstRow("2009", "10.000,00", "2.500,00") + QStringList{FundLine("0,00")});

    EXPECT_EQ(DepreciationScheduleLines(Asset(DepreciationMethod::Normal, 10000, 4, 2009, 1, 2010)),
              Heading("Kamyon") + FirstRow("2009", "10.000,00", "2.500,00") +
                  Row("2010", {"10.000,00", "0,00", "10.000,00", "0,00"}, {"2.500,00", "0,00", "5.000,00", "2.500,00"}) +
                  Closing("2010", "2.500,00", "5.000,00", "0,00", "10.000,00"));
}

TEST(DepreciationSchedule, LifeOfOneYear)
{
    const QStringList oneRow = Heading("Kamyon") + FirstRow("2009", "10.000,00", "10.000,00") +
                               Closing("2009", "10.000,00", "10.000,00", "0,00", "10.000,00");
    EXPECT_EQ(DepreciationScheduleLines(Asset(DepreciationMethod::Normal, 10000, 1)), oneRow);
    // Twice the straight-line rate would write off twice the cost; the cost is the most there is.
    EXPECT_EQ(DepreciationScheduleLines(Asset(DepreciationMethod::Accelerated, 10000, 1)), oneRow);
}

TEST(DepreciationSchedule, RevaluationOnlyInsideTheTicked1990To2014Years)
{
    DepreciationInput in = Asset(DepreciationMethod::Normal, 1000, 3, 2013);
    Tick(in, 2013, 50);  // the entry year is never revalued
    Tick(in, 2014, 10);
    in.ticked[0] = true;  // 1990, outside the schedule
    in.rates[0] = 40;
    const QStringList expected =
        Heading("Kamyon") + FirstRow("2013", "1.000,00", "333,33") +
        Row("2014", {"1.000,00", "100,00", "1.100,00", "66,67"}, {"333,33", "33,33", "733,33", "366,67"}) +
        Row("2015", {"1.000,00", "0,00", "1.100,00", "0,00"}, {"733,33", "0,00", "1.100,00", "366,67"}) +
        Closing("2015", "366,67", "1.100,00", "66,67", "1.100,00");
    EXPECT_EQ(DepreciationScheduleLines(in), expected);
}

TEST(DepreciationSchedule, FirstRevaluationYears)
{
    DepreciationInput in = Asset(DepreciationMethod::Normal, 1000, 2, 1989, 1, 1990);
    Tick(in, 1990, 100);
    EXPECT_EQ(DepreciationScheduleLines(in).mid(9, 2),
              Row("1990", {"1.000,00", "1.000,00", "2.000,00", "500,00"}, {"500,00", "500,00", "2.000,00", "1.000,00"})
                  .mid(0, 2));
    in.ticked[0] = false;
    in.entryYear = 1990;
    in.saleYear = 1991;
    Tick(in, 1991, 100);
    EXPECT_EQ(DepreciationScheduleLines(in).mid(6, 6),
              FirstRow("1990", "1.000,00", "500,00") +
                  Row("1991", {"1.000,00", "1.000,00", "2.000,00", "500,00"}, {"500,00", "500,00", "2.000,00", "1.000,00"}));
}

TEST(DepreciationSchedule, NothingToComputeLeavesTheHeadingAlone)
{
    DepreciationInput noMethod = Asset(DepreciationMethod::Normal, 10000, 4);
    noMethod.method = -1;
    for (const DepreciationInput& in :
         {noMethod, Asset(DepreciationMethod::Normal, 0, 4), Asset(DepreciationMethod::Accelerated, -5, 4),
          Asset(DepreciationMethod::ProRata, 10000, 0)})
        EXPECT_EQ(DepreciationScheduleLines(in), Heading("Kamyon"));
}

}  // namespace
