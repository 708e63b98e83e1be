#include "calc/payroll_assets/depreciation_schedule.h"

#include "app/shell_routines.h"
#include "base/numbers.h"

#include <algorithm>

const std::array<RevaluationYear, RevaluationYearCount> RevaluationYearTable{{
    {1990, "Edit428", 21},  {1991, "Edit429", 22},  {1992, "Edit430", 23},  {1993, "Edit431", 24},
    {1994, "Edit432", 25},  {1995, "Edit433", 26},  {1996, "Edit434", 27},  {1997, "Edit436", 28},
    {1998, "Edit437", 29},  {1999, "Edit438", 30},  {2000, "Edit439", 31},  {2001, "Edit440", 32},
    {2002, "Edit441", 33},  {2003, "Edit442", 34},  {2004, "Edit443", 35},  {2005, "Edit444", 36},
    {2006, "Edit445", 37},  {2007, "Edit446", 38},  {2008, "Edit2008", 39}, {2009, "Edit2009", 40},
    {2010, "Edit2010", 41}, {2011, "Edit2011", 42}, {2012, "Edit2012", 43}, {2013, "Edit2013", 44},
    {2014, "Edit2014", 45},
}};

namespace {

long double FirstYearDepreciation(const DepreciationInput& in)
{
    switch (static_cast<DepreciationMethod>(in.method)) {
    case DepreciationMethod::Normal: return in.cost / in.life;
    case DepreciationMethod::Accelerated:
        // Twice the straight-line rate, yet never more than the cost: a life under two years would
        // otherwise write off more than the asset is worth.
        return std::min(2 * in.cost / in.life, in.cost);
    case DepreciationMethod::ProRata:
        return in.entryMonth == 1 ? in.cost / in.life : in.cost / in.life / 12 * (13 - in.entryMonth);
    }
    return 0;
}

int FurtherYears(const DepreciationInput& in)
{
    const int whole = static_cast<int>(Round(in.life));
    if (static_cast<DepreciationMethod>(in.method) == DepreciationMethod::ProRata && in.entryMonth != 1)
        return whole;  // the part year at the start adds one calendar year at the end
    return whole - 1;
}

}  // namespace

DepreciationSchedule ComputeDepreciationSchedule(const DepreciationInput& in)
{
    DepreciationSchedule s;
    if (in.method < 0 || in.method > 2 || in.cost <= 0 || in.life <= 0)
        return s;
    const auto method = static_cast<DepreciationMethod>(in.method);
    const long double N = in.life;

    DepreciationRow first;
    first.year = in.entryYear;
    first.first = true;
    first.valueBefore = first.value = in.cost;
    first.depreciation = first.accumulated = FirstYearDepreciation(in);
    s.rows.push_back(first);
    if (in.saleYear == in.entryYear)
        return s;

    long double value = in.cost;
    long double valueBefore = in.cost;
    long double accumulated = first.accumulated;
    long double year = in.entryYear;  // floating, so that a fractional life never meets it
    const int further = FurtherYears(in);
    for (int i = 0; i < further; ++i) {
        year += 1;
        DepreciationRow row;
        row.year = static_cast<int>(year);
        const int index = row.year - FirstRevaluationYear;
        if (index >= 0 && index < RevaluationYearCount && in.ticked[index]) {
            const long double R = in.rates[index];
            valueBefore = value;
            row.valueIncrease = value * R / 100;
            value = value + row.valueIncrease;
            if (!in.fromInitialCost) {
                row.depreciationIncrease = accumulated * R / 100;
                row.fundIncrease = row.valueIncrease - row.depreciationIncrease;
            } else {
                row.depreciationIncrease = 0;
                row.fundIncrease = row.valueIncrease;
            }
            s.fund = s.fund + row.fundIncrease;
        }
        const long double B = in.fromInitialCost ? in.cost : value;
        const long double booked = accumulated + row.depreciationIncrease;
        switch (method) {
        case DepreciationMethod::Normal: row.depreciation = B / N; break;
        case DepreciationMethod::Accelerated:
            if (year == in.entryYear + N - 1)
                row.depreciation = B - booked;
            else
                row.depreciation = 2 * (B - booked) / N;
            if (N < 2 && row.depreciation > B - booked)
                row.depreciation = B - booked;
            break;
        case DepreciationMethod::ProRata:
            if (year == in.entryYear + N)
                row.depreciation = in.fromInitialCost ? in.cost / N / 12 * (in.entryMonth - 1) : value - booked;
            else
                row.depreciation = B / N;
            break;
        }
        row.valueBefore = valueBefore;
        row.value = value;
        row.accumulatedBefore = accumulated;
        accumulated = accumulated + row.depreciation + row.depreciationIncrease;
        row.accumulated = accumulated;
        s.rows.push_back(row);
        if (year == in.saleYear)
            break;
    }
    s.closingEntries = true;
    return s;
}

namespace {

QString Amount(long double value)
{
    return FormatFloat("#,##0.00", value);
}

QString Dashes(int count)
{
    return QString(count, '-');
}

QString Blanks(int count)
{
    return QString(count, ' ');
}

QString Columns(const QString& first, const QString& a, const QString& b, const QString& c, const QString& d)
{
    return PadRight(15, first) + PadLeft(18, a) + PadLeft(18, b) + PadLeft(18, c) + PadLeft(18, d);
}

void AddRow(QStringList& lines, const DepreciationRow& r)
{
    const QString year = QString::number(r.year);
    if (r.first) {
        lines << Columns(year, Amount(r.value), "0", Amount(r.value), "0")
              << Columns(" ", "0", "0", Amount(r.accumulated), Amount(r.depreciation));
    } else {
        lines << Columns(year, Amount(r.valueBefore), Amount(r.valueIncrease), Amount(r.value),
                         Amount(r.fundIncrease))
              << Columns(" ", Amount(r.accumulatedBefore), Amount(r.depreciationIncrease), Amount(r.accumulated),
                         Amount(r.depreciation));
    }
    lines << Dashes(93);
}

QString FundLine(long double fund)
{
    return PadRight(15, " ") + "    Yeniden Değerleme Fonu Toplamı : " + Amount(fund);
}

void AddClosingEntries(QStringList& lines, const DepreciationRow& last, long double fund)
{
    const QString Y = QString::number(last.year);
    const QString dateLine = Dashes(39) + "31/12/" + Y + Dashes(44);
    const QString endLine = Dashes(39) + "../../...." + Dashes(44);
    lines << " " << " "
          << Dashes(30) + Y + " Yılı Amortisman Kaydı" + Dashes(37) << " " << dateLine
          << "730/740/750/760/770 GİDER HESPLARI" + Blanks(8) + Amount(last.depreciation)
          << Blanks(25) + "257 BİRİKMİŞ AMORTİSMANLAR HESABI" + Blanks(8) + Amount(last.depreciation) << endLine
          << " " << " " << " "
          << Dashes(30) + Y + " Yılı Satış Kaydı" + Dashes(42) << " " << dateLine
          << "120 ALICILAR HESABI (Cari Hesap)" + Blanks(10) + "(Fatura Toplam Bedeli)"
          << "257 BİRİKMİŞ AMORTİSMANLAR HESABI" + Blanks(9) + Amount(last.accumulated)
          << "522 M.D.V. YENİDEN DEĞERLEME ARTIŞLARI H." + Blanks(1) + Amount(fund)
          << Blanks(25) + "250/251/252/253/254/255 SABİT KIYMETLER" + Blanks(2) + Amount(last.value)
          << Blanks(25) + "391 HESAPLANAN KDV HESABI" + Blanks(16) + "(Faturadaki KDV Toplamı)"
          << Blanks(25) + "679 OLAĞANDIŞI GELİR VE KARLAR HESABI" + Blanks(4) + "(Fiş Toplamı Alacak Giriş"
          << Blanks(67) + "Gerektiriyorsa)"
          << "689 OLAĞANDIŞI GİDER VE ZARARLAR HESABI" + Blanks(4) + "(Fiş Toplamı Borç Giriş Gerektiriyorsa)"
          << endLine << " ";
}

}  // namespace

QStringList DepreciationScheduleLines(const DepreciationInput& input)
{
    QStringList lines{
        QString(),
        input.assetName,
        QString(),
        Columns("HES.YIL", "SABİT KIYMET DEĞERİ/", "YENİDEN DEĞ.ART./", "S.K.DEĞERL./", "YENİDEN DEĞ.FONU/"),
        Columns(" ", "BİRİKMİŞ AMORTİSMAN", "AMORT.DEĞ.ART.", "B.AMORT.TOPLAMI", "DÖNEM AMORTİSMANI"),
        " ",
    };
    const DepreciationSchedule s = ComputeDepreciationSchedule(input);
    for (const DepreciationRow& row : s.rows)
        AddRow(lines, row);
    if (!s.rows.empty()) {
        lines << FundLine(s.fund);
        if (s.closingEntries)
            AddClosingEntries(lines, s.rows.back(), s.fund);
    }
    return lines;
}
