#include "view/ParameterQuestion.h"

#include "document/Parameter.h"
#include "engine/Numbers.h"
#include "platform/MessageService.h"

namespace plovex {

std::optional<std::string> UndefinedParameterName(const FunctionParse& parse)
{
    for (const ExpressionError& error : parse.errors) {
        if (error.result.error == ParseError::UnrecognisedFunction
            && CheckParameterName(error.result.detail) == ParameterNameRefusal::None)
            return error.result.detail;
    }
    return std::nullopt;
}

QString ParameterQuestion::Number(float value)
{
    return QString::fromStdString(FormatField(value)).replace(u'-', QChar(0x2212));
}

QString ParameterQuestion::Text(const std::string& name)
{
    const Parameter defaults;
    return tr("The expression uses '%1', which is not defined. Create a parameter %1 = %2 "
              "(from %3 to %4)?")
        .arg(QString::fromStdString(name), Number(defaults.value), Number(defaults.minimum),
            Number(defaults.maximum));
}

bool ParameterQuestion::Ask(QWidget* owner, const std::string& name)
{
    return Messages().Ask(owner, Text(name));
}

} // namespace plovex
