#include "app/ImageExport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace plovex {
namespace {

QString ExportError(const QString& path, const QString& reason)
{
    return QString("Cannot export the graph to \"%1\".\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// The one place the exported bytes reach the disk: all or nothing through a temporary file
// that replaces `path` only once every byte is in. Unbuffered and looped, as a short write
// leaves the system's reason unread until the next one. false with the system's reason.
bool WriteExportFile(const QString& path, const QByteArray& bytes, QString& reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
        return false;
    }
    const char* data = bytes.constData();
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
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace

QStringList ExportFormats()
{
    QStringList formats;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        formats << QString::fromLatin1(format).toLower();
    formats.removeDuplicates();
    formats.sort();
    return formats;
}

QString ExportFilter()
{
    return QString("Images (*.%1)").arg(ExportFormats().join(" *."));
}

bool ExportImage(const QImage& image, const QString& path, QString& error)
{
    const QString format = QFileInfo(path).suffix().toLower();
    if (!ExportFormats().contains(format)) {
        error = ExportError(path,
            QString("The name's extension does not say which image format to write. Use one "
                    "of: %1.")
                .arg(ExportFormats().join(", ")));
        return false;
    }
    // Encoded whole before the file is touched, so a failure leaves nothing behind.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format.toLatin1());
    if (!writer.write(image)) {
        error = ExportError(path, writer.errorString());
        return false;
    }
    QString reason;
    if (!WriteExportFile(path, bytes, reason)) {
        error = ExportError(path, reason);
        return false;
    }
    return true;
}

} // namespace plovex
