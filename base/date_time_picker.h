#pragma once

#include "base/date_time.h"

#include <QDateTimeEdit>

// A date picker that holds a TDateTime: the calendar date is what the user sees and picks, the time
// of day rides along unchanged when a date is set or picked, and reading returns both together.
//
// Typed digits replace the day, month or year under the cursor and move on when the section is
// complete, as in the date pickers accountants know. A day the month shown does not have ("31" in
// June) stays on screen as typed while the month and year are typed; only when the user leaves the
// picker with a date that still lacks that day does it become the month's last day.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void typeDigit(int digit);
    void apply(int year, int month, int day);
    void finishSection();  // takes the digits typed so far as the section's value
    void finishTyping();   // and lets go of a day the month does not have
    void showTyped();
    void selectSection(Section section);

    double timeOfDay_ = 0;
    Section typedSection_ = NoSection;
    QString typed_;      // digits typed into typedSection_ since it was entered
    int wantedDay_ = 0;  // the day last typed, kept while the month or year may still change
    bool applying_ = false;
};
