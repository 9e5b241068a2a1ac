#pragma once

#include <QString>

class QWidget;

namespace plovex {

// The questions the document commands ask: which file to open, where to save, and whether
// to save a changed document before it closes. The windows ask through FileDialogs(), so a
// test can install a service that answers instead of a person.
class FileDialogService {
public:
    enum class SaveAnswer { Save, Discard, Cancel };

    virtual ~FileDialogService() = default;

    // An existing file chosen in an Open dialog with `filter`; empty when cancelled.
    virtual QString GetOpenFileName(QWidget* parent, const QString& filter) = 0;
    // A file name chosen in a save dialog titled `title` ("Save As", "Export Graph")
    // starting from `proposed`; a name typed without an extension gets `defaultSuffix` (no
    // dot). Empty when cancelled.
    virtual QString GetSaveFileName(QWidget* parent, const QString& title, const QString& proposed,
        const QString& filter, const QString& defaultSuffix)
        = 0;
    // The save, discard or cancel question for the changed document `title`.
    virtual SaveAnswer AskSaveChanges(QWidget* parent, const QString& title) = 0;
};

// The service in use: the Qt dialogs unless a test has installed another.
FileDialogService& FileDialogs();

// Installs `service` (not owned; it must outlive its use) and returns the one it replaces;
// nullptr goes back to the Qt dialogs.
FileDialogService* SetFileDialogService(FileDialogService* service);

} // namespace plovex
