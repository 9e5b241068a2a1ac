#include "view/GraphDescription.h"

#include "document/GraphFunction.h"
#include "engine/Numbers.h"
#include "platform/ByteText.h"
#include "render/FormFields.h"
#include "view/EngineTexts.h"

#include <QStringList>

namespace plovex {
namespace {

bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

QString Field(float value)
{
    return QString::fromStdString(FormatField(value));
}

} // namespace

// Each phrase is formatted once, with its arguments together, so that a "%1" inside an
// expression is never taken for a place of the phrase.
QString GraphDescription::Describe(const std::vector<GraphFunction>& functions,
    const std::string& expression, const FormFields& fields)
{
    QString graph;
    if (IsBlank(expression)) {
        graph = fields.m_derivative ? tr("Derivative of no expression") : tr("No expression");
    } else {
        graph = BytesToText(expression);
        if (fields.m_derivative)
            graph = tr("Derivative of %1").arg(graph);
    }
    graph = fields.m_implicit ? tr("%1, implicit").arg(graph) : tr("%1, explicit").arg(graph);
    return Finish(functions, graph, fields);
}

QString GraphDescription::Describe(const std::vector<GraphFunction>& functions,
    const GraphFunction& selected, const FormFields& fields)
{
    if (!SweepsParameter(selected.kind))
        return Describe(functions, selected.ParsedExpression(), fields);
    return Finish(functions, Curve(selected, true), fields);
}

QString GraphDescription::Curve(const GraphFunction& function, bool capital)
{
    const auto said = [](const std::string& expression) {
        return IsBlank(expression) ? tr("no expression") : BytesToText(expression);
    };
    const QString start = Field(function.ParsedRange().start);
    const QString end = Field(function.ParsedRange().end);
    if (function.kind == CurveKind::Polar) {
        const QString expression = said(function.ParsedExpression());
        return capital ? tr("Polar curve r = %1 for t from %2 to %3").arg(expression, start, end)
                       : tr("polar curve r = %1 for t from %2 to %3").arg(expression, start, end);
    }
    const QString x = said(function.ParsedExpression());
    const QString y = said(function.ParsedExpression(1));
    return capital ? tr("Parametric curve (%1, %2) for t from %3 to %4").arg(x, y, start, end)
                   : tr("parametric curve (%1, %2) for t from %3 to %4").arg(x, y, start, end);
}

QString GraphDescription::Finish(
    const std::vector<GraphFunction>& functions, QString graph, const FormFields& fields)
{
    if (fields.m_noClear)
        graph = tr("%1, drawn over the previous graph").arg(graph);
    // The information box's lines as one sentence.
    const QString statistics = EngineTexts::Statistics(fields.m_info)
                                   .split(QStringLiteral("\r\n"))
                                   .join(QStringLiteral(", "));
    graph = tr("%1. X scale %2, Y scale %3. %4.")
                .arg(graph, Field(fields.m_xScale), Field(fields.m_yScale), statistics);
    if (functions.size() < 2)
        return graph;
    QStringList shown;
    for (const GraphFunction& function : functions) {
        if (!function.shown)
            continue;
        const QString colour = EngineTexts::ColourName(function.colour);
        if (SweepsParameter(function.kind)) {
            shown << tr("%1 in %2").arg(Curve(function, false), colour);
            continue;
        }
        const QString text = IsBlank(function.ParsedExpression())
            ? tr("no expression")
            : BytesToText(function.ParsedExpression());
        shown << (function.kind == CurveKind::Implicit ? tr("%1 = 0 in %2").arg(text, colour)
                                                       : tr("%1 in %2").arg(text, colour));
    }
    if (shown.isEmpty())
        return tr("Nothing shown. Selected: %1").arg(graph);
    return tr("Shown: %1. Selected: %2").arg(shown.join(QStringLiteral(", ")), graph);
}

} // namespace plovex
