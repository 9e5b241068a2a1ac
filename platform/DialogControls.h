#pragma once

#include "platform/DialogTemplate.h"

#include <QFont>
#include <QSize>
#include <utility>
#include <vector>

class QLabel;
class QWidget;

namespace plovex {

// The controls of one window built from its template, addressed by id.
class DialogControls {
public:
    // Creates the controls as children of `window` in tab order, gives the window the caption
    // font and returns the template's size in pixels. Every control gets a name that assistive
    // technology reads: its caption, its string resource, or the label before it.
    QSize Create(QWidget& window, const DialogTemplate& dialogTemplate);

    // Null for an id the template does not hold.
    QWidget* Item(int id) const;
    // The first control that Tab reaches, where the focus goes when the window opens.
    QWidget* FirstTabStop() const { return m_firstTabStop; }

    // Names the label's buddy after the label's text as it reads now, "&X Scale:" as
    // "X Scale"; a label whose text changes renames its buddy this way.
    static void NameBuddy(const QLabel& label);

    // A template's caption as the window shows it: "%1" is the application title.
    static QString Caption(const char* text);

    // The font whose metrics turn a template's dialog units into pixels.
    static QFont TemplateFont(int pointSize);
    // The font the controls show their texts in.
    static QFont CaptionFont();

private:
    std::vector<std::pair<int, QWidget*>> m_items;
    QWidget* m_firstTabStop = nullptr;
};

} // namespace plovex
