#include "view/CTableQuestionDlg.h"

#include "res/Resource.h"
#include "view/FormTemplates.h"

namespace plovex {

CTableQuestionDlg::CTableQuestionDlg(QWidget* parent)
    : TemplateDialog(TableQuestionTemplate(), parent)
{ }

void CTableQuestionDlg::DoDataExchange(DataExchange& exchange)
{
    exchange.Float(res::kTableFromEdit, m_from);
    exchange.Float(res::kTableToEdit, m_to);
    exchange.Float(res::kTableStepEdit, m_step);
}

} // namespace plovex
