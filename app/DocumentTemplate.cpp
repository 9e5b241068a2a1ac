#include "app/DocumentTemplate.h"

#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "platform/FileDialogService.h"
#include "platform/MessageService.h"
#include "platform/RecentFileList.h"
#include "platform/StringTable.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QRegularExpression>
#include <QStatusBar>
#include <algorithm>

namespace plovex {
namespace {

// Long enough to read a sentence, short enough not to linger over the next command's prompt.
constexpr int kMessageMilliseconds = 5000;

// Fields of the document string, separated by line breaks.
enum DocumentStringField {
    kWindowTitle,
    kDocName,
    kFileNewName,
    kFilterName,
    kFilterExtension,
    kRegFileTypeId,
    kRegFileTypeName,
};

QString SameFile(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

DocumentTemplate::DocumentTemplate(int documentStringId, RecentFileList& recentFiles)
    : m_recentFiles(recentFiles)
{
    const QStringList fields = LoadString(documentStringId).split('\n');
    m_documentName = fields.value(kDocName);
    m_filterName = fields.value(kFilterName);
    // The file format's, whatever the language.
    m_filterExtension
        = StringTable::Application().Text(documentStringId).split('\n').value(kFilterExtension);
}

DocumentTemplate::~DocumentTemplate() = default;

void DocumentTemplate::SetMainFrame(CMainFrame* mainFrame)
{
    m_mainFrame = mainFrame;
    ShowRecentFiles();
}

CPlovexDoc* DocumentTemplate::OpenDocumentFile(const QString& path)
{
    if (!path.isEmpty()) {
        for (CPlovexDoc* open : Documents()) {
            const std::vector<CChildFrame*> frames = Frames(*open);
            if (!frames.empty() && open->PathName() == SameFile(path)) {
                m_mainFrame->MdiArea()->setActiveSubWindow(frames.front());
                return open;
            }
        }
    }
    auto document = std::make_unique<CPlovexDoc>();
    if (path.isEmpty()) {
        document->SetTitle(m_documentName + QString::number(++m_untitledCount));
    } else {
        QString error;
        QString warning;
        if (!document->OnOpenDocument(path, error, warning)) {
            Messages().MessageBox(m_mainFrame, error, MessageKind::Failure);
            return nullptr;
        }
        if (!warning.isEmpty())
            Messages().MessageBox(m_mainFrame, warning, MessageKind::Refusal);
        m_recentFiles.Add(path);
        ShowRecentFiles();
    }
    CPlovexDoc& created = *document;
    m_documents.push_back(std::move(document));
    CreateNewFrame(created);
    return &created;
}

CChildFrame* DocumentTemplate::CreateNewFrame(CPlovexDoc& document)
{
    auto* frame = new CChildFrame(document);
    m_mainFrame->AddChild(frame);
    // Fitted inside the area, where the window has its title bar and borders.
    auto* view = new CPlovexView(document);
    view->m_grid = m_mainFrame->GridShown();
    connect(view, &CPlovexView::HistoryChanged, m_mainFrame, &CMainFrame::OnUpdateViewHistory);
    connect(view, &CPlovexView::Message, m_mainFrame, [this](const QString& text) {
        m_mainFrame->statusBar()->showMessage(text, kMessageMilliseconds);
    });
    frame->SetView(view);
    m_mainFrame->AttachView(*view);
    frame->SetCloseQuery([this](CChildFrame& closing) { return CanCloseFrame(closing); });
    connect(frame, &CChildFrame::Closed, this, [this, &document] { UpdateFrameCounts(document); });
    connect(frame, &QObject::destroyed, this, &DocumentTemplate::OnFrameDestroyed);
    UpdateFrameCounts(document);
    // Plotted before it shows, inside the main window so that a parse error's message
    // belongs to it.
    view->OnInitialUpdate();
    m_mainFrame->ActivateChild(frame);
    return frame;
}

std::vector<CPlovexDoc*> DocumentTemplate::Documents() const
{
    std::vector<CPlovexDoc*> documents;
    for (const auto& document : m_documents)
        documents.push_back(document.get());
    return documents;
}

std::vector<CChildFrame*> DocumentTemplate::Frames(const CPlovexDoc& document) const
{
    std::vector<CChildFrame*> frames;
    if (!m_mainFrame)
        return frames;
    for (CChildFrame* frame : m_mainFrame->ChildFrames()) {
        if (&frame->GetDocument() == &document)
            frames.push_back(frame);
    }
    return frames;
}

bool DocumentTemplate::DoSave(CPlovexDoc& document, bool replace)
{
    // What the forms show is what is saved: a number box that holds no number brings its
    // prompt, and nothing is written.
    for (CChildFrame* frame : Frames(document)) {
        if (!qobject_cast<CPlovexView*>(frame->widget())->UpdateData(true))
            return false;
    }
    QString path = document.PathName();
    if (replace || path.isEmpty()) {
        QString proposed = path;
        if (proposed.isEmpty()) {
            // A title is not always a good file name: "Graph1" is, "a/b" is not.
            proposed = document.Title();
            const qsizetype bad = proposed.indexOf(QRegularExpression("[ #%;/\\\\]"));
            if (bad >= 0)
                proposed.truncate(bad);
            proposed += m_filterExtension;
        }
        path = FileDialogs().GetSaveFileName(
            m_mainFrame, tr("Save As"), proposed, m_filterName, m_filterExtension.mid(1));
        if (path.isEmpty())
            return false;
    }
    QString error;
    if (!document.OnSaveDocument(path, error)) {
        Messages().MessageBox(m_mainFrame, error, MessageKind::Failure);
        return false;
    }
    m_recentFiles.Add(path);
    ShowRecentFiles();
    return true;
}

bool DocumentTemplate::SaveModified(CPlovexDoc& document)
{
    if (!document.IsModified())
        return true;
    switch (FileDialogs().AskSaveChanges(m_mainFrame, document.Title())) {
    case FileDialogService::SaveAnswer::Save:
        return DoSave(document, false);
    case FileDialogService::SaveAnswer::Discard:
        return true;
    case FileDialogService::SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool DocumentTemplate::SaveAllModified()
{
    return std::all_of(m_documents.begin(), m_documents.end(),
        [this](const auto& document) { return SaveModified(*document); });
}

bool DocumentTemplate::CloseDocument(CPlovexDoc& document)
{
    if (!SaveModified(document))
        return false;
    for (CChildFrame* frame : Frames(document)) {
        // The question has been asked for the whole document.
        frame->SetCloseQuery(nullptr);
        frame->close();
    }
    return true;
}

bool DocumentTemplate::CanCloseFrame(CChildFrame& frame)
{
    // Only the last window of a document takes the document with it.
    return Frames(frame.GetDocument()).size() > 1 || SaveModified(frame.GetDocument());
}

void DocumentTemplate::OnFrameDestroyed()
{
    // Without a main frame the program is ending: the documents go with the template.
    if (!m_mainFrame)
        return;
    for (auto it = m_documents.begin(); it != m_documents.end();) {
        if (Frames(**it).empty()) {
            it = m_documents.erase(it);
        } else {
            UpdateFrameCounts(**it);
            ++it;
        }
    }
}

void DocumentTemplate::UpdateFrameCounts(const CPlovexDoc& document)
{
    const std::vector<CChildFrame*> frames = Frames(document);
    for (std::size_t i = 0; i < frames.size(); ++i)
        frames[i]->SetWindowNumber(frames.size() > 1 ? static_cast<int>(i) + 1 : 0);
}

void DocumentTemplate::ShowRecentFiles()
{
    if (m_mainFrame)
        m_mainFrame->SetRecentFiles(m_recentFiles);
}

} // namespace plovex
