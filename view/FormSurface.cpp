#include "view/FormSurface.h"

#include "platform/PictureStatic.h"
#include "platform/VectorState.h"
#include "view/CPlovexView.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <utility>

namespace plovex {
namespace {

constexpr qint64 kFrameMilliseconds = 30;
// Well within the tenth of a second in which a window must answer.
constexpr qint64 kEventsMilliseconds = 30;
// At a high quality the bar is set hundreds of times to the same position in a row; the clock
// is read when it moves and now and then between.
constexpr unsigned kCallsPerClockCheck = 64;

} // namespace

FormSurface::FormSurface(CPlovexView& view, PictureStatic& area, bool noClear)
    : ImageSurface(area.ClientSize().width(), area.ClientSize().height())
    , m_view(view)
    , m_area(area)
{
    // With "Do not clear previous graph" the new curve goes over the picture shown; otherwise
    // the whole area is cleared first.
    if (noClear)
        Image() = m_area.Picture();
    m_sincePainted.start();
    m_sinceEvents.start();
}

bool FormSurface::Stopped()
{
    if (m_sinceEvents.hasExpired(kEventsMilliseconds)) {
        // The picture so far is what a repaint meanwhile shows.
        HandOver();
        QCoreApplication::processEvents();
        m_sinceEvents.restart();
        ClearUpperVectorState();
    }
    return m_view.StopRequested();
}

void FormSurface::SetProgressRange(int low, int high)
{
    m_view.m_progress->setRange(low, high);
    ClearUpperVectorState();
}

// The renderer moves the bar as the curve crosses every 25th column: often enough to look at
// the clock there, and pixels are left to go as fast as they can.
void FormSurface::SetProgressPos(int position)
{
    const bool moved = position != m_progressPos;
    m_progressPos = position;
    if (moved || ++m_callsSinceCheck == kCallsPerClockCheck) {
        m_callsSinceCheck = 0;
        PaintIfDue();
    }
}

void FormSurface::ShowStatus(RenderStatus status)
{
    m_view.m_status = StatusWord(status);
    for (QWidget* control : m_view.PushFields())
        m_unpainted.push_back(control);
    PaintIfDue();
    ClearUpperVectorState();
}

void FormSurface::Finish()
{
    HandOver();
}

// The picture so far (shared, not copied: the next pixel detaches the surface's own image
// again) and the bar's position, which the bar paints at once when the change shows.
void FormSurface::HandOver()
{
    m_area.SetPicture(std::as_const(*this).Image());
    m_view.m_progress->setValue(m_progressPos);
}

void FormSurface::PaintIfDue()
{
    if (!m_sincePainted.hasExpired(kFrameMilliseconds))
        return;
    HandOver();
    m_area.repaint();
    for (QWidget* control : m_unpainted)
        control->repaint();
    m_unpainted.clear();
    m_sincePainted.restart();
    // The sampling goes on from here on this thread.
    ClearUpperVectorState();
}

} // namespace plovex
