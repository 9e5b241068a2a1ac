#include "render/GraphDescription.h"

#include "document/FunctionPalette.h"
#include "document/GraphFunction.h"
#include "engine/Numbers.h"
#include "render/FormFields.h"

namespace plovex {
namespace {

bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

// The information box's lines, "\r\n" apart, as one sentence.
std::string OneLine(std::string text)
{
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.replace(at, 2, ", ");
    return text;
}

std::string Said(const std::string& expression)
{
    return IsBlank(expression) ? "no expression" : expression;
}

// " X scale 10, Y scale 10. Maximum: 1, Minimum: -1, Mean: 0.", after the function.
std::string ScalesAndStatistics(const FormFields& fields)
{
    return ". X scale " + FormatField(fields.m_xScale) + ", Y scale " + FormatField(fields.m_yScale)
        + ". " + OneLine(fields.m_info) + ".";
}

} // namespace

std::string DescribeCurve(const GraphFunction& function)
{
    const std::string range = " for t from " + FormatField(function.ParsedRange().start) + " to "
        + FormatField(function.ParsedRange().end);
    if (function.kind == CurveKind::Polar)
        return "polar curve r = " + Said(function.ParsedExpression()) + range;
    return "parametric curve (" + Said(function.ParsedExpression()) + ", "
        + Said(function.ParsedExpression(1)) + ")" + range;
}

std::string DescribeFunctions(const std::vector<GraphFunction>& functions)
{
    if (functions.size() < 2)
        return {};
    std::string text;
    for (const GraphFunction& function : functions) {
        if (!function.shown)
            continue;
        text += text.empty() ? "Shown: " : ", ";
        if (SweepsParameter(function.kind)) {
            text += DescribeCurve(function) + " in ";
        } else {
            text += Said(function.ParsedExpression());
            text += function.kind == CurveKind::Implicit ? " = 0 in " : " in ";
        }
        text += ColourName(function.colour);
    }
    return (text.empty() ? "Nothing shown" : text) + ". Selected: ";
}

std::string DescribeGraph(const std::string& expression, const FormFields& fields)
{
    std::string text;
    if (IsBlank(expression))
        text = fields.m_derivative ? "Derivative of no expression" : "No expression";
    else
        text = (fields.m_derivative ? "Derivative of " : "") + expression;
    text += fields.m_implicit ? ", implicit" : ", explicit";
    if (fields.m_noClear)
        text += ", drawn over the previous graph";
    return text + ScalesAndStatistics(fields);
}

std::string DescribeGraph(const GraphFunction& function, const FormFields& fields)
{
    if (!SweepsParameter(function.kind))
        return DescribeGraph(function.ParsedExpression(), fields);
    std::string text = DescribeCurve(function);
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
    if (fields.m_noClear)
        text += ", drawn over the previous graph";
    return text + ScalesAndStatistics(fields);
}

} // namespace plovex
