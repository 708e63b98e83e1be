#include "base/date_time.h"

#include "base/error_texts.h"
#include "base/exceptions.h"
#include "base/format_settings.h"

#include <QDateTime>
#include <QTime>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr int64_t kMSecsPerDay = 86400000;
constexpr int64_t kJulianDayOfZero = 2415019;  // 30.12.1899
constexpr int64_t kFirstDay = -693593;         // 01.01.0001
constexpr int64_t kLastDay = 2958465;          // 31.12.9999

// A value split into whole days and milliseconds of the day. Before 30.12.1899 the integer part
// counts days backwards while the fraction is still the time of day, so -1.25 is 29.12.1899 06:00.
// Rounding the whole value to milliseconds first lets 23:59:59.9999 carry into the next day, so
// date and time of one value never disagree.
struct Stamp {
    int64_t days = 0;
    int msec = 0;
    bool valid = false;
};

Stamp ToStamp(TDateTime value)
{
    Stamp s;
    if (!std::isfinite(value) || std::fabs(value) > double(kLastDay + 1))
        return s;
    int64_t total = int64_t(std::nearbyint(std::fabs(static_cast<long double>(value)) * kMSecsPerDay));
    s.days = total / kMSecsPerDay;
    s.msec = int(total % kMSecsPerDay);
    if (value < 0)
        s.days = -s.days;
    s.valid = s.days >= kFirstDay && s.days <= kLastDay;
    return s;
}

// Joins a date and a time of day under the rule above.
TDateTime Compose(TDateTime date, TDateTime time)
{
    return date < 0 ? date - time : date + time;
}

int CurrentYear()
{
    return QDate::currentDate().year();
}

enum DateOrder { doMDY, doDMY, doYMD };

DateOrder GetDateOrder(const QString& format)
{
    for (QChar c : format) {
        switch (c.toUpper().unicode()) {
        case 'Y':
            return doYMD;
        case 'M':
            return doMDY;
        case 'D':
            return doDMY;
        default:
            break;
        }
    }
    return doDMY;
}

// Reads dates and times the way the class library's scanner did: blanks may stand before each
// number and separator, numbers have at most four digits.
class Scanner {
public:
    explicit Scanner(const QString& text) : s_(text) {}

    bool AtEnd() const { return pos_ >= s_.size(); }
    int Position() const { return pos_; }
    void SetPosition(int pos) { pos_ = pos; }

    void SkipBlanks()
    {
        while (pos_ < s_.size() && s_[pos_] == ' ')
            ++pos_;
    }

    bool Number(int& value, int& length)
    {
        SkipBlanks();
        int start = pos_;
        value = 0;
        while (pos_ < s_.size() && pos_ - start < 4 && s_[pos_].isDigit() && s_[pos_].unicode() < 128) {
            value = value * 10 + (s_[pos_].unicode() - '0');
            ++pos_;
        }
        length = pos_ - start;
        return length > 0;
    }

    bool Char(QChar c)
    {
        SkipBlanks();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool Word(const QString& word)
    {
        SkipBlanks();
        if (!word.isEmpty() && s_.mid(pos_, word.size()).compare(word, Qt::CaseInsensitive) == 0) {
            pos_ += int(word.size());
            return true;
        }
        return false;
    }

private:
    const QString& s_;
    int pos_ = 0;
};

bool ScanDate(Scanner& in, TDateTime& value)
{
    const TFormatSettings& fs = FormatSettings();
    const DateOrder order = GetDateOrder(fs.ShortDateFormat);
    int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
    if (!(in.Number(n1, l1) && in.Char(fs.DateSeparator) && in.Number(n2, l2)))
        return false;
    int year = 0, month = 0, day = 0, yearLength = 0;
    if (in.Char(fs.DateSeparator)) {
        if (!in.Number(n3, l3))
            return false;
        switch (order) {
        case doMDY:
            year = n3, yearLength = l3, month = n1, day = n2;
            break;
        case doDMY:
            year = n3, yearLength = l3, month = n2, day = n1;
            break;
        case doYMD:
            year = n1, yearLength = l1, month = n2, day = n3;
            break;
        }
        if (yearLength <= 2) {
            // Two-digit years fall within the fifty years before and the fifty after this year.
            int base = CurrentYear() - 50;
            year += base / 100 * 100;
            if (year < base)
                year += 100;
        }
    } else {
        year = CurrentYear();
        if (order == doMDY)
            month = n1, day = n2;
        else
            month = n2, day = n1;
    }
    in.Char(fs.DateSeparator);
    in.SkipBlanks();
    return TryEncodeDate(year, month, day, value);
}

bool ScanTime(Scanner& in, TDateTime& value)
{
    const TFormatSettings& fs = FormatSettings();
    auto scanAmPm = [&]() {
        if (in.Word(fs.TimeAMString) || in.Word("AM"))
            return 0;
        if (in.Word(fs.TimePMString) || in.Word("PM"))
            return 12;
        return -1;
    };
    int baseHour = scanAmPm();
    int hour = 0, minute = 0, second = 0, msec = 0, length = 0;
    if (!in.Number(hour, length))
        return false;
    if (in.Char(fs.TimeSeparator)) {
        if (!in.Number(minute, length))
            return false;
        if (in.Char(fs.TimeSeparator)) {
            if (!in.Number(second, length))
                return false;
            if (in.Char(fs.DecimalSeparator) && !in.Number(msec, length))
                return false;
        }
    }
    if (baseHour < 0)
        baseHour = scanAmPm();
    if (baseHour >= 0) {
        if (hour == 0 || hour > 12)
            return false;
        if (hour == 12)
            hour = 0;
        hour += baseHour;
    }
    in.SkipBlanks();
    if (hour >= 24 || minute >= 60 || second >= 60 || msec >= 1000)
        return false;
    value = EncodeTime(hour, minute, second, msec);
    return true;
}

QString Padded(int value, int width)
{
    return QString::number(value).rightJustified(width, '0');
}

class DateTimeFormatter {
public:
    explicit DateTimeFormatter(TDateTime value) : stamp_(ToStamp(value))
    {
        if (stamp_.valid)
            DecodeDate(value, year_, month_, day_);
        hour_ = stamp_.msec / 3600000;
        minute_ = stamp_.msec / 60000 % 60;
        second_ = stamp_.msec / 1000 % 60;
        msec_ = stamp_.msec % 1000;
        dayOfWeek_ = stamp_.valid ? DayOfWeek(value) : 0;
    }

    QString Format(const QString& format, int depth = 0)
    {
        const TFormatSettings& fs = FormatSettings();
        QString out;
        if (depth > 2)  // "c" inside the short date format must not recurse for ever
            return out;
        const bool twelveHour = UsesTwelveHourClock(format);
        QChar lastLetter = ' ';
        const int n = int(format.size());
        for (int i = 0; i < n;) {
            const QChar start = format[i];
            QChar token = start.toUpper();
            if (token.unicode() < 128 && token.isLetter()) {
                if (token == 'M' && lastLetter == 'H')
                    token = 'N';
                lastLetter = token;
            }
            auto count = [&]() {
                int k = i;
                while (k < n && format[k].toUpper() == start.toUpper())
                    ++k;
                int c = k - i;
                i = k;
                return c;
            };
            switch (token.unicode()) {
            case '"':
            case '\'': {
                int close = format.indexOf(start, i + 1);
                if (close < 0)
                    close = n;
                out += format.mid(i + 1, close - i - 1);
                i = close + 1;
                break;
            }
            case 'Y':
                out += count() <= 2 ? Padded(year_ % 100, 2) : Padded(year_, 4);
                break;
            case 'M': {
                int c = count();
                if (c <= 2)
                    out += Padded(month_, c);
                else if (month_ >= 1)
                    out += Name(c == 3 ? fs.ShortMonthNames : fs.LongMonthNames, month_ - 1);
                break;
            }
            case 'D': {
                int c = count();
                if (c <= 2)
                    out += Padded(day_, c);
                else if (c <= 4)
                    out += dayOfWeek_ >= 1 ? Name(c == 3 ? fs.ShortDayNames : fs.LongDayNames, dayOfWeek_ - 1)
                                           : QString();
                else
                    out += Format(c == 5 ? fs.ShortDateFormat : fs.LongDateFormat, depth + 1);
                break;
            }
            case 'H': {
                int c = count();
                int h = hour_;
                if (twelveHour) {
                    h %= 12;
                    if (h == 0)
                        h = 12;
                }
                out += Padded(h, std::min(c, 2));
                break;
            }
            case 'N':
                out += Padded(minute_, std::min(count(), 2));
                break;
            case 'S':
                out += Padded(second_, std::min(count(), 2));
                break;
            case 'Z':
                out += Padded(msec_, count() == 1 ? 1 : 3);
                break;
            case 'T':
                out += Format(count() == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, depth + 1);
                break;
            case 'C':
                count();
                out += Format(fs.ShortDateFormat, depth + 1);
                if (stamp_.msec != 0)
                    out += ' ' + Format(fs.LongTimeFormat, depth + 1);
                break;
            case 'A':
                out += AmPm(format, i);
                break;
            case '/':
                out += fs.DateSeparator;
                ++i;
                break;
            case ':':
                out += fs.TimeSeparator;
                ++i;
                break;
            default:
                out += start;
                ++i;
                break;
            }
        }
        return out;
    }

private:
    static QString Name(const QStringList& names, int index)
    {
        return index >= 0 && index < names.size() ? names[index] : QString();
    }

    static bool UsesTwelveHourClock(const QString& format)
    {
        return format.contains("am/pm", Qt::CaseInsensitive) || format.contains("a/p", Qt::CaseInsensitive) ||
               format.contains("ampm", Qt::CaseInsensitive);
    }

    // "am/pm" and "a/p" keep the case written; "ampm" takes the locale's texts; a lone "a" is a letter.
    QString AmPm(const QString& format, int& i)
    {
        const bool pm = hour_ >= 12;
        auto at = [&](const char* word) { return format.mid(i, int(strlen(word))).compare(word, Qt::CaseInsensitive) == 0; };
        if (at("am/pm")) {
            QString s = format.mid(i + (pm ? 3 : 0), 2);
            i += 5;
            return s;
        }
        if (at("a/p")) {
            QString s = format.mid(i + (pm ? 2 : 0), 1);
            i += 3;
            return s;
        }
        if (at("ampm")) {
            i += 4;
            return pm ? FormatSettings().TimePMString : FormatSettings().TimeAMString;
        }
        return format.mid(i++, 1);
    }

    Stamp stamp_;
    int year_ = 0, month_ = 0, day_ = 0, hour_ = 0, minute_ = 0, second_ = 0, msec_ = 0, dayOfWeek_ = 0;
};

}  // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInAMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInAMonth(year, month);
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result))
        throw EConvertError(QString("Geçersiz tarih: gün %1, ay %2, yıl %3").arg(day).arg(month).arg(year));
    return result;
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result)
{
    if (!IsValidDate(year, month, day))
        return false;
    result = double(QDate(year, month, day).toJulianDay() - kJulianDayOfZero);
    return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    if (hour < 0 || hour >= 24 || minute < 0 || minute >= 60 || second < 0 || second >= 60 || msec < 0 ||
        msec >= 1000)
        throw EConvertError(QString("Geçersiz saat: %1:%2:%3.%4")
                                .arg(Padded(hour, 2), Padded(minute, 2), Padded(second, 2), Padded(msec, 3)));
    return double(((hour * 60 + minute) * 60 + second) * 1000 + msec) / kMSecsPerDay;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day)
{
    Stamp s = ToStamp(value);
    if (!s.valid) {
        year = month = day = 0;
        return;
    }
    QDate d = QDate::fromJulianDay(s.days + kJulianDayOfZero);
    year = d.year();
    month = d.month();
    day = d.day();
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec)
{
    Stamp s = ToStamp(value);
    hour = s.msec / 3600000;
    minute = s.msec / 60000 % 60;
    second = s.msec / 1000 % 60;
    msec = s.msec % 1000;
}

int DayOfWeek(TDateTime value)
{
    // 01.01.0001 was a Monday; counted from there, day 0 of ours is a Saturday.
    Stamp s = ToStamp(value);
    if (!s.valid)
        return 0;
    return int((s.days - kFirstDay + 1) % 7) + 1;
}

TDateTime Date()
{
    return FromQDate(QDate::currentDate());
}

TDateTime Now()
{
    QDateTime now = QDateTime::currentDateTime();
    return FromQDate(now.date()) + double(now.time().msecsSinceStartOfDay()) / kMSecsPerDay;
}

QDate ToQDate(TDateTime value)
{
    Stamp s = ToStamp(value);
    return s.valid ? QDate::fromJulianDay(s.days + kJulianDayOfZero) : QDate();
}

TDateTime FromQDate(const QDate& date)
{
    return date.isValid() ? double(date.toJulianDay() - kJulianDayOfZero) : 0.0;
}

TDateTime StrToDate(const QString& text)
{
    TDateTime value = 0;
    if (!TryStrToDate(text, value))
        throw EConvertError(ErrorTexts::InvalidDate(text));
    return value;
}

bool TryStrToDate(const QString& text, TDateTime& value)
{
    Scanner in(text);
    TDateTime v = 0;
    if (!ScanDate(in, v) || !in.AtEnd())
        return false;
    value = v;
    return true;
}

bool TryStrToTime(const QString& text, TDateTime& value)
{
    Scanner in(text);
    return ScanTime(in, value) && in.AtEnd();
}

bool TryStrToDateTime(const QString& text, TDateTime& value)
{
    Scanner in(text);
    TDateTime date = 0, time = 0;
    if (ScanDate(in, date) && (in.AtEnd() || (ScanTime(in, time) && in.AtEnd()))) {
        value = Compose(date, time);
        return true;
    }
    return TryStrToTime(text, value);
}

TDateTime StrToTime(const QString& text)
{
    TDateTime value = 0;
    if (!TryStrToTime(text, value))
        throw EConvertError(ErrorTexts::InvalidTime(text));
    return value;
}

TDateTime StrToDateTime(const QString& text)
{
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value))
        throw EConvertError(ErrorTexts::InvalidDateTime(text));
    return value;
}

QString FormatDateTime(const QString& format, TDateTime value)
{
    return DateTimeFormatter(value).Format(format.isEmpty() ? QString("c") : format);
}

QString DateToStr(TDateTime value)
{
    return FormatDateTime("ddddd", value);
}

QString TimeToStr(TDateTime value)
{
    return FormatDateTime("tt", value);
}

QString DateTimeToStr(TDateTime value)
{
    return FormatDateTime("c", value);
}
