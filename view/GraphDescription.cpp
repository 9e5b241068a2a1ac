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
    if (fields.m_noClear)
        graph = tr("%1, drawn over the previous graph").arg(graph);
    // The information box's lines as one sentence.
    const QString statistics = EngineTexts::Statistics(fields.m_info)
                                   .split(QStringLiteral("\r\n"))
                                   .join(QStringLiteral(", "));
    graph = tr("%1. X scale %2, Y scale %3. %4.")
                .arg(graph, QString::fromStdString(FormatField(fields.m_xScale)),
                    QString::fromStdString(FormatField(fields.m_yScale)), statistics);
    if (functions.size() < 2)
        return graph;
    QStringList shown;
    for (const GraphFunction& function : functions) {
        if (!function.shown)
            continue;
        const QString text = IsBlank(function.ParsedExpression())
            ? tr("no expression")
            : BytesToText(function.ParsedExpression());
        const QString colour = EngineTexts::ColourName(function.colour);
        shown << (function.implicit ? tr("%1 = 0 in %2").arg(text, colour)
                                    : tr("%1 in %2").arg(text, colour));
    }
    if (shown.isEmpty())
        return tr("Nothing shown. Selected: %1").arg(graph);
    return tr("Shown: %1. Selected: %2").arg(shown.join(QStringLiteral(", ")), graph);
}

} // namespace plovex
