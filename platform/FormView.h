#pragma once

#include "platform/DataExchange.h"
#include "platform/DialogControls.h"

#include <QWidget>

namespace plovex {

// A borderless window built from a dialog template, at the template's fixed size, whose
// controls are bound to fields by the derived class's exchange function.
class FormView : public QWidget {
    Q_OBJECT

public:
    explicit FormView(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);

    // true: the controls into the fields, false: the fields into the controls. A read that
    // meets a number box holding no number shows the invalid-number prompt, stops there and
    // returns false (DataExchange has the details).
    bool UpdateData(bool saveAndValidate = true);

    // The fields into the controls, as UpdateData(false), returning the controls whose content
    // changed: a long computation that handles no events paints them itself.
    std::vector<QWidget*> PushFields();

    QWidget* GetDlgItem(int id) const;
    // One text control, as a push would set it.
    void SetDlgItemText(int id, const std::string& text);

    QSize sizeHint() const override;

protected:
    virtual void DoDataExchange(DataExchange& exchange) = 0;

    // The controls into the fields without any prompt: a number box that holds no number
    // keeps its field's value, and the read goes on with the next binding.
    void ReadControlsQuietly();

private:
    DialogControls m_controls;
    QSize m_size;
};

} // namespace plovex
