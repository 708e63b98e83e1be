#include "base/date_time_picker.h"

#include "base/format_settings.h"

#include <cmath>

namespace {

// The short date format ("dd/mm/yyyy", "/" standing for the date separator) in Qt's notation.
QString QtDateFormat(const TFormatSettings& settings)
{
    QString out;
    for (QChar c : settings.ShortDateFormat) {
        if (c == 'm' || c == 'M')
            out += 'M';
        else if (c == 'd' || c == 'D')
            out += 'd';
        else if (c == 'y' || c == 'Y')
            out += 'y';
        else if (c == '/')
            out += QString("'") + settings.DateSeparator + "'";
        else
            out += QString("'") + c + "'";
    }
    return out;
}

} // namespace

TDateTimePicker::TDateTimePicker(QWidget* parent) : QDateTimeEdit(parent)
{
    // Dates before 1900 would need the negative day numbers of TDateTime with their odd fractions.
    setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 31));
    setCalendarPopup(true);
    ApplyShortDateFormat();
    setDate(ToQDate(::Date()));
}

void TDateTimePicker::ApplyShortDateFormat()
{
    setDisplayFormat(QtDateFormat(FormatSettings()));
}

TDateTime TDateTimePicker::DateTime() const
{
    return FromQDate(date()) + timeOfDay_;
}

void TDateTimePicker::SetDateTime(TDateTime value)
{
    SetTime(value);
    SetDate(value);
}

void TDateTimePicker::SetDate(TDateTime date)
{
    setDate(ToQDate(std::floor(date)));
}

TDateTime TDateTimePicker::Time() const
{
    return timeOfDay_;
}

void TDateTimePicker::SetTime(TDateTime time)
{
    timeOfDay_ = time - std::floor(time);
}
