#include "engine/PostfixText.h"

#include "engine/Numbers.h"
#include "engine/TokenList.h"

namespace plovex {
namespace {

// A slot no name reads (a queue built by hand) shows as "?".
std::string_view SlotName(std::size_t slot, const ExpressionNames& names)
{
    switch (slot) {
    case kSlotX:
        return "x";
    case kSlotY:
        return "y";
    case kSlotT:
        return "t";
    default:
        break;
    }
    const std::size_t parameter = slot - kFirstParameterSlot;
    return parameter < names.parameters.size() ? std::string_view(names.parameters[parameter])
                                               : std::string_view("?");
}

} // namespace

std::string PostfixText(const TokenList& queue, const ExpressionNames& names)
{
    std::string text;
    queue.ForEach([&](const Token& token) {
        if (token.kind == '0') {
            text += '(';
            text += FormatFixed(token.value);
            text += ')';
        } else if (token.kind == kSlotOperand) {
            text += '{';
            text += SlotName(token.slot, names);
            text += '}';
        } else {
            text += token.kind;
        }
    });
    return text;
}

} // namespace plovex
