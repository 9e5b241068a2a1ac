#include "view/CPlovexView.h"

#include "app/CPlovexDoc.h"
#include "app/DocumentCodec.h"
#include "app/ImageExport.h"
#include "engine/Evaluator.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "platform/ByteText.h"
#include "platform/FileDialogService.h"
#include "platform/FileStore.h"
#include "platform/MessageService.h"
#include "platform/PictureStatic.h"
#include "platform/PrintDialogService.h"
#include "platform/StringTable.h"
#include "platform/VectorState.h"
#include "res/Resource.h"
#include "view/CInputDlg.h"
#include "view/CTableQuestionDlg.h"
#include "view/CValueTableDlg.h"
#include "view/DrawingSurface.h"
#include "view/FormSurface.h"
#include "view/FormTemplates.h"
#include "view/GraphDescription.h"
#include "view/GraphPage.h"
#include "view/GraphRenderer.h"
#include "view/Integration.h"
#include "view/PointerReadout.h"
#include "view/ValueTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
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

// The number boxes whose values a document stores.
constexpr int kSettingBoxes[] = {
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
    for (const int id : kSettingBoxes) {
        auto* box = qobject_cast<QLineEdit*>(GetDlgItem(id));
        connect(box, &QLineEdit::textEdited, this, &CPlovexView::OnSettingEdited);
    }
    auto* expressionBox = qobject_cast<QLineEdit*>(GetDlgItem(res::kExpressionEdit));
    // Every expression a document can hold fits, so nothing is ever cut off.
    expressionBox->setMaxLength(static_cast<int>(kMaxDocumentBytes));
    connect(expressionBox, &QLineEdit::textEdited, this, &CPlovexView::OnExpressionEdited);
    connect(&m_document, &CPlovexDoc::ExpressionChanged, this,
        &CPlovexView::OnDocumentExpressionChanged);
    // Attaches the control objects and shows the defaults.
    UpdateData(false);
    CreateGraphMenu();
}

void CPlovexView::CreateGraphMenu()
{
    m_graphMenu = new QMenu(this);
    const auto add = [this](int id, const char* text, void (CPlovexView::*handler)()) {
        QAction* action = m_graphMenu->addAction(text);
        action->setData(id);
        action->setStatusTip(LoadString(id).section('\n', 0, 0));
        connect(action, &QAction::triggered, this, handler);
    };
    add(res::kCmdCopyGraph, "&Copy Graph", &CPlovexView::OnCopyGraph);
    add(res::kCmdExportGraph, "&Export Graph...", &CPlovexView::OnExportGraph);
    add(res::kCmdFilePrint, "&Print...", &CPlovexView::OnFilePrint);
}

void CPlovexView::OnInitialUpdate()
{
    UpdateData(false);
    const CPlovexDoc& document = GetDocument();
    m_expression = document.Expression();
    m_xScale = document.Settings().xScale;
    m_yScale = document.Settings().yScale;
    m_quality = document.Settings().quality;
    m_implicit = document.Settings().implicit;
    UpdateData(false);
    EnableExplicitCommands();
    OnPlot();
}

void CPlovexView::StoreSettings()
{
    GetDocument().SetSettings({ m_xScale, m_yScale, m_quality, m_implicit });
}

// The document follows the box as the user types, so that Save writes what the box shows and
// closing asks to save what was typed.
void CPlovexView::OnExpressionEdited()
{
    ReadControlsQuietly();
    GetDocument().SetExpression(m_expression);
}

void CPlovexView::OnSettingEdited()
{
    ReadControlsQuietly();
    StoreSettings();
}

// Another form of the document changed its text: every form shows the same.
void CPlovexView::OnDocumentExpressionChanged()
{
    if (m_expression == GetDocument().Expression())
        return;
    m_expression = GetDocument().Expression();
    SetDlgItemText(res::kExpressionEdit, m_expression);
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
    StoreSettings();
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
    StoreSettings();
    UpdateData(false);
    // The queue of the last parse, whatever the expression box holds now.
    DrawGraph();
    UpdateData(false);
}

void CPlovexView::OnViewGrid()
{
    if (!UpdateData(true))
        return;
    DrawGraph();
    UpdateData(false);
}

void CPlovexView::OnImplicit()
{
    // After a failed read m_implicit keeps its value: the check box comes after the numbers.
    UpdateData(true);
    StoreSettings();
    EnableExplicitCommands();
}

void CPlovexView::EnableExplicitCommands()
{
    for (const int id : kExplicitOnly)
        GetDlgItem(id)->setEnabled(!m_implicit);
}

void CPlovexView::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(event->position().toPoint());
}

void CPlovexView::leaveEvent(QEvent* event)
{
    emit Readout(QString());
    FormView::leaveEvent(event);
}

void CPlovexView::OnMouseMove(const QPoint& point)
{
    // Every movement reads the form, so a prompt here would come back at each one and trap
    // the user: a box that holds no number keeps its field's value instead.
    ReadControlsQuietly();
    const QSize client = m_graphArea->ClientSize();
    const QPoint pixel = m_graphArea->ToClient(*this, point);
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= client.width()
        || pixel.y() >= client.height()) {
        emit Readout(QString());
        return;
    }
    const int hw = client.width() / 2;
    const int hh = client.height() / 2;
    emit Readout(QString::fromStdString(
        PointerReadoutText(pixel.x() - hw, hh - pixel.y(), m_xScale, m_yScale)));
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

void CPlovexView::contextMenuEvent(QContextMenuEvent* event)
{
    // The graph area lets the mouse through to the form; the menu belongs to it alone.
    const QRect area = m_graphArea->geometry();
    if (event->reason() == QContextMenuEvent::Mouse && !area.contains(event->pos())) {
        FormView::contextMenuEvent(event);
        return;
    }
    const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                  : mapToGlobal(area.center());
    m_graphMenu->popup(at);
}

QImage CPlovexView::GraphPicture() const
{
    return m_graphArea->Picture();
}

QString CPlovexView::DrawnFunction() const
{
    return m_drawnExpression.empty() ? QString("0") : BytesToText(m_drawnExpression);
}

bool CPlovexView::CheckDrawnExplicit()
{
    if (m_drawnImplicit) {
        Messages().MessageBox(this,
            "Roots, extrema and tables of values are found for explicit functions: clear "
            "Implicit function and plot.");
    }
    return !m_drawnImplicit;
}

std::vector<float> CPlovexView::VisibleColumns() const
{
    return ColumnXs(m_graphArea->ClientSize().width(), m_drawnXScale);
}

PointList CPlovexView::FindPoints(bool roots, bool extrema)
{
    const Program program = Program::Compile(GetDocument().PostfixQueue());
    const bool derivative = m_drawnDerivative;
    const ValueAt valueAt = [&](float x) { return program.Evaluate(derivative, x, 0.0f); };
    const std::vector<float> columns = VisibleColumns();
    std::vector<FoundPoint> found;
    if (roots)
        found = FindRoots(valueAt, columns);
    if (extrema) {
        const std::vector<FoundPoint> more = FindExtrema(valueAt, columns);
        found.insert(found.end(), more.begin(), more.end());
    }
    PointList list = InOrderOfX(std::move(found));
    // Where the renderer would put each point: pixel offsets from the origin, scaled.
    const QSize client = m_graphArea->ClientSize();
    QList<QPointF> marks;
    for (const FoundPoint& point : list.points) {
        marks << QPointF(client.width() / 2 + static_cast<double>(point.x) * m_drawnXScale,
            client.height() / 2 - point.y * m_drawnYScale);
    }
    m_graphArea->SetMarks(marks, QColor(kCurve.red, kCurve.green, kCurve.blue));
    return list;
}

void CPlovexView::OnTableOfValues()
{
    if (!CheckDrawnExplicit())
        return;
    CTableQuestionDlg question(window());
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
        Messages().MessageBox(this, QString::fromStdString(TableRefusalText(table.refusal)));
    }
    const Program program = Program::Compile(GetDocument().PostfixQueue());
    const bool derivative = m_drawnDerivative;
    const std::vector<TableRow> rows = TabulateValues(
        table.xs, [&](float x) { return program.Evaluate(derivative, x, 0.0f); },
        [&](float x) { return program.Evaluate(true, x, 0.0f); });
    CValueTableDlg dialog(
        m_drawnDerivative ? "d/dx (" + DrawnFunction() + ")" : DrawnFunction(), rows, window());
    Messages().RunModal(dialog);
}

QString CPlovexView::GraphCaption() const
{
    const QString expression = DrawnFunction();
    if (m_drawnImplicit)
        return expression + " = 0";
    if (m_drawnDerivative)
        return "y = d/dx (" + expression + ")";
    return "y = " + expression;
}

void CPlovexView::OnCopyGraph()
{
    QGuiApplication::clipboard()->setImage(GraphPicture());
}

void CPlovexView::OnExportGraph()
{
    // Beside the document's file, named after it: circle.pxg -> circle.png.
    const CPlovexDoc& document = GetDocument();
    QString proposed = QFileInfo(document.Title()).completeBaseName() + ".png";
    if (!document.PathName().isEmpty())
        proposed = QFileInfo(document.PathName()).dir().filePath(proposed);
    const QString path
        = FileDialogs().GetSaveFileName(window(), "Export Graph", proposed, ExportFilter(), "png");
    if (path.isEmpty())
        return;
    QString error;
    if (!ExportImage(GraphPicture(), path, error))
        Messages().MessageBox(this, error);
}

void CPlovexView::OnFilePrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(GetDocument().Title());
    if (PrintDialogs().SetUpPrinter(window(), printer))
        Print(printer);
}

void CPlovexView::OnFilePrintPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(GetDocument().Title());
    PrintDialogs().Preview(window(), printer, [this](QPrinter& pages) { Print(pages); });
}

void CPlovexView::Print(QPrinter& printer)
{
    // Printed to a file: a FIFO would hold the window until another program reads it.
    const QString file = printer.outputFileName();
    if (const std::optional<QString> special
        = file.isEmpty() ? std::nullopt : SpecialFileReason(file)) {
        Messages().MessageBox(this,
            QString("Cannot print the graph to \"%1\".\n\n%2")
                .arg(QDir::toNativeSeparators(file), *special));
        return;
    }
    if (!PrintGraphPage(printer, GraphPicture(), GraphCaption()))
        Messages().MessageBox(this, "Cannot print the graph: the printer did not accept the page.");
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
    // The expression the box shows, as Evaluate does: never a result for a text the user no
    // longer sees.
    UpdateData(true);
    ParseExpression();
    UpdateData(false);
    // The dialogs have just painted; the integration's evaluations must not pay for it.
    ClearUpperVectorState();
    const Integral integral
        = Integrate(Program::Compile(GetDocument().PostfixQueue()), lower, upper);
    ShowResult(integral.sum);
    if (integral.stoppedAt) {
        Messages().MessageBox(this,
            QString::fromStdString(IntegralStopText(*integral.stoppedAt, upper, FormatFixed)));
    }
}

void CPlovexView::ShowResult(double value)
{
    Messages().MessageBox(this, QString::fromStdString(FormatFixed(value)));
}

void CPlovexView::ParseExpression()
{
    CPlovexDoc& document = GetDocument();
    document.SetExpression(m_expression);
    document.SetParsedExpression(m_expression);
    const ParseResult result = Parse(
        m_expression, m_implicit, document.PostfixQueue(), document.OperatorStack(), m_postfix);
    if (!result.Ok())
        Messages().MessageBox(this, BytesToTextAs(result.message, m_expression));
}

double CPlovexView::Evaluate(float x, float y, bool subCall) const
{
    return plovex::Evaluate(GetDocument().PostfixQueue(), m_derivative, x, y, subCall);
}

void CPlovexView::DrawGraph()
{
    const Program program = Program::Compile(GetDocument().PostfixQueue());
    m_drawnExpression = GetDocument().ParsedExpression();
    m_drawnImplicit = m_implicit;
    m_drawnDerivative = m_derivative;
    m_drawnXScale = m_xScale;
    m_drawnYScale = m_yScale;
    FormSurface surface(*this);
    const RenderTotals totals = plovex::DrawGraph(*this, program, surface);
    surface.Finish();
    m_graphArea->SetDescription(
        BytesToText(DescribeGraph(GetDocument().ParsedExpression(), *this)));
    // Said once the picture and its statistics show: the graph ends where the sweep stalled.
    if (totals.sweepStalledAt) {
        UpdateData(false);
        Messages().MessageBox(
            this, QString::fromStdString(SweepStallText(m_quality, *totals.sweepStalledAt)));
    }
}

} // namespace plovex
