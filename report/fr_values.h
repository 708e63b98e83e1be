#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class TfrDataset;
class TDataSet;
class TStream;

// One named report value: a data set field, a special value or an expression.
class TfrValue {
public:
    enum TKind : uint8_t { vtNotAssigned = 0, vtDBField = 1, vtOther = 2, vtFRVar = 3 };

    uint8_t Typ = vtNotAssigned;
    int32_t OtherKind = 0;   // kind 2: position in frSpecialNames
    QString DSet;            // kind 1: data set name
    QString Field;           // kind 1 the field; kind 2 position 1 and kind 3 the expression text
    TDataSet* DSet_ = nullptr;  // resolved from DSet when a report is prepared; not stored
};

// Names of the special values, by position.
extern const char* const frSpecialNames[9];

// The report's value table, stored in the template after the marker 254: an Int32 count, then per
// entry the kind byte, an Int32 other kind and the data set, field and value names as short strings
// (a length byte and the characters).
class TfrValues {
public:
    TfrValues();
    ~TfrValues();
    TfrValues(const TfrValues&) = delete;
    TfrValues& operator=(const TfrValues&) = delete;

    int Add();  // an unnamed entry; answers its index
    int Count() const { return static_cast<int>(items_.size()); }
    QString Name(int index) const;
    void SetName(int index, const QString& name);
    TfrValue* GetValue(int index) const;
    TfrValue* FindVariable(const QString& name) const;  // names compare without regard to case
    void Clear();

    // A sorted table is searched by halves; preparation sorts it, reading leaves it unsorted.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);

    void WriteBinaryData(TStream& stream) const;  // EStreamError for a name over 255 characters
    void ReadBinaryData(TStream& stream);

private:
    struct Item {
        QString name;
        std::unique_ptr<TfrValue> value;
    };
    void Sort();
    std::vector<Item> items_;
    bool sorted_ = false;
};

// Compression of prepared pages: never enabled, both directions do nothing.
class TfrCompressor {
public:
    virtual ~TfrCompressor() = default;
    virtual void Compress(TStream& inStream, TStream& outStream);
    virtual void Expand(TStream& inStream, TStream& outStream);

    bool Enabled = false;
};
