#include "view/CFunctionSelection.h"

#include "platform/ColourDialogService.h"
#include "platform/MessageService.h"
#include "res/Resource.h"
#include "view/CDocumentExchange.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
#include "view/EngineTexts.h"

#include <QColor>
#include <algorithm>
#include <cstdint>
#include <optional>

namespace plovex {

void CFunctionSelection::Select(std::size_t index)
{
    if (index >= m_view.GetDocument().Count())
        return;
    // The scales the boxes hold, as a scale button reads them; the text typed is already the
    // function's.
    m_view.ReadControlsQuietly();
    m_selected = index;
    ShowSelected();
    m_view.Redraw();
}

void CFunctionSelection::ShowSelected()
{
    emit m_view.SelectionChanged();
    const GraphFunction& function = m_view.GetDocument().Function(m_selected);
    m_view.m_expression = function.expression;
    m_view.m_implicit = function.kind == CurveKind::Implicit;
    m_view.m_postfix = function.PostfixText();
    m_view.UpdateData(false);
    CDocumentExchange(m_view).EnableExplicitCommands();
}

void CFunctionSelection::ParseOthers()
{
    CPlovexDoc& document = m_view.GetDocument();
    for (std::size_t i = 0; i < document.Count(); ++i) {
        if (i == m_selected || document.Function(i).ParsedExpression() == document.Expression(i))
            continue;
        const FunctionParse parse = document.Parse(i);
        if (!parse.Ok())
            Messages().MessageBox(&m_view, EngineTexts::ParseErrors(document.Function(i), parse),
                MessageKind::Refusal);
    }
}

void CFunctionSelection::AddFunction(CurveKind kind)
{
    m_view.ReadControlsQuietly();
    m_selected = m_view.GetDocument().AddFunction(m_selected, kind);
    ShowSelected();
    m_view.Redraw();
    m_view.GetDlgItem(res::kExpressionEdit)->setFocus();
}

void CFunctionSelection::DeleteFunction()
{
    m_view.ReadControlsQuietly();
    // The form follows the removal through the document's signal.
    m_view.GetDocument().DeleteFunction(m_selected);
    m_view.Redraw();
}

void CFunctionSelection::ChooseColour()
{
    const Rgb current = m_view.GetDocument().Function(m_selected).colour;
    const std::optional<QColor> chosen = ColourDialogs().GetColour(
        m_view.window(), QColor(current.red, current.green, current.blue));
    if (!chosen)
        return;
    SetColour(m_selected,
        { static_cast<std::uint8_t>(chosen->red()), static_cast<std::uint8_t>(chosen->green()),
            static_cast<std::uint8_t>(chosen->blue()) });
}

void CFunctionSelection::MoveFunction(int places)
{
    const auto to = static_cast<std::ptrdiff_t>(m_selected) + places;
    if (to < 0 || to >= static_cast<std::ptrdiff_t>(m_view.GetDocument().Count()))
        return;
    m_view.ReadControlsQuietly();
    m_view.GetDocument().MoveFunction(m_selected, static_cast<std::size_t>(to));
    m_view.Redraw();
}

void CFunctionSelection::SetColour(std::size_t index, Rgb colour)
{
    m_view.ReadControlsQuietly();
    m_view.GetDocument().SetColour(index, colour);
    m_view.Redraw();
}

void CFunctionSelection::SetShown(std::size_t index, bool shown)
{
    m_view.ReadControlsQuietly();
    m_view.GetDocument().SetShown(index, shown);
    m_view.Redraw();
}

void CFunctionSelection::Inserted(std::size_t index)
{
    if (index <= m_selected)
        ++m_selected;
    emit m_view.SelectionChanged();
}

// The selection stays on its function, or once that is gone, on the one that took its place.
void CFunctionSelection::Removed(std::size_t index)
{
    const bool removedSelected = index == m_selected;
    if (index < m_selected || m_selected == m_view.GetDocument().Count())
        --m_selected;
    if (removedSelected)
        ShowSelected();
    else
        emit m_view.SelectionChanged();
}

void CFunctionSelection::Moved(std::size_t from, std::size_t to)
{
    if (m_selected == from)
        m_selected = to;
    else if (from < m_selected && m_selected <= to)
        --m_selected;
    else if (to <= m_selected && m_selected < from)
        ++m_selected;
}

void CFunctionSelection::Restored(std::size_t changedAt)
{
    m_selected = std::min(m_selected, m_view.GetDocument().Count() - 1);
    if (changedAt < m_view.GetDocument().Count())
        m_selected = changedAt;
}

} // namespace plovex
