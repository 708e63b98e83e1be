#pragma once

#include "base/date_time.h"

#include <QDateTimeEdit>

class QCalendarWidget;

// A date picker that holds a TDateTime: the calendar date is what the user sees and picks, the time
// of day rides along unchanged when a date is set or picked, and reading returns both together.
//
// What it shows is always a whole date and is the date it holds, also while the user types: a digit
// typed into the day, month or year is taken at once and the section shown whole ("3" is the 3rd until
// a second digit makes it the 31st, a day the month lacks its last day, a year of one or two digits one
// of this century, of three the first year of that decade), and the section moves on when complete, as
// in the date pickers accountants know. A click changes nothing but on the drop-down button, and the
// calendar it opens changes the date only when the user picks a day.
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
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    bool typeCharacter(QChar c);  // false for a character that is no digit or date separator
    void typeDigit(int digit);
    void take(Section section, const QString& digits);
    void apply(int year, int month, int day);
    void endSection();  // the next digit starts its section anew
    void endTyping();   // and a day the month lacked is forgotten
    void selectSection(Section section);
    void showCalendar();

    double timeOfDay_ = 0;
    Section typedSection_ = NoSection;
    QString typed_;      // digits typed into typedSection_ since it was entered
    int wantedDay_ = 0;  // the day last typed, kept while the month or year may still change
    bool applying_ = false;
    QWidget* calendarPopup_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
};
