#include "view/EngineTexts.h"

#include "document/FunctionPalette.h"
#include "engine/Numbers.h"
#include "platform/ByteText.h"
#include "render/PointFinder.h"

#include <QStringList>
#include <algorithm>
#include <climits>

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

QString EngineTexts::ParseErrors(const GraphFunction& function, const FunctionParse& parse)
{
    QStringList lines;
    for (const ExpressionError& error : parse.errors) {
        const std::string& expression
            = error.part == 0 ? function.expression : function.yExpression;
        const QString message = ParseError(error.result, expression);
        const char* label = ExpressionLabel(function.kind, error.part);
        lines << (*label ? tr("%1: %2").arg(QString::fromLatin1(label), message) : message);
    }
    return lines.join(u'\n');
}

QString EngineTexts::Status(const std::string& status)
{
    if (status == "WORKING")
        return tr("WORKING");
    if (status == "DONE")
        return tr("DONE");
    if (status == "STOPPED")
        return tr("STOPPED");
    return QString::fromStdString(status);
}

QString EngineTexts::Statistics(const InfoField& info)
{
    // The box keeps its line breaks as "\r\n", which a translation file does not hold.
    const auto line = [](const char* text, double value) {
        return tr(text).arg(QString::fromStdString(FormatFixed(value)));
    };
    switch (info.state) {
    case InfoField::State::Empty:
        break;
    case InfoField::State::Statistics:
        return QStringList { line(QT_TR_NOOP("Maximum: %1"), info.statistics.maximum),
            line(QT_TR_NOOP("Minimum: %1"), info.statistics.minimum),
            line(QT_TR_NOOP("Mean: %1"), info.statistics.mean) }
            .join(QStringLiteral("\r\n"));
    case InfoField::State::Stopped:
        return tr("Rendering stopped:\nno statistics.").replace(u'\n', QStringLiteral("\r\n"));
    }
    return {};
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
        return tr("The table would have more than %n rows: choose a larger step or a shorter "
                  "range.",
            nullptr, static_cast<int>(kMaxTableRows));
    }
    return QString();
}

QString EngineTexts::ParameterRefusalText(const Parameter& parameter, const ParameterCheck& check)
{
    const QString name = QString::fromStdString(parameter.name);
    switch (check.refusal) {
    case ParameterRefusal::None:
        break;
    case ParameterRefusal::Name:
        switch (check.name) {
        case ParameterNameRefusal::None:
            break;
        case ParameterNameRefusal::Empty:
            return tr("A parameter needs a name.");
        case ParameterNameRefusal::NotLowerCaseStart:
            return tr("'%1' cannot name a parameter: a name starts with a lower-case letter.")
                .arg(name);
        case ParameterNameRefusal::InvalidCharacter:
            return tr("'%1' cannot name a parameter: a name holds only lower-case letters and "
                      "digits.")
                .arg(name);
        case ParameterNameRefusal::Variable:
            return tr("'%1' cannot name a parameter: x, y and t are variables.").arg(name);
        case ParameterNameRefusal::Constant:
            return tr("'%1' cannot name a parameter: it is the number pi.").arg(name);
        case ParameterNameRefusal::FunctionName:
            return tr("'%1' cannot name a parameter: it is a built-in function.").arg(name);
        case ParameterNameRefusal::HoldsXOrY:
            return tr("'%1' cannot name a parameter: x and y in a name are always the variables "
                      "('ax' reads as a*x).")
                .arg(name);
        }
        break;
    case ParameterRefusal::NameTaken:
        return tr("There is already a parameter '%1'.").arg(name);
    case ParameterRefusal::ValueNotFinite:
        return tr("The value of a parameter must be a finite number.");
    case ParameterRefusal::Range:
        switch (check.range) {
        case RangeRefusal::None:
            break;
        case RangeRefusal::NotFinite:
            return tr("The minimum, the maximum and the step must be finite numbers.");
        case RangeRefusal::MinimumNotBelowMaximum:
            return tr("The minimum must be less than the maximum.");
        case RangeRefusal::StepNotPositive:
            return tr("The step must be more than 0.");
        case RangeRefusal::TooManySteps:
            return tr("A slider has at most %1 steps: choose a larger step or a smaller range.")
                .arg(kMaxSliderSteps);
        }
        break;
    }
    return QString::fromStdString(plovex::ParameterRefusalText(parameter, check));
}

QString EngineTexts::PointLimit()
{
    return tr("More than %n points were found; the first %n in order of x are listed.", nullptr,
        static_cast<int>(kMaxPoints));
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

QString EngineTexts::DocumentRefusalText(const DocumentError& error)
{
    switch (error.refusal) {
    case DocumentRefusal::None:
        break;
    case DocumentRefusal::Empty:
        return tr("The file is empty.");
    case DocumentRefusal::LengthCut:
        return tr("The file ends inside the length of the expression.");
    case DocumentRefusal::ExpressionCut:
        // The claim chooses the plural form; the numbers show as the file gives them, which
        // may lie beyond what an int holds.
        return tr("The file claims an expression of %1 characters but holds only %2.", nullptr,
            static_cast<int>(std::min<std::uint32_t>(error.claimed, INT_MAX)))
            .arg(QString::number(error.claimed), QString::number(error.held));
    }
    return QString::fromStdString(DocumentErrorText(error));
}

QString EngineTexts::UndoStepName(UndoStep step)
{
    switch (step) {
    case UndoStep::Plot:
        return tr("Plot");
    case UndoStep::ChangeScale:
        return tr("Change Scale");
    case UndoStep::ChangeKind:
        return tr("Change Kind");
    case UndoStep::Typing:
        return tr("Typing");
    case UndoStep::NewFunction:
        return tr("New Function");
    case UndoStep::DeleteFunction:
        return tr("Delete Function");
    case UndoStep::MoveFunction:
        return tr("Move Function");
    case UndoStep::ChangeColour:
        return tr("Change Colour");
    case UndoStep::ShowFunction:
        return tr("Show Function");
    case UndoStep::HideFunction:
        return tr("Hide Function");
    case UndoStep::NewParameter:
        return tr("New Parameter");
    case UndoStep::DeleteParameter:
        return tr("Delete Parameter");
    case UndoStep::RenameParameter:
        return tr("Rename Parameter");
    case UndoStep::ChangeRange:
        return tr("Change Range");
    case UndoStep::ChangeValue:
        break;
    }
    return tr("Change Value");
}

} // namespace plovex
