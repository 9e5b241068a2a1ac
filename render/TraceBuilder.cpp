#include "render/TraceBuilder.h"

#include <utility>

namespace plovex {

TraceBuilder::TraceBuilder(double left, double top, double right, double bottom)
    : m_left(left)
    , m_top(top)
    , m_right(right)
    , m_bottom(bottom)
{ }

TraceBuilder TraceBuilder::ForArea(int width, int height)
{
    constexpr double kMargin = 2.0;
    return { -kMargin, -kMargin, width + kMargin, height + kMargin };
}

bool TraceBuilder::Inside(TracePoint point) const
{
    return point.x >= m_left && point.x <= m_right && point.y >= m_top && point.y <= m_bottom;
}

void TraceBuilder::Add(TracePoint point)
{
    if (!m_hasLast) {
        m_hasLast = true;
        m_last = point;
        m_open = Inside(point);
        if (m_open)
            m_lines.push_back({ point });
        return;
    }
    const TracePoint from = m_last;
    m_last = point;
    // Liang-Barsky: the part of from + t (point - from), 0 <= t <= 1, inside the rectangle.
    const double dx = point.x - from.x;
    const double dy = point.y - from.y;
    double enter = 0.0;
    double leave = 1.0;
    const auto clip = [&](double denominator, double numerator) {
        if (denominator == 0.0)
            return numerator >= 0.0;
        const double t = numerator / denominator;
        if (denominator < 0.0) {
            if (t > leave)
                return false;
            if (t > enter)
                enter = t;
        } else {
            if (t < enter)
                return false;
            if (t < leave)
                leave = t;
        }
        return true;
    };
    const bool visible = clip(-dx, from.x - m_left) && clip(dx, m_right - from.x)
        && clip(-dy, from.y - m_top) && clip(dy, m_bottom - from.y);
    if (!visible) {
        m_open = false;
        return;
    }
    // The ends that lie inside are kept exactly, so that the next part can join this one.
    const TracePoint start
        = enter == 0.0 ? from : TracePoint { from.x + enter * dx, from.y + enter * dy };
    const TracePoint end
        = leave == 1.0 ? point : TracePoint { from.x + leave * dx, from.y + leave * dy };
    if (!m_open || enter != 0.0)
        m_lines.push_back({ start });
    // A segment that only touches the rectangle adds no second point.
    if (!(end == m_lines.back().back()))
        m_lines.back().push_back(end);
    m_open = leave == 1.0;
}

void TraceBuilder::Break()
{
    m_hasLast = false;
    m_open = false;
}

void TraceBuilder::AddSegment(TracePoint from, TracePoint to)
{
    Break();
    Add(from);
    Add(to);
    Break();
}

std::vector<Polyline> TraceBuilder::Take()
{
    Break();
    return std::exchange(m_lines, {});
}

} // namespace plovex
