#include "base/date_time.h"
#include "base/format_settings.h"
#include "calc_tab_test.h"
#include "case_table.h"
#include "golden.h"

#include "input_support.h"

namespace {

// Whole reports are compared with tests/data/late_interest/*.txt.
const QString k1000 = "1.000,00";

class LateInterestTab : public CalcTabTest {
protected:
    void Dates(QDate debt, QDate process)
    {
        Pick("DateTimePicker63", debt);
        Pick("DateTimePicker62", process);
    }
    QStringList Report() const { return Lines("RichEdit10"); }
};

TEST_F(LateInterestTab, RunsOfBothSidesCollectUnderTheirHeadingsWithOneCumulativeTotal)
{
    Type("Edit372", "ABC Ltd.");
    Type("Edit373", "1000");
    Dates({2019, 1, 15}, {2020, 3, 10});
    Click("SpeedButton44");
    Click("SpeedButton47");
    Dates({2005, 1, 10}, {2007, 6, 15});
    Click("SpeedButton48");
    EXPECT_FALSE(Checked("CheckBox2"));
    EXPECT_TRUE(Checked("CheckBox3"));
    Click("SpeedButton49");
    Click("SpeedButton47"); // 2 months at 4, 14 at 3, 14 at 2.5
    EXPECT_TRUE(Checked("CheckBox2"));
    EXPECT_FALSE(Checked("CheckBox3"));

    ExpectGolden("late_interest/both_sides.txt", Report());
    EXPECT_EQ(Text("Edit375"), "2.794,00");

    Click("SpeedButton45");
    EXPECT_EQ(Report(), QStringList());
    EXPECT_EQ(Texts(372, 4), QStringList(4, ""));
    EXPECT_FALSE(Checked("CheckBox2") || Checked("CheckBox3"));
    Type("Edit373", "1000");
    Click("SpeedButton49");
    ExpectGolden("late_interest/after_reset.txt", Report());
}

// A run takes the dates as the pickers show them, also while one is still being typed into (the run
// buttons take no focus, so it keeps the focus) and after its calendar was opened and left.
TEST_F(LateInterestTab, ARunTakesTheDatesTheirPickersShow)
{
    for (const CaseLine& c : ReadCases("late_interest/shown_dates.txt", 5)) {
        SCOPED_TRACE(c.where.toStdString());
        Type("Edit373", "1000");
        Dates({2019, 1, 15}, {2026, 12, 7});
        auto* picker = Find<TDateTimePicker>("DateTimePicker" + c[0]);
        if (c[1] == "DropDown")
            ClickDropDownButton(picker);
        else
            ClickDateCharacter(picker, c[1].toInt());
        PressKeys(c[2]);
        EXPECT_EQ(picker->text().toStdString(), c[3].toStdString());
        Click("SpeedButton44");
        EXPECT_EQ(Text("Edit375").toStdString(), c[4].toStdString());
        Click("SpeedButton45");
    }
}

TEST_F(LateInterestTab, RetypedAmountOnAnOpenReport)
{
    Type("Edit373", "1000");
    Dates({2019, 10, 20}, {2019, 11, 20});
    Click("SpeedButton44");
    Type("Edit373", "2500");
    Click("SpeedButton44"); // the detailed late run takes it as typed
    EXPECT_EQ(Text("Edit373"), "2500");
    Click("SpeedButton47");
    Dates({2010, 1, 15}, {2010, 3, 20});
    Click("SpeedButton49");
    Type("Edit373", "1000");
    Click("SpeedButton48"); // the deferral runs rewrite it first
    EXPECT_EQ(Text("Edit373"), k1000);

    ExpectGolden("late_interest/retyped_amount.txt", Report());
}

TEST_F(LateInterestTab, ADebtDateAfterTheProcessDateOpensTheSectionOnlyAndAddsNothing)
{
    Type("Edit373", "2500");
    Dates({2007, 6, 16}, {2007, 6, 15});
    Click("SpeedButton44");
    Click("SpeedButton47"); // its flag stayed clear: a new heading
    EXPECT_EQ(Text("Edit373"), "2.500,00");
    EXPECT_FALSE(Checked("CheckBox2"));
    EXPECT_EQ(Text("Edit375"), "");

    Type("Edit373", "1000");
    Dates({2005, 1, 10}, {2007, 6, 15});
    Click("SpeedButton49");
    Dates({2007, 6, 16}, {2007, 6, 15});
    Click("SpeedButton44"); // opens its section and closes the deferral one
    EXPECT_FALSE(Checked("CheckBox2") || Checked("CheckBox3"));
    Dates({2005, 1, 10}, {2007, 6, 15});
    Click("SpeedButton49");
    ExpectGolden("late_interest/debt_after_process.txt", Report());

    // On an open report only the detailed late run leaves the amount as typed.
    Dates({2019, 10, 20}, {2019, 11, 20});
    Click("SpeedButton47");
    const QStringList open = Report();
    Type("Edit373", "2500");
    Dates({2019, 11, 21}, {2019, 11, 20});
    Click("SpeedButton44");
    EXPECT_EQ(Text("Edit373"), "2500");
    Click("SpeedButton47");
    EXPECT_EQ(Text("Edit373"), "2.500,00");
    EXPECT_EQ(Report(), open);
    EXPECT_EQ(Text("Edit375"), "1.400,00");
    EXPECT_TRUE(Checked("CheckBox2"));
    EXPECT_TRUE(TestDialogs().shown.empty());
}

TEST_F(LateInterestTab, AnAmountThatIsNoNumberEndsTheRunKeepingWhatItWrote)
{
    Type("Edit373", "1000");
    Dates({2010, 1, 15}, {2010, 3, 20});
    Click("SpeedButton49");
    const QStringList before = Report();
    Type("Edit373", "12,3,4");
    Click("SpeedButton44"); // converts before it opens its section
    EXPECT_EQ(Report(), before);
    EXPECT_TRUE(Checked("CheckBox3"));
    Click("SpeedButton47"); // opens its section, then fails
    ExpectGolden("late_interest/bad_amount_late_heading.txt", Report());
    EXPECT_FALSE(Checked("CheckBox3") || Checked("CheckBox2"));
    EXPECT_EQ(Text("Edit373"), "12,3,4");
    EXPECT_EQ(Text("Edit375"), "47,50");
    ASSERT_EQ(TestDialogs().Texts().size(), 2);
    EXPECT_TRUE(TestDialogs().Texts().at(1).contains("'12,3,4'")) << TestDialogs().Texts().at(1).toStdString();

    // The same for the cumulative total, which is read after the amount.
    Type("Edit373", "1000");
    Type("Edit375", "1,2,3");
    Click("SpeedButton48");
    ExpectGolden("late_interest/bad_cumulative_deferral_heading.txt", Report());
    EXPECT_EQ(Text("Edit373"), k1000);
    Type("Edit375", "47,50");
    Click("SpeedButton48");
    const QStringList written = Report();
    Type("Edit373", "2500");
    Type("Edit375", "1,2,3");
    Click("SpeedButton49"); // report open: the amount is rewritten, no line is added
    EXPECT_EQ(Text("Edit373"), "2.500,00");
    EXPECT_EQ(Report(), written);
    ExpectGolden("late_interest/bad_amounts.txt", written);
    ASSERT_EQ(TestDialogs().Texts().size(), 4);
    EXPECT_TRUE(TestDialogs().Texts().at(3).contains("'1,2,3' geçerli bir sayı değil"))
        << TestDialogs().Texts().at(3).toStdString();
}

TEST_F(LateInterestTab, SingleRunsWriteTheirWholeReports)
{
    for (const CaseLine& c : ReadCases("late_interest/runs.txt", 6)) {
        SCOPED_TRACE(c.where.toStdString());
        RecreateWindow();
        Type("Edit373", c[4]);
        Type("Edit374", c[5]);
        Dates(QDate::fromString(c[2], "dd.MM.yyyy"), QDate::fromString(c[3], "dd.MM.yyyy"));
        Click(c[1].toLatin1().constData());
        ExpectGolden("late_interest/" + c[0] + ".txt", Report());
    }
}

TEST_F(LateInterestTab, AnAmountLongerThanWhatCanBeTypedIsWrittenWhole)
{
    QLineEdit* amount = Find<QLineEdit>("Edit373");
    SendKeys(amount, "1234567890123456789012");
    EXPECT_EQ(amount->text().size(), 21);
    Type("Edit373", "12345678901234567");
    Click("SpeedButton47");
    Click("SpeedButton47");
    EXPECT_EQ(Text("Edit373"), "12.345.678.901.234.567,00");
}

TEST_F(LateInterestTab, StartsOnTodayWithTheFormsTimeOfDayAndWritesTheLocalesDates)
{
    for (const char* name : {"DateTimePicker62", "DateTimePicker63"})
        EXPECT_NEAR(Find<TDateTimePicker>(name)->DateTime(), Date() + 0.9592653935, 1e-9) << name;
    TFormatSettings settings = TFormatSettings::Turkish();
    settings.DateSeparator = '/';
    SetFormatSettings(settings);
    Type("Edit373", "1000");
    Dates({2019, 10, 20}, {2019, 11, 20});
    Click("SpeedButton47");
    EXPECT_EQ(Report().at(5), "20/10/2019  20/11/2019                1.000,00             20,00                    ");
}

} // namespace
