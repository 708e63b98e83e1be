#pragma once

#include "calc/payroll_assets/severance_pay.h"

#include <QString>
#include <QStringList>

#include <array>

// One row of the notice bands: a tenure below `belowDays` (and not matched by an earlier row) earns
// `wageDays` days' wage.
struct NoticePayBand {
    long double belowDays;
    int wageDays;
    const char* text;
};

// The first matching row from the top wins; a tenure of 99999 days or more matches none and earns 0.
inline constexpr std::array<NoticePayBand, 4> NoticePayBands{{
    {183, 14, "(14 Günlük Ücret.)"},
    {548, 28, "(28 Günlük Ücret.)"},
    {1095, 42, "(42 Günlük Ücret.)"},
    {99999, 56, "(56 Günlük Ücret.)"},
}};

struct NoticePay {
    long double tenure = 0;  // days
    int wageDays = 0;
    QString bandText;
    long double pay = 0;
    long double incomeTax = 0;
    long double stampTax = 0;
    long double net = 0;
};

// wage is monthly (a day's wage is wage / 30); the rates are in percent.
NoticePay ComputeNoticePay(long double wage, long double incomeTaxRate, long double stampRate,
                           TDateTime entry, TDateTime exit);

QStringList NoticeStatementLines(const EmployeeFields& employee, const QString& grossText,
                                 const NoticePay& pay);
