#pragma once

#include <QAccessible>
#include <string>
#include <vector>

class QWidget;

namespace plovex {

// Every visible control of `window` that a person can focus, by the name assistive
// technology reads for it, in the order it lists them.
std::vector<std::string> FocusableNames(QWidget& window);

// The one visible element of `window` in `role`; null, and a test failure, for none or
// several.
QAccessibleInterface* FindByRole(QWidget& window, QAccessible::Role role);

// Fails the test for a name that is empty or given twice.
void ExpectNamedOnce(const std::vector<std::string>& names);

} // namespace plovex
