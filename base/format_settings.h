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
    QString LongTimeFormat = "hh:nn:ss";
    QString ShortTimeFormat = "hh:nn";
    QStringList ShortMonthNames;  // 12 names, January first
    QStringList LongMonthNames;
    QStringList ShortDayNames;    // 7 names, Sunday first
    QStringList LongDayNames;

    static TFormatSettings Turkish();
    static TFormatSettings FromSystemLocale();
};

// The settings in force; one object for the whole program.
TFormatSettings& FormatSettings();
void SetFormatSettings(const TFormatSettings& settings);
