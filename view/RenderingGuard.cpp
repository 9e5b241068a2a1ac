#include "view/RenderingGuard.h"

#include "platform/PictureStatic.h"
#include "view/CPlovexView.h"
#include "view/HeldInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace plovex {
namespace {

constexpr const char* kServedProperty = "plovexServedDuringRendering";

} // namespace

RenderingGuard::RenderingGuard(CPlovexView& view)
    : m_view(view)
{
    HeldInput::Instance().RenderingStarted();
    qApp->installEventFilter(this);
}

RenderingGuard::~RenderingGuard()
{
    qApp->removeEventFilter(this);
    HeldInput::Instance().RenderingEnded();
}

void RenderingGuard::ServeDuringRendering(QWidget* widget)
{
    widget->setProperty(kServedProperty, true);
}

bool RenderingGuard::ServedDuringRendering(QObject* watched)
{
    return watched->property(kServedProperty).toBool();
}

bool RenderingGuard::OverOwnGraph(QObject* watched, QEvent* event) const
{
    if (watched != PointerOwner())
        return false;
    const QPointF position = event->type() == QEvent::Wheel
        ? static_cast<QWheelEvent*>(event)->position()
        : static_cast<QMouseEvent*>(event)->position();
    const PictureStatic& area = m_view.GraphArea();
    const QPoint pixel = area.ToClient(*PointerOwner(), position.toPoint());
    return QRect(QPoint(0, 0), area.ClientSize()).contains(pixel);
}

QWidget* RenderingGuard::PointerOwner() const
{
    // A presenter's picture lets the pointer through to its window.
    if (PictureStatic* presenter = m_view.Presenter())
        return presenter->window();
    return &m_view;
}

bool RenderingGuard::eventFilter(QObject* watched, QEvent* event)
{
    // Input reaches a window before its widgets; it is judged once it reaches a widget. What a
    // program sends on its own (a test's clicks) is no input waiting for the rendering.
    if (!watched->isWidgetType())
        return false;
    // No menu shortcut runs a command in the middle of a rendering; the key itself then comes
    // as a key press, and Esc is claimed here.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (!event->spontaneous())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            m_view.StopRendering();
            emit m_view.EscapePressed();
            return true;
        }
        if (ServedDuringRendering(watched))
            return false;
        break;
    case QEvent::Wheel:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        if (OverOwnGraph(watched, event) || (watched == PointerOwner() && m_view.Dragging())
            || ServedDuringRendering(watched))
            return false;
        if (event->type() == QEvent::MouseMove)
            return watched != PointerOwner();
        break;
    case QEvent::Close:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->isWindow()) {
            m_closing = widget;
            m_view.StopRendering();
            event->ignore();
            return true;
        }
        return false;
    default:
        return false;
    }
    HeldInput::Instance().Hold(watched, *event);
    return true;
}

} // namespace plovex
