#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class TStream;

// A list of lines with the class library's string-list behaviour.
class TStringList {
public:
    TStringList() = default;
    explicit TStringList(const QStringList& lines);

    int Count() const { return static_cast<int>(items_.size()); }
    const QString& operator[](int index) const;  // EStringListError on an index out of range
    QString& operator[](int index);
    QString Strings(int index) const { return (*this)[index]; }
    void SetStrings(int index, const QString& value);

    int Add(const QString& s);
    int AddObject(const QString& s, void* object);
    void Insert(int index, const QString& s);
    void Delete(int index);
    void Clear();
    void Assign(const TStringList& other);
    void Exchange(int a, int b);

    void* Objects(int index) const;
    void SetObjects(int index, void* object);

    // Lines joined with CR LF, a CR LF after the last line; setting splits at CR LF, LF or CR.
    QString Text() const;
    void SetText(const QString& text);

    // Comma text: items separated by ","; an item holding a blank, a comma, a quote or a control
    // character is written in double quotes with inner quotes doubled; reading splits at commas and
    // at blanks outside quotes.
    QString CommaText() const;
    void SetCommaText(const QString& text);

    // name=value lines.
    QString Names(int index) const;
    QString Values(const QString& name) const;
    void SetValues(const QString& name, const QString& value);
    int IndexOfName(const QString& name) const;

    int IndexOf(const QString& s) const;  // case-insensitive, locale rules
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    void Sort();
    bool Find(const QString& s, int& index) const;  // binary search of a sorted list
    enum TDuplicates { dupIgnore, dupAccept, dupError };
    void SetDuplicates(TDuplicates d) { duplicates_ = d; }  // dupError: EStringListError

    QStringList ToQStringList() const;

    // Files and streams hold the lines in code page 1254.
    void LoadFromFile(const QString& fileName);  // EInOutError when it cannot be read
    void SaveToFile(const QString& fileName) const;
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;

private:
    struct Item {
        QString text;
        void* object = nullptr;
    };
    std::vector<Item> items_;
    bool sorted_ = false;
    TDuplicates duplicates_ = dupIgnore;
};
