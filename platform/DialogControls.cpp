#include "platform/DialogControls.h"

#include "platform/DialogUnits.h"
#include "platform/PictureStatic.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace plovex {
namespace {

// The templates were sized for MS Sans Serif, whose letters are narrower than those of any
// font here: laid out with DejaVu Sans at the template's size, captions such as "Implicit
// function" only fit when drawn a size or two smaller. 8 points fits every caption at the
// template sizes used (8 and 10 points) and stays easy to read.
constexpr const char* kFontFamily = "DejaVu Sans";
constexpr int kCaptionPointSize = 8;

bool Has(const ControlTemplate& control, unsigned style)
{
    return (control.style & style) != 0;
}

QWidget* CreateEdit(const ControlTemplate& control, QWidget& parent)
{
    if (Has(control, ControlStyle::kMultiLine)) {
        auto* edit = new QPlainTextEdit(&parent);
        edit->setReadOnly(Has(control, ControlStyle::kReadOnly));
        edit->setLineWrapMode(Has(control, ControlStyle::kAutoHScroll)
                ? QPlainTextEdit::NoWrap
                : QPlainTextEdit::WidgetWidth);
        edit->setVerticalScrollBarPolicy(
            Has(control, ControlStyle::kVScroll) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        edit->setFrameShape(
            Has(control, ControlStyle::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
        edit->setTabChangesFocus(true);
        edit->setAcceptDrops(false);
        return edit;
    }
    auto* edit = new QLineEdit(&parent);
    edit->setFrame(Has(control, ControlStyle::kBorder));
    edit->setReadOnly(Has(control, ControlStyle::kReadOnly));
    // A dropped file belongs to the main window, not to the text of a box.
    edit->setAcceptDrops(false);
    return edit;
}

QWidget* CreateStatic(const ControlTemplate& control, QWidget& parent)
{
    auto* label = new QLabel(QString::fromUtf8(control.caption), &parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft
        | (Has(control, ControlStyle::kCentreVertically) ? Qt::AlignVCenter : Qt::AlignTop));
    if (Has(control, ControlStyle::kSunken))
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QWidget* CreateControl(const ControlTemplate& control, QWidget& parent)
{
    switch (control.kind) {
    case ControlKind::Edit:
        return CreateEdit(control, parent);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(QString::fromUtf8(control.caption), &parent);
        if (Has(control, ControlStyle::kDefault))
            button->setDefault(true);
        return button;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(QString::fromUtf8(control.caption), &parent);
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
    }
    return nullptr;
}

Qt::FocusPolicy FocusPolicy(const ControlTemplate& control)
{
    if (Has(control, ControlStyle::kTabStop))
        return Qt::StrongFocus;
    const bool takesInput = control.kind == ControlKind::Edit
        || control.kind == ControlKind::PushButton || control.kind == ControlKind::CheckBox;
    return takesInput ? Qt::ClickFocus : Qt::NoFocus;
}

} // namespace

QSize DialogControls::Create(QWidget& window, const DialogTemplate& dialogTemplate)
{
    window.setFont(CaptionFont());
    const DialogUnits units(TemplateFont(dialogTemplate.pointSize));
    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateControl(control, window);
        widget->setGeometry(units.Rect(control.x, control.y, control.width, control.height));
        widget->setFocusPolicy(FocusPolicy(control));
        if (Has(control, ControlStyle::kTabStop)) {
            if (previousTabStop != nullptr)
                QWidget::setTabOrder(previousTabStop, widget);
            else
                m_firstTabStop = widget;
            previousTabStop = widget;
        }
        m_items.emplace_back(control.id, widget);
    }
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
