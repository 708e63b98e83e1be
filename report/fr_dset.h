#pragma once

#include <QObject>

#include <functional>

enum TRangeBegin { rbFirst = 0, rbCurrent = 1 };
enum TRangeEnd { reLast = 0, reCurrent = 1, reCount = 2 };

// A record source that a band walks with Init, First, Next, Eof and Exit.
class TfrDataset : public QObject {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(TfrDataset* sender)>;
    using TCheckEOFEvent = std::function<void(TfrDataset* sender, bool& eof)>;

    explicit TfrDataset(QObject* owner = nullptr);

    virtual void Init() {}
    virtual void Exit() {}
    virtual void First();
    virtual void Next();
    virtual bool Eof();

    TRangeBegin RangeBegin = rbFirst;
    TRangeEnd RangeEnd = reLast;
    int RangeEndCount = 0;
    TNotifyEvent OnFirst;
    TNotifyEvent OnNext;
    TCheckEOFEvent OnCheckEOF;
    int RecNo = 0;  // records stepped since First
};

// A source driven by its events or by a record count. With reLast or reCurrent it ends only when
// its OnCheckEOF handler says so.
class TfrUserDataset : public TfrDataset {
    Q_OBJECT
public:
    using TfrDataset::TfrDataset;
};
