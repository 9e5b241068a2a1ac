#include "view/EngineTexts.h"

#include "document/FunctionPalette.h"
#include "engine/Numbers.h"
#include "platform/ByteText.h"
#include "view/PointFinder.h"

#include <QRegularExpression>
#include <QStringList>

namespace plovex {

QString EngineTexts::ParseError(const ParseResult& result, std::string_view expression)
{
    const QString detail = BytesToTextAs(result.detail, expression);
    switch (result.error) {
    case ParseError::UnrecognisedSymbol:
        return tr("Parse Error: Unrecognised symbol '%1'.").arg(detail);
    case ParseError::UnmatchedParentheses:
        return tr("Parse Error: Unmatched parentheses.");
    case ParseError::VariableYNotAllowed:
        return tr("Parse Error: Variable 'y' allowed only in implicit functions.");
    case ParseError::UnrecognisedFunction:
        return tr("Parse Error: Unrecognised function '%1'.").arg(detail);
    case ParseError::FunctionWithoutArgument:
        return tr("Parse Error: Function '%1' has no argument.").arg(detail);
    case ParseError::VariableNotInCurve:
        return tr("Parse Error: Variable '%1' not allowed in parametric and polar functions, "
                  "which use t.")
            .arg(detail);
    case ParseError::None:
        break;
    }
    return BytesToTextAs(result.message, expression);
}

QString EngineTexts::Status(const std::string& status)
{
    if (status == "WORKING")
        return tr("WORKING");
    if (status == "DONE")
        return tr("DONE");
    return QString::fromStdString(status);
}

QString EngineTexts::Statistics(const std::string& info)
{
    // Fields keep their line breaks as "\r\n", which a translation file does not hold.
    if (info == kRenderingStopped)
        return tr("Rendering stopped:\nno statistics.").replace(u'\n', QStringLiteral("\r\n"));
    QStringList lines = QString::fromStdString(info).split(QStringLiteral("\r\n"));
    for (QString& line : lines) {
        const qsizetype colon = line.indexOf(QStringLiteral(": "));
        if (colon < 0)
            continue;
        const QString label = line.left(colon);
        const QString value = line.mid(colon + 2);
        if (label == QLatin1String("Maximum"))
            line = tr("Maximum: %1").arg(value);
        else if (label == QLatin1String("Minimum"))
            line = tr("Minimum: %1").arg(value);
        else if (label == QLatin1String("Mean"))
            line = tr("Mean: %1").arg(value);
    }
    return lines.join(QStringLiteral("\r\n"));
}

QString EngineTexts::SweepStall(float quality, float position)
{
    return tr("Fewer samples were drawn than the quality asks: at quality %1 the step between "
              "samples no longer moves the sampling position from pixel %2 (from the centre) "
              "on, so the graph stops there.")
        .arg(QString::fromStdString(FormatField(quality)),
            QString::fromStdString(FormatField(position)));
}

QString EngineTexts::IntegralStop(float stoppedAt, float upper)
{
    return tr("The integral stopped at x = %1, short of the upper limit %2: from there on adding "
              "the step 0.01 no longer changes x. The result is the integral up to that point.")
        .arg(QString::fromStdString(FormatFixed(stoppedAt)),
            QString::fromStdString(FormatFixed(upper)));
}

QString EngineTexts::TableRefusalText(TableRefusal refusal)
{
    switch (refusal) {
    case TableRefusal::None:
        break;
    case TableRefusal::BadStep:
        return tr("The step must be a number other than 0.");
    case TableRefusal::BadLimit:
        return tr("From and To must be numbers.");
    case TableRefusal::AwayFromTo:
        return tr("The step leads away from To: give it the sign of To - From.");
    case TableRefusal::TooManyRows:
        return tr("The table would have more than %1 rows: choose a larger step or a shorter "
                  "range.")
            .arg(kMaxTableRows);
    }
    return QString();
}

QString EngineTexts::PointLimit()
{
    return tr("More than %1 points were found; the first %1 in order of x are listed.")
        .arg(kMaxPoints);
}

QString EngineTexts::ColourName(Rgb colour)
{
    // The palette's names, for lupdate: the document layer writes them in English.
    static const char* const kNames[] = {
        QT_TR_NOOP("blue"),
        QT_TR_NOOP("vermillion"),
        QT_TR_NOOP("bluish green"),
        QT_TR_NOOP("reddish purple"),
        QT_TR_NOOP("orange"),
        QT_TR_NOOP("sky blue"),
        QT_TR_NOOP("black"),
    };
    Q_UNUSED(kNames);
    return tr(plovex::ColourName(colour).c_str());
}

QString EngineTexts::DocumentError(const std::string& error)
{
    if (error == "The file is empty.")
        return tr("The file is empty.");
    if (error == "The file ends inside the length of the expression.")
        return tr("The file ends inside the length of the expression.");
    static const QRegularExpression claim(
        QStringLiteral("^The file claims an expression of (\\d+) characters but holds only "
                       "(\\d+)\\.$"));
    const QRegularExpressionMatch match = claim.match(QString::fromStdString(error));
    if (match.hasMatch()) {
        return tr("The file claims an expression of %1 characters but holds only %2.")
            .arg(match.captured(1), match.captured(2));
    }
    return QString::fromStdString(error);
}

} // namespace plovex
