#include "base/data_set.h"

#include "base/exceptions.h"
#include "base/strings.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTime>

namespace {

TFieldType TypeOfColumn(const QSqlField& f)
{
    switch (f.metaType().id()) {
    case QMetaType::Bool:
        return ftBoolean;
    case QMetaType::Short:
    case QMetaType::UShort:
        return ftSmallint;
    case QMetaType::Int:
    case QMetaType::UInt:
        return ftInteger;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return ftLargeint;
    case QMetaType::Double:
    case QMetaType::Float:
        return ftFloat;
    case QMetaType::QDate:
        return ftDate;
    case QMetaType::QTime:
        return ftTime;
    case QMetaType::QDateTime:
        return ftDateTime;
    case QMetaType::QByteArray:
        return ftBlob;
    case QMetaType::QString:
        return ftString;
    default:
        return ftUnknown;
    }
}

// SQLite reports TEXT and VARCHAR alike; its declared types tell a memo or a picture from a string.
TFieldType TypeOfDeclaration(const QString& declared)
{
    const QString d = UpperCase(declared);
    if (d.contains("MEMO") || d.contains("CLOB") || d == "TEXT")
        return ftMemo;
    if (d.contains("GRAPHIC") || d.contains("IMAGE"))
        return ftGraphic;
    if (d.contains("BLOB"))
        return ftBlob;
    return ftUnknown;
}

QHash<QString, TFieldType> DeclaredTypes(const QSqlDatabase& db, const QString& table)
{
    QHash<QString, TFieldType> types;
    if (db.driverName() != "QSQLITE" || table.isEmpty())
        return types;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(QString(table).replace('"', "\"\""))))
        return types;
    while (q.next()) {
        const TFieldType t = TypeOfDeclaration(q.value(2).toString());
        if (t != ftUnknown)
            types.insert(UpperCase(q.value(1).toString()), t);
    }
    return types;
}

Variant FromQVariant(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return Variant::Null();
    switch (v.metaType().id()) {
    case QMetaType::Bool:
        return Variant(v.toBool());
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return Variant(static_cast<int64_t>(v.toLongLong()));
    case QMetaType::Double:
    case QMetaType::Float:
        return Variant(v.toDouble());
    case QMetaType::QDate:
        return Variant::FromDate(FromQDate(v.toDate()));
    case QMetaType::QTime: {
        const QTime t = v.toTime();
        return Variant::FromDate(t.msecsSinceStartOfDay() / 86400000.0);
    }
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        return Variant::FromDate(FromQDate(dt.date()) + dt.time().msecsSinceStartOfDay() / 86400000.0);
    }
    case QMetaType::QByteArray:
        return Variant(QString::fromLatin1(v.toByteArray()));
    default:
        return Variant(v.toString());
    }
}

// Field names compare without regard to case in any alphabet, the dotted and dotless i's alike: a
// name that an expression upper-cased (AÇIKLAMA, or ISIM for isim) still finds its field.
bool SameFieldName(const QString& a, const QString& b)
{
    auto fold = [](QString s) { return s.replace(QChar(0x130), u'i').replace(QChar(0x131), u'i'); };
    return QString::compare(fold(a), fold(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

TField::TField(TDataSet* dataSet, QString name, TFieldType type, int index)
    : dataSet_(dataSet), name_(std::move(name)), type_(type), index_(index)
{
}

Variant TField::Value() const
{
    return FromQVariant(dataSet_->CurrentValue(index_));
}

bool TField::IsNull() const
{
    const QVariant v = dataSet_->CurrentValue(index_);
    return !v.isValid() || v.isNull();
}

QString TField::AsString() const
{
    return Value().AsString();
}

long double TField::AsFloat() const
{
    return IsNull() ? 0.0L : Value().AsFloat();
}

QByteArray TField::AsBytes() const
{
    const QVariant v = dataSet_->CurrentValue(index_);
    return v.metaType().id() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8();
}

QString TField::DisplayText() const
{
    if (OnGetText) {
        QString text;
        OnGetText(*this, text, true);
        return text;
    }
    return AsString();
}

TDataSet::TDataSet(QObject* owner) : QObject(owner) {}

TDataSet::~TDataSet() = default;

void TDataSet::Open()
{
    if (active_)
        return;
    QSqlDatabase db = ConnectionName.isEmpty() ? QSqlDatabase::database() : QSqlDatabase::database(ConnectionName);
    if (!db.isValid())
        throw EDSError(QStringLiteral("%1: veritabanı bağlantısı yok").arg(objectName()));
    QSqlQuery q(db);
    const QString sql = SQL.isEmpty() ? QStringLiteral("SELECT * FROM \"%1\"").arg(QString(TableName).replace('"', "\"\""))
                                      : SQL;
    if (!q.exec(sql))
        throw EDSError(QStringLiteral("%1: %2").arg(objectName(), q.lastError().text()));
    const QHash<QString, TFieldType> declared = SQL.isEmpty() ? DeclaredTypes(db, TableName) : QHash<QString, TFieldType>();
    const QSqlRecord rec = q.record();
    fields_.clear();
    for (int i = 0; i < rec.count(); ++i) {
        const QString name = rec.fieldName(i);
        TFieldType type = declared.value(UpperCase(name), TypeOfColumn(rec.field(i)));
        for (auto it = FieldTypes.cbegin(); it != FieldTypes.cend(); ++it) {
            if (SameText(it.key(), name))
                type = it.value();
        }
        fields_.push_back(std::make_unique<TField>(this, name, type, i));
    }
    rows_.clear();
    while (q.next()) {
        std::vector<QVariant> row;
        row.reserve(rec.count());
        for (int i = 0; i < rec.count(); ++i)
            row.push_back(q.value(i));
        rows_.push_back(std::move(row));
    }
    active_ = true;
    First();
}

void TDataSet::Close()
{
    active_ = false;
    rows_.clear();
    fields_.clear();
    current_ = 0;
    eof_ = bof_ = true;
}

void TDataSet::CheckActive() const
{
    if (!active_)
        throw EDSError(QStringLiteral("%1: veri kümesi kapalı").arg(objectName()));
}

void TDataSet::First()
{
    CheckActive();
    current_ = 0;
    bof_ = true;
    eof_ = rows_.empty();
}

void TDataSet::Next()
{
    CheckActive();
    if (current_ + 1 < rows_.size()) {
        ++current_;
        eof_ = false;
    } else {
        eof_ = true;
    }
    bof_ = false;
}

void TDataSet::Prior()
{
    CheckActive();
    if (current_ > 0) {
        --current_;
        bof_ = false;
    } else {
        bof_ = true;
    }
    eof_ = rows_.empty();
}

void TDataSet::Last()
{
    CheckActive();
    current_ = rows_.empty() ? 0 : rows_.size() - 1;
    eof_ = true;
    bof_ = rows_.empty();
}

TField* TDataSet::Fields(int index) const
{
    return index >= 0 && index < FieldCount() ? fields_[static_cast<size_t>(index)].get() : nullptr;
}

TField* TDataSet::FindField(const QString& name) const
{
    for (const auto& f : fields_) {
        if (SameFieldName(f->FieldName(), name))
            return f.get();
    }
    return nullptr;
}

TField* TDataSet::FieldByName(const QString& name) const
{
    if (TField* f = FindField(name))
        return f;
    throw EDSError(QStringLiteral("%1: '%2' alanı bulunamadı").arg(objectName(), name));
}

TBookmark TDataSet::GetBookmark() const
{
    TBookmark b;
    if (active_ && !rows_.empty())
        b.row = static_cast<int64_t>(current_);
    return b;
}

void TDataSet::GotoBookmark(const TBookmark& bookmark)
{
    CheckActive();
    if (bookmark.IsNull() || static_cast<size_t>(bookmark.row) >= rows_.size())
        throw EDSError(QStringLiteral("%1: kayıt bulunamadı").arg(objectName()));
    current_ = static_cast<size_t>(bookmark.row);
    eof_ = bof_ = false;
}

int TDataSet::CompareBookmarks(const TBookmark& a, const TBookmark& b) const
{
    return a.row < b.row ? -1 : (a.row > b.row ? 1 : 0);
}

QVariant TDataSet::CurrentValue(int column) const
{
    if (!active_ || rows_.empty() || column < 0 || static_cast<size_t>(column) >= rows_[current_].size())
        return QVariant();
    return rows_[current_][static_cast<size_t>(column)];
}
