#include "frame/CFrameToolBar.h"

#include "frame/CFrameActions.h"
#include "res/Resource.h"

#include <QAction>

namespace plovex {

CFrameToolBar::CFrameToolBar(const CFrameActions& actions, QWidget* parent)
    : QToolBar(tr("Standard"), parent)
{
    setObjectName("ToolBar");
    setIconSize(QSize(16, 15));
    setAllowedAreas(Qt::AllToolBarAreas);
    const auto add = [this, &actions](std::initializer_list<int> ids) {
        for (const int id : ids)
            addAction(actions.Action(id));
    };
    add({ res::kCmdFileNew, res::kCmdFileOpen, res::kCmdFileSave });
    addSeparator();
    add({ res::kCmdEditCut, res::kCmdEditCopy, res::kCmdEditPaste });
    addSeparator();
    add({ res::kCmdFilePrint });
    addSeparator();
    // Only the commands the theme has a picture for: a text button would crowd the bar.
    bool navigation = false;
    for (const int id : { res::kCmdViewBack, res::kCmdViewForward, res::kCmdViewZoomIn,
             res::kCmdViewZoomOut, res::kCmdViewReset }) {
        if (actions.Action(id)->icon().isNull())
            continue;
        addAction(actions.Action(id));
        navigation = true;
    }
    if (navigation)
        addSeparator();
    add({ res::kCmdAppAbout });
    // A button shows only its icon: a screen reader says its tooltip.
    for (QAction* action : this->actions()) {
        if (!action->isSeparator())
            widgetForAction(action)->setAccessibleName(action->toolTip());
    }

    QAction* toggle = actions.Action(res::kCmdViewToolbar);
    connect(toggle, &QAction::toggled, this, &QWidget::setVisible);
    connect(this, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

} // namespace plovex
