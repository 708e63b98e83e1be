#include "calc/late_interest/rate_period_walk.h"

#include "base/date_time.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Day {
    int y, m, d;
};

std::string Text(TDateTime t)
{
    return FormatDateTime("dd.mm.yyyy", t).toStdString();
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
    std::vector<Segment> segments;
    double total;
};

// Amount 1000 throughout. Whole reports of more cases are checked through the tab.
// clang-format off
const WalkCase kWalkCases[] = {
    {"SameDay", &LatePaymentRatePeriods, {2020, 6, 15}, {2020, 6, 15},
     {{"15.06.2020", "15.06.2020", "  1,6 ", 0, 0}}, 0},
    {"BegunMonthCountsWhole", &LatePaymentRatePeriods, {2019, 1, 15}, {2020, 3, 10},
     {{"15.01.2019", "15.08.2019", "  2,0 ", 7, 140}, {"15.08.2019", "15.10.2019", "  2,5 ", 2, 50},
      {"15.10.2019", "15.01.2020", "  2,0 ", 3, 60}, {"15.01.2020", "10.03.2020", "  1,6 ", 2, 32}}, 282},
    {"DebtOnBoundarySkipsThePeriodBefore", &LatePaymentRatePeriods, {2019, 8, 10}, {2019, 9, 10},
     {{"10.08.2019", "10.09.2019", "  2,5 ", 1, 25}}, 25},
    {"DebtDay31KeepsItsDayForMonths", &LatePaymentRatePeriods, {2021, 5, 31}, {2021, 8, 31},
     {{"31.05.2021", "31.08.2021", "  1,6 ", 3, 48}}, 48},
    {"LeapYear1996StillTakesThe28th", &LatePaymentRatePeriods, {1995, 12, 29}, {1996, 3, 29},
     {{"29.12.1995", "28.02.1996", "   10 ", 2, 200}, {"28.02.1996", "29.03.1996", "   15 ", 2, 300}}, 500},
    {"FirstPeriodAndMonth13Carried", &LatePaymentRatePeriods, {1993, 10, 5}, {1994, 2, 20},
     {{"05.10.1993", "05.01.1994", "    7 ", 3, 210}, {"05.01.1994", "20.02.1994", "    9 ", 2, 180}}, 390},
    {"Rate195", &LatePaymentRatePeriods, {2009, 12, 16}, {2010, 2, 16},
     {{"16.12.2009", "16.02.2010", "  1,95", 2, 39}}, 39},
    {"LateClosedAt2099", &LatePaymentRatePeriods, {2099, 6, 15}, {2100, 3, 15},
     {{"15.06.2099", "15.12.2099", "  1,6 ", 6, 96}}, 96},
    {"DebtOnTheClosingBoundary", &LatePaymentRatePeriods, {2099, 12, 20}, {2100, 1, 1}, {}, 0},
    {"DeferralEndOnBoundary", &DeferralRatePeriods, {2000, 5, 10}, {2001, 4, 10},
     {{"10.05.2000", "10.01.2001", "    4 ", 8, 320}, {"10.01.2001", "10.04.2001", "    3 ", 3, 90},
      {"10.04.2001", "10.04.2001", "    6 ", 0, 0}}, 410},
    {"DeferralNineteenTwelfths", &DeferralRatePeriods, {2010, 1, 15}, {2010, 3, 20},
     {{"15.01.2010", "20.03.2010", " 1,583", 3, 47.5}}, 47.5},
    {"DeferralDay30February2002", &DeferralRatePeriods, {2002, 1, 30}, {2002, 6, 30},
     {{"30.01.2002", "28.02.2002", "    6 ", 1, 60}, {"28.02.2002", "30.06.2002", "    5 ", 5, 250}}, 310},
};
// clang-format on

class RatePeriodWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(RatePeriodWalk, SegmentsAndTotal)
{
    const WalkCase& c = GetParam();
    std::vector<Segment> seen;
    // The pickers' time of day rides on both dates; the walk must ignore it.
    const double time = 0.9592653935;
    double total = WalkRatePeriods(EncodeDate(c.debt.y, c.debt.m, c.debt.d) + time,
                                   EncodeDate(c.end.y, c.end.m, c.end.d) + time, 1000, *c.table,
                                   [&](const RateSegment& s) {
                                       seen.push_back({Text(s.first), Text(s.last), s.period->rateColumn,
                                                       static_cast<int>(s.months), static_cast<double>(s.interest)});
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
    const RatePeriodTable* table;
    int debtDay;
    size_t index; // 0 the boundary of the first change; the last one closes the table
    std::string expected;
};

TEST(RatePeriodBoundaries, FirstDebtDayOnOrAfterEachChange)
{
    const BoundaryCase cases[] = {
        {&LatePaymentRatePeriods, 30, 0, "30.12.1993"}, {&LatePaymentRatePeriods, 15, 3, "15.02.1996"},
        {&LatePaymentRatePeriods, 30, 3, "28.02.1996"}, {&LatePaymentRatePeriods, 30, 8, "30.01.2002"},
        {&LatePaymentRatePeriods, 29, 8, "28.02.2002"}, {&LatePaymentRatePeriods, 30, 18, "30.12.2099"},
        {&DeferralRatePeriods, 29, 2, "28.02.1996"},    {&DeferralRatePeriods, 30, 8, "28.02.2002"},
        {&DeferralRatePeriods, 19, 12, "19.12.2009"},   {&DeferralRatePeriods, 5, 13, "05.12.2099"},
    };
    for (const BoundaryCase& c : cases) {
        std::vector<TDateTime> b = RatePeriodBoundaries(c.debtDay, *c.table);
        ASSERT_LT(c.index, b.size());
        EXPECT_EQ(Text(b[c.index]), c.expected) << "day " << c.debtDay << " boundary " << c.index;
    }
    EXPECT_EQ(DebtDay(EncodeDate(2021, 5, 31)), 30);
}

TEST(RatePeriodBoundaries, EveryDebtDayGivesRisingDates)
{
    for (const RatePeriodTable* table : {&LatePaymentRatePeriods, &DeferralRatePeriods}) {
        for (int d = 1; d <= 30; ++d) {
            std::vector<TDateTime> b = RatePeriodBoundaries(d, *table);
            ASSERT_EQ(b.size(), table == &LatePaymentRatePeriods ? 19u : 14u);
            for (size_t i = 1; i < b.size(); ++i)
                EXPECT_LT(b[i - 1], b[i]) << "day " << d << " boundary " << i;
        }
    }
}

} // namespace
