#pragma once

#include "engine/ParseResult.h"

#include <string>
#include <string_view>

namespace plovex {

class TokenList;

// Turns an expression into the postfix queue in one left-to-right pass (shunting-yard over
// `operators`). Both lists are cleared first. On success `postfix` receives the queue's
// postfix text; on an error the lists keep what was built up to the failing character and
// `postfix` is left as it was. `implicit` allows the variable y. The message holds the
// unrecognised character's bytes as the text holds them: a whole UTF-8 character when the
// text is UTF-8, one byte otherwise, so it reads as the text does (see BytesToTextAs).
ParseResult Parse(std::string_view expression, bool implicit, TokenList& queue,
    TokenList& operators, std::string& postfix);

} // namespace plovex
