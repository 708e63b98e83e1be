#include "report/fr_dset.h"

TfrDataset::TfrDataset(QObject* owner) : QObject(owner) {}

void TfrDataset::First()
{
    RecNo = 0;
    if (OnFirst)
        OnFirst(this);
}

void TfrDataset::Next()
{
    ++RecNo;
    if (OnNext)
        OnNext(this);
}

bool TfrDataset::Eof()
{
    bool eof = RangeEnd == reCount && RecNo >= RangeEndCount;
    if (OnCheckEOF)
        OnCheckEOF(this, eof);
    return eof;
}
