#include "view/CExportDlg.h"

#include "res/Resource.h"
#include "view/FormTemplates.h"

namespace plovex {

CExportDlg::CExportDlg(QWidget* parent)
    : TemplateDialog(ExportTemplate(), parent)
{ }

void CExportDlg::DoDataExchange(DataExchange& exchange)
{
    exchange.Integer(res::kExportWidthEdit, m_width, 1, kMaxSide);
    exchange.Integer(res::kExportHeightEdit, m_height, 1, kMaxSide);
    // The choices in the order of ExportKeep.
    int keep = static_cast<int>(m_keep);
    exchange.Radio(res::kExportKeepRegionRadio, keep);
    if (keep >= 0)
        m_keep = static_cast<ExportKeep>(keep);
}

} // namespace plovex
