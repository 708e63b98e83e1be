#include "base/date_time_picker.h"

#include "base/date_time.h"
#include "base/format_settings.h"

#include <gtest/gtest.h>

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
