#include "base/date_time_picker.h"

#include "base/date_time.h"
#include "base/format_settings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {
TEST(DateTimePicker, TimeOfDayRidesAlongWhenTheDateChanges)
{
    SetFormatSettings(TFormatSettings::Turkish());
    TDateTimePicker picker;
    picker.SetDateTime(EncodeDate(2020, 6, 15) + 0.9592653935);
    picker.SetDate(EncodeDate(2001, 3, 29) + 0.25); // a fraction on the new date is ignored
    EXPECT_NEAR(picker.DateTime(), EncodeDate(2001, 3, 29) + 0.9592653935, 1e-9);
    picker.setDate(QDate(1996, 2, 29)); // as the calendar or the keyboard sets it
    EXPECT_NEAR(picker.DateTime(), EncodeDate(1996, 2, 29) + 0.9592653935, 1e-9);
    EXPECT_EQ(picker.text(), "29.02.1996");
}

// A picker on 15.06.2020 driven as a user drives it: a click at a character of "dd.mm.yyyy",
// keys typed, and the picker left.
class PickerTyping : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetFormatSettings(TFormatSettings::Turkish());
        picker.setDate(QDate(2020, 6, 15));
        picker.show();
    }
    void ClickAt(int character)
    {
        QLineEdit* edit = picker.findChild<QLineEdit*>();
        const QString before = edit->text().left(character);
        const QPoint at(edit->contentsRect().left() + 2 + edit->fontMetrics().horizontalAdvance(before) + 2,
                        edit->height() / 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, edit->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(edit, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, edit->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(edit, &release);
    }
    void Type(const QString& keys)
    {
        for (QChar c : keys) {
            const int key = c == '.' ? Qt::Key_Period : Qt::Key_0 + c.digitValue();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&picker, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&picker, &release);
        }
    }
    std::string Shown() const { return picker.text().toStdString(); }
    std::string Picked() const { return picker.date().toString("dd.MM.yyyy").toStdString(); }
    void Leave()
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&picker, &out);
    }
    TDateTimePicker picker;
};

TEST_F(PickerTyping, TypedDigitsReplaceTheSectionAndMoveOn)
{
    const struct {
        int click;           // character clicked
        const char* keys;
        const char* shown;   // text after typing
        QDate date;          // date after leaving
    } cases[] = {
        {1, "07", "07.06.2020", QDate(2020, 6, 7)},        // the day replaced, not "017"
        {4, "11", "15.11.2020", QDate(2020, 11, 15)},      // the month
        {8, "1999", "15.06.1999", QDate(1999, 6, 15)},     // the year
        {0, "0703", "07.03.2020", QDate(2020, 3, 7)},      // a full day moves on to the month
        {1, "4", "04.06.2020", QDate(2020, 6, 4)},         // a day of one digit that can have no second
        {1, "3110", "31.10.2020", QDate(2020, 10, 31)},    // ... and the month after it
        {1, "1", "01.06.2020", QDate(2020, 6, 1)},         // "1" may still become 10 to 19: taken on leaving
        {1, "0701202", "07.01.0202", QDate(2020, 1, 7)},   // a half-typed year is not taken
        {1, "070124", "07.01.0024", QDate(2024, 1, 7)},    // two digits are a year of this century
        {1, "3.7.2021", "03.07.2021", QDate(2021, 7, 3)},  // a separator ends the day or month early
        {1, "31.12.2021", "31.12.2021", QDate(2021, 12, 31)}, // ... and is passed over after a full one
    };
    for (const auto& c : cases) {
        picker.setDate(QDate(2020, 6, 15));
        ClickAt(c.click);
        Type(c.keys);
        EXPECT_EQ(Shown(), c.shown) << c.keys;
        Leave();
        EXPECT_EQ(Picked(), c.date.toString("dd.MM.yyyy").toStdString()) << c.keys;
        EXPECT_EQ(Shown(), Picked()) << c.keys;
    }
}

TEST_F(PickerTyping, ReachedByTheKeyboardAWholeDateIsTyped)
{
    for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::BacktabFocusReason}) {
        picker.setDate(QDate(2020, 6, 15));
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(&picker, &in);
        Type("15032021");
        Leave();
        EXPECT_EQ(Picked(), "15.03.2021") << reason;
    }
}

TEST_F(PickerTyping, ADayTheMonthLacksWaitsForTheMonth)
{
    ClickAt(1);
    Type("31");
    EXPECT_EQ(Shown(), "31.06.2020");  // not silently 30
    Type("07");
    EXPECT_EQ(Shown(), "31.07.2020");
    EXPECT_EQ(Picked(), "31.07.2020");
    // a date set by the program ends what was typed
    picker.setDate(QDate(2020, 6, 15));
    ClickAt(4);
    EXPECT_EQ(Shown(), "15.06.2020");
    ClickAt(1);
    Type("31.07");
    EXPECT_EQ(Shown(), "31.07.2020");

    // 29 February waits for a leap year
    picker.setDate(QDate(2021, 1, 10));
    ClickAt(1);
    Type("29022024");
    EXPECT_EQ(Picked(), "29.02.2024");

    // still impossible when the picker is left: the month's last day, on screen too
    picker.setDate(QDate(2020, 6, 15));
    ClickAt(1);
    Type("3106");
    EXPECT_EQ(Shown(), "31.06.2020");
    Leave();
    EXPECT_EQ(Picked(), "30.06.2020");
    EXPECT_EQ(Shown(), "30.06.2020");
}
}  // namespace
