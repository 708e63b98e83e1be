#include "base/string_list.h"

#include "base/atomic_file.h"

#include "base/code_page.h"
#include "base/error_texts.h"
#include "base/exceptions.h"
#include "base/stream.h"
#include "base/strings.h"


#include <algorithm>

namespace {

[[noreturn]] void IndexError(int index)
{
    throw EStringListError(ErrorTexts::ListIndex(index));
}

[[noreturn]] void SortedListError()
{
    throw EStringListError(ErrorTexts::SortedListOperation());
}

bool NeedsQuotes(const QString& s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c <= u' ' || c == u'"' || c == u','; });
}

bool IsBlank(QChar c) { return c >= QChar(1) && c <= u' '; }

}  // namespace

TStringList::TStringList(const QStringList& lines)
{
    for (const QString& s : lines)
        Add(s);
}

const QString& TStringList::operator[](int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return items_[index].text;
}

QString& TStringList::operator[](int index)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return items_[index].text;
}

void TStringList::SetStrings(int index, const QString& value)
{
    if (sorted_)
        SortedListError();
    (*this)[index] = value;
}

int TStringList::Add(const QString& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const QString& s, void* object)
{
    int index = Count();
    if (sorted_ && Find(s, index)) {
        if (duplicates_ == dupIgnore)
            return index;
        if (duplicates_ == dupError)
            throw EStringListError(ErrorTexts::DuplicateString(s));
    }
    items_.insert(items_.begin() + index, Item{s, object});
    return index;
}

void TStringList::Insert(int index, const QString& s)
{
    if (sorted_)
        SortedListError();
    if (index < 0 || index > Count())
        IndexError(index);
    items_.insert(items_.begin() + index, Item{s, nullptr});
}

void TStringList::Delete(int index)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    items_.erase(items_.begin() + index);
}

void TStringList::Clear() { items_.clear(); }

void TStringList::Assign(const TStringList& other)
{
    if (&other == this)
        return;
    const std::vector<Item> copy = other.items_;
    Clear();
    for (const Item& item : copy)
        AddObject(item.text, item.object);
}

void TStringList::Exchange(int a, int b)
{
    if (a < 0 || a >= Count())
        IndexError(a);
    if (b < 0 || b >= Count())
        IndexError(b);
    std::swap(items_[a], items_[b]);
}

void* TStringList::Objects(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return items_[index].object;
}

void TStringList::SetObjects(int index, void* object)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    items_[index].object = object;
}

QString TStringList::Text() const
{
    QString out;
    for (const Item& item : items_)
        out += item.text + QStringLiteral("\r\n");
    return out;
}

void TStringList::SetText(const QString& text)
{
    Clear();
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype start = i;
        while (i < text.size() && text.at(i) != u'\r' && text.at(i) != u'\n')
            ++i;
        Add(text.mid(start, i - start));
        if (i < text.size() && text.at(i) == u'\r')
            ++i;
        if (i < text.size() && text.at(i) == u'\n')
            ++i;
    }
}

QString TStringList::CommaText() const
{
    if (Count() == 1 && items_[0].text.isEmpty())
        return QStringLiteral("\"\"");
    QStringList parts;
    for (const Item& item : items_) {
        if (NeedsQuotes(item.text)) {
            QString quoted = item.text;
            quoted.replace(u'"', QStringLiteral("\"\""));
            parts << u'"' + quoted + u'"';
        } else {
            parts << item.text;
        }
    }
    return parts.join(u',');
}

void TStringList::SetCommaText(const QString& text)
{
    // The text ends at its first NUL, as the class library's reader of a terminated string sees it;
    // going on past it would add an empty item for it for ever.
    if (const qsizetype nul = text.indexOf(QChar(0)); nul >= 0) {
        SetCommaText(text.left(nul));
        return;
    }
    Clear();
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && IsBlank(text.at(i)))
            ++i;
    };
    skipBlanks();
    while (i < n) {
        if (text.at(i) == u'"') {
            Add(AnsiExtractQuotedStr(text, i, u'"'));
        } else {
            const qsizetype start = i;
            while (i < n && text.at(i) > u' ' && text.at(i) != u',')
                ++i;
            Add(text.mid(start, i - start));
        }
        skipBlanks();
        if (i < n && text.at(i) == u',') {
            if (i + 1 == n)
                Add(QString());  // "a," holds a second, empty item
            ++i;
            skipBlanks();
        }
    }
}

QString TStringList::Names(int index) const
{
    const QString& s = (*this)[index];
    const qsizetype eq = s.indexOf(u'=');
    return eq < 0 ? QString() : s.left(eq);
}

int TStringList::IndexOfName(const QString& name) const
{
    for (int i = 0; i < Count(); ++i) {
        const qsizetype eq = items_[i].text.indexOf(u'=');
        if (eq >= 0 && AnsiCompareText(items_[i].text.left(eq), name) == 0)
            return i;
    }
    return -1;
}

QString TStringList::Values(const QString& name) const
{
    const int i = IndexOfName(name);
    return i < 0 ? QString() : items_[i].text.mid(items_[i].text.indexOf(u'=') + 1);
}

void TStringList::SetValues(const QString& name, const QString& value)
{
    int i = IndexOfName(name);
    if (value.isEmpty()) {
        if (i >= 0)
            Delete(i);
        return;
    }
    const QString line = name + u'=' + value;
    if (sorted_) {
        // The new line may sort elsewhere: take the old one out and insert in order.
        if (i >= 0)
            Delete(i);
        Add(line);
        return;
    }
    if (i < 0)
        i = Add(QString());
    items_[i].text = line;
}

int TStringList::IndexOf(const QString& s) const
{
    if (sorted_) {
        int index;
        return Find(s, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (AnsiCompareText(items_[i].text, s) == 0)
            return i;
    return -1;
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted && !sorted_)
        Sort();
    sorted_ = sorted;
}

void TStringList::Sort()
{
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Item& a, const Item& b) { return AnsiCompareText(a.text, b.text) < 0; });
}

bool TStringList::Find(const QString& s, int& index) const
{
    // Lands on the first of equal items unless duplicates are accepted, as Add relies on.
    bool found = false;
    int lo = 0, hi = Count() - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int c = AnsiCompareText(items_[mid].text, s);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != dupAccept)
                    lo = mid;
            }
        }
    }
    index = lo;
    return found;
}

QStringList TStringList::ToQStringList() const
{
    QStringList out;
    out.reserve(Count());
    for (const Item& item : items_)
        out << item.text;
    return out;
}

void TStringList::LoadFromFile(const QString& fileName)
{
    TMemoryStream stream;
    stream.LoadFromFile(fileName);
    LoadFromStream(stream);
}

void TStringList::SaveToFile(const QString& fileName) const
{
    // Written beside the old file and then put in its place, so a failed save loses nothing.
    WriteFileAtomically(fileName, ToCp1254(Text()));
}

void TStringList::LoadFromStream(TStream& stream)
{
    SetText(FromCp1254(stream.ReadBytes(stream.Remaining())));
}

void TStringList::SaveToStream(TStream& stream) const { stream.WriteBytes(ToCp1254(Text())); }
