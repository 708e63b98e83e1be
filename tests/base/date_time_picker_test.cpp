#include "base/date_time_picker.h"

#include "base/date_time.h"
#include "base/format_settings.h"

#include "case_table.h"
#include "input_support.h"

#include "test_support.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

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

// A picker on 15.06.2020 in a shown window, driven as a user drives it: a click at a character of
// "dd.mm.yyyy" or at a point of the picker, keys typed through the focused widget, and the picker left.
class PickerTyping : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetFormatSettings(TFormatSettings::Turkish());
        picker.setDate(QDate(2020, 6, 15));
        picker.show();
        picker.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    }
    QLineEdit* Edit() const { return picker.findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly); }
    void ClickAt(int character) { ClickDateCharacter(&picker, character); }
    void Type(const QString& keys) { PressKeys(keys); }
    std::string Shown() const { return picker.text().toStdString(); }
    // what a computation reads
    std::string Picked() const { return ToQDate(picker.DateTime()).toString("dd.MM.yyyy").toStdString(); }
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
        EXPECT_EQ(Picked(), Shown());  // read at once, as a run button that takes no focus reads it
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
    EXPECT_EQ(Shown(), "30.06.2020");  // June's last day, shown as it is read
    EXPECT_EQ(Picked(), "30.06.2020");
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

    // still impossible when the picker is left: the month's last day, as shown all along
    picker.setDate(QDate(2020, 6, 15));
    ClickAt(1);
    Type("3106");
    EXPECT_EQ(Shown(), "30.06.2020");
    Leave();
    EXPECT_EQ(Picked(), "30.06.2020");
    EXPECT_EQ(Shown(), "30.06.2020");
}

// A click anywhere but on the drop-down button (the frame, its edges, the empty area around the text)
// changes neither the date nor what is shown, whichever section is selected and with digits typed into
// it or not. Nor does a turn of the mouse wheel.
TEST_F(PickerTyping, AClickBesideTheTextChangesNothing)
{
    ClickAt(1);
    const QRect text = Edit()->geometry();
    const int h = picker.height();
    const QPoint points[] = {{text.center().x(), 0}, {text.center().x(), 1}, {text.center().x(), h - 1},
                             {text.center().x(), h - 2}, {0, h / 2}, {1, h / 2}, {0, 0}, {text.right(), h - 1}};
    for (int character : {1, 4, 8}) {
        for (const QString& typed : {QString(), QString("1")}) {
            for (QPoint at : points) {
                SCOPED_TRACE(testing::Message() << "section at " << character << ", typed \"" << typed.toStdString()
                                                << "\", click at " << at.x() << "," << at.y());
                picker.setDate(QDate(2020, 6, 15));
                ClickAt(character);
                Type(typed);
                const std::string before = Shown();
                for (int i = 0; i < 3; ++i)
                    MouseClickAt(&picker, at);
                EXPECT_EQ(Shown(), before);
                EXPECT_EQ(Picked(), before);
                EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
            }
        }
    }
    picker.setDate(QDate(2020, 6, 15));
    ClickAt(4);
    QWheelEvent wheel(QPointF(Edit()->geometry().center()), QPointF(picker.mapToGlobal(Edit()->geometry().center())),
                      QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&picker, &wheel);
    EXPECT_EQ(Picked(), "15.06.2020");
}

// The drop-down calendar opens on the picker's date and changes it only by a pick: a click on a day,
// or Enter on the day reached with the arrow keys. Digits typed into it, Esc, a click outside and a
// pause leave the date as it was.
TEST_F(PickerTyping, TheCalendarChangesTheDateOnlyByAPick)
{
    for (const CaseLine& c : ReadCases("base/picker_calendar.txt", 3)) {
        SCOPED_TRACE(c.where.toStdString());
        picker.setDate(QDate(2019, 4, 24));
        ClickDropDownButton(&picker);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        auto* calendar = popup->findChild<QCalendarWidget*>();
        ASSERT_NE(calendar, nullptr);
        EXPECT_EQ(calendar->selectedDate(), QDate(2019, 4, 24));
        EXPECT_EQ(calendar->yearShown() * 100 + calendar->monthShown(), 201904);
        for (const QString& step : c[0].split(' ')) {
            if (step == "Outside") {  // the calendar holds the mouse: a click beside it reaches it first
                QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(-20, popup->height() / 2));
            } else if (step == "Pause") {
                QTest::qWait(calendar->dateEditAcceptDelay() + 300);
            } else if (step.startsWith("Day")) {
                auto* days = calendar->findChild<QTableView*>();
                for (int row = 1; row < days->model()->rowCount(); ++row) {
                    for (int column = 0; column < days->model()->columnCount(); ++column) {
                        const QModelIndex cell = days->model()->index(row, column);
                        if (cell.data().toString() == step.mid(3))  // days 14 to 17 are on the page once
                            QTest::mouseClick(days->viewport(), Qt::LeftButton, Qt::NoModifier, days->visualRect(cell).center());
                    }
                }
            } else {
                Type(step);
            }
            QApplication::processEvents();
        }
        EXPECT_EQ(Shown(), c[1].toStdString());
        EXPECT_EQ(Picked(), c[1].toStdString());
        EXPECT_EQ(QApplication::activePopupWidget() ? "open" : "closed", c[2].toStdString());
        if (QWidget* open = QApplication::activePopupWidget())
            open->close();
    }
}
}  // namespace
