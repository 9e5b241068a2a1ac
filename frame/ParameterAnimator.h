#pragma once

#include "view/CPlovexDoc.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstddef>
#include <cstdint>

namespace plovex {

// Play: moves one parameter's slider from position to position, up to the maximum and back
// down to the minimum, again and again, kFramesPerSecond times a second, until Stop, Esc or a
// change of the document's list of parameters. Each move is a slider step, or for a range of
// more than kFramesPerSweep steps as many as cross it in that many moves, so every value shown
// is a slider position's. The moves come from a timer between the window's other events, so
// the window answers throughout; a value the user sets meanwhile is where the next move starts.
class ParameterAnimator : public QObject {
    Q_OBJECT

public:
    static constexpr int kFramesPerSecond = 40;
    static constexpr std::int64_t kFramesPerSweep = 200;

    explicit ParameterAnimator(QObject* parent = nullptr);
    ~ParameterAnimator() override;

    // Starts moving `index` of `document` upwards from its value, stopping any other first.
    void Play(CPlovexDoc& document, std::size_t index);
    void Stop();
    bool Playing() const { return m_timer.isActive(); }
    // What plays, while Playing.
    const CPlovexDoc* Document() const { return m_document; }
    std::size_t Index() const { return m_index; }

    // One move, as the timer makes it.
    void Step();

signals:
    // Play started or stopped.
    void PlayingChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer m_timer;
    QPointer<CPlovexDoc> m_document;
    std::size_t m_index = 0;
    std::int64_t m_position = 0;
    int m_direction = 1;
    QList<QMetaObject::Connection> m_connections;
    // Esc stopped Play at its shortcut check: its key press that follows is Play's too.
    bool m_swallowEscape = false;
};

} // namespace plovex
