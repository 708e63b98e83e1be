#include "calc/payroll_assets/turnover_ratios.h"

#include "base/exceptions.h"
#include "calc_tab_test.h"
#include "case_table.h"
#include "golden.h"

#include <cmath>

namespace {

TEST(TurnoverDays, RoundsTheAverageTimeHalfToEven)
{
    for (const CaseLine& c : ReadCases("turnover/days.txt", 4)) {
        const QStringList g = c[1].split(' ');
        const long double days = TurnoverDays({g[0].toDouble(), g[1].toDouble(), g[2].toDouble()}, c[2].toDouble());
        EXPECT_EQ(days, c[3].toDouble()) << c.where.toStdString();
        EXPECT_EQ(std::signbit(days), c[3].startsWith('-')) << c.where.toStdString();
    }
    // a flow against no balance divides by zero
    EXPECT_THROW(TurnoverDays({0, 0, 500}, 364), EZeroDivide);
    EXPECT_THROW(TurnoverDays({-200, 200, 1}, 364), EZeroDivide);
}

// The reports are compared whole with tests/data/turnover/*.txt.
class TurnoverTab : public CalcTabTest {
protected:
    void SetAmounts(const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            Type(QString("Edit%1").arg(399 + i).toLatin1().constData(), texts[i]);
    }
    QStringList Amounts() const { return Texts(399, 15); }
    QStringList Report() const { return Lines("RichEdit13"); }
};

TEST_F(TurnoverTab, WritesTheFiveSentencesForTheDesignPeriod)
{
    Type("Edit398", "ÖRNEK A.Ş. 2014");
    SetAmounts({"100", "300", "1000",         // receivables: 364 / 5 = 72,8
                "1.000", "3.000", "4.000",    // payables: ratio 2
                "50", "50", "365",            // trade stock: 364 / 7,3 = 49,86
                "10", "", "",                 // raw materials: no flow
                "2,5", "2,5", "10"});         // semi-finished: ratio 4
    Click("SpeedButton56");
    ExpectGolden("turnover/design_period.txt", Report());  // 73, 182, 50, 0 and 91 days
    EXPECT_EQ(Amounts(), QStringList({"100,00", "300,00", "1.000,00", "1.000,00", "3.000,00", "4.000,00", "50,00",
                                      "50,00", "365,00", "10,00", "0,00", "0,00", "2,50", "2,50", "10,00"}));
    EXPECT_TRUE(TestDialogs().shown.empty());
}

TEST_F(TurnoverTab, EmptyAmountsGiveZeroDaysAndAnEndBeforeTheStartNegativeOnes)
{
    Click("SpeedButton56");
    EXPECT_EQ(Amounts(), QStringList(15, "0,00"));
    ExpectGolden("turnover/empty_amounts.txt", Report());

    Pick("DateTimePicker64", {2014, 12, 31});
    Pick("DateTimePicker65", {2014, 1, 1});
    SetAmounts({"100", "300", "1000"});
    Click("SpeedButton56");
    ExpectGolden("turnover/end_before_start.txt", Report());
}

TEST_F(TurnoverTab, DivisionByZeroOrABadAmountLeavesNoNewReport)
{
    SetAmounts({"100", "300", "1000", "", "", "250"});
    Click("SpeedButton56");
    EXPECT_EQ(Report(), QStringList());
    EXPECT_EQ(TestDialogs().Texts(), QStringList({"Sıfıra bölme hatası"}));
    EXPECT_EQ(Amounts()[5], "250,00");

    SetAmounts({"100", "300", "1000", "", "", ""});
    Click("SpeedButton56");
    SetAmounts({"100", "1,5,0", "1000"});
    Click("SpeedButton56");  // stops after the edits before the bad one; the earlier report stays
    EXPECT_EQ(Amounts().mid(0, 3), QStringList({"100,00", "1,5,0", "1000"}));
    EXPECT_EQ(TestDialogs().Texts().size(), 2);
    EXPECT_EQ(Report().size(), 14);
}

TEST_F(TurnoverTab, ResetEmptiesAmountsAndReportButKeepsPeriodAndHeading)
{
    Type("Edit398", "Firma");
    Pick("DateTimePicker64", {2013, 1, 1});
    SetAmounts({"100", "300", "1000"});
    Click("SpeedButton56");
    Click("SpeedButton57");
    EXPECT_EQ(Amounts(), QStringList(15, ""));
    EXPECT_EQ(Report(), QStringList());
    EXPECT_EQ(Text("Edit398"), "Firma");
    EXPECT_EQ(Picked("DateTimePicker64"), QDate(2013, 1, 1));
}

}  // namespace
