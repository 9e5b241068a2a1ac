#pragma once

#include "platform/DialogTemplate.h"

#include <QFont>
#include <QSize>
#include <utility>
#include <vector>

class QWidget;

namespace plovex {

// The controls of one window built from its template, addressed by id.
class DialogControls {
public:
    // Creates the controls as children of `window` in tab order, gives the window the caption
    // font and returns the template's size in pixels.
    QSize Create(QWidget& window, const DialogTemplate& dialogTemplate);

    // Null for an id the template does not hold.
    QWidget* Item(int id) const;
    // The first control that Tab reaches, where the focus goes when the window opens.
    QWidget* FirstTabStop() const { return m_firstTabStop; }

    // The font whose metrics turn a template's dialog units into pixels.
    static QFont TemplateFont(int pointSize);
    // The font the controls show their texts in.
    static QFont CaptionFont();

private:
    std::vector<std::pair<int, QWidget*>> m_items;
    QWidget* m_firstTabStop = nullptr;
};

} // namespace plovex
