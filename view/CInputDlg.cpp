#include "view/CInputDlg.h"

#include "res/Resource.h"
#include "view/FormTemplates.h"

namespace plovex {

CInputDlg::CInputDlg(QWidget* parent)
    : TemplateDialog(InputDialogTemplate(), parent)
{ }

void CInputDlg::DoDataExchange(DataExchange& exchange)
{
    exchange.Text(res::kInputPromptStatic, m_prompt);
    exchange.Float(res::kInputValueEdit, m_value);
}

} // namespace plovex
