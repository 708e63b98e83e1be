#pragma once

#include "base/date_time.h"

#include <QString>

#include <functional>
#include <span>
#include <vector>

// One legal rate period: the change that opens it and the monthly rate in force from then on.
// The rate is numerator / denominator percent; the two are kept apart because some deferral rates
// (6.5, 9.5, 19/12) are charged as a product and a division, and the figures depend on that order.
struct RatePeriod {
    int changeYear = 0; // 0 for the first period, which has no opening change
    int changeMonth = 0;
    int changeDay = 0;
    long double rateNumerator = 0;
    long double rateDenominator = 1;
    const char* rateColumn = ""; // six characters, comma as decimal mark whatever the locale
};

struct RatePeriodTable {
    std::span<const RatePeriod> periods; // the first period, then one per rate change in order
    int closingYear = 2099;              // day d of this month closes the last period
    int closingMonth = 12;
};

// Late-payment interest on overdue public receivables: 18 changes.
extern const RatePeriodTable LatePaymentRatePeriods;
// Interest on deferred public debts: 13 changes.
extern const RatePeriodTable DeferralRatePeriods;

// The part of a debt's run that lies in one rate period.
struct RateSegment {
    TDateTime first = 0; // whole days
    TDateTime last = 0;
    const RatePeriod* period = nullptr;
    double months = 0;
    long double interest = 0; // the running total after this segment minus the total before it
};

// The debt day that every boundary carries: the debt date's day, 31 taken as 30.
int DebtDay(TDateTime debtDate);
// The boundaries that open periods 2, 3, ... and, last, the closing boundary; whole days.
std::vector<TDateTime> RatePeriodBoundaries(int debtDay, const RatePeriodTable& table);
// Calendar months from a to b, a begun month counted whole.
int MonthsBetween(TDateTime a, TDateTime b);
// True when the debt date lies on a later day than the end date; a run then computes nothing.
bool DebtDateAfter(TDateTime debtDate, TDateTime endDate);

// Cuts the run from the debt date to the end date into one segment per touched rate period,
// charges each at its monthly rate on the amount and returns the running total. onSegment, when set,
// is told of each segment right after it is charged. Times of day play no part: a boundary on the
// debt date's or the end date's day counts as lying before it.
double WalkRatePeriods(TDateTime debtDate, TDateTime endDate, long double amount,
                       const RatePeriodTable& table,
                       const std::function<void(const RateSegment&)>& onSegment = {});
