#pragma once

#include "render/DrawingSurface.h"
#include "view/AreaClearer.h"

#include <QImage>
#include <string>
#include <vector>

namespace plovex {

// A drawing surface on a QImage: pixels are set through scan lines, and everything that
// falls outside the image is clipped here. Repainting the form does nothing; a window's
// surface overrides it. Text needs a QGuiApplication: the
// labels' font is DejaVu Sans, drawn without smoothing and fully hinted, so the same text gives
// the same pixels on every platform plugin and desktop setting.
class ImageSurface : public DrawingSurface {
public:
    ImageSurface(int width, int height);

    // The picture. A copy shares the pixels until the next drawing call, which takes the
    // surface's own again; whoever holds the writable form may change any pixel, so the next
    // clear after it fills the whole area.
    const QImage& Image() const;
    QImage& Image();

    int Width() const override;
    int Height() const override;
    void SetFill(Rgb fill) override;
    void RestoreFill() override;
    void RepaintForm() override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Line(int x0, int y0, int x1, int y1) override;
    void SetPixel(int x, int y, Rgb colour) override;
    void SetPixels(const Pixel* pixels, std::size_t count, Rgb colour) override;
    void DrawIcon(int x, int y) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    TextSize MeasureText(const std::string& text) const override;
    void DrawText(int left, int top, const std::string& text, Rgb colour) override;

private:
    QRgb* Pixels();
    void Put(QRgb* pixels, int x, int y, QRgb colour);
    void DrawLine(int x0, int y0, int x1, int y1);

    QImage m_image;
    std::vector<Rgb> m_fills;
    int m_width;
    int m_height;
    // The image's own pixel memory, taken once rather than on every pixel.
    QRgb* m_pixels = nullptr;
    AreaClearer m_clearer;
};

} // namespace plovex
