#include "document/GraphFunction.h"

#include "engine/Parser.h"
#include "native/NativeCode.h"

#include <utility>

namespace plovex {

GraphFunction::GraphFunction(StoredFunction stored)
    : StoredFunction(std::move(stored))
    , m_postfixQueue(std::make_unique<TokenList>())
    , m_program(Program::Compile(*m_postfixQueue))
{ }

ParseResult GraphFunction::Parse()
{
    // The operator stack is the parse's scratch: it holds nothing once the parse is over.
    TokenList operators;
    m_parsedExpression = expression;
    const ParseResult result
        = plovex::Parse(expression, implicit, *m_postfixQueue, operators, m_postfixText);
    m_program = CompileProgram(*m_postfixQueue);
    return result;
}

} // namespace plovex
