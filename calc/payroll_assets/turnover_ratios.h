#pragma once

#include "base/date_time.h"

#include <QString>
#include <QStringList>

#include <array>

// Opening balance, closing balance and the period's flow of one kind of item.
struct TurnoverGroup {
    long double opening = 0;
    long double closing = 0;
    long double flow = 0;
};

// Receivables, payables, trade stock, raw materials, semi-finished goods.
using TurnoverGroups = std::array<TurnoverGroup, 5>;
using TurnoverDaysList = std::array<long double, 5>;

// Average turnover time in days over a period of periodDays, rounded to a whole number half to even
// (kept floating, so that no balance overflows it); 0 when the flow is 0. A flow against balances
// that add up to 0 raises EZeroDivide.
long double TurnoverDays(const TurnoverGroup& group, long double periodDays);
TurnoverDaysList TurnoverDaysOf(const TurnoverGroups& groups, long double periodDays);

// The report: heading, period line and one sentence per kind.
QStringList TurnoverReportLines(const QString& heading, TDateTime start, TDateTime end,
                                const TurnoverDaysList& days);
