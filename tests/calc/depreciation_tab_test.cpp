#include "calc/payroll_assets/depreciation_tab.h"
#include "test_support.h"

#include "base/date_time_picker.h"

#include "app/settings_archive.h"
#include "base/color.h"
#include "base/rich_edit.h"
#include "depreciation_lines.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include <utility>
#include <vector>

namespace {

class DepreciationTab : public MainWindowTest {
protected:
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
    void Click(const char* name) { Find<QPushButton>(name)->click(); }
    QStringList Report() const { return Find<TRichEdit>("RichEdit15")->Lines(); }
    QListWidget* Years() const { return Find<QListWidget>("CheckListBox1"); }
    QStringList Rates() const
    {
        QStringList rates;
        for (const RevaluationYear& y : RevaluationYearTable)
            rates << Find<QLineEdit>(y.rateEdit)->text();
        return rates;
    }
    void SetRates(const QStringList& rates)
    {
        for (int i = 0; i < RevaluationYearCount; ++i)
            Find<QLineEdit>(RevaluationYearTable[i].rateEdit)->setText(rates[i]);
    }
};

using namespace depreciation_lines;

struct ScheduleCase {
    const char* name;
    int method;  // item of the method box
    const char* cost;
    const char* life;
    QDate entry;
    QDate sale;
    bool fromCost;
    std::vector<std::pair<int, const char*>> ticks;  // year, rate text
    QStringList rows;                               // everything below the heading
};

std::vector<ScheduleCase> ScheduleCases()
{
    return {
        {"AcceleratedRevaluedTwiceSoldMidLife", 1, "50000", "5", {2011, 3, 15}, {2013, 6, 30}, false,
         {{2012, "20"}, {2013, "10"}},
         // 2012: 60.000 after 20 %, depreciation increase 4.000, 2 x (60.000 - 24.000) / 5;
         // 2013: 66.000 after 10 %, increase 3.840, 2 x (66.000 - 42.240) / 5
         FirstRow("2011", "50.000,00", "20.000,00") +
             Row("2012", {"50.000,00", "10.000,00", "60.000,00", "6.000,00"},
                 {"20.000,00", "4.000,00", "38.400,00", "14.400,00"}) +
             Row("2013", {"60.000,00", "6.000,00", "66.000,00", "2.160,00"},
                 {"38.400,00", "3.840,00", "51.744,00", "9.504,00"}) +
             Closing("2013", "9.504,00", "51.744,00", "8.160,00", "66.000,00")},
        {"ProRataFromOctoberOnTheCost", 2, "9.000", "3", {2020, 10, 1}, {2049, 12, 31}, true, {},
         // 3 of 12 months first, then whole years, the last year the remaining 9 of 12 months
         FirstRow("2020", "9.000,00", "750,00") +
             Row("2021", {"9.000,00", "0,00", "9.000,00", "0,00"}, {"750,00", "0,00", "3.750,00", "3.000,00"}) +
             Row("2022", {"9.000,00", "0,00", "9.000,00", "0,00"}, {"3.750,00", "0,00", "6.750,00", "3.000,00"}) +
             Row("2023", {"9.000,00", "0,00", "9.000,00", "0,00"}, {"6.750,00", "0,00", "9.000,00", "2.250,00"}) +
             Closing("2023", "2.250,00", "9.000,00", "0,00", "9.000,00")},
        {"ProRataRevaluedInItsLastYear", 2, "24000", "2", {2012, 7, 1}, {2049, 12, 31}, false,
         {{2013, "10"}, {2014, "10"}},
         // the last year takes the remaining book value 29.040 - (19.800 + 1.980)
         FirstRow("2012", "24.000,00", "6.000,00") +
             Row("2013", {"24.000,00", "2.400,00", "26.400,00", "1.800,00"},
                 {"6.000,00", "600,00", "19.800,00", "13.200,00"}) +
             Row("2014", {"26.400,00", "2.640,00", "29.040,00", "660,00"},
                 {"19.800,00", "1.980,00", "29.040,00", "7.260,00"}) +
             Closing("2014", "7.260,00", "29.040,00", "2.460,00", "29.040,00")},
        {"ProRataLifeOneFromJuly", 2, "10000", "1", {2009, 7, 1}, {2049, 12, 31}, false, {},
         FirstRow("2009", "10.000,00", "5.000,00") +
             Row("2010", {"10.000,00", "0,00", "10.000,00", "0,00"}, {"5.000,00", "0,00", "10.000,00", "5.000,00"}) +
             Closing("2010", "5.000,00", "10.000,00", "0,00", "10.000,00")},
        {"SaleYearBeforeEntryRunsTheWholeLife", 0, "1000", "2", {2009, 1, 1}, {2005, 1, 1}, false, {},
         FirstRow("2009", "1.000,00", "500,00") +
             Row("2010", {"1.000,00", "0,00", "1.000,00", "0,00"}, {"500,00", "0,00", "1.000,00", "500,00"}) +
             Closing("2010", "500,00", "1.000,00", "0,00", "1.000,00")},
        {"TickedYearWithoutRateOnTheCost", 0, "8000", "4", {1995, 1, 1}, {1998, 12, 31}, true,
         {{1996, "50"}, {1997, ""}, {1998, "25"}},
         // a ticked year with no rate adds nothing, yet it is the latest revaluation the next years show
         FirstRow("1995", "8.000,00", "2.000,00") +
             Row("1996", {"8.000,00", "4.000,00", "12.000,00", "4.000,00"}, {"2.000,00", "0,00", "4.000,00", "2.000,00"}) +
             Row("1997", {"12.000,00", "0,00", "12.000,00", "0,00"}, {"4.000,00", "0,00", "6.000,00", "2.000,00"}) +
             Row("1998", {"12.000,00", "3.000,00", "15.000,00", "3.000,00"}, {"6.000,00", "0,00", "8.000,00", "2.000,00"}) +
             Closing("1998", "2.000,00", "8.000,00", "7.000,00", "15.000,00")},
        {"SoldInTheEntryYearAfterAJulyEntry", 2, "1.200", "4", {2010, 7, 20}, {2010, 12, 31}, false, {{2010, "30"}},
         FirstRow("2010", "1.200,00", "150,00") + QStringList{FundLine("0,00")}},
    };
}

class DepreciationTabSchedule : public MainWindowTest, public ::testing::WithParamInterface<ScheduleCase> {};

TEST_P(DepreciationTabSchedule, WritesTheWholeSchedule)
{
    const ScheduleCase& c = GetParam();
    Find<QLineEdit>("Edit422")->setText("Torna Tezgahı");
    Find<QLineEdit>("Edit425")->setText(c.cost);
    Find<QLineEdit>("Edit426")->setText(c.life);
    Find<QComboBox>("ComboBox1")->setCurrentIndex(c.method);
    Find<QCheckBox>("CheckBox6")->setChecked(c.fromCost);
    Find<TDateTimePicker>("DateTimePicker68")->SetDate(FromQDate(c.entry));
    Find<TDateTimePicker>("DateTimePicker69")->SetDate(FromQDate(c.sale));
    for (const auto& [year, rate] : c.ticks) {
        Find<QListWidget>("CheckListBox1")->item(year - 1990)->setCheckState(Qt::Checked);
        Find<QLineEdit>(RevaluationYearTable[year - 1990].rateEdit)->setText(rate);
    }
    Find<QPushButton>("SpeedButton64")->click();
    EXPECT_EQ(Find<TRichEdit>("RichEdit15")->Lines(), Heading("Torna Tezgahı") + c.rows);
    EXPECT_TRUE(TestDialogs().shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, DepreciationTabSchedule, ::testing::ValuesIn(ScheduleCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DepreciationTab, LinkedEditsFollowFocus)
{
    auto focus = [](QLineEdit* edit, QEvent::Type type) {
        QFocusEvent event(type, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &event);
    };
    auto base = [](QLineEdit* edit) { return edit->palette().color(QPalette::Base); };
    QLineEdit* life = Edit("Edit426");
    QLineEdit* rate = Edit("Edit427");
    focus(life, QEvent::FocusIn);
    EXPECT_EQ(base(life), ColorFromTColor(clYellow));
    life->setText("8");
    focus(life, QEvent::FocusOut);
    EXPECT_EQ(rate->text(), "12,5");
    EXPECT_EQ(base(life), ColorFromTColor(clWhite));

    focus(rate, QEvent::FocusIn);
    EXPECT_EQ(base(rate), ColorFromTColor(clYellow));
    for (const auto& [rateText, lifeText] :
         std::vector<std::pair<QString, QString>>{{"3", "33"}, {"100", "1"}, {"12,5", "8"}, {"0", "8"}, {"", ""}}) {
        rate->setText(rateText);
        focus(rate, QEvent::FocusOut);
        EXPECT_EQ(life->text(), lifeText) << rateText.toStdString();
    }
    EXPECT_EQ(base(rate), ColorFromTColor(clWhite));

    life->setText("5");
    rate->setText("2,5,0");
    focus(rate, QEvent::FocusOut);
    EXPECT_EQ(life->text(), "5");
    EXPECT_EQ(TestDialogs().shown.size(), 1u);
}

TEST_F(DepreciationTab, ComputesFromTheWidgetsAndAppends)
{
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->currentText(), "Normal");
    Edit("Edit422")->setText("Kamyon");
    Edit("Edit425")->setText("10000");
    Edit("Edit426")->setText("4");
    Years()->item(2010 - 1990)->setCheckState(Qt::Checked);
    Edit("Edit2010")->setText("10");
    Click("SpeedButton64");
    EXPECT_EQ(Edit("Edit425")->text(), "10.000,00");
    const QStringList first = Report();
    ASSERT_EQ(first.size(), 6 + 4 * 3 + 25);
    EXPECT_EQ(first[1], "Kamyon");
    EXPECT_EQ(first[9], "2010                    10.000,00          1.000,00         11.000,00            750,00");
    EXPECT_EQ(first[10], "                         2.500,00            250,00          5.500,00          2.750,00");

    Find<QComboBox>("ComboBox1")->setCurrentIndex(1);
    Find<QCheckBox>("CheckBox6")->setChecked(true);
    Click("SpeedButton64");
    const QStringList both = Report();
    ASSERT_EQ(both.size(), 2 * first.size());
    EXPECT_EQ(both.mid(0, first.size()), first);
    // twice the straight-line rate on the cost: 5.000, then 2 x (10.000 - 5.000) / 4
    EXPECT_EQ(both[first.size() + 7], "                                0                 0          5.000,00          5.000,00");
    EXPECT_EQ(both[first.size() + 10], "                         5.000,00              0,00          7.500,00          2.500,00");

    Click("SpeedButton66");
    EXPECT_EQ(Report(), QStringList());
    EXPECT_EQ(Edit("Edit425")->text(), "10.000,00");
}

TEST_F(DepreciationTab, ProRataUsesTheEntryMonthAndTheSaleYear)
{
    Edit("Edit425")->setText("12.000");
    Edit("Edit426")->setText("4");
    Find<QComboBox>("ComboBox1")->setCurrentIndex(2);
    Find<TDateTimePicker>("DateTimePicker68")->SetDate(EncodeDate(2009, 7, 15));
    Find<TDateTimePicker>("DateTimePicker69")->SetDate(EncodeDate(2011, 3, 1));
    Click("SpeedButton64");
    const QStringList lines = Report();
    ASSERT_EQ(lines.size(), 6 + 3 * 3 + 25);
    EXPECT_EQ(lines[7], "                                0                 0          1.500,00          1.500,00");
    EXPECT_EQ(lines[13], "                         4.500,00              0,00          7.500,00          3.000,00");
    EXPECT_EQ(lines[18], "------------------------------2011 Yılı Amortisman Kaydı-------------------------------------");
}

TEST_F(DepreciationTab, NoMethodOrBadInputLeavesTheHeadingAlone)
{
    Edit("Edit425")->setText("10000");
    Find<QComboBox>("ComboBox1")->setCurrentIndex(-1);
    Edit("Edit426")->setText("4");
    Click("SpeedButton64");
    EXPECT_EQ(Report().size(), 6);

    Edit("Edit427")->setText("1,2,3");  // read though unused: a text that is no number stops the run
    Click("SpeedButton64");
    EXPECT_EQ(Report().size(), 6);
    EXPECT_EQ(TestDialogs().shown.size(), 1u);
}

TEST_F(DepreciationTab, LifeAndRateEditsFollowEachOther)
{
    auto* calc = form_->findChild<DepreciationCalculator*>();
    ASSERT_NE(calc, nullptr);
    Edit("Edit426")->setText("3");
    calc->Edit426Exit();
    EXPECT_EQ(Edit("Edit427")->text(), "33,3333333333333");  // longer than the edit lets the user type
    Edit("Edit427")->setText("40");
    calc->Edit427Change();
    EXPECT_EQ(Edit("Edit426")->text(), "2");
    Edit("Edit426")->setText("0");
    calc->Edit426Exit();
    EXPECT_EQ(Edit("Edit427")->text(), "40");
    Edit("Edit426")->setText("");
    calc->Edit426Exit();
    EXPECT_EQ(Edit("Edit427")->text(), "");
}

TEST_F(DepreciationTab, TypingStopsAtTheEditLimitButComputedTextsDoNot)
{
    QLineEdit* rate = Edit("Edit427");
    for (QChar c : QString("12345")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(rate, &press);
    }
    EXPECT_EQ(rate->text(), "1234");
    Edit("Edit426")->setText("7");
    form_->findChild<DepreciationCalculator*>()->Edit426Exit();
    EXPECT_EQ(rate->text(), "14,2857142857143");
}

TEST_F(DepreciationTab, TickAllThenClearAll)
{
    auto ticked = [this] {
        int n = 0;
        for (int i = 0; i < Years()->count(); ++i)
            n += Years()->item(i)->checkState() == Qt::Checked;
        return n;
    };
    ASSERT_EQ(Years()->count(), 25);
    EXPECT_EQ(Years()->item(24)->text(), "2014");
    Years()->item(3)->setCheckState(Qt::Checked);
    Click("SpeedButton13");
    EXPECT_EQ(ticked(), 25);
    Click("SpeedButton13");
    EXPECT_EQ(ticked(), 0);
}

TEST_F(DepreciationTab, RatesPanelLiesOverTheReport)
{
    EXPECT_TRUE(Find<QWidget>("Panel25")->isHidden());
    Click("SpeedButton70");
    EXPECT_FALSE(Find<QWidget>("Panel25")->isHidden());
    EXPECT_TRUE(Find<TRichEdit>("RichEdit15")->isHidden());
    Click("SpeedButton71");
    EXPECT_TRUE(Find<QWidget>("Panel25")->isHidden());
    EXPECT_FALSE(Find<TRichEdit>("RichEdit15")->isHidden());
}

TEST_F(DepreciationTab, SaveKeepsTheOtherLinesOfTheMemberAsTheyStand)
{
    TRichEdit& store = *form_->RichEdit1;
    for (int line = 0; line <= 20; ++line)
        store.SetLine(line, QString("faiz %1").arg(line));
    QStringList rates;
    for (int i = 0; i < RevaluationYearCount; ++i)
        rates << (i % 4 == 0 ? QString() : QString("%1,5").arg(i));
    SetRates(rates);
    Click("SpeedButton70");
    Click("SpeedButton69");
    EXPECT_TRUE(Find<QWidget>("Panel25")->isHidden());
    EXPECT_TRUE(TestDialogs().shown.empty());

    TRichEdit member;
    ASSERT_TRUE(ReadSettingsMember("repo", member));
    const QStringList lines = member.Lines();
    ASSERT_GE(lines.size(), 46);
    for (int line = 0; line <= 20; ++line)
        EXPECT_EQ(lines[line], QString("faiz %1").arg(line));
    EXPECT_EQ(lines.mid(21, 25), rates);

    RecreateWindow();
    EXPECT_EQ(Rates(), rates);
    EXPECT_EQ(form_->RichEdit1->Line(5), "faiz 5");
}

TEST_F(DepreciationTab, ShortMemberStillStoresEveryRate)
{
    TRichEdit shortMember;
    shortMember.SetLines({"a", "b"});
    ASSERT_TRUE(WriteSettingsMember(*form_, "repo", shortMember));
    RecreateWindow();
    EXPECT_EQ(Rates(), QStringList(RevaluationYearCount, ""));
    QStringList rates;
    for (int i = 0; i < RevaluationYearCount; ++i)
        rates << QString::number(i + 1);
    SetRates(rates);
    Click("SpeedButton69");
    RecreateWindow();
    EXPECT_EQ(Rates(), rates);
    EXPECT_EQ(form_->RichEdit1->Line(1), "b");
}

}  // namespace
