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

} // namespace

std::string DescribeFunctions(const std::vector<GraphFunction>& functions)
{
    if (functions.size() < 2)
        return {};
    std::string text;
    for (const GraphFunction& function : functions) {
        if (!function.shown)
            continue;
        text += text.empty() ? "Shown: " : ", ";
        text
            += IsBlank(function.ParsedExpression()) ? "no expression" : function.ParsedExpression();
        text += (function.implicit ? " = 0 in " : " in ") + ColourName(function.colour);
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
    text += ". X scale " + FormatField(fields.m_xScale) + ", Y scale "
        + FormatField(fields.m_yScale) + ". " + OneLine(fields.m_info) + ".";
    return text;
}

} // namespace plovex
