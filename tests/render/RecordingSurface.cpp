#include "RecordingSurface.h"

#include "render/FormFields.h"

namespace plovex {
namespace {

std::string Numbers(std::initializer_list<int> values)
{
    std::string text;
    for (int value : values)
        text += ' ' + std::to_string(value);
    return text;
}

} // namespace

RecordingSurface::RecordingSurface(int width, int height, FormFields& fields)
    : m_width(width)
    , m_height(height)
    , m_fields(fields)
{ }

std::vector<std::string> RecordingSurface::CallsOutsideSampling() const
{
    std::vector<std::string> calls;
    bool sampling = false;
    for (const std::string& call : m_calls) {
        if (call == "ShowStatus WORKING")
            sampling = true;
        else if (call.rfind("DrawIcon", 0) == 0)
            sampling = false;
        else if (sampling
            && (call.rfind("SetPixel", 0) == 0 || call.rfind("SetProgressPos", 0) == 0))
            continue;
        calls.push_back(call);
    }
    return calls;
}

void RecordingSurface::SetFill(Rgb fill)
{
    m_calls.push_back("SetFill" + Numbers({ fill.red, fill.green, fill.blue }));
}

void RecordingSurface::RestoreFill()
{
    m_calls.push_back("RestoreFill");
}

void RecordingSurface::RepaintForm()
{
    m_calls.push_back("RepaintForm");
}

void RecordingSurface::Rectangle(int left, int top, int right, int bottom)
{
    m_calls.push_back("Rectangle" + Numbers({ left, top, right, bottom }));
}

void RecordingSurface::Line(int x0, int y0, int x1, int y1)
{
    m_calls.push_back("Line" + Numbers({ x0, y0, x1, y1 }));
}

void RecordingSurface::SetPixel(int x, int y, Rgb colour)
{
    m_calls.push_back("SetPixel" + Numbers({ x, y, colour.red, colour.green, colour.blue }));
    m_pixels.emplace_back(x, y);
}

void RecordingSurface::DrawIcon(int x, int y)
{
    m_calls.push_back("DrawIcon" + Numbers({ x, y }));
}

void RecordingSurface::FillRect(int left, int top, int right, int bottom, Rgb colour)
{
    m_calls.push_back(
        "FillRect" + Numbers({ left, top, right, bottom, colour.red, colour.green, colour.blue }));
}

TextSize RecordingSurface::MeasureText(const std::string& text) const
{
    return { 6 * static_cast<int>(text.size()), 12 };
}

void RecordingSurface::DrawText(int left, int top, const std::string& text, Rgb colour)
{
    m_calls.push_back("DrawText" + Numbers({ left, top }) + ' ' + text
        + Numbers({ colour.red, colour.green, colour.blue }));
}

void RecordingSurface::SetProgressRange(int low, int high)
{
    m_calls.push_back("SetProgressRange" + Numbers({ low, high }));
}

void RecordingSurface::SetProgressPos(int position)
{
    m_calls.push_back("SetProgressPos" + Numbers({ position }));
    m_progress.push_back(position);
}

void RecordingSurface::ShowStatus(RenderStatus status)
{
    m_fields.m_status = StatusWord(status);
    // The statistics must not be in the fields yet at any status: the caller pushes them.
    m_calls.push_back("ShowStatus " + m_fields.m_status
        + (m_fields.m_info.state == InfoField::State::Empty ? "" : " info"));
}

} // namespace plovex
