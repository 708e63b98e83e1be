#pragma once

#include "base/date_time.h"

#include <QString>
#include <QStringList>

// The two kinds of interest the tab computes, each with its own report section.
enum class InterestSide { LatePayment, Deferral };
// A detailed run writes a line per rate period, a summary run one line for the whole debt.
enum class RunForm { Detailed, Summary };

struct LateInterestInputs {
    TDateTime debtDate = 0;
    TDateTime processDate = 0;
    QString headingText; // general description, written after the section heading
    QString description; // written at the end of every line of the run
};

// The tab's report state that a run reads and changes. A run changes it step by step, so that what
// it did before a conversion error stays done.
struct LateInterestReport {
    QString amountText;
    QString cumulativeText; // the total of every completed run since the reset
    bool latePaymentOpen = false;
    bool deferralOpen = false;
    QStringList newLines; // lines the run adds to the end of the report
};

// Thousands separators and two decimals in the locale's form.
QString AmountText(long double value);

// One run of the calculator. Raises EConvertError on an amount or cumulative text that is no number.
void RunLateInterest(InterestSide side, RunForm form, const LateInterestInputs& inputs,
                     LateInterestReport& report);
