#pragma once

#include "render/FormFields.h"

#include <cstddef>

namespace plovex {

class CPlovexView;

// What passes between a form's boxes and its document: the document's expression, view and kind
// shown in the boxes, what the user types stored as he types it, the settings and the scale
// buttons as steps of the document, and the changes of another form or an undo shown in this
// one.
class CDocumentExchange {
public:
    explicit CDocumentExchange(CPlovexView& view)
        : m_view(view)
    { }

    // The selected function's expression and kind and the document's view into the fields.
    void Load() const;
    // The form's settings become the document's.
    void StoreSettings() const;
    // The document follows the box as the user types, so that Save writes what the box shows
    // and closing asks to save what was typed.
    void ExpressionEdited() const;
    void SettingEdited() const;
    // A scale button: the scale one unit up or down, and the graph drawn again.
    void ChangeScale(float FormFields::*scale, float change) const;
    // The Implicit function check box was clicked.
    void KindChosen() const;
    // The commands that only an explicit function has, enabled as the selected function's kind
    // and the check box allow.
    void EnableExplicitCommands() const;

    // Another form of the document changed function `index`'s text or kind, or a parameter.
    void FunctionChanged(std::size_t index) const;
    void ShowPostfix() const;
    // An undo or a redo (see CPlovexDoc::Restored).
    void Restored(bool scales, std::size_t changedAt) const;

private:
    CPlovexView& m_view;
};

} // namespace plovex
