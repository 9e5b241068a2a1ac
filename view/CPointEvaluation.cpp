#include "view/CPointEvaluation.h"

#include "engine/Numbers.h"
#include "platform/MessageService.h"
#include "platform/VectorState.h"
#include "render/FunctionValues.h"
#include "render/Integration.h"
#include "res/Resource.h"
#include "view/CInputDlg.h"
#include "view/CPlovexView.h"
#include "view/EngineTexts.h"

namespace plovex {
namespace {

constexpr const char* kEvaluatePrompt
    = QT_TRANSLATE_NOOP("plovex::CPlovexView", "Evaluate function for what value of x?");
constexpr const char* kEvaluateDerivativePrompt
    = QT_TRANSLATE_NOOP("plovex::CPlovexView", "Evaluate dy/dx for what value of x?");
constexpr const char* kLowerLimitPrompt
    = QT_TRANSLATE_NOOP("plovex::CPlovexView", "Enter lower limit for integration:");
constexpr const char* kUpperLimitPrompt
    = QT_TRANSLATE_NOOP("plovex::CPlovexView", "Enter upper limit for integration:");

} // namespace

void CPointEvaluation::Evaluate(bool derivative) const
{
    CInputDlg dialog(m_view.window());
    dialog.m_prompt
        = CPlovexView::tr(derivative ? kEvaluateDerivativePrompt : kEvaluatePrompt).toStdString();
    if (dialog.DoModal() != res::kIdOk)
        return;
    m_view.m_derivative = derivative;
    m_view.UpdateData(true);
    m_view.ParseExpression();
    m_view.UpdateData(false);
    ShowResult(m_view.Evaluate(dialog.m_value, 0.0f, false));
}

void CPointEvaluation::Integrate() const
{
    // One dialog for both questions: the second opens showing the lower limit.
    CInputDlg dialog(m_view.window());
    dialog.m_prompt = CPlovexView::tr(kLowerLimitPrompt).toStdString();
    if (dialog.DoModal() != res::kIdOk)
        return;
    const float lower = dialog.m_value;
    dialog.m_prompt = CPlovexView::tr(kUpperLimitPrompt).toStdString();
    if (dialog.DoModal() != res::kIdOk)
        return;
    const float upper = dialog.m_value;
    m_view.m_derivative = false;
    // The expression the box shows, as Evaluate does: never a result for a text the user no
    // longer sees.
    m_view.UpdateData(true);
    m_view.ParseExpression();
    m_view.UpdateData(false);
    const FunctionValues values = m_view.Values(m_view.SelectedFunction());
    // The dialogs have just painted; the integration's evaluations must not pay for it.
    ClearUpperVectorState();
    const Integral integral = plovex::Integrate(values, lower, upper);
    ShowResult(integral.sum);
    if (integral.stoppedAt) {
        Messages().MessageBox(&m_view, EngineTexts::IntegralStop(*integral.stoppedAt, upper),
            MessageKind::Information);
    }
}

void CPointEvaluation::ShowResult(double value) const
{
    Messages().MessageBox(&m_view, QString::fromStdString(FormatFixed(value)));
}

} // namespace plovex
