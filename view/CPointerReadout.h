#pragma once

#include <QPoint>

namespace plovex {

class CPlovexView;

// Where the pointer is over a form's graph: the graph point to the decimals its scale warrants,
// for the status bar, and in the form's status field the whole units under it, marked when the
// selected explicit function passes within one unit of them.
class CPointerReadout {
public:
    explicit CPointerReadout(CPlovexView& view)
        : m_view(view)
    { }

    // The pointer at the graph area's client pixel `pixel`, which may lie off the area.
    void At(const QPoint& pixel) const;

private:
    CPlovexView& m_view;
};

} // namespace plovex
