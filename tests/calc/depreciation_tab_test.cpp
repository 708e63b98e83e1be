#include "calc/payroll_assets/depreciation_tab.h"

#include "app/settings_archive.h"
#include "base/color.h"
#include "calc_tab_test.h"
#include "case_table.h"
#include "golden.h"
#include "input_support.h"

#include <QComboBox>
#include <QListWidget>

namespace {

class DepreciationTab : public CalcTabTest {
protected:
    QStringList Report() const { return Lines("RichEdit15"); }
    QListWidget* Years() const { return Find<QListWidget>("CheckListBox1"); }
    QStringList Rates() const
    {
        QStringList rates;
        for (const RevaluationYear& y : RevaluationYearTable)
            rates << Text(y.rateEdit);
        return rates;
    }
    void SetRates(const QStringList& rates)
    {
        for (int i = 0; i < RevaluationYearCount; ++i)
            Type(RevaluationYearTable[i].rateEdit, rates[i]);
    }
};

// Each case on a fresh window: its whole schedule is compared with tests/data/depreciation/<name>.txt.
TEST_F(DepreciationTab, WritesTheWholeSchedule)
{
    for (const CaseLine& c : ReadCases("depreciation/cases.txt", 8)) {
        SCOPED_TRACE(c.where.toStdString());
        RecreateWindow();
        Type("Edit422", "Kamyon");
        Type("Edit425", c[2]);
        Type("Edit426", c[3]);
        Find<QComboBox>("ComboBox1")->setCurrentIndex(c[1].toInt());
        Find<QCheckBox>("CheckBox6")->setChecked(c[6] == "1");
        Pick("DateTimePicker68", QDate::fromString(c[4], "dd.MM.yyyy"));
        Pick("DateTimePicker69", QDate::fromString(c[5], "dd.MM.yyyy"));
        for (const QString& tick : c[7].split(' ', Qt::SkipEmptyParts)) {
            const int at = tick.section('=', 0, 0).toInt() - FirstRevaluationYear;
            Years()->item(at)->setCheckState(Qt::Checked);
            Type(RevaluationYearTable[at].rateEdit, tick.section('=', 1));
        }
        Click("SpeedButton64");
        ExpectGolden("depreciation/" + c[0] + ".txt", Report());
        EXPECT_TRUE(TestDialogs().shown.empty());
    }
}

TEST_F(DepreciationTab, RunsAppendResetEmptiesAndABadRateStopsTheRun)
{
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->currentText(), "Normal");
    Type("Edit425", "10000");
    Type("Edit426", "4");
    Click("SpeedButton64");
    EXPECT_EQ(Text("Edit425"), "10.000,00");
    const QStringList first = Report();
    Find<QComboBox>("ComboBox1")->setCurrentIndex(1);
    Click("SpeedButton64");
    const QStringList both = Report();
    ASSERT_EQ(both.size(), 2 * first.size());
    EXPECT_EQ(both.mid(0, first.size()), first);
    EXPECT_EQ(both[first.size() + 7], "                                0                 0          5.000,00          5.000,00");

    Type("Edit427", "1,2,3");  // read though unused: a text that is no number stops the run
    Click("SpeedButton64");
    EXPECT_EQ(Report(), both);
    EXPECT_EQ(TestDialogs().shown.size(), 1u);

    Click("SpeedButton66");
    EXPECT_EQ(Report(), QStringList());
    EXPECT_EQ(Text("Edit425"), "10.000,00");
}

TEST_F(DepreciationTab, LinkedEditsFollowFocus)
{
    auto base = [](QLineEdit* edit) { return edit->palette().color(QPalette::Base); };
    QLineEdit* life = Find<QLineEdit>("Edit426");
    QLineEdit* rate = Find<QLineEdit>("Edit427");
    const struct {
        QLineEdit* edit;
        const char* typed;
        QLineEdit* other;
        const char* shown;
    } cases[] = {{life, "8", rate, "12,5"},
                 {life, "7", rate, "14,2857142857143"},  // longer than the edit lets the user type
                 {life, "0", rate, "14,2857142857143"},
                 {rate, "12,5", life, "8"},
                 {rate, "0", life, "8"},
                 {rate, "", life, ""}};
    for (const auto& c : cases) {
        SendFocus(c.edit, QEvent::FocusIn);
        EXPECT_EQ(base(c.edit), ColorFromTColor(clYellow)) << c.typed;
        c.edit->setText(c.typed);
        SendFocus(c.edit, QEvent::FocusOut);
        EXPECT_EQ(c.other->text(), c.shown) << c.typed;
        EXPECT_EQ(base(c.edit), ColorFromTColor(clWhite)) << c.typed;
    }

    life->setText("5");
    rate->setText("2,5,0");
    SendFocus(rate, QEvent::FocusOut);
    EXPECT_EQ(life->text(), "5");
    EXPECT_EQ(TestDialogs().shown.size(), 1u);

    rate->clear();
    SendKeys(rate, "12345");
    EXPECT_EQ(rate->text(), "1234");
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

TEST_F(DepreciationTab, SaveStoresEveryRateAndKeepsTheOtherLinesOfAShortMember)
{
    TRichEdit shortMember;
    shortMember.SetLines({"faiz 0", "faiz 1"});
    ASSERT_TRUE(WriteSettingsMember(*form_, "repo", shortMember));
    RecreateWindow();
    EXPECT_EQ(Rates(), QStringList(RevaluationYearCount, ""));
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
    EXPECT_EQ(lines.mid(0, 3), QStringList({"faiz 0", "faiz 1", ""}));
    EXPECT_EQ(lines.mid(21, 25), rates);
    RecreateWindow();
    EXPECT_EQ(Rates(), rates);
    EXPECT_EQ(form_->RichEdit1->Line(1), "faiz 1");
}

}  // namespace
