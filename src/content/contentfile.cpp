#include "contentfile.h"

#include "contenterror.h"

#include <QFile>
#include <QLocale>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace content {
namespace {

using Cause = ContentError::Cause;

[[noreturn]] void failWithErrno(const QString& path, int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: throw ContentError(path, Cause::NotFound);
    case EACCES:
    case EPERM: throw ContentError(path, Cause::Unreadable, QStringLiteral("読み取りが許されていません。"));
    case ELOOP: throw ContentError(path, Cause::Unreadable, QStringLiteral("リンクがたどれません（循環しています）。"));
    case ENAMETOOLONG: throw ContentError(path, Cause::Unreadable, QStringLiteral("パスが長すぎます。"));
    case EIO: throw ContentError(path, Cause::Unreadable, QStringLiteral("読み込み中に装置のエラーが起きました。"));
    default: throw ContentError(path, Cause::Unreadable);
    }
}

// Anything but a regular file is refused before it is opened: opening a pipe waits for a writer,
// and opening a device may act on it.
void refuseUnlessRegular(const QString& path, const struct stat& info)
{
    if (S_ISREG(info.st_mode))
        return;
    if (S_ISDIR(info.st_mode))
        throw ContentError(path, Cause::Folder);
    QString kind = QStringLiteral("特殊なファイル");
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        kind = QStringLiteral("装置ファイル");
    else if (S_ISFIFO(info.st_mode))
        kind = QStringLiteral("名前付きパイプ");
    else if (S_ISSOCK(info.st_mode))
        kind = QStringLiteral("ソケット");
    throw ContentError(path, Cause::NotAFile, QStringLiteral("%1です（通常のファイルではありません）。").arg(kind));
}

// size: as the file system tells it, or -1 for a file that grew while it was read.
[[noreturn]] void tooLarge(const QString& path, qint64 size, qint64 limit)
{
    const QString measured = size < 0 ? QString() : QStringLiteral("（%1）").arg(byteSizeText(size));
    throw ContentError(
        path, Cause::TooLarge,
        QStringLiteral("ファイルが大きすぎます%1。%2までにしてください。").arg(measured, byteLimitText(limit)));
}

}  // namespace

QString byteSizeText(qint64 bytes)
{
    return QStringLiteral("%1 バイト").arg(QLocale(QLocale::Japanese).toString(bytes));
}

QString byteLimitText(qint64 bytes)
{
    constexpr qint64 kMebibyte = qint64(1) << 20;
    return QStringLiteral("%1 MiB（%2）").arg(bytes / kMebibyte).arg(byteSizeText(bytes));
}

ContentFile::ContentFile(const QString& path, qint64 byteLimit) : m_path(path), m_limit(byteLimit)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        failWithErrno(path, errno);
    refuseUnlessRegular(path, info);
    if (info.st_size > m_limit)
        tooLarge(path, info.st_size, m_limit);
    // Without waiting even if the file was swapped for a pipe since it was looked at.
    do {
        m_fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0)
        failWithErrno(path, errno);
    if (::fstat(m_fd, &info) != 0)
        fail();
    refuseUnlessRegular(path, info);
    m_size = info.st_size;
    if (m_size > m_limit)
        tooLarge(path, m_size, m_limit);
}

ContentFile::~ContentFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void ContentFile::fail() const
{
    const int error = errno;
    failWithErrno(m_path, error == ENOENT ? EIO : error);
}

QByteArray ContentFile::read(qint64 maxBytes)
{
    QByteArray bytes(qsizetype(maxBytes), Qt::Uninitialized);
    qint64 got = 0;
    while (got < maxBytes) {
        const ssize_t n = ::read(m_fd, bytes.data() + got, size_t(maxBytes - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail();
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(qsizetype(got));
    return bytes;
}

void ContentFile::seek(qint64 position)
{
    if (::lseek(m_fd, off_t(position), SEEK_SET) < 0)
        fail();
}

QByteArray ContentFile::readAll()
{
    const off_t here = ::lseek(m_fd, 0, SEEK_CUR);
    if (here < 0)
        fail();
    // The size it had when opened, plus one byte that tells a file that has grown since.
    QByteArray bytes = read(qMax<qint64>(m_size - here, 0) + 1);
    constexpr qint64 kChunk = qint64(64) * 1024;
    for (QByteArray more = bytes; !more.isEmpty() && here + bytes.size() <= m_limit;) {
        more = read(kChunk);
        bytes += more;
    }
    if (here + bytes.size() > m_limit)
        tooLarge(m_path, -1, m_limit);
    return bytes;
}

QByteArray readContentFile(const QString& path, qint64 byteLimit)
{
    ContentFile file(path, byteLimit);
    return file.readAll();
}

}  // namespace content
