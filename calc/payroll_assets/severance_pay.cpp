#include "calc/payroll_assets/severance_pay.h"

#include "base/numbers.h"

#include <algorithm>

TDateTime OneYearAfter(TDateTime entry)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(entry, year, month, day);
    return EncodeDate(year + 1, month, std::min(day, DaysInAMonth(year + 1, month)));
}

bool HasServedOneYear(TDateTime entry, TDateTime exit)
{
    return !(OneYearAfter(entry) > exit);
}

SeverancePay ComputeSeverance(long double wage, long double bonusesPerYear, long double dailyMeal,
                              long double ceiling, long double stampRate, TDateTime entry, TDateTime exit)
{
    SeverancePay pay;
    pay.bonusShare = wage * bonusesPerYear / 12;
    pay.mealShare = dailyMeal * 30;
    pay.base = wage + pay.bonusShare + pay.mealShare;
    if (pay.base > ceiling)
        pay.base = ceiling;
    pay.days = static_cast<long double>(exit) - static_cast<long double>(entry);
    pay.gross = pay.base / 365 * pay.days;
    pay.stampTax = pay.gross * stampRate / 100;
    pay.net = pay.gross - pay.stampTax;
    return pay;
}

QString StatementAmount(long double value)
{
    return FormatFloat("#,##0.00", value);
}

QString StatementDate(TDateTime date)
{
    return FormatDateTime("dd/mm/yyyy", date);
}

QStringList StatementHeadLines(const EmployeeFields& employee, const QString& title)
{
    return {
        " " + employee.company,
        " " + employee.description,
        title,
        "ADI SOYADI           : " + employee.name,
        " ",
        "SİCİL NO             : " + employee.registerNo,
        " ",
        "GİRİŞ TARİHİ         : " + StatementDate(employee.entry),
        " ",
        "ÇIKIŞ TARİHİ         : " + StatementDate(employee.exit),
        " ",
    };
}

QStringList StatementSignatureLines(const EmployeeFields& employee, const QString& receipt)
{
    return {receipt, " ", QString(27, ' ') + employee.name + "   (İmza)", " "};
}

QStringList StatementClosingLines(const EmployeeFields& employee, const QString& kind, long double stampTax,
                                  long double net, const QString& receipt)
{
    return QStringList{"DAMGA VERGİSİ        : " + StatementAmount(stampTax) + " TL",
                       "HESAPLANAN NET " + kind + "   ",
                       "TAZMİNATI TUTARI     : " + StatementAmount(net) + " TL",
                       " "} +
           StatementSignatureLines(employee, receipt);
}

QStringList SeveranceStatementLines(const EmployeeFields& employee, const QString& grossText,
                                    const QString& bonusCountText, const QString& mealText,
                                    const SeverancePay& pay)
{
    QStringList lines = StatementHeadLines(employee, "KIDEM TAZMİNATI HESAPLAMASI");
    lines << "BRÜT ÜCRETİ          : " + grossText + " TL"
          << " "
          << "İKRAMİYE PAYI        : " + StatementAmount(pay.bonusShare) + " TL" + " (" + bonusCountText +
                 " Adet yıllık ikramiye üzerinden.)"
          << " "
          << "YEMEK BEDELİ         : " + StatementAmount(pay.mealShare) + " TL" + " (" + mealText +
                 " TL Günlük yemek bedeli üzerinden.)"
          << "KIDEM TAZMİNATINA      "
          << "ESAS TUTAR           : " + StatementAmount(pay.base) + " TL"
          << "KIDEM TAZMİNATINA      "
          << "ESAS GÜN             : " + StatementAmount(pay.days) + " Gün."
          << "HESAPLANAN KIDEM       "
          << "TAZMİNATI TUTARI     : " + StatementAmount(pay.gross) + " TL"
          << " ";
    return lines + StatementClosingLines(employee, "KIDEM", pay.stampTax, pay.net,
                                         "Yukarıda yazılı kıdem tazminatını nakten aldım.");
}

QStringList SeveranceTotalLines(long double total)
{
    QStringList lines{" ", " ",
                      "Kıdem Tazminatı ve İhbar Tazminatı karşılığı yapılan toplam ödeme tutarı :" +
                          StatementAmount(total) + " TL"};
    for (int i = 0; i < 11; ++i)
        lines << " ";
    return lines;
}
