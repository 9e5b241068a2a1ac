#include "RunPlovex.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr QRgb kBackground = 0xfffaf0e6;

// A temporary folder with a private runtime folder for the program's Qt.
class Folder {
public:
    Folder()
    {
        EXPECT_TRUE(m_directory.isValid());
        QDir().mkdir(Path("runtime"));
        QFile::setPermissions(
            Path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString Path(const QString& name) const { return m_directory.filePath(name); }
    QStringList Environment() const { return { "XDG_RUNTIME_DIR=" + Path("runtime") }; }

private:
    QTemporaryDir m_directory;
};

// Runs a real client; its standard output, or a failure that names it.
bool RunTool(const QString& tool, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}

bool HaveTools()
{
    for (const char* tool : { "rsvg-convert", "pdftoppm", "xmllint", "pdfinfo", "pdftotext" }) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return false;
    }
    return true;
}

// The vector file drawn at width by height pixels by the client an ordinary reader uses.
QImage DrawnByClient(const Folder& folder, const QString& file, int width, int height)
{
    const QString png = folder.Path("client.png");
    QFile::remove(png);
    if (file.endsWith(".svg")) {
        if (!RunTool("rsvg-convert",
                { "-w", QString::number(width), "-h", QString::number(height), "-o", png, file }))
            return {};
    } else {
        if (!RunTool("pdftoppm",
                { "-png", "-singlefile", "-scale-to-x", QString::number(width), "-scale-to-y",
                    QString::number(height), file, folder.Path("client") }))
            return {};
    }
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

// How much of `colour` a pixel of the client's picture shows over the background, 0 to 1, along
// the channel where the two differ most.
double Ink(QRgb pixel, QRgb colour)
{
    const int channels[3][3] = {
        { qRed(pixel), qRed(colour), qRed(kBackground) },
        { qGreen(pixel), qGreen(colour), qGreen(kBackground) },
        { qBlue(pixel), qBlue(colour), qBlue(kBackground) },
    };
    const auto* widest = std::max_element(std::begin(channels), std::end(channels),
        [](const int* a, const int* b) { return std::abs(a[1] - a[2]) < std::abs(b[1] - b[2]); });
    return static_cast<double>((*widest)[0] - (*widest)[2]) / ((*widest)[1] - (*widest)[2]);
}

struct Coverage {
    int curvePixels = 0;
    double least = 1.0;
    QPoint where;
};

// Over every pixel the raster picture gives one of `colours`: the least ink the client's picture
// of the vector file shows there.
Coverage CurveCoverage(const QImage& raster, const QImage& vector, const std::vector<QRgb>& colours)
{
    Coverage coverage;
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            const QRgb pixel = raster.pixel(x, y) | 0xff000000;
            if (std::find(colours.begin(), colours.end(), pixel) == colours.end())
                continue;
            ++coverage.curvePixels;
            const double ink = Ink(vector.pixel(x, y), pixel);
            if (ink < coverage.least) {
                coverage.least = ink;
                coverage.where = QPoint(x, y);
            }
        }
    }
    return coverage;
}

TEST(VectorOutput, TheClientsPictureCoversEveryCurvePixelOfTheRaster)
{
    if (!HaveTools())
        GTEST_SKIP() << "rsvg-convert, pdftoppm, xmllint, pdfinfo or pdftotext is not installed";
    const Folder folder;
    const QRgb blue = qRgb(0, 0, 255);
    const QRgb vermillion = qRgb(213, 94, 0);
    const QRgb green = qRgb(0, 158, 115);
    const struct {
        const char* name;
        QStringList arguments;
        std::vector<QRgb> colours;
    } cases[] = {
        { "parabola", { "--expression=x^2/10-5", "--size=610x238" }, { blue } },
        { "steep sine", { "--expression=sin(x)*50", "--size=301x200", "--grid" }, { blue } },
        { "poles", { "--expression=tan(x)", "--size=610x238", "--grid" }, { blue } },
        { "quality 1", { "--expression=x*sin(x)", "--size=200x150", "--quality=1" }, { blue } },
        { "moved", { "--expression=1/x", "--size=400x300", "--center=3.5,-2.25" }, { blue } },
        { "circle", { "--expression=(x^2+y^2)/2-50", "--implicit", "--size=610x238", "--grid" },
            { blue } },
        { "hyperbola", { "--expression=x*y-20", "--implicit", "--size=301x201" }, { blue } },
        { "wide band", { "--expression=y-1/x", "--implicit", "--size=300x200" }, { blue } },
        { "cycloid",
            { "--parametric=t-sin t,1-cos t", "--trange=-12,12", "--size=610x238", "--xscale=15",
                "--yscale=30" },
            { blue } },
        { "rose", { "--polar=10cos(5t)", "--size=300x300", "--grid" }, { blue } },
        { "polar line", { "--polar=5/cos(t)", "--trange=-3,3", "--size=300x200" }, { blue } },
        { "three functions",
            { "--expression=x^2/8-6", "--function=cos(x)*5", "--implicit-function=x^2+y^2-64",
                "--size=500x300", "--xscale=20", "--yscale=15", "--grid" },
            { blue, vermillion, green } },
    };
    for (const auto& c : cases) {
        for (const char* extension : { "svg", "pdf" }) {
            SCOPED_TRACE(std::string(c.name) + " " + extension);
            const QString raster = folder.Path("raster.png");
            const QString vector = folder.Path(QString("vector.") + extension);
            const Outcome drawn = RunPlovex(
                c.arguments + QStringList { "--render=" + raster }, folder.Environment());
            const Outcome traced = RunPlovex(
                c.arguments + QStringList { "--render=" + vector }, folder.Environment());
            ASSERT_EQ(drawn.status, 0) << drawn.err;
            ASSERT_EQ(traced.status, 0) << traced.err;
            // The same rendering's statistics.
            EXPECT_EQ(traced.out, drawn.out);
            const QImage picture(raster);
            const QImage client = DrawnByClient(folder, vector, picture.width(), picture.height());
            ASSERT_EQ(client.size(), picture.size());
            const Coverage coverage = CurveCoverage(picture, client, c.colours);
            EXPECT_GT(coverage.curvePixels, 50);
            // A line 1.5 pixels wide through a point of the pixel, at worst its corner, covers a
            // quarter of a disc there: the client's smoothing shows that as about a third.
            EXPECT_GE(coverage.least, 0.25)
                << "at " << coverage.where.x() << "," << coverage.where.y();
        }
    }
}

// Across a pole neighbouring samples lie further apart than the area is high: no line joins
// them. Around each pole of tan(x) the middle rows stay background.
TEST(VectorOutput, TangentHasNoLineAcrossItsPoles)
{
    if (!HaveTools())
        GTEST_SKIP() << "rsvg-convert, pdftoppm, xmllint, pdfinfo or pdftotext is not installed";
    const Folder folder;
    for (const char* extension : { "svg", "pdf" }) {
        SCOPED_TRACE(extension);
        const QString vector = folder.Path(QString("tan.") + extension);
        const Outcome traced
            = RunPlovex({ "--expression=tan(x)", "--size=610x238", "--render=" + vector },
                folder.Environment());
        ASSERT_EQ(traced.status, 0) << traced.err;
        const QImage client = DrawnByClient(folder, vector, 610, 238);
        ASSERT_FALSE(client.isNull());
        int poles = 0;
        for (int k = -10; k <= 9; ++k) {
            // x = (k + 1/2) pi at scale 10, from the centre column 305.
            const double column = 305.0 + (k + 0.5) * 3.14159265358979 * 10.0;
            if (column < 2.0 || column > 607.0)
                continue;
            ++poles;
            for (int y = 119 - 30; y <= 119 + 30; ++y) {
                if (y == 119)
                    continue; // the x axis
                const int x = static_cast<int>(column);
                ASSERT_EQ(client.pixel(x, y), kBackground) << "pole " << k << " row " << y;
            }
        }
        EXPECT_EQ(poles, 20);
    }
}

TEST(VectorOutput, FilesAreWellFormedAndReadable)
{
    if (!HaveTools())
        GTEST_SKIP() << "rsvg-convert, pdftoppm, xmllint, pdfinfo or pdftotext is not installed";
    const Folder folder;
    const QStringList graph { "--expression=x*sin(x)", "--function=x", "--size=610x238", "--grid" };
    const QString svg = folder.Path("graph.svg");
    ASSERT_EQ(RunPlovex(graph + QStringList { "--render=" + svg }, folder.Environment()).status, 0);
    EXPECT_TRUE(RunTool("xmllint", { "--noout", svg }));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    // Each function as a path in its colour; the labels as text.
    const struct {
        const char* part;
        int count;
    } parts[] = {
        { "stroke=\"#0000ff\"", 1 },
        { "stroke=\"#d55e00\"", 1 },
        { "<path ", 2 },
        { ">-10</text>", 2 },
        { ">10</text>", 2 },
        { ">-25</text>", 1 },
        { "viewBox=\"0 0 610 238\"", 1 },
    };
    for (const auto& part : parts) {
        SCOPED_TRACE(part.part);
        EXPECT_EQ(text.count(part.part), part.count);
    }

    const QString pdf = folder.Path("graph.pdf");
    ASSERT_EQ(RunPlovex(graph + QStringList { "--render=" + pdf }, folder.Environment()).status, 0);
    QByteArray info;
    ASSERT_TRUE(RunTool("pdfinfo", { pdf }, &info));
    EXPECT_NE(info.indexOf("Pages:           1"), -1) << info.toStdString();
    EXPECT_NE(info.indexOf("Page size:       610 x 238 pts"), -1) << info.toStdString();
    QByteArray words;
    ASSERT_TRUE(RunTool("pdftotext", { pdf, "-" }, &words));
    for (const char* label : { "-25", "-10", "10", "25", "-5", "5" })
        EXPECT_NE(words.indexOf(label), -1) << label;
}

TEST(VectorOutput, RefusalsLeaveTheFileAlone)
{
    const Folder folder;
    const QString svg = folder.Path("kept.svg");
    {
        QFile file(svg);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    const struct {
        const char* name;
        QStringList arguments;
        std::string error;
    } cases[] = {
        { "no size", { "--expression=x", "--render=" + svg },
            "plovex: --size=WxH is required with --render\n" },
        { "bad region",
            { "--expression=x", "--render=" + svg, "--size=10x10", "--keep-region=0x5" },
            "plovex: --keep-region: '0x5' is not WxH with sides from 1 to 20000\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = RunPlovex(c.arguments, folder.Environment());
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err, c.error);
        QFile file(svg);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "old");
    }
}

} // namespace
