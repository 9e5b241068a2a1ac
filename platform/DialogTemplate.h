#pragma once

#include <span>

namespace plovex {

enum class ControlKind {
    Edit, // one line, or several with ControlStyle::kMultiLine
    PushButton,
    CheckBox, // automatic: a click toggles it
    Static, // a text the user does not edit
    Frame, // a static with a border and no text, whose client area the program draws on
    ProgressBar,
    ListBox, // one selection at a time, kept in the order the items were added
    Icon, // the image the caption names, at icon size: the template's size is not used
    // One of a group of choices: the radio buttons of a window are one group, checking one
    // clears the others.
    RadioButton,
};

// Styles of a control, or-ed together.
struct ControlStyle {
    static constexpr unsigned kNone = 0;
    static constexpr unsigned kTabStop = 1u << 0;
    static constexpr unsigned kBorder = 1u << 1;
    static constexpr unsigned kReadOnly = 1u << 2;
    static constexpr unsigned kMultiLine = 1u << 3;
    // A multi-line edit scrolls sideways instead of wrapping its lines.
    static constexpr unsigned kAutoHScroll = 1u << 4;
    static constexpr unsigned kVScroll = 1u << 5;
    // The default push button of a dialog: Enter presses it.
    static constexpr unsigned kDefault = 1u << 6;
    static constexpr unsigned kSunken = 1u << 7;
    static constexpr unsigned kCentreVertically = 1u << 8;
    // A push button that Enter never presses, even while it has the focus: in a window whose
    // Enter does nothing.
    static constexpr unsigned kNeverDefault = 1u << 9;
};

// The context in which captions are translated: a template marks each of its English captions
// QT_TRANSLATE_NOOP("DialogTemplate", "Plot") for lupdate to find.
inline constexpr const char* kTemplateContext = "DialogTemplate";

// Position and size in dialog units. In a caption, of a control or of the window, "%1" stands
// for the application title (string res::kStrAppTitle), so the name is written once.
struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* caption;
    int x;
    int y;
    int width;
    int height;
    unsigned style;
    // The string resource that names the control for assistive technology, where no label
    // before it and no caption of its own says what it is; 0 for none.
    int nameId = 0;
    // A key ("Alt+Shift+Up") that presses a push button whose caption holds no letter for a
    // mnemonic; shown with the name under the pointer. nullptr for none.
    const char* shortcut = nullptr;
};

// A window laid out as a table of controls. The dialog units follow from the template's font
// size; the controls are listed in tab order.
struct DialogTemplate {
    int id;
    const char* caption; // the title of a dialog; a form has none
    int width;
    int height;
    int pointSize;
    std::span<const ControlTemplate> controls;
};

} // namespace plovex
