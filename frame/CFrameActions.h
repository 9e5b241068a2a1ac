#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QWidget;

namespace plovex {

class CPlovexView;
class RecentFileList;

// A command that acts on a graph form, by the form's handler.
using ViewCommand = void (CPlovexView::*)();

// Every command of the main window as an action: its translated text, its keys, its icon, and
// the prompt and tooltip the string table gives the command's id.
class CFrameActions : public QObject {
    Q_OBJECT

public:
    static constexpr int kRecentFileCount = 4;

    // The actions belong to `window`, which takes the keys that work wherever the focus is in
    // it. The commands that act on the active graph's form go to `viewCommand`.
    CFrameActions(QWidget& window, std::function<void(ViewCommand)> viewCommand);

    // The action behind command `id`: a menu item, toolbar button or accelerator.
    QAction* Action(int id) const { return m_actions.value(id); }
    // Makes `action`, made elsewhere, the one behind command `id`.
    void Add(int id, QAction* action);

    // The File menu's recent-file entries, and the disabled one shown while there are none.
    QAction* RecentPlaceholder() const { return m_recentPlaceholder; }
    const QList<QAction*>& RecentFiles() const { return m_recentFiles; }
    void SetRecentFiles(const RecentFileList& files);

private:
    QAction* Create(int id, const QString& text, const char* icon = nullptr);
    void CreateDocumentActions();
    void CreateViewActions();
    void CreateToolsAndWindowActions();
    void ConnectViewCommand(QAction* action, ViewCommand command);

    QWidget& m_window;
    std::function<void(ViewCommand)> m_viewCommand;
    QHash<int, QAction*> m_actions;
    QAction* m_recentPlaceholder = nullptr;
    QList<QAction*> m_recentFiles;
};

} // namespace plovex
