#include "platform/ImageSurface.h"

#include <QColor>
#include <algorithm>
#include <cstdlib>

namespace plovex {
namespace {

QRgb ToQRgb(Rgb colour)
{
    return qRgb(colour.red, colour.green, colour.blue);
}

// The application icon as drawn into the graph area, loaded once.
const QImage& Icon()
{
    static const QImage icon
        = QImage(":/icons/plovex-32.png").convertToFormat(QImage::Format_ARGB32);
    return icon;
}

} // namespace

ImageSurface::ImageSurface(int width, int height)
    : m_image(width, height, QImage::Format_RGB32)
{
    m_image.fill(Qt::white);
}

int ImageSurface::Width() const
{
    return m_image.width();
}

int ImageSurface::Height() const
{
    return m_image.height();
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
    if (!m_fills.empty()) {
        const QRgb fill = ToQRgb(m_fills.back());
        for (int y = std::max(top + 1, 0); y < std::min(bottom - 1, Height()); ++y) {
            auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
            std::fill(line + std::clamp(left + 1, 0, Width()),
                line + std::clamp(right - 1, 0, Width()), fill);
        }
    }
    Line(left, top, right - 1, top);
    Line(right - 1, top, right - 1, bottom - 1);
    Line(right - 1, bottom - 1, left, bottom - 1);
    Line(left, bottom - 1, left, top);
}

void ImageSurface::Line(int x0, int y0, int x1, int y1)
{
    // Bresenham, end point excluded.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (x0 != x1 || y0 != y1) {
        SetPixel(x0, y0, kPen);
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

void ImageSurface::SetPixel(int x, int y, Rgb colour)
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = ToQRgb(colour);
}

void ImageSurface::DrawIcon(int x, int y)
{
    const QImage& icon = Icon();
    for (int row = 0; row < icon.height(); ++row) {
        if (y + row < 0 || y + row >= Height())
            continue;
        const auto* source = reinterpret_cast<const QRgb*>(icon.constScanLine(row));
        auto* target = reinterpret_cast<QRgb*>(m_image.scanLine(y + row));
        for (int column = 0; column < icon.width(); ++column) {
            if (x + column < 0 || x + column >= Width())
                continue;
            const QRgb over = source[column];
            const int alpha = qAlpha(over);
            const QRgb under = target[x + column];
            const auto blend = [alpha](int top, int bottom) {
                return (top * alpha + bottom * (255 - alpha) + 127) / 255;
            };
            target[x + column] = qRgb(blend(qRed(over), qRed(under)),
                blend(qGreen(over), qGreen(under)), blend(qBlue(over), qBlue(under)));
        }
    }
}

void ImageSurface::SetProgressRange(int, int)
{ }

void ImageSurface::SetProgressPos(int)
{ }

void ImageSurface::PushFields()
{ }

} // namespace plovex
