#include "base/date_time.h"
#include "base/format_settings.h"
#include "calc_tab_test.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// Expected lines written out by hand: 18-wide right-aligned fields, 28 characters of dates and rate.
QString R18(const QString& text)
{
    return QString(18 - text.size(), ' ') + text;
}

QStringList Heading(bool late, const QString& text = {})
{
    return {"", (late ? " GECİKME FAİZİ HESAPLAMA : " : " TECİL FAİZİ HESAPLAMA : ") + text, "",
            " BAŞLANGIÇ  BİTİŞ       FAİZ                          HESAPLANAN                  ",
            QString(" TARİHİ     TARİHİ     ORANI      İŞLEM TUTARI") +
                (late ? "     GECİKME FAİZİ" : "       TECİL FAİZİ") + "            AÇIKLAMA"};
}
const QStringList kLate = Heading(true), kDeferral = Heading(false);
const QString k1000 = "1.000,00";

QString Line(const QString& datesAndRate, const QString& amount, const QString& interest,
             const QString& description = " ")
{
    return datesAndRate + R18(amount) + R18(interest) + "  " + R18(description);
}
QStringList Cumulative(const QString& value)
{
    return {" ", QString(28, ' ') + "  KÜMÜLATİF TOPLAM" + R18(value), " "};
}
QStringList Closing(const QString& total, const QString& cumulative)
{
    return QStringList{QString(28, ' ') + "            TOPLAM" + R18(total)} + Cumulative(cumulative);
}

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

    const QString a = k1000;
    const QStringList expected =
        Heading(true, "ABC Ltd.") +
        QStringList{Line("15.01.2019  15.08.2019  2,0 ", a, "140,00"),
                    Line("15.08.2019  15.10.2019  2,5 ", a, "50,00"),
                    Line("15.10.2019  15.01.2020  2,0 ", a, "60,00"),
                    Line("15.01.2020  10.03.2020  1,6 ", a, "32,00")} +
        Closing("282,00", "282,00") + QStringList{Line("15.01.2019  10.03.2020      ", a, "282,00")} +
        Cumulative("564,00") + Heading(false, "ABC Ltd.") +
        QStringList{Line("10.01.2005  10.03.2005    3 ", a, "60,00"),
                    Line("10.03.2005  10.05.2006  2,5 ", a, "350,00"),
                    Line("10.05.2006  15.06.2007    2 ", a, "280,00")} +
        Closing("690,00", "1.254,00") + QStringList{Line("10.01.2005  15.06.2007      ", a, "690,00")} +
        Cumulative("1.944,00") + Heading(true, "ABC Ltd.") +
        QStringList{Line("10.01.2005  15.06.2007      ", a, "850,00")} + Cumulative("2.794,00");
    EXPECT_EQ(Report(), expected);
    EXPECT_EQ(Text("Edit375"), "2.794,00");

    Click("SpeedButton45");
    EXPECT_EQ(Report(), QStringList());
    EXPECT_EQ(Texts(372, 4), QStringList(4, ""));
    EXPECT_FALSE(Checked("CheckBox2") || Checked("CheckBox3"));
    Type("Edit373", "1000");
    Click("SpeedButton49");
    EXPECT_EQ(Report(), kDeferral + QStringList{Line("10.01.2005  15.06.2007      ", a, "690,00")} +
                            Cumulative("690,00"));
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

    const QStringList expected =
        kLate + QStringList{Line("20.10.2019  20.11.2019  2,0 ", k1000, "20,00")} + Closing("20,00", "20,00") +
        QStringList{Line("20.10.2019  20.11.2019  2,0 ", "2500", "50,00")} + Closing("50,00", "70,00") +
        QStringList{Line("20.10.2019  20.11.2019      ", "2.500,00", "50,00")} + Cumulative("120,00") +
        kDeferral + QStringList{Line("15.01.2010  20.03.2010      ", "2.500,00", "118,75")} +
        Cumulative("238,75") + QStringList{Line("15.01.2010  20.03.2010 1,583", k1000, "47,50")} +
        Closing("47,50", "286,25");
    EXPECT_EQ(Report(), expected);
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
    const QStringList deferral = QStringList{Line("10.01.2005  15.06.2007      ", k1000, "690,00")};
    EXPECT_EQ(Report(), kLate + kLate + kDeferral + deferral + Cumulative("690,00") + kLate + kDeferral +
                            deferral + Cumulative("1.380,00"));

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
    EXPECT_EQ(Report(), before + kLate);
    EXPECT_FALSE(Checked("CheckBox3") || Checked("CheckBox2"));
    EXPECT_EQ(Text("Edit373"), "12,3,4");
    EXPECT_EQ(Text("Edit375"), "47,50");
    ASSERT_EQ(TestDialogs().Texts().size(), 2);
    EXPECT_TRUE(TestDialogs().Texts().at(1).contains("'12,3,4'")) << TestDialogs().Texts().at(1).toStdString();

    // The same for the cumulative total, which is read after the amount.
    Type("Edit373", "1000");
    Type("Edit375", "1,2,3");
    Click("SpeedButton48");
    EXPECT_EQ(Report(), before + kLate + kDeferral);
    EXPECT_EQ(Text("Edit373"), k1000);
    Type("Edit375", "47,50");
    Click("SpeedButton48");
    const QStringList written = Report();
    Type("Edit373", "2500");
    Type("Edit375", "1,2,3");
    Click("SpeedButton49"); // report open: the amount is rewritten, no line is added
    EXPECT_EQ(Text("Edit373"), "2.500,00");
    EXPECT_EQ(Report(), written);
    EXPECT_EQ(written, before + kLate + kDeferral + kDeferral +
                           QStringList{Line("15.01.2010  20.03.2010 1,583", k1000, "47,50")} +
                           Closing("47,50", "95,00"));
    ASSERT_EQ(TestDialogs().Texts().size(), 4);
    EXPECT_TRUE(TestDialogs().Texts().at(3).contains("'1,2,3' geçerli bir sayı değil"))
        << TestDialogs().Texts().at(3).toStdString();
}

// Whole reports of single runs; which periods a debt touches is checked on the walk itself.
struct RunCase {
    const char* name;
    const char* button;
    QDate debt, process;
    QString amount, description;
    QStringList lines; // after the heading block
};

void PrintTo(const RunCase& c, std::ostream* os)
{
    *os << c.name;
}

// clang-format off
const RunCase kRunCases[] = {
    {"DeferralFromFirstPeriodDebtDay31", "SpeedButton48", {1993, 1, 31}, {1997, 5, 31}, "1000", "",
     QStringList{Line("31.01.1993  30.03.1994  6,5 ", k1000, "910,00"), Line("30.03.1994  30.09.1995  9,5 ", k1000, "1.710,00"),
                 Line("30.09.1995  28.02.1996    8 ", k1000, "400,00"), Line("28.02.1996  30.10.1996   12 ", k1000, "1.080,00"),
                 Line("30.10.1996  31.05.1997   10 ", k1000, "800,00")} + Closing("4.900,00", "4.900,00")},
    {"DeferralDebtOnBoundary", "SpeedButton48", {2006, 4, 28}, {2010, 1, 1}, "1000", "",
     QStringList{Line("28.04.2006  28.11.2009    2 ", k1000, "860,00"), Line("28.11.2009  01.01.2010 1,583", k1000, "31,67")} +
         Closing("891,67", "891,67")},
    {"LateProcessOnBoundary", "SpeedButton44", {2018, 8, 10}, {2019, 8, 10}, "1000", "",
     QStringList{Line("10.08.2018  10.09.2018  1,4 ", k1000, "14,00"), Line("10.09.2018  10.08.2019  2,0 ", k1000, "220,00"),
                 Line("10.08.2019  10.08.2019  2,5 ", k1000, "0,00")} + Closing("234,00", "234,00")},
    // The shares shown are rounded apart: 123,46 + 5.555,52 + 148,15 is a cent more than the total.
    {"SharesOfACentAmountWithADescription", "SpeedButton44", {1996, 1, 31}, {1998, 7, 31}, "1234,56", "Vade farkı",
     QStringList{Line("31.01.1996  28.02.1996   10 ", "1.234,56", "123,46", "Vade farkı"),
                 Line("28.02.1996  30.07.1998   15 ", "1.234,56", "5.555,52", "Vade farkı"),
                 Line("30.07.1998  31.07.1998   12 ", "1.234,56", "148,15", "Vade farkı")} + Closing("5.827,12", "5.827,12")},
    {"EmptyAmountChargesNothing", "SpeedButton47", {2019, 10, 20}, {2019, 11, 20}, "", "",
     QStringList{Line("20.10.2019  20.11.2019      ", "0,00", "0,00")} + Cumulative("0,00")},
    {"LateTotalKeptAsDoubleRoundsTheHalfCentDown", "SpeedButton44", {2019, 10, 15}, {2019, 11, 15}, "1000,25", "",
     QStringList{Line("15.10.2019  15.11.2019  2,0 ", "1.000,25", "20,00")} + Closing("20,00", "20,00")},
    {"LongFieldsPushTheLineRight", "SpeedButton47", {2019, 10, 20}, {2019, 11, 20}, "12345678901234",
     "Vergi dairesi borcu ödemesi",
     QStringList{"20.10.2019  20.11.2019      12.345.678.901.234,00" + R18("246.913.578.024,68") +
                 "  Vergi dairesi borcu ödemesi"} + Cumulative("246.913.578.024,68")},
};
// clang-format on

class LateInterestRuns : public LateInterestTab, public ::testing::WithParamInterface<RunCase> {};

TEST_P(LateInterestRuns, WholeReport)
{
    const RunCase& c = GetParam();
    Type("Edit373", c.amount);
    Type("Edit374", c.description);
    Dates(c.debt, c.process);
    Click(c.button);
    const bool late = QString(c.button) == "SpeedButton44" || QString(c.button) == "SpeedButton47";
    EXPECT_EQ(Report(), (late ? kLate : kDeferral) + c.lines);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, LateInterestRuns, ::testing::ValuesIn(kRunCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LateInterestTab, AnAmountLongerThanWhatCanBeTypedIsWrittenWhole)
{
    QLineEdit* amount = Find<QLineEdit>("Edit373");
    for (QChar c : QString("1234567890123456789012")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + c.digitValue(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(amount, &press);
    }
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
    EXPECT_EQ(Report().at(5), Line("20/10/2019  20/11/2019      ", k1000, "20,00"));
}

} // namespace
