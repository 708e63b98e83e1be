#include "base/date_time_picker.h"

#include "base/date_time.h"
#include "base/format_settings.h"

#include "case_table.h"
#include "input_support.h"

#include <QLineEdit>

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
        const int x = edit->contentsRect().left() + 4 + edit->fontMetrics().horizontalAdvance(edit->text().left(character));
        const QPoint at(x, edit->height() / 2);
        SendMouse(edit, QEvent::MouseButtonPress, at);
        SendMouse(edit, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    void Type(const QString& keys) { SendKeys(&picker, keys, true); }
    std::string Shown() const { return picker.text().toStdString(); }
    std::string Picked() const { return picker.date().toString("dd.MM.yyyy").toStdString(); }
    void Leave() { SendFocus(&picker, QEvent::FocusOut); }
    TDateTimePicker picker;
};

TEST_F(PickerTyping, TypedDigitsReplaceTheSectionAndMoveOn)
{
    for (const CaseLine& c : ReadCases("base/picker_typing.txt", 4)) {
        SCOPED_TRACE(c.where.toStdString());
        picker.setDate(QDate(2020, 6, 15));
        ClickAt(c[0].toInt());
        Type(c[1]);
        EXPECT_EQ(Shown(), c[2].toStdString());
        Leave();
        EXPECT_EQ(Picked(), c[3].toStdString());
        EXPECT_EQ(Shown(), Picked());
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
