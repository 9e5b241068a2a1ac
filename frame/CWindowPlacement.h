#pragma once

#include <QList>
#include <QPoint>
#include <QPointer>

namespace plovex {

class CChildFrame;
class CMainFrame;

// Where the graph windows of the main window's document area stand: a new window cascades from
// the last one placed, inside the visible area and never exactly over another; the Window
// menu's Cascade, Tile and Arrange Icons move them all.
class CWindowPlacement {
public:
    explicit CWindowPlacement(CMainFrame& frame)
        : m_frame(frame)
    { }

    // Moves the new window `child` to the first free place along the cascade.
    void Place(CChildFrame& child);
    void Cascade();
    void Tile();
    void ArrangeIcons();

private:
    // Where `child` goes one cascade step after `from`: one title bar below and right, or the
    // top left when it would cross an edge of the visible area there.
    QPoint CascadeStep(const CChildFrame& child, const QPoint& from) const;
    // Where `child` goes after the last placed window; the top left when there is none.
    QPoint NextWindowPosition(const CChildFrame& child) const;
    // NextWindowPosition, or the first place after it along the cascade where no open window
    // stands: a window exactly over another would hide it.
    QPoint FreeWindowPosition(const CChildFrame& child) const;
    QList<CChildFrame*> NormalChildFrames() const;

    CMainFrame& m_frame;
    QPointer<CChildFrame> m_lastPlaced;
};

} // namespace plovex
