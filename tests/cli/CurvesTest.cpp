#include "RunPlovex.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct CommandCase {
    QStringList arguments;
    std::string out;
    std::string err;
    int status;
};

void RunTable(const std::vector<CommandCase>& cases)
{
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome outcome = RunPlovex(c.arguments);
        EXPECT_EQ(outcome.out, c.out);
        EXPECT_EQ(outcome.err, c.err);
        EXPECT_EQ(outcome.status, c.status);
    }
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// --parametric and --polar add curves in the order given, each option may come first, and
// --trange sets the range of every curve they add; --list, --save and --document carry the
// kinds, expressions and ranges.
TEST(HeadlessCurves, ListSaveAndReadBack)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString saved = folder.filePath("curves.pxg");
    const QString copy = folder.filePath("copy.pxg");
    const std::string curves = "1 parametric #0000ff shown -1 2.5 t-sin t,1-cos t\n"
                               "2 explicit #d55e00 shown x/2\n"
                               "3 polar #009e73 shown -1 2.5 cos(5t)\n";
    RunTable({
        { { "--parametric=t-sin t,1-cos t", "--function=x/2", "--polar=cos(5t)",
              "--trange= -1 ,2.5", "--list" },
            curves, "", 0 },
        { { "--parametric=t-sin t,1-cos t", "--function=x/2", "--polar=cos(5t)", "--trange=-1,2.5",
              "--save=" + saved },
            "", "", 0 },
        { { "--document=" + saved, "--list" }, curves, "", 0 },
        { { "--document=" + saved, "--save=" + copy }, "", "", 0 },
        { { "--document=" + saved, "--polar=t", "--list" },
            curves + "4 polar #cc79a7 shown 0 6.2831855 t\n", "", 0 },
        // The first comma ends X; Y may hold more.
        { { "--function=x", "--parametric", "a,b,c", "--list" },
            "1 explicit #0000ff shown x\n2 parametric #d55e00 shown 0 6.2831855 a,b,c\n", "", 0 },
        { { "--expression=x^2", "--polar=-t", "--implicit-function=x*y-1", "--trange=3,3",
              "--list" },
            "1 explicit #0000ff shown x^2\n2 polar #d55e00 shown 3 3 -t\n"
            "3 implicit #009e73 shown x*y-1\n",
            "", 0 },
        { { "--implicit-function=x*y-1", "--list" }, "1 implicit #0000ff shown x*y-1\n", "", 0 },
        { { "--polar=t", "--trange=1e-45,-3.4028235e38", "--list" },
            "1 polar #0000ff shown 1e-45 -3.4028235e+38 t\n", "", 0 },
    });
    EXPECT_EQ(Read(copy), Read(saved));
}

// The first function's postfix text and statistics as the form shows them; a parse error
// names the expression it is in; a saved curve renders as the options drew it.
TEST(HeadlessCurves, PostfixStatisticsAndPictures)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString saved = folder.filePath("rose.pxg");
    const QString direct = folder.filePath("direct.png");
    const QString reopened = folder.filePath("reopened.png");
    RunTable({
        { { "--parametric=t,2t", "--postfix" }, "{t}, (2.000000){t}*\n", "", 0 },
        { { "--polar", "-t/2", "--postfix" }, "{t}(2.000000)/-\n", "", 0 },
        { { "--parametric=1,)", "--postfix" }, "", "y(t): Parse Error: Unmatched parentheses.\n",
            1 },
        { { "--polar=x", "--function=t", "--postfix" }, "",
            "r(t): Parse Error: Variable 'x' not allowed in parametric and polar functions, "
            "which use t.\n",
            1 },
        // 6 steps: t = 0, 0.5, ..., 3; the mean of y is the sum over the 7 samples.
        { { "--parametric=0,t", "--trange=0,3", "--quality=0.3",
              "--render=" + folder.filePath("line.png"), "--size=21x21" },
            "Maximum: 3.000000\nMinimum: 0.000000\nMean: 1.500000\n", "", 0 },
        { { "--polar=5*cos(5t)", "--function=x/4", "--yscale=20", "--render=" + direct,
              "--size=211x121", "--exact" },
            "Maximum: 4.7648891448974613\nMinimum: -4.7648891448974613\n"
            "Mean: -1.4238025039357456e-07\n",
            "", 0 },
        { { "--polar=5*cos(5t)", "--function=x/4", "--yscale=20", "--save=" + saved }, "", "", 0 },
        { { "--document=" + saved, "--render=" + reopened, "--size=211x121" },
            "Maximum: 4.764889\nMinimum: -4.764889\nMean: -0.000000\n", "", 0 },
    });
    const QImage picture(direct);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(QImage(reopened), picture);
    // t = 0: r = 5, 50 pixels right of the centre on the x axis, in blue.
    EXPECT_EQ(picture.pixel(105 + 50, 60), qRgb(0, 0, 255));
}

// What a curve cannot do, or an option that makes no sense for it, is a usage error that says
// so; nothing is printed or written.
TEST(HeadlessCurves, UsageErrorsSayWhatIsWrong)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString polar = folder.filePath("polar.pxg");
    ASSERT_EQ(RunPlovex({ "--polar=t", "--save=" + polar }).status, 0);
    const QString render = "--render=" + folder.filePath("out.png");
    const auto error = [](const std::string& text) { return "plovex: " + text + "\n"; };
    RunTable({
        { { "--parametric=t", "--list" }, "",
            error("--parametric: 't' is not X,Y (two expressions a comma apart)"), 2 },
        { { "--expression=x", "--trange=0,1", "--list" }, "",
            error("--trange sets the range of --parametric and --polar"), 2 },
        { { "--polar=t", "--trange=0", "--list" }, "",
            error("--trange: '0' is not A,B (two finite numbers)"), 2 },
        { { "--polar=t", "--trange=0,1e39", "--list" }, "",
            error("--trange: '0,1e39' is not A,B (two finite numbers)"), 2 },
        { { "--polar=t", "--trange=nan,1", "--list" }, "",
            error("--trange: 'nan,1' is not A,B (two finite numbers)"), 2 },
        { { "--polar=t", "--implicit", "--list" }, "",
            error("--implicit makes --expression's function implicit; add one with "
                  "--implicit-function"),
            2 },
        { { "--document=" + polar, "--implicit", "--list" }, "",
            error("--implicit: the document's first function is a polar curve"), 2 },
        { { "--polar=t", "--evaluate=1" }, "",
            error("--evaluate works on explicit functions; the first function is a polar curve"),
            2 },
        { { "--parametric=t,t", "--integrate", "--from=0", "--to=1" }, "",
            error("--integrate works on explicit functions; the first function is a "
                  "parametric curve"),
            2 },
        { { "--document=" + polar, "--roots" }, "",
            error("--roots works on explicit functions; the first function is a polar curve"), 2 },
        { { "--parametric=t,t", "--table=0,1,1" }, "",
            error("--table works on explicit functions; the first function is a parametric "
                  "curve"),
            2 },
        { { "--polar=t", render, "--size=10x10", "--dydx" }, "",
            error("--dydx works on explicit and implicit functions; the first function is a "
                  "polar curve"),
            2 },
        { { "--list" }, "",
            error("give --expression, --document, or a function with --function, "
                  "--implicit-function, --parametric or --polar"),
            2 },
    });
    EXPECT_FALSE(QFile::exists(folder.filePath("out.png")));
}

} // namespace
