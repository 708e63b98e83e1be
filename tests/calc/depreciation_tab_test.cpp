#include "calc/payroll_assets/depreciation_tab.h"
#include "test_support.h"

#include "base/date_time_picker.h"

#include "app/settings_archive.h"
#include "base/rich_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

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
