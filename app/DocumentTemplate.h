#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace plovex {

class CChildFrame;
class CMainFrame;
class CPlovexDoc;
class RecentFileList;

// The graph document type: creates each document with its window and form, names new
// documents (Graph1, Graph2, ...), opens, saves and closes them, and asks before a changed
// document is closed. The file name filter and the default extension come from the
// document string.
class DocumentTemplate : public QObject {
    Q_OBJECT

public:
    DocumentTemplate(int documentStringId, RecentFileList& recentFiles);
    ~DocumentTemplate() override;

    // The frame the document windows open in; needed before the first document.
    void SetMainFrame(CMainFrame* mainFrame);

    // The file dialogs' filter, "Plovex Graph (*.pxg)".
    const QString& FilterName() const { return m_filterName; }

    // With an empty path a new document, else the document in `path` (brought to the front
    // when it is open already). Its window opens and its form plots the expression at
    // once. nullptr when the file cannot be read; the user has been told why.
    CPlovexDoc* OpenDocumentFile(const QString& path = {});
    // Another window with its own form on `document`.
    CChildFrame* CreateNewFrame(CPlovexDoc& document);

    std::vector<CPlovexDoc*> Documents() const;
    std::vector<CChildFrame*> Frames(const CPlovexDoc& document) const;

    // Save keeps the document's file; Save As (`replace`) and a document without a file ask
    // for a name. The document's forms are read first: a number box that holds no number
    // brings the invalid-number prompt and nothing is saved. false when the user cancelled, a
    // form could not be read or the file could not be written.
    bool DoSave(CPlovexDoc& document, bool replace);
    // For a changed document the save, discard or cancel question; false: cancel.
    bool SaveModified(CPlovexDoc& document);
    bool SaveAllModified();
    // Closes every window of `document` once SaveModified agrees.
    bool CloseDocument(CPlovexDoc& document);

private:
    bool CanCloseFrame(CChildFrame& frame);
    void OnFrameDestroyed();
    void UpdateFrameCounts(const CPlovexDoc& document);
    void ShowRecentFiles();

    RecentFileList& m_recentFiles;
    CMainFrame* m_mainFrame = nullptr;
    QString m_documentName;
    QString m_filterName;
    QString m_filterExtension;
    int m_untitledCount = 0;
    std::vector<std::unique_ptr<CPlovexDoc>> m_documents;
};

} // namespace plovex
