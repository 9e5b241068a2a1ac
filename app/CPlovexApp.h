#pragma once

#include "platform/RecentFileList.h"

#include <QObject>
#include <QStringList>
#include <memory>

namespace plovex {

class CMainFrame;
class DocumentTemplate;

// The application: starts the program (settings, recent files, the document type, the
// main frame, the command line) and carries the commands that are not a window's own.
class CPlovexApp : public QObject {
    Q_OBJECT

public:
    CPlovexApp();
    ~CPlovexApp() override;

    // What the windows are made for, once the QApplication exists and before they are
    // built: numbers read and written with ".", whatever the user's locale, and the style
    // in which the form's captions are checked to fit.
    static void InitApplication();

    // Start-up with the command line's file names (none: one new document). false when the
    // program cannot start: no file of the command line could be opened.
    bool InitInstance(const QStringList& files);

    CMainFrame& MainFrame() const { return *m_mainFrame; }
    DocumentTemplate& Template() const { return *m_template; }
    RecentFileList& RecentFiles() { return m_recentFiles; }

    void OnFileNew();
    void OnFileOpen();
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void OnOpenRecentFile(int index);
    void OnWindowNew();
    void OnAppAbout();
    // Opens each file as a document; true when at least one opened.
    bool OpenDocumentFiles(const QStringList& files);

private:
    void ConnectCommands();

    RecentFileList m_recentFiles;
    // The template outlives the main frame: the frame's windows hold its documents' forms.
    std::unique_ptr<DocumentTemplate> m_template;
    std::unique_ptr<CMainFrame> m_mainFrame;
};

} // namespace plovex
