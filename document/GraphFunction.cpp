#include "document/GraphFunction.h"

#include "engine/ExpressionNames.h"
#include "engine/Parser.h"

#include <utility>

namespace plovex {
namespace {

// What the kind's expressions may name: x; x and y; t.
ExpressionNames NamesFor(CurveKind kind)
{
    switch (kind) {
    case CurveKind::Implicit:
        return ExpressionNames::Implicit();
    case CurveKind::Parametric:
    case CurveKind::Polar:
        return ExpressionNames::Curve();
    case CurveKind::Explicit:
        break;
    }
    return ExpressionNames::Explicit();
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

FunctionParse GraphFunction::Parse()
{
    FunctionParse parse;
    m_parsedRange = range;
    const ExpressionNames names = NamesFor(kind);
    for (int part = 0; part < ExpressionCount(kind); ++part) {
        Part& target = m_parts[part];
        target.parsed = part == 0 ? expression : yExpression;
        // The operator stack is the parse's scratch: it holds nothing once the parse is over.
        TokenList operators;
        ParseResult result
            = plovex::Parse(target.parsed, names, *target.queue, operators, target.postfix);
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
