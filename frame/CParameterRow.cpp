#include "frame/CParameterRow.h"

#include "document/Parameter.h"
#include "engine/Numbers.h"
#include "platform/MessageService.h"
#include "view/CPlovexDoc.h"
#include "view/EngineTexts.h"
#include "view/RenderingGuard.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace plovex {
namespace {

// Characters the name box is wide for: the dock stays as narrow as the function list.
constexpr int kNameWidth = 6;

QString FieldText(float value)
{
    return QString::fromStdString(FormatField(value));
}

// The number a box holds, or NaN for none, which the document refuses with its reason.
float TypedNumber(const QLineEdit& box)
{
    return ParseDecimal(box.text().toStdString()).value_or(std::numeric_limits<float>::quiet_NaN());
}

// Sets the text only when it differs, so that a box keeps its cursor.
void Show(QLineEdit& box, const QString& text)
{
    if (box.text() != text)
        box.setText(text);
}

// What is being typed into a box stays until it is committed: a slider or Play moving the
// value meanwhile does not take it away.
bool Typing(const QLineEdit& box)
{
    return box.hasFocus() && box.isModified();
}

void ShowNumber(QLineEdit& box, float value)
{
    if (!Typing(box))
        Show(box, FieldText(value));
}

void SetWidth(QLineEdit& box, int characters)
{
    box.setMaximumWidth(box.fontMetrics().horizontalAdvance(QString(characters, u'm')) + 8);
}

} // namespace

CParameterRow::CParameterRow(CPlovexDoc& document, std::size_t index, QWidget* parent)
    : QFrame(parent)
    , m_document(&document)
    , m_index(index)
    , m_name(new QLineEdit)
    , m_value(new QLineEdit)
    , m_play(new QToolButton)
    , m_delete(new QToolButton)
    , m_slider(new QSlider(Qt::Horizontal))
    , m_minimum(new QLineEdit)
    , m_maximum(new QLineEdit)
    , m_step(new QLineEdit)
{
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* top = new QHBoxLayout;
    top->addWidget(m_name, 1);
    top->addWidget(new QLabel(QStringLiteral("=")));
    top->addWidget(m_value, 2);
    top->addWidget(m_play);
    top->addWidget(m_delete);
    layout->addLayout(top, 0, 0);
    layout->addWidget(m_slider, 1, 0);
    auto* range = new QHBoxLayout;
    auto* from = new QLabel(tr("from"));
    auto* to = new QLabel(tr("to"));
    auto* by = new QLabel(tr("step"));
    from->setBuddy(m_minimum);
    to->setBuddy(m_maximum);
    by->setBuddy(m_step);
    range->addWidget(from);
    range->addWidget(m_minimum, 1);
    range->addWidget(to);
    range->addWidget(m_maximum, 1);
    range->addWidget(by);
    range->addWidget(m_step, 1);
    layout->addLayout(range, 2, 0);
    SetWidth(*m_name, kNameWidth);
    // The range boxes share what the labels leave.
    for (QLineEdit* box : { m_minimum, m_maximum, m_step })
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-0.00")));
    setTabOrder(m_name, m_slider);
    setTabOrder(m_slider, m_value);
    setTabOrder(m_value, m_play);
    setTabOrder(m_play, m_minimum);
    setTabOrder(m_minimum, m_maximum);
    setTabOrder(m_maximum, m_step);
    setTabOrder(m_step, m_delete);

    m_play->setText(QStringLiteral("\u25B6"));
    m_delete->setText(QStringLiteral("\u2715"));
    m_slider->setSingleStep(1);
    m_slider->setPageStep(10);
    m_slider->setFocusPolicy(Qt::StrongFocus);
    // The slider follows the mouse while a graph renders: each move only asks for the next
    // rendering.
    RenderingGuard::ServeDuringRendering(m_slider);
    connect(m_slider, &QSlider::valueChanged, this, &CParameterRow::OnSliderMoved);
    // Each drag is one step of the undo list, however many values it passes.
    for (const auto signal : { &QSlider::sliderPressed, &QSlider::sliderReleased }) {
        connect(m_slider, signal, this, [this] {
            if (m_document)
                m_document->EndMerge();
        });
    }
    for (QLineEdit* box : { m_name, m_value, m_minimum, m_maximum, m_step }) {
        // A dropped file opens a document; it is not text for a box.
        box->setAcceptDrops(false);
    }
    connect(m_name, &QLineEdit::editingFinished, this, &CParameterRow::CommitName);
    connect(m_value, &QLineEdit::editingFinished, this, &CParameterRow::CommitValue);
    for (QLineEdit* box : { m_minimum, m_maximum, m_step })
        connect(box, &QLineEdit::editingFinished, this, &CParameterRow::CommitRange);
    connect(m_play, &QToolButton::clicked, this, [this] { emit PlayPressed(m_index); });
    connect(m_delete, &QToolButton::clicked, this, [this] {
        if (m_document)
            m_document->RemoveParameter(m_index);
    });
    Refresh();
}

void CParameterRow::NameControls(const QString& name)
{
    m_name->setAccessibleName(tr("Name of parameter %1").arg(name));
    m_slider->setAccessibleName(tr("Slider of %1").arg(name));
    m_value->setAccessibleName(tr("Value of %1").arg(name));
    m_minimum->setAccessibleName(tr("Minimum of %1").arg(name));
    m_maximum->setAccessibleName(tr("Maximum of %1").arg(name));
    m_step->setAccessibleName(tr("Step of %1").arg(name));
    m_delete->setAccessibleName(tr("Delete %1").arg(name));
    m_delete->setToolTip(m_delete->accessibleName());
    m_play->setAccessibleName(m_playing ? tr("Stop %1").arg(name) : tr("Play %1").arg(name));
    m_play->setToolTip(m_play->accessibleName());
}

void CParameterRow::Refresh()
{
    if (!m_document || m_index >= m_document->Parameters().size())
        return;
    const Parameter& parameter = m_document->GetParameter(m_index);
    const QString name = QString::fromStdString(parameter.name);
    if (!Typing(*m_name))
        Show(*m_name, name);
    NameControls(name);
    ShowNumber(*m_value, parameter.value);
    ShowNumber(*m_minimum, parameter.minimum);
    ShowNumber(*m_maximum, parameter.maximum);
    ShowNumber(*m_step, parameter.step);
    const QSignalBlocker quiet(m_slider);
    m_slider->setMaximum(static_cast<int>(SliderSteps(parameter)));
    // A position whose value the parameter holds stays: the last position stands for the
    // maximum, which may lie nearer the one before it.
    const float shown = SliderValue(parameter, m_slider->value());
    if (std::bit_cast<std::uint32_t>(shown) != std::bit_cast<std::uint32_t>(parameter.value))
        m_slider->setValue(static_cast<int>(SliderPosition(parameter)));
}

void CParameterRow::SetPlaying(bool playing)
{
    m_playing = playing;
    m_play->setText(playing ? QStringLiteral("\u25A0") : QStringLiteral("\u25B6"));
    if (m_document && m_index < m_document->Parameters().size())
        NameControls(QString::fromStdString(m_document->GetParameter(m_index).name));
}

void CParameterRow::OnSliderMoved(int position)
{
    if (!m_document || m_index >= m_document->Parameters().size())
        return;
    m_value->setModified(false);
    (void)m_document->SetParameterValue(
        m_index, SliderValue(m_document->GetParameter(m_index), position));
}

void CParameterRow::CommitName()
{
    if (!m_document || !m_name->isModified() || m_index >= m_document->Parameters().size())
        return;
    m_name->setModified(false);
    Parameter parameter = m_document->GetParameter(m_index);
    parameter.name = m_name->text().toStdString();
    const ParameterCheck check = m_document->SetParameter(m_index, parameter);
    if (!check.Ok())
        Refuse(parameter, check);
}

void CParameterRow::CommitValue()
{
    if (!m_document || !m_value->isModified() || m_index >= m_document->Parameters().size())
        return;
    m_value->setModified(false);
    Parameter parameter = m_document->GetParameter(m_index);
    parameter.value = TypedNumber(*m_value);
    const ParameterCheck check = m_document->SetParameter(m_index, parameter);
    if (!check.Ok())
        Refuse(parameter, check);
}

void CParameterRow::CommitRange()
{
    const bool typed = m_minimum->isModified() || m_maximum->isModified() || m_step->isModified();
    if (!m_document || !typed || m_index >= m_document->Parameters().size())
        return;
    for (QLineEdit* box : { m_minimum, m_maximum, m_step })
        box->setModified(false);
    Parameter parameter = m_document->GetParameter(m_index);
    parameter.minimum = TypedNumber(*m_minimum);
    parameter.maximum = TypedNumber(*m_maximum);
    parameter.step = TypedNumber(*m_step);
    const ParameterCheck check = m_document->SetParameter(m_index, parameter);
    if (!check.Ok())
        Refuse(parameter, check);
}

void CParameterRow::Refuse(const Parameter& parameter, const ParameterCheck& check)
{
    Messages().MessageBox(this, EngineTexts::ParameterRefusalText(parameter, check));
    if (!m_document || m_index >= m_document->Parameters().size())
        return;
    // Every box shows the document's parameter again, the one typed in too.
    const Parameter& kept = m_document->GetParameter(m_index);
    Show(*m_name, QString::fromStdString(kept.name));
    Show(*m_value, FieldText(kept.value));
    Show(*m_minimum, FieldText(kept.minimum));
    Show(*m_maximum, FieldText(kept.maximum));
    Show(*m_step, FieldText(kept.step));
}

} // namespace plovex
