#include "RunPlovex.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// A command with parameters prints, draws and exits exactly as the same command with their
// values written into the expressions as numbers (a negative one as (0-v), which gives exactly
// -v): every command, every kind of function.
TEST(HeadlessParameters, EveryCommandAsWithTheLiteral)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString image = folder.filePath("parameter.png");
    const QString reference = folder.filePath("literal.png");
    const struct {
        QStringList withParameters;
        QStringList withLiterals;
        bool renders;
    } cases[] = {
        { { "--expression=a*sin(x)+b", "--parameter=a=2.5", "--parameter=b=-1.3",
              "--size=200x120" },
            { "--expression=2.5*sin(x)+(0-1.3)", "--size=200x120" }, true },
        { { "--expression=a*sin(x)+b", "--parameter=a=3.6000001", "--parameter=b=0.1",
              "--size=200x120", "--dydx", "--xscale=23", "--quality=3.5", "--center=1.5,-2" },
            { "--expression=3.6000001*sin(x)+0.1", "--size=200x120", "--dydx", "--xscale=23",
                "--quality=3.5", "--center=1.5,-2" },
            true },
        { { "--expression=x^2+y^2-r^2", "--implicit", "--parameter=r=7.5,0,20,0.5",
              "--size=150x90" },
            { "--expression=x^2+y^2-7.5^2", "--implicit", "--size=150x90" }, true },
        { { "--parametric=a*cos(t),sin(b*t)*4", "--parameter=a=6", "--parameter=b=3",
              "--trange=0,3.1415927", "--size=160x100" },
            { "--parametric=6*cos(t),sin(3*t)*4", "--trange=0,3.1415927", "--size=160x100" },
            true },
        { { "--polar=a+cos(k t)*2", "--parameter=a=-0.5", "--parameter=k=5", "--function=a*x",
              "--size=160x100" },
            { "--polar=(0-0.5)+cos(5 t)*2", "--function=(0-0.5)*x", "--size=160x100" }, true },
        { { "--expression=a*x^3-b*x", "--parameter=a=0.25", "--parameter=b=3", "--evaluate=1.7",
              "--exact" },
            { "--expression=0.25*x^3-3*x", "--evaluate=1.7", "--exact" }, false },
        { { "--expression=a*x^3-b*x", "--parameter=a=0.25", "--parameter=b=3", "--evaluate=1.7",
              "--dydx" },
            { "--expression=0.25*x^3-3*x", "--evaluate=1.7", "--dydx" }, false },
        { { "--expression=a*x^3-b*x", "--parameter=a=0.25", "--parameter=b=3", "--integrate",
              "--from=-2", "--to=2.5", "--exact" },
            { "--expression=0.25*x^3-3*x", "--integrate", "--from=-2", "--to=2.5", "--exact" },
            false },
        { { "--expression=a*x^3-b*x", "--parameter=a=0.25", "--parameter=b=3", "--roots",
              "--extrema", "--exact" },
            { "--expression=0.25*x^3-3*x", "--roots", "--extrema", "--exact" }, false },
        { { "--expression=sin(a*x)", "--parameter=a=0.7", "--roots", "--extrema", "--dydx",
              "--size=900x100", "--xscale=7" },
            { "--expression=sin(0.7*x)", "--roots", "--extrema", "--dydx", "--size=900x100",
                "--xscale=7" },
            false },
        { { "--expression=a*x", "--function=x^2-b", "--parameter=a=1.5", "--parameter=b=2",
              "--intersections", "--exact" },
            { "--expression=1.5*x", "--function=x^2-2", "--intersections", "--exact" }, false },
        { { "--expression=a*x^2", "--parameter=a=-0.3", "--table=-1,1,0.25", "--exact" },
            { "--expression=(0-0.3)*x^2", "--table=-1,1,0.25", "--exact" }, false },
        { { "--expression=a*x^2", "--parameter=a=-0.3", "--table=-1,1,0.25", "--dydx" },
            { "--expression=(0-0.3)*x^2", "--table=-1,1,0.25", "--dydx" }, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.withParameters.join(' ').toStdString());
        QStringList first = c.withParameters;
        QStringList second = c.withLiterals;
        if (c.renders) {
            first << "--render=" + image;
            second << "--render=" + reference;
        }
        const Outcome parameter = RunPlovex(first);
        const Outcome literal = RunPlovex(second);
        EXPECT_FALSE(parameter.out.empty());
        EXPECT_EQ(parameter.out, literal.out);
        EXPECT_EQ(parameter.err, literal.err);
        EXPECT_EQ(parameter.status, 0);
        EXPECT_EQ(literal.status, 0);
        if (c.renders) {
            EXPECT_EQ(Read(image), Read(reference));
        }
    }
}

// A bad name, a value that is not a finite float, MIN >= MAX or STEP <= 0 ends the command with
// status 2 and a message that names the problem.
TEST(HeadlessParameters, RefusesWhatNoSliderOrExpressionCanUse)
{
    const struct {
        const char* option;
        const char* message;
    } cases[] = {
        { "--parameter=x=1",
            "--parameter=x=1: 'x' cannot name a parameter: x, y and t are "
            "variables" },
        { "--parameter=t=1",
            "--parameter=t=1: 't' cannot name a parameter: x, y and t are "
            "variables" },
        { "--parameter=sin=1",
            "--parameter=sin=1: 'sin' cannot name a parameter: it is a built-in function" },
        { "--parameter=e=1",
            "--parameter=e=1: 'e' cannot name a parameter: it is a built-in function" },
        { "--parameter=pi=3",
            "--parameter=pi=3: 'pi' cannot name a parameter: it is the number pi" },
        { "--parameter=A=1",
            "--parameter=A=1: 'A' cannot name a parameter: a name starts with a lower-case "
            "letter" },
        { "--parameter=2a=1",
            "--parameter=2a=1: '2a' cannot name a parameter: a name starts with a lower-case "
            "letter" },
        { "--parameter=ax=1",
            "--parameter=ax=1: 'ax' cannot name a parameter: x and y in a name are always the "
            "variables ('ax' reads as a*x)" },
        { "--parameter==1", "--parameter==1: a parameter needs a name" },
        { "--parameter=a=1e39",
            "--parameter=a=1e39: the value of a parameter must be a finite "
            "number" },
        { "--parameter=a=nan", "--parameter=a=nan: 'nan' is not a number" },
        { "--parameter=a=", "--parameter=a=: '' is not a number" },
        { "--parameter=a=1,5,5,0.1",
            "--parameter=a=1,5,5,0.1: the minimum must be less than the maximum" },
        { "--parameter=a=1,5,-5,0.1",
            "--parameter=a=1,5,-5,0.1: the minimum must be less than the maximum" },
        { "--parameter=a=1,-5,5,0", "--parameter=a=1,-5,5,0: the step must be more than 0" },
        { "--parameter=a=1,-5,5,-1", "--parameter=a=1,-5,5,-1: the step must be more than 0" },
        { "--parameter=a=1,-1e39,5,1",
            "--parameter=a=1,-1e39,5,1: the minimum, the maximum and the step must be finite "
            "numbers" },
        { "--parameter=a=1,0,1,1e-30",
            "--parameter=a=1,0,1,1e-30: a slider has at most 2147483647 steps: choose a larger "
            "step or a smaller range" },
        { "--parameter=a", "--parameter: 'a' is not NAME=VALUE or NAME=VALUE,MIN,MAX,STEP" },
        { "--parameter=a=1,2",
            "--parameter: 'a=1,2' is not NAME=VALUE or NAME=VALUE,MIN,MAX,STEP" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        for (const char* command : { "--list", "--render=/dev/null", "--evaluate=1" }) {
            const Outcome outcome = RunPlovex({ "--expression=a*x", c.option, command });
            EXPECT_EQ(outcome.out, "");
            EXPECT_EQ(outcome.err, std::string("plovex: ") + c.message + "\n");
            EXPECT_EQ(outcome.status, 2);
        }
    }
}

// --list prints the parameters after the functions in the form --parameter takes; documents
// keep them, --parameter overrides a document's value (its range and step stay unless given)
// or adds one after them, and --document --save copies the file as long as nothing changes.
TEST(HeadlessParameters, ListedSavedReadBackAndOverridden)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString saved = folder.filePath("waves.pxg");
    const QString copy = folder.filePath("copy.pxg");
    const QString changed = folder.filePath("changed.pxg");
    const std::string functions = "1 explicit #0000ff shown a*sin(k x)\n"
                                  "2 polar #d55e00 shown 0 6.2831855 a+t/k\n";
    const struct {
        QStringList arguments;
        std::string out;
    } cases[] = {
        { { "--expression=a*sin(k x)", "--polar=a+t/k", "--parameter=k=3.6000001,0,10,0.3",
              "--parameter=a=2.5", "--save=" + saved },
            "" },
        { { "--document=" + saved, "--list" },
            functions + "parameter k=3.6000001,0,10,0.3\nparameter a=2.5,-5,5,0.1\n" },
        { { "--document=" + saved, "--save=" + copy }, "" },
        { { "--document=" + saved, "--parameter=k=3.6000001", "--list" },
            functions + "parameter k=3.6000001,0,10,0.3\nparameter a=2.5,-5,5,0.1\n" },
        { { "--document=" + saved, "--parameter=k=-1", "--parameter=c=0,-1,1,0.5", "--list" },
            functions
                + "parameter k=-1,0,10,0.3\nparameter a=2.5,-5,5,0.1\nparameter "
                  "c=0,-1,1,0.5\n" },
        { { "--document=" + saved, "--parameter=a=1,0,2,1", "--save=" + changed }, "" },
        { { "--document=" + changed, "--list" },
            functions + "parameter k=3.6000001,0,10,0.3\nparameter a=1,0,2,1\n" },
        { { "--expression=a*x", "--parameter=a=1", "--parameter=a=2", "--postfix" }, "{a}x*\n" },
        { { "--expression=x", "--list" }, "1 explicit #0000ff shown x\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome outcome = RunPlovex(c.arguments);
        EXPECT_EQ(outcome.out, c.out);
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.status, 0);
    }
    EXPECT_EQ(Read(copy), Read(saved));
    // The same value given again changes nothing: still a copy.
    ASSERT_EQ(
        RunPlovex({ "--document=" + saved, "--parameter=a=2.5", "--save=" + copy }).status, 0);
    EXPECT_EQ(Read(copy), Read(saved));
    // Without the parameters, a name is unknown again.
    const Outcome unknown = RunPlovex({ "--expression=a*x", "--evaluate=2" });
    EXPECT_EQ(unknown.err, "Parse Error: Unrecognised function 'a'.\n");
    EXPECT_EQ(unknown.status, 1);
}

// Parameters damaged in a document: the functions are read without them, with a warning.
TEST(HeadlessParameters, ADamagedPartIsToldAndLeftOut)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("damaged.pxg");
    ASSERT_EQ(RunPlovex({ "--expression=a*x", "--function=x", "--parameter=a=2", "--save=" + path })
                  .status,
        0);
    QByteArray bytes = Read(path);
    bytes.chop(1);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const Outcome listed = RunPlovex({ "--document=" + path, "--list" });
    EXPECT_EQ(listed.out, "1 explicit #0000ff shown a*x\n2 explicit #d55e00 shown x\n");
    EXPECT_EQ(listed.err,
        "plovex: " + path.toStdString()
            + ": the parameters stored after the functions are damaged; the functions are read "
              "without them\n");
    EXPECT_EQ(listed.status, 0);
}

} // namespace
