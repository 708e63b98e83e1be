#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// The locale's number and date conventions, read by every formatting and parsing routine.
// Taken from the system locale at start-up; tests install the Turkish settings.
struct TFormatSettings {
    QChar DecimalSeparator = '.';
    QChar ThousandSeparator = ',';
    QChar DateSeparator = '/';
    QChar TimeSeparator = ':';
    QString ShortDateFormat = "dd/mm/yyyy";  // "/" stands for DateSeparator
    QString LongDateFormat = "dddd, d mmmm yyyy";
    QString LongTimeFormat = "hh:nn:ss";
    QString ShortTimeFormat = "hh:nn";
    QStringList ShortMonthNames;  // 12 names, January first
    QStringList LongMonthNames;
    QStringList ShortDayNames;    // 7 names, Sunday first
    QStringList LongDayNames;
    QString TimeAMString = "AM";
    QString TimePMString = "PM";
    QString CurrencyString = "$";
    int CurrencyFormat = 0;  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int NegCurrFormat = 1;   // 0 "($1)", 1 "-$1", ... 8 "-1 $" (the class library's sixteen layouts)

    static TFormatSettings Turkish();
    static TFormatSettings FromSystemLocale();
};

// The settings in force; one object for the whole program.
TFormatSettings& FormatSettings();
void SetFormatSettings(const TFormatSettings& settings);
