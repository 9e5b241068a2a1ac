#include "RunPlovex.h"

#include <QFile>
#include <QImage>
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

// --function and --implicit-function add functions in the order given and in the palette's
// colours; --save writes them all, --document reads them back and --list prints them.
TEST(HeadlessFunctions, ListSaveAndReadBack)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString saved = folder.filePath("three.pxg");
    const QString copy = folder.filePath("copy.pxg");
    const std::string three = "1 explicit #0000ff shown sin(x)*10\n"
                              "2 implicit #d55e00 shown x^2+y^2-100\n"
                              "3 explicit #009e73 shown -x/2\n";
    const struct {
        QStringList arguments;
        std::string out;
        std::string err;
        int status;
    } cases[] = {
        { { "--expression=sin(x)*10", "--implicit-function=x^2+y^2-100", "--function", "-x/2",
              "--list" },
            three, "", 0 },
        { { "--expression=sin(x)*10", "--implicit-function=x^2+y^2-100", "--function=-x/2",
              "--save=" + saved },
            "", "", 0 },
        { { "--document=" + saved, "--list" }, three, "", 0 },
        { { "--document=" + saved, "--save=" + copy }, "", "", 0 },
        { { "--document=" + copy, "--function=x", "--list" },
            three + "4 explicit #cc79a7 shown x\n", "", 0 },
        { { "--expression=x", "--implicit", "--list" }, "1 implicit #0000ff shown x\n", "", 0 },
        // The statistics stay the first function's, as --expression=sin(x)*10 alone gives them.
        { { "--document=" + saved, "--render=" + folder.filePath("three.png"), "--size=211x121" },
            "Maximum: 9.999996\nMinimum: -9.999998\nMean: 0.000086\n", "", 0 },
        { { "--expression=x", "--function=x$", "--render=" + folder.filePath("bad.png"),
              "--size=21x21" },
            "Maximum: 0.990000\nMinimum: -1.000000\nMean: -0.005000\n",
            "Parse Error: Unrecognised symbol '$'.\n", 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome outcome = RunPlovex(c.arguments);
        EXPECT_EQ(outcome.out, c.out);
        EXPECT_EQ(outcome.err, c.err);
        EXPECT_EQ(outcome.status, c.status);
    }
    EXPECT_EQ(Read(copy), Read(saved));
    // Each function in its colour.
    const QImage image(folder.filePath("three.png"));
    ASSERT_FALSE(image.isNull());
    int vermillion = 0;
    int green = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            vermillion += image.pixel(x, y) == qRgb(213, 94, 0);
            green += image.pixel(x, y) == qRgb(0, 158, 115);
        }
    }
    EXPECT_GT(vermillion, 50);
    EXPECT_GT(green, 50);
}

} // namespace
