#include "platform/FileStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plovex {
namespace {

// Every byte in, however many calls it takes: a short write is no failure until the next
// call says why (a full disk reports itself only then).
bool WriteAll(QFileDevice& file, QByteArrayView bytes, QString& reason)
{
    const char* data = bytes.data();
    qint64 remaining = bytes.size();
    while (remaining > 0) {
        const qint64 written = file.write(data, remaining);
        if (written <= 0) {
            reason = file.errorString();
            return false;
        }
        data += written;
        remaining -= written;
    }
    return true;
}

bool WriteDirectly(const QString& path, QByteArrayView bytes, QString& reason)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
        return false;
    }
    return WriteAll(file, bytes, reason);
}

// For a folder where no new file can be made: the space is reserved, then the old content is
// overwritten from the start and cut to the new length only once every byte is in.
bool WriteInPlace(const QString& path, QByteArrayView bytes, QString& reason)
{
    // Opened by hand: QFile's write-only mode would empty the file first.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) {
        reason = qt_error_string(errno);
        return false;
    }
    // Room for every byte first, so a full disk or quota refuses the save before a single old
    // byte is overwritten. A file system without the call reserves nothing; then go on.
    const int reserved = ::posix_fallocate(descriptor, 0, static_cast<off_t>(bytes.size()));
    if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
        ::close(descriptor);
        reason = qt_error_string(reserved);
        return false;
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
            QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        reason = file.errorString();
        return false;
    }
    if (!WriteAll(file, bytes, reason))
        return false;
    if (!file.resize(bytes.size())) {
        reason = file.errorString();
        return false;
    }
    return true;
}

bool ReplaceRegularFile(const QString& path, bool exists, QByteArrayView bytes, QString& reason)
{
    // The system's own reason for a file that cannot be written: "Read-only file system",
    // "Operation not permitted" for an immutable file.
    if (exists && ::access(QFile::encodeName(path).constData(), W_OK) != 0) {
        reason = qt_error_string(errno);
        return false;
    }
    // Unbuffered: a buffered QSaveFile commits a file that a full disk cut short.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (exists)
            return WriteInPlace(path, bytes, reason);
        reason = file.errorString();
        return false;
    }
    if (!WriteAll(file, bytes, reason))
        return false;
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

// Whole sentences, so that a translation can word each one as its language needs.
QString NotAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("FileStore", "It is a folder, not a file.");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("FileStore", "It is a named pipe (FIFO), not a file.");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("FileStore", "It is a socket, not a file.");
    if (S_ISCHR(mode))
        return QCoreApplication::translate("FileStore", "It is a character device, not a file.");
    if (S_ISBLK(mode))
        return QCoreApplication::translate("FileStore", "It is a block device, not a file.");
    return QCoreApplication::translate("FileStore", "It is a special file, not a regular file.");
}

} // namespace

std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 limit, QString& reason)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        reason = NotAFile(S_IFDIR);
        return std::nullopt;
    }
    // lupdate reads the count's argument best as a plain name.
    const int most = static_cast<int>(limit);
    const QString tooLarge = QCoreApplication::translate(
        "FileStore", "The file holds more than %n bytes, the most that is read.", nullptr, most);
    if (info.isFile() && info.size() > limit) {
        reason = tooLarge;
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
        return std::nullopt;
    }
    // A pipe hands its bytes over a piece at a time: read until the end, or one byte past the
    // limit to know it was passed.
    QByteArray bytes;
    bytes.resize(limit + 1);
    qint64 filled = 0;
    while (filled <= limit) {
        const qint64 got = file.read(bytes.data() + filled, limit + 1 - filled);
        if (got < 0) {
            reason = file.errorString();
            return std::nullopt;
        }
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > limit) {
        reason = tooLarge;
        return std::nullopt;
    }
    bytes.resize(filled);
    return bytes;
}

bool WriteWholeFile(const QString& path, QByteArrayView bytes, QString& reason)
{
    struct stat status { };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return ReplaceRegularFile(path, false, bytes, reason);
    if (S_ISREG(status.st_mode))
        return ReplaceRegularFile(path, true, bytes, reason);
    if (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode))
        return WriteDirectly(path, bytes, reason);
    if (S_ISDIR(status.st_mode))
        reason = NotAFile(S_IFDIR);
    else if (S_ISBLK(status.st_mode))
        reason = QCoreApplication::translate(
            "FileStore", "It is a block device: a disk is never written to directly.");
    else
        reason = QCoreApplication::translate(
            "FileStore", "It is neither a file nor a device that can be written to.");
    return false;
}

std::optional<QString> SpecialFileReason(const QString& path)
{
    struct stat status { };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return std::nullopt;
    return NotAFile(status.st_mode);
}

} // namespace plovex
