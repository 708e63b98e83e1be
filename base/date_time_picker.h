#pragma once

#include "base/date_time.h"

#include <QDateTimeEdit>

// A date picker that holds a TDateTime: the calendar date is what the user sees and picks, the time
// of day rides along unchanged when a date is set or picked, and reading returns both together.
class TDateTimePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit TDateTimePicker(QWidget* parent = nullptr);

    TDateTime DateTime() const;                   // date and time of day
    TDateTime Date() const { return DateTime(); } // as the class library reads it: with the time
    void SetDateTime(TDateTime value);
    void SetDate(TDateTime date); // keeps the time of day; the fraction of date is ignored
    TDateTime Time() const;       // the time of day alone
    void SetTime(TDateTime time); // keeps the date

    // Shows dates in the short date format of FormatSettings() (called at construction).
    void ApplyShortDateFormat();

private:
    double timeOfDay_ = 0;
};
