#pragma once

#include "platform/DataExchange.h"
#include "platform/DialogControls.h"

#include <QDialog>

namespace plovex {

// A dialog built from a dialog template, at the template's fixed size. An OK button (id 1)
// reads the controls back and closes it; a Cancel button (id 2) closes it. A modal dialog
// runs through DoModal; one of window type Qt::Tool is a modeless tool window of its
// parent's window (see ShowToolWindow), which closing only hides.
class TemplateDialog : public QDialog {
    Q_OBJECT

public:
    explicit TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr,
        Qt::WindowType type = Qt::Dialog);

    // Pushes the fields into the controls, puts the focus in the first tab stop and runs the
    // dialog until it closes. OK reads the controls back and closes only when that read
    // succeeds; the result is then res::kIdOk. Cancel, Escape and the close box read nothing
    // and give res::kIdCancel.
    int DoModal();

    // As FormView::UpdateData.
    bool UpdateData(bool saveAndValidate = true);

    QWidget* GetDlgItem(int id) const;

protected:
    virtual void DoDataExchange(DataExchange& exchange) = 0;

private:
    void OnOK();

    DialogControls m_controls;
};

} // namespace plovex
