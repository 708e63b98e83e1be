#include "report/fr_band.h"

#include "report/fr_dset.h"

#include <exception>
#include <memory>
#include <utility>

TfrBand::TfrBand(uint8_t bandType, TfrPage* parent) : Parent(parent), BandType(bandType) {}

TfrBand::~TfrBand()
{
    delete Next;
    try {
        ReleaseDataSets();
    } catch (...) {
        // nobody is left to tell: a build lets go of its sources before it frees the bands
    }
}

void TfrBand::ReleaseDataSet(TfrDataset*& dataSet, bool& owned)
{
    TfrDataset* released = std::exchange(dataSet, nullptr);
    const std::unique_ptr<TfrDataset> made(std::exchange(owned, false) ? released : nullptr);
    if (released != nullptr)
        released->Exit();
}

void TfrBand::ReleaseDataSets()
{
    std::exception_ptr failure;
    for (auto [dataSet, owned] : {std::pair{&DataSet, &OwnsDataSet}, std::pair{&ColumnDataSet, &OwnsColumnDataSet}}) {
        try {
            ReleaseDataSet(*dataSet, *owned);
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

namespace {

int FindEntry(const TStringList& values, const QString& key)
{
    for (int i = 0; i < values.Count(); ++i) {
        const QString& line = values[i];
        if (line.lastIndexOf('=') == key.size() && line.startsWith(key))
            return i;
    }
    return -1;
}

}  // namespace

QString TfrBand::AggregateEntry(const QString& key) const
{
    const int i = FindEntry(Values, key);
    return i < 0 ? QString() : Values[i].mid(key.size() + 1);
}

void TfrBand::SetAggregateEntry(const QString& key, const QString& entry)
{
    const int i = FindEntry(Values, key);
    if (i < 0)
        Values.Add(key + '=' + entry);
    else
        Values.SetStrings(i, key + '=' + entry);
}

void TfrBand::ResetAggregateMarks()
{
    for (int i = 0; i < Values.Count(); ++i) {
        const QString& line = Values[i];
        const int eq = line.lastIndexOf('=');
        if (eq >= 0)
            Values.SetStrings(i, line.left(eq) + QStringLiteral("=0") + line.mid(eq + 2, 255));
    }
}
