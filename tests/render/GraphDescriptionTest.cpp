#include "render/GraphDescription.h"

#include "render/FormFields.h"

#include <gtest/gtest.h>

namespace plovex {
namespace {

TEST(GraphDescription, SaysWhatTheRenderingDrew)
{
    struct Case {
        const char* expression;
        bool implicit;
        bool derivative;
        bool noClear;
        float xScale;
        const char* description;
    };
    const Case cases[] = {
        { "x^2", false, false, false, 10.0f,
            "x^2, explicit. X scale 10, Y scale 2.5. Maximum: 1, Minimum: -1, Mean: 0." },
        { "", false, false, false, 10.0f,
            "No expression, explicit. X scale 10, Y scale 2.5. Maximum: 1, Minimum: -1, Mean: 0." },
        { "  ", false, true, false, 10.0f,
            "Derivative of no expression, explicit. X scale 10, Y scale 2.5. Maximum: 1, "
            "Minimum: -1, Mean: 0." },
        { "sin x", false, true, false, 0.1f,
            "Derivative of sin x, explicit. X scale 0.1, Y scale 2.5. Maximum: 1, Minimum: -1, "
            "Mean: 0." },
        { "x^2+y^2-25", true, false, true, -3.0f,
            "x^2+y^2-25, implicit, drawn over the previous graph. X scale -3, Y scale 2.5. "
            "Maximum: 1, Minimum: -1, Mean: 0." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        FormFields fields;
        fields.m_expression = "typed since, not parsed";
        fields.m_implicit = c.implicit;
        fields.m_derivative = c.derivative;
        fields.m_noClear = c.noClear;
        fields.m_xScale = c.xScale;
        fields.m_yScale = 2.5f;
        fields.m_info = "Maximum: 1\r\nMinimum: -1\r\nMean: 0";
        EXPECT_EQ(DescribeGraph(c.expression, fields), c.description);
    }
}

} // namespace
} // namespace plovex
