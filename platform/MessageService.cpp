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

QMessageBox::Icon IconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Plain:
        break;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Refusal:
        return QMessageBox::Warning;
    case MessageKind::Failure:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

class QtMessageService final : public MessageService {
public:
    using MessageService::MessageBox;

    void MessageBox(QWidget* owner, const QString& text, MessageKind kind) override
    {
        QMessageBox box(IconOf(kind), LoadString(res::kStrAppTitle), text, QMessageBox::Ok,
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
