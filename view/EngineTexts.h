#pragma once

#include "document/DocumentCodec.h"
#include "document/GraphFunction.h"
#include "document/Parameter.h"
#include "document/Rgb.h"
#include "document/UndoStep.h"
#include "engine/ParseResult.h"
#include "render/Statistics.h"
#include "render/ValueTable.h"

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace plovex {

// The texts that the engine, the renderer and the document codec write in English, through
// the translation system: the window shows them in the user's language, while the command
// line, which installs no translation, prints them exactly as those layers write them.
// Numbers keep their locale-free form in every language.
class EngineTexts {
    Q_DECLARE_TR_FUNCTIONS(EngineTexts)

public:
    // The character or name it quotes as the box that holds `expression` shows it.
    static QString ParseError(const ParseResult& result, std::string_view expression);
    // Every error of a function's parse, one a line; each names its expression in a parametric
    // or polar curve: "y(t): Parse Error: Unmatched parentheses.".
    static QString ParseErrors(const GraphFunction& function, const FunctionParse& parse);
    // The form's status: "WORKING", "DONE", "STOPPED", or the mouse position, which needs no words.
    static QString Status(const std::string& status);
    // The information box's lines, "Maximum: 1.000000" and so on, joined by "\r\n".
    static QString Statistics(const InfoField& info);
    static QString SweepStall(float quality, float position);
    static QString IntegralStop(float stoppedAt, float upper);
    // Why the codec refused a document.
    static QString DocumentRefusalText(const DocumentError& error);
    // Why a table of values is refused.
    static QString TableRefusalText(TableRefusal refusal);
    // That a search found more points than it lists.
    static QString PointLimit();
    // Why a parameter was refused: "'sin' cannot name a parameter: it is a built-in function."
    static QString ParameterRefusalText(const Parameter& parameter, const ParameterCheck& check);
    // A palette colour's name ("blue"), or the colour's #rrggbb.
    static QString ColourName(Rgb colour);
    // What an undo step did, as the Edit menu names it: "Delete Function".
    static QString UndoStepName(UndoStep step);
};

} // namespace plovex
