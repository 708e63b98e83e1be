#include "base/date_time.h"

#include "base/exceptions.h"
#include "settings_fixture.h"

// 01.02.2005 14:05:09.007, a Tuesday.
const TDateTime kFeb1 = 38384;
const TDateTime kFeb1Afternoon = kFeb1 + (((14 * 60 + 5) * 60 + 9) * 1000 + 7) / 86400000.0;

TEST(DateTime, DayNumbers)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDate(2000, 2, 29), 36585);
    EXPECT_EQ(EncodeDate(2004, 2, 29), 38046);
    EXPECT_EQ(EncodeDate(2005, 2, 1), kFeb1);
    EXPECT_EQ(DayOfWeek(0), 7);
    EXPECT_EQ(DayOfWeek(kFeb1Afternoon), 3);
    EXPECT_EQ(DayOfWeek(-1.25), 6);
    EXPECT_EQ(ToQDate(kFeb1Afternoon), QDate(2005, 2, 1));
    EXPECT_EQ(FromQDate(QDate(2005, 2, 1)), kFeb1);
    EXPECT_EQ(Date(), FromQDate(QDate::currentDate()));
}

TEST(DateTime, InvalidDates)
{
    for (auto [y, m, d] : {std::tuple{2005, 2, 29}, {1900, 2, 29}, {2005, 4, 31}, {2005, 13, 1}, {2005, 1, 0}, {0, 1, 1}})
        EXPECT_FALSE(IsValidDate(y, m, d)) << d << "." << m << "." << y;
    try {
        EncodeDate(2005, 2, 29);
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Geçersiz tarih: gün 29, ay 2, yıl 2005");
    }
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
}

TEST(DateTime, DecodingKeepsTheTimePositiveBeforeTheEpoch)
{
    int y, m, d, h, n, s, z;
    DecodeDate(-1.25, y, m, d);
    DecodeTime(-1.25, h, n, s, z);
    EXPECT_EQ(std::tuple(y, m, d, h, n, s, z), std::tuple(1899, 12, 29, 6, 0, 0, 0));
    DecodeDate(-0.5, y, m, d);
    EXPECT_EQ(std::tuple(y, m, d), std::tuple(1899, 12, 30));
    // A hair before midnight is midnight of the next day, for the date and the time alike.
    DecodeDate(kFeb1 + 0.99999999999, y, m, d);
    DecodeTime(kFeb1 + 0.99999999999, h, n, s, z);
    EXPECT_EQ(std::tuple(y, m, d, h, n, s, z), std::tuple(2005, 2, 2, 0, 0, 0, 0));
}

struct DateFormatCase {
    const char* format;
    TDateTime value;
    const char* expected;
};

class FormatDateTimeTest : public TurkishSettingsTest, public ::testing::WithParamInterface<DateFormatCase> {};

TEST_P(FormatDateTimeTest, Format)
{
    EXPECT_EQ(FormatDateTime(GetParam().format, GetParam().value).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Turkish, FormatDateTimeTest,
    ::testing::Values(DateFormatCase{"dd/mm/yyyy", kFeb1Afternoon, "01.02.2005"},
                      DateFormatCase{"d mmm yyyy", kFeb1Afternoon, "1 Şub 2005"},
                      DateFormatCase{"d mmmm yy, dddd (ddd)", kFeb1Afternoon, "1 Şubat 05, Salı (Sal)"},
                      DateFormatCase{"hh:nn:ss.zzz", kFeb1Afternoon, "14:05:09.007"},
                      DateFormatCase{"h:nn", kFeb1 + 0.25, "6:00"},
                      DateFormatCase{"hh:mm", kFeb1Afternoon, "14:05"},  // "m" after "h" is minutes
                      DateFormatCase{"mm", kFeb1Afternoon, "02"},
                      DateFormatCase{"h:nn am/pm", kFeb1Afternoon, "2:05 pm"},
                      DateFormatCase{"hh AM/PM", kFeb1 + 0.5, "12 PM"},
                      DateFormatCase{"\"Tarih: \"dd.mm.yyyy' mm'", kFeb1, "Tarih: 01.02.2005 mm"},
                      DateFormatCase{"c", kFeb1Afternoon, "01.02.2005 14:05:09"},
                      DateFormatCase{"c", kFeb1, "01.02.2005"},
                      DateFormatCase{"dd.mm.yyyy hh:nn", -1.25, "29.12.1899 06:00"}));

TEST_F(TurkishSettingsTest, DateToStrAndTimeToStr)
{
    EXPECT_EQ(DateToStr(kFeb1Afternoon), "01.02.2005");
    EXPECT_EQ(TimeToStr(kFeb1Afternoon), "14:05:09");
    EXPECT_EQ(DateTimeToStr(kFeb1Afternoon), "01.02.2005 14:05:09");
}

struct ReadDateCase {
    const char* text;
    TDateTime expected;
};

class StrToDateTest : public TurkishSettingsTest, public ::testing::WithParamInterface<ReadDateCase> {};

TEST_P(StrToDateTest, Reads)
{
    EXPECT_EQ(StrToDateTime(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Turkish, StrToDateTest,
    ::testing::Values(ReadDateCase{"01.02.2005", kFeb1}, ReadDateCase{" 1.2.2005 ", kFeb1},
                      ReadDateCase{"29.02.2004", 38046}, ReadDateCase{"29.02.2000", 36585},
                      ReadDateCase{"29.12.1899 06:00", -1.25}, ReadDateCase{"01.02.2005 14:05", kFeb1 + 14 / 24.0 + 5 / 1440.0},
                      ReadDateCase{"14:05:09", (14 * 3600 + 5 * 60 + 9) / 86400.0},
                      ReadDateCase{"2:05 PM", 14 / 24.0 + 5 / 1440.0}));

TEST_F(TurkishSettingsTest, TextsThatAreNoDate)
{
    for (const char* text : {"29.02.2005", "29.02.1900", "31.04.2005", "00.01.2005", "01.13.2005", "01/02/2005",
                             "01.02.2005x", "", "1.2.3.4"}) {
        TDateTime v = 0;
        EXPECT_FALSE(TryStrToDate(text, v)) << text;
        try {
            StrToDate(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QString("'%1' geçerli bir tarih değil").arg(text));
        }
    }
    for (const char* text : {"25:00", "14:60", "13:00 PM", "14:05x"}) {
        try {
            StrToTime(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QString("'%1' geçerli bir saat değil").arg(text));
        }
    }
}

TEST_F(TurkishSettingsTest, ShortYearsFallWithinFiftyYearsOfNow)
{
    const int year = QDate::currentDate().year();
    auto yy = [](int y) { return QString::number(y % 100).rightJustified(2, '0'); };
    EXPECT_EQ(StrToDate("01.02." + yy(year - 50)), EncodeDate(year - 50, 2, 1));
    EXPECT_EQ(StrToDate("01.02." + yy(year - 51)), EncodeDate(year + 49, 2, 1));
    EXPECT_EQ(StrToDate("01.02." + yy(year)), EncodeDate(year, 2, 1));
    EXPECT_EQ(StrToDate("01.02"), EncodeDate(year, 2, 1));  // no year: this year
    EXPECT_EQ(StrToDate("01.02.0005"), EncodeDate(5, 2, 1));  // four digits are taken as written
}

TEST_F(EnglishSettingsTest, DatesFollowTheShortFormatAndSeparator)
{
    EXPECT_EQ(StrToDate("02/01/2005"), kFeb1);
    EXPECT_THROW(StrToDate("01.02.2005"), EConvertError);
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy", kFeb1), "01/02/2005");
    EXPECT_EQ(DateToStr(kFeb1), "02/01/2005");
    EXPECT_EQ(FormatDateTime("d mmm yyyy", kFeb1), "1 Feb 2005");
}
