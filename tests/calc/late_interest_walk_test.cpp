#include "calc/late_interest/rate_period_walk.h"

#include "base/date_time.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Day {
    int y, m, d;
};

TDateTime At(Day day)
{
    return EncodeDate(day.y, day.m, day.d);
}

std::string Text(TDateTime t)
{
    int y, m, d;
    DecodeDate(t, y, m, d);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", d, m, y);
    return buf;
}

struct Segment {
    std::string first, last, rate;
    int months;
    double interest;
};

struct WalkCase {
    const char* name;
    const RatePeriodTable* table;
    Day debt, end;
    long double amount;
    std::vector<Segment> segments;
    double total;
};

// The time of day the date pickers carry; the walk must ignore it.
constexpr double kTime = 0.9592653935;

const WalkCase kWalkCases[] = {
    {"SameDay", &LatePaymentRatePeriods, {2020, 6, 15}, {2020, 6, 15}, 1000,
     {{"15.06.2020", "15.06.2020", "  1,6 ", 0, 0}}, 0},
    {"FourLatePeriods", &LatePaymentRatePeriods, {2019, 1, 15}, {2020, 3, 10}, 1000,
     {{"15.01.2019", "15.08.2019", "  2,0 ", 7, 140},
      {"15.08.2019", "15.10.2019", "  2,5 ", 2, 50},
      {"15.10.2019", "15.01.2020", "  2,0 ", 3, 60},
      {"15.01.2020", "10.03.2020", "  1,6 ", 2, 32}},
     282},
    {"EndOnBoundaryGivesZeroSegment", &LatePaymentRatePeriods, {2018, 8, 10}, {2019, 8, 10}, 1000,
     {{"10.08.2018", "10.09.2018", "  1,4 ", 1, 14},
      {"10.09.2018", "10.08.2019", "  2,0 ", 11, 220},
      {"10.08.2019", "10.08.2019", "  2,5 ", 0, 0}},
     234},
    {"DebtOnBoundarySkipsPeriodBefore", &LatePaymentRatePeriods, {2019, 8, 10}, {2019, 9, 10}, 1000,
     {{"10.08.2019", "10.09.2019", "  2,5 ", 1, 25}}, 25},
    {"DebtDay31KeepsItsDayForMonths", &LatePaymentRatePeriods, {2021, 5, 31}, {2021, 8, 31}, 1000,
     {{"31.05.2021", "31.08.2021", "  1,6 ", 3, 48}}, 48},
    {"DebtDay29FebruaryBoundary", &LatePaymentRatePeriods, {2001, 3, 29}, {2003, 12, 15}, 1000,
     {{"29.03.2001", "28.02.2002", "   10 ", 11, 1100},
      {"28.02.2002", "29.11.2003", "    7 ", 22, 1540},
      {"29.11.2003", "15.12.2003", "    4 ", 1, 40}},
     2680},
    {"LeapYear1996StillTakes28th", &LatePaymentRatePeriods, {1995, 12, 29}, {1996, 3, 29}, 1000,
     {{"29.12.1995", "28.02.1996", "   10 ", 2, 200}, {"28.02.1996", "29.03.1996", "   15 ", 2, 300}}, 500},
    {"Rate195", &LatePaymentRatePeriods, {2009, 12, 16}, {2010, 2, 16}, 1000,
     {{"16.12.2009", "16.02.2010", "  1,95", 2, 39}}, 39},
    {"FirstLatePeriod", &LatePaymentRatePeriods, {1993, 10, 5}, {1994, 2, 20}, 1000,
     {{"05.10.1993", "05.01.1994", "    7 ", 3, 210}, {"05.01.1994", "20.02.1994", "    9 ", 2, 180}}, 390},
    {"ClosedAt2099", &LatePaymentRatePeriods, {2099, 6, 15}, {2100, 3, 15}, 1000,
     {{"15.06.2099", "15.12.2099", "  1,6 ", 6, 96}}, 96},
    {"DebtOnClosingBoundary", &LatePaymentRatePeriods, {2099, 12, 20}, {2100, 1, 1}, 1000, {}, 0},
    {"DeferralThreePeriods", &DeferralRatePeriods, {2005, 1, 10}, {2007, 6, 15}, 1000,
     {{"10.01.2005", "10.03.2005", "    3 ", 2, 60},
      {"10.03.2005", "10.05.2006", "  2,5 ", 14, 350},
      {"10.05.2006", "15.06.2007", "    2 ", 14, 280}},
     690},
    {"DeferralNineteenTwelfths", &DeferralRatePeriods, {2010, 1, 15}, {2010, 3, 20}, 1000,
     {{"15.01.2010", "20.03.2010", " 1,583", 3, 47.5}}, 47.5},
    {"DeferralDebtOnBoundary", &DeferralRatePeriods, {2006, 4, 28}, {2010, 1, 1}, 1000,
     {{"28.04.2006", "28.11.2009", "    2 ", 43, 860},
      {"28.11.2009", "01.01.2010", " 1,583", 2, 2 * 19.0L / 12 * 1000 / 100}},
     860 + 2 * 19.0L / 12 * 1000 / 100},
    {"DeferralEndOnBoundary", &DeferralRatePeriods, {2000, 5, 10}, {2001, 4, 10}, 1000,
     {{"10.05.2000", "10.01.2001", "    4 ", 8, 320},
      {"10.01.2001", "10.04.2001", "    3 ", 3, 90},
      {"10.04.2001", "10.04.2001", "    6 ", 0, 0}},
     410},
    {"DeferralFromFirstPeriodDay31", &DeferralRatePeriods, {1993, 1, 31}, {1997, 5, 31}, 1000,
     {{"31.01.1993", "30.03.1994", "  6,5 ", 14, 910},
      {"30.03.1994", "30.09.1995", "  9,5 ", 18, 1710},
      {"30.09.1995", "28.02.1996", "    8 ", 5, 400},
      {"28.02.1996", "30.10.1996", "   12 ", 9, 1080},
      {"30.10.1996", "31.05.1997", "   10 ", 8, 800}},
     4900},
    {"DeferralDay30February2002", &DeferralRatePeriods, {2002, 1, 30}, {2002, 6, 30}, 1000,
     {{"30.01.2002", "28.02.2002", "    6 ", 1, 60}, {"28.02.2002", "30.06.2002", "    5 ", 5, 250}}, 310},
};

class RatePeriodWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(RatePeriodWalk, SegmentsAndTotal)
{
    const WalkCase& c = GetParam();
    std::vector<Segment> seen;
    double total = WalkRatePeriods(At(c.debt) + kTime, At(c.end) + kTime, c.amount, *c.table, [&](const RateSegment& s) {
        seen.push_back({Text(s.first), Text(s.last), s.period->rateColumn, static_cast<int>(s.months), s.interest});
    });
    ASSERT_EQ(seen.size(), c.segments.size());
    for (size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].first, c.segments[i].first);
        EXPECT_EQ(seen[i].last, c.segments[i].last);
        EXPECT_EQ(seen[i].rate, c.segments[i].rate);
        EXPECT_EQ(seen[i].months, c.segments[i].months);
        EXPECT_NEAR(seen[i].interest, c.segments[i].interest, 1e-9);
    }
    EXPECT_NEAR(total, c.total, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Tables, RatePeriodWalk, ::testing::ValuesIn(kWalkCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct BoundaryCase {
    const char* name;
    const RatePeriodTable* table;
    int debtDay;
    size_t index;  // 0 is the boundary of the first change; the last one closes the table
    Day expected;
};

const BoundaryCase kBoundaryCases[] = {
    {"DayBeforeChangeGoesToNextMonth", &LatePaymentRatePeriods, 1, 0, {1994, 1, 1}},
    {"DayOnChange", &LatePaymentRatePeriods, 30, 0, {1993, 12, 30}},
    {"ChangeOn31st", &LatePaymentRatePeriods, 15, 3, {1996, 2, 15}},
    {"ChangeOn31stDay30", &LatePaymentRatePeriods, 30, 3, {1996, 2, 28}},
    {"LateJanuary30Day30", &LatePaymentRatePeriods, 30, 8, {2002, 1, 30}},
    {"LateJanuary30Day29", &LatePaymentRatePeriods, 29, 8, {2002, 2, 28}},
    {"LateClosing", &LatePaymentRatePeriods, 30, 18, {2099, 12, 30}},
    {"Deferral1996Day29", &DeferralRatePeriods, 29, 2, {1996, 2, 28}},
    {"Deferral2002Day30", &DeferralRatePeriods, 30, 8, {2002, 2, 28}},
    {"Deferral2002Day28", &DeferralRatePeriods, 28, 8, {2002, 2, 28}},
    {"DeferralLastChange", &DeferralRatePeriods, 19, 12, {2009, 12, 19}},
    {"DeferralClosing", &DeferralRatePeriods, 5, 13, {2099, 12, 5}},
};

class RatePeriodBoundary : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(RatePeriodBoundary, FirstDebtDayOnOrAfterTheChange)
{
    const BoundaryCase& c = GetParam();
    std::vector<TDateTime> b = RatePeriodBoundaries(c.debtDay, *c.table);
    ASSERT_LT(c.index, b.size());
    EXPECT_EQ(Text(b[c.index]), Text(At(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(Tables, RatePeriodBoundary, ::testing::ValuesIn(kBoundaryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RatePeriodWalkTables, CountsOfChanges)
{
    EXPECT_EQ(RatePeriodBoundaries(15, LatePaymentRatePeriods).size(), 19u);
    EXPECT_EQ(RatePeriodBoundaries(15, DeferralRatePeriods).size(), 14u);
    EXPECT_EQ(DebtDay(EncodeDate(2021, 5, 31)), 30);
    EXPECT_EQ(DebtDay(EncodeDate(2021, 5, 29)), 29);
}

TEST(RatePeriodWalkTables, EveryBoundaryOfEveryDebtDayIsAValidRisingDate)
{
    for (const RatePeriodTable* table : {&LatePaymentRatePeriods, &DeferralRatePeriods}) {
        for (int d = 1; d <= 30; ++d) {
            std::vector<TDateTime> b = RatePeriodBoundaries(d, *table);
            for (size_t i = 1; i < b.size(); ++i)
                EXPECT_LT(b[i - 1], b[i]) << "day " << d << " boundary " << i;
        }
    }
}

TEST(RatePeriodWalkTables, OrderCheckComparesDaysOnly)
{
    EXPECT_FALSE(DebtDateAfter(EncodeDate(2020, 6, 15) + 0.9, EncodeDate(2020, 6, 15) + 0.1));
    EXPECT_TRUE(DebtDateAfter(EncodeDate(2020, 6, 16), EncodeDate(2020, 6, 15) + 0.99));
}

}  // namespace
