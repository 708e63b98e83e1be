#include "calc/late_interest/rate_period_walk.h"

#include "base/date_time.h"

#include "case_table.h"

#include <vector>

namespace {
QString Text(TDateTime t)
{
    return FormatDateTime("dd.mm.yyyy", t);
}

const RatePeriodTable& TableNamed(const QString& name)
{
    return name == "late" ? LatePaymentRatePeriods : DeferralRatePeriods;
}

TEST(RatePeriodWalk, SegmentsAndTotal)
{
    for (const CaseLine& c : ReadCases("late_interest/walks.txt", 6)) {
        SCOPED_TRACE(c.where.toStdString());
        QStringList seen;
        // The pickers' time of day rides on both dates; the walk must ignore it.
        const double time = 0.9592653935;
        const double total = WalkRatePeriods(StrToDate(c[2]) + time, StrToDate(c[3]) + time, 1000, TableNamed(c[1]),
                                             [&](const RateSegment& s) {
                                                 seen << QStringList{Text(s.first), Text(s.last), s.period->rateColumn,
                                                                     QString::number(s.months),
                                                                     QString::number(double(s.interest), 'g', 12)}
                                                             .join(';');
                                             });
        EXPECT_EQ(seen.join('|'), c[5]);
        EXPECT_NEAR(total, c[4].toDouble(), 1e-9);
    }
}

TEST(RatePeriodBoundaries, FirstDebtDayOnOrAfterEachChange)
{
    for (const CaseLine& c : ReadCases("late_interest/boundaries.txt", 4)) {
        const std::vector<TDateTime> b = RatePeriodBoundaries(c[1].toInt(), TableNamed(c[0]));
        ASSERT_LT(c[2].toUInt(), b.size()) << c.where.toStdString();
        EXPECT_EQ(Text(b[c[2].toUInt()]), c[3]) << c.where.toStdString();
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
