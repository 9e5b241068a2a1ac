#pragma once

#include "view/CPlovexView.h"

#include <QDockWidget>
#include <QPointer>
#include <functional>

class QAction;
class QListWidgetItem;
class QToolBar;

namespace plovex {

class CCurveEditor;
class CNewFunctionMenu;
class FunctionList;

// The "Functions" dock of the main window: the functions of the active graph window's
// document, its selected function highlighted. Choosing a row selects that function in the
// form, ticking a box shows or hides it; the commands act on the form's selection. New
// Function's menu (its button's arrow, the rows' menu, Alt+Insert in the list) offers every
// kind; below the list, the curve editor holds a selected curve's expressions and range.
class CFunctionBar : public QDockWidget {
    Q_OBJECT

public:
    // `commands` in the order the bar's buttons and the rows' context menu show them; `action`
    // gives the command behind an id.
    CFunctionBar(const QList<QAction*>& commands, std::function<QAction*(int)> action,
        QWidget* parent = nullptr);

    // The form whose functions the list shows; nullptr for none.
    void SetView(CPlovexView* view);
    CPlovexView* View() const { return m_view; }
    FunctionList* List() const { return m_list; }
    CNewFunctionMenu* NewFunctionMenu() const { return m_kinds; }
    CCurveEditor* CurveEditor() const { return m_curveEditor; }

private:
    void Refresh();
    void UpdateRow(int row);
    void UpdateCommands();
    void OnCurrentRowChanged(int row);
    void OnItemChanged(QListWidgetItem* item);
    void OnNewFunctionOfKind(CurveKind kind);

    FunctionList* m_list;
    CNewFunctionMenu* m_kinds;
    CCurveEditor* m_curveEditor;
    QToolBar* m_commands;
    std::function<QAction*(int)> m_action;
    QPointer<CPlovexView> m_view;
    QList<QMetaObject::Connection> m_connections;
    // Set while the list is filled from the document, whose changes are no user's.
    bool m_updating = false;
};

} // namespace plovex
