#include "calc/payroll_assets/turnover_ratios.h"
#include "test_support.h"

#include "base/date_time_picker.h"
#include "base/exceptions.h"
#include "base/rich_edit.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

struct DaysCase {
    const char* name;
    TurnoverGroup group;
    long double periodDays;
    long double expected;
};

class TurnoverDaysTest : public ::testing::TestWithParam<DaysCase> {};

TEST_P(TurnoverDaysTest, RoundsTheAverageTimeHalfToEven)
{
    EXPECT_EQ(TurnoverDays(GetParam().group, GetParam().periodDays), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TurnoverDaysTest,
    ::testing::Values(DaysCase{"YearOfReceivables", {100, 300, 1000}, 364, 73},  // ratio 5, 72.8 days
                      DaysCase{"HalfDownToEven", {1, 1, 2}, 145, 72},            // 72.5
                      DaysCase{"HalfUpToEven", {1, 1, 2}, 147, 74},              // 73.5
                      DaysCase{"EndBeforeStart", {100, 300, 1000}, -364, -73},
                      DaysCase{"NoFlow", {100, 300, 0}, 364, 0},
                      DaysCase{"NoFlowNoBalances", {0, 0, 0}, 364, 0},
                      DaysCase{"NegativeNearZeroIsZero", {100, 300, 1000}, -1, 0},
                      DaysCase{"SamePeriodDay", {100, 300, 1000}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TurnoverDays, FlowAgainstNoBalanceDividesByZero)
{
    EXPECT_THROW(TurnoverDays({0, 0, 500}, 364), EZeroDivide);
    EXPECT_THROW(TurnoverDays({-200, 200, 1}, 364), EZeroDivide);
}

QStringList ExpectedReport(const QString& heading, const QString& period, const QStringList& d)
{
    return {" ",
            heading,
            " ",
            "   " + period + " Tarihleri Arası Devir Hızları Aşağıdadır.",
            " ",
            "  -Alacakların Devir Hızı " + d[0] + " Gündür. Toplam Satışlar Ortalama " + d[0] +
                " Günde Tahsil Edilmiştir.",
            " ",
            "  -Satıcıların Devir Hızı " + d[1] + " Gündür. Toplam Alımlar Ortalama " + d[1] + " Günde Ödenmiştir.",
            " ",
            "  -Ticari Stokların Devir Hızı " + d[2] + " Gündür. Toplam Ticari Stoklar Ortalama " + d[2] +
                " Günde Satılmıştır.",
            " ",
            "  -Hammadde Stoklarının Devir Hızı " + d[3] + " Gündür. Toplam Hammadde Stokları Ortalama " + d[3] +
                " Günde Üretime Çıkmıştır.",
            " ",
            "  -Yarımamul Stoklarının Devir Hızı " + d[4] + " Gündür. Toplam Yarımamul Stokları Ortalama " + d[4] +
                " Günde Mamulleşmiştir."};
}

class TurnoverTab : public MainWindowTest {
protected:
    void SetAmounts(const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            Find<QLineEdit>(QString("Edit%1").arg(399 + i))->setText(texts[i]);
    }
    QStringList Amounts() const
    {
        QStringList texts;
        for (int i = 0; i < 15; ++i)
            texts << Find<QLineEdit>(QString("Edit%1").arg(399 + i))->text();
        return texts;
    }
    void Compute() { Find<QPushButton>("SpeedButton56")->click(); }
    QStringList Report() const { return Find<TRichEdit>("RichEdit13")->Lines(); }
};

TEST_F(TurnoverTab, WritesTheFiveSentencesForTheDesignPeriod)
{
    Find<QLineEdit>("Edit398")->setText("ÖRNEK A.Ş. 2014");
    SetAmounts({"100", "300", "1000",         // receivables: 364 / 5 = 72,8
                "1.000", "3.000", "4.000",    // payables: ratio 2
                "50", "50", "365",            // trade stock: 364 / 7,3 = 49,86
                "10", "", "",                 // raw materials: no flow
                "2,5", "2,5", "10"});         // semi-finished: ratio 4
    Compute();
    EXPECT_EQ(Report(), ExpectedReport("ÖRNEK A.Ş. 2014", "01.01.2014 - 31.12.2014", {"73", "182", "50", "0", "91"}));
    EXPECT_EQ(Amounts(), QStringList({"100,00", "300,00", "1.000,00", "1.000,00", "3.000,00", "4.000,00", "50,00",
                                      "50,00", "365,00", "10,00", "0,00", "0,00", "2,50", "2,50", "10,00"}));
    EXPECT_TRUE(TestDialogs().shown.empty());
}

TEST_F(TurnoverTab, EmptyAmountsGiveZeroDaysAndAnEndBeforeTheStartNegativeOnes)
{
    Compute();
    EXPECT_EQ(Amounts(), QStringList(15, "0,00"));
    EXPECT_EQ(Report(), ExpectedReport("", "01.01.2014 - 31.12.2014", QStringList(5, "0")));

    Find<TDateTimePicker>("DateTimePicker64")->SetDate(EncodeDate(2014, 12, 31));
    Find<TDateTimePicker>("DateTimePicker65")->SetDate(EncodeDate(2014, 1, 1));
    SetAmounts({"100", "300", "1000"});
    Compute();
    EXPECT_EQ(Report(), ExpectedReport("", "31.12.2014 - 01.01.2014", {"-73", "0", "0", "0", "0"}));
}

TEST_F(TurnoverTab, QuarterWithHalvesRoundedToEven)
{
    Find<QLineEdit>("Edit398")->setText("Deneme Ltd. 2015/1");
    Find<TDateTimePicker>("DateTimePicker64")->SetDate(EncodeDate(2015, 1, 1));
    Find<TDateTimePicker>("DateTimePicker65")->SetDate(EncodeDate(2015, 3, 31));  // 89 days
    SetAmounts({"1.250,50", "749,50", "4.000",  // ratio 4: 22,25
                "", "200", "50",                // ratio 0,5: 178
                "300", "100", "80",             // ratio 0,4: 222,5 goes to the even 222
                "10", "10", "89",               // ratio 8,9: 10
                "1", "", "1"});                 // ratio 2: 44,5 goes to the even 44
    Compute();
    EXPECT_EQ(Report(),
              ExpectedReport("Deneme Ltd. 2015/1", "01.01.2015 - 31.03.2015", {"22", "178", "222", "10", "44"}));
    EXPECT_EQ(Amounts()[0], "1.250,50");
    EXPECT_EQ(Amounts()[3], "0,00");
}

TEST_F(TurnoverTab, DivisionByZeroLeavesThePaneEmpty)
{
    SetAmounts({"100", "300", "1000", "", "", "250"});
    Compute();
    EXPECT_EQ(Report(), QStringList());
    EXPECT_EQ(TestDialogs().Texts(), QStringList({"Floating point division by zero"}));
    EXPECT_EQ(Amounts()[5], "250,00");
}

TEST_F(TurnoverTab, BadAmountStopsAfterTheEditsBeforeIt)
{
    Compute();  // a report from an earlier run stays when the new one cannot start
    SetAmounts({"100", "1,5,0", "1000"});
    Compute();
    EXPECT_EQ(Amounts().mid(0, 3), QStringList({"100,00", "1,5,0", "1000"}));
    EXPECT_EQ(TestDialogs().Texts().size(), 1u);
    EXPECT_EQ(Report().size(), 14);
}

TEST_F(TurnoverTab, ResetEmptiesAmountsAndReportButKeepsPeriodAndHeading)
{
    Find<QLineEdit>("Edit398")->setText("Firma");
    Find<TDateTimePicker>("DateTimePicker64")->SetDate(EncodeDate(2013, 1, 1));
    SetAmounts({"100", "300", "1000"});
    Compute();
    Find<QPushButton>("SpeedButton57")->click();
    EXPECT_EQ(Amounts(), QStringList(15, ""));
    EXPECT_EQ(Report(), QStringList());
    EXPECT_EQ(Find<QLineEdit>("Edit398")->text(), "Firma");
    EXPECT_EQ(ToQDate(Find<TDateTimePicker>("DateTimePicker64")->Date()), QDate(2013, 1, 1));
}

}  // namespace
