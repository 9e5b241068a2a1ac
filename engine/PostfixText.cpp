#include "engine/PostfixText.h"

#include "engine/Numbers.h"
#include "engine/TokenList.h"

namespace plovex {

std::string PostfixText(const TokenList& queue)
{
    std::string text;
    queue.ForEach([&text](const Token& token) {
        if (token.kind == '0') {
            text += '(';
            text += FormatFixed(token.value);
            text += ')';
        } else {
            text += token.kind;
        }
    });
    return text;
}

} // namespace plovex
