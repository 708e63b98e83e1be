#include "report/fr_band_view.h"

TfrBandView::TfrBandView()
{
    ObjectType = gtBand;
    NamePrefix = QStringLiteral("Band");
    Format = 0;
    Flags = flBandOnFirstPage | flBandOnLastPage;
}
