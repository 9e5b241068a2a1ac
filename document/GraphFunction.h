#pragma once

#include "document/StoredFunction.h"
#include "engine/ExpressionNames.h"
#include "engine/ParseResult.h"
#include "engine/Program.h"
#include "engine/TokenList.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace plovex {

// A failed parse of one of a function's expressions: which one (0 the first, 1 a parametric
// curve's Y(t)) and what went wrong.
struct ExpressionError {
    int part = 0;
    ParseResult result;
};

// What parsing a function gave: an error for each of its expressions that did not parse.
struct [[nodiscard]] FunctionParse {
    std::vector<ExpressionError> errors;

    bool Ok() const { return errors.empty(); }
};

// What names an expression by its role in messages: "x(t)", "y(t)" of a parametric curve,
// "r(t)" of a polar one; empty for the one expression of an explicit or implicit function,
// whose messages stay as they always were.
const char* ExpressionLabel(CurveKind kind, int part);

// One function of a graph: what its document stores, and what its last parse left, which
// every rendering and evaluation of it reads until the next parse.
class GraphFunction : public StoredFunction {
public:
    explicit GraphFunction(StoredFunction stored = {});

    // Each expression of its kind into its postfix queue and postfix text, with `parameters`
    // (the graph's, in slot order) as the names it may use besides its variables; every
    // expression is parsed, also after another failed. After an error an expression's queue
    // keeps what was built up to the failing character and its postfix text stays that of its
    // last successful parse. The range parsed with them is the one the curve is drawn over.
    FunctionParse Parse(const std::vector<std::string>& parameters = {});
    // The texts of the last parse parsed again with `parameters`, as the kind then was: the
    // graph's parameters were added, removed or renamed, which moves or changes the names the
    // queues read, while the texts the user plotted stay.
    FunctionParse Rebind(const std::vector<std::string>& parameters);

    // The queue of expression `part`, as its last parse left it.
    const TokenList& PostfixQueue(int part = 0) const { return *m_parts[part].queue; }
    // The queue of expression `part` compiled, with machine code where the machine runs it:
    // made once per parse, shared by every rendering and evaluation until the next.
    const Program& CompiledProgram(int part = 0) const { return m_parts[part].program; }
    // The text of expression `part`'s last parse, which its postfix queue holds.
    const std::string& ParsedExpression(int part = 0) const { return m_parts[part].parsed; }
    // The range of t of the last parse.
    const ParameterRange& ParsedRange() const { return m_parsedRange; }
    // The postfix text of each expression the kind has, ", " between them (no postfix text
    // holds a comma): what the form's postfix box shows.
    std::string PostfixText() const;

private:
    FunctionParse ParseParts(const ExpressionNames& names);

    struct Part {
        // On the heap: the queue's linked nodes stay put when the function moves in its list.
        std::unique_ptr<TokenList> queue = std::make_unique<TokenList>();
        Program program = Program::Compile(*queue);
        std::string parsed;
        std::string postfix;
    };

    std::array<Part, 2> m_parts;
    ParameterRange m_parsedRange;
    // The names of the last parse: its kind's variables and the parameters then.
    ExpressionNames m_parsedNames;
    int m_parsedCount = 1;
};

} // namespace plovex
