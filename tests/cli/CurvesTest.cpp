#include "RunPlovex.h"

#include <QFile>
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
