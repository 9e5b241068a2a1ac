#include "engine/ParameterName.h"

#include "engine/Functions.h"

namespace plovex {

ParameterNameRefusal CheckParameterName(std::string_view name)
{
    if (name.empty())
        return ParameterNameRefusal::Empty;
    if (name.front() < 'a' || name.front() > 'z')
        return ParameterNameRefusal::NotLowerCaseStart;
    for (const char ch : name) {
        if (!(ch >= 'a' && ch <= 'z') && !(ch >= '0' && ch <= '9'))
            return ParameterNameRefusal::InvalidCharacter;
    }
    if (name == "x" || name == "y" || name == "t")
        return ParameterNameRefusal::Variable;
    if (name == kPiName)
        return ParameterNameRefusal::Constant;
    if (LookupFunction(name) != kUnknownFunction)
        return ParameterNameRefusal::FunctionName;
    if (name.find_first_of("xy") != std::string_view::npos)
        return ParameterNameRefusal::HoldsXOrY;
    return ParameterNameRefusal::None;
}

} // namespace plovex
