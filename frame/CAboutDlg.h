#pragma once

#include "platform/TemplateDialog.h"

namespace plovex {

// The About box: the application icon, the name and version, and the makers' credit.
class CAboutDlg : public TemplateDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    // It shows fixed texts only.
    void DoDataExchange(DataExchange&) override { }
};

} // namespace plovex
