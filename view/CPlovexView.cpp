#include "view/CPlovexView.h"

#include "document/DocumentCodec.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "platform/ByteText.h"
#include "platform/ColourDialogService.h"
#include "platform/FileDialogService.h"
#include "platform/FileStore.h"
#include "platform/MessageService.h"
#include "platform/PictureStatic.h"
#include "platform/PrintDialogService.h"
#include "platform/StringTable.h"
#include "platform/VectorState.h"
#include "res/Resource.h"
#include "view/CInputDlg.h"
#include "view/CPlovexDoc.h"
#include "view/CTableQuestionDlg.h"
#include "view/CValueTableDlg.h"
#include "view/DrawingSurface.h"
#include "view/EngineTexts.h"
#include "view/FormSurface.h"
#include "view/FormTemplates.h"
#include "view/GraphCoordinates.h"
#include "view/GraphDescription.h"
#include "view/GraphPage.h"
#include "view/GraphRenderer.h"
#include "view/ImageExport.h"
#include "view/Integration.h"
#include "view/PointerReadout.h"
#include "view/RenderingGuard.h"
#include "view/ValueTable.h"
#include "view/ViewNavigation.h"

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
#include <QPointer>
#include <QPrinter>
#include <QProgressBar>
#include <QStringList>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>
#include <cstdio>
#include <limits>

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

// A function's line of the caption, its bytes shown faithfully.
QString FunctionCaption(const std::string& expression, bool implicit, bool derivative)
{
    const QString text = expression.empty() ? QString("0") : BytesToText(expression);
    if (implicit)
        return text + " = 0";
    if (derivative)
        return "y = d/dx (" + text + ")";
    return "y = " + text;
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
    connect(&m_document, &CPlovexDoc::FunctionChanged, this, &CPlovexView::OnFunctionChanged);
    connect(&m_document, &CPlovexDoc::FunctionInserted, this, [this](std::size_t index) {
        if (index <= m_selected)
            ++m_selected;
        emit SelectionChanged();
    });
    connect(&m_document, &CPlovexDoc::FunctionRemoved, this, &CPlovexView::OnFunctionRemoved);
    connect(
        &m_document, &CPlovexDoc::FunctionMoved, this, [this](std::size_t from, std::size_t to) {
            if (m_selected == from)
                m_selected = to;
            else if (from < m_selected && m_selected <= to)
                --m_selected;
            else if (to <= m_selected && m_selected < from)
                ++m_selected;
        });
    // Attaches the control objects and shows the defaults.
    UpdateData(false);
    CreateGraphMenu();
    m_clock.start();
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
    const CPlovexDoc& document = GetDocument();
    m_expression = document.Expression(m_selected);
    m_xScale = document.View().xScale;
    m_yScale = document.View().yScale;
    m_quality = document.View().quality;
    m_xOffset = document.View().xOffset;
    m_yOffset = document.View().yOffset;
    m_history = ViewHistory(CurrentView());
    m_implicit = document.Function(m_selected).implicit;
    UpdateData(false);
    EnableExplicitCommands();
    ParseOtherFunctions();
    OnPlot();
}

// A document just opened holds functions no parse has seen: each is parsed once, as its own
// Plot would, so that the first rendering draws them all.
void CPlovexView::ParseOtherFunctions()
{
    CPlovexDoc& document = GetDocument();
    for (std::size_t i = 0; i < document.Count(); ++i) {
        if (i == m_selected || document.Function(i).ParsedExpression() == document.Expression(i))
            continue;
        const ParseResult result = document.Parse(i);
        if (!result.Ok())
            Messages().MessageBox(this, EngineTexts::ParseError(result, document.Expression(i)));
    }
}

void CPlovexView::StoreSettings()
{
    GetDocument().SetView(CurrentView());
    GetDocument().SetImplicit(m_selected, m_implicit);
}

// The document follows the box as the user types, so that Save writes what the box shows and
// closing asks to save what was typed.
void CPlovexView::OnExpressionEdited()
{
    ReadControlsQuietly();
    GetDocument().SetExpression(m_expression, m_selected);
}

void CPlovexView::OnSettingEdited()
{
    ReadControlsQuietly();
    StoreSettings();
}

// Another form of the document changed the selected function's text or kind: every form
// shows the same.
void CPlovexView::OnFunctionChanged(std::size_t index)
{
    if (index != m_selected)
        return;
    const GraphFunction& function = GetDocument().Function(index);
    if (m_expression != function.expression) {
        m_expression = function.expression;
        SetDlgItemText(res::kExpressionEdit, m_expression);
    }
    if (m_implicit != function.implicit) {
        m_implicit = function.implicit;
        qobject_cast<QAbstractButton*>(GetDlgItem(res::kImplicitCheck))->setChecked(m_implicit);
        EnableExplicitCommands();
    }
}

// The selection stays on its function, or once that is gone, on the one that took its place.
void CPlovexView::OnFunctionRemoved(std::size_t index)
{
    const bool removedSelected = index == m_selected;
    if (index < m_selected || m_selected == GetDocument().Count())
        --m_selected;
    if (removedSelected)
        ShowSelectedFunction();
    else
        emit SelectionChanged();
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

void CPlovexView::Plot(bool derivative)
{
    m_derivative = derivative;
    // A failed read has shown its prompt; the plot goes on with the fields read so far.
    UpdateData(true);
    StoreSettings();
    ParseExpression();
    GetDocument().SetShown(m_selected, true);
    // Also after a parse error: whatever the parse left in the queue is drawn.
    DrawGraph();
    UpdateData(false);
    // Scales typed and plotted are a change of the view.
    RecordView();
}

void CPlovexView::SelectFunction(std::size_t index)
{
    if (index >= GetDocument().Count())
        return;
    // The scales the boxes hold, as a scale button reads them; the text typed is already the
    // function's.
    ReadControlsQuietly();
    m_selected = index;
    ShowSelectedFunction();
    Redraw();
}

void CPlovexView::ShowSelectedFunction()
{
    emit SelectionChanged();
    const GraphFunction& function = GetDocument().Function(m_selected);
    m_expression = function.expression;
    m_implicit = function.implicit;
    m_postfix = function.PostfixText();
    UpdateData(false);
    EnableExplicitCommands();
}

// As a scale button draws: the last parse of every function, whatever the boxes hold now.
void CPlovexView::Redraw()
{
    DrawGraph();
    UpdateData(false);
}

void CPlovexView::OnNewFunction()
{
    ReadControlsQuietly();
    m_selected = GetDocument().AddFunction(m_selected);
    ShowSelectedFunction();
    Redraw();
    GetDlgItem(res::kExpressionEdit)->setFocus();
}

void CPlovexView::OnDeleteFunction()
{
    ReadControlsQuietly();
    // The form follows the removal through the document's signal.
    GetDocument().DeleteFunction(m_selected);
    Redraw();
}

void CPlovexView::OnFunctionColour()
{
    const Rgb current = GetDocument().Function(m_selected).colour;
    const std::optional<QColor> chosen
        = ColourDialogs().GetColour(window(), QColor(current.red, current.green, current.blue));
    if (!chosen)
        return;
    SetFunctionColour(m_selected,
        { static_cast<std::uint8_t>(chosen->red()), static_cast<std::uint8_t>(chosen->green()),
            static_cast<std::uint8_t>(chosen->blue()) });
}

void CPlovexView::OnMoveFunctionUp()
{
    MoveFunction(-1);
}

void CPlovexView::OnMoveFunctionDown()
{
    MoveFunction(1);
}

void CPlovexView::MoveFunction(int places)
{
    const auto to = static_cast<std::ptrdiff_t>(m_selected) + places;
    if (to < 0 || to >= static_cast<std::ptrdiff_t>(GetDocument().Count()))
        return;
    ReadControlsQuietly();
    GetDocument().MoveFunction(m_selected, static_cast<std::size_t>(to));
    Redraw();
}

void CPlovexView::SetFunctionColour(std::size_t index, Rgb colour)
{
    ReadControlsQuietly();
    GetDocument().SetColour(index, colour);
    Redraw();
}

void CPlovexView::SetFunctionShown(std::size_t index, bool shown)
{
    ReadControlsQuietly();
    GetDocument().SetShown(index, shown);
    Redraw();
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
    RecordView();
}

void CPlovexView::RecordView()
{
    m_history.Record(CurrentView());
    emit HistoryChanged();
}

std::optional<QPointF> CPlovexView::AreaOffset(const QPointF& point) const
{
    const QSize client = m_graphArea->ClientSize();
    const QPoint pixel = m_graphArea->ToClient(*this, point.toPoint());
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= client.width()
        || pixel.y() >= client.height())
        return std::nullopt;
    return QPointF(pixel.x() - client.width() / 2, client.height() / 2 - pixel.y());
}

void CPlovexView::ShowView(const GraphView& view)
{
    // What the user typed stays in the boxes; only the scales change there.
    ReadControlsQuietly();
    m_xScale = view.xScale;
    m_yScale = view.yScale;
    m_xOffset = view.xOffset;
    m_yOffset = view.yOffset;
    StoreSettings();
    SetDlgItemText(res::kXScaleEdit, FormatField(m_xScale));
    SetDlgItemText(res::kYScaleEdit, FormatField(m_yScale));
    DrawGraph();
    UpdateData(false);
}

bool CPlovexView::Zoom(double xFactor, double yFactor, const QPointF& offset)
{
    ReadControlsQuietly();
    const QSize client = m_graphArea->ClientSize();
    const std::optional<GraphView> zoomed = ZoomAbout(
        CurrentView(), xFactor, yFactor, offset.x(), offset.y(), client.width(), client.height());
    if (!zoomed) {
        const bool in = xFactor > 1.0 || yFactor > 1.0;
        if (!ZoomKeepsScales(CurrentView(), xFactor, yFactor))
            emit Message(in ? tr("Cannot zoom in further: the scale would become infinite.")
                            : tr("Cannot zoom out further: the scale would become zero."));
        else
            emit Message(in
                    ? tr("Cannot zoom in further: neighbouring pixels would show the same value.")
                    : tr("Cannot zoom out further: neighbouring pixels would show the same "
                         "value."));
        return false;
    }
    ShowView(*zoomed);
    return true;
}

void CPlovexView::OnZoomIn()
{
    if (Zoom(kZoomStep, kZoomStep, {}))
        RecordView();
}

void CPlovexView::OnZoomOut()
{
    if (Zoom(1.0 / kZoomStep, 1.0 / kZoomStep, {}))
        RecordView();
}

void CPlovexView::OnResetView()
{
    ReadControlsQuietly();
    ShowView(ResetView(CurrentView()));
    RecordView();
}

void CPlovexView::OnEqualScales()
{
    ReadControlsQuietly();
    const QSize client = m_graphArea->ClientSize();
    const std::optional<GraphView> equal
        = EqualScales(CurrentView(), client.width(), client.height());
    if (!equal) {
        emit Message(tr("Cannot make the scales equal: the x scale cannot be used for y."));
        return;
    }
    ShowView(*equal);
    RecordView();
}

void CPlovexView::OnViewBack()
{
    if (!m_history.CanGoBack())
        return;
    ShowView(m_history.Back());
    emit HistoryChanged();
}

void CPlovexView::OnViewForward()
{
    if (!m_history.CanGoForward())
        return;
    ShowView(m_history.Forward());
    emit HistoryChanged();
}

void CPlovexView::wheelEvent(QWheelEvent* event)
{
    const std::optional<QPointF> offset = AreaOffset(event->position());
    if (!offset) {
        FormView::wheelEvent(event);
        return;
    }
    event->accept();
    const QPoint angle = event->angleDelta();
    m_wheelDelta += angle.y() != 0 ? angle.y() : angle.x();
    const int notches = m_wheelDelta / QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0)
        return;
    m_wheelDelta -= notches * QWheelEvent::DefaultDeltasPerStep;
    // Away from the user zooms in.
    const double factor = std::pow(kZoomStep, notches);
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool xOnly = modifiers & Qt::ShiftModifier;
    const bool yOnly = (modifiers & Qt::ControlModifier) && !xOnly;
    if (Zoom(yOnly ? 1.0 : factor, xOnly ? 1.0 : factor, *offset)) {
        m_history.RecordWheel(CurrentView(), m_clock.elapsed());
        emit HistoryChanged();
    }
}

void CPlovexView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !AreaOffset(event->position())) {
        FormView::mousePressEvent(event);
        return;
    }
    ReadControlsQuietly();
    m_dragFrom = event->position();
    m_dragView = CurrentView();
    m_dragged = false;
}

void CPlovexView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_dragFrom) {
        FormView::mouseReleaseEvent(event);
        return;
    }
    m_dragFrom.reset();
    unsetCursor();
    // A click without a drag changes nothing.
    if (m_dragged)
        RecordView();
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
    if (m_dragFrom && (event->buttons() & Qt::LeftButton)) {
        const QPointF moved = event->position() - *m_dragFrom;
        if (moved != QPointF(0, 0) || m_dragged) {
            m_dragged = true;
            setCursor(Qt::ClosedHandCursor);
            ShowView(PanBy(m_dragView, moved.x(), moved.y()));
        }
    }
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
    // From the pixel's offset plus the view's, as the renderer takes its samples; an unmoved
    // view adds nothing.
    const double px = pixel.x() - hw;
    const double py = hh - pixel.y();
    const double gxPixels = m_xOffset == 0.0 ? px : px + m_xOffset;
    const double gyPixels = m_yOffset == 0.0 ? py : py + m_yOffset;
    emit Readout(
        QString::fromStdString(PointerReadoutText(gxPixels, gyPixels, m_xScale, m_yScale)));
    const int gx = TruncateToInt(gxPixels / m_xScale);
    const int gy = TruncateToInt(gyPixels / m_yScale);
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
    const std::string& expression = GetDocument().Function(m_selected).ParsedExpression();
    return expression.empty() ? QString("0") : BytesToText(expression);
}

QString CPlovexView::DrawnCurve() const
{
    return m_drawnDerivative ? "y = d/dx (" + DrawnFunction() + ")" : "y = " + DrawnFunction();
}

bool CPlovexView::CheckDrawnExplicit()
{
    const bool implicit = GetDocument().Function(m_selected).implicit;
    if (implicit) {
        Messages().MessageBox(this,
            tr("Roots, extrema and tables of values are found for explicit functions: clear "
               "Implicit function and plot."));
    }
    return !implicit;
}

std::vector<std::size_t> CPlovexView::IntersectionPartners() const
{
    std::vector<std::size_t> partners;
    for (std::size_t i = 0; i < GetDocument().Count(); ++i) {
        const GraphFunction& function = GetDocument().Function(i);
        if (i != m_selected && function.shown && !function.implicit)
            partners.push_back(i);
    }
    return partners;
}

std::vector<float> CPlovexView::VisibleColumns() const
{
    return ColumnXs(m_drawnView, m_graphArea->ClientSize().width());
}

PointList CPlovexView::FindPoints(PointSearch kinds)
{
    const GraphFunction& selected = GetDocument().Function(m_selected);
    const Program& program = selected.CompiledProgram();
    // The selected function as drawn: its derivative after Plot dy/dx.
    const bool derivative = m_drawnDerivative;
    const ValueAt valueAt = [&](float x) { return program.Evaluate(derivative, x, 0.0f); };
    const std::vector<float> columns = VisibleColumns();
    std::vector<FoundPoint> found;
    const auto add = [&found](const std::vector<FoundPoint>& more) {
        found.insert(found.end(), more.begin(), more.end());
    };
    if (kinds == PointSearch::Roots)
        add(FindRoots(valueAt, columns));
    if (kinds == PointSearch::Extrema)
        add(FindExtrema(valueAt, columns));
    if (kinds == PointSearch::Intersections) {
        for (const std::size_t other : IntersectionPartners()) {
            const Program& partner = GetDocument().Function(other).CompiledProgram();
            add(FindIntersections(
                valueAt, [&](float x) { return partner.Evaluate(false, x, 0.0f); },
                static_cast<int>(other + 1), columns));
        }
    }
    PointList list = InOrderOfX(std::move(found));
    // Where the renderer would put each point: pixel offsets from the origin, scaled.
    const QSize client = m_graphArea->ClientSize();
    QList<QPointF> marks;
    for (const FoundPoint& point : list.points) {
        marks << QPointF(client.width() / 2 + static_cast<double>(point.x) * m_drawnView.xScale
                - m_drawnView.xOffset,
            client.height() / 2 - point.y * m_drawnView.yScale + m_drawnView.yOffset);
    }
    m_graphArea->SetMarks(
        marks, QColor(selected.colour.red, selected.colour.green, selected.colour.blue));
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
        Messages().MessageBox(this, EngineTexts::TableRefusalText(table.refusal));
    }
    const Program& program = GetDocument().Function(m_selected).CompiledProgram();
    const bool derivative = m_drawnDerivative;
    const std::vector<TableRow> rows = TabulateValues(
        table.xs, [&](float x) { return program.Evaluate(derivative, x, 0.0f); },
        [&](float x) { return program.Evaluate(true, x, 0.0f); });
    CValueTableDlg dialog(DrawnCurve(), rows, window());
    Messages().RunModal(dialog);
}

QString CPlovexView::GraphCaption() const
{
    QStringList lines;
    for (const CaptionLine& line : m_drawn)
        lines << line.text;
    return lines.join('\n');
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
    const QString path = FileDialogs().GetSaveFileName(
        window(), tr("Export Graph"), proposed, ExportFilter(), "png");
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
            tr("Cannot print the graph to \"%1\".\n\n%2")
                .arg(QDir::toNativeSeparators(file), *special));
        return;
    }
    if (!PrintGraphPage(printer, GraphPicture(), m_drawn))
        Messages().MessageBox(
            this, tr("Cannot print the graph: the printer did not accept the page."));
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
    dialog.m_prompt = tr(prompt).toStdString();
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
    dialog.m_prompt = tr(kLowerLimitPrompt).toStdString();
    if (dialog.DoModal() != res::kIdOk)
        return;
    const float lower = dialog.m_value;
    dialog.m_prompt = tr(kUpperLimitPrompt).toStdString();
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
        = Integrate(GetDocument().Function(m_selected).CompiledProgram(), lower, upper);
    ShowResult(integral.sum);
    if (integral.stoppedAt) {
        Messages().MessageBox(this, EngineTexts::IntegralStop(*integral.stoppedAt, upper));
    }
}

void CPlovexView::ShowResult(double value)
{
    Messages().MessageBox(this, QString::fromStdString(FormatFixed(value)));
}

void CPlovexView::ParseExpression()
{
    CPlovexDoc& document = GetDocument();
    document.SetExpression(m_expression, m_selected);
    const ParseResult result = document.Parse(m_selected);
    m_postfix = document.Function(m_selected).PostfixText();
    if (!result.Ok())
        Messages().MessageBox(this, EngineTexts::ParseError(result, m_expression));
}

double CPlovexView::Evaluate(float x, float y, bool subCall) const
{
    return GetDocument()
        .Function(m_selected)
        .CompiledProgram()
        .Evaluate(m_derivative && !subCall, x, y);
}

void CPlovexView::DrawGraph()
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
        const RenderingGuard guard(*this);
        do {
            m_redrawWaiting = false;
            m_stopRequested = false;
            stalledAt = RenderOnce();
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
        UpdateData(false);
        Messages().MessageBox(this, EngineTexts::SweepStall(m_quality, *stalledAt));
    }
}

std::optional<float> CPlovexView::RenderOnce()
{
    const CPlovexDoc& document = GetDocument();
    std::size_t statisticsItem = 0;
    const std::vector<PlotItem> items
        = PlotItems(document.Model().Functions(), m_selected, m_derivative, statisticsItem);
    // One function keeps the plain black caption; several are told apart by their colours.
    m_drawn.clear();
    for (std::size_t i = 0; i < document.Count(); ++i) {
        const GraphFunction& function = document.Function(i);
        if (!function.shown)
            continue;
        const Rgb colour = document.Count() > 1 ? function.colour : Rgb { 0, 0, 0 };
        m_drawn.push_back({ FunctionCaption(function.ParsedExpression(), function.implicit,
                                m_derivative && i == m_selected),
            QColor(colour.red, colour.green, colour.blue) });
    }
    m_drawnDerivative = m_derivative;
    m_drawnView = CurrentView();
    FormSurface surface(*this);
    const RenderResult result
        = plovex::DrawGraph(m_drawnView, { m_noClear, m_grid }, items, statisticsItem, surface);
    const RenderTotals& totals = result.totals;
    // A stopped rendering's running values cover part of the samples: no statistics.
    m_info = totals.stopped ? EngineTexts::kRenderingStopped
                            : StatisticsText(result.statistics, FormatFixed);
    surface.Finish();
    m_graphArea->SetDescription(BytesToText(DescribeFunctions(document.Model().Functions())
        + DescribeGraph(document.Function(m_selected).ParsedExpression(), *this)));
    return totals.sweepStalledAt;
}

} // namespace plovex
