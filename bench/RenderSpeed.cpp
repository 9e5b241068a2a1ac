#include "bench/RenderSpeed.h"

#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "native/NativeCode.h"
#include "platform/ImageFileWriter.h"
#include "platform/PictureStatic.h"
#include "render/FormFields.h"
#include "render/GraphRenderer.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
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
// Renderings of the default area repeat this often for one timing: one alone takes a tenth of
// a millisecond, which a busy machine's noise swamps.
constexpr int kSmallRepeat = 500;

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
void PrintWindowAgainstHeadless(int runs)
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
        runs, [&] { view.DrawGraph(); }, &windowProcessor);
    const int paints = counter.paints / runs;

    FormFields fields;
    fields.m_quality = quality;
    const Program program = Compile(expression, false);
    const QSize size = view.m_graphArea->ClientSize();
    ImageSurface surface(size.width(), size.height());
    double headlessProcessor = 0.0;
    const double headless = FastestSeconds(
        runs,
        [&] { fields.m_info = InfoField::Of(DrawFields(fields, program, surface).statistics); },
        &headlessProcessor);
    if (InfoText(fields.m_info) != InfoText(view.m_info))
        std::printf("  the window's statistics differ from the image's:\n%s\n%s\n",
            InfoText(view.m_info).c_str(), InfoText(fields.m_info).c_str());
    std::printf("%dx%d explicit, %zu characters, quality %.0f: window %.3f s (%d paints), "
                "headless %.3f s; processor time %.3f s against %.3f s\n",
        size.width(), size.height(), expression.size(), static_cast<double>(quality), window,
        paints, headless, windowProcessor, headlessProcessor);
    // The window paints as it goes on the same thread: what it adds shows in the processor
    // time, which other work on the machine stretches less than the wall clock.
    std::printf("window/headless: %.3f (processor time %.3f; target: processor time at most "
                "1.1)\n",
        window / headless, windowProcessor / headlessProcessor);
}

void PrintThreadsAgainstOne(int runs, int smallRepeat)
{
    const struct {
        const char* expression;
        bool implicit;
        int width;
        int height;
        // The wall time's, for a rendering the renderer shares; 0 for one it keeps on one
        // thread.
        double target;
    } renders[] = {
        { "x^2+5*x+6", false, 610, 238, 0.0 },
        { "3*x^4-2*x^3+x^2-7*x+sin(x)*cos(x)/(1+x^2)", false, 610, 238, 0.0 },
        { "sin(x*y/(x+y))", true, 610, 238, 0.0 },
        { "sin(x*y/(x+y))", true, 1920, 1080, 0.6 },
        { "sin(x*y/(x+y))", true, 3840, 2160, 0.6 },
    };
    std::printf("Every core (%u threads) against one thread, wall time (fastest of %d)\n",
        std::thread::hardware_concurrency(), runs + 2);
    for (const auto& render : renders) {
        FormFields fields;
        fields.m_implicit = render.implicit;
        const Program program = Compile(render.expression, render.implicit);
        ImageSurface surface(render.width, render.height);
        // Small renderings repeat: one alone is too short for the clock.
        const int repeat = render.width * render.height < 1000000 ? smallRepeat : 1;
        const auto time = [&](unsigned threads, double& processor) {
            return FastestSeconds(
                       runs + 2,
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
        // slows the wall clock of the threads, not the sum of their work. A default area is
        // too little work to share (the renderer keeps it on one thread): there the two are
        // the same rendering, and the target is the processor time's. A large one shares it:
        // on two cores with no other work its wall time is well under two thirds.
        if (render.target == 0.0) {
            std::printf("threads/one thread %dx%d %s %s: %.3f (%.2f ms against %.2f ms; "
                        "processor time %.3f; target: processor time at most 1.05)\n",
                render.width, render.height, render.implicit ? "implicit" : "explicit",
                render.expression, every / one, every * 1e3, one * 1e3,
                everyProcessor / oneProcessor);
        } else {
            std::printf("threads/one thread %dx%d %s %s: %.3f (%.2f ms against %.2f ms; "
                        "processor time %.3f; target: at most %.2f on two or more cores that "
                        "nothing else uses, processor time at most 1.05)\n",
                render.width, render.height, render.implicit ? "implicit" : "explicit",
                render.expression, every / one, every * 1e3, one * 1e3,
                everyProcessor / oneProcessor, render.target);
        }
    }
}

// A slider dragged over a full-screen implicit graph draws it again and again: on two threads,
// wall time.
void PrintFullScreenImplicit(int runs)
{
    FormFields fields;
    fields.m_implicit = true;
    const Program program = Compile("sin(x*y/(x+y))", true);
    ImageSurface surface(1920, 1080);
    double processor = 0.0;
    const double seconds = FastestSeconds(
        runs + 2, [&] { (void)DrawFields(fields, program, surface, 2); }, &processor);
    std::printf("1920x1080 implicit sin(x*y/(x+y)) on two threads: %.1f ms (target at most 35; "
                "processor time %.1f ms)\n",
        seconds * 1e3, processor * 1e3);
}

// As --render draws on a new image and writes it to a PNG file of 1920x1080, into memory.
void PrintEncodingAgainstRendering(int runs)
{
    std::printf("PNG files at 1920x1080 against rendering, wall time (fastest of %d)\n", runs);
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
        const double rendering = FastestSeconds(runs, [&] {
            ImageSurface surface(1920, 1080);
            (void)DrawFields(fields, program, surface);
            image = surface.Image();
        });
        qint64 bytes = 0;
        const double encoding = FastestSeconds(runs, [&] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            ImageFileWriter(&buffer, "png").Write(image);
            bytes = buffer.size();
        });
        qint64 fullBytes = 0;
        const double fullColour = FastestSeconds(runs, [&] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QImageWriter(&buffer, "png").write(image);
            fullBytes = buffer.size();
        });
        // An explicit curve renders in about a millisecond, less than any encoding of a full
        // picture takes: its ratio is told, with no target.
        std::printf("png encoding/render %s %s: %.3f (encoding %.2f ms, %lld bytes; rendering "
                    "%.2f ms; 24-bit PNG %.2f ms, %lld bytes; %s)\n",
            render.implicit ? "implicit" : "explicit", render.expression, encoding / rendering,
            encoding * 1e3, static_cast<long long>(bytes), rendering * 1e3, fullColour * 1e3,
            static_cast<long long>(fullBytes),
            render.implicit ? "target at most 0.5"
                            : "no target: the curve renders faster than any picture encodes");
    }
}

} // namespace

void PrintRenderSpeeds(bool brief)
{
    const int runs = brief ? 1 : kRuns;
    PrintWindowAgainstHeadless(runs);
    PrintThreadsAgainstOne(runs, brief ? 1 : kSmallRepeat);
    PrintFullScreenImplicit(runs);
    PrintEncodingAgainstRendering(runs);
    std::printf("\n");
}

} // namespace plovex
