#include "base/zip_archive.h"

#include "base/atomic_file.h"
#include "base/exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace {

QString reasonOf(const zip_error_t* error)
{
    const int code = zip_error_code_zip(error);
    switch (code) {
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_NOPASSWD: return QStringLiteral("parola uygun değil");
    case ZIP_ER_CRC: return QStringLiteral("sağlama toplamı tutmuyor; arşiv bozuk ya da parola uygun değil");
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA:
        return QStringLiteral("sıkıştırılmış veri bozuk; arşiv bozuk ya da parola uygun değil");
    case ZIP_ER_NOZIP: return QStringLiteral("dosya bir ZIP arşivi değil");
    case ZIP_ER_INCONS: return QStringLiteral("arşiv bozuk");
    case ZIP_ER_COMPNOTSUPP: return QStringLiteral("sıkıştırma yöntemi desteklenmiyor");
    case ZIP_ER_ENCRNOTSUPP: return QStringLiteral("şifreleme yöntemi desteklenmiyor");
    case ZIP_ER_READ:
    case ZIP_ER_EOF: return QStringLiteral("arşiv okunamadı");
    case ZIP_ER_MEMORY: return QStringLiteral("bellek yetersiz");
    default: break;
    }
    zip_error_t copy;
    zip_error_init(&copy);
    zip_error_set(&copy, code, zip_error_code_system(error));
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&copy));
    zip_error_fini(&copy);
    return text;
}

QString reasonOf(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = reasonOf(&error);
    zip_error_fini(&error);
    return text;
}

[[noreturn]] void raise(const QString& fileName, const QString& member, const QString& reason)
{
    const QString name = QFileInfo(fileName).fileName();
    if (member.isEmpty())
        throw EArchiveError(QStringLiteral("\"%1\" arşivi okunamadı: %2.").arg(name, reason));
    throw EArchiveError(QStringLiteral("\"%1\" arşivinin \"%2\" bölümü okunamadı: %3.").arg(name, member, reason));
}

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ArchivePtr = std::unique_ptr<zip_t, ArchiveCloser>;

struct SourceCloser {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using SourcePtr = std::unique_ptr<zip_source_t, SourceCloser>;

// An archive opened over bytes in memory; `bytes` must outlive it.
ArchivePtr openOver(const QByteArray& bytes, const QString& fileName, int flags, SourcePtr* keep = nullptr)
{
    zip_error_t error;
    zip_error_init(&error);
    // An archive that is written gets a copy that libzip owns: writing shares the old buffer's pieces
    // with the new one, and the source frees them as its own.
    void* data = bytes.isEmpty() ? nullptr : const_cast<char*>(bytes.constData());
    if (keep && data) {
        data = std::malloc(static_cast<size_t>(bytes.size()));
        if (!data)
            throw EArchiveError(QStringLiteral("\"%1\" arşivi okunamadı: bellek yetersiz.").arg(fileName));
        std::memcpy(data, bytes.constData(), static_cast<size_t>(bytes.size()));
    }
    const int owned = keep && data ? 1 : 0;
    zip_source_t* source = zip_source_buffer_create(data, static_cast<zip_uint64_t>(bytes.size()), owned, &error);
    if (!source) {
        if (owned)
            std::free(data);
        raise(fileName, QString(), reasonOf(&error));
    }
    zip_t* archive = zip_open_from_source(source, flags, &error);
    if (!archive) {
        zip_source_free(source);
        raise(fileName, QString(), reasonOf(&error));
    }
    if (keep) {
        zip_source_keep(source);
        keep->reset(source);
    }
    zip_error_fini(&error);
    return ArchivePtr(archive);
}

QByteArray readFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EArchiveError(QStringLiteral("\"%1\" arşivi açılamadı: %2.")
                                .arg(QFileInfo(fileName).fileName(), file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EArchiveError(QStringLiteral("\"%1\" arşivi okunamadı: %2.")
                                .arg(QFileInfo(fileName).fileName(), file.errorString()));
    return bytes;
}

QByteArray readEntry(zip_t* archive, zip_int64_t index, const QString& fileName, const QString& member)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
        raise(fileName, member, reasonOf(zip_get_error(archive)));
    zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0);
    if (!file)
        raise(fileName, member, reasonOf(zip_get_error(archive)));
    QByteArray data;
    if (stat.valid & ZIP_STAT_SIZE)
        data.reserve(static_cast<qsizetype>(qMin<zip_uint64_t>(stat.size, 64u << 20)));
    char buffer[16384];
    for (;;) {
        const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
        if (n < 0) {
            zip_error_t error;
            zip_error_init(&error);
            zip_error_set(&error, zip_error_code_zip(zip_file_get_error(file)),
                          zip_error_code_system(zip_file_get_error(file)));
            zip_fclose(file);
            const QString reason = reasonOf(&error);
            zip_error_fini(&error);
            raise(fileName, member, reason);
        }
        if (n == 0)
            break;
        data.append(buffer, static_cast<qsizetype>(n));
    }
    zip_fclose(file);
    return data;
}

// The bytes a written in-memory archive left in its source.
QByteArray contentsOf(zip_source_t* source, const QString& fileName)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(source, &stat) != 0 || zip_source_open(source) != 0)
        raise(fileName, QString(), reasonOf(zip_source_error(source)));
    QByteArray bytes(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
    const zip_int64_t n = zip_source_read(source, bytes.data(), stat.size);
    zip_source_close(source);
    if (n < 0 || static_cast<zip_uint64_t>(n) != stat.size)
        raise(fileName, QString(), reasonOf(zip_source_error(source)));
    return bytes;
}

// An archive opened for reading or for writing: always with the consistency checks, so that the
// archive a save starts from is the one a load sees.
ArchivePtr openChecked(const QByteArray& bytes, const QString& fileName, int flags, SourcePtr* keep = nullptr)
{
    ArchivePtr archive = openOver(bytes, fileName, flags | ZIP_CHECKCONS, keep);
    // The writer never leaves an archive without members (it removes the file instead), so bytes
    // beyond a bare end record that hold none are damage, such as an end record appended to a
    // valid archive, which hides its members.
    constexpr qsizetype kEmptyArchiveSize = 22;
    if (zip_get_num_entries(archive.get(), 0) == 0 && bytes.size() > kEmptyArchiveSize)
        raise(fileName, QString(), reasonOf(ZIP_ER_INCONS));
    return archive;
}

using Members = std::vector<std::pair<QString, QByteArray>>;

// Every member read to its end, in archive order.
Members readMembers(const QByteArray& bytes, const QString& fileName, const QByteArray& password)
{
    Members members;
    if (bytes.isEmpty())
        raise(fileName, QString(), reasonOf(ZIP_ER_NOZIP));
    ArchivePtr archive = openChecked(bytes, fileName, ZIP_RDONLY);
    zip_set_default_password(archive.get(), password.constData());
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const QString name =
            QString::fromUtf8(zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS));
        members.emplace_back(name, readEntry(archive.get(), i, fileName, name));
    }
    return members;
}

QHash<QString, QByteArray> byName(const Members& members)
{
    QHash<QString, QByteArray> out;
    for (const auto& [name, data] : members)
        if (!out.contains(name))  // a name that stands twice keeps its first member
            out.insert(name, data);
    return out;
}

}  // namespace

TZipArchive::TZipArchive(QString fileName, QByteArray password)
    : fileName_(std::move(fileName)), password_(std::move(password))
{
}

bool TZipArchive::Exists() const
{
    return QFileInfo(fileName_).isFile();
}

QStringList TZipArchive::MemberNames() const
{
    QStringList names;
    if (Exists())
        for (const auto& member : readMembers(readFile(fileName_), fileName_, password_))
            names << member.first;
    return names;
}

bool TZipArchive::ReadMember(const QString& name, QByteArray& data) const
{
    if (!Exists())
        return false;
    const QHash<QString, QByteArray> members = ReadAllMembers();
    const auto it = members.constFind(name);
    if (it == members.constEnd())
        return false;
    data = it.value();
    return true;
}

void TZipArchive::CheckMembers() const
{
    ReadAllMembers();
}

QHash<QString, QByteArray> TZipArchive::ReadAllMembers() const
{
    if (!Exists())
        return {};
    return ReadMembersOf(readFile(fileName_), fileName_, password_);
}

QHash<QString, QByteArray> TZipArchive::ReadMembersOf(const QByteArray& bytes, const QString& fileName,
                                                      const QByteArray& password)
{
    return byName(readMembers(bytes, fileName, password));
}

QByteArray TZipArchive::WithMember(const QByteArray& bytes, const QString& fileName, const QByteArray& password,
                                   const QString& name, const QByteArray& data)
{
    const QString shortName = QFileInfo(fileName).fileName();
    auto refuse = [&](const QString& reason) {
        throw EArchiveError(QStringLiteral("\"%1\" arşivine yazılamadı: %2.").arg(shortName, reason));
    };
    Members expected;
    if (!bytes.isEmpty())
        expected = readMembers(bytes, fileName, password);
    SourcePtr written;
    ArchivePtr archive = openChecked(bytes, fileName, ZIP_CREATE, &written);
    zip_source_t* member = zip_source_buffer(archive.get(), data.constData(), static_cast<zip_uint64_t>(data.size()), 0);
    if (!member)
        refuse(reasonOf(zip_get_error(archive.get())));
    const zip_int64_t index =
        zip_file_add(archive.get(), name.toUtf8().constData(), member, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(member);
        refuse(reasonOf(zip_get_error(archive.get())));
    }
    if (zip_file_set_encryption(archive.get(), static_cast<zip_uint64_t>(index), ZIP_EM_TRAD_PKWARE,
                                password.constData()) != 0)
        refuse(reasonOf(zip_get_error(archive.get())));
    if (zip_close(archive.get()) != 0)
        refuse(reasonOf(zip_get_error(archive.get())));
    archive.release();  // closed
    const QByteArray result = contentsOf(written.get(), fileName);

    // What was written must read back as the old members with this one in its place, or the save
    // would leave an archive that the next start cannot read.
    const auto same = std::find_if(expected.begin(), expected.end(), [&](const auto& m) { return m.first == name; });
    if (same != expected.end())
        same->second = data;
    else
        expected.emplace_back(name, data);
    try {
        if (byName(readMembers(result, fileName, password)) != byName(expected))
            refuse(QStringLiteral("yazılan arşiv eskisinin üyelerini tutmuyor"));
    } catch (const EArchiveError&) {
        refuse(QStringLiteral("yazılan arşiv okunamıyor; eski arşiv korundu"));
    }
    return result;
}

void TZipArchive::AddMember(const QString& name, const QByteArray& data)
{
    const QByteArray result = WithMember(Exists() ? readFile(fileName_) : QByteArray(), fileName_, password_, name, data);
    try {
        WriteFileAtomically(fileName_, result);
    } catch (const EInOutError& e) {
        throw EArchiveError(e.Message());
    }
}

void TZipArchive::RemoveStaleTemporaries() const
{
    ::RemoveStaleTemporaries(fileName_);
}
