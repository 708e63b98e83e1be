#include "base/date_time.h"

#include "base/exceptions.h"
#include "case_table.h"
#include "error_of.h"
#include "settings_fixture.h"

#include <QRegularExpression>

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
    EXPECT_EQ(ErrorOf<EConvertError>([] { EncodeDate(2005, 2, 29); }), "Geçersiz tarih: gün 29, ay 2, yıl 2005");
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

// "day+hh:nn[:ss[.zzz]]", as the case table writes a value.
TDateTime ValueOf(const QString& text)
{
    const QStringList parts = text.split('+');
    TDateTime value = parts[0].toDouble();
    if (parts.size() > 1) {
        const QStringList t = parts[1].split(QRegularExpression("[:.]"));
        value += (((t[0].toInt() * 60 + t[1].toInt()) * 60 + t.value(2).toInt()) * 1000 + t.value(3).toInt()) /
                 86400000.0;
    }
    return value;
}

TEST_F(TurkishSettingsTest, DatesWrittenAndRead)
{
    for (const CaseLine& c : ReadCases("base/date_time.txt", 4)) {
        SCOPED_TRACE(c.where.toStdString());
        const TDateTime value = ValueOf(c[2]);
        if (c[0] == "Format")
            EXPECT_EQ(FormatDateTime(c[1], value), c[3]);
        else if (c[0].endsWith("ToStr"))
            EXPECT_EQ(c[0] == "DateToStr"   ? DateToStr(value)
                      : c[0] == "TimeToStr" ? TimeToStr(value)
                                            : DateTimeToStr(value),
                      c[3]);
        else if (c[0] == "StrToDateTime")
            EXPECT_NEAR(StrToDateTime(c[1]), value, 1e-10);
        else {
            TDateTime v = 0;
            if (c[0] == "StrToDate")
                EXPECT_FALSE(TryStrToDate(c[1], v));
            EXPECT_EQ(ErrorOf<EConvertError>([&] { c[0] == "StrToDate" ? StrToDate(c[1]) : StrToTime(c[1]); }),
                      c[3]);
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
