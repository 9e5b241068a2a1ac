#include "platform/FileDialogService.h"

#include "platform/ServiceSlot.h"
#include "platform/StringTable.h"
#include "res/Resource.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace plovex {
namespace {

// Each dialog blocks only the window it belongs to, so the help window stays usable.
class DialogService final : public FileDialogService {
public:
    QString GetOpenFileName(QWidget* parent, const QString& filter) override
    {
        QFileDialog dialog(parent, QCoreApplication::translate("FileDialogService", "Open"));
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(filter);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    QString GetSaveFileName(QWidget* parent, const QString& title, const QString& proposed,
        const QString& filter, const QString& defaultSuffix) override
    {
        QFileDialog dialog(parent, title);
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(filter);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.selectFile(proposed);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    SaveAnswer AskSaveChanges(QWidget* parent, const QString& title) override
    {
        QMessageBox box(QMessageBox::Warning, LoadString(res::kStrAppTitle),
            QCoreApplication::translate("FileDialogService", "Save changes to %1?").arg(title),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setWindowModality(Qt::WindowModal);
        box.setDefaultButton(QMessageBox::Save);
        box.button(QMessageBox::Save)
            ->setText(QCoreApplication::translate("FileDialogService", "&Save"));
        box.button(QMessageBox::Discard)
            ->setText(QCoreApplication::translate("FileDialogService", "&Discard"));
        box.button(QMessageBox::Cancel)
            ->setText(QCoreApplication::translate("FileDialogService", "&Cancel"));
        switch (box.exec()) {
        case QMessageBox::Save:
            return SaveAnswer::Save;
        case QMessageBox::Discard:
            return SaveAnswer::Discard;
        default:
            return SaveAnswer::Cancel;
        }
    }
};

ServiceSlot<FileDialogService> g_slot;

} // namespace

FileDialogService& FileDialogs()
{
    static DialogService dialogs;
    return g_slot.Get(dialogs);
}

FileDialogService* SetFileDialogService(FileDialogService* service)
{
    return g_slot.Install(service);
}

} // namespace plovex
