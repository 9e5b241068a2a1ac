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

namespace plovex {
namespace {

// Any equivalent of the framework's own prompt does; this is its wording.
constexpr const char* kInvalidNumberPrompt
    = QT_TRANSLATE_NOOP("DataExchange", "Please enter a number.");

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

void DataExchange::Display(int id, const std::string& field, QString (*show)(const std::string&))
{
    if (ToFields())
        return;
    QWidget* control = Item(id);
    if (control != nullptr && SetControlText(control, show(field)))
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
    Messages().MessageBox(&m_window,
        QCoreApplication::translate("DataExchange", kInvalidNumberPrompt), MessageKind::Refusal);
    m_failed = true;
    // The box to correct gets the focus with its text selected.
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
}

} // namespace plovex
