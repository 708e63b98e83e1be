#pragma once

#include <QDate>
#include <QString>

// Days since 30.12.1899; the fraction is the time of day.
using TDateTime = double;

bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
TDateTime EncodeDate(int year, int month, int day);  // EConvertError for an invalid date
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec);
int DayOfWeek(TDateTime value);  // 1 = Sunday ... 7 = Saturday
TDateTime Date();  // today, no time
TDateTime Now();
QDate ToQDate(TDateTime value);
TDateTime FromQDate(const QDate& date);

// Parsing by the short date format and the separators of FormatSettings(); EConvertError when invalid.
TDateTime StrToDate(const QString& text);
bool TryStrToDate(const QString& text, TDateTime& value);
TDateTime StrToTime(const QString& text);
bool TryStrToTime(const QString& text, TDateTime& value);
TDateTime StrToDateTime(const QString& text);  // a date, a time, or a date followed by a time
bool TryStrToDateTime(const QString& text, TDateTime& value);

// "dd/mm/yyyy" ("/" the locale's date separator), "dd.mm.yyyy", "d mmm yyyy", "d mmmm yyyy", "hh:nn:ss",
// "h:nn", quoted literals; "c" the short date (and time when not zero).
QString FormatDateTime(const QString& format, TDateTime value);
QString DateToStr(TDateTime value);
QString TimeToStr(TDateTime value);
QString DateTimeToStr(TDateTime value);
