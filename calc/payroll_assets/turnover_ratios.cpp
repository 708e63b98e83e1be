#include "calc/payroll_assets/turnover_ratios.h"

#include "base/error_texts.h"
#include "base/exceptions.h"
#include "base/numbers.h"

#include <cmath>

long double TurnoverDays(const TurnoverGroup& group, long double periodDays)
{
    if (group.flow == 0)
        return 0;
    const long double average = (group.opening + group.closing) / 2;
    if (average == 0)
        throw EZeroDivide(ErrorTexts::DivByZero());
    const long double ratio = group.flow / average;
    // The default rounding mode takes halves to the even neighbour; adding 0 turns -0 into 0.
    return std::nearbyint(periodDays / ratio) + 0.0L;
}

TurnoverDaysList TurnoverDaysOf(const TurnoverGroups& groups, long double periodDays)
{
    TurnoverDaysList days{};
    for (size_t i = 0; i < groups.size(); ++i)
        days[i] = TurnoverDays(groups[i], periodDays);
    return days;
}

QStringList TurnoverReportLines(const QString& heading, TDateTime start, TDateTime end,
                                const TurnoverDaysList& days)
{
    const QString d1 = FloatToStr(days[0]), d2 = FloatToStr(days[1]), d3 = FloatToStr(days[2]),
                  d4 = FloatToStr(days[3]), d5 = FloatToStr(days[4]);
    return {
        " ",
        heading,
        " ",
        "   " + FormatDateTime("dd/mm/yyyy", start) + " - " + FormatDateTime("dd/mm/yyyy", end) +
            " Tarihleri Arası Devir Hızları Aşağıdadır.",
        " ",
        "  -Alacakların Devir Hızı " + d1 + " Gündür. Toplam Satışlar Ortalama " + d1 +
            " Günde Tahsil Edilmiştir.",
        " ",
        "  -Satıcıların Devir Hızı " + d2 + " Gündür. Toplam Alımlar Ortalama " + d2 + " Günde Ödenmiştir.",
        " ",
        "  -Ticari Stokların Devir Hızı " + d3 + " Gündür. Toplam Ticari Stoklar Ortalama " + d3 +
            " Günde Satılmıştır.",
        " ",
        "  -Hammadde Stoklarının Devir Hızı " + d4 + " Gündür. Toplam Hammadde Stokları Ortalama " + d4 +
            " Günde Üretime Çıkmıştır.",
        " ",
        "  -Yarımamul Stoklarının Devir Hızı " + d5 + " Gündür. Toplam Yarımamul Stokları Ortalama " + d5 +
            " Günde Mamulleşmiştir.",
    };
}
