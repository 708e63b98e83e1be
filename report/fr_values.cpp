#include "report/fr_values.h"

#include "base/code_page.h"
#include "base/exceptions.h"
#include "base/stream.h"
#include "report/fr_utils.h"

#include <algorithm>

const char* const frSpecialNames[9] = {"PAGE#", "", "DATE", "TIME", "LINE#", "LINETHROUGH#", "COLUMN#",
                                        "CURRENT#", "TOTALPAGES"};

namespace {

QByteArray ShortStringBytes(const QString& s)
{
    QByteArray bytes = ToCp1254(s);
    if (bytes.size() > 255)
        throw EStreamError(QStringLiteral("Değer tablosuna yazılamıyor: \"%1\" 255 karakterden uzun").arg(s));
    return bytes.prepend(static_cast<char>(bytes.size()));
}

QString ReadShortString(TStream& stream)
{
    return FromCp1254(stream.ReadBytes(stream.ReadByte()));
}

}  // namespace

TfrValues::TfrValues() = default;

TfrValues::~TfrValues() = default;

int TfrValues::Add()
{
    items_.push_back({QString(), std::make_unique<TfrValue>()});
    return Count() - 1;
}

QString TfrValues::Name(int index) const
{
    return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)].name : QString();
}

void TfrValues::SetName(int index, const QString& name)
{
    if (index < 0 || index >= Count())
        return;
    items_[static_cast<size_t>(index)].name = name;
    if (sorted_)
        Sort();
}

TfrValue* TfrValues::GetValue(int index) const
{
    return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)].value.get() : nullptr;
}

TfrValue* TfrValues::FindVariable(const QString& name) const
{
    if (sorted_) {
        auto it = std::lower_bound(items_.begin(), items_.end(), name,
                                   [](const Item& item, const QString& n) { return frCompareNames(item.name, n) < 0; });
        return it != items_.end() && frSameName(it->name, name) ? it->value.get() : nullptr;
    }
    for (const Item& item : items_) {
        if (frSameName(item.name, name))
            return item.value.get();
    }
    return nullptr;
}

void TfrValues::Clear()
{
    items_.clear();
}

void TfrValues::SetSorted(bool sorted)
{
    sorted_ = sorted;
    if (sorted)
        Sort();
}

void TfrValues::Sort()
{
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Item& a, const Item& b) { return frCompareNames(a.name, b.name) < 0; });
}

void TfrValues::WriteBinaryData(TStream& stream) const
{
    // Built whole first, so that a name too long for its length byte leaves the stream untouched.
    TMemoryStream table;
    table.WriteInteger(Count());
    for (const Item& item : items_) {
        table.WriteByte(item.value->Typ);
        table.WriteInteger(item.value->OtherKind);
        table.WriteBytes(ShortStringBytes(item.value->DSet));
        table.WriteBytes(ShortStringBytes(item.value->Field));
        table.WriteBytes(ShortStringBytes(item.name));
    }
    stream.WriteBytes(table.Data());
}

void TfrValues::ReadBinaryData(TStream& stream)
{
    Clear();
    sorted_ = false;
    const int32_t count = stream.ReadInteger();
    // Each entry holds at least eight bytes: a damaged count cannot make us loop for long.
    if (count < 0 || count > stream.Remaining() / 8)
        throw EReadError(QStringLiteral("Değer tablosu bozuk: %1 kayıt").arg(count));
    for (int32_t i = 0; i < count; ++i) {
        const int index = Add();
        TfrValue* v = GetValue(index);
        v->Typ = stream.ReadByte();
        v->OtherKind = stream.ReadInteger();
        v->DSet = ReadShortString(stream);
        v->Field = ReadShortString(stream);
        items_[static_cast<size_t>(index)].name = ReadShortString(stream);
    }
}

void TfrCompressor::Compress(TStream&, TStream&) {}

void TfrCompressor::Expand(TStream&, TStream&) {}
