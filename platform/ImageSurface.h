#pragma once

#include "view/DrawingSurface.h"

#include <QImage>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plovex {

// A drawing surface on a QImage: pixels are set through scan lines, and everything that
// falls outside the image is clipped here. The form parts (repaint, progress, pushing the
// fields) do nothing; a window's surface overrides them. Text needs a QGuiApplication: the
// labels' font is DejaVu Sans, drawn without smoothing and fully hinted, so the same text gives
// the same pixels on every platform plugin and desktop setting.
class ImageSurface : public DrawingSurface {
public:
    ImageSurface(int width, int height);

    // The picture. Whoever holds it may share or change it, so the next drawing call detaches
    // the pixels again, and after the writable form the next clear fills the whole area.
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
    void SetProgressRange(int low, int high) override;
    void SetProgressPos(int position) override;
    void PushFields() override;

private:
    // A rectangle of pixels, right and bottom excluded.
    struct Area {
        int left;
        int top;
        int right;
        int bottom;
    };

    QRgb* Pixels() { return m_pixels ? m_pixels : DetachPixels(); }
    QRgb* DetachPixels();
    void Put(int x, int y, QRgb colour, bool record);
    void DrawLine(int x0, int y0, int x1, int y1, bool record);
    void DrawOutline();
    void ClearWhole(QRgb fill);
    void Record(int x, int y);
    void Record(Area area);
    void Forget();

    QImage m_image;
    std::vector<Rgb> m_fills;
    int m_width;
    int m_height;
    // The image's own pixel memory, taken once rather than on every pixel; null once the
    // image was handed out.
    mutable QRgb* m_pixels = nullptr;
    // Set while the image is this fill with the outline of the whole area and, on top of
    // them, nothing outside the pixels and areas listed here: clearing the whole area again
    // then restores those alone instead of filling every pixel.
    std::optional<QRgb> m_clearedTo;
    std::vector<std::uint32_t> m_drawn;
    static constexpr std::uint32_t kNoPixel = 0xFFFFFFFF;
    std::uint32_t m_lastDrawn = kNoPixel;
    std::vector<Area> m_drawnAreas;
    // A listed pixel lies on the outline, which is then drawn again after the restore.
    bool m_outlineTouched = false;
};

} // namespace plovex
