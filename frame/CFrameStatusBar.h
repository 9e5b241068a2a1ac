#pragma once

#include "platform/KeyLocks.h"

#include <QHash>
#include <QStatusBar>

class QLabel;

namespace plovex {

// The main window's status bar: the message pane for the command prompts ("Ready" when none
// covers it), the precise position of the pointer over a graph, and the lock-key indicators,
// which follow the keys.
class CFrameStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit CFrameStatusBar(QWidget* parent);
    ~CFrameStatusBar() override;

    QLabel* MessagePane() const { return m_messagePane; }
    // "x = 1.25, y = -0.375".
    QLabel* ReadoutPane() const { return m_readoutPane; }
    QLabel* Indicator(int stringId) const { return m_indicators.value(stringId); }
    void SetKeyLocks(const KeyLocks& locks);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateKeyLocks();

    QLabel* m_messagePane;
    QLabel* m_readoutPane;
    QHash<int, QLabel*> m_indicators;
};

} // namespace plovex
