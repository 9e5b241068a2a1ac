#pragma once

#include "document/GraphView.h"
#include "render/ViewHistory.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QPointF>
#include <optional>

class QKeyEvent;

namespace plovex {

class CPlovexView;

// How a form's view moves: the wheel zooms about the pointer, a drag pans, the arrow keys pan,
// the View commands zoom, reset and equalise, and Back and Forward walk the form's history of
// views. Each move shows the new view in the scale boxes and draws the graph with it.
class CGraphNavigation {
public:
    explicit CGraphNavigation(CPlovexView& view);

    // A history that holds `view` alone, as a form just opened has.
    void StartHistory(const GraphView& view) { m_history = ViewHistory(view); }
    const ViewHistory& History() const { return m_history; }
    // The form's current view becomes the history's newest.
    void Record();

    // Pointer input at the graph area's client pixel `pixel` (see CPlovexView::WheelAt).
    bool WheelAt(const QPoint& pixel, const QPoint& angle, Qt::KeyboardModifiers modifiers);
    bool PressAt(const QPoint& pixel, const QPointF& position);
    void DragTo(const QPointF& position, Qt::MouseButtons buttons);
    bool ReleaseDrag();
    bool Dragging() const { return m_dragFrom.has_value(); }
    // A drag under way and wheel notches not yet added up are dropped: the graph moved to
    // another area.
    void ForgetPointer();
    // An arrow key with the focus on the graph; whether it moved the view.
    bool KeyPress(QKeyEvent& event);

    void ZoomIn();
    void ZoomOut();
    void ResetView();
    void EqualScales();
    void Back();
    void Forward();

private:
    // The graph area's client pixel `pixel` as an offset from its centre (right and up); none
    // outside the area.
    std::optional<QPointF> AreaOffset(const QPoint& pixel) const;
    // Shows `view` (its scales and offset; the quality stays) and draws the last parse with it.
    void ShowView(const GraphView& view);
    // A zoom by these factors about `offset` (see AreaOffset), refused with a message when
    // the view would not be usable; whether it was made.
    bool Zoom(double xFactor, double yFactor, const QPointF& offset);

    CPlovexView& m_view;
    ViewHistory m_history;
    // Wheel notches are counted in eighths of a degree, 120 to a notch; fine-grained wheels
    // send less at a time, which adds up here.
    int m_wheelDelta = 0;
    QElapsedTimer m_clock;
    // While the left button drags the picture: where it went down, and the view then.
    std::optional<QPointF> m_dragFrom;
    GraphView m_dragView;
    bool m_dragged = false;
};

} // namespace plovex
