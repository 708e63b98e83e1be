#include "base/format_settings.h"

#include <QLocale>

namespace {
TFormatSettings& current()
{
    static TFormatSettings settings = TFormatSettings::FromSystemLocale();
    return settings;
}
}  // namespace

TFormatSettings TFormatSettings::Turkish()
{
    TFormatSettings s;
    s.DecimalSeparator = ',';
    s.ThousandSeparator = '.';
    s.DateSeparator = '.';
    s.TimeSeparator = ':';
    s.ShortDateFormat = "dd.mm.yyyy";
    s.LongDateFormat = "d mmmm yyyy dddd";
    s.TimeAMString = "ÖÖ";
    s.TimePMString = "ÖS";
    s.CurrencyString = "TL";
    s.CurrencyFormat = 3;
    s.NegCurrFormat = 8;
    s.LongTimeFormat = "hh:nn:ss";
    s.ShortTimeFormat = "hh:nn";
    s.LongMonthNames = {"Ocak", "Şubat", "Mart", "Nisan", "Mayıs", "Haziran",
                        "Temmuz", "Ağustos", "Eylül", "Ekim", "Kasım", "Aralık"};
    s.ShortMonthNames = {"Oca", "Şub", "Mar", "Nis", "May", "Haz", "Tem", "Ağu", "Eyl", "Eki", "Kas", "Ara"};
    s.LongDayNames = {"Pazar", "Pazartesi", "Salı", "Çarşamba", "Perşembe", "Cuma", "Cumartesi"};
    s.ShortDayNames = {"Paz", "Pzt", "Sal", "Çar", "Per", "Cum", "Cmt"};
    return s;
}

TFormatSettings TFormatSettings::FromSystemLocale()
{
    QLocale locale;
    if (locale.language() == QLocale::Turkish)
        return Turkish();
    TFormatSettings s;
    s.DecimalSeparator = locale.decimalPoint().isEmpty() ? QChar('.') : locale.decimalPoint().at(0);
    s.ThousandSeparator = locale.groupSeparator().isEmpty() ? QChar(',') : locale.groupSeparator().at(0);
    // Derive the short date format from the locale's numeric date pattern, in the class library's letters.
    QString qt = locale.dateFormat(QLocale::ShortFormat);
    QChar sep = '/';
    // Only a real separator of numeric dates; a locale whose short form spells the month ("d MMM yyyy")
    // keeps "/".
    for (QChar c : qt) {
        if (c == '.' || c == '/' || c == '-') {
            sep = c;
            break;
        }
    }
    s.DateSeparator = sep;
    int d = qt.indexOf('d'), m = qt.indexOf('M'), y = qt.indexOf('y');
    QString order;
    if (d >= 0 && m >= 0 && y >= 0) {
        if (y < m && m < d)
            order = "yyyy/mm/dd";
        else if (m < d)
            order = "mm/dd/yyyy";
        else
            order = "dd/mm/yyyy";
    } else {
        order = "dd/mm/yyyy";
    }
    s.ShortDateFormat = QString(order).replace('/', sep);
    s.TimeSeparator = ':';
    s.TimeAMString = locale.amText();
    s.TimePMString = locale.pmText();
    s.CurrencyString = locale.currencySymbol();
    // Where the symbol stands, and whether a blank parts it from the number.
    const QString one = locale.toCurrencyString(1.0);
    const bool symbolFirst = one.startsWith(s.CurrencyString);
    const bool blank = one.contains(' ') || one.contains(QChar(0xA0));
    s.CurrencyFormat = (symbolFirst ? 0 : 1) + (blank ? 2 : 0);
    s.NegCurrFormat = symbolFirst ? (blank ? 9 : 1) : (blank ? 8 : 5);
    for (int i = 1; i <= 12; ++i) {
        s.LongMonthNames << locale.monthName(i, QLocale::LongFormat);
        s.ShortMonthNames << locale.monthName(i, QLocale::ShortFormat);
    }
    for (int i = 0; i < 7; ++i) {
        int qtDay = i == 0 ? 7 : i;  // Qt counts Monday as 1, the class library Sunday as 1
        s.LongDayNames << locale.dayName(qtDay, QLocale::LongFormat);
        s.ShortDayNames << locale.dayName(qtDay, QLocale::ShortFormat);
    }
    return s;
}

TFormatSettings& FormatSettings()
{
    return current();
}

void SetFormatSettings(const TFormatSettings& settings)
{
    current() = settings;
}
