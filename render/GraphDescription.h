#pragma once

#include <string>
#include <vector>

namespace plovex {

class GraphFunction;
struct FormFields;

// For a graph of several functions, the ones shown with their colours, before the selected
// function's description: "Shown: x^2 in blue, x^2+y^2-25 = 0 in vermillion. Selected: ".
// Empty for a graph of one function.
std::string DescribeFunctions(const std::vector<GraphFunction>& functions);

// What a rendering drew, in words a screen reader can say: `expression` (the text its
// postfix queue was parsed from), explicit or implicit, the derivative when derivative mode
// drew it, the scales and the statistics the rendering left in fields.m_info:
// "x^2, explicit. X scale 10, Y scale 10. Maximum: 10.000000, Minimum: 0.000000, Mean: 3.4".
std::string DescribeGraph(const std::string& expression, const FormFields& fields);

} // namespace plovex
