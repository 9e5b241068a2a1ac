#pragma once

#include <QObject>
#include <QPointer>

class QEvent;

namespace plovex {

class CPlovexView;

// While a form renders, the event loop runs now and then so that the window stays alive; this
// filter decides what reaches whom meanwhile. Esc stops the rendering; the wheel and the left
// button over the form's own graph area, or over the presenter's that shows it, move the view
// (which stops the rendering and starts the next); the window manager's close stops the rendering
// and closes once it has ended. Every other click and key waits in the application's HeldInput
// line, as it would for a form that does not run the loop, and is served in order when the
// rendering is over; mere pointer moves elsewhere are dropped.
class RenderingGuard : public QObject {
    Q_OBJECT

public:
    explicit RenderingGuard(CPlovexView& view);
    ~RenderingGuard() override;

    RenderingGuard(const RenderingGuard&) = delete;
    RenderingGuard& operator=(const RenderingGuard&) = delete;

    // Input to `widget` (a parameter's slider) is served while a rendering runs: what it
    // changes only asks for the next rendering, and a drag follows the mouse.
    static void ServeDuringRendering(QWidget* widget);

    // Whether the window was asked to close while the rendering ran.
    bool CloseWaiting() const { return !m_closing.isNull(); }
    QWidget* Closing() const { return m_closing; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OverOwnGraph(QObject* watched, QEvent* event) const;
    // The window whose pointer input moves the graph: the form, or a presenter's window.
    QWidget* PointerOwner() const;
    static bool ServedDuringRendering(QObject* watched);

    CPlovexView& m_view;
    QPointer<QWidget> m_closing;
};

} // namespace plovex
