#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <ostream>
#include <utility>
#include <vector>

// Expected depreciation report lines, written out column by column.
namespace depreciation_lines {

inline QString Dashes(int n)
{
    return QString(n, '-');
}

inline QString Blanks(int n)
{
    return QString(n, ' ');
}

// Year column 15 wide to the left, amount columns 18 wide to the right, nothing cut.
inline QStringList Row(const QString& year, const QStringList& a, const QStringList& b)
{
    auto line = [](const QString& first, const QStringList& cols) {
        QString s = first.leftJustified(15);
        for (const QString& c : cols)
            s += c.rightJustified(18);
        return s;
    };
    return {line(year, a), line(" ", b), Dashes(93)};
}

inline QStringList Heading(const QString& name)
{
    return {"",
            name,
            "",
            "HES.YIL        SABİT KIYMET DEĞERİ/ YENİDEN DEĞ.ART./      S.K.DEĞERL./ YENİDEN DEĞ.FONU/",
            "               BİRİKMİŞ AMORTİSMAN    AMORT.DEĞ.ART.   B.AMORT.TOPLAMI DÖNEM AMORTİSMANI",
            " "};
}

inline QString FundLine(const QString& fund)
{
    return Blanks(15) + "    Yeniden Değerleme Fonu Toplamı : " + fund;
}

inline QStringList Closing(const QString& year, const QString& depreciation, const QString& accumulated,
                           const QString& fund, const QString& value)
{
    const QString end = Dashes(39) + "../../...." + Dashes(44);
    return {FundLine(fund),
            " ",
            " ",
            Dashes(30) + year + " Yılı Amortisman Kaydı" + Dashes(37),
            " ",
            "---------------------------------------31/12/" + year + Dashes(44),
            "730/740/750/760/770 GİDER HESPLARI        " + depreciation,
            Blanks(25) + "257 BİRİKMİŞ AMORTİSMANLAR HESABI        " + depreciation,
            end,
            " ",
            " ",
            " ",
            Dashes(30) + year + " Yılı Satış Kaydı" + Dashes(42),
            " ",
            Dashes(39) + "31/12/" + year + Dashes(44),
            "120 ALICILAR HESABI (Cari Hesap)          (Fatura Toplam Bedeli)",
            "257 BİRİKMİŞ AMORTİSMANLAR HESABI         " + accumulated,
            "522 M.D.V. YENİDEN DEĞERLEME ARTIŞLARI H. " + fund,
            Blanks(25) + "250/251/252/253/254/255 SABİT KIYMETLER  " + value,
            Blanks(25) + "391 HESAPLANAN KDV HESABI                (Faturadaki KDV Toplamı)",
            Blanks(25) + "679 OLAĞANDIŞI GELİR VE KARLAR HESABI    (Fiş Toplamı Alacak Giriş",
            Blanks(67) + "Gerektiriyorsa)",
            "689 OLAĞANDIŞI GİDER VE ZARARLAR HESABI    (Fiş Toplamı Borç Giriş Gerektiriyorsa)",
            end,
            " "};
}

inline QStringList FirstRow(const QString& year, const QString& cost, const QString& depreciation)
{
    return Row(year, {cost, "0", cost, "0"}, {"0", "0", depreciation, depreciation});
}

// One schedule as the tab's inputs give it, and its lines below the heading of the asset "Kamyon".
struct ScheduleCase {
    const char* name;
    int method;  // item of the method box, -1 none
    const char* cost;
    const char* life;
    QDate entry;
    QDate sale;
    bool fromCost;
    std::vector<std::pair<int, const char*>> ticks;  // year, rate text
    QStringList rows;
};

inline void PrintTo(const ScheduleCase& c, std::ostream* os)
{
    *os << c.name;
}

// Checked on the computation and again through the tab's components.
const std::vector<ScheduleCase>& ScheduleCases();

}  // namespace depreciation_lines
