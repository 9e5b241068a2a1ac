#pragma once

#include "platform/ImageSurface.h"

#include <QElapsedTimer>

namespace plovex {

class CPlovexView;

// The graph form as the renderer draws on it. The picture grows in an image that starts as
// what the graph area shows; the graph area, the progress bar and the pushed fields are
// painted at once, without handling events, but the picture and the bar at most about once
// per frame a person can see, so painting stays cheap beside the sampling.
class FormSurface : public ImageSurface {
public:
    explicit FormSurface(CPlovexView& view);

    void SetPixel(int x, int y, Rgb colour) override;
    void SetProgressRange(int low, int high) override;
    void SetProgressPos(int position) override;
    void PushFields() override;

private:
    void ShowIfDue();
    void Show();

    CPlovexView& m_view;
    QElapsedTimer m_sinceShown;
    int m_progressPos = 0;
    unsigned m_pixelsSinceCheck = 0;
};

} // namespace plovex
