#include "platform/MessageService.h"

#include "platform/ServiceSlot.h"
#include "platform/StringTable.h"
#include "res/Resource.h"

#include <QDialog>
#include <QMessageBox>
#include <QString>

namespace plovex {
namespace {

// Modal over its owner's window only, so a modeless window beside it (the help) stays usable.
void MakeModal(QDialog& dialog)
{
    dialog.setWindowModality(
        dialog.parentWidget() != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
}

class QtMessageService final : public MessageService {
public:
    void MessageBox(QWidget* owner, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, LoadString(res::kStrAppTitle), text, QMessageBox::Ok,
            owner != nullptr ? owner->window() : nullptr);
        box.setTextFormat(Qt::PlainText);
        MakeModal(box);
        box.exec();
    }

    bool Ask(QWidget* owner, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, LoadString(res::kStrAppTitle), text,
            QMessageBox::Yes | QMessageBox::No, owner != nullptr ? owner->window() : nullptr);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        MakeModal(box);
        return box.exec() == QMessageBox::Yes;
    }

    int RunModal(QDialog& dialog) override
    {
        MakeModal(dialog);
        return dialog.exec();
    }
};

QtMessageService& QtService()
{
    static QtMessageService service;
    return service;
}

ServiceSlot<MessageService> g_slot;

} // namespace

MessageService& Messages()
{
    return g_slot.Get(QtService());
}

MessageService* SetMessageService(MessageService* service)
{
    return g_slot.Install(service);
}

} // namespace plovex
