#include "RunPlovex.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(GridRender, TheCurveAndTheStatisticsDoNotDependOnTheGrid)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString runtime = directory.filePath("runtime");
    ASSERT_TRUE(QDir().mkdir(runtime));
    ASSERT_TRUE(
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const struct {
        const char* name;
        QStringList arguments;
    } cases[] = {
        { "explicit", { "--expression=x*sin(x)", "--size=610x238" } },
        { "implicit", { "--expression=x^2+y^2-100", "--implicit", "--size=211x121" } },
        { "derivative", { "--expression=x^3/20", "--dydx", "--size=610x238", "--quality=3" } },
        { "mirrored",
            { "--expression=x*sin(x)", "--size=301x200", "--xscale=-10", "--yscale=-4" } },
        { "mirrored implicit",
            { "--expression=x*y-20", "--implicit", "--size=300x201", "--xscale=-9" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString plain = directory.filePath("plain.png");
        const QString gridded = directory.filePath("grid.png");
        const Outcome without = RunPlovex(
            c.arguments + QStringList { "--render=" + plain }, { "XDG_RUNTIME_DIR=" + runtime });
        const Outcome with
            = RunPlovex(c.arguments + QStringList { "--render=" + gridded, "--grid" },
                { "XDG_RUNTIME_DIR=" + runtime });
        EXPECT_EQ(without.status, 0);
        EXPECT_EQ(with.status, 0);
        EXPECT_EQ(with.err, "");
        EXPECT_EQ(with.out, without.out);
        EXPECT_NE(with.out.find("Mean: "), std::string::npos);

        const QImage before(plain);
        const QImage after(gridded);
        ASSERT_EQ(before.size(), after.size());
        const int iconLeft = before.width() - 37;
        const int iconTop = before.height() - 37;
        int lines = 0;
        int letters = 0;
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                const QRgb old = before.pixel(x, y);
                const QRgb now = after.pixel(x, y);
                // The curve is drawn over the grid: every blue pixel stays, none comes.
                ASSERT_EQ(old == qRgb(0, 0, 255), now == qRgb(0, 0, 255)) << x << "," << y;
                // The icon's soft edge blends with what lies under it.
                if (old == now || (x >= iconLeft && y >= iconTop))
                    continue;
                lines += now == qRgb(222, 212, 202);
                letters += now == qRgb(80, 80, 80);
                ASSERT_TRUE(now == qRgb(222, 212, 202) || now == qRgb(80, 80, 80)) << x << "," << y;
            }
        }
        EXPECT_GT(lines, 0);
        EXPECT_GT(letters, 0);
    }
}

TEST(GridRender, HelpNamesTheGrid)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const Outcome help = RunPlovex({ "--help" }, { "XDG_RUNTIME_DIR=" + runtime.path() });
    EXPECT_NE(help.out.find("--grid"), std::string::npos);
}

} // namespace
