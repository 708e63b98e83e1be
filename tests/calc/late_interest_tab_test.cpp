#include "app/help_window.h"
#include "base/date_time.h"
#include "base/date_time_picker.h"
#include "base/format_settings.h"
#include "base/rich_edit.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <vector>

namespace {

// Column texts written out by hand: an 18-wide right-aligned field, and the 20 characters that end a
// line with an empty description.
QString R18(const QString& text)
{
    return QString(18 - text.size(), ' ') + text;
}
const QString kNoDescription(20, ' ');
const QString kTitle1 =
    " BAŞLANGIÇ  BİTİŞ       FAİZ                          HESAPLANAN                  ";
const QString kLateTitle2 = " TARİHİ     TARİHİ     ORANI      İŞLEM TUTARI     GECİKME FAİZİ            AÇIKLAMA";
const QString kDeferralTitle2 = " TARİHİ     TARİHİ     ORANI      İŞLEM TUTARI       TECİL FAİZİ            AÇIKLAMA";

QStringList LateHeading(const QString& text)
{
    return {"", " GECİKME FAİZİ HESAPLAMA : " + text, "", kTitle1, kLateTitle2};
}

QStringList DeferralHeading(const QString& text)
{
    return {"", " TECİL FAİZİ HESAPLAMA : " + text, "", kTitle1, kDeferralTitle2};
}

// Dates and rate (28 characters), amount, interest, empty description.
QString Line(const QString& datesAndRate, const QString& amount, const QString& interest)
{
    return datesAndRate + R18(amount) + R18(interest) + kNoDescription;
}

QStringList Closing(const QString& total, const QString& cumulative)
{
    return {QString(28, ' ') + "            TOPLAM" + R18(total), " ",
            QString(28, ' ') + "  KÜMÜLATİF TOPLAM" + R18(cumulative), " "};
}

QStringList SummaryClosing(const QString& line, const QString& cumulative)
{
    return {line, " ", QString(28, ' ') + "  KÜMÜLATİF TOPLAM" + R18(cumulative), " "};
}

class LateInterestTab : public MainWindowTest {
protected:
    void Dates(QDate debt, QDate process)
    {
        Find<QDateTimeEdit>("DateTimePicker63")->setDate(debt);
        Find<QDateTimeEdit>("DateTimePicker62")->setDate(process);
    }
    void Type(const char* edit, const QString& text) { Find<QLineEdit>(edit)->setText(text); }
    QString Text(const char* edit) { return Find<QLineEdit>(edit)->text(); }
    void Click(const char* button) { Find<QAbstractButton>(button)->click(); }
    bool Checked(const char* box) { return Find<QCheckBox>(box)->isChecked(); }
    QStringList Report() { return Find<TRichEdit>("RichEdit10")->Lines(); }
};

TEST_F(LateInterestTab, RunsOfBothSidesCollectUnderTheirHeadingsWithOneCumulativeTotal)
{
    Type("Edit372", "ABC Ltd.");
    Type("Edit373", "1000");
    Dates({2019, 1, 15}, {2020, 3, 10});
    Click("SpeedButton44");
    QStringList expected = LateHeading("ABC Ltd.");
    expected << Line("15.01.2019  15.08.2019  2,0 ", "1.000,00", "140,00")
             << Line("15.08.2019  15.10.2019  2,5 ", "1.000,00", "50,00")
             << Line("15.10.2019  15.01.2020  2,0 ", "1.000,00", "60,00")
             << Line("15.01.2020  10.03.2020  1,6 ", "1.000,00", "32,00") << Closing("282,00", "282,00");
    EXPECT_EQ(Report(), expected);
    EXPECT_EQ(Text("Edit373"), "1.000,00");
    EXPECT_EQ(Text("Edit375"), "282,00");
    EXPECT_TRUE(Checked("CheckBox2"));
    EXPECT_FALSE(Checked("CheckBox3"));

    Click("SpeedButton47");
    expected << SummaryClosing(Line("15.01.2019  10.03.2020      ", "1.000,00", "282,00"), "564,00");
    EXPECT_EQ(Report(), expected);

    Dates({2005, 1, 10}, {2007, 6, 15});
    Click("SpeedButton48");
    expected << DeferralHeading("ABC Ltd.") << Line("10.01.2005  10.03.2005    3 ", "1.000,00", "60,00")
             << Line("10.03.2005  10.05.2006  2,5 ", "1.000,00", "350,00")
             << Line("10.05.2006  15.06.2007    2 ", "1.000,00", "280,00") << Closing("690,00", "1.254,00");
    EXPECT_EQ(Report(), expected);
    EXPECT_FALSE(Checked("CheckBox2"));
    EXPECT_TRUE(Checked("CheckBox3"));

    Click("SpeedButton49");
    expected << SummaryClosing(Line("10.01.2005  15.06.2007      ", "1.000,00", "690,00"), "1.944,00");
    EXPECT_EQ(Report(), expected);

    // The same debt at the late-payment rates: 2 months at 4, 14 at 3, 14 at 2.5.
    Click("SpeedButton47");
    expected << LateHeading("ABC Ltd.")
             << SummaryClosing(Line("10.01.2005  15.06.2007      ", "1.000,00", "850,00"), "2.794,00");
    EXPECT_EQ(Report(), expected);
    EXPECT_TRUE(Checked("CheckBox2"));
    EXPECT_FALSE(Checked("CheckBox3"));
    EXPECT_EQ(Text("Edit375"), "2.794,00");
}

TEST_F(LateInterestTab, DetailedLateRunOnAnOpenReportTakesTheAmountAsTyped)
{
    Type("Edit373", "1000");
    Dates({2019, 10, 20}, {2019, 11, 20});
    Click("SpeedButton44");
    Type("Edit373", "2500");
    Click("SpeedButton44");
    EXPECT_EQ(Text("Edit373"), "2500");
    Click("SpeedButton47");
    EXPECT_EQ(Text("Edit373"), "2.500,00");

    QStringList expected = LateHeading("");
    expected << Line("20.10.2019  20.11.2019  2,0 ", "1.000,00", "20,00") << Closing("20,00", "20,00")
             << Line("20.10.2019  20.11.2019  2,0 ", "2500", "50,00") << Closing("50,00", "70,00")
             << SummaryClosing(Line("20.10.2019  20.11.2019      ", "2.500,00", "50,00"), "120,00");
    EXPECT_EQ(Report(), expected);
}

TEST_F(LateInterestTab, DeferralRunOnAnOpenReportRewritesTheRetypedAmountFirst)
{
    Type("Edit373", "1000");
    Dates({2010, 1, 15}, {2010, 3, 20});
    Click("SpeedButton49");
    Type("Edit373", "2500");
    Click("SpeedButton48");
    EXPECT_EQ(Text("Edit373"), "2.500,00");

    QStringList expected = DeferralHeading("");
    expected << SummaryClosing(Line("15.01.2010  20.03.2010      ", "1.000,00", "47,50"), "47,50")
             << Line("15.01.2010  20.03.2010 1,583", "2.500,00", "118,75") << Closing("118,75", "166,25");
    EXPECT_EQ(Report(), expected);
}

TEST_F(LateInterestTab, DebtDateAfterProcessDateWritesAtMostTheHeading)
{
    Type("Edit373", "1000");
    Dates({2020, 3, 11}, {2020, 3, 10});
    Click("SpeedButton44");
    EXPECT_EQ(Report(), LateHeading(""));
    EXPECT_EQ(Text("Edit373"), "1.000,00");
    EXPECT_FALSE(Checked("CheckBox2"));
    EXPECT_EQ(Text("Edit375"), "");

    // The flag stayed clear, so the next run opens the section again.
    Click("SpeedButton49");
    EXPECT_EQ(Report(), LateHeading("") + DeferralHeading(""));
    EXPECT_FALSE(Checked("CheckBox3"));

    // On an open report nothing at all is added.
    Dates({2020, 3, 10}, {2020, 3, 10});
    Click("SpeedButton48");
    Dates({2020, 3, 11}, {2020, 3, 10});
    QStringList before = Report();
    Click("SpeedButton48");
    Click("SpeedButton49");
    EXPECT_EQ(Report(), before);
    EXPECT_TRUE(Checked("CheckBox3"));
    EXPECT_EQ(Text("Edit375"), "0,00");
    EXPECT_TRUE(TestDialogs().shown.empty());
}

TEST_F(LateInterestTab, AnAmountThatIsNoNumberEndsTheRunKeepingWhatItWrote)
{
    Type("Edit373", "1000");
    Dates({2010, 1, 15}, {2010, 3, 20});
    Click("SpeedButton49");
    QStringList expected = Report();

    // The detailed late run converts before it opens its section: nothing is written.
    Type("Edit373", "12,3,4");
    Click("SpeedButton44");
    EXPECT_EQ(Report(), expected);
    EXPECT_TRUE(Checked("CheckBox3"));

    // The summary run opens its section first, then fails on the amount.
    Click("SpeedButton47");
    EXPECT_EQ(Report(), expected + LateHeading(""));
    EXPECT_FALSE(Checked("CheckBox3"));
    EXPECT_FALSE(Checked("CheckBox2"));
    EXPECT_EQ(Text("Edit373"), "12,3,4");
    EXPECT_EQ(Text("Edit375"), "47,50");

    ASSERT_EQ(TestDialogs().Texts().size(), 2);
    EXPECT_TRUE(TestDialogs().Texts().at(0).contains("'12,3,4'")) << TestDialogs().Texts().at(0).toStdString();
    EXPECT_EQ(TestDialogs().shown.at(1).icon, DialogService::Error);
}

struct RunCase {
    const char* name;
    const char* button;
    QDate debt, process;
    QString amount, description;
    QStringList lines;  // what the run writes after its heading block
};

std::vector<RunCase> RunCases()
{
    const QString d31 = "1.000,00";
    return {
        {"DeferralFromFirstPeriodDebtDay31", "SpeedButton48", {1993, 1, 31}, {1997, 5, 31}, "1000", "",
         QStringList{Line("31.01.1993  30.03.1994  6,5 ", d31, "910,00"),
                     Line("30.03.1994  30.09.1995  9,5 ", d31, "1.710,00"),
                     Line("30.09.1995  28.02.1996    8 ", d31, "400,00"),
                     Line("28.02.1996  30.10.1996   12 ", d31, "1.080,00"),
                     Line("30.10.1996  31.05.1997   10 ", d31, "800,00")} +
             Closing("4.900,00", "4.900,00")},
        {"LateDebtDay29", "SpeedButton44", {2001, 3, 29}, {2003, 12, 15}, "1000", "",
         QStringList{Line("29.03.2001  28.02.2002   10 ", d31, "1.100,00"),
                     Line("28.02.2002  29.11.2003    7 ", d31, "1.540,00"),
                     Line("29.11.2003  15.12.2003    4 ", d31, "40,00")} +
             Closing("2.680,00", "2.680,00")},
        {"LateDebtDay31", "SpeedButton44", {2021, 5, 31}, {2021, 8, 31}, "1000", "",
         QStringList{Line("31.05.2021  31.08.2021  1,6 ", d31, "48,00")} + Closing("48,00", "48,00")},
        {"DeferralDebtOnBoundary", "SpeedButton48", {2006, 4, 28}, {2010, 1, 1}, "1000", "",
         QStringList{Line("28.04.2006  28.11.2009    2 ", d31, "860,00"),
                     Line("28.11.2009  01.01.2010 1,583", d31, "31,67")} +
             Closing("891,67", "891,67")},
        {"DeferralProcessOnBoundary", "SpeedButton48", {2000, 5, 10}, {2001, 4, 10}, "1000", "",
         QStringList{Line("10.05.2000  10.01.2001    4 ", d31, "320,00"),
                     Line("10.01.2001  10.04.2001    3 ", d31, "90,00"),
                     Line("10.04.2001  10.04.2001    6 ", d31, "0,00")} +
             Closing("410,00", "410,00")},
        {"LateProcessOnBoundary", "SpeedButton44", {2018, 8, 10}, {2019, 8, 10}, "1000", "",
         QStringList{Line("10.08.2018  10.09.2018  1,4 ", d31, "14,00"),
                     Line("10.09.2018  10.08.2019  2,0 ", d31, "220,00"),
                     Line("10.08.2019  10.08.2019  2,5 ", d31, "0,00")} +
             Closing("234,00", "234,00")},
        {"DeferralClosedAt2099", "SpeedButton48", {2099, 6, 15}, {2100, 3, 15}, "1000", "",
         QStringList{Line("15.06.2099  15.12.2099 1,583", d31, "95,00")} + Closing("95,00", "95,00")},
        {"DeferralSameDay", "SpeedButton48", {2020, 6, 15}, {2020, 6, 15}, "1000", "",
         QStringList{Line("15.06.2020  15.06.2020 1,583", d31, "0,00")} + Closing("0,00", "0,00")},
        {"EmptyAmountChargesNothing", "SpeedButton47", {2019, 10, 20}, {2019, 11, 20}, "", "",
         SummaryClosing(Line("20.10.2019  20.11.2019      ", "0,00", "0,00"), "0,00")},
        {"LongFieldsPushTheLineRight", "SpeedButton47", {2019, 10, 20}, {2019, 11, 20}, "12345678901234",
         "Vergi dairesi borcu ödemesi",
         SummaryClosing("20.10.2019  20.11.2019      12.345.678.901.234,00" + R18("246.913.578.024,68") +
                            "  Vergi dairesi borcu ödemesi",
                        "246.913.578.024,68")},
    };
}

class LateInterestRuns : public LateInterestTab, public ::testing::WithParamInterface<RunCase> {};

TEST_P(LateInterestRuns, WholeReport)
{
    const RunCase& c = GetParam();
    Type("Edit373", c.amount);
    Type("Edit374", c.description);
    Dates(c.debt, c.process);
    Click(c.button);
    const bool late = QString(c.button) == "SpeedButton44" || QString(c.button) == "SpeedButton47";
    EXPECT_EQ(Report(), (late ? LateHeading("") : DeferralHeading("")) + c.lines);
    EXPECT_TRUE(TestDialogs().shown.empty());
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, LateInterestRuns, ::testing::ValuesIn(RunCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LateInterestTab, AnAmountLongerThanWhatCanBeTypedIsWrittenWhole)
{
    QLineEdit* amount = Find<QLineEdit>("Edit373");
    amount->setFocus();
    for (QChar c : QString("1234567890123456789012")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + c.digitValue(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(amount, &press);
    }
    EXPECT_EQ(amount->text().size(), 21);

    Type("Edit373", "12345678901234567");
    Dates({2019, 10, 20}, {2019, 10, 20});
    Click("SpeedButton47");
    Click("SpeedButton47");
    EXPECT_EQ(Text("Edit373"), "12.345.678.901.234.567,00");
}

TEST_F(LateInterestTab, ResetEmptiesTheReportAndStartsANewSection)
{
    Type("Edit372", "X");
    Type("Edit373", "1000");
    Type("Edit374", "Y");
    Dates({2019, 10, 20}, {2019, 11, 20});
    Click("SpeedButton44");
    Click("SpeedButton48");
    Click("SpeedButton45");
    EXPECT_EQ(Report(), QStringList());
    for (const char* edit : {"Edit372", "Edit373", "Edit374", "Edit375"})
        EXPECT_EQ(Text(edit), "") << edit;
    EXPECT_FALSE(Checked("CheckBox2"));
    EXPECT_FALSE(Checked("CheckBox3"));
    EXPECT_EQ(Find<QDateTimeEdit>("DateTimePicker63")->date(), QDate(2019, 10, 20));

    Type("Edit373", "1000");
    Click("SpeedButton47");
    EXPECT_EQ(Report(),
              LateHeading("") + SummaryClosing(Line("20.10.2019  20.11.2019      ", "1.000,00", "20,00"), "20,00"));
}

TEST_F(LateInterestTab, DatesFollowTheLocaleSeparator)
{
    TFormatSettings settings = TFormatSettings::Turkish();
    settings.DateSeparator = '/';
    SetFormatSettings(settings);
    Type("Edit373", "1000");
    Dates({2019, 10, 20}, {2019, 11, 20});
    Click("SpeedButton47");
    EXPECT_EQ(Report().at(5), Line("20/10/2019  20/11/2019      ", "1.000,00", "20,00"));
}

TEST_F(LateInterestTab, PickersStartTodayAtTheirTimeOfDay)
{
    for (const char* name : {"DateTimePicker62", "DateTimePicker63"})
        EXPECT_NEAR(Find<TDateTimePicker>(name)->DateTime(), Date() + 0.9592653935, 1e-9) << name;
}

TEST_F(LateInterestTab, ButtonsAndTheirCaptions)
{
    const std::vector<std::pair<const char*, QString>> captions = {
        {"SpeedButton44", "GECİKME FAİZİ DETAYLI HESAPLA"}, {"SpeedButton47", "GECİKME FAİZİ ÖZET HESAPLA"},
        {"SpeedButton48", "TECİL FAİZİ DETAYLI HESAPLA"},   {"SpeedButton49", "TECİL FAİZİ ÖZET HESAPLA"},
        {"SpeedButton45", "SIFIRLA"},                       {"SpeedButton4", "YAZDIR"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(Find<QAbstractButton>(name)->text(), caption) << name;
    EXPECT_FALSE(Find<QAbstractButton>("SpeedButton4")->isEnabled());
}

TEST_F(LateInterestTab, HelpShowsItsTopicFromTheWorkingFolder)
{
    QFile topic(Path("yardimgec"));
    ASSERT_TRUE(topic.open(QIODevice::WriteOnly));
    topic.write("{\\rtf1\\ansi\\ansicpg1254 Gecikme faizi yard\\'fdm\\par}");
    topic.close();
    Click("tfXPButton13");
    EXPECT_TRUE(yardimF().isVisible());
    EXPECT_EQ(yardimF().RichEdit1->toPlainText().trimmed(), "Gecikme faizi yardım");
    yardimF().hide();
    EXPECT_TRUE(TestDialogs().shown.empty());
}

}  // namespace
