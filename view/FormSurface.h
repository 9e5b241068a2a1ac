#pragma once

#include "render/RenderProgress.h"
#include "view/ImageSurface.h"

#include <QElapsedTimer>
#include <vector>

class QWidget;

namespace plovex {

class CPlovexView;
class PictureStatic;

// The graph form as the renderer draws on it and reports to it. The picture grows in an image that
// starts as what the graph area shows. While the rendering runs no event is handled, so the form is
// painted from here, at once, but only when a frame a person could see has passed: the
// status, the progress bar and the curve so far. A rendering shorter than a frame paints
// nothing itself; its result is painted when the event loop runs again. Every call that may
// paint leaves the vector state clean for the sampling that follows.
class FormSurface : public ImageSurface, public RenderProgress {
public:
    // Draws on `area`, the form's graph area or a presenter's; with `noClear` the picture
    // starts as what the area shows.
    FormSurface(CPlovexView& view, PictureStatic& area, bool noClear);

    void SetProgressRange(int low, int high) override;
    void SetProgressPos(int position) override;
    void ShowStatus(RenderStatus status) override;
    // Every few hundredths of a second the event loop runs, so that Esc, the wheel, a drag and
    // a close reach the window (see RenderingGuard); whether the form asked to stop.
    bool Stopped() override;

    // After the rendering: the graph area gets the finished picture and the bar its last
    // position, painted when the event loop runs again.
    void Finish();

private:
    void HandOver();
    void PaintIfDue();

    CPlovexView& m_view;
    PictureStatic& m_area;
    QElapsedTimer m_sincePainted;
    QElapsedTimer m_sinceEvents;
    std::vector<QWidget*> m_unpainted;
    int m_progressPos = 0;
    unsigned m_callsSinceCheck = 0;
};

} // namespace plovex
