#include "platform/DialogControls.h"

#include "platform/DialogUnits.h"
#include "platform/LineBox.h"
#include "platform/PictureStatic.h"
#include "platform/StringTable.h"
#include "res/Resource.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>

namespace plovex {
namespace {

// The templates were sized for MS Sans Serif, whose letters are narrower than those of any
// font here: laid out with DejaVu Sans at the template's size, captions such as "Implicit
// function" only fit when drawn a size or two smaller. 8 points fits every caption at the
// template sizes used (8 and 10 points) and stays easy to read.
constexpr const char* kFontFamily = "DejaVu Sans";
constexpr int kCaptionPointSize = 8;
// An icon shows at the platform's standard size, whatever the dialog units.
constexpr int kIconSize = 32;

bool Has(const ControlTemplate& control, unsigned style)
{
    return (control.style & style) != 0;
}

// A multi-line box. The style draws no focus frame around one, so a read-only box reached
// by the keyboard shows the focus as a one-line box does: its text selected, ready to copy,
// and a caret to move and select with. Leaving it takes the selection away again.
class TextBox final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QPlainTextEdit::focusInEvent(event);
        const Qt::FocusReason reason = event->reason();
        if (isReadOnly()
            && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                || reason == Qt::ShortcutFocusReason))
            selectAll();
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QPlainTextEdit::focusOutEvent(event);
        if (isReadOnly() && event->reason() != Qt::PopupFocusReason) {
            QTextCursor cursor = textCursor();
            cursor.clearSelection();
            setTextCursor(cursor);
        }
    }
};

QWidget* CreateEdit(const ControlTemplate& control, QWidget& parent)
{
    if (Has(control, ControlStyle::kMultiLine)) {
        auto* edit = new TextBox(&parent);
        edit->setReadOnly(Has(control, ControlStyle::kReadOnly));
        if (edit->isReadOnly())
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        // A box that scrolls sideways by itself keeps each line whole, with no scroll bar.
        const bool sideways = Has(control, ControlStyle::kAutoHScroll);
        edit->setLineWrapMode(sideways ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        if (sideways)
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(
            Has(control, ControlStyle::kVScroll) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        edit->setFrameShape(
            Has(control, ControlStyle::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
        edit->setTabChangesFocus(true);
        edit->setAcceptDrops(false);
        return edit;
    }
    auto* edit = new LineBox(&parent);
    edit->setFrame(Has(control, ControlStyle::kBorder));
    edit->setReadOnly(Has(control, ControlStyle::kReadOnly));
    // A dropped file belongs to the main window, not to the text of a box.
    edit->setAcceptDrops(false);
    return edit;
}

QWidget* CreateStatic(const ControlTemplate& control, QWidget& parent)
{
    auto* label = new QLabel(DialogControls::Caption(control.caption), &parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft
        | (Has(control, ControlStyle::kCentreVertically) ? Qt::AlignVCenter : Qt::AlignTop));
    if (Has(control, ControlStyle::kSunken))
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QWidget* CreatePushButton(const ControlTemplate& control, QWidget& parent)
{
    auto* button = new QPushButton(DialogControls::Caption(control.caption), &parent);
    if (Has(control, ControlStyle::kDefault))
        button->setDefault(true);
    if (Has(control, ControlStyle::kNeverDefault))
        button->setAutoDefault(false);
    if (control.shortcut != nullptr)
        button->setShortcut(QKeySequence(QString::fromLatin1(control.shortcut)));
    return button;
}

QWidget* CreateListBox(const ControlTemplate& control, QWidget& parent)
{
    auto* list = new QListWidget(&parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollBarPolicy(
        Has(control, ControlStyle::kVScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    list->setFrameShape(
        Has(control, ControlStyle::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
    return list;
}

QWidget* CreateIcon(const ControlTemplate& control, QWidget& parent)
{
    auto* icon = new QLabel(&parent);
    icon->setPixmap(QIcon(QString::fromUtf8(control.caption)).pixmap(kIconSize, kIconSize));
    return icon;
}

QWidget* CreateControl(const ControlTemplate& control, QWidget& parent)
{
    switch (control.kind) {
    case ControlKind::Edit:
        return CreateEdit(control, parent);
    case ControlKind::PushButton:
        return CreatePushButton(control, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(DialogControls::Caption(control.caption), &parent);
    case ControlKind::Static:
        return CreateStatic(control, parent);
    case ControlKind::Frame:
        return new PictureStatic(&parent);
    case ControlKind::ProgressBar: {
        auto* progress = new QProgressBar(&parent);
        progress->setTextVisible(false);
        progress->setRange(0, 100);
        progress->setValue(0);
        return progress;
    }
    case ControlKind::ListBox:
        return CreateListBox(control, parent);
    case ControlKind::Icon:
        return CreateIcon(control, parent);
    }
    return nullptr;
}

QRect ControlRect(const ControlTemplate& control, const DialogUnits& units)
{
    if (control.kind == ControlKind::Icon)
        return QRect(units.X(control.x), units.Y(control.y), kIconSize, kIconSize);
    return units.Rect(control.x, control.y, control.width, control.height);
}

Qt::FocusPolicy FocusPolicy(const ControlTemplate& control)
{
    if (Has(control, ControlStyle::kTabStop))
        return Qt::StrongFocus;
    const bool takesInput = control.kind == ControlKind::Edit
        || control.kind == ControlKind::PushButton || control.kind == ControlKind::CheckBox
        || control.kind == ControlKind::ListBox;
    return takesInput ? Qt::ClickFocus : Qt::NoFocus;
}

// Controls without a caption of their own, which the static text before them names.
bool TakesLabel(ControlKind kind)
{
    return kind == ControlKind::Edit || kind == ControlKind::ProgressBar
        || kind == ControlKind::Frame || kind == ControlKind::ListBox;
}

// "&Save && Quit:" reads "Save & Quit".
QString LabelName(const QString& text)
{
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && ++i == text.size())
            break;
        name += text[i];
    }
    name = name.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

// As on the platform the templates come from: a control whose template gives a name string
// is named by it; any other control without a caption of its own is named by the nearest
// static text before it, unless that text names a control already, and becomes the label's
// buddy so that the label's mnemonic focuses it. A label names one control only: in
// "Quality:", box, progress bar, the bar is no quality.
void NameControls(const DialogTemplate& dialogTemplate, const std::vector<QWidget*>& widgets)
{
    QLabel* label = nullptr;
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        QWidget* widget = widgets[i];
        if (control.nameId != 0) {
            const QString name = LoadString(control.nameId);
            widget->setAccessibleName(name);
            // A button whose caption is only a sign shows what it does under the pointer,
            // and the key that does it.
            if (control.kind == ControlKind::PushButton) {
                const QKeySequence keys = qobject_cast<QAbstractButton*>(widget)->shortcut();
                widget->setToolTip(control.shortcut == nullptr
                        ? name
                        : QString("%1 (%2)").arg(name, keys.toString(QKeySequence::NativeText)));
            }
        } else if (control.kind == ControlKind::Static) {
            label = qobject_cast<QLabel*>(widget);
        } else if (TakesLabel(control.kind) && label != nullptr) {
            label->setBuddy(widget);
            DialogControls::NameBuddy(*label);
            label = nullptr;
        }
    }
}

} // namespace

QSize DialogControls::Create(QWidget& window, const DialogTemplate& dialogTemplate)
{
    window.setFont(CaptionFont());
    const DialogUnits units(TemplateFont(dialogTemplate.pointSize));
    QWidget* previousTabStop = nullptr;
    std::vector<QWidget*> widgets;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateControl(control, window);
        widget->setGeometry(ControlRect(control, units));
        widget->setFocusPolicy(FocusPolicy(control));
        if (Has(control, ControlStyle::kTabStop)) {
            if (previousTabStop != nullptr)
                QWidget::setTabOrder(previousTabStop, widget);
            else
                m_firstTabStop = widget;
            previousTabStop = widget;
        }
        m_items.emplace_back(control.id, widget);
        widgets.push_back(widget);
    }
    NameControls(dialogTemplate, widgets);
    return units.Size(dialogTemplate.width, dialogTemplate.height);
}

QWidget* DialogControls::Item(int id) const
{
    for (const auto& [itemId, widget] : m_items) {
        if (itemId == id)
            return widget;
    }
    return nullptr;
}

void DialogControls::NameBuddy(const QLabel& label)
{
    if (QWidget* buddy = label.buddy())
        buddy->setAccessibleName(LabelName(label.text()));
}

QString DialogControls::Caption(const char* text)
{
    return QCoreApplication::translate(kTemplateContext, text)
        .replace(QStringLiteral("%1"), LoadString(res::kStrAppTitle));
}

QFont DialogControls::TemplateFont(int pointSize)
{
    QFont font(kFontFamily);
    font.setPointSize(pointSize);
    return font;
}

QFont DialogControls::CaptionFont()
{
    return TemplateFont(kCaptionPointSize);
}

} // namespace plovex
