#pragma once

#include "render/DrawingSurface.h"
#include "render/RenderProgress.h"

#include <string>
#include <utility>
#include <vector>

namespace plovex {

struct FormFields;

// A drawing surface and progress watcher that only remembers: every call in order as a line of
// text, and the pixels and progress positions on their own for the tests that look at those
// alone.
class RecordingSurface : public DrawingSurface, public RenderProgress {
public:
    // `fields` takes the status word at every ShowStatus, as the form's do, and is read to record
    // what the controls would show.
    RecordingSurface(int width, int height, FormFields& fields);

    const std::vector<std::string>& Calls() const { return m_calls; }
    const std::vector<std::pair<int, int>>& Pixels() const { return m_pixels; }
    const std::vector<int>& Progress() const { return m_progress; }
    // Calls() without the SetPixel and SetProgressPos lines that sampling made.
    std::vector<std::string> CallsOutsideSampling() const;

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void SetFill(Rgb fill) override;
    void RestoreFill() override;
    void RepaintForm() override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Line(int x0, int y0, int x1, int y1) override;
    void SetPixel(int x, int y, Rgb colour) override;
    void DrawIcon(int x, int y) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    // Every character 6 pixels wide, the box 12 pixels high.
    TextSize MeasureText(const std::string& text) const override;
    void DrawText(int left, int top, const std::string& text, Rgb colour) override;
    void SetProgressRange(int low, int high) override;
    void SetProgressPos(int position) override;
    void ShowStatus(RenderStatus status) override;

private:
    int m_width;
    int m_height;
    FormFields& m_fields;
    std::vector<std::string> m_calls;
    std::vector<std::pair<int, int>> m_pixels;
    std::vector<int> m_progress;
};

} // namespace plovex
