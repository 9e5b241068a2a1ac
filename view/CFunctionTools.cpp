#include "view/CFunctionTools.h"

#include "platform/MessageService.h"
#include "platform/PictureStatic.h"
#include "render/FunctionValues.h"
#include "render/GraphCoordinates.h"
#include "render/ValueTable.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
#include "view/CTableQuestionDlg.h"
#include "view/CValueTableDlg.h"
#include "view/EngineTexts.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <utility>

namespace plovex {

bool CFunctionTools::CheckDrawnExplicit() const
{
    const CurveKind kind = m_view.GetDocument().Function(m_view.SelectedFunction()).kind;
    if (kind == CurveKind::Implicit) {
        Messages().MessageBox(&m_view,
            CPlovexView::tr(
                "Roots, extrema and tables of values are found for explicit functions: clear "
                "Implicit function and plot."),
            MessageKind::Refusal);
    } else if (kind != CurveKind::Explicit) {
        Messages().MessageBox(&m_view,
            CPlovexView::tr(
                "Roots, extrema and tables of values are found for explicit functions y = f(x), "
                "not for parametric or polar curves."),
            MessageKind::Refusal);
    }
    return kind == CurveKind::Explicit;
}

std::vector<std::size_t> CFunctionTools::IntersectionPartners() const
{
    std::vector<std::size_t> partners;
    for (std::size_t i = 0; i < m_view.GetDocument().Count(); ++i) {
        const GraphFunction& function = m_view.GetDocument().Function(i);
        if (i != m_view.SelectedFunction() && function.shown
            && function.kind == CurveKind::Explicit)
            partners.push_back(i);
    }
    return partners;
}

std::vector<float> CFunctionTools::VisibleColumns() const
{
    return ColumnXs(m_view.DrawnView(), m_view.GraphArea().ClientSize().width());
}

PointList CFunctionTools::FindPoints(PointSearch kinds) const
{
    const GraphFunction& selected = m_view.GetDocument().Function(m_view.SelectedFunction());
    // The selected function as drawn: its derivative after Plot dy/dx.
    const ValueAt valueAt
        = m_view.Values(m_view.SelectedFunction()).Along(m_view.DrawnDerivative());
    std::vector<PointPartner> partners;
    if (kinds == PointSearch::Intersections) {
        for (const std::size_t other : IntersectionPartners())
            partners.push_back({ m_view.Values(other).Along(false), static_cast<int>(other + 1) });
    }
    PointList list = SearchPoints(valueAt, VisibleColumns(), kinds == PointSearch::Roots,
        kinds == PointSearch::Extrema, partners);
    // Where the renderer would put each point: pixel offsets from the origin, scaled.
    const QSize client = m_view.GraphArea().ClientSize();
    QList<QPointF> marks;
    for (const FoundPoint& point : list.points) {
        marks << QPointF(client.width() / 2
                + static_cast<double>(point.x) * m_view.DrawnView().xScale
                - m_view.DrawnView().xOffset,
            client.height() / 2 - point.y * m_view.DrawnView().yScale + m_view.DrawnView().yOffset);
    }
    m_view.GraphArea().SetMarks(
        marks, QColor(selected.colour.red, selected.colour.green, selected.colour.blue));
    return list;
}

void CFunctionTools::TableOfValues()
{
    if (!CheckDrawnExplicit())
        return;
    CTableQuestionDlg question(m_view.window());
    question.m_from = m_tableFrom;
    question.m_to = m_tableTo;
    question.m_step = m_tableStep;
    TableXs table;
    // A refused table asks again, with the numbers as the user left them.
    for (;;) {
        if (question.DoModal() != res::kIdOk)
            return;
        m_tableFrom = question.m_from;
        m_tableTo = question.m_to;
        m_tableStep = question.m_step;
        table = MakeTableXs(question.m_from, question.m_to, question.m_step);
        if (table.refusal == TableRefusal::None)
            break;
        Messages().MessageBox(
            &m_view, EngineTexts::TableRefusalText(table.refusal), MessageKind::Refusal);
    }
    const FunctionValues values = m_view.Values(m_view.SelectedFunction());
    const std::vector<TableRow> rows
        = TabulateValues(table.xs, values.Along(m_view.DrawnDerivative()), values.Along(true));
    CValueTableDlg dialog(m_view.DrawnCurve(), rows, m_view.window());
    Messages().RunModal(dialog);
}

} // namespace plovex
