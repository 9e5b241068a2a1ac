#pragma once

#include <QString>

class QImage;

namespace plovex {

// The image formats a picture can be exported in, as file name extensions: "bmp", "jpg",
// "png" and the others Qt writes, sorted.
QStringList ExportFormats();

// The file dialog's filter for ExportFormats(), "Images (*.bmp *.jpg ... *.png)".
QString ExportFilter();

// The message for the user when the graph cannot be exported to `path`, and why not.
QString ExportError(const QString& path, const QString& reason);
// The message for a name whose extension is none of `formats`.
QString UnknownFormatError(const QString& path, const QStringList& formats);
// Writes the exported picture's bytes, whole or not at all; false with the message in `error`.
bool WriteExport(const QString& path, const QByteArray& bytes, QString& error);

// Writes `image` to `path` in the format its extension names (.png, .bmp, .jpg, ...).
// false with the message for the user in `error`; a file that was there stays as it was.
// Only a regular file (or a new one) is written: a FIFO or a device is refused at once.
bool ExportImage(const QImage& image, const QString& path, QString& error);

} // namespace plovex
