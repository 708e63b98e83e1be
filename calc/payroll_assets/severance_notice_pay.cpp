#include "calc/payroll_assets/severance_notice_pay.h"

NoticePay ComputeNoticePay(long double wage, long double incomeTaxRate, long double stampRate,
                           TDateTime entry, TDateTime exit)
{
    NoticePay pay;
    pay.tenure = static_cast<long double>(exit) - static_cast<long double>(entry);
    for (const NoticePayBand& band : NoticePayBands) {
        if (pay.tenure < band.belowDays) {
            pay.wageDays = band.wageDays;
            pay.bandText = QString::fromUtf8(band.text);
            break;
        }
    }
    pay.pay = wage / 30 * pay.wageDays;
    pay.incomeTax = pay.pay * incomeTaxRate / 100;
    pay.stampTax = pay.pay * stampRate / 100;
    pay.net = pay.pay - (pay.incomeTax + pay.stampTax);
    return pay;
}

QStringList NoticeStatementLines(const EmployeeFields& employee, const QString& grossText,
                                 const NoticePay& pay)
{
    QStringList lines = StatementHeadLines(employee, "İHBAR TAZMİNATI HESAPLAMASI");
    lines << "BRÜT ÜCRETİ          : " + grossText + " TL"
          << "İHBAR TAZMİNATINA      "
          << "ESAS TUTAR           : " + StatementAmount(pay.pay) + " " + pay.bandText
          << "GELİR VERGİSİ         "
          << "KESİNTİSİ            : " + StatementAmount(pay.incomeTax) + " TL"
          << " ";
    return lines + StatementClosingLines(employee, "İHBAR", pay.stampTax, pay.net,
                                         "Yukarıda yazılı ihbar tazminatını nakten aldım.");
}
