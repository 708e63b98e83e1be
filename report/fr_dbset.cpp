#include "report/fr_dbset.h"

#include "base/exceptions.h"
#include "report/fr_dbrel.h"

TfrDBDataSet::TfrDBDataSet(QObject* owner) : TfrDataset(owner) {}

TDataSet* TfrDBDataSet::GetDataSet() const
{
    if (dataSource_ != nullptr && dataSource_->DataSet() != nullptr)
        return dataSource_->DataSet();
    if (dataSet_ != nullptr)
        return dataSet_;
    throw EDSError(QStringLiteral("Unable to open dataset ") + objectName());
}

void TfrDBDataSet::SetDataSet(TDataSet* dataSet)
{
    dataSet_ = dataSet;
    dataSource_ = nullptr;
}

void TfrDBDataSet::SetDataSource(TDataSource* source)
{
    dataSource_ = source;
    if (source != nullptr)
        dataSet_ = nullptr;
}

void TfrDBDataSet::Init()
{
    TDataSet* ds = GetDataSet();
    if (OpenDataSource)
        ds->Open();
    if (OnOpen)
        OnOpen(this);
    bookmark_ = frGetBookmark(ds);
    endReached_ = false;
}

void TfrDBDataSet::Exit()
{
    if (!bookmark_.IsNull()) {
        TDataSet* ds = GetDataSet();
        if (RangeBegin == rbCurrent || RangeEnd == reCurrent)
            frGotoBookmark(ds, bookmark_);
        frFreeBookmark(ds, bookmark_);
    }
    bookmark_ = TBookmark();
    if (OnClose)
        OnClose(this);
    if (CloseDataSource)
        GetDataSet()->Close();
}

void TfrDBDataSet::First()
{
    TDataSet* ds = GetDataSet();
    if (RangeBegin == rbFirst)
        ds->First();
    else if (!bookmark_.IsNull())  // an empty data set has no current record to go back to
        frGotoBookmark(ds, bookmark_);
    endReached_ = false;
    TfrDataset::First();
}

void TfrDBDataSet::Next()
{
    endReached_ = false;
    TDataSet* ds = GetDataSet();
    if (RangeEnd == reCurrent) {
        // The pass ends after the record that was current at Init. From the first record the data
        // set moves on towards it; standing still there would never reach it.
        endReached_ = frBookmarksEqual(ds, frGetBookmark(ds), bookmark_);
        if (endReached_ || RangeBegin == rbCurrent)
            return;
    }
    ds->Next();
    TfrDataset::Next();
}

bool TfrDBDataSet::Eof()
{
    return TfrDataset::Eof() || GetDataSet()->Eof() || endReached_;
}
