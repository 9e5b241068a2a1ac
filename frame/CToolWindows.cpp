#include "frame/CToolWindows.h"

#include "engine/Numbers.h"
#include "frame/CMainFrame.h"
#include "frame/CPointsDlg.h"
#include "help/CHelpDlg.h"
#include "platform/MessageService.h"
#include "platform/ToolWindow.h"
#include "view/CPlovexView.h"
#include "view/EngineTexts.h"

namespace plovex {

CToolWindows::CToolWindows(CMainFrame& frame)
    : QObject(&frame)
    , m_frame(frame)
    , m_helpWindow(new CHelpDlg(&frame))
    , m_pointsWindow(new CPointsDlg(&frame))
{ }

void CToolWindows::ShowHelp()
{
    ShowToolWindow(*m_helpWindow);
}

void CToolWindows::HideAll()
{
    m_helpWindow->hide();
    m_pointsWindow->hide();
}

void CToolWindows::FindPoints(PointSearch kinds)
{
    using Kinds = PointSearch;
    CPlovexView* view = m_frame.ActiveView();
    if (!view || !view->Tools().CheckDrawnExplicit())
        return;
    if (kinds == Kinds::Intersections && view->Tools().IntersectionPartners().empty()) {
        Messages().MessageBox(view,
            tr("There is no other shown explicit function in this graph to meet: add one with "
               "New Function, or show one in the function list."),
            MessageKind::Refusal);
        return;
    }
    const PointList list = view->Tools().FindPoints(kinds);
    const std::vector<float> columns = view->Tools().VisibleColumns();
    // Whole phrases, each with the one before it as %1, so that a language can order them.
    QString summary = kinds == Kinds::Roots ? tr("Roots of %1")
        : kinds == Kinds::Extrema           ? tr("Minima and maxima of %1")
                                            : tr("Intersections of %1");
    summary = summary.arg(view->DrawnCurve());
    if (!columns.empty()) {
        summary = tr("%1 for x from %2 to %3")
                      .arg(summary, QString::fromStdString(FormatField(columns.front())),
                          QString::fromStdString(FormatField(columns.back())));
    }
    // The count in each language's plural form, and a phrase per kind, so that the words
    // agree with what was looked for (French "racines ... trouvées", "minimums ... trouvés").
    const int found = static_cast<int>(list.points.size());
    switch (kinds) {
    case Kinds::Roots:
        summary = found == 0 ? tr("%1: none found.", "roots").arg(summary)
                             : tr("%1: %n found.", "roots", found).arg(summary);
        break;
    case Kinds::Extrema:
        summary = found == 0 ? tr("%1: none found.", "minima and maxima").arg(summary)
                             : tr("%1: %n found.", "minima and maxima", found).arg(summary);
        break;
    case Kinds::Intersections:
        summary = found == 0 ? tr("%1: none found.", "intersections").arg(summary)
                             : tr("%1: %n found.", "intersections", found).arg(summary);
        break;
    }
    m_pointsWindow->SetPoints(view->DrawnFunction(), list.points, summary);
    ShowToolWindow(*m_pointsWindow);
    if (list.cut)
        Messages().MessageBox(view, EngineTexts::PointLimit(), MessageKind::Information);
}

} // namespace plovex
