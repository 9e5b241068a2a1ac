#include "view/ImageExport.h"

#include "platform/FileStore.h"
#include "platform/ImageFileWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

namespace plovex {

QString ExportError(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("ImageExport", "Cannot export the graph to \"%1\".\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString UnknownFormatError(const QString& path, const QStringList& formats)
{
    return ExportError(path,
        QCoreApplication::translate("ImageExport",
            "The name's extension does not say which image format to write. Use one of: %1.")
            .arg(formats.join(", ")));
}

bool WriteExport(const QString& path, const QByteArray& bytes, QString& error)
{
    QString reason;
    if (WriteWholeFile(path, bytes, reason))
        return true;
    error = ExportError(path, reason);
    return false;
}

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
    return QCoreApplication::translate("ImageExport", "Images (*.%1)")
        .arg(ExportFormats().join(" *."));
}

bool ExportImage(const QImage& image, const QString& path, QString& error)
{
    if (const std::optional<QString> special = SpecialFileReason(path)) {
        error = ExportError(path, *special);
        return false;
    }
    const QString format = QFileInfo(path).suffix().toLower();
    if (!ExportFormats().contains(format)) {
        error = UnknownFormatError(path, ExportFormats());
        return false;
    }
    // Encoded whole before the file is touched, so a failure leaves nothing behind.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ImageFileWriter writer(&buffer, format.toLatin1());
    if (!writer.Write(image)) {
        error = ExportError(path, writer.ErrorString());
        return false;
    }
    return WriteExport(path, bytes, error);
}

} // namespace plovex
