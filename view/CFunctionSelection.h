#pragma once

#include "document/CurveKind.h"
#include "document/Rgb.h"

#include <cstddef>

namespace plovex {

class CPlovexView;

// The function a form's boxes, commands and statistics act on, and the list commands on it. The
// selection follows its function when the document's list changes, in this form or another.
class CFunctionSelection {
public:
    explicit CFunctionSelection(CPlovexView& view)
        : m_view(view)
    { }

    std::size_t Selected() const { return m_selected; }
    // Function `index` in the boxes, and the graph drawn again (see CPlovexView::SelectFunction).
    void Select(std::size_t index);
    // The selected function in the boxes: its text, kind and postfix queue.
    void ShowSelected();
    // The document just opened: every function but the selected one parsed once, as its own
    // Plot would, so that the first rendering draws them all.
    void ParseOthers();

    // The list commands (see CPlovexView::OnNewFunction), each drawing the graph again.
    void AddFunction(CurveKind kind);
    void DeleteFunction();
    void ChooseColour();
    void MoveFunction(int places);
    void SetColour(std::size_t index, Rgb colour);
    void SetShown(std::size_t index, bool shown);

    // The document's list changed.
    void Inserted(std::size_t index);
    void Removed(std::size_t index);
    void Moved(std::size_t from, std::size_t to);
    // An undo or redo: a function that came back, or the place of one that went, when
    // `changedAt` names one.
    void Restored(std::size_t changedAt);

private:
    CPlovexView& m_view;
    std::size_t m_selected = 0;
};

} // namespace plovex
