#include "RunPlovex.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(NativeCode, VersionVerboseSaysHowExpressionsRun)
{
    const struct {
        QStringList environment;
        const char* evaluator;
    } cases[] = {
#ifdef PLOVEX_JIT
        { { "PLOVEX_JIT=" }, "evaluator: native x86-64 code (asmjit 1.9.0)\n" },
        { { "PLOVEX_JIT=1" }, "evaluator: native x86-64 code (asmjit 1.9.0)\n" },
        { { "PLOVEX_JIT=0" }, "evaluator: interpreter (PLOVEX_JIT=0)\n" },
#else
        { { "PLOVEX_JIT=" }, "evaluator: interpreter (built without native code)\n" },
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.environment.join(' ').toStdString());
        const Outcome outcome = RunPlovex({ "--version", "--verbose" }, c.environment);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.err, "");
        const std::size_t firstLine = outcome.out.find('\n');
        ASSERT_NE(firstLine, std::string::npos);
        EXPECT_EQ(outcome.out.substr(0, 7), "plovex ");
        EXPECT_EQ(outcome.out.substr(firstLine + 1), c.evaluator);
    }
    // Without --verbose the version stays one line.
    const Outcome plain = RunPlovex({ "--version" });
    EXPECT_EQ(plain.out.find('\n'), plain.out.size() - 1);
}

// Every command that evaluates, with machine code and with the interpreter: the same bytes on
// both streams, pictures included.
TEST(NativeCode, TheInterpreterGivesTheSameBytes)
{
    const std::vector<QStringList> commands = {
        { "--expression=sin(x*y/(x+y))", "--implicit", "--render=/dev/stdout", "--size=320x200",
            "--exact" },
        { "--expression=x^3/20-x", "--function=sin(x)*3", "--implicit-function=x^2+y^2-25",
            "--render=/dev/stdout", "--size=300x200", "--grid" },
        { "--expression=tan(x)*x^4", "--dydx", "--render=/dev/stdout", "--size=200x100",
            "--quality=3", "--xscale=7.5", "--exact" },
        { "--expression=x*sin(x)", "--roots", "--extrema", "--size=1920x100", "--exact" },
        { "--expression=x^2-2", "--function=cos(x)", "--intersections", "--exact" },
        { "--expression=e(x/3)*ln(abs(x))", "--table=-3,3,0.25", "--dydx", "--exact" },
        { "--expression=1/x+x^4", "--integrate", "--from=-2", "--to=3", "--exact" },
        { "--expression=sqrt(x)-floor(x)^x", "--evaluate=2.5", "--dydx", "--exact" },
        { "--expression=x++", "--evaluate=1" },
    };
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const Outcome native = RunPlovex(command, { "PLOVEX_JIT=1" });
        const Outcome interpreted = RunPlovex(command, { "PLOVEX_JIT=0" });
        EXPECT_EQ(native.status, interpreted.status);
        EXPECT_EQ(native.out, interpreted.out);
        EXPECT_EQ(native.err, interpreted.err);
        EXPECT_FALSE(native.out.empty());
    }
}

} // namespace
