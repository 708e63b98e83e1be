#include "base/zip_archive.h"

#include "base/atomic_file.h"
#include "base/exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <cstdlib>
#include <cstring>
#include <memory>

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
    if (!Exists())
        return {};
    const QByteArray bytes = readFile(fileName_);
    ArchivePtr archive = openOver(bytes, fileName_, ZIP_RDONLY | ZIP_CHECKCONS);
    QStringList names;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i)
        names << QString::fromUtf8(zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS));
    return names;
}

bool TZipArchive::ReadMember(const QString& name, QByteArray& data) const
{
    if (!Exists())
        return false;
    const QByteArray bytes = readFile(fileName_);
    ArchivePtr archive = openOver(bytes, fileName_, ZIP_RDONLY | ZIP_CHECKCONS);
    zip_set_default_password(archive.get(), password_.constData());
    const zip_int64_t index = zip_name_locate(archive.get(), name.toUtf8().constData(), ZIP_FL_ENC_GUESS);
    if (index < 0)
        return false;
    data = readEntry(archive.get(), index, fileName_, name);
    return true;
}

void TZipArchive::CheckMembers() const
{
    ReadAllMembers();
}

QHash<QString, QByteArray> TZipArchive::ReadAllMembers() const
{
    QHash<QString, QByteArray> members;
    if (!Exists())
        return members;
    const QByteArray bytes = readFile(fileName_);
    ArchivePtr archive = openOver(bytes, fileName_, ZIP_RDONLY | ZIP_CHECKCONS);
    zip_set_default_password(archive.get(), password_.constData());
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const QString name =
            QString::fromUtf8(zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS));
        QByteArray data = readEntry(archive.get(), i, fileName_, name);
        if (!members.contains(name))
            members.insert(name, std::move(data));
    }
    return members;
}

void TZipArchive::AddMember(const QString& name, const QByteArray& data)
{
    const QByteArray old = Exists() ? readFile(fileName_) : QByteArray();
    SourcePtr written;
    ArchivePtr archive = openOver(old, fileName_, ZIP_CREATE, &written);
    const QString shortName = QFileInfo(fileName_).fileName();
    auto fail = [&](zip_error_t* error) {
        throw EArchiveError(QStringLiteral("\"%1\" arşivine yazılamadı: %2.")
                                .arg(shortName, reasonOf(error)));
    };
    zip_source_t* member = zip_source_buffer(archive.get(), data.constData(), static_cast<zip_uint64_t>(data.size()), 0);
    if (!member)
        fail(zip_get_error(archive.get()));
    const zip_int64_t index =
        zip_file_add(archive.get(), name.toUtf8().constData(), member, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(member);
        fail(zip_get_error(archive.get()));
    }
    if (zip_file_set_encryption(archive.get(), static_cast<zip_uint64_t>(index), ZIP_EM_TRAD_PKWARE,
                                password_.constData()) != 0)
        fail(zip_get_error(archive.get()));
    if (zip_close(archive.get()) != 0)
        fail(zip_get_error(archive.get()));
    archive.release();  // closed
    try {
        WriteFileAtomically(fileName_, contentsOf(written.get(), fileName_));
    } catch (const EInOutError& e) {
        throw EArchiveError(e.Message());
    }
}

void TZipArchive::RemoveStaleTemporaries() const
{
    const QFileInfo info(fileName_);
    const QString prefix = info.fileName() + kAtomicTemporaryMark;
    const QDir dir = info.absoluteDir();
    for (const QString& entry : dir.entryList({prefix + "??????"}, QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(entry));
}
