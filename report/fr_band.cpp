#include "report/fr_band.h"

#include "report/fr_dset.h"

TfrBand::TfrBand(uint8_t bandType, TfrPage* parent) : Parent(parent), BandType(bandType) {}

TfrBand::~TfrBand()
{
    delete Next;
    if (OwnsDataSet && DataSet != nullptr) {
        DataSet->Exit();
        delete DataSet;
    }
    if (OwnsColumnDataSet && ColumnDataSet != nullptr) {
        ColumnDataSet->Exit();
        delete ColumnDataSet;
    }
}
