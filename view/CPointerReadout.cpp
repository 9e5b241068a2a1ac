#include "view/CPointerReadout.h"

#include "platform/PictureStatic.h"
#include "render/PointerReadout.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace plovex {
namespace {

// Cut towards zero. A quotient that is infinite, not a number or beyond the int range (a
// zero or tiny scale) gives the lowest int, as the processor's conversion does.
int TruncateToInt(double quotient)
{
    if (!(quotient > -2147483649.0 && quotient < 2147483648.0))
        return std::numeric_limits<int>::min();
    return static_cast<int>(quotient);
}

} // namespace

void CPointerReadout::At(const QPoint& pixel) const
{
    // Every movement reads the form, so a prompt here would come back at each one and trap
    // the user: a box that holds no number keeps its field's value instead.
    m_view.ReadControlsQuietly();
    const QSize client = m_view.GraphArea().ClientSize();
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= client.width()
        || pixel.y() >= client.height()) {
        emit m_view.Readout(QString());
        return;
    }
    const int hw = client.width() / 2;
    const int hh = client.height() / 2;
    // From the pixel's offset plus the view's, as the renderer takes its samples; an unmoved
    // view adds nothing.
    const double px = pixel.x() - hw;
    const double py = hh - pixel.y();
    const double gxPixels = m_view.m_xOffset == 0.0 ? px : px + m_view.m_xOffset;
    const double gyPixels = m_view.m_yOffset == 0.0 ? py : py + m_view.m_yOffset;
    emit m_view.Readout(QString::fromStdString(
        PointerReadoutText(gxPixels, gyPixels, m_view.m_xScale, m_view.m_yScale)));
    const int gx = TruncateToInt(gxPixels / m_view.m_xScale);
    const int gy = TruncateToInt(gyPixels / m_view.m_yScale);
    char text[32];
    std::snprintf(text, sizeof text, "(%d,%d)", gx, gy);
    m_view.m_status = text;
    // A value that is not a number lies on no curve: the comparison fails for it. A curve of t
    // has no value at x to compare with: the readout only says where the pointer is.
    if (!SweepsParameter(m_view.GetDocument().Function(m_view.SelectedFunction()).kind)) {
        const double value = m_view.Evaluate(static_cast<float>(gx), 0.0f, false);
        if (std::fabs(gy - value) < 1.0)
            m_view.m_status += " *";
    }
    // Only the status changed; the boxes keep what the user is typing.
    m_view.SetDlgItemText(res::kStatusStatic, m_view.m_status);
}

} // namespace plovex
