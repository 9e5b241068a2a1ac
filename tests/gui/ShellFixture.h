#pragma once

#include "FakeMessages.h"
#include "platform/FileDialogService.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class QWidget;

namespace plovex {

class CChildFrame;
class CPlovexApp;
class CPlovexView;

// Answers the document commands' questions from a script while it lives; a question with
// no answer left fails the test and is cancelled.
class FakeFileDialogs : public FileDialogService {
public:
    FakeFileDialogs();
    ~FakeFileDialogs() override;

    QString GetOpenFileName(QWidget* parent, const QString& filter) override;
    QString GetSaveFileName(QWidget* parent, const QString& title, const QString& proposed,
        const QString& filter, const QString& defaultSuffix) override;
    SaveAnswer AskSaveChanges(QWidget* parent, const QString& title) override;

    std::deque<QString> fileNames; // for Open and Save As, in turn; "" cancels
    std::deque<SaveAnswer> saveAnswers;

    // What was asked, one line each: "open Plovex Graph (*.pxg);;All Files (*)",
    // "save Graph1.pxg Plovex Graph (*.pxg) pxg", "ask Graph1".
    std::vector<std::string> asked;
    // The titles of the save dialogs, in turn: "Save As", "Export Graph".
    std::vector<std::string> saveTitles;

private:
    QString NextFileName();

    FileDialogService* m_previous;
};

// Every shell test runs with fake dialogs and message boxes, and with settings in a folder
// of its own, empty at the start.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString TempPath(const QString& name) const { return m_temp.filePath(name); }
    // Writes `bytes` to the temporary file `name` and returns its path.
    QString WriteFile(const QString& name, const QByteArray& bytes) const;
    static QByteArray ReadFile(const QString& path);

    FakeMessages m_messages;
    FakeFileDialogs m_dialogs;

private:
    QTemporaryDir m_temp;
};

// What a document file ends with for the default settings: scales and quality 10, explicit.
inline const QByteArray kDefaultSettingsTrailer(
    "PXGS\x01\x0D\x00\x00\x20\x41\x00\x00\x20\x41\x00\x00\x20\x41\x00", 19);

CPlovexView& ViewOf(CChildFrame& frame);
// The active graph window; the test fails when there is none.
CChildFrame& Active(const CPlovexApp& app);
// Runs the command `id` as its menu item or key would; the test fails when it is disabled.
void Trigger(const CPlovexApp& app, int command);
// Replaces the expression box's text as a person would.
void Type(CPlovexView& view, const QString& expression);
// Types `expression` into the form and presses Plot, as a person would.
void TypeAndPlot(CPlovexView& view, const QString& expression);
// The title as the window shows it: "Graph1*" for a changed document.
QString ShownTitle(const QWidget& window);
// Lets closed windows and their documents go.
void DeleteClosedWindows();

} // namespace plovex
