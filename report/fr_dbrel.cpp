#include "report/fr_dbrel.h"

bool frIsBlob(const TField* field)
{
    return field != nullptr && field->DataType() >= ftBlob && field->DataType() <= ftTypedBinary;
}

TBookmark frGetBookmark(TDataSet* dataSet)
{
    return dataSet->GetBookmark();
}

void frGotoBookmark(TDataSet* dataSet, const TBookmark& bookmark)
{
    dataSet->GotoBookmark(bookmark);
}

void frFreeBookmark(TDataSet* dataSet, TBookmark& bookmark)
{
    dataSet->FreeBookmark(bookmark);
}

bool frBookmarksEqual(TDataSet* dataSet, const TBookmark& b1, const TBookmark& b2)
{
    return dataSet->CompareBookmarks(b1, b2) == 0;
}
