#include "frame/CAboutDlg.h"

#include "view/FormTemplates.h"

namespace plovex {

CAboutDlg::CAboutDlg(QWidget* parent)
    : TemplateDialog(AboutDialogTemplate(), parent)
{ }

} // namespace plovex
