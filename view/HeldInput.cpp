#include "view/HeldInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace plovex {
namespace {

// While a dialog opened by a served command waits for the user, the rest of the line waits
// too: it is looked at again this often.
constexpr int kRetryMilliseconds = 50;

} // namespace

HeldInput::HeldInput(QObject* parent)
    : QObject(parent)
{ }

HeldInput& HeldInput::Instance()
{
    static QPointer<HeldInput> instance;
    if (!instance)
        instance = new HeldInput(qApp);
    return *instance;
}

bool HeldInput::IsHeldType(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

void HeldInput::RenderingStarted()
{
    ++m_renderings;
}

void HeldInput::RenderingEnded()
{
    if (--m_renderings == 0 && Waiting())
        ServeLater();
}

void HeldInput::Hold(QObject* receiver, const QEvent& event)
{
    m_line.push_back({ receiver, std::unique_ptr<QEvent>(event.clone()) });
    // Between the rendering's end and the serving of the line, new input waits behind it.
    if (!m_filtering) {
        qApp->installEventFilter(this);
        m_filtering = true;
    }
}

void HeldInput::ServeLater()
{
    // Once the command whose rendering ended has returned to the event loop.
    QTimer::singleShot(0, this, &HeldInput::Serve);
}

void HeldInput::Serve()
{
    if (m_renderings > 0 || m_serving)
        return;
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(kRetryMilliseconds, this, &HeldInput::Serve);
        return;
    }
    m_serving = true;
    // A served event that starts a rendering returns once it has ended; what came during it
    // joined the end of the line.
    while (!m_line.empty() && m_renderings == 0 && !QApplication::activeModalWidget()) {
        Held held = std::move(m_line.front());
        m_line.pop_front();
        QObject* receiver = held.receiver;
        // A key goes where the focus is now: a key before it may have moved the focus.
        if (held.event->type() == QEvent::KeyPress && QApplication::focusWidget())
            receiver = QApplication::focusWidget();
        // Sent, not posted: a key sent so passes the shortcuts first, as a typed key does.
        if (receiver)
            QCoreApplication::sendEvent(receiver, held.event.get());
    }
    m_serving = false;
    if (!m_line.empty()) {
        if (m_renderings == 0)
            QTimer::singleShot(kRetryMilliseconds, this, &HeldInput::Serve);
        return;
    }
    qApp->removeEventFilter(this);
    m_filtering = false;
}

bool HeldInput::eventFilter(QObject* watched, QEvent* event)
{
    // During a rendering its guard decides; while a served event runs, and while a dialog
    // waits for an answer, input goes where it is sent.
    if (m_renderings > 0 || m_serving || QApplication::activeModalWidget())
        return false;
    if (!watched->isWidgetType() || !event->spontaneous())
        return false;
    // No shortcut runs ahead of the keys before it.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (!IsHeldType(*event))
        return false;
    Hold(watched, *event);
    return true;
}

} // namespace plovex
