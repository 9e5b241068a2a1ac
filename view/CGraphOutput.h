#pragma once

class QPrinter;

namespace plovex {

class CPlovexView;

// What takes a form's graph out of the window, as it last drew it: the clipboard, an exported
// file and the printer. Each asks the user through the platform's services and tells a failure
// in the form.
class CGraphOutput {
public:
    explicit CGraphOutput(CPlovexView& view)
        : m_view(view)
    { }

    // The picture as an image and, where it is the rendering of the functions drawn, as SVG.
    void Copy() const;
    // Asks for a size and what to keep, then for the file.
    void Export() const;
    void Print() const;
    void PrintPreview() const;

private:
    void PrintOn(QPrinter& printer) const;

    CPlovexView& m_view;
};

} // namespace plovex
