#include "ShellFixture.h"

#include "app/CPlovexApp.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "res/Resource.h"
#include "view/CPlovexView.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QSettings>

namespace plovex {

FakeFileDialogs::FakeFileDialogs()
    : m_previous(SetFileDialogService(this))
{ }

FakeFileDialogs::~FakeFileDialogs()
{
    SetFileDialogService(m_previous);
}

QString FakeFileDialogs::NextFileName()
{
    if (fileNames.empty()) {
        ADD_FAILURE() << "a file dialog opened that the test did not expect";
        return {};
    }
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString FakeFileDialogs::GetOpenFileName(QWidget*, const QString& filter)
{
    asked.push_back("open " + filter.toStdString());
    return NextFileName();
}

QString FakeFileDialogs::GetSaveFileName(QWidget*, const QString& title, const QString& proposed,
    const QString& filter, const QString& defaultSuffix)
{
    saveTitles.push_back(title.toStdString());
    asked.push_back(QString("save %1 %2 %3").arg(proposed, filter, defaultSuffix).toStdString());
    return NextFileName();
}

FileDialogService::SaveAnswer FakeFileDialogs::AskSaveChanges(QWidget*, const QString& title)
{
    asked.push_back("ask " + title.toStdString());
    if (saveAnswers.empty()) {
        ADD_FAILURE() << "the save question came unexpectedly for " << title.toStdString();
        return SaveAnswer::Cancel;
    }
    const SaveAnswer answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

void ShellTest::SetUp()
{
    ASSERT_TRUE(m_temp.isValid());
    // Never the user's own settings: the recent-file list goes to this test's folder.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_temp.filePath("config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_temp.filePath("config"));
}

void ShellTest::TearDown()
{
    DeleteClosedWindows();
    EXPECT_TRUE(m_dialogs.fileNames.empty()) << "a file name was left unasked";
    EXPECT_TRUE(m_dialogs.saveAnswers.empty()) << "an answer was left unasked";
}

QString ShellTest::WriteFile(const QString& name, const QByteArray& bytes) const
{
    const QString path = m_temp.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QByteArray ShellTest::ReadFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

CChildFrame& Active(const CPlovexApp& app)
{
    CChildFrame* child = app.MainFrame().ActiveChild();
    EXPECT_NE(child, nullptr);
    return *child;
}

void Trigger(const CPlovexApp& app, int command)
{
    QAction* action = app.MainFrame().Action(command);
    ASSERT_NE(action, nullptr) << command;
    ASSERT_TRUE(action->isEnabled()) << command;
    action->trigger();
}

CPlovexView& ViewOf(CChildFrame& frame)
{
    return *qobject_cast<CPlovexView*>(frame.widget());
}

void Type(CPlovexView& view, const QString& expression)
{
    auto* box = qobject_cast<QLineEdit*>(view.GetDlgItem(res::kExpressionEdit));
    box->selectAll();
    // An edit as the keyboard makes it: the box tells that it was edited.
    box->insert(expression);
}

void TypeAndPlot(CPlovexView& view, const QString& expression)
{
    Type(view, expression);
    qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kPlotButton))->click();
}

QString ShownTitle(const QWidget& window)
{
    return QString(window.windowTitle()).replace("[*]", window.isWindowModified() ? "*" : "");
}

void DeleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace plovex
