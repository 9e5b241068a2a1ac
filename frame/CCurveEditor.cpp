#include "frame/CCurveEditor.h"

#include "engine/Numbers.h"
#include "platform/ByteText.h"
#include "platform/MessageService.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace plovex {
namespace {

// The number a range box holds: a decimal number as every number box reads it, and finite.
std::optional<float> FiniteNumber(const QLineEdit& box)
{
    const std::optional<float> value = ParseDecimal(box.text().toStdString());
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

QString FieldText(float value)
{
    return QString::fromStdString(FormatField(value));
}

// Sets the text only when it differs, so that the box being typed in keeps its cursor.
void Show(QLineEdit& box, const QString& text)
{
    if (box.text() != text)
        box.setText(text);
}

// The box being typed in keeps its text while that reads as `value` ("1." for 1) or as no
// number yet ("-", "1e").
void ShowNumber(QLineEdit& box, float value)
{
    if (box.hasFocus()) {
        const std::optional<float> typed = FiniteNumber(box);
        if (!typed || std::bit_cast<std::uint32_t>(*typed) == std::bit_cast<std::uint32_t>(value))
            return;
    }
    Show(box, FieldText(value));
}

} // namespace

CCurveEditor::CCurveEditor(QWidget* parent)
    : QWidget(parent)
    , m_firstLabel(new QLabel)
    , m_first(new QLineEdit)
    , m_secondLabel(new QLabel(tr("y(t) =")))
    , m_second(new QLineEdit)
    , m_start(new QLineEdit)
    , m_end(new QLineEdit)
{
    setObjectName("CurveEditor");
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* startLabel = new QLabel(tr("t from"));
    auto* endLabel = new QLabel(tr("to"));
    m_firstLabel->setBuddy(m_first);
    m_secondLabel->setBuddy(m_second);
    startLabel->setBuddy(m_start);
    endLabel->setBuddy(m_end);
    layout->addWidget(m_firstLabel, 0, 0);
    layout->addWidget(m_first, 0, 1, 1, 3);
    layout->addWidget(m_secondLabel, 1, 0);
    layout->addWidget(m_second, 1, 1, 1, 3);
    layout->addWidget(startLabel, 2, 0);
    layout->addWidget(m_start, 2, 1);
    layout->addWidget(endLabel, 2, 2);
    layout->addWidget(m_end, 2, 3);
    setTabOrder(m_first, m_second);
    setTabOrder(m_second, m_start);
    setTabOrder(m_start, m_end);
    m_second->setAccessibleName(tr("y(t)"));
    m_start->setAccessibleName(tr("Start of the range of t"));
    m_end->setAccessibleName(tr("End of the range of t"));
    for (QLineEdit* box : { m_first, m_second, m_start, m_end }) {
        // A dropped file opens a document; it is not text for a box.
        box->setAcceptDrops(false);
        connect(box, &QLineEdit::returnPressed, this, &CCurveEditor::Plot);
    }
    connect(m_first, &QLineEdit::textEdited, this, [this] { OnExpressionEdited(0); });
    connect(m_second, &QLineEdit::textEdited, this, [this] { OnExpressionEdited(1); });
    for (QLineEdit* box : { m_start, m_end }) {
        connect(box, &QLineEdit::textEdited, this, &CCurveEditor::OnRangeEdited);
        connect(box, &QLineEdit::editingFinished, this, &CCurveEditor::CheckRange);
    }
    Refresh();
}

void CCurveEditor::SetView(CPlovexView* view)
{
    if (view && view == m_view)
        return;
    for (const QMetaObject::Connection& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    m_view = view;
    if (m_view) {
        const auto refresh = [this] { Refresh(); };
        m_connections << connect(m_view, &CPlovexView::SelectionChanged, this, refresh)
                      << connect(
                             &m_view->GetDocument(), &CPlovexDoc::FunctionChanged, this, refresh);
    }
    Refresh();
}

void CCurveEditor::EditFirstExpression()
{
    m_first->setFocus();
    m_first->selectAll();
}

void CCurveEditor::Refresh()
{
    const GraphFunction* function
        = m_view ? &m_view->GetDocument().Function(m_view->SelectedFunction()) : nullptr;
    const bool curve = function && SweepsParameter(function->kind);
    setVisible(curve);
    if (!curve)
        return;
    const bool parametric = function->kind == CurveKind::Parametric;
    m_firstLabel->setText(parametric ? tr("x(t) =") : tr("r(t) ="));
    m_first->setAccessibleName(parametric ? tr("x(t)") : tr("r(t)"));
    m_secondLabel->setVisible(parametric);
    m_second->setVisible(parametric);
    Show(*m_first, BytesToText(function->expression));
    Show(*m_second, BytesToText(function->yExpression));
    ShowNumber(*m_start, function->range.start);
    ShowNumber(*m_end, function->range.end);
}

void CCurveEditor::OnExpressionEdited(int part)
{
    if (!m_view)
        return;
    CPlovexDoc& document = m_view->GetDocument();
    const std::size_t index = m_view->SelectedFunction();
    const GraphFunction& function = document.Function(index);
    if (part == 0)
        document.SetExpression(TextToBytes(m_first->text(), function.expression), index);
    else
        document.SetYExpression(index, TextToBytes(m_second->text(), function.yExpression));
}

void CCurveEditor::OnRangeEdited()
{
    if (!m_view)
        return;
    CPlovexDoc& document = m_view->GetDocument();
    const std::size_t index = m_view->SelectedFunction();
    ParameterRange range = document.Function(index).range;
    if (const std::optional<float> start = FiniteNumber(*m_start))
        range.start = *start;
    if (const std::optional<float> end = FiniteNumber(*m_end))
        range.end = *end;
    document.SetRange(index, range);
}

bool CCurveEditor::CheckRange()
{
    if (!m_view)
        return true;
    for (QLineEdit* box : { m_start, m_end }) {
        if (FiniteNumber(*box))
            continue;
        const QString typed = box->text();
        const ParameterRange& range
            = m_view->GetDocument().Function(m_view->SelectedFunction()).range;
        Show(*box, FieldText(box == m_start ? range.start : range.end));
        Messages().MessageBox(this,
            tr("\"%1\" is not a finite number. The range of t stays from %2 to %3.")
                .arg(typed, FieldText(range.start), FieldText(range.end)));
        return false;
    }
    return true;
}

void CCurveEditor::Plot()
{
    if (!m_view)
        return;
    // As the form's Plot goes on after a number box's prompt: with the range the document holds.
    CheckRange();
    m_view->OnPlot();
}

} // namespace plovex
