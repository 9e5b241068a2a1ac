#include "app/Headless.h"
#include "engine/Evaluator.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/TokenList.h"

#include <cstdio>
#include <string>

namespace {

// Until the window stands: a short tour of the engine in the terminal.
int Demonstrate()
{
    const char* const expressions[] = { "3*x^2+2*x-1", "sin(x)+2*x^2", "abs(x-1)/2" };
    for (const char* expression : expressions) {
        plovex::TokenList queue;
        plovex::TokenList operators;
        std::string postfix;
        if (!plovex::Parse(expression, false, queue, operators, postfix).Ok())
            continue;
        std::printf("%-14s postfix %-40s f(2) = %s\n", expression, postfix.c_str(),
            plovex::FormatFixed(plovex::Evaluate(queue, false, 2.0f, 0.0f)).c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (plovex::IsHeadlessCommand(argc, argv))
        return plovex::RunHeadless(argc, argv);
    return Demonstrate();
}
