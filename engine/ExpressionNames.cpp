#include "engine/ExpressionNames.h"

#include <algorithm>
#include <utility>

namespace plovex {

ExpressionNames ExpressionNames::Explicit(std::vector<std::string> parameters)
{
    return { Variables::X, std::move(parameters) };
}

ExpressionNames ExpressionNames::Implicit(std::vector<std::string> parameters)
{
    return { Variables::XY, std::move(parameters) };
}

ExpressionNames ExpressionNames::Curve(std::vector<std::string> parameters)
{
    return { Variables::T, std::move(parameters) };
}

bool ExpressionNames::Allows(char variable) const
{
    switch (variables) {
    case Variables::X:
        return variable == 'x';
    case Variables::XY:
        return variable == 'x' || variable == 'y';
    case Variables::T:
        return variable == 't';
    }
    return false;
}

std::optional<std::size_t> ExpressionNames::ParameterSlot(std::string_view name) const
{
    const std::size_t searched = std::min(parameters.size(), kMaxParameters);
    const auto end = parameters.begin() + static_cast<std::ptrdiff_t>(searched);
    const auto found = std::find(parameters.begin(), end, name);
    if (found == end)
        return std::nullopt;
    return kFirstParameterSlot + static_cast<std::size_t>(found - parameters.begin());
}

std::size_t ExpressionNames::SlotCount() const
{
    return kFirstParameterSlot + std::min(parameters.size(), kMaxParameters);
}

} // namespace plovex
