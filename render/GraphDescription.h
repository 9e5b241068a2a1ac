#pragma once

#include <string>
#include <vector>

namespace plovex {

class GraphFunction;
struct FormFields;

// A parametric or polar curve as it was last parsed, its kind named:
// "parametric curve (t-sin t, 1-cos t) for t from 0 to 6.2831855",
// "polar curve r = t/2 for t from 0 to 6.2831855".
std::string DescribeCurve(const GraphFunction& function);

// For a graph of several functions, the ones shown with their colours, before the selected
// function's description: "Shown: x^2 in blue, x^2+y^2-25 = 0 in vermillion. Selected: ".
// Empty for a graph of one function.
std::string DescribeFunctions(const std::vector<GraphFunction>& functions);

// What a rendering drew, in words a screen reader can say: `expression` (the text its
// postfix queue was parsed from), explicit or implicit, the derivative when derivative mode
// drew it, the scales and the statistics the rendering left in fields.m_info:
// "x^2, explicit. X scale 10, Y scale 10. Maximum: 10.000000, Minimum: 0.000000, Mean: 3.4".
std::string DescribeGraph(const std::string& expression, const FormFields& fields);
// The same for the selected function as it was last parsed: a parametric or polar curve is
// described by DescribeCurve, never as a derivative.
std::string DescribeGraph(const GraphFunction& function, const FormFields& fields);

} // namespace plovex
