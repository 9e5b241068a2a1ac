#include "document/GraphFunction.h"

#include "engine/ExpressionNames.h"
#include "engine/Parser.h"
#include "native/NativeCode.h"

#include <utility>

namespace plovex {
namespace {

// What the kind's expressions may name: x; x and y; t; and the graph's parameters.
ExpressionNames NamesFor(CurveKind kind, const std::vector<std::string>& parameters)
{
    switch (kind) {
    case CurveKind::Implicit:
        return ExpressionNames::Implicit(parameters);
    case CurveKind::Parametric:
    case CurveKind::Polar:
        return ExpressionNames::Curve(parameters);
    case CurveKind::Explicit:
        break;
    }
    return ExpressionNames::Explicit(parameters);
}

} // namespace

const char* ExpressionLabel(CurveKind kind, int part)
{
    switch (kind) {
    case CurveKind::Parametric:
        return part == 0 ? "x(t)" : "y(t)";
    case CurveKind::Polar:
        return "r(t)";
    case CurveKind::Explicit:
    case CurveKind::Implicit:
        break;
    }
    return "";
}

GraphFunction::GraphFunction(StoredFunction stored)
    : StoredFunction(std::move(stored))
{ }

FunctionParse GraphFunction::Parse(const std::vector<std::string>& parameters)
{
    m_parsedRange = range;
    m_parsedCount = ExpressionCount(kind);
    for (int part = 0; part < m_parsedCount; ++part)
        m_parts[part].parsed = part == 0 ? expression : yExpression;
    return ParseParts(NamesFor(kind, parameters));
}

FunctionParse GraphFunction::Rebind(const std::vector<std::string>& parameters)
{
    ExpressionNames names = m_parsedNames;
    names.parameters = parameters;
    return ParseParts(names);
}

FunctionParse GraphFunction::ParseParts(const ExpressionNames& names)
{
    FunctionParse parse;
    m_parsedNames = names;
    for (int part = 0; part < m_parsedCount; ++part) {
        Part& target = m_parts[part];
        // The operator stack is the parse's scratch: it holds nothing once the parse is over.
        TokenList operators;
        ParseResult result
            = plovex::Parse(target.parsed, names, *target.queue, operators, target.postfix);
        target.program = CompileProgram(*target.queue);
        if (!result.Ok())
            parse.errors.push_back({ part, std::move(result) });
    }
    return parse;
}

std::string GraphFunction::PostfixText() const
{
    std::string text = m_parts[0].postfix;
    for (int part = 1; part < ExpressionCount(kind); ++part)
        text += ", " + m_parts[part].postfix;
    return text;
}

} // namespace plovex
