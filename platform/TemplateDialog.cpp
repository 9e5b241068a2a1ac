#include "platform/TemplateDialog.h"

#include "platform/MessageService.h"
#include "res/Resource.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace plovex {

TemplateDialog::TemplateDialog(
    const DialogTemplate& dialogTemplate, QWidget* parent, Qt::WindowType type)
    : QDialog(parent,
        type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
{
    setWindowTitle(DialogControls::Caption(dialogTemplate.caption));
    setFixedSize(m_controls.Create(*this, dialogTemplate));
    if (auto* ok = qobject_cast<QAbstractButton*>(GetDlgItem(res::kIdOk)))
        connect(ok, &QAbstractButton::clicked, this, &TemplateDialog::OnOK);
    if (auto* cancel = qobject_cast<QAbstractButton*>(GetDlgItem(res::kIdCancel)))
        connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
}

int TemplateDialog::DoModal()
{
    UpdateData(false);
    if (QWidget* first = m_controls.FirstTabStop()) {
        first->setFocus();
        // Typing replaces what the box shows, as when Tab enters it.
        if (auto* edit = qobject_cast<QLineEdit*>(first))
            edit->selectAll();
    }
    setResult(QDialog::Rejected);
    return Messages().RunModal(*this) == QDialog::Accepted ? res::kIdOk : res::kIdCancel;
}

bool TemplateDialog::UpdateData(bool saveAndValidate)
{
    DataExchange exchange(*this, m_controls,
        saveAndValidate ? DataExchange::Direction::ToFields : DataExchange::Direction::ToControls);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

QWidget* TemplateDialog::GetDlgItem(int id) const
{
    return m_controls.Item(id);
}

void TemplateDialog::OnOK()
{
    if (UpdateData(true))
        accept();
}

} // namespace plovex
