#pragma once

#include "platform/DialogTemplate.h"

namespace plovex {

// Template 101: the graph form.
const DialogTemplate& GraphFormTemplate();

// Template 130: the input dialog that asks for one number.
const DialogTemplate& InputDialogTemplate();

// Template 100: the About box.
const DialogTemplate& AboutDialogTemplate();

// Template 131: the help window.
const DialogTemplate& HelpDialogTemplate();

// Template 132: From, To and Step of a table of values.
const DialogTemplate& TableQuestionTemplate();

// Template 133: the size of an exported picture, and whether it keeps the visible region or
// the scales.
const DialogTemplate& ExportTemplate();

// Every template above, for what holds for all of them (their captions fit in every language).
std::span<const DialogTemplate* const> DialogTemplates();

} // namespace plovex
