#include "frame/CNewFunctionMenu.h"

#include <QAction>

namespace plovex {
namespace {

constexpr struct {
    CurveKind kind;
    const char* text;
} kKinds[] = {
    { CurveKind::Explicit, QT_TRANSLATE_NOOP("plovex::CNewFunctionMenu", "&Explicit y = f(x)") },
    { CurveKind::Implicit, QT_TRANSLATE_NOOP("plovex::CNewFunctionMenu", "&Implicit f(x, y) = 0") },
    { CurveKind::Parametric,
        QT_TRANSLATE_NOOP("plovex::CNewFunctionMenu", "&Parametric x(t), y(t)") },
    { CurveKind::Polar, QT_TRANSLATE_NOOP("plovex::CNewFunctionMenu", "P&olar r(t)") },
};

} // namespace

CNewFunctionMenu::CNewFunctionMenu(QWidget* parent)
    : QMenu(parent)
{
    for (const auto& entry : kKinds) {
        QAction* action = addAction(tr(entry.text));
        action->setData(static_cast<int>(entry.kind));
        connect(action, &QAction::triggered, this,
            [this, kind = entry.kind] { emit KindChosen(kind); });
    }
}

QAction* CNewFunctionMenu::KindAction(CurveKind kind) const
{
    for (QAction* action : actions()) {
        if (action->data().toInt() == static_cast<int>(kind))
            return action;
    }
    return nullptr;
}

} // namespace plovex
