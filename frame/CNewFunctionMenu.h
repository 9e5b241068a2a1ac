#pragma once

#include "document/CurveKind.h"

#include <QMenu>

namespace plovex {

// What New Function offers: a function of each kind, explicit first.
class CNewFunctionMenu : public QMenu {
    Q_OBJECT

public:
    explicit CNewFunctionMenu(QWidget* parent = nullptr);

    // The action that makes a function of `kind`.
    QAction* KindAction(CurveKind kind) const;

signals:
    void KindChosen(CurveKind kind);
};

} // namespace plovex
