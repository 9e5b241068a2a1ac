#include "RunPlovex.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

struct CommandCase {
    QStringList arguments;
    const char* out;
    const char* err;
    int status;
};

void RunTable(const std::vector<CommandCase>& cases, const QStringList& environment = {})
{
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome outcome = RunPlovex(c.arguments, environment);
        EXPECT_EQ(outcome.out, c.out);
        EXPECT_EQ(outcome.err, c.err);
        EXPECT_EQ(outcome.status, c.status);
    }
}

const std::vector<CommandCase>& Results()
{
    static const std::vector<CommandCase> cases = {
        { { "--expression=3*x^2+2*x-1", "--postfix" },
            "(3.000000)x(2.000000)^*(2.000000)x*+(1.000000)-\n", "", 0 },
        { { "--expression=x*y", "--postfix", "--implicit" }, "xy*\n", "", 0 },
        { { "--expression=", "--postfix" }, "\n", "", 0 },
        { { "--expression=sin(x", "--postfix" }, "xs\n", "", 0 },
        { { "--expression=x^2", "--evaluate=3" }, "9.000000\n", "", 0 },
        { { "--expression=x", "--evaluate=1", "--dydx" }, "0.999999\n", "", 0 },
        { { "--expression=x", "--evaluate=0", "--dydx" }, "1.000000\n", "", 0 },
        { { "--expression=x^2", "--evaluate=1", "--dydx" }, "2.010000\n", "", 0 },
        { { "--expression=x-x", "--evaluate=4" }, "-0.000000\n", "", 0 },
        { { "--expression=", "--evaluate=4" }, "0.000000\n", "", 0 },
        { { "--expression=x++", "--evaluate=4" }, "nan\n", "", 0 },
        { { "--expression=1/x", "--evaluate=0" }, "inf\n", "", 0 },
        { { "--expression=0-1/x", "--evaluate=0" }, "-inf\n", "", 0 },
        { { "--expression=sqrt(x)", "--evaluate=-1" }, "nan\n", "", 0 },
        { { "--expression=x", "--evaluate= 2.5 " }, "2.500000\n", "", 0 },
        { { "--expression=x", "--evaluate=1e40" }, "inf\n", "", 0 },
        { { "--expression=x", "--evaluate=-.5e1" }, "-5.000000\n", "", 0 },
        { { "--expression", "-x", "--evaluate=2" }, "-2.000000\n", "", 0 },
        { { "--expression", "-x", "--postfix" }, "x-\n", "", 0 },
        { { "--expression=x", "--evaluate", "3" }, "3.000000\n", "", 0 },
        { { "--expression=sinn(x)", "--evaluate=0" }, "0.000000\n",
            "Parse Error: Unrecognised function 'sinn'.\n", 1 },
        { { "--expression=sinn(x)", "--postfix" }, "",
            "Parse Error: Unrecognised function 'sinn'.\n", 1 },
        { { "--expression=x*y", "--postfix" }, "",
            "Parse Error: Variable 'y' allowed only in implicit functions.\n", 1 },
        // The parse left x in the queue, so the evaluation goes on with it.
        { { "--expression=x*y", "--evaluate=3" }, "3.000000\n",
            "Parse Error: Variable 'y' allowed only in implicit functions.\n", 1 },
        { { "--expression=x+\u03c0", "--postfix" }, "",
            "Parse Error: Unrecognised symbol '\u03c0'.\n", 1 },
        { { "--expression=x\t", "--postfix" }, "", "Parse Error: Unrecognised symbol '\t'.\n", 1 },
        { { "--expression=2x", "--postfix" }, "(2.000000)x*\n", "", 0 },
        { { "--expression=x^2-1e-2", "--evaluate=0.5" }, "0.240000\n", "", 0 },
        { { "--expression=x*pi", "--evaluate=1", "--exact" }, "3.1415927410125732\n", "", 0 },
        { { "--expression=e^x", "--evaluate=1" }, "0.000000\n",
            "Parse Error: Function 'e' has no argument.\n", 1 },
        { { "--expression=x+foo", "--postfix" }, "", "Parse Error: Unrecognised function 'foo'.\n",
            1 },
        { { "--expression=1", "--integrate", "--from=0", "--to=1" }, "1.009999\n", "", 0 },
        { { "--expression=x", "--integrate", "--from=0", "--to=1" }, "0.505000\n", "", 0 },
        { { "--expression=1", "--integrate", "--from=2", "--to=2" }, "0.000000\n", "", 0 },
        { { "--expression=1", "--integrate", "--from=3", "--to=1" }, "0.000000\n", "", 0 },
        { { "--expression=x^2", "--integrate", "--from=0", "--to=3", "--dydx" }, "9.045037\n", "",
            0 }, // integrates the function itself
        // x stops increasing: the value reached, where it stopped, and status 3.
        { { "--expression=1", "--integrate", "--from=262144", "--to=3e5" }, "0.010000\n",
            "plovex: The integral stopped at x = 262144.000000, short of the upper limit "
            "300000.000000: from there on adding the step 0.01 no longer changes x. The result "
            "is the integral up to that point.\n",
            3 },
        { { "--expression=1", "--integrate", "--from=-1e40", "--to=0", "--exact" },
            "0.0099999997764825821\n",
            "plovex: The integral stopped at x = -inf, short of the upper limit 0: from there on "
            "adding the step 0.01 no longer changes x. The result is the integral up to that "
            "point.\n",
            3 },
        { { "--expression=x)", "--integrate", "--from=0", "--to=1" }, "0.505000\n",
            "Parse Error: Unmatched parentheses.\n", 1 },
        // Points over the columns of a 610x238 area unless --size says otherwise.
        { { "--expression=x^3-2*x-5", "--roots" }, "root 2.094552 0.000001\n", "", 0 },
        { { "--expression=x^3-2*x-5", "--extrema", "--roots" },
            "maximum -0.816408 -3.911338\nminimum 0.816718 -6.088662\nroot 2.094552 0.000001\n", "",
            0 },
        { { "--expression=x^2", "--roots", "--extrema" },
            "root 0.000000 0.000000\nminimum 0.000000 0.000000\n", "", 0 },
        { { "--expression=sin x", "--extrema", "--size=80x10" },
            "minimum -1.570820 -1.000000\nmaximum 1.570820 1.000000\n", "", 0 },
        // A moved view: the columns of the area around the centre given.
        { { "--expression=sin x", "--extrema", "--size=80x10", "--center=3,0" },
            "maximum 1.570820 1.000000\nminimum 4.712461 -1.000000\n", "", 0 },
        { { "--expression=x^3-2*x-5", "--roots", "--center=100,0" }, "", "", 0 },
        { { "--expression=1/x", "--roots", "--size=61x10", "--xscale=7" }, "", "", 0 },
        { { "--expression=3", "--roots", "--extrema" }, "", "", 0 },
        { { "--expression=sqrt(x)", "--roots", "--extrema", "--size=40x10" },
            "root 0.000000 0.000000\n", "", 0 },
        { { "--expression=x^2", "--roots", "--size=20x1", "--dydx" }, "root -0.005000 0.000000\n",
            "", 0 }, // roots of what Plot dy/dx draws
        { { "--expression=x)", "--roots", "--size=4x4" }, "root 0.000000 0.000000\n",
            "Parse Error: Unmatched parentheses.\n", 1 },
        // Intersections with each --function, numbered after the expression's.
        { { "--expression=x^2", "--intersections", "--function=x+2", "--function=0-x^2+2" },
            "intersection -1.000000 1.000000 2\nintersection -1.000000 1.000000 3\n"
            "intersection 1.000000 1.000000 3\nintersection 2.000000 4.000000 2\n",
            "", 0 },
        { { "--expression=x^2", "--intersections", "--roots", "--function=x+2.05", "--exact" },
            "intersection -1.0165750980377197 1.033424973487854 2\nroot 0 0\n"
            "intersection 2.0165750980377197 4.0665750503540039 2\n",
            "", 0 },
        { { "--expression=x^2", "--intersections" }, "", "", 0 }, // nothing to meet
        { { "--expression=x^2", "--intersections", "--function=x)" },
            "intersection 0.000000 0.000000 2\nintersection 1.000000 1.000000 2\n",
            "Parse Error: Unmatched parentheses.\n", 1 },
        { { "--expression=x^2", "--table=-0.1,0.1,0.1" },
            "-0.100000 0.010000 -0.190000\n0.000000 0.000000 0.010000\n"
            "0.100000 0.010000 0.210000\n",
            "", 0 },
        { { "--expression=x^2", "--table= 2 ,1, -0.5 ", "--dydx" },
            "2.000000 4.010010 4.010010\n1.500000 3.009987 3.009987\n"
            "1.000000 2.010000 2.010000\n",
            "", 0 },
        { { "--expression=x", "--table=0,1,0" }, "",
            "plovex: --table: the step must be a number other than 0\n", 2 },
        { { "--expression=x", "--table=0,1,-1" }, "",
            "plovex: --table: the step leads away from To: give it the sign of To - From\n", 2 },
        { { "--expression=x", "--table=0,100000,1" }, "",
            "plovex: --table: the table would have more than 100000 rows: choose a larger step "
            "or a shorter range\n",
            2 },
    };
    return cases;
}

TEST(Headless, PrintsWhatTheFormShows)
{
    RunTable(Results());
}

TEST(Headless, ExactOutput)
{
    RunTable({
        { { "--expression=x", "--evaluate=1", "--dydx", "--exact" }, "0.99999906867740451\n", "",
            0 },
        { { "--expression=x^2", "--evaluate=1", "--dydx", "--exact" }, "2.0099997969716741\n", "",
            0 },
        { { "--expression=0.1", "--evaluate=0", "--exact" }, "0.10000000149011612\n", "", 0 },
        { { "--expression=x-x", "--evaluate=1", "--exact" }, "-0\n", "", 0 },
        { { "--expression=1/x", "--evaluate=0", "--exact" }, "inf\n", "", 0 },
        { { "--expression=0-1/x", "--evaluate=0", "--exact" }, "-inf\n", "", 0 },
        { { "--expression=0/x", "--evaluate=0", "--exact" }, "nan\n", "", 0 },
        { { "--expression=1", "--integrate", "--from=0", "--to=1", "--exact" },
            "1.0099993944168091\n", "", 0 },
        { { "--expression=x", "--integrate", "--from=0", "--to=1", "--exact" },
            "0.50499975681304932\n", "", 0 },
        { { "--expression=x^3-2*x-5", "--roots", "--exact" },
            "root 2.0945515632629395 9.5367431640625e-07\n", "", 0 },
        { { "--expression=tan x", "--roots", "--size=100x10", "--exact" },
            "root -3.1415927410125732 -8.7422776573475858e-08\nroot 0 0\n"
            "root 3.1415927410125732 8.7422776573475858e-08\n",
            "", 0 }, // and no pole
        { { "--expression=x^2", "--table=1,2,0.5", "--exact" },
            "1 1 2.0099997969716741\n1.5 2.25 3.0099869447198571\n2 4 4.0100098552557046\n", "",
            0 },
        { { "--expression=3*x^2+2*x-1", "--postfix", "--exact" },
            "(3.000000)x(2.000000)^*(2.000000)x*+(1.000000)-\n", "", 0 },
    });
}

TEST(Headless, UsageErrorsExitWithTwoAndPrintNothing)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString render = "--render=" + directory.filePath("out.png");
    const QStringList commands[] = {
        { "--bogus" },
        { "--expression=x", "--postfix", "--bogus" },
        { "--expression=x" }, // no action
        { "--expression=x", "--postfix", "--evaluate=1" }, // two actions
        { "--postfix" }, // no expression
        { "--expression=x", "--evaluate" },
        { "--expression=x", "--evaluate=" },
        { "--expression=x", "--evaluate=abc" },
        { "--expression=x", "--evaluate=1,5" },
        { "--expression=x", "--evaluate=inf" },
        { "--expression=x", "--evaluate=nan" },
        { "--expression=x", "--evaluate=0x10" },
        { "--expression=x", "--evaluate=2.5.1" },
        { "--expression=x", "--integrate", "--from=0" },
        { "--expression=x", "--integrate", "--to=1" },
        { "--expression=x", "--integrate", "--from=a", "--to=1" },
        { "--expression=x", render }, // no size
        { "--expression=x", render, "--size=0x10" },
        { "--expression=x", render, "--size=10x0" },
        { "--expression=x", render, "--size=10" },
        { "--expression=x", render, "--size=-10x10" },
        { "--expression=x", render, "--size=10x10x10" },
        { "--expression=x", render, "--size=axb" },
        { "--expression=x", render, "--size=99999999x10" },
        { "--expression=x", render, "--size=10x10", "--quality=q" },
        { "--expression=x", render, "--size=10x10", "--xscale=" },
        { "--expression=x", render, "--size=10x10", "--yscale=1e" },
        { "--expression=x", "--render=" + directory.filePath("out.unknown"), "--size=10x10" },
        { "--expression=x", "--postfix", "stray" },
        { "--expression=x", "--roots", "--postfix" },
        { "--expression=x", "--roots", "--size=0x1" },
        { "--expression=x*y", "--roots", "--implicit" }, // explicit functions only
        { "--expression=x", "--table=1,2" },
        { "--expression=x", "--table=1,2,a" },
        { "--expression=x", "--table=1,2,nan" },
        { "--expression=x", "--table=1;2;3" },
    };
    for (const QStringList& arguments : commands) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome outcome = RunPlovex(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        ASSERT_FALSE(outcome.err.empty());
        EXPECT_EQ(outcome.err.back(), '\n');
    }
    // A refused render writes nothing.
    EXPECT_TRUE(QDir(directory.path()).isEmpty());
}

TEST(Headless, MoreThanAThousandPointsAreToldAndCut)
{
    // Every column of 0 is a root: 1002 of them.
    const Outcome outcome = RunPlovex({ "--expression=0", "--roots", "--size=1002x1" });
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 1000);
    EXPECT_EQ(outcome.out.substr(0, 24), "root -50.099998 0.000000");
    EXPECT_EQ(outcome.err,
        "plovex: More than 1000 points were found; the first 1000 in order of x are listed.\n");
}

TEST(Headless, HelpAndVersion)
{
    const Outcome help = RunPlovex({ "--help" });
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--expression"), std::string::npos);
    EXPECT_NE(help.out.find("--render"), std::string::npos);
    const Outcome version = RunPlovex({ "--version" });
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("plovex ", 0), 0u);
}

std::string Colour(const QImage& image, int x, int y)
{
    const QRgb pixel = image.pixel(x, y);
    return std::to_string(qRed(pixel)) + "," + std::to_string(qGreen(pixel)) + ","
        + std::to_string(qBlue(pixel));
}

TEST(Headless, RendersTheFormsPictureAndPrintsTheStatistics)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString png = directory.filePath("x.png");
    const Outcome outcome = RunPlovex({ "--expression=x", "--render=" + png, "--size=100x60" });
    // A straight line: the minimum is the first sample's value.
    EXPECT_EQ(outcome.out, "Maximum: 4.999962\nMinimum: -5.000000\nMean: -0.000019\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.status, 0);

    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(100, 60));
    // The samples drift off the whole numbers in float: the curve passes (50, 29) and
    // (49, 30) beside the origin, and (30, 49) rather than (30, 50).
    EXPECT_EQ(Colour(image, 50, 29), "0,0,255");
    EXPECT_EQ(Colour(image, 49, 30), "0,0,255");
    EXPECT_EQ(Colour(image, 30, 49), "0,0,255");
    EXPECT_EQ(Colour(image, 30, 50), "250,240,230");
    EXPECT_EQ(Colour(image, 20, 59), "0,0,255");
    EXPECT_EQ(Colour(image, 0, 0), "0,0,0"); // border
    EXPECT_EQ(Colour(image, 10, 30), "0,0,0"); // horizontal axis
    EXPECT_EQ(Colour(image, 10, 10), "250,240,230");

    const Outcome exact
        = RunPlovex({ "--expression=x", "--render=" + png, "--size=100x60", "--exact" });
    EXPECT_EQ(
        exact.out, "Maximum: 4.9999622344970707\nMinimum: -5\nMean: -1.9181346893310546e-05\n");
}

TEST(Headless, RenderSettingsReachTheRenderer)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString png = directory.filePath("circle.png");
    const Outcome circle = RunPlovex({ "--expression=x^2+y^2-100", "--implicit", "--render=" + png,
        "--size=200x120", "--xscale=5", "--yscale=5" });
    EXPECT_EQ(circle.out, "Maximum: 10.000000\nMinimum: -10.000000\nMean: 0.000000\n");
    EXPECT_EQ(circle.status, 0);
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    // Every point of the curve, counted outside the icon at (163, 83) to (194, 114).
    int blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool icon = x >= 163 && x < 195 && y >= 83 && y < 115;
            blue += !icon && image.pixel(x, y) == qRgb(0, 0, 255);
        }
    }
    EXPECT_EQ(blue, 84);
    EXPECT_EQ(Colour(image, 100, 10), "0,0,255");
    EXPECT_EQ(Colour(image, 150, 60), "0,0,255");

    RunTable({
        { { "--expression=sin(x)", "--render=" + directory.filePath("a.png"), "--size=41x31",
              "--xscale=5.5", "--yscale=-7", "--quality=2.5" },
            "Maximum: -0.999574\nMinimum: 0.999574\nMean: 0.000000\n", "", 0 },
        { { "--expression=sin(x)", "--render=" + directory.filePath("b.png"), "--size=41x31",
              "--xscale=5.5", "--yscale=-7", "--quality=2.5", "--dydx", "--exact" },
            "Maximum: -0.99995143072945736\nMinimum: 0.99998331069946289\n"
            "Mean: -0.13592064621556513\n",
            "", 0 },
        { { "--expression=1", "--implicit", "--render=" + directory.filePath("c.png"),
              "--size=8x8" },
            "Maximum: -inf\nMinimum: inf\nMean: 0.000000\n", "", 0 },
        { { "--expression=3", "--render=" + directory.filePath("d.png"), "--size=20x10",
              "--yscale=1", "--quality=0" },
            "Maximum: 3.000000\nMinimum: 3.000000\nMean: inf\n", "", 0 },
        { { "--expression=sqrt(0-x)", "--render=" + directory.filePath("e.png"), "--size=20x10" },
            "Maximum: 1.000000\nMinimum: 0.099999\nMean: nan\n", "", 0 },
        { { "--expression=x)", "--render=" + directory.filePath("f.png"), "--size=100x60" },
            "Maximum: 4.999962\nMinimum: -5.000000\nMean: -0.000019\n",
            "Parse Error: Unmatched parentheses.\n", 1 },
    });
    EXPECT_TRUE(QFile::exists(directory.filePath("f.png"))); // a parse error still draws
}

TEST(Headless, WritesTheFormatTheExtensionNames)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QImage reference;
    for (const char* extension : { "png", "ppm", "bmp", "PNG" }) {
        SCOPED_TRACE(extension);
        const QString path = directory.filePath(QString("graph.") + extension);
        const Outcome outcome = RunPlovex(
            { "--expression=sin(x)*3", "--render=" + path, "--size=61x41", "--quality=3" });
        EXPECT_EQ(outcome.status, 0);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(8);
        if (QByteArray(extension).toLower() == "png")
            EXPECT_TRUE(head.startsWith("\x89PNG"));
        else if (QByteArray(extension) == "ppm")
            EXPECT_TRUE(head.startsWith("P6"));
        else
            EXPECT_TRUE(head.startsWith("BM"));
        const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image.size(), QSize(61, 41));
        if (reference.isNull())
            reference = image;
        EXPECT_EQ(image, reference);
    }
}

TEST(Headless, AFileThatCannotBeWrittenIsAnError)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString missing = directory.filePath("no/such/folder/x.png");
    const Outcome outcome = RunPlovex({ "--expression=x", "--render=" + missing, "--size=10x10" });
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find("No such file or directory"), std::string::npos) << outcome.err;

    ASSERT_TRUE(QDir(directory.path()).mkdir("taken.png"));
    const Outcome onDirectory = RunPlovex(
        { "--expression=x", "--render=" + directory.filePath("taken.png"), "--size=10x10" });
    EXPECT_EQ(onDirectory.status, 2);
    EXPECT_EQ(onDirectory.out, "");
    EXPECT_FALSE(onDirectory.err.empty());
}

TEST(Headless, OutputDoesNotDependOnTheLocale)
{
    QStringList german = { "LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8" };
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    // The child reads the same LOCPATH; the locale counts only if it really writes a comma.
    char comma[8] = "";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8"))
        std::snprintf(comma, sizeof comma, "%.1f", 2.5);
    std::setlocale(LC_ALL, saved.c_str());
    const bool available = std::string(comma) == "2,5";
    if (!available) {
        // Without the locale the C library falls back to "C"; still ask for a comma locale.
        german = { "LC_NUMERIC=de_DE.UTF-8" };
        std::fprintf(stderr, "German locale not available: LC_NUMERIC set only\n");
    }
    RunTable(Results(), german);
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    RunTable(
        {
            { { "--expression=x", "--evaluate=2.5" }, "2.500000\n", "", 0 },
            { { "--expression=x", "--evaluate=0.1", "--exact" }, "0.10000000149011612\n", "", 0 },
            { { "--expression=2.5*x", "--postfix" }, "(2.500000)x*\n", "", 0 },
            { { "--expression=sin(x)", "--render=" + directory.filePath("a.png"), "--size=41x31",
                  "--xscale=5.5", "--yscale=-7", "--quality=2.5" },
                "Maximum: -0.999574\nMinimum: 0.999574\nMean: 0.000000\n", "", 0 },
        },
        german);
    const Outcome decimalComma = RunPlovex({ "--expression=x", "--evaluate=2,5" }, german);
    EXPECT_EQ(decimalComma.status, 2);
    EXPECT_EQ(decimalComma.out, "");
}

// Results, statistics, warnings and errors, the system's reasons and the help included.
TEST(Headless, OutputIsTheSameInEveryLanguage)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    ASSERT_TRUE(QDir(directory.path()).mkdir("folder.pxg"));
    QFile empty(directory.filePath("empty.pxg"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const QList<QStringList> commands = {
        { "--expression=x^2", "--evaluate=1.5", "--dydx" },
        { "--expression=x*sin(x)", "--integrate", "--from=0", "--to=2.5" },
        { "--expression=x", "--integrate", "--from=262000", "--to=263000" },
        { "--expression=sin(x)", "--render=" + directory.filePath("a.png"), "--size=41x31",
            "--xscale=5.5", "--grid" },
        { "--expression=x", "--quality=100000", "--render=" + directory.filePath("b.ppm"),
            "--size=60x20" },
        { "--expression=2*(x+foo", "--postfix" },
        { "--expression=x+y", "--evaluate=1" },
        { "--expression=x", "--evaluate=2,5" },
        { "--document=" + directory.filePath("missing.pxg"), "--postfix" },
        { "--document=" + directory.filePath("folder.pxg"), "--postfix" },
        { "--document=" + directory.filePath("empty.pxg"), "--postfix" },
        { "--expression=x", "--save=" + directory.filePath("no/such/folder/x.pxg") },
        { "--help" },
    };
    const QList<QStringList> languages = {
        { "LANG=de_DE.UTF-8", "LANGUAGE=de" },
        { "LC_ALL=de_DE.UTF-8", "LANGUAGE=de:fr" },
        { "LANG=fr_FR.UTF-8", "LC_MESSAGES=fr_FR.UTF-8", "LANGUAGE=fr" },
    };
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const Outcome english = RunPlovex(command, { "LANG=C" });
        EXPECT_NE(english.out + english.err, "");
        for (const QStringList& language : languages) {
            SCOPED_TRACE(language.join(' ').toStdString());
            const Outcome translated = RunPlovex(command, language);
            EXPECT_EQ(translated.out, english.out);
            EXPECT_EQ(translated.err, english.err);
            EXPECT_EQ(translated.status, english.status);
        }
    }
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool IsFifoOrDevice(const QString& path)
{
    struct stat status { };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0
        && (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode));
}

const QByteArray kDefaultTrailer(
    "PXGS\x01\x0D\x00\x00\x20\x41\x00\x00\x20\x41\x00\x00\x20\x41\x00", 19);

// --document=A --save=B copies A byte for byte, whatever form its prefix or trailer takes;
// --expression is saved as the bytes given, with the settings given.
TEST(Headless, DocumentsKeepTheirBytesAndSettings)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QByteArray files[] = {
        QByteArray("\x05x+\xE9\xE9", 6),
        QByteArray("\x03x\0y", 4),
        QByteArray("\xFF\x01\x00x", 4),
        QByteArray("\x01xyz", 4), // damaged settings: told, still copied
        QByteArray("\x01x", 2) + kDefaultTrailer,
    };
    for (const QByteArray& file : files) {
        SCOPED_TRACE(file.toHex().toStdString());
        QFile a(directory.filePath("a.pxg"));
        ASSERT_TRUE(a.open(QIODevice::WriteOnly));
        a.write(file);
        a.close();
        const Outcome outcome
            = RunPlovex({ "--document=" + a.fileName(), "--save=" + directory.filePath("b.pxg") });
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(ReadAll(directory.filePath("b.pxg")), file);
    }

    const Outcome raw = RunScript("\"$P\" --expression=\"$(printf 'x+\\377\\0611')\" --save=r.pxg "
                                  "&& \"$P\" --expression \"$(printf '\\351')\" --postfix "
                                  "; \"$P\" --expression=x --function=\"$(printf '\\351')\" "
                                  "--render=g.png --size=2x2 >/dev/null",
        directory.path());
    // The byte E9 of a text that is no UTF-8 is named as the box shows it, in UTF-8, whichever
    // command parses it.
    EXPECT_EQ(raw.err,
        "Parse Error: Unrecognised symbol '\u00e9'.\nParse Error: Unrecognised symbol '\u00e9'.\n");
    EXPECT_EQ(ReadAll(directory.filePath("r.pxg")),
        QByteArray("\x05x+\xFF"
                   "11")
            + kDefaultTrailer);

    const QString circle = directory.filePath("circle.pxg");
    EXPECT_EQ(RunPlovex({ "--expression=x^2+y^2-25", "--implicit", "--yscale=11", "--quality=0.5",
                            "--save=" + circle })
                  .status,
        0);
    EXPECT_EQ(ReadAll(circle),
        QByteArray(
            "\x0Ax^2+y^2-25PXGS\x01\x0D\x00\x00\x20\x41\x00\x00\x30\x41\x00\x00\x00\x3F\x01", 30));
    // The stored settings apply unless an option overrides them.
    const Outcome stored = RunPlovex(
        { "--document=" + circle, "--render=" + directory.filePath("c.ppm"), "--size=50x40" });
    const Outcome given = RunPlovex({ "--expression=x^2+y^2-25", "--implicit", "--yscale=11",
        "--render=" + directory.filePath("d.ppm"), "--size=50x40" });
    EXPECT_EQ(stored.status, 0) << stored.err;
    EXPECT_EQ(stored.out, given.out);
    EXPECT_EQ(ReadAll(directory.filePath("c.ppm")), ReadAll(directory.filePath("d.ppm")));
    EXPECT_EQ(RunPlovex({ "--document=" + circle, "--xscale=20", "--save=" + circle }).status, 0);
    EXPECT_EQ(ReadAll(circle).mid(17, 4), QByteArray("\x00\x00\xA0\x41", 4));
}

// Nothing is read without bound, nothing but a regular file is replaced, and a stream that
// cannot be written is an error.
TEST(Headless, FilesAndStreamsAtTheBoundary)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString dir = directory.path();

    // An endless FIFO, /dev/zero and a sparse 2 GiB file: refused at the cap.
    const Outcome endless = RunScript(
        "mkfifo f && (cat /dev/zero > f 2>/dev/null &) && \"$P\" --document=f --evaluate=1", dir);
    EXPECT_EQ(endless.status, 2);
    EXPECT_EQ(endless.err,
        "plovex: cannot read f: The file holds more than 1048576 bytes, the "
        "most that is read.\n");
    QFile sparse(directory.filePath("sparse.pxg"));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sparse.resize(qint64(2) << 30));
    sparse.close();
    for (const QString& path : { QString("/dev/zero"), sparse.fileName() }) {
        SCOPED_TRACE(path.toStdString());
        const Outcome big = RunPlovex({ "--document=" + path, "--evaluate=1" });
        EXPECT_EQ(big.status, 2);
        EXPECT_NE(big.err.find("more than 1048576 bytes"), std::string::npos) << big.err;
    }

    // A FIFO is written through and stays a FIFO.
    const Outcome fifo = RunScript("mkfifo g && (cat g > got &) && \"$P\" --expression=x "
                                   "--save=g && \"$P\" --expression=x --render=g.ppm --size=2x2 "
                                   "&& wait",
        dir);
    EXPECT_EQ(fifo.status, 0) << fifo.err;
    EXPECT_TRUE(IsFifoOrDevice(directory.filePath("g")));
    QThread::msleep(100);
    EXPECT_EQ(ReadAll(directory.filePath("got")), QByteArray("\x01x") + kDefaultTrailer);

    // Device nodes made here, where the machine allows it: a null device takes the bytes, a
    // full one refuses them with the system's reason, and both stay devices. Standard output
    // that cannot be written is an error too.
    if (RunScript("mknod null.ppm c 1 3 && mknod full c 1 7", dir).status != 0) {
        GTEST_SKIP() << "device nodes cannot be made here";
    }
    const QString null = directory.filePath("null.ppm");
    const QString full = directory.filePath("full");
    EXPECT_EQ(RunPlovex({ "--expression=x", "--save=" + null }).status, 0);
    EXPECT_EQ(RunPlovex({ "--expression=x", "--render=" + null, "--size=9x9" }).status, 0);
    const Outcome onFull = RunPlovex({ "--expression=x", "--save=" + full });
    EXPECT_EQ(onFull.status, 2);
    EXPECT_EQ(
        onFull.err, "plovex: cannot write " + full.toStdString() + ": No space left on device\n");
    EXPECT_TRUE(IsFifoOrDevice(null));
    EXPECT_TRUE(IsFifoOrDevice(full));
    const Outcome stdoutFull = RunScript("\"$P\" --expression=x --postfix > full", dir);
    EXPECT_EQ(stdoutFull.status, 2);
    EXPECT_EQ(stdoutFull.err, "plovex: cannot write to standard output: No space left on device\n");
}

// A folder where no temporary file may be made: the writable document in it is written in
// place. Run as another user, since the owner of the machine may write anywhere; that user
// runs a copy of the program in the test's folder, as the build tree may lie where no other
// user can go (a clone in /root).
TEST(Headless, SavesAWritableFileInAReadOnlyFolder)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const Outcome outcome = RunScript(
        "chmod 755 . && cp \"$P\" plovex && chmod 755 plovex && mkdir ro && : > ro/doc.pxg "
        "&& chmod 666 ro/doc.pxg && chmod 555 ro && setpriv --reuid=65534 --regid=65534 "
        "--clear-groups ./plovex --expression=x --save=ro/doc.pxg",
        directory.path());
    if (outcome.err.find("setpriv") != std::string::npos)
        GTEST_SKIP() << outcome.err;
    if (outcome.err.find("error while loading shared libraries") != std::string::npos)
        GTEST_SKIP() << "the other user cannot load the program's libraries: " << outcome.err;
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(ReadAll(directory.filePath("ro/doc.pxg")), QByteArray("\x01x") + kDefaultTrailer);
}

// A save that fails says why in the system's words; a folder where no new file can be made
// still takes its writable file, in place. Each case needs what the machine may not allow
// (chattr, mounting a file system): one that cannot be set up here is left out.
TEST(Headless, FailedSavesNameTheSystemsReason)
{
    const struct {
        const char* name;
        const char* setUp;
        const char* target;
        int status;
        const char* err;
        const char* cleanUp;
        const char* kept = nullptr; // the old content a refused save leaves
        const char* expression = "x";
    } cases[] = {
        { "immutable file", ": > f.pxg && chattr +i f.pxg", "f.pxg", 2,
            "plovex: cannot write f.pxg: Operation not permitted\n", "chattr -i f.pxg" },
        { "read-only file system", "mkdir ro && mount -t tmpfs -o ro tmpfs ro", "ro/new.pxg", 2,
            "plovex: cannot write ro/new.pxg: Read-only file system\n", "umount ro" },
        { "file on a read-only file system",
            "mkdir rw && mount -t tmpfs tmpfs rw && : > rw/f.pxg && mount -o remount,ro rw",
            "rw/f.pxg", 2, "plovex: cannot write rw/f.pxg: Read-only file system\n", "umount rw" },
        { "immutable folder", "mkdir d && : > d/f.pxg && chattr +i d", "d/f.pxg", 0, "",
            "chattr -i d" },
        // No inode left for a temporary file, and no room for the new bytes: refused before
        // the old content is touched.
        { "full disk without a free inode",
            "mkdir full && mount -t tmpfs -o size=16k,nr_inodes=3 tmpfs full && printf old > "
            "full/f.pxg && { head -c 65536 /dev/zero > full/fill 2>/dev/null || true; }",
            "full/f.pxg", 2, "plovex: cannot write full/f.pxg: No space left on device\n",
            "umount full", "old", "\"$(head -c 9000 /dev/zero | tr '\\0' x)\"" },
    };
    int run = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir directory;
        ASSERT_TRUE(directory.isValid());
        const Outcome setUp = RunScript(c.setUp, directory.path());
        if (setUp.status != 0) {
            std::printf("[ SKIPPED  ] %s: %s", c.name, setUp.err.c_str());
            RunScript(c.cleanUp, directory.path());
            continue;
        }
        ++run;
        const Outcome outcome
            = RunScript(QString("\"$P\" --expression=%1 --save=%2").arg(c.expression, c.target),
                directory.path());
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.err, c.err);
        if (c.status == 0) {
            EXPECT_EQ(ReadAll(directory.filePath(c.target)), QByteArray("\x01x") + kDefaultTrailer);
        }
        if (c.kept) {
            EXPECT_EQ(ReadAll(directory.filePath(c.target)), QByteArray(c.kept));
        }
        EXPECT_EQ(RunScript(c.cleanUp, directory.path()).status, 0);
    }
    if (run == 0)
        GTEST_SKIP() << "neither chattr nor mount works here";
}

// A reader that goes away is a write that failed, told with the system's reason: never a
// death by signal.
TEST(Headless, AReaderThatGoesAwayIsAWriteError)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const struct {
        const char* name;
        const char* script;
        const char* err;
    } cases[] = {
        // Far more than a pipe holds, and the reader leaves after 10 bytes.
        { "a FIFO",
            "mkfifo f.ppm && (head -c 10 f.ppm > /dev/null &) && \"$P\" --expression=x "
            "--render=f.ppm --size=1920x1080",
            "plovex: cannot write f.ppm: Broken pipe\n" },
        // The only reader closes before the program starts.
        { "standard output",
            "mkfifo o && exec 4<>o 5>o 4<&- && \"$P\" --expression=x "
            "--postfix >&5",
            "plovex: cannot write to standard output: Broken pipe\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = RunScript(c.script, directory.path());
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err, c.err);
        QFile::remove(directory.filePath("f.ppm"));
    }
}

// Qt's own diagnostics are no part of a command's output: a missing or unusable runtime
// folder, which the grid's fonts make Qt look for, goes unsaid.
TEST(Headless, PrintsNoneOfQtsOwnWarnings)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    for (const char* runtime : { "XDG_RUNTIME_DIR=", "XDG_RUNTIME_DIR=/nonexistent/runtime" }) {
        SCOPED_TRACE(runtime);
        const Outcome outcome
            = RunPlovex({ "--expression=x", "--render=" + directory.filePath("a.png"),
                            "--size=200x100", "--grid" },
                { runtime });
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.out, "Maximum: 9.999810\nMinimum: -10.000000\nMean: -0.000087\n");
    }
}

TEST(Headless, ASweepThatStallsIsToldNotHidden)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const Outcome outcome = RunPlovex({ "--expression=x", "--quality=100000",
        "--render=" + directory.filePath("s.ppm"), "--size=610x238" });
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "Maximum: -30.500000\nMinimum: -30.500000\nMean: -0.000001\n");
    EXPECT_EQ(outcome.err,
        "plovex: Fewer samples were drawn than the quality asks: at quality 100000 the step "
        "between samples no longer moves the sampling position from pixel -305 (from the centre) "
        "on, so the graph stops there.\n");
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    std::setlocale(LC_ALL, "C");
    return RUN_ALL_TESTS();
}

namespace plovex {
namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// --center moves the view to a graph point; 0,0 is the unmoved view, and a document keeps the
// view it was saved with.
TEST(Headless, CenterMovesTheView)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const auto path = [&](const char* name) { return directory.filePath(name); };
    const QStringList circle { "--expression=x^2+y^2-100", "--implicit", "--size=90x60" };
    RunTable({
        // The circle of radius 10 lies outside a 90x60 area about the origin.
        { circle + QStringList { "--render=" + path("plain.png") },
            "Maximum: -inf\nMinimum: inf\nMean: 0.000000\n", "", 0 },
        { circle + QStringList { "--render=" + path("zero.png"), "--center=0,-0" },
            "Maximum: -inf\nMinimum: inf\nMean: 0.000000\n", "", 0 },
        // About (4, 7) the area shows y from 4 to 10: the arc between y = 5.4 and 9.9.
        { circle + QStringList { "--render=" + path("moved.png"), "--center=4,7", "--exact" },
            "Maximum: 9.9000000000000004\nMinimum: 5.4000000000000004\nMean: 0.40955555555555556\n",
            "", 0 },
        { circle + QStringList { "--save=" + path("moved.pxg"), "--center=4,7" }, "", "", 0 },
        { { "--document=" + path("moved.pxg"), "--render=" + path("again.png"), "--size=90x60",
              "--exact" },
            "Maximum: 9.9000000000000004\nMinimum: 5.4000000000000004\nMean: 0.40955555555555556\n",
            "", 0 },
        { circle + QStringList { "--render=" + path("bad.png"), "--center=4" }, "",
            "plovex: --center: '4' is not X,Y\n", 2 },
        { circle + QStringList { "--render=" + path("far.png"), "--center=1e39,0" }, "",
            "plovex: --center: '1e39,0' lies beyond what these scales can show\n", 2 },
    });
    EXPECT_EQ(ReadBytes(path("zero.png")), ReadBytes(path("plain.png")));
    EXPECT_EQ(ReadBytes(path("again.png")), ReadBytes(path("moved.png")));
    EXPECT_NE(ReadBytes(path("moved.png")), ReadBytes(path("plain.png")));
}

} // namespace
} // namespace plovex
