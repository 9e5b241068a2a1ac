#include "view/CGraphNavigation.h"

#include "engine/Numbers.h"
#include "platform/PictureStatic.h"
#include "render/ViewNavigation.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <cmath>

namespace plovex {

CGraphNavigation::CGraphNavigation(CPlovexView& view)
    : m_view(view)
{
    m_clock.start();
}

void CGraphNavigation::Record()
{
    m_history.Record(m_view.CurrentView());
    emit m_view.HistoryChanged();
}

std::optional<QPointF> CGraphNavigation::AreaOffset(const QPoint& pixel) const
{
    const QSize client = m_view.GraphArea().ClientSize();
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= client.width()
        || pixel.y() >= client.height())
        return std::nullopt;
    return QPointF(pixel.x() - client.width() / 2, client.height() / 2 - pixel.y());
}

void CGraphNavigation::ShowView(const GraphView& view)
{
    // What the user typed stays in the boxes; only the scales change there.
    m_view.ReadControlsQuietly();
    m_view.m_xScale = view.xScale;
    m_view.m_yScale = view.yScale;
    m_view.m_xOffset = view.xOffset;
    m_view.m_yOffset = view.yOffset;
    m_view.GetDocument().MoveView(m_view.CurrentView());
    m_view.SetDlgItemText(res::kXScaleEdit, FormatField(m_view.m_xScale));
    m_view.SetDlgItemText(res::kYScaleEdit, FormatField(m_view.m_yScale));
    m_view.DrawGraph();
    m_view.UpdateData(false);
}

bool CGraphNavigation::Zoom(double xFactor, double yFactor, const QPointF& offset)
{
    m_view.ReadControlsQuietly();
    const GraphView current = m_view.CurrentView();
    const QSize client = m_view.GraphArea().ClientSize();
    const std::optional<GraphView> zoomed = ZoomAbout(
        current, xFactor, yFactor, offset.x(), offset.y(), client.width(), client.height());
    if (!zoomed) {
        const bool in = xFactor > 1.0 || yFactor > 1.0;
        if (!ZoomKeepsScales(current, xFactor, yFactor))
            emit m_view.Message(in
                    ? CPlovexView::tr("Cannot zoom in further: the scale would become infinite.")
                    : CPlovexView::tr("Cannot zoom out further: the scale would become zero."));
        else
            emit m_view.Message(in
                    ? CPlovexView::tr(
                        "Cannot zoom in further: neighbouring pixels would show the same value.")
                    : CPlovexView::tr("Cannot zoom out further: neighbouring pixels would show "
                                      "the same value."));
        return false;
    }
    ShowView(*zoomed);
    return true;
}

void CGraphNavigation::ZoomIn()
{
    if (Zoom(kZoomStep, kZoomStep, {}))
        Record();
}

void CGraphNavigation::ZoomOut()
{
    if (Zoom(1.0 / kZoomStep, 1.0 / kZoomStep, {}))
        Record();
}

void CGraphNavigation::ResetView()
{
    m_view.ReadControlsQuietly();
    ShowView(plovex::ResetView(m_view.CurrentView()));
    Record();
}

void CGraphNavigation::EqualScales()
{
    m_view.ReadControlsQuietly();
    const QSize client = m_view.GraphArea().ClientSize();
    const std::optional<GraphView> equal
        = plovex::EqualScales(m_view.CurrentView(), client.width(), client.height());
    if (!equal) {
        emit m_view.Message(
            CPlovexView::tr("Cannot make the scales equal: the x scale cannot be used for y."));
        return;
    }
    ShowView(*equal);
    Record();
}

void CGraphNavigation::Back()
{
    if (!m_history.CanGoBack())
        return;
    ShowView(m_history.Back());
    emit m_view.HistoryChanged();
}

void CGraphNavigation::Forward()
{
    if (!m_history.CanGoForward())
        return;
    ShowView(m_history.Forward());
    emit m_view.HistoryChanged();
}

bool CGraphNavigation::WheelAt(
    const QPoint& pixel, const QPoint& angle, Qt::KeyboardModifiers modifiers)
{
    const std::optional<QPointF> offset = AreaOffset(pixel);
    if (!offset)
        return false;
    m_wheelDelta += angle.y() != 0 ? angle.y() : angle.x();
    const int notches = m_wheelDelta / QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0)
        return true;
    m_wheelDelta -= notches * QWheelEvent::DefaultDeltasPerStep;
    // Away from the user zooms in.
    const double factor = std::pow(kZoomStep, notches);
    const bool xOnly = modifiers & Qt::ShiftModifier;
    const bool yOnly = (modifiers & Qt::ControlModifier) && !xOnly;
    if (Zoom(yOnly ? 1.0 : factor, xOnly ? 1.0 : factor, *offset)) {
        m_history.RecordWheel(m_view.CurrentView(), m_clock.elapsed());
        emit m_view.HistoryChanged();
    }
    return true;
}

// With the focus on the graph the arrow keys move the view a tenth of the area's width or
// height towards their side (Left shows what lies left of it), and one pixel with Shift. A run
// of presses without a half-second pause is one step back, as a run of wheel notches is.
bool CGraphNavigation::KeyPress(QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (!m_view.m_graphArea->hasFocus()
        || (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier))
        return false;
    const QSize client = m_view.m_graphArea->ClientSize();
    const double across = modifiers == Qt::ShiftModifier ? 1.0 : client.width() / 10;
    const double down = modifiers == Qt::ShiftModifier ? 1.0 : client.height() / 10;
    double right = 0.0;
    double lower = 0.0;
    switch (event.key()) {
    case Qt::Key_Left:
        right = across;
        break;
    case Qt::Key_Right:
        right = -across;
        break;
    case Qt::Key_Up:
        lower = down;
        break;
    case Qt::Key_Down:
        lower = -down;
        break;
    default:
        return false;
    }
    event.accept();
    m_view.ReadControlsQuietly();
    ShowView(PanBy(m_view.CurrentView(), right, lower));
    m_history.RecordWheel(m_view.CurrentView(), m_clock.elapsed());
    emit m_view.HistoryChanged();
    return true;
}

bool CGraphNavigation::PressAt(const QPoint& pixel, const QPointF& position)
{
    if (!AreaOffset(pixel))
        return false;
    m_view.ReadControlsQuietly();
    // The form's own graph takes the focus; a presenter's window has it already.
    if (!m_view.Presenter())
        m_view.m_graphArea->setFocus(Qt::MouseFocusReason);
    m_dragFrom = position;
    m_dragView = m_view.CurrentView();
    m_dragged = false;
    return true;
}

void CGraphNavigation::DragTo(const QPointF& position, Qt::MouseButtons buttons)
{
    if (!m_dragFrom || !(buttons & Qt::LeftButton))
        return;
    const QPointF moved = position - *m_dragFrom;
    if (moved != QPointF(0, 0) || m_dragged) {
        m_dragged = true;
        m_view.setCursor(Qt::ClosedHandCursor);
        ShowView(PanBy(m_dragView, moved.x(), moved.y()));
    }
}

bool CGraphNavigation::ReleaseDrag()
{
    if (!m_dragFrom)
        return false;
    m_dragFrom.reset();
    m_view.unsetCursor();
    // A click without a drag changes nothing.
    if (m_dragged)
        Record();
    return true;
}

void CGraphNavigation::ForgetPointer()
{
    m_dragFrom.reset();
    m_wheelDelta = 0;
}

} // namespace plovex
