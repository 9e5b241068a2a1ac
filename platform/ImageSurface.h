#pragma once

#include "view/DrawingSurface.h"

#include <QImage>
#include <vector>

namespace plovex {

// A drawing surface on a QImage: pixels are set through scan lines, and everything that
// falls outside the image is clipped here. The form parts (repaint, progress, pushing the
// fields) do nothing; a window's surface overrides them.
class ImageSurface : public DrawingSurface {
public:
    ImageSurface(int width, int height);

    const QImage& Image() const { return m_image; }
    QImage& Image() { return m_image; }

    int Width() const override;
    int Height() const override;
    void SetFill(Rgb fill) override;
    void RestoreFill() override;
    void RepaintForm() override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Line(int x0, int y0, int x1, int y1) override;
    void SetPixel(int x, int y, Rgb colour) override;
    void DrawIcon(int x, int y) override;
    void SetProgressRange(int low, int high) override;
    void SetProgressPos(int position) override;
    void PushFields() override;

private:
    QImage m_image;
    std::vector<Rgb> m_fills;
};

} // namespace plovex
