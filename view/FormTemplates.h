#pragma once

#include "platform/DialogTemplate.h"

namespace plovex {

// Template 101: the graph form.
const DialogTemplate& GraphFormTemplate();

// Template 130: the input dialog that asks for one number.
const DialogTemplate& InputDialogTemplate();

} // namespace plovex
