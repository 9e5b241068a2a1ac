#pragma once

#include "platform/TemplateDialog.h"

namespace plovex {

// Asks for the From, To and Step of a table of values: three number boxes read as the input
// dialog reads its one, OK and Cancel.
class CTableQuestionDlg : public TemplateDialog {
    Q_OBJECT

public:
    explicit CTableQuestionDlg(QWidget* parent = nullptr);

    float m_from = -5.0f;
    float m_to = 5.0f;
    float m_step = 1.0f;

protected:
    void DoDataExchange(DataExchange& exchange) override;
};

} // namespace plovex
