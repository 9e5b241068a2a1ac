#include "bench/RenderSpeed.h"

#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "native/NativeCode.h"
#include "platform/ImageFileWriter.h"
#include "platform/PictureStatic.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
#include "view/FormFields.h"
#include "view/GraphRenderer.h"
#include "view/ImageSurface.h"

#include <QApplication>
#include <QBuffer>
#include <QEvent>
#include <QImageWriter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <limits>
#include <string>
#include <thread>

namespace plovex {
namespace {

constexpr int kRuns = 3;

double ProcessSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The processor time of all threads of the fastest of `runs` runs, as well.
template <typename Body> double FastestSeconds(int runs, Body&& body, double* processor = nullptr)
{
    double fastest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < runs; ++i) {
        const double cpuStart = ProcessSeconds();
        const auto start = std::chrono::steady_clock::now();
        body();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (took.count() < fastest && processor)
            *processor = ProcessSeconds() - cpuStart;
        fastest = std::min(fastest, took.count());
    }
    return fastest;
}

Program Compile(const std::string& expression, bool implicit)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    const ParseResult result = Parse(expression, implicit, queue, operators, postfix);
    if (!result.Ok())
        std::fprintf(stderr, "%s\n", result.message.c_str());
    return CompileProgram(queue);
}

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A document near the expression box's 32767 characters, scaled so that the curve stays in
// view: the form paints the curve, the bar and the status as it goes.
void PrintWindowAgainstHeadless()
{
    std::string expression = "(sin(x)";
    for (int i = 1; i < 4600; ++i)
        expression += "+sin(x)";
    expression += ")/600";
    const float quality = 60.0f;

    CPlovexDoc document;
    CPlovexView view(document);
    view.show();
    QApplication::processEvents();
    view.m_expression = expression;
    view.m_quality = quality;
    view.PushFields();
    view.OnPlot();
    PaintCounter counter;
    view.m_graphArea->installEventFilter(&counter);
    double windowProcessor = 0.0;
    const double window = FastestSeconds(
        kRuns, [&] { view.DrawGraph(); }, &windowProcessor);
    const int paints = counter.paints / kRuns;

    FormFields fields;
    fields.m_quality = quality;
    const Program program = Compile(expression, false);
    const QSize size = view.m_graphArea->ClientSize();
    ImageSurface surface(size.width(), size.height());
    double headlessProcessor = 0.0;
    const double headless = FastestSeconds(
        kRuns,
        [&] {
            fields.m_info
                = StatisticsText(DrawFields(fields, program, surface).statistics, FormatFixed);
        },
        &headlessProcessor);
    if (fields.m_info != view.m_info)
        std::printf("  the window's statistics differ from the image's:\n%s\n%s\n",
            view.m_info.c_str(), fields.m_info.c_str());
    std::printf("%dx%d explicit, %zu characters, quality %.0f: window %.3f s (%d paints), "
                "headless %.3f s; processor time %.3f s against %.3f s\n",
        size.width(), size.height(), expression.size(), static_cast<double>(quality), window,
        paints, headless, windowProcessor, headlessProcessor);
    std::printf("window/headless: %.3f (target at most 1.1; processor time %.3f)\n",
        window / headless, windowProcessor / headlessProcessor);
}

void PrintThreadsAgainstOne()
{
    const struct {
        const char* expression;
        bool implicit;
        int width;
        int height;
        double target;
    } renders[] = {
        { "x^2+5*x+6", false, 610, 238, 1.05 },
        { "3*x^4-2*x^3+x^2-7*x+sin(x)*cos(x)/(1+x^2)", false, 610, 238, 1.05 },
        { "sin(x*y/(x+y))", true, 610, 238, 1.05 },
        { "sin(x*y/(x+y))", true, 1920, 1080, 0.6 },
        { "sin(x*y/(x+y))", true, 3840, 2160, 0.6 },
    };
    std::printf("Every core (%u threads) against one thread, wall time (fastest of %d)\n",
        std::thread::hardware_concurrency(), kRuns + 2);
    for (const auto& render : renders) {
        FormFields fields;
        fields.m_implicit = render.implicit;
        const Program program = Compile(render.expression, render.implicit);
        ImageSurface surface(render.width, render.height);
        // Small renderings repeat: one alone is too short for the clock.
        const int repeat = render.width * render.height < 1000000 ? 50 : 1;
        const auto time = [&](unsigned threads, double& processor) {
            return FastestSeconds(
                       kRuns + 2,
                       [&] {
                           for (int i = 0; i < repeat; ++i)
                               (void)DrawFields(fields, program, surface, threads);
                       },
                       &processor)
                / repeat;
        };
        double oneProcessor = 0.0;
        double everyProcessor = 0.0;
        const double one = time(1, oneProcessor);
        const double every = time(0, everyProcessor);
        // The processor time of all threads shows what sharing the work costs: a busy machine
        // slows the wall clock of the threads, not the sum of their work.
        std::printf("threads/one thread %dx%d %s %s: %.3f (%.2f ms against %.2f ms; target at "
                    "most %.2f; processor time %.3f)\n",
            render.width, render.height, render.implicit ? "implicit" : "explicit",
            render.expression, every / one, every * 1e3, one * 1e3, render.target,
            everyProcessor / oneProcessor);
    }
}

// A slider dragged over a full-screen implicit graph draws it again and again: on two threads,
// wall time.
void PrintFullScreenImplicit()
{
    FormFields fields;
    fields.m_implicit = true;
    const Program program = Compile("sin(x*y/(x+y))", true);
    ImageSurface surface(1920, 1080);
    double processor = 0.0;
    const double seconds = FastestSeconds(
        kRuns + 2, [&] { (void)DrawFields(fields, program, surface, 2); }, &processor);
    std::printf("1920x1080 implicit sin(x*y/(x+y)) on two threads: %.1f ms (target at most 35; "
                "processor time %.1f ms)\n",
        seconds * 1e3, processor * 1e3);
}

// As --render draws on a new image and writes it to a PNG file of 1920x1080, into memory.
void PrintEncodingAgainstRendering()
{
    std::printf("PNG files at 1920x1080 against rendering, wall time (fastest of %d)\n", kRuns);
    const struct {
        const char* expression;
        bool implicit;
    } renders[] = {
        { "sin(x*y/(x+y))", true },
        { "x^2+y^2-100", true },
        { "sin(x)", false },
    };
    for (const auto& render : renders) {
        FormFields fields;
        fields.m_implicit = render.implicit;
        const Program program = Compile(render.expression, render.implicit);
        QImage image;
        const double rendering = FastestSeconds(kRuns, [&] {
            ImageSurface surface(1920, 1080);
            (void)DrawFields(fields, program, surface);
            image = surface.Image();
        });
        qint64 bytes = 0;
        const double encoding = FastestSeconds(kRuns, [&] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            ImageFileWriter(&buffer, "png").Write(image);
            bytes = buffer.size();
        });
        qint64 fullBytes = 0;
        const double fullColour = FastestSeconds(kRuns, [&] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QImageWriter(&buffer, "png").write(image);
            fullBytes = buffer.size();
        });
        std::printf("png encoding/render %s %s: %.3f (encoding %.2f ms, %lld bytes; rendering "
                    "%.2f ms; 24-bit PNG %.2f ms, %lld bytes; target at most 0.5)\n",
            render.implicit ? "implicit" : "explicit", render.expression, encoding / rendering,
            encoding * 1e3, static_cast<long long>(bytes), rendering * 1e3, fullColour * 1e3,
            static_cast<long long>(fullBytes));
    }
}

} // namespace

void PrintRenderSpeeds()
{
    PrintWindowAgainstHeadless();
    PrintThreadsAgainstOne();
    PrintFullScreenImplicit();
    PrintEncodingAgainstRendering();
    std::printf("\n");
}

} // namespace plovex
