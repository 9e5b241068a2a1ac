#pragma once

#include "platform/TemplateDialog.h"

#include <string>

namespace plovex {

// Asks for one number: the prompt above an edit box, OK and Cancel.
class CInputDlg : public TemplateDialog {
    Q_OBJECT

public:
    explicit CInputDlg(QWidget* parent = nullptr);

    std::string m_prompt;
    float m_value = 0.0f;

protected:
    void DoDataExchange(DataExchange& exchange) override;
};

} // namespace plovex
