#include "view/CGraphRendering.h"

#include "engine/Numbers.h"
#include "platform/ByteText.h"
#include "platform/MessageService.h"
#include "platform/PictureStatic.h"
#include "render/GraphRenderer.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
#include "view/EngineTexts.h"
#include "view/HeldInput.h"
#include "view/RenderingGuard.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace plovex {
namespace {

// A form that follows its document waits this long while a rendering runs.
constexpr int kCatchUpRetryMilliseconds = 50;

// A function's line of the caption, as it was last parsed, its bytes shown faithfully; a
// curve's range of t runs from its start to its end: "r = t/2; t: 0 \u2192 6.2831855".
QString FunctionCaption(const GraphFunction& function, bool derivative)
{
    const auto shown = [&function](int part) {
        const std::string& expression = function.ParsedExpression(part);
        return expression.empty() ? QString("0") : BytesToText(expression);
    };
    if (SweepsParameter(function.kind)) {
        const ParameterRange& range = function.ParsedRange();
        const QString t = QString("; t: %1 \u2192 %2")
                              .arg(QString::fromStdString(FormatField(range.start)),
                                  QString::fromStdString(FormatField(range.end)));
        if (function.kind == CurveKind::Polar)
            return "r = " + shown(0) + t;
        return "x = " + shown(0) + ", y = " + shown(1) + t;
    }
    if (function.kind == CurveKind::Implicit)
        return shown(0) + " = 0";
    if (derivative)
        return "y = d/dx (" + shown(0) + ")";
    return "y = " + shown(0);
}

} // namespace

void CGraphRendering::Draw()
{
    // Asked again while rendering (the view moved meanwhile): that rendering stops, and this
    // one follows once it has.
    if (m_rendering) {
        m_stopRequested = true;
        m_redrawWaiting = true;
        return;
    }
    m_rendering = true;
    std::optional<float> stalledAt;
    QPointer<QWidget> closing;
    {
        const RenderingGuard guard(m_view);
        do {
            m_redrawWaiting = false;
            m_stopRequested = false;
            stalledAt = m_view.RenderOnce();
        } while (m_redrawWaiting);
        m_rendering = false;
        m_stopRequested = false;
        closing = guard.Closing();
    }
    if (closing) {
        QTimer::singleShot(0, closing, [closing] { closing->close(); });
        return;
    }
    // Said once the picture and its statistics show: the graph ends where the sweep stalled.
    if (stalledAt) {
        m_view.UpdateData(false);
        Messages().MessageBox(&m_view, EngineTexts::SweepStall(m_view.m_quality, *stalledAt),
            MessageKind::Information);
    }
}

void CGraphRendering::FollowDocument()
{
    if (m_catchUpWaiting)
        return;
    m_catchUpWaiting = true;
    // After the command that changed the document has drawn its own form.
    QTimer::singleShot(0, &m_view, [this] { CatchUp(); });
}

void CGraphRendering::CatchUp()
{
    // Never in the middle of a rendering, this form's or another's.
    if (HeldInput::Instance().Rendering()) {
        QTimer::singleShot(kCatchUpRetryMilliseconds, &m_view, [this] { CatchUp(); });
        return;
    }
    m_catchUpWaiting = false;
    if (UpToDate())
        return;
    m_view.ReadControlsQuietly();
    m_view.Redraw();
}

bool CGraphRendering::UpToDate() const
{
    return m_drawnRevision == m_view.GetDocument().DrawingRevision();
}

void CGraphRendering::KeepUpToDate()
{
    m_drawnRevision = m_view.GetDocument().DrawingRevision();
}

void CGraphRendering::Begin()
{
    const CPlovexDoc& document = m_view.GetDocument();
    m_drawnRevision = document.DrawingRevision();
    // One function keeps the plain black caption; several are told apart by their colours.
    m_drawn.clear();
    for (std::size_t i = 0; i < document.Count(); ++i) {
        const GraphFunction& function = document.Function(i);
        if (!function.shown)
            continue;
        const Rgb colour = document.Count() > 1 ? function.colour : Rgb { 0, 0, 0 };
        m_drawn.push_back(
            { FunctionCaption(function, m_view.m_derivative && i == m_view.SelectedFunction()),
                QColor(colour.red, colour.green, colour.blue) });
    }
    m_drawnDerivative = m_view.m_derivative;
    m_drawnView = m_view.CurrentView();
    m_drawnGrid = m_view.m_grid;
}

QString CGraphRendering::Caption() const
{
    QStringList lines;
    for (const CaptionLine& line : m_drawn)
        lines << line.text;
    return lines.join('\n');
}

DrawnGraph CGraphRendering::Drawn() const
{
    const PictureStatic& area = m_view.GraphArea();
    const QSize client = area.ClientSize();
    DrawnGraph graph { m_drawnView, m_drawnGrid, {}, 0, client.width(), client.height(),
        area.Picture(), m_drawnRedrawable };
    const CPlovexDoc& document = m_view.GetDocument();
    graph.items = PlotItems(document.Model().Functions(), m_view.SelectedFunction(),
        m_drawnDerivative, graph.statisticsItem, document.Variables());
    return graph;
}

} // namespace plovex
