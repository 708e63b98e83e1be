#pragma once

#include "base/data_set.h"
#include "report/fr_dset.h"

#include <QPointer>

// Walks a data set of the database layer (its own, or the one of a data source) within a range:
// from the first or the current record, to the end, the current record or a count.
class TfrDBDataSet : public TfrDataset {
    Q_OBJECT
public:
    explicit TfrDBDataSet(QObject* owner = nullptr);

    // The data source's data set when it has one, else DataSet; EDSError "Unable to open dataset "
    // + name when neither is set.
    TDataSet* GetDataSet() const;
    TDataSet* DataSet() const { return dataSet_; }
    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSet(TDataSet* dataSet);        // clears DataSource
    void SetDataSource(TDataSource* source);   // a source clears DataSet

    void Init() override;
    void Exit() override;
    void First() override;
    void Next() override;
    bool Eof() override;

    bool OpenDataSource = true;
    bool CloseDataSource = false;
    TNotifyEvent OnOpen;
    TNotifyEvent OnClose;

private:
    // Removing a linked component clears the link: the pointers null themselves.
    QPointer<TDataSet> dataSet_;
    QPointer<TDataSource> dataSource_;
    TBookmark bookmark_;
    bool endReached_ = false;
};
