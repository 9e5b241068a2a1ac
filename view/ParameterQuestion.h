#pragma once

#include "document/GraphFunction.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace plovex {

// The first name a parse did not know that could name a parameter ("a" in "a*sin(x)"): what
// Plot offers to create. Nothing when no error is of that kind.
std::optional<std::string> UndefinedParameterName(const FunctionParse& parse);

// The question Plot asks about such a name, and the numbers in a sentence: a minus sign, not a
// hyphen, before a negative one.
class ParameterQuestion {
    Q_DECLARE_TR_FUNCTIONS(ParameterQuestion)

public:
    // "The expression uses 'a', which is not defined. Create a parameter a = 1 (from −5 to
    // 5)?", with the defaults a new parameter takes.
    static QString Text(const std::string& name);
    // Asks it through the message service: whether the answer was Yes.
    static bool Ask(QWidget* owner, const std::string& name);
    // A float as a number box shows it, with U+2212 for its minus sign.
    static QString Number(float value);
};

} // namespace plovex
