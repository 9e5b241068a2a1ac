#include "view/CDocumentExchange.h"

#include "engine/Numbers.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <QAbstractButton>

namespace plovex {
namespace {

// What implicit mode disables, in the order the controls are switched.
constexpr int kExplicitOnly[] = {
    res::kEvaluateButton,
    res::kEvalDerivativeButton,
    res::kIntegrateButton,
    res::kPlotDerivativeButton,
    res::kQualityEdit,
};

} // namespace

void CDocumentExchange::Load() const
{
    const CPlovexDoc& document = m_view.GetDocument();
    m_view.m_expression = document.Expression(m_view.SelectedFunction());
    m_view.m_xScale = document.View().xScale;
    m_view.m_yScale = document.View().yScale;
    m_view.m_quality = document.View().quality;
    m_view.m_xOffset = document.View().xOffset;
    m_view.m_yOffset = document.View().yOffset;
    m_view.m_implicit = document.Function(m_view.SelectedFunction()).kind == CurveKind::Implicit;
}

void CDocumentExchange::StoreSettings() const
{
    m_view.GetDocument().SetView(m_view.CurrentView());
    m_view.GetDocument().SetImplicit(m_view.SelectedFunction(), m_view.m_implicit);
}

void CDocumentExchange::ExpressionEdited() const
{
    m_view.ReadControlsQuietly();
    m_view.GetDocument().SetExpression(m_view.m_expression, m_view.SelectedFunction());
}

void CDocumentExchange::SettingEdited() const
{
    m_view.ReadControlsQuietly();
    StoreSettings();
}

void CDocumentExchange::ChangeScale(float FormFields::*scale, float change) const
{
    if (!m_view.UpdateData(true))
        return;
    // No limit either way: 0 and negative scales are drawn as they come.
    m_view.*scale = ToFloat(static_cast<double>(m_view.*scale) + change);
    {
        const CPlovexDoc::StepScope step(m_view.GetDocument(), UndoStep::ChangeScale);
        StoreSettings();
    }
    m_view.UpdateData(false);
    // The queue of the last parse, whatever the expression box holds now.
    m_view.DrawGraph();
    m_view.UpdateData(false);
    m_view.m_navigation.Record();
}

void CDocumentExchange::KindChosen() const
{
    // After a failed read m_implicit keeps its value: the check box comes after the numbers.
    m_view.UpdateData(true);
    {
        const CPlovexDoc::StepScope step(m_view.GetDocument(), UndoStep::ChangeKind);
        StoreSettings();
    }
    EnableExplicitCommands();
}

void CDocumentExchange::EnableExplicitCommands() const
{
    // A curve of t has no value at an x to evaluate, integrate or differentiate; its quality
    // still sets its number of samples, and it is never implicit.
    const bool curve
        = SweepsParameter(m_view.GetDocument().Function(m_view.SelectedFunction()).kind);
    for (const int id : kExplicitOnly)
        m_view.GetDlgItem(id)->setEnabled(
            !m_view.m_implicit && (!curve || id == res::kQualityEdit));
    m_view.GetDlgItem(res::kImplicitCheck)->setEnabled(!curve);
}

// Every form of the document shows the same text and kind for the selected function.
void CDocumentExchange::FunctionChanged(std::size_t index) const
{
    if (index != m_view.SelectedFunction())
        return;
    const GraphFunction& function = m_view.GetDocument().Function(index);
    if (m_view.m_expression != function.expression) {
        m_view.m_expression = function.expression;
        m_view.SetDlgItemText(res::kExpressionEdit, m_view.m_expression);
    }
    if (m_view.m_implicit != (function.kind == CurveKind::Implicit)) {
        m_view.m_implicit = function.kind == CurveKind::Implicit;
        qobject_cast<QAbstractButton*>(m_view.GetDlgItem(res::kImplicitCheck))
            ->setChecked(m_view.m_implicit);
        EnableExplicitCommands();
    }
}

// New names change what the last parses read, and so the postfix text shown.
void CDocumentExchange::ShowPostfix() const
{
    m_view.m_postfix = m_view.GetDocument().Function(m_view.SelectedFunction()).PostfixText();
    m_view.SetDlgItemText(res::kPostfixEdit, m_view.m_postfix);
}

// The form shows the document as it now is, and draws it once the document's drawing has
// changed. Scales the step did not change stay the form's own.
void CDocumentExchange::Restored(bool scales, std::size_t changedAt) const
{
    m_view.ReadControlsQuietly();
    m_view.m_functions.Restored(changedAt);
    if (scales) {
        m_view.m_xScale = m_view.GetDocument().View().xScale;
        m_view.m_yScale = m_view.GetDocument().View().yScale;
        m_view.m_quality = m_view.GetDocument().View().quality;
    }
    m_view.m_functions.ShowSelected();
}

} // namespace plovex
