#pragma once

#include "document/StoredFunction.h"
#include "engine/ParseResult.h"
#include "engine/Program.h"
#include "engine/TokenList.h"

#include <memory>
#include <string>

namespace plovex {

// One function of a graph: what its document stores, and what its last parse left, which
// every rendering and evaluation of it reads until the next parse.
class GraphFunction : public StoredFunction {
public:
    explicit GraphFunction(StoredFunction stored = {});

    // The expression, as its kind says, into the postfix queue and the postfix text. After an
    // error the queue keeps what was built up to the failing character and the postfix text
    // stays that of the last successful parse.
    [[nodiscard]] ParseResult Parse();

    const TokenList& PostfixQueue() const { return *m_postfixQueue; }
    // The postfix queue compiled, with machine code where the machine runs it: made once per
    // parse, shared by every rendering and evaluation until the next.
    const Program& CompiledProgram() const { return m_program; }
    // The text of the last parse, which the postfix queue holds.
    const std::string& ParsedExpression() const { return m_parsedExpression; }
    const std::string& PostfixText() const { return m_postfixText; }

private:
    // On the heap: the queue's linked nodes stay put when the function moves in its list.
    std::unique_ptr<TokenList> m_postfixQueue;
    Program m_program;
    std::string m_parsedExpression;
    std::string m_postfixText;
};

} // namespace plovex
