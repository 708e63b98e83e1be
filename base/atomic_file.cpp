#include "base/atomic_file.h"

#include "base/error_texts.h"
#include "base/exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString reasonOf(int error)
{
    switch (error) {
    case ENOSPC: return QStringLiteral("diskte yer kalmadı");
    case EDQUOT: return QStringLiteral("disk kotası doldu");
    case EFBIG: return QStringLiteral("dosya izin verilen boyutu aşıyor");
    case EACCES:
    case EPERM: return QStringLiteral("yazma izni yok");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("klasör bulunamadı");
    case EROFS: return QStringLiteral("dosya sistemi salt okunur");
    case EISDIR: return QStringLiteral("bu adda bir klasör var");
    case EIO: return QStringLiteral("disk hatası");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

[[noreturn]] void fail(const QString& fileName, int error)
{
    throw EInOutError(ErrorTexts::FileWrite(fileName) + " (" + reasonOf(error) + ")");
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}
}  // namespace

void WriteFileAtomically(const QString& fileName, const QByteArray& bytes)
{
    const QByteArray target = QFile::encodeName(fileName);
    // with the effective user, as the open of a plain write checks it
    if (::faccessat(AT_FDCWD, target.constData(), F_OK, AT_EACCESS) == 0 &&
        ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        fail(fileName, errno);
    QByteArray temporary = target + kAtomicTemporaryMark + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        fail(fileName, errno);
    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temporary.constData());
        fail(fileName, error);
    };
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            abandon(n < 0 ? errno : EIO);
        data += n;
        left -= n;
    }
    struct stat old {};
    const mode_t mode = ::stat(target.constData(), &old) == 0 ? (old.st_mode & 07777) : newFileMode();
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
        abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        fail(fileName, error);
    }
    if (std::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        fail(fileName, error);
    }
}

void RemoveStaleTemporaries(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QDir dir = info.absoluteDir();
    const QString pattern = info.fileName() + kAtomicTemporaryMark + "??????";
    for (const QString& entry : dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(dir.filePath(entry));
}
