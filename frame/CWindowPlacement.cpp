#include "frame/CWindowPlacement.h"

#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"

#include <QMdiArea>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <algorithm>

namespace plovex {

void CWindowPlacement::Place(CChildFrame& child)
{
    child.move(FreeWindowPosition(child));
    m_lastPlaced = &child;
}

QList<CChildFrame*> CWindowPlacement::NormalChildFrames() const
{
    QList<CChildFrame*> children = m_frame.ChildFrames();
    children.removeIf([](const CChildFrame* child) { return child->isMinimized(); });
    return children;
}

QPoint CWindowPlacement::CascadeStep(const CChildFrame& child, const QPoint& from) const
{
    QStyleOptionTitleBar option;
    option.initFrom(&child);
    const int step = child.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &child);
    const QPoint position = from + QPoint(step, step);
    const QSize area = m_frame.MdiArea()->viewport()->size();
    if (position.x() + child.width() > area.width()
        || position.y() + child.height() > area.height())
        return QPoint(0, 0);
    return position;
}

QPoint CWindowPlacement::NextWindowPosition(const CChildFrame& child) const
{
    if (m_lastPlaced && !m_lastPlaced->IsClosed() && !m_lastPlaced->isMinimized())
        return CascadeStep(child, m_lastPlaced->pos());
    return QPoint(0, 0);
}

QPoint CWindowPlacement::FreeWindowPosition(const CChildFrame& child) const
{
    QList<CChildFrame*> open = NormalChildFrames();
    open.removeAll(&child);
    const auto taken = [&open](const QPoint& position) {
        return std::any_of(open.cbegin(), open.cend(),
            [&position](const CChildFrame* other) { return other->pos() == position; });
    };
    // Along the cascade until a free place, or back where it started when every place on
    // the way is taken.
    const QPoint next = NextWindowPosition(child);
    QList<QPoint> visited;
    for (QPoint position = next; !visited.contains(position);
         position = CascadeStep(child, position)) {
        if (!taken(position))
            return position;
        visited.append(position);
    }
    return next;
}

void CWindowPlacement::Cascade()
{
    // Oldest first, so the active window ends on top, where it was.
    CChildFrame* active = m_frame.ActiveChild();
    m_lastPlaced = nullptr;
    for (CChildFrame* child : NormalChildFrames()) {
        child->move(NextWindowPosition(*child));
        child->raise();
        m_lastPlaced = child;
    }
    if (active && !active->isMinimized())
        active->raise();
}

void CWindowPlacement::Tile()
{
    // The windows keep their size: side by side in rows while they fit, else rows overlap so
    // that the last row still ends inside the area.
    const QList<CChildFrame*> children = NormalChildFrames();
    if (children.isEmpty())
        return;
    QSize cell;
    for (const CChildFrame* child : children)
        cell = cell.expandedTo(child->size());
    const QSize area = m_frame.MdiArea()->viewport()->size();
    const auto count = static_cast<int>(children.size());
    const int columns = std::clamp(area.width() / cell.width(), 1, count);
    const int rows = (count + columns - 1) / columns;
    int rowStep = cell.height();
    if (rows > 1 && rows * cell.height() > area.height())
        rowStep = std::max(0, area.height() - cell.height()) / (rows - 1);
    for (int i = 0; i < count; ++i)
        children[i]->move((i % columns) * cell.width(), (i / columns) * rowStep);
    m_lastPlaced = children.last();
}

void CWindowPlacement::ArrangeIcons()
{
    // Minimised windows line up along the bottom edge, left to right.
    const int bottom = m_frame.MdiArea()->viewport()->height();
    int left = 0;
    for (CChildFrame* child : m_frame.ChildFrames()) {
        if (!child->isMinimized())
            continue;
        child->move(left, bottom - child->height());
        left += child->width();
    }
}

} // namespace plovex
