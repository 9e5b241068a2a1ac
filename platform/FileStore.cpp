#include "platform/FileStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <sys/stat.h>

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

bool ReplaceRegularFile(const QString& path, QByteArrayView bytes, QString& reason)
{
    // Unbuffered: a buffered QSaveFile commits a file that a full disk cut short.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
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

} // namespace

std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 limit, QString& reason)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        reason = QCoreApplication::translate("FileStore", "It is a folder, not a file.");
        return std::nullopt;
    }
    const QString tooLarge = QCoreApplication::translate(
        "FileStore", "The file holds more than %1 bytes, the most that is read.")
                                 .arg(limit);
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
        return ReplaceRegularFile(path, bytes, reason);
    if (S_ISREG(status.st_mode))
        return ReplaceRegularFile(path, bytes, reason);
    if (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode))
        return WriteDirectly(path, bytes, reason);
    if (S_ISDIR(status.st_mode))
        reason = QCoreApplication::translate("FileStore", "It is a folder, not a file.");
    else if (S_ISBLK(status.st_mode))
        reason = QCoreApplication::translate(
            "FileStore", "It is a block device: a disk is never written to directly.");
    else
        reason = QCoreApplication::translate(
            "FileStore", "It is neither a file nor a device that can be written to.");
    return false;
}

} // namespace plovex
