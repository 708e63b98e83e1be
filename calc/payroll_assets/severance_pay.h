#pragma once

#include "base/date_time.h"

#include <QString>
#include <QStringList>

// The employee fields every statement and the release deed print. Dates are whole days.
struct EmployeeFields {
    QString name;         // Edit414
    QString company;      // Edit435
    QString description;  // Edit418
    QString registerNo;   // Edit419
    TDateTime entry = 0;
    TDateTime exit = 0;
};

// The day on which one year of service is complete. An entry on 29 February completes its year on
// 28 February: a period counted in years ends on the last day of the month when that month lacks
// the starting day.
TDateTime OneYearAfter(TDateTime entry);
bool HasServedOneYear(TDateTime entry, TDateTime exit);

struct SeverancePay {
    long double bonusShare = 0;
    long double mealShare = 0;
    long double base = 0;  // wage + bonus share + meal share, at most the ceiling
    long double days = 0;
    long double gross = 0;
    long double stampTax = 0;
    long double net = 0;
};

// wage and ceiling are monthly; meal is the daily allowance; stampRate in percent.
SeverancePay ComputeSeverance(long double wage, long double bonusesPerYear, long double dailyMeal,
                              long double ceiling, long double stampRate, TDateTime entry, TDateTime exit);

// The statement lines. grossText, bonusCountText and mealText are the edits' texts as shown.
QStringList SeveranceStatementLines(const EmployeeFields& employee, const QString& grossText,
                                    const QString& bonusCountText, const QString& mealText,
                                    const SeverancePay& pay);

// "Kıdem ... toplam ödeme tutarı" after both statements: two blank lines, the total and eleven blank
// lines, ready for the release deed.
QStringList SeveranceTotalLines(long double total);

// Pieces shared by the severance and notice statements.
QString StatementAmount(long double value);  // "#,##0.00"
QString StatementDate(TDateTime date);
QStringList StatementHeadLines(const EmployeeFields& employee, const QString& title);
QStringList StatementSignatureLines(const EmployeeFields& employee, const QString& receipt);
// The stamp tax, the net under "HESAPLANAN NET <kind>" and the signed receipt that close a statement.
QStringList StatementClosingLines(const EmployeeFields& employee, const QString& kind, long double stampTax,
                                  long double net, const QString& receipt);
