#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class QImage;

namespace plovex {

// Writes pictures into image files of a format Qt can write ("png", "bmp", "ppm", ...). A
// picture of at most 256 colours (a graph always is one) goes into a PNG file as an 8-bit
// palette image: the same pixels when read back, written in a fraction of the time of a
// 24-bit one.
class ImageFileWriter {
public:
    ImageFileWriter(QIODevice* device, QByteArray format);

    bool Write(const QImage& image);
    // Why the last Write failed.
    QString ErrorString() const { return m_error; }

private:
    QIODevice* m_device;
    QByteArray m_format;
    QString m_error;
};

} // namespace plovex
