#include "platform/ImageFileWriter.h"

#include <QImage>
#include <QImageWriter>
#include <QList>
#include <cstring>
#include <utility>

namespace plovex {
namespace {

// Qt's PNG compression runs from 0 to 100: 20 gives zlib level 1, the fastest that compresses.
// Measured on palette images of 1920x1080 graphs (processor time; the default level 6 in
// brackets): a plain curve 3.6 ms, 19 KB (6.4 ms, 9 KB); a dense implicit pattern 8 to 11 ms,
// 175 KB (22 ms, 127 KB). Levels 2 to 4 were slower on the dense picture and at most a fifth
// smaller.
constexpr int kPngCompression = 20;
constexpr qsizetype kMaxPaletteColours = 256;

// The picture as indices into a table of its own colours, or a null image when it has more
// than 256. Qt's own conversion to Format_Indexed8 costs as much as rendering the picture.
QImage ToPalette(const QImage& image)
{
    const QImage source = image.format() == QImage::Format_RGB32
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        const int width = source.width();
        // A graph is mostly long runs of one colour: the table is searched once per run.
        for (int x = 0; x < width;) {
            // The unused alpha byte of Format_RGB32 stays out of the table.
            const QRgb colour = in[x] | 0xFF000000u;
            qsizetype index = colours.indexOf(colour);
            if (index < 0) {
                if (colours.size() == kMaxPaletteColours)
                    return {};
                index = colours.size();
                colours.append(colour);
            }
            int end = x + 1;
            while (end < width && (in[end] | 0xFF000000u) == colour)
                ++end;
            std::memset(out + x, static_cast<int>(index), static_cast<std::size_t>(end - x));
            x = end;
        }
    }
    indexed.setColorTable(colours);
    return indexed;
}

} // namespace

ImageFileWriter::ImageFileWriter(QIODevice* device, QByteArray format)
    : m_device(device)
    , m_format(std::move(format))
{ }

bool ImageFileWriter::Write(const QImage& image)
{
    QImageWriter writer(m_device, m_format);
    bool written = false;
    if (m_format.toLower() == "png") {
        writer.setCompression(kPngCompression);
        const QImage palette = ToPalette(image);
        written = writer.write(palette.isNull() ? image : palette);
    } else {
        written = writer.write(image);
    }
    m_error = written ? QString() : writer.errorString();
    return written;
}

} // namespace plovex
