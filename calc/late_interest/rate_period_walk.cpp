#include "calc/late_interest/rate_period_walk.h"

#include <cmath>
#include <optional>

namespace {

// clang-format off
constexpr RatePeriod kLatePayment[] = {
    {0, 0, 0, 7, 1, "    7 "},
    {1993, 12, 30, 9, 1, "    9 "},
    {1994, 3, 7, 12, 1, "   12 "},
    {1995, 8, 30, 10, 1, "   10 "},
    {1996, 1, 31, 15, 1, "   15 "},
    {1998, 7, 8, 12, 1, "   12 "},
    {2000, 1, 20, 6, 1, "    6 "},
    {2000, 12, 1, 5, 1, "    5 "},
    {2001, 3, 28, 10, 1, "   10 "},
    {2002, 1, 30, 7, 1, "    7 "},
    {2003, 11, 11, 4, 1, "    4 "},
    {2005, 3, 1, 3, 1, "    3 "},
    {2006, 4, 20, 2.5L, 1, "  2,5 "},
    {2009, 11, 18, 1.95L, 1, "  1,95"},
    {2010, 10, 18, 1.4L, 1, "  1,4 "},
    {2018, 9, 4, 2, 1, "  2,0 "},
    {2019, 7, 30, 2.5L, 1, "  2,5 "},
    {2019, 10, 1, 2, 1, "  2,0 "},
    {2019, 12, 29, 1.6L, 1, "  1,6 "},
};

constexpr RatePeriod kDeferral[] = {
    {0, 0, 0, 13, 2, "  6,5 "},
    {1994, 3, 8, 19, 2, "  9,5 "},
    {1995, 9, 6, 8, 1, "    8 "},
    {1996, 2, 1, 12, 1, "   12 "},
    {1996, 10, 21, 10, 1, "   10 "},
    {1998, 7, 9, 8, 1, "    8 "},
    {2000, 1, 24, 4, 1, "    4 "},
    {2000, 12, 20, 3, 1, "    3 "},
    {2001, 3, 30, 6, 1, "    6 "},
    {2002, 2, 1, 5, 1, "    5 "},
    {2003, 11, 22, 3, 1, "    3 "},
    {2005, 3, 4, 2.5L, 1, "  2,5 "},
    {2006, 4, 28, 2, 1, "    2 "},
    {2009, 11, 20, 19, 12, " 1,583"},
};
// clang-format on

// Day d of the given month; where February has no day d (29 or 30) the 28th.
TDateTime BoundaryIn(int year, int month, int debtDay)
{
    if (month > 12) {
        month -= 12;
        ++year;
    }
    return EncodeDate(year, month, (month == 2 && debtDay > 28) ? 28 : debtDay);
}

double WholeDays(TDateTime t)
{
    return std::floor(t);
}

} // namespace

const RatePeriodTable LatePaymentRatePeriods{kLatePayment, 2099, 12};
const RatePeriodTable DeferralRatePeriods{kDeferral, 2099, 12};

int DebtDay(TDateTime debtDate)
{
    int y, m, d;
    DecodeDate(debtDate, y, m, d);
    return d == 31 ? 30 : d;
}

std::vector<TDateTime> RatePeriodBoundaries(int debtDay, const RatePeriodTable& table)
{
    std::vector<TDateTime> boundaries;
    for (size_t k = 1; k < table.periods.size(); ++k) {
        const RatePeriod& change = table.periods[k];
        int month = debtDay >= change.changeDay ? change.changeMonth : change.changeMonth + 1;
        boundaries.push_back(BoundaryIn(change.changeYear, month, debtDay));
    }
    boundaries.push_back(BoundaryIn(table.closingYear, table.closingMonth, debtDay));
    return boundaries;
}

int MonthsBetween(TDateTime a, TDateTime b)
{
    int ya, ma, da, yb, mb, db;
    DecodeDate(a, ya, ma, da);
    DecodeDate(b, yb, mb, db);
    return (yb - ya) * 12 + (mb - ma) + (db > da ? 1 : 0);
}

bool DebtDateAfter(TDateTime debtDate, TDateTime endDate)
{
    return WholeDays(debtDate) > WholeDays(endDate);
}

double WalkRatePeriods(TDateTime debtDate, TDateTime endDate, long double amount,
                       const RatePeriodTable& table, const std::function<void(const RateSegment&)>& onSegment)
{
    const double debt = WholeDays(debtDate);
    const double end = WholeDays(endDate);
    const std::vector<TDateTime> boundaries = RatePeriodBoundaries(DebtDay(debtDate), table);

    double total = 0;
    for (size_t k = 0; k < table.periods.size(); ++k) {
        // Period k runs from boundary k-1 (none for the first) to boundary k.
        const std::optional<double> opens = k == 0 ? std::nullopt : std::optional<double>(boundaries[k - 1]);
        const double closes = boundaries[k];
        double first, last;
        if (opens && *opens > debt) {
            if (*opens > end)
                continue;
            first = *opens;
            last = closes > end ? end : closes;
        } else if (closes > debt) {
            first = debt;
            last = closes > end ? end : closes;
        } else {
            continue;
        }

        const RatePeriod& period = table.periods[k];
        const double months = MonthsBetween(first, last);
        // Formed in extended precision in this order, then kept as a double like the running total;
        // the sum and the share shown are taken in extended precision before the double is stored.
        const double interest = static_cast<double>(months * period.rateNumerator / period.rateDenominator *
                                                    amount / 100);
        const double before = total;
        total = static_cast<double>(static_cast<long double>(total) + interest);
        if (onSegment)
            onSegment(RateSegment{first, last, &period, months, static_cast<long double>(total) - before});
    }
    return total;
}
