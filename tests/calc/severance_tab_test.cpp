#include "test_support.h"

#include "base/date_time_picker.h"
#include "base/date_time.h"
#include "base/format_settings.h"
#include "base/rich_edit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

QStringList Head(const QString& title, const QString& entry, const QString& exit)
{
    return {" ABC Ltd",
            " Emeklilik",
            title,
            "ADI SOYADI           : Ali Veli",
            " ",
            "SİCİL NO             : 1234",
            " ",
            "GİRİŞ TARİHİ         : " + entry,
            " ",
            "ÇIKIŞ TARİHİ         : " + exit,
            " "};
}

QStringList Signature(const QString& receipt)
{
    return {receipt, " ", "                           Ali Veli   (İmza)", " "};
}

QStringList SeveranceStatement(const QString& entry, const QString& exit, const QStringList& figures)
{
    return Head("KIDEM TAZMİNATI HESAPLAMASI", entry, exit) +
           QStringList{"BRÜT ÜCRETİ          : " + figures[0] + " TL",
                       " ",
                       "İKRAMİYE PAYI        : " + figures[1] + " TL (" + figures[2] + " Adet yıllık ikramiye üzerinden.)",
                       " ",
                       "YEMEK BEDELİ         : " + figures[3] + " TL (" + figures[4] + " TL Günlük yemek bedeli üzerinden.)",
                       "KIDEM TAZMİNATINA      ",
                       "ESAS TUTAR           : " + figures[5] + " TL",
                       "KIDEM TAZMİNATINA      ",
                       "ESAS GÜN             : " + figures[6] + " Gün.",
                       "HESAPLANAN KIDEM       ",
                       "TAZMİNATI TUTARI     : " + figures[7] + " TL",
                       " ",
                       "DAMGA VERGİSİ        : " + figures[8] + " TL",
                       "HESAPLANAN NET KIDEM   ",
                       "TAZMİNATI TUTARI     : " + figures[9] + " TL",
                       " "} +
           Signature("Yukarıda yazılı kıdem tazminatını nakten aldım.");
}

QStringList NoticeStatement(const QString& entry, const QString& exit, const QStringList& figures)
{
    return Head("İHBAR TAZMİNATI HESAPLAMASI", entry, exit) +
           QStringList{"BRÜT ÜCRETİ          : " + figures[0] + " TL",
                       "İHBAR TAZMİNATINA      ",
                       "ESAS TUTAR           : " + figures[1],
                       "GELİR VERGİSİ         ",
                       "KESİNTİSİ            : " + figures[2] + " TL",
                       " ",
                       "DAMGA VERGİSİ        : " + figures[3] + " TL",
                       "HESAPLANAN NET İHBAR   ",
                       "TAZMİNATI TUTARI     : " + figures[4] + " TL",
                       " "} +
           Signature("Yukarıda yazılı ihbar tazminatını nakten aldım.");
}

QStringList Deed(const QString& company, const QString& name, const QString& registerNo, const QString& entry,
                 const QString& exit)
{
    return {"                             İ B R A N A M E ",
            " ",
            entry + " Tarihinden bu güne kadar çalıştığım ",
            company + ".den ayrılış tarihim olan " + exit,
            "tarihine kadar geçen çalışma sürem boyunca bütün ücretimi ve primlerimi tamamen almış ",
            "bulunduğumu, bundan başka ayrıca hafta tatili ve genel tatil günlerinde, kanunen ödenmesi",
            "gereken ücretlerimle, yapmış olduğum fazla mesailer karşılığı ücretlerimi, yıllık ücretli",
            "izinlerimi ve ayrılış sırasında yıllık ücretli izine karşılık olan ücretimi ve benzeri",
            "bilcümle alacaklarımı, İhbar ve Kıdem Tazminatımı tamamen almış olduğumu beyan ve kabul",
            "ederim. Böylece adı geçen Şirketten her türlü alacağımı eksiksiz almış bulunduğumu ve",
            "ücret, prim, fazla mesai ücreti, yolluk, İhbar ve Kıdem Tazminatı gibi veya bunların ",
            "hizmet akdinden, Toplu İş Sözleşmesinden veya kanuni haklarımdan dolayı hiç bir şekilde ve",
            "surette alacağım kalmadığını ve bir hak talebinde bulunmayacağımı ikrarla ",
            company + " ni tekmil alacaklarımdan tam bir şekilde ibra eylerim.",
            " ",
            " ",
            "İbra edenin:",
            "Adı Soyadı\t\t:" + name,
            "Sicil Numarası      :" + registerNo,
            "Tarih \t\t\t:" + exit,
            "İmza\t\t\t:"};
}

QStringList Blanks(int count)
{
    return QStringList(count, " ");
}

class SeveranceTab : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Text("Edit414", "Ali Veli");
        Text("Edit435", "ABC Ltd");
        Text("Edit418", "Emeklilik");
        Text("Edit419", "1234");
        // the payroll tab's income-tax and stamp-tax rates
        Text("Edit384", "15");
        Text("Edit385", "0,759");
    }
    void Text(const char* name, const QString& text) { Find<QLineEdit>(name)->setText(text); }
    QString Text(const char* name) const { return Find<QLineEdit>(name)->text(); }
    void Dates(QDate entry, QDate exit)
    {
        Find<TDateTimePicker>("DateTimePicker66")->SetDate(FromQDate(entry));
        Find<TDateTimePicker>("DateTimePicker67")->SetDate(FromQDate(exit));
    }
    void Click(const char* name) { Find<QPushButton>(name)->click(); }
    QStringList Report() const { return Find<TRichEdit>("RichEdit14")->Lines(); }
};

TEST_F(SeveranceTab, SeveranceAboveTheCeilingWithTheDesignDates)
{
    Text("Edit415", "3000");
    Text("Edit416", "2");
    Text("Edit417", "10");
    Click("SpeedButton59");
    // 3.000 + 3.000 x 2 / 12 + 10 x 30 = 3.800 is capped at 2.731,85; 2.731,85 / 365 x 1.369 days
    EXPECT_EQ(Report(), SeveranceStatement("01.07.2011", "31.03.2015",
                                           {"3.000,00", "500,00", "2", "300,00", "10,00", "2.731,85", "1.369,00",
                                            "10.246,31", "76,85", "10.169,46"}));
    EXPECT_EQ(Text("Edit420"), "10.169,46");
    EXPECT_EQ(Text("Edit415"), "3.000,00");
    EXPECT_EQ(Text("Edit417"), "10,00");
    EXPECT_TRUE(Find<QCheckBox>("CheckBox5")->isChecked());
}

TEST_F(SeveranceTab, SecondSeveranceReplacesTheFirstBelowTheCeiling)
{
    Text("Edit415", "3000");
    Click("SpeedButton59");
    Text("Edit415", "1500");
    Text("Edit416", "1");
    Text("Edit417", "5");
    Click("SpeedButton59");
    EXPECT_EQ(Report(), SeveranceStatement("01.07.2011", "31.03.2015",
                                           {"1.500,00", "125,00", "1", "150,00", "5,00", "1.775,00", "1.369,00",
                                            "6.657,47", "49,93", "6.607,53"}));
}

TEST_F(SeveranceTab, OneYearRuleShowsAPlainMessageAndChangesNoAmount)
{
    Text("Edit415", "3000");
    Click("SpeedButton59");
    Dates({2011, 7, 1}, {2012, 6, 30});
    Click("SpeedButton59");
    ASSERT_EQ(TestDialogs().shown.size(), 1u);
    const auto& shown = TestDialogs().shown[0];
    EXPECT_EQ(shown.text, "Kıdem Tazminatı hesaplanacak kişinin bir yılını doldurmuş olması gerekir!");
    EXPECT_EQ(shown.caption, "Tavrelo Çözüm");
    EXPECT_EQ(shown.icon, DialogService::NoIcon);
    EXPECT_EQ(shown.buttons, DialogService::Ok);
    EXPECT_EQ(Report(), QStringList());  // the earlier statement was cleared before the check
    EXPECT_EQ(Text("Edit420"), "10.169,46");

    Dates({2011, 7, 1}, {2012, 7, 1});
    Text("Edit415", "1500");
    Text("Edit416", "1");
    Text("Edit417", "5");
    Click("SpeedButton59");
    EXPECT_EQ(TestDialogs().shown.size(), 1u);
    EXPECT_EQ(Report(), SeveranceStatement("01.07.2011", "01.07.2012",
                                           {"1.500,00", "125,00", "1", "150,00", "5,00", "1.775,00", "366,00",
                                            "1.779,86", "13,35", "1.766,51"}));
}

TEST_F(SeveranceTab, NoticeUsesTheBandAndThePayrollRates)
{
    Text("Edit415", "3000");
    Click("SpeedButton62");
    EXPECT_EQ(Report(), NoticeStatement("01.07.2011", "31.03.2015",
                                        {"3.000,00", "5.600,00 (56 Günlük Ücret.)", "840,00", "42,50", "4.717,50"}));
    EXPECT_EQ(Text("Edit421"), "4.717,50");

    Text("Edit384", "20");
    Click("SpeedButton62");  // the flag clears the earlier statement
    EXPECT_EQ(Report()[15], "KESİNTİSİ            : 1.120,00 TL");
    EXPECT_EQ(Text("Edit421"), "4.437,50");
}

TEST_F(SeveranceTab, NoticeBeyondTheLastBandIsZeroWithoutText)
{
    Text("Edit415", "3000");
    Dates({1900, 1, 1}, {2180, 1, 1});
    Click("SpeedButton62");
    EXPECT_EQ(Report(), NoticeStatement("01.01.1900", "01.01.2180", {"3.000,00", "0,00 ", "0,00", "0,00", "0,00"}));
}

TEST_F(SeveranceTab, ExitBeforeEntryRefusesSeveranceAndPaysFourteenDaysNotice)
{
    Text("Edit415", "3000");
    Dates({2015, 3, 31}, {2011, 7, 1});
    Click("SpeedButton59");
    EXPECT_EQ(TestDialogs().shown.size(), 1u);
    Click("SpeedButton62");
    EXPECT_EQ(Report()[13], "ESAS TUTAR           : 1.400,00 (14 Günlük Ücret.)");
}

TEST_F(SeveranceTab, BothWriteStatementsTotalAndDeed)
{
    Text("Edit415", "1500");
    Text("Edit416", "1");
    Text("Edit417", "5");
    Dates({2011, 7, 1}, {2012, 7, 1});
    Click("SpeedButton63");
    const QString entry = "01.07.2011", exit = "01.07.2012";
    EXPECT_EQ(Report(),
              SeveranceStatement(entry, exit,
                                 {"1.500,00", "125,00", "1", "150,00", "5,00", "1.775,00", "366,00", "1.779,86",
                                  "13,35", "1.766,51"}) +
                  NoticeStatement(entry, exit, {"1.500,00", "1.400,00 (28 Günlük Ücret.)", "210,00", "10,63", "1.179,37"}) +
                  Blanks(2) +
                  QStringList{"Kıdem Tazminatı ve İhbar Tazminatı karşılığı yapılan toplam ödeme tutarı :2.945,88 TL"} +
                  Blanks(11) + Deed("ABC Ltd", "Ali Veli", "1234", entry, exit));
    EXPECT_TRUE(TestDialogs().shown.empty());
}

TEST_F(SeveranceTab, BothWhenTheOneYearRuleStopsTheSeverance)
{
    Text("Edit415", "3000");
    Click("SpeedButton59");  // an earlier employee's severance must not enter the total
    Dates({2011, 7, 1}, {2012, 6, 30});
    Click("SpeedButton63");
    EXPECT_EQ(TestDialogs().Texts(),
              QStringList({"Kıdem Tazminatı hesaplanacak kişinin bir yılını doldurmuş olması gerekir!"}));
    const QString entry = "01.07.2011", exit = "30.06.2012";
    EXPECT_EQ(Report(),
              NoticeStatement(entry, exit, {"3.000,00", "2.800,00 (28 Günlük Ücret.)", "420,00", "21,25", "2.358,75"}) +
                  Blanks(2) +
                  QStringList{"Kıdem Tazminatı ve İhbar Tazminatı karşılığı yapılan toplam ödeme tutarı :2.358,75 TL"} +
                  Blanks(11) + Deed("ABC Ltd", "Ali Veli", "1234", entry, exit));
    EXPECT_EQ(Text("Edit420"), "");
}

TEST_F(SeveranceTab, BothWithEmptyCompanyAndDescriptionLineByLine)
{
    Text("Edit414", "Ayşe Kaya");
    Text("Edit435", "");
    Text("Edit418", "");
    Text("Edit419", "77");
    Text("Edit415", "2000");
    Text("Edit416", "4");
    Text("Edit417", "12,5");
    Dates({2010, 3, 15}, {2013, 9, 20});  // 1.285 days
    Click("SpeedButton63");
    // 2.000 + 666,67 + 375 = 3.041,67 is capped at 2.731,85; notice pay 56 days' wage = 3.733,33
    const QStringList expected{
        " ",
        " ",
        "KIDEM TAZMİNATI HESAPLAMASI",
        "ADI SOYADI           : Ayşe Kaya",
        " ",
        "SİCİL NO             : 77",
        " ",
        "GİRİŞ TARİHİ         : 15.03.2010",
        " ",
        "ÇIKIŞ TARİHİ         : 20.09.2013",
        " ",
        "BRÜT ÜCRETİ          : 2.000,00 TL",
        " ",
        "İKRAMİYE PAYI        : 666,67 TL (4 Adet yıllık ikramiye üzerinden.)",
        " ",
        "YEMEK BEDELİ         : 375,00 TL (12,50 TL Günlük yemek bedeli üzerinden.)",
        "KIDEM TAZMİNATINA      ",
        "ESAS TUTAR           : 2.731,85 TL",
        "KIDEM TAZMİNATINA      ",
        "ESAS GÜN             : 1.285,00 Gün.",
        "HESAPLANAN KIDEM       ",
        "TAZMİNATI TUTARI     : 9.617,61 TL",
        " ",
        "DAMGA VERGİSİ        : 72,13 TL",
        "HESAPLANAN NET KIDEM   ",
        "TAZMİNATI TUTARI     : 9.545,48 TL",
        " ",
        "Yukarıda yazılı kıdem tazminatını nakten aldım.",
        " ",
        "                           Ayşe Kaya   (İmza)",
        " ",
        " ",
        " ",
        "İHBAR TAZMİNATI HESAPLAMASI",
        "ADI SOYADI           : Ayşe Kaya",
        " ",
        "SİCİL NO             : 77",
        " ",
        "GİRİŞ TARİHİ         : 15.03.2010",
        " ",
        "ÇIKIŞ TARİHİ         : 20.09.2013",
        " ",
        "BRÜT ÜCRETİ          : 2.000,00 TL",
        "İHBAR TAZMİNATINA      ",
        "ESAS TUTAR           : 3.733,33 (56 Günlük Ücret.)",
        "GELİR VERGİSİ         ",
        "KESİNTİSİ            : 560,00 TL",
        " ",
        "DAMGA VERGİSİ        : 28,34 TL",
        "HESAPLANAN NET İHBAR   ",
        "TAZMİNATI TUTARI     : 3.145,00 TL",
        " ",
        "Yukarıda yazılı ihbar tazminatını nakten aldım.",
        " ",
        "                           Ayşe Kaya   (İmza)",
        " ",
        " ",
        " ",
        "Kıdem Tazminatı ve İhbar Tazminatı karşılığı yapılan toplam ödeme tutarı :12.690,48 TL",
    };
    const QStringList report = Report();
    ASSERT_EQ(report.size(), expected.size() + 11 + 21);
    EXPECT_EQ(report.mid(0, expected.size()), expected);
    EXPECT_EQ(report.mid(expected.size()), Blanks(11) + Deed("", "Ayşe Kaya", "77", "15.03.2010", "20.09.2013"));
    EXPECT_EQ(Text("Edit420"), "9.545,48");
    EXPECT_EQ(Text("Edit421"), "3.145,00");
    EXPECT_TRUE(Find<QCheckBox>("CheckBox5")->isChecked());

    Click("SpeedButton63");  // a second run replaces the first
    EXPECT_EQ(Report(), report);
}

TEST_F(SeveranceTab, LeapDayEntryCompletesItsYearOn28February)
{
    Text("Edit415", "1800");
    Dates({2012, 2, 29}, {2013, 2, 27});
    Click("SpeedButton59");
    EXPECT_EQ(TestDialogs().shown.size(), 1u);
    EXPECT_EQ(Text("Edit420"), "");

    Dates({2012, 2, 29}, {2013, 2, 28});
    Click("SpeedButton59");
    EXPECT_EQ(TestDialogs().shown.size(), 1u);
    EXPECT_EQ(Report(), SeveranceStatement("29.02.2012", "28.02.2013",
                                           {"1.800,00", "0,00", "", "0,00", "0,00", "1.800,00", "365,00",
                                            "1.800,00", "13,50", "1.786,50"}));
}

TEST_F(SeveranceTab, NoticeBandsAtTheTabsDates)
{
    Text("Edit415", "3000");
    Text("Edit384", "0");
    Text("Edit385", "0");
    const struct {
        QDate exit;
        const char* base;
    } cases[] = {{{2013, 7, 2}, "1.400,00 (14 Günlük Ücret.)"},  // 182 days
                 {{2013, 7, 3}, "2.800,00 (28 Günlük Ücret.)"},  // 183
                 {{2014, 7, 2}, "2.800,00 (28 Günlük Ücret.)"},  // 547
                 {{2014, 7, 3}, "4.200,00 (42 Günlük Ücret.)"},  // 548
                 {{2015, 12, 31}, "4.200,00 (42 Günlük Ücret.)"},  // 1.094
                 {{2016, 1, 1}, "5.600,00 (56 Günlük Ücret.)"}};  // 1.095
    for (const auto& c : cases) {
        Dates({2013, 1, 1}, c.exit);
        Click("SpeedButton62");
        EXPECT_EQ(Report().size(), 25);
        EXPECT_EQ(Report()[13], QString("ESAS TUTAR           : ") + c.base) << c.exit.toString().toStdString();
    }
}

TEST_F(SeveranceTab, DeedAloneReplacesTheTextAndLeavesEmptyFieldsEmpty)
{
    Text("Edit415", "3000");
    Click("SpeedButton59");
    Text("Edit435", "");
    Text("Edit419", "");
    Click("SpeedButton12");
    EXPECT_EQ(Report(), Blanks(9) + Deed("", "Ali Veli", "", "01.07.2011", "31.03.2015"));
    EXPECT_TRUE(Find<QCheckBox>("CheckBox5")->isChecked());
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
    Text("Edit415", "3000");
    Text("Edit416", "2");
    Text("Edit417", "10");
    Text("Edit424", "3.000,00");
    Dates({2010, 1, 4}, {2014, 5, 6});
    Click("SpeedButton63");
    Click("SpeedButton61");
    for (const char* name : {"Edit414", "Edit415", "Edit416", "Edit417", "Edit420", "Edit421", "Edit435", "Edit418",
                             "Edit419"})
        EXPECT_EQ(Text(name), "") << name;
    EXPECT_EQ(Report(), QStringList());
    EXPECT_FALSE(Find<QCheckBox>("CheckBox5")->isChecked());
    EXPECT_EQ(Text("Edit424"), "3.000,00");
    EXPECT_EQ(Text("Edit423"), "0,75");
    EXPECT_EQ(ToQDate(Find<TDateTimePicker>("DateTimePicker66")->Date()), QDate(2010, 1, 4));
}

TEST_F(SeveranceTab, FixedRatesAreStoredWithThePayrollRates)
{
    Text("Edit424", "3.500,50");
    Text("Edit423", "0,8");
    Click("SpeedButton16");
    RecreateWindow();
    EXPECT_EQ(Text("Edit424"), "3.500,50");
    EXPECT_EQ(Text("Edit423"), "0,8");
    // the pickers keep the form's time of day under their design dates
    EXPECT_NEAR(Find<TDateTimePicker>("DateTimePicker66")->DateTime(), EncodeDate(2011, 7, 1) + 0.9592653935, 1e-9);
    EXPECT_NEAR(Find<TDateTimePicker>("DateTimePicker67")->DateTime(), EncodeDate(2015, 3, 31) + 0.9592653935, 1e-9);
}

TEST_F(SeveranceTab, BadAmountStopsBeforeAnyLine)
{
    Text("Edit415", "3000");
    Text("Edit424", "1,2,3");
    Click("SpeedButton59");
    EXPECT_EQ(TestDialogs().shown.size(), 1u);
    EXPECT_EQ(Report(), QStringList());
    EXPECT_EQ(Text("Edit420"), "");
}

}  // namespace
