#include "app/CPlovexApp.h"

#include "app/DocumentTemplate.h"
#include "frame/CAboutDlg.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "platform/FileDialogService.h"
#include "platform/SettingsFile.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <clocale>

namespace plovex {

CPlovexApp::CPlovexApp()
    : m_recentFiles(CMainFrame::kRecentFileCount)
{ }

CPlovexApp::~CPlovexApp()
{
    if (m_template)
        m_template->SetMainFrame(nullptr);
    m_mainFrame.reset();
}

void CPlovexApp::InitApplication()
{
    // QApplication has just taken the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setStyle("Fusion");
}

bool CPlovexApp::InitInstance(const QStringList& files)
{
    UseSettingsFile();
    QIcon icon(":/icons/plovex.svg");
    icon.addFile(":/icons/plovex-32.png");
    icon.addFile(":/icons/plovex-48.png");
    QApplication::setWindowIcon(icon);
    m_recentFiles.ReadList();

    m_template = std::make_unique<DocumentTemplate>(res::kGraphType, m_recentFiles);

    m_mainFrame = std::make_unique<CMainFrame>();
    m_template->SetMainFrame(m_mainFrame.get());
    m_mainFrame->setAcceptDrops(true);
    connect(m_mainFrame.get(), &CMainFrame::FilesDropped, this,
        [this](const QStringList& dropped) { OpenDocumentFiles(dropped); });
    m_mainFrame->SetCloseQuery([this] { return m_template->SaveAllModified(); });
    ConnectCommands();

    if (files.isEmpty())
        OnFileNew();
    else if (!OpenDocumentFiles(files))
        return false;

    m_mainFrame->showMaximized();
    return true;
}

void CPlovexApp::ConnectCommands()
{
    const auto route = [this](int id, void (CPlovexApp::*handler)()) {
        connect(m_mainFrame->Action(id), &QAction::triggered, this, handler);
    };
    route(res::kCmdFileNew, &CPlovexApp::OnFileNew);
    route(res::kCmdFileOpen, &CPlovexApp::OnFileOpen);
    route(res::kCmdFileClose, &CPlovexApp::OnFileClose);
    route(res::kCmdFileSave, &CPlovexApp::OnFileSave);
    route(res::kCmdFileSaveAs, &CPlovexApp::OnFileSaveAs);
    route(res::kCmdWindowNew, &CPlovexApp::OnWindowNew);
    route(res::kCmdAppAbout, &CPlovexApp::OnAppAbout);
    for (int i = 0; i < CMainFrame::kRecentFileCount; ++i) {
        connect(m_mainFrame->Action(res::kCmdFileMru1 + i), &QAction::triggered, this,
            [this, i] { OnOpenRecentFile(i); });
    }
}

void CPlovexApp::OnFileNew()
{
    m_template->OpenDocumentFile();
}

void CPlovexApp::OnFileOpen()
{
    const QString filter = m_template->FilterName() + ";;" + tr("All Files (*)");
    const QString path = FileDialogs().GetOpenFileName(m_mainFrame.get(), filter);
    if (!path.isEmpty())
        m_template->OpenDocumentFile(path);
}

void CPlovexApp::OnFileClose()
{
    if (CChildFrame* child = m_mainFrame->ActiveChild())
        m_template->CloseDocument(child->GetDocument());
}

void CPlovexApp::OnFileSave()
{
    if (CChildFrame* child = m_mainFrame->ActiveChild())
        m_template->DoSave(child->GetDocument(), false);
}

void CPlovexApp::OnFileSaveAs()
{
    if (CChildFrame* child = m_mainFrame->ActiveChild())
        m_template->DoSave(child->GetDocument(), true);
}

void CPlovexApp::OnOpenRecentFile(int index)
{
    const QString path = m_recentFiles.Files().value(index);
    if (path.isEmpty())
        return;
    // A file that is gone or no longer a graph leaves the list once the user has been told.
    if (!m_template->OpenDocumentFile(path)) {
        m_recentFiles.Remove(path);
        m_mainFrame->SetRecentFiles(m_recentFiles);
    }
}

void CPlovexApp::OnWindowNew()
{
    if (CChildFrame* child = m_mainFrame->ActiveChild())
        m_template->CreateNewFrame(child->GetDocument());
}

void CPlovexApp::OnAppAbout()
{
    CAboutDlg about(m_mainFrame.get());
    about.DoModal();
}

bool CPlovexApp::OpenDocumentFiles(const QStringList& files)
{
    bool opened = false;
    for (const QString& file : files)
        opened = m_template->OpenDocumentFile(file) != nullptr || opened;
    return opened;
}

} // namespace plovex
