#include "frame/CFrameStatusBar.h"

#include "platform/StringTable.h"
#include "res/Resource.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace plovex {
namespace {

bool IsLockKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock;
}

} // namespace

CFrameStatusBar::CFrameStatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_messagePane(new QLabel(LoadString(res::kStrIdle)))
    , m_readoutPane(new QLabel)
{
    addWidget(m_messagePane, 1);
    m_readoutPane->setObjectName("ReadoutPane");
    // Room for a usual readout from the start, so the panes do not jump as the pointer moves.
    m_readoutPane->setMinimumWidth(
        m_readoutPane->fontMetrics().horizontalAdvance("x = -00.000, y = -00.000") + 12);
    addPermanentWidget(m_readoutPane);
    for (const int id :
        { res::kStrIndicatorCaps, res::kStrIndicatorNum, res::kStrIndicatorScroll }) {
        auto* indicator = new QLabel;
        indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        indicator->setAlignment(Qt::AlignCenter);
        // Wide enough for its text whether the key is on or off.
        indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance(LoadString(id)) + 12);
        addPermanentWidget(indicator);
        m_indicators.insert(id, indicator);
    }
    // The lock keys are the keyboard's, pressed in any window.
    qApp->installEventFilter(this);
    UpdateKeyLocks();
}

CFrameStatusBar::~CFrameStatusBar()
{
    qApp->removeEventFilter(this);
}

void CFrameStatusBar::SetKeyLocks(const KeyLocks& locks)
{
    const auto show = [this](int id, bool on) {
        m_indicators.value(id)->setText(on ? LoadString(id) : QString());
    };
    show(res::kStrIndicatorCaps, locks.capsLock);
    show(res::kStrIndicatorNum, locks.numLock);
    show(res::kStrIndicatorScroll, locks.scrollLock);
}

bool CFrameStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (IsLockKey(event) || event->type() == QEvent::ApplicationActivate)
        UpdateKeyLocks();
    return QStatusBar::eventFilter(watched, event);
}

void CFrameStatusBar::UpdateKeyLocks()
{
    if (const std::optional<KeyLocks> locks = QueryKeyLocks())
        SetKeyLocks(*locks);
}

} // namespace plovex
