#include "report/fr_functions.h"

#include "base/data_set.h"
#include "base/exceptions.h"
#include "base/numbers.h"
#include "base/strings.h"
#include "report/fr_band.h"
#include "report/fr_band_view.h"
#include "report/fr_pages.h"
#include "report/fr_globals.h"
#include "report/fr_pars.h"
#include "report/fr_utils.h"

#include <algorithm>

namespace {

// Footers and summaries total the records of the bands above them.
bool Aggregates(const TfrBand& band)
{
    switch (band.BandType) {
    case btReportSummary:
    case btPageFooter:
    case btMasterFooter:
    case btDetailFooter:
    case btSubDetailFooter:
    case btGroupFooter:
    case btCrossFooter:
        return true;
    default:
        return false;
    }
}

QString BandViewName(const TfrBand* band)
{
    return band != nullptr && band->View != nullptr ? band->View->Name : QString();
}

// Walks the whole data set; answers false when no data set is named.
bool DataSetAggregate(int fno, const QString& arg, QString& value)
{
    TDataSet* ds = nullptr;
    TField* field = nullptr;
    if (fno == TfrStdFunctionLibrary::fnCount)
        ds = qobject_cast<TDataSet*>(frFindComponent(arg.trimmed()));
    else
        frGetDataSetAndField(arg, ds, field);
    if (ds == nullptr)
        return false;
    if (frAggregateBand != nullptr && !frAggregateBand->Visible)
        return true;  // accumulating: the total is read when the band prints

    long double sum = 0, minimum = 1e200L, maximum = -1e200L;
    int count = 0;
    for (ds->First(); !ds->Eof(); ds->Next()) {
        const long double v = fno == TfrStdFunctionLibrary::fnCount || field == nullptr ? 0 : field->AsFloat();
        sum += v;
        ++count;
        minimum = std::min(minimum, v);
        maximum = std::max(maximum, v);
    }
    long double result = 0;
    switch (fno) {
    case TfrStdFunctionLibrary::fnSum:
        result = sum;
        break;
    case TfrStdFunctionLibrary::fnAvg:
        result = count == 0 ? 0 : sum / count;
        break;
    case TfrStdFunctionLibrary::fnMin:
        result = minimum;
        break;
    case TfrStdFunctionLibrary::fnMax:
        result = maximum;
        break;
    default:
        result = count;
    }
    value = FloatToStr(result);
    return true;
}

}  // namespace

void frAggregate(int fno, const QString& name, const Variant& p1, const Variant& p2, const Variant& p3,
                 QString& value)
{
    const QString arg = p1.AsString();
    if (DataSetAggregate(fno, arg, value))
        return;

    TfrBand* band = frAggregateBand;
    if (band == nullptr || !Aggregates(*band))
        return;
    const bool isCount = fno == TfrStdFunctionLibrary::fnCount;
    QString bandName = Trim(p2.AsString());
    const QString flag = Trim((isCount ? p2 : p3).AsString());
    const QString currentBandName = BandViewName(frCurrentBand);
    if (bandName.isEmpty())
        bandName = currentBandName;
    if (flag != QLatin1String("1") && !(frCurrentBand != nullptr && frCurrentBand->Visible))
        return;

    QString key = name + arg;
    if (frDrawingCross) {
        if (band->BandType == btCrossFooter) {
            key += QStringLiteral("00");
        } else {
            key += QString::number(frCurrentPage != nullptr ? frCurrentPage->ColumnCounter : 0);
        }
    }

    const QString entry = band->AggregateEntry(key);
    if (band->Visible) {
        value = entry.mid(1, 255);
        if (fno == TfrStdFunctionLibrary::fnAvg) {
            const long double total = StrToFloat(value);
            if (band->Count == 0)
                throw EZeroDivide(QStringLiteral("Ortalama için toplanmış kayıt yok"));
            value = FloatToStr(total / band->Count);
        }
        return;
    }

    if (!frSameName(bandName, currentBandName))
        return;
    if (!entry.isEmpty() && entry[0] == '1')
        return;  // this record was already counted by another memo of the band
    QString stored = entry.mid(1);
    if (entry.isEmpty()) {
        stored = fno == TfrStdFunctionLibrary::fnMin   ? QStringLiteral("1e200")
                 : fno == TfrStdFunctionLibrary::fnMax ? QStringLiteral("-1e200")
                                                       : QStringLiteral("0");
    }
    long double x = 0;
    if (!isCount) {
        const Variant v = frGlobalParser->Calc(arg);
        x = v.IsNull() ? 0 : v.AsFloat();
    }
    const long double total = StrToFloat(stored);
    long double result = total;
    switch (fno) {
    case TfrStdFunctionLibrary::fnSum:
    case TfrStdFunctionLibrary::fnAvg:
        result = total + x;
        break;
    case TfrStdFunctionLibrary::fnCount:
        result = total + 1;
        break;
    case TfrStdFunctionLibrary::fnMin:
        result = total > x ? x : total;
        break;
    case TfrStdFunctionLibrary::fnMax:
        result = total < x ? x : total;
        break;
    default:
        break;
    }
    band->SetAggregateEntry(key, '1' + FloatToStr(result));
}
