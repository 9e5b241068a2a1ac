#include "view/FormSurface.h"

#include "platform/PictureStatic.h"
#include "view/CPlovexView.h"

#include <QProgressBar>
#include <utility>

namespace plovex {
namespace {

constexpr qint64 kFrameMilliseconds = 30;
// Reading the clock at every pixel would cost as much as a short evaluation.
constexpr unsigned kPixelsPerClockCheck = 256;

} // namespace

FormSurface::FormSurface(CPlovexView& view)
    : ImageSurface(view.m_graphArea->ClientSize().width(), view.m_graphArea->ClientSize().height())
    , m_view(view)
{
    // With "Do not clear previous graph" the new curve goes over the picture shown.
    Image() = m_view.m_graphArea->Picture();
    m_sinceShown.start();
}

void FormSurface::SetPixel(int x, int y, Rgb colour)
{
    ImageSurface::SetPixel(x, y, colour);
    if (++m_pixelsSinceCheck == kPixelsPerClockCheck) {
        m_pixelsSinceCheck = 0;
        ShowIfDue();
    }
}

void FormSurface::SetProgressRange(int low, int high)
{
    m_view.m_progress->setRange(low, high);
}

void FormSurface::SetProgressPos(int position)
{
    m_progressPos = position;
    ShowIfDue();
}

void FormSurface::PushFields()
{
    Show();
    m_view.PushFieldsNow();
}

void FormSurface::ShowIfDue()
{
    if (m_sinceShown.hasExpired(kFrameMilliseconds))
        Show();
}

void FormSurface::Show()
{
    // The bar repaints itself at once when the new position shows.
    m_view.m_progress->setValue(m_progressPos);
    // Shared, not copied: the next pixel detaches the surface's own image again.
    m_view.m_graphArea->SetPicture(std::as_const(*this).Image());
    m_view.m_graphArea->repaint();
    m_sinceShown.restart();
}

} // namespace plovex
