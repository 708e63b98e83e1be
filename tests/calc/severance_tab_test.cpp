#include "base/date_time.h"
#include "base/format_settings.h"
#include "calc_tab_test.h"

namespace {

struct Person {
    QString name, company, description, registerNo;
};
const Person kAli{"Ali Veli", "ABC Ltd", "Emeklilik", "1234"};

QStringList Blanks(int count)
{
    return QStringList(count, " ");
}

QStringList Head(const Person& p, const QString& title, const QString& entry, const QString& exit)
{
    return {" " + p.company, " " + p.description, title, "ADI SOYADI           : " + p.name, " ",
            "SİCİL NO             : " + p.registerNo, " ", "GİRİŞ TARİHİ         : " + entry, " ",
            "ÇIKIŞ TARİHİ         : " + exit, " "};
}

QStringList Signature(const Person& p, const QString& receipt)
{
    return {receipt, " ", "                           " + p.name + "   (İmza)", " "};
}

QStringList SeveranceStatement(const Person& p, const QString& entry, const QString& exit, const QStringList& figures)
{
    return Head(p, "KIDEM TAZMİNATI HESAPLAMASI", entry, exit) +
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
           Signature(p, "Yukarıda yazılı kıdem tazminatını nakten aldım.");
}

QStringList NoticeStatement(const Person& p, const QString& entry, const QString& exit, const QStringList& figures)
{
    return Head(p, "İHBAR TAZMİNATI HESAPLAMASI", entry, exit) +
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
           Signature(p, "Yukarıda yazılı ihbar tazminatını nakten aldım.");
}

QStringList Total(const QString& amount)
{
    return Blanks(2) +
           QStringList{"Kıdem Tazminatı ve İhbar Tazminatı karşılığı yapılan toplam ödeme tutarı :" + amount + " TL"} +
           Blanks(11);
}

QStringList Deed(const Person& p, const QString& entry, const QString& exit)
{
    return {"                             İ B R A N A M E ",
            " ",
            entry + " Tarihinden bu güne kadar çalıştığım ",
            p.company + ".den ayrılış tarihim olan " + exit,
            "tarihine kadar geçen çalışma sürem boyunca bütün ücretimi ve primlerimi tamamen almış ",
            "bulunduğumu, bundan başka ayrıca hafta tatili ve genel tatil günlerinde, kanunen ödenmesi",
            "gereken ücretlerimle, yapmış olduğum fazla mesailer karşılığı ücretlerimi, yıllık ücretli",
            "izinlerimi ve ayrılış sırasında yıllık ücretli izine karşılık olan ücretimi ve benzeri",
            "bilcümle alacaklarımı, İhbar ve Kıdem Tazminatımı tamamen almış olduğumu beyan ve kabul",
            "ederim. Böylece adı geçen Şirketten her türlü alacağımı eksiksiz almış bulunduğumu ve",
            "ücret, prim, fazla mesai ücreti, yolluk, İhbar ve Kıdem Tazminatı gibi veya bunların ",
            "hizmet akdinden, Toplu İş Sözleşmesinden veya kanuni haklarımdan dolayı hiç bir şekilde ve",
            "surette alacağım kalmadığını ve bir hak talebinde bulunmayacağımı ikrarla ",
            p.company + " ni tekmil alacaklarımdan tam bir şekilde ibra eylerim.",
            " ",
            " ",
            "İbra edenin:",
            "Adı Soyadı\t\t:" + p.name,
            "Sicil Numarası      :" + p.registerNo,
            "Tarih \t\t\t:" + exit,
            "İmza\t\t\t:"};
}

class SeveranceTab : public CalcTabTest {
protected:
    void SetUp() override
    {
        CalcTabTest::SetUp();
        Employ(kAli);
        // the payroll tab's income-tax and stamp-tax rates
        Type("Edit384", "15");
        Type("Edit385", "0,759");
    }
    void Employ(const Person& p)
    {
        Type("Edit414", p.name);
        Type("Edit435", p.company);
        Type("Edit418", p.description);
        Type("Edit419", p.registerNo);
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
    Type("Edit415", "3000");
    Type("Edit416", "2");
    Type("Edit417", "10");
    Click("SpeedButton59");
    // 3.000 + 3.000 x 2 / 12 + 10 x 30 = 3.800 is capped at 2.731,85; 2.731,85 / 365 x 1.369 days
    EXPECT_EQ(Report(), SeveranceStatement(kAli, "01.07.2011", "31.03.2015",
                                           {"3.000,00", "500,00", "2", "300,00", "10,00", "2.731,85", "1.369,00",
                                            "10.246,31", "76,85", "10.169,46"}));
    EXPECT_EQ(Text("Edit420"), "10.169,46");
    EXPECT_EQ(Text("Edit415"), "3.000,00");
    EXPECT_EQ(Text("Edit417"), "10,00");
    EXPECT_TRUE(Checked("CheckBox5"));
}

TEST_F(SeveranceTab, OneYearRuleShowsAPlainMessageAndChangesNoAmount)
{
    Type("Edit415", "3000");
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
    Type("Edit415", "1500");
    Type("Edit416", "1");
    Type("Edit417", "5");
    Click("SpeedButton59");
    EXPECT_EQ(TestDialogs().shown.size(), 1u);
    EXPECT_EQ(Report(), SeveranceStatement(kAli, "01.07.2011", "01.07.2012",
                                           {"1.500,00", "125,00", "1", "150,00", "5,00", "1.775,00", "366,00",
                                            "1.779,86", "13,35", "1.766,51"}));
}

TEST_F(SeveranceTab, LeapDayEntryCompletesItsYearOn28February)
{
    Type("Edit415", "1800");
    Dates({2012, 2, 29}, {2013, 2, 28});
    Click("SpeedButton59");
    EXPECT_TRUE(TestDialogs().shown.empty());
    EXPECT_EQ(Report(), SeveranceStatement(kAli, "29.02.2012", "28.02.2013",
                                           {"1.800,00", "0,00", "", "0,00", "0,00", "1.800,00", "365,00",
                                            "1.800,00", "13,50", "1.786,50"}));
}

TEST_F(SeveranceTab, NoticeUsesTheBandAndThePayrollRates)
{
    Type("Edit415", "3000");
    Click("SpeedButton62");
    EXPECT_EQ(Report(), NoticeStatement(kAli, "01.07.2011", "31.03.2015",
                                        {"3.000,00", "5.600,00 (56 Günlük Ücret.)", "840,00", "42,50", "4.717,50"}));
    EXPECT_EQ(Text("Edit421"), "4.717,50");

    Type("Edit384", "20");
    Click("SpeedButton62");  // the flag clears the earlier statement
    EXPECT_EQ(Report()[15], "KESİNTİSİ            : 1.120,00 TL");
    EXPECT_EQ(Text("Edit421"), "4.437,50");

    Dates({1900, 1, 1}, {2180, 1, 1});  // beyond the last band: nothing, and no band text
    Click("SpeedButton62");
    EXPECT_EQ(Report(), NoticeStatement(kAli, "01.01.1900", "01.01.2180", {"3.000,00", "0,00 ", "0,00", "0,00", "0,00"}));
}

TEST_F(SeveranceTab, NoticeTenureIsTheDaysBetweenThePickedDates)
{
    Type("Edit415", "3000");
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
    Type("Edit415", "3000");
    Click("SpeedButton59");  // an earlier employee's severance must not enter the total
    Dates({2011, 7, 1}, {2012, 6, 30});
    Click("SpeedButton63");
    EXPECT_EQ(TestDialogs().Texts(),
              QStringList({"Kıdem Tazminatı hesaplanacak kişinin bir yılını doldurmuş olması gerekir!"}));
    const QString entry = "01.07.2011", exit = "30.06.2012";
    EXPECT_EQ(Report(),
              NoticeStatement(kAli, entry, exit, {"3.000,00", "2.800,00 (28 Günlük Ücret.)", "420,00", "21,25", "2.358,75"}) +
                  Total("2.358,75") + Deed(kAli, entry, exit));
    EXPECT_EQ(Text("Edit420"), "");
}

TEST_F(SeveranceTab, BothWriteStatementsTotalAndDeedWithEmptyFieldsEmpty)
{
    const Person ayse{"Ayşe Kaya", "", "", "77"};
    Employ(ayse);
    Type("Edit415", "2000");
    Type("Edit416", "4");
    Type("Edit417", "12,5");
    Dates({2010, 3, 15}, {2013, 9, 20});  // 1.285 days
    Click("SpeedButton63");
    // 2.000 + 666,67 + 375 = 3.041,67 is capped at 2.731,85; notice pay 56 days' wage = 3.733,33
    const QString entry = "15.03.2010", exit = "20.09.2013";
    const QStringList report = Report();
    EXPECT_EQ(report, SeveranceStatement(ayse, entry, exit,
                                         {"2.000,00", "666,67", "4", "375,00", "12,50", "2.731,85", "1.285,00",
                                          "9.617,61", "72,13", "9.545,48"}) +
                          NoticeStatement(ayse, entry, exit,
                                          {"2.000,00", "3.733,33 (56 Günlük Ücret.)", "560,00", "28,34", "3.145,00"}) +
                          Total("12.690,48") + Deed(ayse, entry, exit));
    EXPECT_EQ(Text("Edit420"), "9.545,48");
    EXPECT_EQ(Text("Edit421"), "3.145,00");
    EXPECT_TRUE(Checked("CheckBox5"));
    EXPECT_TRUE(TestDialogs().shown.empty());

    Click("SpeedButton63");  // a second run replaces the first
    EXPECT_EQ(Report(), report);
}

TEST_F(SeveranceTab, DeedAloneReplacesTheText)
{
    Type("Edit415", "3000");
    Click("SpeedButton59");
    Click("SpeedButton12");
    EXPECT_EQ(Report(), Blanks(9) + Deed(kAli, "01.07.2011", "31.03.2015"));
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
    Type("Edit415", "3000");
    Type("Edit416", "2");
    Type("Edit417", "10");
    Type("Edit424", "3.000,00");
    Dates({2010, 1, 4}, {2014, 5, 6});
    Click("SpeedButton63");
    Click("SpeedButton61");
    for (const char* name : {"Edit414", "Edit415", "Edit416", "Edit417", "Edit420", "Edit421", "Edit435", "Edit418",
                             "Edit419"})
        EXPECT_EQ(Text(name), "") << name;
    EXPECT_EQ(Report(), QStringList());
    EXPECT_FALSE(Checked("CheckBox5"));
    EXPECT_EQ(Text("Edit424"), "3.000,00");
    EXPECT_EQ(Text("Edit423"), "0,75");
    EXPECT_EQ(Picked("DateTimePicker66"), QDate(2010, 1, 4));
}

TEST_F(SeveranceTab, BadAmountStopsBeforeAnyLine)
{
    Type("Edit415", "3000");
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
    EXPECT_TRUE(Report().contains(Total("50.666.425.022.831.045,20")[2])) << Report().join("\n").toStdString();
}
