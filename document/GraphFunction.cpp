#include "document/GraphFunction.h"

#include "engine/Parser.h"

#include <utility>

namespace plovex {

GraphFunction::GraphFunction(StoredFunction stored)
    : StoredFunction(std::move(stored))
    , m_postfixQueue(std::make_unique<TokenList>())
{ }

ParseResult GraphFunction::Parse()
{
    // The operator stack is the parse's scratch: it holds nothing once the parse is over.
    TokenList operators;
    m_parsedExpression = expression;
    return plovex::Parse(expression, implicit, *m_postfixQueue, operators, m_postfixText);
}

} // namespace plovex
