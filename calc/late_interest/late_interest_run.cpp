#include "calc/late_interest/late_interest_run.h"

#include "app/shell_routines.h"
#include "base/numbers.h"
#include "calc/late_interest/rate_period_walk.h"

namespace {

const QString kNoRate = QStringLiteral("      ");

QString DateText(TDateTime value)
{
    return FormatDateTime("dd/mm/yyyy", value);
}

// Date columns, rate, amount, interest and description, fields joined with nothing between them;
// a field longer than its column pushes the rest of the line to the right.
QString ReportLine(const QString& first, const QString& last, const QString& rate, const QString& amount,
                   const QString& interest, const QString& description)
{
    return PadRight(10, first) + "  " + PadRight(10, last) + rate + PadLeft(18, amount) +
           PadLeft(18, interest) + "  " + PadLeft(18, description);
}

QString TotalLine(const QString& caption, const QString& value)
{
    return PadRight(10, " ") + "  " + PadRight(10, " ") + kNoRate + PadLeft(18, caption) + PadLeft(18, value);
}

QStringList HeadingBlock(InterestSide side, const QString& headingText)
{
    const bool late = side == InterestSide::LatePayment;
    return {
        QString(),
        (late ? QStringLiteral(" GECİKME FAİZİ HESAPLAMA : ") : QStringLiteral(" TECİL FAİZİ HESAPLAMA : ")) +
            headingText,
        QString(),
        PadRight(10, " BAŞLANGIÇ") + "  " + PadRight(10, "BİTİŞ") + PadLeft(6, "FAİZ") + PadLeft(18, " ") +
            PadLeft(18, "HESAPLANAN") + PadLeft(18, " "),
        PadRight(10, " TARİHİ") + "  " + PadRight(10, "TARİHİ") + PadLeft(6, "ORANI") +
            PadLeft(18, "İŞLEM TUTARI") + PadLeft(18, late ? "GECİKME FAİZİ" : "TECİL FAİZİ") + "  " +
            PadLeft(18, "AÇIKLAMA"),
    };
}

} // namespace

QString AmountText(long double value)
{
    return FloatToStrF(value, ffNumber, 28, 2);
}

void RunLateInterest(InterestSide side, RunForm form, const LateInterestInputs& inputs,
                     LateInterestReport& report)
{
    const bool late = side == InterestSide::LatePayment;
    bool& ownOpen = late ? report.latePaymentOpen : report.deferralOpen;
    bool& otherOpen = late ? report.deferralOpen : report.latePaymentOpen;

    // The detailed late-payment run reformats the amount only when it opens a section; on an open
    // report it takes the amount as typed. Every other run reformats it after the heading.
    const bool reformatBeforeHeading = late && form == RunForm::Detailed;
    if (!ownOpen) {
        if (reformatBeforeHeading)
            report.amountText = AmountText(StrToAmount(report.amountText));
        otherOpen = false;
        report.newLines << HeadingBlock(side, inputs.headingText);
    }
    if (!reformatBeforeHeading)
        report.amountText = AmountText(StrToAmount(report.amountText));
    const long double amount = StrToAmount(report.amountText);
    const long double cumulative = StrToAmount(report.cumulativeText);

    if (DebtDateAfter(inputs.debtDate, inputs.processDate))
        return;

    const RatePeriodTable& table = late ? LatePaymentRatePeriods : DeferralRatePeriods;
    const double total =
        WalkRatePeriods(inputs.debtDate, inputs.processDate, amount, table, [&](const RateSegment& s) {
            if (form == RunForm::Detailed)
                report.newLines << ReportLine(DateText(s.first), DateText(s.last), s.period->rateColumn,
                                              report.amountText, AmountText(s.interest), inputs.description);
        });

    ownOpen = true;
    report.cumulativeText = AmountText(total + cumulative);
    if (form == RunForm::Detailed)
        report.newLines << TotalLine("TOPLAM", AmountText(total));
    else
        report.newLines << ReportLine(DateText(inputs.debtDate), DateText(inputs.processDate), kNoRate,
                                      report.amountText, AmountText(total), inputs.description);
    report.newLines << " " << TotalLine("KÜMÜLATİF TOPLAM", report.cumulativeText) << " ";
}
