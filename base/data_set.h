#pragma once

#include "base/variant.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

// A small database layer over Qt SQL: a data set runs a query (or reads a table) of a named
// connection when it is opened, keeps its rows and walks them with a current record.

// The class library's field type numbering; blobs and memos are 15 to 21.
enum TFieldType {
    ftUnknown = 0,
    ftString = 1,
    ftSmallint = 2,
    ftInteger = 3,
    ftWord = 4,
    ftBoolean = 5,
    ftFloat = 6,
    ftCurrency = 7,
    ftBCD = 8,
    ftDate = 9,
    ftTime = 10,
    ftDateTime = 11,
    ftBytes = 12,
    ftVarBytes = 13,
    ftAutoInc = 14,
    ftBlob = 15,
    ftMemo = 16,
    ftGraphic = 17,
    ftFmtMemo = 18,
    ftParadoxOle = 19,
    ftDBaseOle = 20,
    ftTypedBinary = 21,
    ftLargeint = 25,
};

class TDataSet;

class TField {
public:
    TField(TDataSet* dataSet, QString name, TFieldType type, int index);

    const QString& FieldName() const { return name_; }
    TFieldType DataType() const { return type_; }
    TDataSet* DataSet() const { return dataSet_; }
    int Index() const { return index_; }

    // The value of the current record; Null when the data set is closed, empty or the column is null.
    Variant Value() const;
    bool IsNull() const;
    QString AsString() const;
    long double AsFloat() const;  // 0 for null
    QByteArray AsBytes() const;   // blob contents
    // The text event's answer when one is set, else the value's text.
    QString DisplayText() const;

    std::function<void(const TField& sender, QString& text, bool displayText)> OnGetText;

private:
    TDataSet* dataSet_;
    QString name_;
    TFieldType type_;
    int index_;
};

// Position of a record; null when no record was current.
struct TBookmark {
    int64_t row = -1;
    bool IsNull() const { return row < 0; }
};

class TDataSet : public QObject {
    Q_OBJECT
public:
    explicit TDataSet(QObject* owner = nullptr);
    ~TDataSet() override;

    // What Open reads: the SQL text, or every row of TableName when SQL is empty.
    QString ConnectionName;  // a QSqlDatabase connection; empty for the default one
    QString SQL;
    QString TableName;
    // Field types that override the ones the database reports (a TEXT column meant as a memo).
    QHash<QString, TFieldType> FieldTypes;

    void Open();   // EDSError with the database's text when the query fails
    void Close();
    bool Active() const { return active_; }
    void SetActive(bool active) { active ? Open() : Close(); }

    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    int RecordCount() const { return static_cast<int>(rows_.size()); }
    int RecNo() const { return active_ && !rows_.empty() ? static_cast<int>(current_) + 1 : 0; }

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    TField* Fields(int index) const;
    TField* FindField(const QString& name) const;  // names compare without regard to case, i and I alike
    TField* FieldByName(const QString& name) const;  // EDSError when missing

    TBookmark GetBookmark() const;
    void GotoBookmark(const TBookmark& bookmark);  // EDSError for a bookmark of no record
    void FreeBookmark(TBookmark& bookmark) { bookmark = TBookmark(); }
    int CompareBookmarks(const TBookmark& a, const TBookmark& b) const;

    QVariant CurrentValue(int column) const;

private:
    void CheckActive() const;

    bool active_ = false;
    bool eof_ = true;
    bool bof_ = true;
    size_t current_ = 0;
    std::vector<std::vector<QVariant>> rows_;
    std::vector<std::unique_ptr<TField>> fields_;
};

class TDataSource : public QObject {
    Q_OBJECT
public:
    explicit TDataSource(QObject* owner = nullptr) : QObject(owner) {}
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet) { dataSet_ = dataSet; }

private:
    QPointer<TDataSet> dataSet_;
};
