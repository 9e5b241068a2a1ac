#include "view/VectorSurface.h"

#include "view/GraphResources.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace plovex {
namespace {

constexpr double kCurveWidth = 1.5;

QColor ToQColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

bool IsDot(const Polyline& line)
{
    return std::all_of(
        line.begin(), line.end(), [&](const TracePoint& point) { return point == line.front(); });
}

} // namespace

VectorSurface::VectorSurface(QPainter& painter, int width, int height)
    : m_painter(painter)
    , m_width(width)
    , m_height(height)
{ }

void VectorSurface::SetFill(Rgb fill)
{
    m_fills.push_back(fill);
}

void VectorSurface::RestoreFill()
{
    if (!m_fills.empty())
        m_fills.pop_back();
}

void VectorSurface::RepaintForm()
{ }

void VectorSurface::Rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    if (!m_fills.empty())
        FillRect(left, top, right, bottom, m_fills.back());
    // The outline on the rectangle's outermost pixels.
    FillRect(left, top, right, top + 1, kPen);
    FillRect(left, bottom - 1, right, bottom, kPen);
    FillRect(left, top, left + 1, bottom, kPen);
    FillRect(right - 1, top, right, bottom, kPen);
}

void VectorSurface::Line(int x0, int y0, int x1, int y1)
{
    if (x0 == x1 && y0 == y1)
        return;
    // The axes: a run of one row or column, the end point excluded.
    if (y0 == y1)
        FillRect(std::min(x0, x1 + 1), y0, std::max(x0 + 1, x1), y0 + 1, kPen);
    else if (x0 == x1)
        FillRect(x0, std::min(y0, y1 + 1), x0 + 1, std::max(y0 + 1, y1), kPen);
    else {
        m_painter.setPen(QPen(ToQColor(kPen), 1.0));
        m_painter.drawLine(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x1 + 0.5, y1 + 0.5));
    }
}

void VectorSurface::SetPixel(int, int, Rgb)
{ }

void VectorSurface::SetPixels(const Pixel*, std::size_t, Rgb)
{ }

void VectorSurface::DrawIcon(int x, int y)
{
    m_icon = QPoint(x, y);
}

void VectorSurface::FillRect(int left, int top, int right, int bottom, Rgb colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, m_width);
    bottom = std::min(bottom, m_height);
    if (left >= right || top >= bottom)
        return;
    m_painter.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(colour));
}

TextSize VectorSurface::MeasureText(const std::string& text) const
{
    const QFontMetrics metrics(LabelFont());
    return { metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height() };
}

void VectorSurface::DrawText(int left, int top, const std::string& text, Rgb colour)
{
    m_painter.setFont(LabelFont());
    m_painter.setPen(ToQColor(colour));
    m_painter.drawText(
        QPointF(left, top + QFontMetrics(LabelFont()).ascent()), QString::fromStdString(text));
}

void VectorSurface::DrawCurves(const std::vector<TracedCurve>& curves)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    for (const TracedCurve& curve : curves) {
        const QColor colour = ToQColor(curve.colour);
        QPainterPath lines;
        QPainterPath dots;
        // Dots side by side overlap: every one of them is filled.
        dots.setFillRule(Qt::WindingFill);
        for (const Polyline& line : curve.lines) {
            if (line.empty())
                continue;
            if (IsDot(line)) {
                const QPointF centre(line.front().x, line.front().y);
                dots.addEllipse(centre, kCurveWidth / 2, kCurveWidth / 2);
                continue;
            }
            lines.moveTo(line.front().x, line.front().y);
            for (std::size_t i = 1; i < line.size(); ++i)
                lines.lineTo(line[i].x, line[i].y);
        }
        if (!lines.isEmpty()) {
            m_painter.setPen(QPen(colour, kCurveWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawPath(lines);
        }
        if (!dots.isEmpty()) {
            m_painter.setPen(Qt::NoPen);
            m_painter.setBrush(colour);
            m_painter.drawPath(dots);
        }
    }
    m_painter.restore();
}

void VectorSurface::Finish()
{
    if (m_icon)
        m_painter.drawImage(*m_icon, GraphIcon());
    m_icon.reset();
}

} // namespace plovex
