#include "view/FormTemplates.h"

#include "res/Resource.h"

#include <QtGlobal>

namespace plovex {
namespace {

using S = ControlStyle;
using K = ControlKind;

constexpr unsigned kBox = S::kBorder | S::kAutoHScroll | S::kTabStop;
constexpr unsigned kLabel = S::kCentreVertically;

// In tab order, which follows the layout row by row, left to right; positions and sizes in
// dialog units. A box takes its name from the label before it; the others that no label or
// caption names have a name string. Every button and check box has its own Alt key, none
// of them a menu's (File, Edit, View, Window, Help); the sign buttons, whose captions have no
// letter, take Alt and the arrow of their direction.
constexpr ControlTemplate kGraphFormControls[] = {
    { res::kExpressionEdit, K::Edit, "", 7, 7, 233, 14, kBox, res::kStrNameExpression },
    { res::kPlotButton, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "&Plot"), 242, 7, 31, 14,
        S::kTabStop },
    { res::kPlotDerivativeButton, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "Plot &dy/dx"),
        275, 7, 38, 14, S::kTabStop },
    { res::kPostfixEdit, K::Edit, "", 7, 22, 189, 13, kBox | S::kReadOnly, res::kStrNamePostfix },
    // Wide enough for a verb: "Auswerten".
    { res::kEvalDerivativeButton, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "Eva&l dy/dx"),
        198, 22, 38, 13, S::kTabStop },
    { res::kEvaluateButton, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "Ev&aluate"), 238,
        22, 35, 13, S::kTabStop },
    { res::kIntegrateButton, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "&Integrate"), 275,
        22, 38, 13, S::kTabStop },
    { res::kNoClearCheck, K::CheckBox,
        QT_TRANSLATE_NOOP("DialogTemplate", "Do &not clear previous graph"), 7, 38, 94, 10,
        S::kTabStop },
    { res::kImplicitCheck, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplate", "I&mplicit function"),
        103, 38, 55, 10, S::kTabStop },
    // Three lines, each on one line: no scroll bar takes their room, and a long number runs
    // on out of sight rather than breaking onto a line of its own.
    { res::kInfoEdit, K::Edit, "", 231, 36, 82, 27,
        S::kBorder | S::kReadOnly | S::kMultiLine | S::kAutoHScroll | S::kTabStop,
        res::kStrNameStatistics },
    { res::kStatusStatic, K::Static, "", 160, 38, 38, 9, S::kSunken },
    // The scale and quality boxes show a zoomed scale such as 24.414062 whole.
    { res::kIdStatic, K::Static, QT_TRANSLATE_NOOP("DialogTemplate", "X Scale:"), 7, 50, 26, 12,
        kLabel },
    { res::kXScaleEdit, K::Edit, "", 33, 49, 33, 12, kBox },
    { res::kXScaleUpButton, K::PushButton, "+", 67, 49, 10, 12, S::kTabStop, res::kStrNameXScaleUp,
        "Alt+Shift+Right" },
    { res::kXScaleDownButton, K::PushButton, "-", 78, 49, 10, 12, S::kTabStop,
        res::kStrNameXScaleDown, "Alt+Shift+Left" },
    { res::kIdStatic, K::Static, QT_TRANSLATE_NOOP("DialogTemplate", "Y Scale:"), 89, 49, 26, 12,
        kLabel },
    { res::kYScaleEdit, K::Edit, "", 115, 49, 33, 12, kBox },
    { res::kYScaleUpButton, K::PushButton, "+", 149, 49, 10, 12, S::kTabStop, res::kStrNameYScaleUp,
        "Alt+Shift+Up" },
    { res::kYScaleDownButton, K::PushButton, "-", 160, 49, 10, 12, S::kTabStop,
        res::kStrNameYScaleDown, "Alt+Shift+Down" },
    { res::kIdStatic, K::Static, QT_TRANSLATE_NOOP("DialogTemplate", "Quality:"), 171, 49, 26, 12,
        kLabel },
    { res::kQualityEdit, K::Edit, "", 197, 49, 33, 12, kBox },
    { res::kProgressBar, K::ProgressBar, "", 200, 40, 29, 6, S::kNone, res::kStrNameProgress },
    { res::kGraphArea, K::Frame, "", 7, 64, 306, 128, S::kNone, res::kStrNameGraph },
};

constexpr ControlTemplate kInputDialogControls[] = {
    { res::kInputPromptStatic, K::Static, "", 7, 7, 258, 8, S::kNone },
    { res::kInputValueEdit, K::Edit, "", 7, 17, 258, 14, kBox },
    { res::kIdOk, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "OK"), 84, 36, 50, 14,
        S::kDefault | S::kTabStop },
    { res::kIdCancel, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "Cancel"), 137, 36, 50, 14,
        S::kTabStop },
};

// The icon names the application for a screen reader.
constexpr ControlTemplate kAboutDialogControls[] = {
    { res::kIdStatic, K::Icon, ":/icons/plovex.svg", 11, 17, 20, 20, S::kNone, res::kStrAppTitle },
    { res::kIdStatic, K::Static, "%1.0", 40, 10, 119, 8, kLabel },
    { res::kIdStatic, K::Static,
        QT_TRANSLATE_NOOP(
            "DialogTemplate", "A function plotter for the desktop,\nby the Plovex authors."),
        40, 25, 119, 20, S::kNone },
    { res::kIdOk, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "OK"), 178, 7, 50, 14,
        S::kDefault | S::kTabStop },
};

// Enter does nothing in the help window, so no button is ever its default.
constexpr ControlTemplate kHelpDialogControls[] = {
    { res::kHelpTopicList, K::ListBox, "", 7, 7, 91, 151, S::kBorder | S::kVScroll | S::kTabStop,
        res::kStrNameHelpTopics },
    { res::kHelpTextEdit, K::Edit, "", 101, 7, 228, 151,
        S::kBorder | S::kReadOnly | S::kMultiLine | S::kVScroll | S::kTabStop,
        res::kStrNameHelpText },
    { res::kIdCancel, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "Close"), 279, 161, 50, 14,
        S::kTabStop | S::kNeverDefault },
};

// From, To and Step of a table of values, each box after its label.
constexpr ControlTemplate kTableQuestionControls[] = {
    { res::kIdStatic, K::Static, QT_TRANSLATE_NOOP("DialogTemplate", "&From:"), 7, 9, 30, 8,
        S::kNone },
    { res::kTableFromEdit, K::Edit, "", 40, 7, 70, 14, kBox },
    { res::kIdStatic, K::Static, QT_TRANSLATE_NOOP("DialogTemplate", "&To:"), 7, 27, 30, 8,
        S::kNone },
    { res::kTableToEdit, K::Edit, "", 40, 25, 70, 14, kBox },
    { res::kIdStatic, K::Static, QT_TRANSLATE_NOOP("DialogTemplate", "&Step:"), 7, 45, 30, 8,
        S::kNone },
    { res::kTableStepEdit, K::Edit, "", 40, 43, 70, 14, kBox },
    { res::kIdOk, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "OK"), 120, 7, 50, 14,
        S::kDefault | S::kTabStop },
    { res::kIdCancel, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "Cancel"), 120, 25, 50, 14,
        S::kTabStop },
};

constexpr DialogTemplate kGraphForm { res::kGraphFormTemplate, "", 320, 199, 10,
    kGraphFormControls };
constexpr DialogTemplate kInputDialog { res::kInputTemplate, "%1", 272, 57, 8,
    kInputDialogControls };
constexpr DialogTemplate kAboutDialog { res::kAboutTemplate,
    QT_TRANSLATE_NOOP("DialogTemplate", "About Plovex"), 235, 55, 8, kAboutDialogControls };
constexpr DialogTemplate kHelpDialog { res::kHelpTemplate,
    QT_TRANSLATE_NOOP("DialogTemplate", "%1 Help"), 336, 182, 10, kHelpDialogControls };
constexpr DialogTemplate kTableQuestion { res::kTableQuestionTemplate,
    QT_TRANSLATE_NOOP("DialogTemplate", "Table of Values"), 177, 64, 8, kTableQuestionControls };

} // namespace

const DialogTemplate& GraphFormTemplate()
{
    return kGraphForm;
}

const DialogTemplate& InputDialogTemplate()
{
    return kInputDialog;
}

const DialogTemplate& AboutDialogTemplate()
{
    return kAboutDialog;
}

const DialogTemplate& HelpDialogTemplate()
{
    return kHelpDialog;
}

const DialogTemplate& TableQuestionTemplate()
{
    return kTableQuestion;
}

std::span<const DialogTemplate* const> DialogTemplates()
{
    static const DialogTemplate* const templates[]
        = { &kGraphForm, &kInputDialog, &kAboutDialog, &kHelpDialog, &kTableQuestion };
    return templates;
}

} // namespace plovex
