#include "platform/DataExchange.h"

#include "engine/Numbers.h"
#include "platform/ByteText.h"
#include "platform/MessageService.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace plovex {
namespace {

// Any equivalent of the framework's own prompt does; this is its wording.
constexpr const char* kInvalidNumberPrompt
    = QT_TRANSLATE_NOOP("DataExchange", "Please enter a number.");
constexpr const char* kInvalidIntegerPrompt
    = QT_TRANSLATE_NOOP("DataExchange", "Please enter a whole number from %1 to %2.");

// Fields keep line breaks as "\r\n"; a multi-line box holds "\n".
QString ToBoxLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString FromBoxLines(QString text)
{
    return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

QString ControlText(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        return FromBoxLines(box->toPlainText());
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    return {};
}

// Sets the text only when it differs, so a box keeps its cursor, selection and undo history
// when a push leaves it as it is. Returns whether the text changed.
bool SetControlText(QWidget* control, const QString& text)
{
    if (ControlText(control) == text)
        return false;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
        // A long text shows from its start, as it reads.
        edit->setCursorPosition(0);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        box->setPlainText(ToBoxLines(text));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
        // A prompt names the box it asks about.
        DialogControls::NameBuddy(*label);
    }
    return true;
}

} // namespace

DataExchange::DataExchange(
    QWidget& window, const DialogControls& controls, Direction direction, Prompting prompting)
    : m_window(window)
    , m_controls(controls)
    , m_direction(direction)
    , m_prompting(prompting)
{ }

QWidget* DataExchange::Item(int id) const
{
    if (m_failed)
        return nullptr;
    QWidget* control = m_controls.Item(id);
    Q_ASSERT_X(control != nullptr, "DataExchange", "a binding names no control of the template");
    return control;
}

void DataExchange::NoteChanged(QWidget* control)
{
    m_changed.push_back(control);
}

void DataExchange::Text(int id, std::string& field)
{
    QString text = BytesToText(field);
    Text(id, text);
    if (ToFields() && !m_failed)
        field = TextToBytes(text, field);
}

void DataExchange::Text(int id, QString& field)
{
    QWidget* control = Item(id);
    if (control == nullptr)
        return;
    if (ToFields())
        field = ControlText(control);
    else if (SetControlText(control, field))
        NoteChanged(control);
}

void DataExchange::DisplayText(int id, const QString& text)
{
    QWidget* control = Item(id);
    if (control != nullptr && SetControlText(control, text))
        NoteChanged(control);
}

void DataExchange::Check(int id, bool& field)
{
    auto* box = qobject_cast<QAbstractButton*>(Item(id));
    if (box == nullptr)
        return;
    if (ToFields()) {
        field = box->isChecked();
    } else if (box->isChecked() != field) {
        box->setChecked(field);
        NoteChanged(box);
    }
}

void DataExchange::Radio(int firstId, int& field)
{
    std::vector<QRadioButton*> group;
    for (int id = firstId;; ++id) {
        auto* button = qobject_cast<QRadioButton*>(m_controls.Item(id));
        if (button == nullptr)
            break;
        group.push_back(button);
    }
    if (m_failed || group.empty())
        return;
    if (ToFields()) {
        field = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (group[i]->isChecked())
                field = static_cast<int>(i);
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i) {
        const bool checked = static_cast<int>(i) == field;
        if (group[i]->isChecked() == checked)
            continue;
        // Unchecking the checked one of an exclusive group would be refused.
        group[i]->setAutoExclusive(false);
        group[i]->setChecked(checked);
        group[i]->setAutoExclusive(true);
        NoteChanged(group[i]);
    }
}

void DataExchange::ListIndex(int id, int& field)
{
    auto* list = qobject_cast<QListWidget*>(Item(id));
    if (list == nullptr)
        return;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    const int index = selected.isEmpty() ? -1 : list->row(selected.first());
    if (ToFields()) {
        field = index;
        return;
    }
    const QSignalBlocker quiet(list);
    if (field < 0)
        list->clearSelection();
    else
        list->setCurrentRow(field, QItemSelectionModel::ClearAndSelect);
    if (index != field)
        NoteChanged(list);
}

void DataExchange::Integer(int id, int& field, int minimum, int maximum)
{
    QWidget* control = Item(id);
    if (control == nullptr)
        return;
    if (!ToFields()) {
        if (SetControlText(control, QString::number(field)))
            NoteChanged(control);
        return;
    }
    bool whole = false;
    const int value = ControlText(control).trimmed().toInt(&whole);
    if (whole && value >= minimum && value <= maximum) {
        field = value;
        return;
    }
    if (m_prompting == Prompting::Quiet)
        return;
    Prompt(control,
        QCoreApplication::translate("DataExchange", kInvalidIntegerPrompt)
            .arg(minimum)
            .arg(maximum));
}

void DataExchange::Prompt(QWidget* control, const QString& text)
{
    Messages().MessageBox(&m_window, text, MessageKind::Refusal);
    m_failed = true;
    // The box to correct gets the focus with its text selected.
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
}

void DataExchange::Float(int id, float& field)
{
    QWidget* control = Item(id);
    if (control == nullptr)
        return;
    if (!ToFields()) {
        if (SetControlText(control, QString::fromStdString(FormatField(field))))
            NoteChanged(control);
        return;
    }
    if (const auto value = ParseDecimal(ControlText(control).toStdString())) {
        field = *value;
        return;
    }
    if (m_prompting == Prompting::Quiet)
        return;
    Prompt(control, QCoreApplication::translate("DataExchange", kInvalidNumberPrompt));
}

} // namespace plovex
