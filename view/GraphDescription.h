#pragma once

#include <string>

namespace plovex {

struct FormFields;

// What a rendering drew, in words a screen reader can say: `expression` (the text its
// postfix queue was parsed from), explicit or implicit, the derivative when derivative mode
// drew it, the scales and the statistics the rendering left in fields.m_info:
// "x^2, explicit. X scale 10, Y scale 10. Maximum: 10.000000, Minimum: 0.000000, Mean: 3.4".
std::string DescribeGraph(const std::string& expression, const FormFields& fields);

} // namespace plovex
