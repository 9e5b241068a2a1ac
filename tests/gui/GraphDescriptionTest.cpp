#include "view/GraphDescription.h"

#include "document/GraphFunction.h"
#include "platform/Translations.h"
#include "render/FormFields.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace plovex {
namespace {

struct Case {
    const char* language; // "" for English
    const char* expression;
    bool implicit;
    bool derivative;
    bool noClear;
    float xScale;
    const char* description;
};

FormFields Fields(const Case& c)
{
    FormFields fields;
    fields.m_expression = "typed since, not parsed";
    fields.m_implicit = c.implicit;
    fields.m_derivative = c.derivative;
    fields.m_noClear = c.noClear;
    fields.m_xScale = c.xScale;
    fields.m_yScale = 2.5f;
    fields.m_info = InfoField::Of({ 1.0, -1.0, 0.0 });
    return fields;
}

TEST(GraphDescription, SaysWhatTheRenderingDrewInTheUsersLanguage)
{
    const Case cases[] = {
        { "", "x^2", false, false, false, 10.0f,
            "x^2, explicit. X scale 10, Y scale 2.5. Maximum: 1.000000, Minimum: -1.000000, Mean: "
            "0.000000." },
        { "", "", false, false, false, 10.0f,
            "No expression, explicit. X scale 10, Y scale 2.5. Maximum: 1.000000, Minimum: "
            "-1.000000, Mean: 0.000000." },
        { "", "  ", false, true, false, 10.0f,
            "Derivative of no expression, explicit. X scale 10, Y scale 2.5. Maximum: 1.000000, "
            "Minimum: -1.000000, Mean: 0.000000." },
        { "", "sin x", false, true, false, 0.1f,
            "Derivative of sin x, explicit. X scale 0.1, Y scale 2.5. Maximum: 1.000000, Minimum: "
            "-1.000000, "
            "Mean: 0.000000." },
        { "", "x^2+y^2-25", true, false, true, -3.0f,
            "x^2+y^2-25, implicit, drawn over the previous graph. X scale -3, Y scale 2.5. "
            "Maximum: 1.000000, Minimum: -1.000000, Mean: 0.000000." },
        // A place marker inside the expression stays as typed.
        { "", "%1+%2", false, false, false, 10.0f,
            "%1+%2, explicit. X scale 10, Y scale 2.5. Maximum: 1.000000, Minimum: -1.000000, "
            "Mean: 0.000000." },
        { "de_DE", "x^2+y^2-25", true, false, true, 10.0f,
            "x^2+y^2-25, implizit, über den vorherigen Graphen gezeichnet. X-Skala 10, Y-Skala "
            "2.5. Maximum: 1.000000, Minimum: -1.000000, Mittelwert: 0.000000." },
        { "fr_FR", "", false, true, false, 10.0f,
            "Dérivée d’aucune expression, explicite. Échelle X 10, échelle Y 2.5. Maximum\u00a0: "
            "1.000000, Minimum\u00a0: -1.000000, Moyenne\u00a0: 0.000000." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.expression);
        Translations translations;
        if (*c.language != '\0') {
            ASSERT_FALSE(
                translations.Install({ c.language }, { PLOVEX_TEST_TRANSLATIONS }).isEmpty());
        }
        EXPECT_EQ(
            GraphDescription::Describe({}, c.expression, Fields(c)).toStdString(), c.description);
    }
}

TEST(GraphDescription, NamesTheShownFunctionsOfAGraphOfSeveral)
{
    // Each parsed, as a rendering finds them.
    const auto functions = [](std::initializer_list<StoredFunction> stored) {
        std::vector<GraphFunction> made;
        for (const StoredFunction& function : stored)
            (void)made.emplace_back(function).Parse();
        return made;
    };
    const Case selected { "", "x^2", false, false, false, 10.0f, "" };
    const std::vector<GraphFunction> several
        = functions({ { "x^2", CurveKind::Explicit, { 0, 0, 255 }, true },
            { "x^2+y^2-25", CurveKind::Implicit, { 213, 94, 0 }, true },
            { "x", CurveKind::Explicit, { 0, 158, 115 }, false },
            { "", CurveKind::Explicit, { 1, 2, 3 }, true } });
    EXPECT_EQ(GraphDescription::Describe(several, "x^2", Fields(selected)).toStdString(),
        "Shown: x^2 in blue, x^2+y^2-25 = 0 in vermillion, no expression in #010203. Selected: "
        "x^2, explicit. X scale 10, Y scale 2.5. Maximum: 1.000000, Minimum: -1.000000, Mean: "
        "0.000000.");
    const std::vector<GraphFunction> hidden
        = functions({ { "x", CurveKind::Explicit, { 0, 0, 255 }, false },
            { "1", CurveKind::Explicit, { 0, 0, 0 }, false } });
    EXPECT_EQ(GraphDescription::Describe(hidden, "x", Fields(selected)).toStdString(),
        "Nothing shown. Selected: x, explicit. X scale 10, Y scale 2.5. Maximum: 1.000000, "
        "Minimum: -1.000000, "
        "Mean: 0.000000.");
    // Curves are named with their kind and range, the selected one at the start of a sentence.
    const std::vector<GraphFunction> curves = functions(
        { { "t-sin t", CurveKind::Parametric, { 0, 0, 255 }, true, "1-cos t", { 0.0f, 2.5f } },
            { "t/2", CurveKind::Polar, { 213, 94, 0 }, true } });
    EXPECT_EQ(GraphDescription::Describe(curves, curves[1], Fields(selected)).toStdString(),
        "Shown: parametric curve (t-sin t, 1-cos t) for t from 0 to 2.5 in blue, polar curve r = "
        "t/2 for t from 0 to 6.2831855 in vermillion. Selected: Polar curve r = t/2 for t from 0 "
        "to 6.2831855. X scale 10, Y scale 2.5. Maximum: 1.000000, Minimum: -1.000000, Mean: "
        "0.000000.");
}

} // namespace
} // namespace plovex
