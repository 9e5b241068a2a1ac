#include "view/ImageSurface.h"

#include "view/GraphResources.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace plovex {
namespace {

QRgb ToQRgb(Rgb colour)
{
    return qRgb(colour.red, colour.green, colour.blue);
}

} // namespace

// Every drawing call takes the pixels here once. A copy of the picture shares them until one
// side writes: the first call after that gives this side its own.
QRgb* ImageSurface::Pixels()
{
    // Format_RGB32 rows are whole QRgb words with no padding: row y starts at y * width.
    if (!m_pixels || !m_image.isDetached())
        m_pixels = reinterpret_cast<QRgb*>(m_image.bits());
    return m_pixels;
}

// Every pixel goes through here: kept small enough to inline into the drawing calls, with the
// listing out of line. It never reads the pixel, which for a steep curve means a cache miss
// on every call.
inline void ImageSurface::Put(QRgb* pixels, int x, int y, QRgb colour)
{
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(m_width)
        || static_cast<unsigned>(y) >= static_cast<unsigned>(m_height))
        return;
    const std::uint32_t index = static_cast<std::uint32_t>(y) * m_width + x;
    pixels[index] = colour;
    m_clearer.Drawn(x, y, index);
}

ImageSurface::ImageSurface(int width, int height)
    : m_image(width, height, QImage::Format_RGB32)
    , m_width(m_image.width())
    , m_height(m_image.height())
    , m_clearer(m_width, m_height)
{
    m_image.fill(Qt::white);
}

const QImage& ImageSurface::Image() const
{
    return m_image;
}

QImage& ImageSurface::Image()
{
    m_pixels = nullptr;
    m_clearer.Forget();
    return m_image;
}

int ImageSurface::Width() const
{
    return m_width;
}

int ImageSurface::Height() const
{
    return m_height;
}

void ImageSurface::SetFill(Rgb fill)
{
    m_fills.push_back(fill);
}

void ImageSurface::RestoreFill()
{
    if (!m_fills.empty())
        m_fills.pop_back();
}

void ImageSurface::RepaintForm()
{ }

void ImageSurface::Rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    // A single pixel is neither filled nor outlined: every side of its outline is empty.
    const bool whole = left == 0 && top == 0 && right == m_width && bottom == m_height
        && (m_width > 1 || m_height > 1);
    if (whole && !m_fills.empty()) {
        m_clearer.Clear(Pixels(), ToQRgb(m_fills.back()), ToQRgb(kPen));
        return;
    }
    if (whole) {
        m_clearer.Outline(Pixels(), ToQRgb(kPen));
        return;
    }
    if (!m_fills.empty()) {
        m_clearer.Forget();
        const QRgb fill = ToQRgb(m_fills.back());
        QRgb* pixels = Pixels();
        // A rectangle one or two pixels wide has no inside: from may pass to.
        const int from = std::clamp(left + 1, 0, m_width);
        const int to = std::clamp(right - 1, 0, m_width);
        for (int y = std::max(top + 1, 0); y < std::min(bottom - 1, m_height) && from < to; ++y) {
            QRgb* line = pixels + static_cast<std::ptrdiff_t>(y) * m_width;
            std::fill(line + from, line + to, fill);
        }
    }
    DrawLine(left, top, right - 1, top);
    DrawLine(right - 1, top, right - 1, bottom - 1);
    DrawLine(right - 1, bottom - 1, left, bottom - 1);
    DrawLine(left, bottom - 1, left, top);
}

void ImageSurface::Line(int x0, int y0, int x1, int y1)
{
    DrawLine(x0, y0, x1, y1);
}

void ImageSurface::SetPixel(int x, int y, Rgb colour)
{
    Put(Pixels(), x, y, ToQRgb(colour));
}

void ImageSurface::SetPixels(const Pixel* pixels, std::size_t count, Rgb colour)
{
    const QRgb value = ToQRgb(colour);
    QRgb* target = Pixels();
    for (std::size_t i = 0; i < count; ++i)
        Put(target, pixels[i].x, pixels[i].y, value);
}

void ImageSurface::DrawIcon(int x, int y)
{
    const QImage& icon = GraphIcon();
    const PixelArea area { std::max(x, 0), std::max(y, 0), std::min(x + icon.width(), m_width),
        std::min(y + icon.height(), m_height) };
    if (area.left >= area.right || area.top >= area.bottom)
        return;
    QRgb* pixels = Pixels();
    for (int row = area.top; row < area.bottom; ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(icon.constScanLine(row - y)) - x;
        QRgb* target = pixels + static_cast<std::ptrdiff_t>(row) * m_width;
        for (int column = area.left; column < area.right; ++column) {
            const QRgb over = source[column];
            const int alpha = qAlpha(over);
            // The blend leaves a pixel as it is at alpha 0 and gives the icon's at 255.
            if (alpha == 0)
                continue;
            if (alpha == 255) {
                target[column] = over;
                continue;
            }
            const QRgb under = target[column];
            const auto blend = [alpha](int top, int bottom) {
                return (top * alpha + bottom * (255 - alpha) + 127) / 255;
            };
            target[column] = qRgb(blend(qRed(over), qRed(under)),
                blend(qGreen(over), qGreen(under)), blend(qBlue(over), qBlue(under)));
        }
    }
    m_clearer.Drawn(area);
}

void ImageSurface::FillRect(int left, int top, int right, int bottom, Rgb colour)
{
    const PixelArea area { std::max(left, 0), std::max(top, 0), std::min(right, m_width),
        std::min(bottom, m_height) };
    if (area.left >= area.right || area.top >= area.bottom)
        return;
    const QRgb value = ToQRgb(colour);
    QRgb* pixels = Pixels();
    for (int row = area.top; row < area.bottom; ++row) {
        QRgb* line = pixels + static_cast<std::ptrdiff_t>(row) * m_width;
        std::fill(line + area.left, line + area.right, value);
    }
    m_clearer.Drawn(area);
}

TextSize ImageSurface::MeasureText(const std::string& text) const
{
    const QFontMetrics metrics(LabelFont());
    return { metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height() };
}

void ImageSurface::DrawText(int left, int top, const std::string& text, Rgb colour)
{
    const TextSize size = MeasureText(text);
    const PixelArea area { std::max(left, 0), std::max(top, 0),
        std::min(left + size.width, m_width), std::min(top + size.height, m_height) };
    if (area.left >= area.right || area.top >= area.bottom)
        return;
    // The letters in black on white, cut to the text's box; unsmoothed, a pixel is either.
    QImage letters(size.width, size.height, QImage::Format_RGB32);
    letters.fill(Qt::white);
    QPainter painter(&letters);
    painter.setFont(LabelFont());
    painter.setPen(Qt::black);
    painter.drawText(0, QFontMetrics(LabelFont()).ascent(), QString::fromStdString(text));
    painter.end();
    const QRgb ink = ToQRgb(colour);
    QRgb* pixels = Pixels();
    for (int row = area.top; row < area.bottom; ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(letters.constScanLine(row - top));
        QRgb* target = pixels + static_cast<std::ptrdiff_t>(row) * m_width;
        for (int column = area.left; column < area.right; ++column) {
            if (qRed(source[column - left]) < 128)
                target[column] = ink;
        }
    }
    m_clearer.Drawn(area);
}

void ImageSurface::DrawLine(int x0, int y0, int x1, int y1)
{
    const QRgb pen = ToQRgb(kPen);
    QRgb* pixels = Pixels();
    // Horizontal and vertical lines (the axes, the outline) as runs of one row or column,
    // from the start up to the end point, which is excluded.
    if (y0 == y1 || x0 == x1) {
        if (x0 == x1 && y0 == y1)
            return;
        const bool across = y0 == y1;
        const int start = across ? x0 : y0;
        const int end = across ? x1 : y1;
        const int limit = across ? m_width : m_height;
        const int fixed = across ? y0 : x0;
        if (fixed < 0 || fixed >= (across ? m_height : m_width))
            return;
        const int first = std::max(start < end ? start : end + 1, 0);
        const int last = std::min(start < end ? end - 1 : start, limit - 1);
        if (first > last)
            return;
        for (int i = first; i <= last; ++i) {
            const std::ptrdiff_t index = across ? static_cast<std::ptrdiff_t>(fixed) * m_width + i
                                                : static_cast<std::ptrdiff_t>(i) * m_width + fixed;
            pixels[index] = pen;
        }
        m_clearer.Drawn(across ? PixelArea { first, fixed, last + 1, fixed + 1 }
                               : PixelArea { fixed, first, fixed + 1, last + 1 });
        return;
    }
    // Bresenham.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (x0 != x1 || y0 != y1) {
        Put(pixels, x0, y0, pen);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

} // namespace plovex
