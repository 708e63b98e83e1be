#include "base/date_time.h"
#include "base/format_settings.h"
#include "calc_tab_test.h"
#include "golden.h"

namespace {

const char* const kOneYear = "Kıdem Tazminatı hesaplanacak kişinin bir yılını doldurmuş olması gerekir!";

// Statements, totals and release deeds are compared whole with tests/data/severance/*.txt.
class SeveranceTab : public CalcTabTest {
protected:
    void SetUp() override
    {
        CalcTabTest::SetUp();
        Employ("Ali Veli", "ABC Ltd", "Emeklilik", "1234");
        // the payroll tab's income-tax and stamp-tax rates
        Type("Edit384", "15");
        Type("Edit385", "0,759");
    }
    void Employ(const char* name, const char* company, const char* description, const char* registerNo)
    {
        Type("Edit414", name);
        Type("Edit435", company);
        Type("Edit418", description);
        Type("Edit419", registerNo);
    }
    void Wage(const char* gross, const char* bonuses = "", const char* meal = "")
    {
        Type("Edit415", gross);
        Type("Edit416", bonuses);
        Type("Edit417", meal);
    }
    void Dates(QDate entry, QDate exit)
    {
        Pick("DateTimePicker66", entry);
        Pick("DateTimePicker67", exit);
    }
    QStringList Report() const { return Lines("RichEdit14"); }
};

TEST_F(SeveranceTab, SeveranceAboveTheCeilingWithTheDesignDates)
{
    // the pickers keep the form's time of day under their design dates
    EXPECT_NEAR(Find<TDateTimePicker>("DateTimePicker66")->DateTime(), EncodeDate(2011, 7, 1) + 0.9592653935, 1e-9);
    EXPECT_NEAR(Find<TDateTimePicker>("DateTimePicker67")->DateTime(), EncodeDate(2015, 3, 31) + 0.9592653935, 1e-9);
    Wage("3000", "2", "10");
    Click("SpeedButton59");
    // 3.000 + 3.000 x 2 / 12 + 10 x 30 = 3.800 is capped at 2.731,85; 2.731,85 / 365 x 1.369 days
    ExpectGolden("severance/above_ceiling.txt", Report());
    EXPECT_EQ(Texts(415, 3) << Text("Edit420"), QStringList({"3.000,00", "2", "10,00", "10.169,46"}));
    EXPECT_TRUE(Checked("CheckBox5"));
}

TEST_F(SeveranceTab, OneYearRuleShowsAPlainMessageAndChangesNoAmount)
{
    Wage("3000");
    Click("SpeedButton59");
    Dates({2011, 7, 1}, {2012, 6, 30});
    Click("SpeedButton59");
    ASSERT_EQ(TestDialogs().shown.size(), 1u);
    const auto& shown = TestDialogs().shown[0];
    EXPECT_EQ(shown.text, kOneYear);
    EXPECT_EQ(shown.caption, "Tavrelo Çözüm");
    EXPECT_EQ(shown.icon, DialogService::NoIcon);
    EXPECT_EQ(shown.buttons, DialogService::Ok);
    EXPECT_EQ(Report(), QStringList());  // the earlier statement was cleared before the check
    EXPECT_EQ(Text("Edit420"), "10.169,46");

    Dates({2011, 7, 1}, {2012, 7, 1});
    Wage("1500", "1", "5");
    Click("SpeedButton59");
    EXPECT_EQ(TestDialogs().shown.size(), 1u);
    ExpectGolden("severance/one_year_and_a_day.txt", Report());
}

TEST_F(SeveranceTab, LeapDayEntryCompletesItsYearOn28February)
{
    Wage("1800");
    Dates({2012, 2, 29}, {2013, 2, 28});
    Click("SpeedButton59");
    EXPECT_TRUE(TestDialogs().shown.empty());
    ExpectGolden("severance/leap_day_entry.txt", Report());
}

TEST_F(SeveranceTab, NoticeUsesTheBandAndThePayrollRates)
{
    Wage("3000");
    Click("SpeedButton62");
    ExpectGolden("severance/notice.txt", Report());
    EXPECT_EQ(Text("Edit421"), "4.717,50");

    Type("Edit384", "20");
    Click("SpeedButton62");  // the flag clears the earlier statement
    EXPECT_EQ(Report()[15], "KESİNTİSİ            : 1.120,00 TL");
    EXPECT_EQ(Text("Edit421"), "4.437,50");

    Dates({1900, 1, 1}, {2180, 1, 1});  // beyond the last band: nothing, and no band text
    Click("SpeedButton62");
    ExpectGolden("severance/notice_beyond_the_bands.txt", Report());
}

TEST_F(SeveranceTab, NoticeTenureIsTheDaysBetweenThePickedDates)
{
    Wage("3000");
    Type("Edit384", "0");
    Type("Edit385", "0");
    const struct {
        QDate exit;
        const char* base;
    } cases[] = {{{2013, 7, 2}, "1.400,00 (14 Günlük Ücret.)"},   // 182 days
                 {{2013, 7, 3}, "2.800,00 (28 Günlük Ücret.)"}};  // 183
    for (const auto& c : cases) {
        Dates({2013, 1, 1}, c.exit);
        Click("SpeedButton62");
        EXPECT_EQ(Report().size(), 25);
        EXPECT_EQ(Report()[13], QString("ESAS TUTAR           : ") + c.base) << c.exit.toString().toStdString();
    }
}

TEST_F(SeveranceTab, BothWhenTheOneYearRuleStopsTheSeverance)
{
    Wage("3000");
    Click("SpeedButton59");  // an earlier employee's severance must not enter the total
    Dates({2011, 7, 1}, {2012, 6, 30});
    Click("SpeedButton63");
    EXPECT_EQ(TestDialogs().Texts(), QStringList({kOneYear}));
    ExpectGolden("severance/both_without_severance.txt", Report());
    EXPECT_EQ(Text("Edit420"), "");
}

TEST_F(SeveranceTab, BothWriteStatementsTotalAndDeedWithEmptyFieldsEmpty)
{
    Employ("Ayşe Kaya", "", "", "77");
    Wage("2000", "4", "12,5");
    Dates({2010, 3, 15}, {2013, 9, 20});  // 1.285 days
    Click("SpeedButton63");
    // 2.000 + 666,67 + 375 = 3.041,67 is capped at 2.731,85; notice pay 56 days' wage = 3.733,33
    const QStringList report = Report();
    ExpectGolden("severance/both.txt", report);
    EXPECT_EQ(Text("Edit420"), "9.545,48");
    EXPECT_EQ(Text("Edit421"), "3.145,00");
    EXPECT_TRUE(Checked("CheckBox5"));
    EXPECT_TRUE(TestDialogs().shown.empty());

    Click("SpeedButton63");  // a second run replaces the first
    EXPECT_EQ(Report(), report);
}

TEST_F(SeveranceTab, DeedAloneReplacesTheText)
{
    Wage("3000");
    Click("SpeedButton59");
    Click("SpeedButton12");
    ExpectGolden("severance/deed.txt", Report());
    EXPECT_TRUE(Checked("CheckBox5"));
    Click("SpeedButton62");  // the next statement starts afresh
    EXPECT_EQ(Report()[2], "İHBAR TAZMİNATI HESAPLAMASI");
}

TEST_F(SeveranceTab, DeedDatesFollowTheLocaleSeparator)
{
    TFormatSettings slash = TFormatSettings::Turkish();
    slash.DateSeparator = '/';
    SetFormatSettings(slash);
    Click("SpeedButton12");
    EXPECT_EQ(Report()[11], "01/07/2011 Tarihinden bu güne kadar çalıştığım ");
    EXPECT_EQ(Report()[12], "ABC Ltd.den ayrılış tarihim olan 31/03/2015");
    EXPECT_EQ(Report()[28], "Tarih \t\t\t:31/03/2015");
}

TEST_F(SeveranceTab, ResetKeepsDatesCeilingAndStampRate)
{
    Wage("3000", "2", "10");
    Type("Edit424", "3.000,00");
    Dates({2010, 1, 4}, {2014, 5, 6});
    Click("SpeedButton63");
    Click("SpeedButton61");
    EXPECT_EQ(Texts(414, 8) << Text("Edit435"), QStringList(9, QString()));
    EXPECT_EQ(Report(), QStringList());
    EXPECT_FALSE(Checked("CheckBox5"));
    EXPECT_EQ(Text("Edit424"), "3.000,00");
    EXPECT_EQ(Text("Edit423"), "0,75");
    EXPECT_EQ(Picked("DateTimePicker66"), QDate(2010, 1, 4));
}

TEST_F(SeveranceTab, BadAmountStopsBeforeAnyLine)
{
    Wage("3000");
    Type("Edit424", "1,2,3");
    Click("SpeedButton59");
    EXPECT_EQ(TestDialogs().shown.size(), 1u);
    EXPECT_EQ(Report(), QStringList());
    EXPECT_EQ(Text("Edit420"), "");
}

}  // namespace

TEST_F(SeveranceTab, AmountsOfSixteenNinesReachTheTotalExactly)
{
    // the nets go through their edits into the total; beyond 10^18 no digit may be lost or added
    Type("Edit415", "9999999999999999");
    Type("Edit424", "9999999999999999");
    Dates({2010, 3, 15}, {2013, 9, 20});
    Click("SpeedButton63");
    EXPECT_TRUE(TestDialogs().shown.empty()) << TestDialogs().Texts().join(" | ").toStdString();
    EXPECT_EQ(Text("Edit420"), "34.941.438.356.164.380,10");
    EXPECT_EQ(Text("Edit421"), "15.724.986.666.666.665,10");
    EXPECT_TRUE(Report().contains(
        "Kıdem Tazminatı ve İhbar Tazminatı karşılığı yapılan toplam ödeme tutarı :50.666.425.022.831.045,20 TL")) << Report().join("\n").toStdString();
}
