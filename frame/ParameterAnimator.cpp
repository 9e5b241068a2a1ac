#include "frame/ParameterAnimator.h"

#include "document/Parameter.h"
#include "view/CPlovexDoc.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <bit>

namespace plovex {

ParameterAnimator::ParameterAnimator(QObject* parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1000 / kFramesPerSecond);
    connect(&m_timer, &QTimer::timeout, this, &ParameterAnimator::Step);
    qApp->installEventFilter(this);
}

ParameterAnimator::~ParameterAnimator()
{
    qApp->removeEventFilter(this);
}

void ParameterAnimator::Play(CPlovexDoc& document, std::size_t index)
{
    Stop();
    if (index >= document.Parameters().size())
        return;
    m_document = &document;
    m_index = index;
    m_position = SliderPosition(document.GetParameter(index));
    m_direction = 1;
    // Another parameter's index, or none at all, once the list changes.
    const auto stop = [this] { Stop(); };
    // An undo or a redo puts the values back: Play would take them away again at once.
    m_connections << connect(&document, &CPlovexDoc::ParameterInserted, this, stop)
                  << connect(&document, &CPlovexDoc::ParameterRemoved, this, stop)
                  << connect(&document, &CPlovexDoc::Restored, this, stop)
                  << connect(&document, &QObject::destroyed, this, [this] {
                         m_document = nullptr;
                         Stop();
                     });
    // The moves of one run are one step of the undo list.
    document.EndMerge();
    m_timer.start();
    emit PlayingChanged();
}

void ParameterAnimator::Stop()
{
    for (const QMetaObject::Connection& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    const bool playing = m_timer.isActive();
    m_timer.stop();
    if (playing && m_document)
        m_document->EndMerge();
    m_document = nullptr;
    if (playing)
        emit PlayingChanged();
}

void ParameterAnimator::Step()
{
    if (!m_document || m_index >= m_document->Parameters().size()) {
        Stop();
        return;
    }
    const Parameter& parameter = m_document->GetParameter(m_index);
    const std::int64_t steps = SliderSteps(parameter);
    // Set elsewhere meanwhile (the slider, the value box): the moves go on from there.
    if (std::bit_cast<std::uint32_t>(SliderValue(parameter, m_position))
        != std::bit_cast<std::uint32_t>(parameter.value))
        m_position = SliderPosition(parameter);
    const std::int64_t stride
        = std::max<std::int64_t>(1, (steps + kFramesPerSweep - 1) / kFramesPerSweep);
    m_position += m_direction * stride;
    if (m_position >= steps) {
        m_position = steps;
        m_direction = -1;
    } else if (m_position <= 0) {
        m_position = 0;
        m_direction = 1;
    }
    (void)m_document->SetParameterValue(m_index, SliderValue(parameter, m_position));
}

bool ParameterAnimator::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const bool escape = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    // A dialog open meanwhile takes its own Esc.
    if (!escape || QApplication::activeModalWidget()) {
        m_swallowEscape = false;
        return false;
    }
    if (Playing()) {
        Stop();
        // Esc ends Play and does nothing else: no shortcut takes it, no widget gets it.
        m_swallowEscape = type == QEvent::ShortcutOverride;
        event->accept();
        return true;
    }
    if (m_swallowEscape && type == QEvent::KeyPress) {
        m_swallowEscape = false;
        return true;
    }
    return false;
}

} // namespace plovex
