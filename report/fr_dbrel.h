#pragma once

#include "base/data_set.h"

// The few data set operations the report engine needs.
bool frIsBlob(const TField* field);  // blob, memo, graphic and the other binary types
TBookmark frGetBookmark(TDataSet* dataSet);
void frGotoBookmark(TDataSet* dataSet, const TBookmark& bookmark);
void frFreeBookmark(TDataSet* dataSet, TBookmark& bookmark);
bool frBookmarksEqual(TDataSet* dataSet, const TBookmark& b1, const TBookmark& b2);
