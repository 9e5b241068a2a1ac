#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <deque>
#include <memory>

namespace plovex {

// Clicks and keys that came while a rendering ran, kept in the order they came and served in
// that order once no rendering runs: each as if it came only now, a key to whichever widget
// then has the focus and through the shortcuts (Delete deletes a function, Alt+Up moves one).
// One that starts a rendering of its own is served to its end, that rendering included, before
// the next: three Deletes delete three functions. Until the last is served, input that comes
// meanwhile joins the end of the line, unless a dialog is open, which takes its own input.
// One per application.
class HeldInput : public QObject {
    Q_OBJECT

public:
    static HeldInput& Instance();

    // Called by each rendering as it starts and ends; the line is served after the last ends.
    void RenderingStarted();
    void RenderingEnded();
    // A copy of `event`, meant for `receiver`, joins the line.
    void Hold(QObject* receiver, const QEvent& event);
    // Whether input waits in the line.
    bool Waiting() const { return !m_line.empty(); }
    // Whether a rendering runs, in any window.
    bool Rendering() const { return m_renderings > 0; }

    // Whether input of this type waits in the line while a rendering runs.
    static bool IsHeldType(const QEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit HeldInput(QObject* parent);
    void ServeLater();
    void Serve();

    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::deque<Held> m_line;
    int m_renderings = 0;
    bool m_serving = false;
    bool m_filtering = false;
};

} // namespace plovex
