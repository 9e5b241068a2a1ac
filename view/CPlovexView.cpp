#include "view/CPlovexView.h"

#include "document/DocumentCodec.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "platform/ByteText.h"
#include "platform/MessageService.h"
#include "platform/PictureStatic.h"
#include "platform/StringTable.h"
#include "render/FunctionValues.h"
#include "render/GraphRenderer.h"
#include "res/Resource.h"
#include "view/CDocumentExchange.h"
#include "view/CGraphOutput.h"
#include "view/CPlovexDoc.h"
#include "view/CPointEvaluation.h"
#include "view/CPointerReadout.h"
#include "view/EngineTexts.h"
#include "view/FormSurface.h"
#include "view/FormTemplates.h"
#include "view/GraphDescription.h"
#include "view/ParameterQuestion.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QWheelEvent>

namespace plovex {
namespace {

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
        connect(box, &QLineEdit::textEdited, this,
            [this] { CDocumentExchange(*this).SettingEdited(); });
    }
    auto* expressionBox = qobject_cast<QLineEdit*>(GetDlgItem(res::kExpressionEdit));
    // Every expression a document can hold fits, so nothing is ever cut off.
    expressionBox->setMaxLength(static_cast<int>(kMaxDocumentBytes));
    connect(expressionBox, &QLineEdit::textEdited, this,
        [this] { CDocumentExchange(*this).ExpressionEdited(); });
    connect(&m_document, &CPlovexDoc::FunctionChanged, this,
        [this](std::size_t index) { CDocumentExchange(*this).FunctionChanged(index); });
    connect(&m_document, &CPlovexDoc::FunctionInserted, this,
        [this](std::size_t index) { m_functions.Inserted(index); });
    connect(&m_document, &CPlovexDoc::FunctionRemoved, this,
        [this](std::size_t index) { m_functions.Removed(index); });
    connect(
        &m_document, &CPlovexDoc::DrawingChanged, this, [this] { m_rendering.FollowDocument(); });
    connect(&m_document, &CPlovexDoc::Restored, this, [this](bool scales, std::size_t changedAt) {
        CDocumentExchange(*this).Restored(scales, changedAt);
    });
    const auto showPostfix = [this] { CDocumentExchange(*this).ShowPostfix(); };
    connect(&m_document, &CPlovexDoc::ParameterInserted, this, showPostfix);
    connect(&m_document, &CPlovexDoc::ParameterRemoved, this, showPostfix);
    connect(&m_document, &CPlovexDoc::ParameterChanged, this, showPostfix);
    connect(&m_document, &CPlovexDoc::FunctionMoved, this,
        [this](std::size_t from, std::size_t to) { m_functions.Moved(from, to); });
    // Attaches the control objects and shows the defaults.
    UpdateData(false);
    // The graph takes the focus from Tab, after the quality box, and from a click, so that
    // the arrow keys can move the view.
    m_graphArea->setFocusPolicy(Qt::TabFocus);
    CreateGraphMenu();
}

void CPlovexView::CreateGraphMenu()
{
    m_graphMenu = new QMenu(this);
    const auto add = [this](int id, const QString& text, void (CPlovexView::*handler)()) {
        QAction* action = m_graphMenu->addAction(text);
        action->setData(id);
        action->setStatusTip(LoadString(id).section('\n', 0, 0));
        connect(action, &QAction::triggered, this, handler);
    };
    add(res::kCmdCopyGraph, tr("&Copy Graph"), &CPlovexView::OnCopyGraph);
    add(res::kCmdExportGraph, tr("&Export Graph..."), &CPlovexView::OnExportGraph);
    add(res::kCmdFilePrint, tr("&Print..."), &CPlovexView::OnFilePrint);
}

void CPlovexView::OnInitialUpdate()
{
    UpdateData(false);
    CDocumentExchange(*this).Load();
    m_navigation.StartHistory(CurrentView());
    UpdateData(false);
    CDocumentExchange(*this).EnableExplicitCommands();
    m_functions.ParseOthers();
    // As Plot does, but an opened document's unknown names are reported, not offered.
    Plot(false, false);
}

void CPlovexView::DoDataExchange(DataExchange& exchange)
{
    exchange.Control(res::kProgressBar, m_progress);
    exchange.Control(res::kGraphArea, m_graphArea);
    exchange.Text(res::kExpressionEdit, m_expression);
    exchange.Text(res::kPostfixEdit, m_postfix);
    exchange.Check(res::kNoClearCheck, m_noClear);
    exchange.Display(res::kStatusStatic, m_status, &EngineTexts::Status);
    exchange.Float(res::kXScaleEdit, m_xScale);
    exchange.Float(res::kYScaleEdit, m_yScale);
    exchange.Float(res::kQualityEdit, m_quality);
    exchange.Display(res::kInfoEdit, m_info, &EngineTexts::Statistics);
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

void CPlovexView::Plot(bool derivative, bool offerParameters)
{
    m_derivative = derivative;
    {
        // What Plot stores is one step: undone, the graph is as it was plotted before.
        const CPlovexDoc::StepScope step(GetDocument(), UndoStep::Plot);
        // A failed read has shown its prompt; the plot goes on with the fields read so far.
        UpdateData(true);
        CDocumentExchange(*this).StoreSettings();
        ParseExpression(offerParameters);
        GetDocument().SetShown(SelectedFunction(), true);
    }
    // Also after a parse error: whatever the parse left in the queue is drawn.
    DrawGraph();
    UpdateData(false);
    // What was typed is now a step of the document's undo list: Ctrl+Z in the box undoes that
    // step, not the typing a second time.
    auto* box = qobject_cast<QLineEdit*>(GetDlgItem(res::kExpressionEdit));
    if (box->isUndoAvailable() || box->isRedoAvailable()) {
        const int cursor = box->cursorPosition();
        box->setText(box->text());
        box->setCursorPosition(cursor);
    }
    // Scales typed and plotted are a change of the view.
    m_navigation.Record();
}

void CPlovexView::SelectFunction(std::size_t index)
{
    m_functions.Select(index);
}

// As a scale button draws: the last parse of every function, whatever the boxes hold now.
void CPlovexView::Redraw()
{
    DrawGraph();
    UpdateData(false);
}

void CPlovexView::OnNewFunction()
{
    OnNewFunctionOfKind(CurveKind::Explicit);
}

void CPlovexView::OnNewFunctionOfKind(CurveKind kind)
{
    m_functions.AddFunction(kind);
}

void CPlovexView::OnDeleteFunction()
{
    m_functions.DeleteFunction();
}

void CPlovexView::OnFunctionColour()
{
    m_functions.ChooseColour();
}

void CPlovexView::OnMoveFunctionUp()
{
    m_functions.MoveFunction(-1);
}

void CPlovexView::OnMoveFunctionDown()
{
    m_functions.MoveFunction(1);
}

void CPlovexView::SetFunctionColour(std::size_t index, Rgb colour)
{
    m_functions.SetColour(index, colour);
}

void CPlovexView::SetFunctionShown(std::size_t index, bool shown)
{
    m_functions.SetShown(index, shown);
}

void CPlovexView::OnXScaleUp()
{
    CDocumentExchange(*this).ChangeScale(&FormFields::m_xScale, 1.0f);
}

void CPlovexView::OnXScaleDown()
{
    CDocumentExchange(*this).ChangeScale(&FormFields::m_xScale, -1.0f);
}

void CPlovexView::OnYScaleUp()
{
    CDocumentExchange(*this).ChangeScale(&FormFields::m_yScale, 1.0f);
}

void CPlovexView::OnYScaleDown()
{
    CDocumentExchange(*this).ChangeScale(&FormFields::m_yScale, -1.0f);
}

PictureStatic& CPlovexView::GraphArea() const
{
    return m_presenter ? *m_presenter : *m_graphArea;
}

void CPlovexView::SetPresenter(PictureStatic* area)
{
    m_presenter = area;
    m_navigation.ForgetPointer();
    // The pointer is over neither area until it moves again.
    emit Readout(QString());
}

std::optional<QPoint> CPlovexView::OwnAreaPixel(const QPointF& point) const
{
    // While a presenter shows the graph, the form's own area shows nothing to act on.
    if (m_presenter)
        return std::nullopt;
    return m_graphArea->ToClient(*this, point.toPoint());
}

void CPlovexView::OnZoomIn()
{
    m_navigation.ZoomIn();
}

void CPlovexView::OnZoomOut()
{
    m_navigation.ZoomOut();
}

void CPlovexView::OnResetView()
{
    m_navigation.ResetView();
}

void CPlovexView::OnEqualScales()
{
    m_navigation.EqualScales();
}

void CPlovexView::OnViewBack()
{
    m_navigation.Back();
}

void CPlovexView::OnViewForward()
{
    m_navigation.Forward();
}

void CPlovexView::wheelEvent(QWheelEvent* event)
{
    const std::optional<QPoint> pixel = OwnAreaPixel(event->position());
    if (!pixel || !WheelAt(*pixel, event->angleDelta(), event->modifiers())) {
        FormView::wheelEvent(event);
        return;
    }
    event->accept();
}

bool CPlovexView::WheelAt(const QPoint& pixel, const QPoint& angle, Qt::KeyboardModifiers modifiers)
{
    return m_navigation.WheelAt(pixel, angle, modifiers);
}

void CPlovexView::keyPressEvent(QKeyEvent* event)
{
    if (!m_navigation.KeyPress(*event))
        FormView::keyPressEvent(event);
}

void CPlovexView::mousePressEvent(QMouseEvent* event)
{
    const std::optional<QPoint> pixel = OwnAreaPixel(event->position());
    if (event->button() != Qt::LeftButton || !pixel || !PressAt(*pixel, event->position()))
        FormView::mousePressEvent(event);
}

bool CPlovexView::PressAt(const QPoint& pixel, const QPointF& position)
{
    return m_navigation.PressAt(pixel, position);
}

void CPlovexView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !ReleaseDrag())
        FormView::mouseReleaseEvent(event);
}

bool CPlovexView::ReleaseDrag()
{
    return m_navigation.ReleaseDrag();
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
    CDocumentExchange(*this).KindChosen();
}

void CPlovexView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_presenter) {
        FormView::mouseMoveEvent(event);
        return;
    }
    DragTo(event->position(), event->buttons());
    OnMouseMove(event->position().toPoint());
}

void CPlovexView::DragTo(const QPointF& position, Qt::MouseButtons buttons)
{
    m_navigation.DragTo(position, buttons);
}

void CPlovexView::leaveEvent(QEvent* event)
{
    emit Readout(QString());
    FormView::leaveEvent(event);
}

void CPlovexView::OnMouseMove(const QPoint& point)
{
    PointerAt(m_graphArea->ToClient(*this, point));
}

void CPlovexView::PointerAt(const QPoint& pixel)
{
    CPointerReadout(*this).At(pixel);
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
    return GraphArea().Picture();
}

QString CPlovexView::DrawnFunction() const
{
    const std::string& expression = GetDocument().Function(SelectedFunction()).ParsedExpression();
    return expression.empty() ? QString("0") : BytesToText(expression);
}

QString CPlovexView::DrawnCurve() const
{
    return DrawnDerivative() ? "y = d/dx (" + DrawnFunction() + ")" : "y = " + DrawnFunction();
}

void CPlovexView::OnTableOfValues()
{
    m_tools.TableOfValues();
}

QString CPlovexView::GraphCaption() const
{
    return m_rendering.Caption();
}

DrawnGraph CPlovexView::Drawn() const
{
    return m_rendering.Drawn();
}

void CPlovexView::OnCopyGraph()
{
    CGraphOutput(*this).Copy();
}

void CPlovexView::OnExportGraph()
{
    CGraphOutput(*this).Export();
}

void CPlovexView::OnFilePrint()
{
    CGraphOutput(*this).Print();
}

void CPlovexView::OnFilePrintPreview()
{
    CGraphOutput(*this).PrintPreview();
}

void CPlovexView::OnEvaluate()
{
    CPointEvaluation(*this).Evaluate(false);
}

void CPlovexView::OnEvaluateDerivative()
{
    CPointEvaluation(*this).Evaluate(true);
}

void CPlovexView::OnIntegrate()
{
    CPointEvaluation(*this).Integrate();
}

void CPlovexView::ParseExpression(bool offerParameters)
{
    CPlovexDoc& document = GetDocument();
    document.SetExpression(m_expression, SelectedFunction());
    // Evaluate and Integrate parse without drawing: this form keeps its picture until its
    // next rendering, while the document's other forms draw the new parse.
    const bool upToDate = m_rendering.UpToDate();
    FunctionParse parse = document.Parse(SelectedFunction());
    // Each name that is not defined yet may become a parameter, one question at a time:
    // "a*x+b" asks for a, then for b. Adding one parses every function again.
    while (offerParameters) {
        const std::optional<std::string> name = UndefinedParameterName(parse);
        if (!name || !ParameterQuestion::Ask(this, *name))
            break;
        Parameter parameter;
        parameter.name = *name;
        (void)document.AddParameter(parameter);
        parse = document.Parse(SelectedFunction());
    }
    if (upToDate)
        m_rendering.KeepUpToDate();
    m_postfix = document.Function(SelectedFunction()).PostfixText();
    if (!parse.Ok())
        Messages().MessageBox(this,
            EngineTexts::ParseErrors(document.Function(SelectedFunction()), parse),
            MessageKind::Refusal);
}

FunctionValues CPlovexView::Values(std::size_t index) const
{
    return { GetDocument().Function(index).CompiledProgram(), GetDocument().Variables() };
}

double CPlovexView::Evaluate(float x, float y, bool subCall) const
{
    return Values(SelectedFunction()).At(m_derivative && !subCall, x, y);
}

void CPlovexView::DrawGraph()
{
    m_rendering.Draw();
}

std::optional<float> CPlovexView::RenderOnce()
{
    const CPlovexDoc& document = GetDocument();
    m_rendering.Begin();
    std::size_t statisticsItem = 0;
    const std::vector<PlotItem> items = PlotItems(document.Model().Functions(), SelectedFunction(),
        m_derivative, statisticsItem, document.Variables());
    // A presenter's area starts clear, as a picture of its size drawn anew does.
    const bool noClear = m_noClear && !m_presenter;
    FormSurface surface(*this, GraphArea(), noClear);
    const RenderResult result = plovex::DrawGraph(
        m_rendering.DrawnView(), { noClear, m_grid }, items, statisticsItem, surface, surface);
    const RenderTotals& totals = result.totals;
    m_rendering.SetRedrawable(!noClear && !totals.stopped);
    // A stopped rendering's running values cover part of the samples: no statistics.
    m_info = totals.stopped ? InfoField::StoppedRendering() : InfoField::Of(result.statistics);
    surface.Finish();
    GraphArea().SetDescription(GraphDescription::Describe(
        document.Model().Functions(), document.Function(SelectedFunction()), *this));
    return totals.sweepStalledAt;
}

} // namespace plovex
