#include "view/GraphDescription.h"

#include "engine/Numbers.h"
#include "view/FormFields.h"

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
