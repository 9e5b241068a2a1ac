#include "view/CPlovexView.h"

#include "app/CPlovexDoc.h"
#include "engine/Evaluator.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "platform/MessageService.h"
#include "platform/PictureStatic.h"
#include "platform/VectorState.h"
#include "res/Resource.h"
#include "view/CInputDlg.h"
#include "view/FormSurface.h"
#include "view/FormTemplates.h"
#include "view/GraphRenderer.h"
#include "view/Integration.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <cmath>
#include <cstdio>
#include <limits>

namespace plovex {
namespace {

constexpr const char* kEvaluatePrompt = "Evaluate function for what value of x?";
constexpr const char* kEvaluateDerivativePrompt = "Evaluate dy/dx for what value of x?";
constexpr const char* kLowerLimitPrompt = "Enter lower limit for integration:";
constexpr const char* kUpperLimitPrompt = "Enter upper limit for integration:";

// The handler of each button's click.
struct Command {
    int id;
    void (CPlovexView::*handler)();
};

constexpr Command kMessageMap[] = {
    { res::kPlotButton, &CPlovexView::OnPlot },
    { res::kXScaleDownButton, &CPlovexView::OnXScaleDown },
    { res::kXScaleUpButton, &CPlovexView::OnXScaleUp },
    { res::kYScaleDownButton, &CPlovexView::OnYScaleDown },
    { res::kYScaleUpButton, &CPlovexView::OnYScaleUp },
    { res::kPlotDerivativeButton, &CPlovexView::OnPlotDerivative },
    { res::kEvaluateButton, &CPlovexView::OnEvaluate },
    { res::kEvalDerivativeButton, &CPlovexView::OnEvaluateDerivative },
    { res::kIntegrateButton, &CPlovexView::OnIntegrate },
    { res::kImplicitCheck, &CPlovexView::OnImplicit },
};

// What implicit mode disables, in the order the controls are switched.
constexpr int kExplicitOnly[] = {
    res::kEvaluateButton,
    res::kEvalDerivativeButton,
    res::kIntegrateButton,
    res::kPlotDerivativeButton,
    res::kQualityEdit,
};

// Enter in one of these boxes plots, as the Plot button does.
constexpr int kPlotOnEnter[] = {
    res::kExpressionEdit,
    res::kXScaleEdit,
    res::kYScaleEdit,
    res::kQualityEdit,
};

// Cut towards zero. A quotient that is infinite, not a number or beyond the int range (a
// zero or tiny scale) gives the lowest int, as the processor's conversion does.
int TruncateToInt(double quotient)
{
    if (!(quotient > -2147483649.0 && quotient < 2147483648.0))
        return std::numeric_limits<int>::min();
    return static_cast<int>(quotient);
}

} // namespace

CPlovexView::CPlovexView(CPlovexDoc& document, QWidget* parent)
    : FormView(GraphFormTemplate(), parent)
    , m_document(document)
{
    setMouseTracking(true);
    for (const Command& command : kMessageMap) {
        auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(command.id));
        connect(button, &QAbstractButton::clicked, this, command.handler);
    }
    for (const int id : kPlotOnEnter) {
        auto* box = qobject_cast<QLineEdit*>(GetDlgItem(id));
        connect(box, &QLineEdit::returnPressed, this, &CPlovexView::OnPlot);
    }
    // Attaches the control objects and shows the defaults.
    UpdateData(false);
}

void CPlovexView::OnInitialUpdate()
{
    UpdateData(false);
    m_expression = GetDocument().Expression();
    UpdateData(false);
    OnPlot();
}

void CPlovexView::DoDataExchange(DataExchange& exchange)
{
    exchange.Control(res::kProgressBar, m_progress);
    exchange.Control(res::kGraphArea, m_graphArea);
    exchange.Text(res::kExpressionEdit, m_expression);
    exchange.Text(res::kPostfixEdit, m_postfix);
    exchange.Check(res::kNoClearCheck, m_noClear);
    exchange.Text(res::kStatusStatic, m_status);
    exchange.Float(res::kXScaleEdit, m_xScale);
    exchange.Float(res::kYScaleEdit, m_yScale);
    exchange.Float(res::kQualityEdit, m_quality);
    exchange.Text(res::kInfoEdit, m_info);
    exchange.Check(res::kImplicitCheck, m_implicit);
}

void CPlovexView::OnPlot()
{
    Plot(false);
}

void CPlovexView::OnPlotDerivative()
{
    Plot(true);
}

void CPlovexView::Plot(bool derivative)
{
    m_derivative = derivative;
    // A failed read has shown its prompt; the plot goes on with the fields read so far.
    UpdateData(true);
    ParseExpression();
    // Also after a parse error: whatever the parse left in the queue is drawn.
    DrawGraph();
    UpdateData(false);
}

void CPlovexView::OnXScaleUp()
{
    ChangeScale(&FormFields::m_xScale, 1.0f);
}

void CPlovexView::OnXScaleDown()
{
    ChangeScale(&FormFields::m_xScale, -1.0f);
}

void CPlovexView::OnYScaleUp()
{
    ChangeScale(&FormFields::m_yScale, 1.0f);
}

void CPlovexView::OnYScaleDown()
{
    ChangeScale(&FormFields::m_yScale, -1.0f);
}

void CPlovexView::ChangeScale(float FormFields::*scale, float change)
{
    if (!UpdateData(true))
        return;
    // No limit either way: 0 and negative scales are drawn as they come.
    this->*scale = ToFloat(static_cast<double>(this->*scale) + change);
    UpdateData(false);
    // The queue of the last parse, whatever the expression box holds now.
    DrawGraph();
    UpdateData(false);
}

void CPlovexView::OnImplicit()
{
    // After a failed read m_implicit keeps its value: the check box comes after the numbers.
    UpdateData(true);
    for (const int id : kExplicitOnly)
        GetDlgItem(id)->setEnabled(!m_implicit);
}

void CPlovexView::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(event->position().toPoint());
}

void CPlovexView::OnMouseMove(const QPoint& point)
{
    // Every movement reads the form, so a prompt here would come back at each one and trap
    // the user: a box that holds no number keeps its field's value instead.
    ReadControlsQuietly();
    const QSize client = m_graphArea->ClientSize();
    const QPoint pixel = m_graphArea->ToClient(*this, point);
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= client.width()
        || pixel.y() >= client.height())
        return;
    const int hw = client.width() / 2;
    const int hh = client.height() / 2;
    const int gx = TruncateToInt(static_cast<double>(pixel.x() - hw) / m_xScale);
    const int gy = TruncateToInt(static_cast<double>(hh - pixel.y()) / m_yScale);
    char text[32];
    std::snprintf(text, sizeof text, "(%d,%d)", gx, gy);
    m_status = text;
    const double value = Evaluate(static_cast<float>(gx), 0.0f, false);
    // A value that is not a number lies on no curve: the comparison fails for it.
    if (std::fabs(gy - value) < 1.0)
        m_status += " *";
    // Only the status changed; the boxes keep what the user is typing.
    SetDlgItemText(res::kStatusStatic, m_status);
}

void CPlovexView::OnEvaluate()
{
    EvaluateAtPoint(kEvaluatePrompt, false);
}

void CPlovexView::OnEvaluateDerivative()
{
    EvaluateAtPoint(kEvaluateDerivativePrompt, true);
}

void CPlovexView::EvaluateAtPoint(const char* prompt, bool derivative)
{
    CInputDlg dialog(window());
    dialog.m_prompt = prompt;
    if (dialog.DoModal() != res::kIdOk)
        return;
    m_derivative = derivative;
    UpdateData(true);
    ParseExpression();
    UpdateData(false);
    ShowResult(Evaluate(dialog.m_value, 0.0f, false));
}

void CPlovexView::OnIntegrate()
{
    // One dialog for both questions: the second opens showing the lower limit.
    CInputDlg dialog(window());
    dialog.m_prompt = kLowerLimitPrompt;
    if (dialog.DoModal() != res::kIdOk)
        return;
    const float lower = dialog.m_value;
    dialog.m_prompt = kUpperLimitPrompt;
    if (dialog.DoModal() != res::kIdOk)
        return;
    const float upper = dialog.m_value;
    m_derivative = false;
    // The dialogs have just painted; the integration's evaluations must not pay for it.
    ClearUpperVectorState();
    // Neither reads the form nor parses: the queue of the last parse is integrated.
    ShowResult(Integrate(Program::Compile(GetDocument().PostfixQueue()), lower, upper));
}

void CPlovexView::ShowResult(double value)
{
    Messages().MessageBox(this, QString::fromStdString(FormatFixed(value)));
}

void CPlovexView::ParseExpression()
{
    CPlovexDoc& document = GetDocument();
    document.SetExpression(m_expression);
    const ParseResult result = Parse(
        m_expression, m_implicit, document.PostfixQueue(), document.OperatorStack(), m_postfix);
    if (!result.Ok())
        Messages().MessageBox(this, QString::fromStdString(result.message));
}

double CPlovexView::Evaluate(float x, float y, bool subCall) const
{
    return plovex::Evaluate(GetDocument().PostfixQueue(), m_derivative, x, y, subCall);
}

void CPlovexView::DrawGraph()
{
    const Program program = Program::Compile(GetDocument().PostfixQueue());
    FormSurface surface(*this);
    plovex::DrawGraph(*this, program, surface);
    surface.Finish();
}

} // namespace plovex
