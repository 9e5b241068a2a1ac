#include "bench/ParameterSpeed.h"

#include "document/GraphModel.h"
#include "frame/ParameterAnimator.h"
#include "platform/PictureStatic.h"
#include "render/GraphRenderer.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
#include "view/ImageSurface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace plovex {
namespace {

// Eight functions that use the parameter a, beside the graph's own at the default size.
constexpr const char* kEightFunctions[] = {
    "a*x^2+5*x+6",
    "sin(a*x)*10",
    "x-x^3/(6*a)",
    "x*sin(x)*a",
    "sqrt(abs(a*x))*3",
    "cos(x)^2*8*a",
    "1/((x^2+a)^1.5)*20",
    "e(x/10)*a",
};

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// A document of `expressions` with the parameter a, each function shown and parsed.
void Fill(CPlovexDoc& document, const std::vector<std::string>& expressions)
{
    (void)document.AddParameter({ "a", 1.0f, -5.0f, 5.0f, 0.1f });
    for (std::size_t i = 0; i < expressions.size(); ++i) {
        const std::size_t index = i == 0 ? 0 : document.AddFunction(i - 1);
        document.SetExpression(expressions[i], index);
        for (const ExpressionError& error : document.Parse(index).errors)
            std::fprintf(stderr, "%s: %s\n", expressions[i].c_str(), error.result.message.c_str());
        document.SetShown(index, true);
    }
}

// The slider moved a step, as the window takes it: the value into the document, and the event
// loop run until the form shows the new picture.
double WindowStep(CPlovexDoc& document, const CPlovexView& view, int position)
{
    const qint64 before = view.m_graphArea->Picture().cacheKey();
    const auto start = std::chrono::steady_clock::now();
    (void)document.SetParameterValue(0, SliderValue(document.GetParameter(0), position));
    while (view.m_graphArea->Picture().cacheKey() == before && Seconds(start) < 1.0)
        QApplication::processEvents();
    return Seconds(start);
}

// The fastest of `steps` slider steps of the model's first parameter, each from the value set to
// the picture drawn, without a window.
double FastestModelStep(GraphModel& model, ImageSurface& surface, int steps)
{
    double fastest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < steps; ++i) {
        const auto start = std::chrono::steady_clock::now();
        Parameter a = model.GetParameter(0);
        a.value = SliderValue(a, 60 + i % 2);
        model.SetParameter(0, a);
        std::size_t statisticsItem = 0;
        const std::vector<PlotItem> items
            = PlotItems(model.Functions(), 0, false, statisticsItem, model.Variables());
        (void)DrawGraph(model.View(), {}, items, statisticsItem, surface);
        fastest = std::min(fastest, Seconds(start));
    }
    return fastest;
}

void PrintWindowStep(int steps)
{
    CPlovexDoc document;
    Fill(document, { std::begin(kEightFunctions), std::end(kEightFunctions) });
    CPlovexView view(document);
    view.show();
    view.OnInitialUpdate();
    QApplication::processEvents();
    double fastest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < steps; ++i)
        fastest = std::min(fastest, WindowStep(document, view, 60 + i % 2));
    const QSize size = view.m_graphArea->ClientSize();

    // The same step without the window: the items with the new value, and the rendering.
    GraphModel model;
    model.Load(document.Model().Stored(), {}, document.Parameters());
    for (std::size_t i = 0; i < model.Count(); ++i)
        (void)model.Parse(i);
    ImageSurface surface(size.width(), size.height());
    const double rendering = FastestModelStep(model, surface, steps);
    std::printf("One slider step on eight functions that use the parameter, default %dx%d graph: "
                "%.3f ms in the window, value set to picture shown (rendering alone %.3f ms; "
                "target under 5 ms)\n",
        size.width(), size.height(), fastest * 1e3, rendering * 1e3);
}

void PrintLargeImplicitStep(int steps)
{
    GraphModel model;
    StoredFunction function { "sin(x*y/(x+a))" };
    function.kind = CurveKind::Implicit;
    model.Load({ function }, {}, { { "a", 1.0f, -5.0f, 5.0f, 0.1f } });
    (void)model.Parse(0);
    ImageSurface surface(1920, 1080);
    const double fastest = FastestModelStep(model, surface, steps);
    std::printf("One slider step on a 1920x1080 implicit graph that uses the parameter, "
                "sin(x*y/(x+a)): %.1f ms on every core (no target: a drag shows every picture "
                "it can, the newest value next)\n",
        fastest * 1e3);
}

// Counts the pictures a form shows.
class PictureCounter : public QObject {
public:
    explicit PictureCounter(const PictureStatic& area)
        : m_area(area)
        , m_last(area.Picture().cacheKey())
    { }

    int pictures = 0;

    void Look()
    {
        const qint64 key = m_area.Picture().cacheKey();
        if (key != m_last)
            ++pictures;
        m_last = key;
    }

private:
    const PictureStatic& m_area;
    qint64 m_last;
};

void PrintPlay(double seconds)
{
    CPlovexDoc document;
    Fill(document, { "a*sin(x)+a^2/8" });
    CPlovexView view(document);
    view.show();
    view.OnInitialUpdate();
    QApplication::processEvents();
    PictureCounter counter(*view.m_graphArea);
    // An event posted every few milliseconds: how long each waits for the loop tells how soon
    // the window answers.
    double longestWait = 0.0;
    QElapsedTimer clock;
    clock.start();
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 posted = clock.nsecsElapsed();
        QTimer::singleShot(0, &view, [&, posted] {
            longestWait = std::max(longestWait, (clock.nsecsElapsed() - posted) / 1e6);
        });
        counter.Look();
    });
    ParameterAnimator animator;
    animator.Play(document, 0);
    probe.start();
    const auto start = std::chrono::steady_clock::now();
    while (Seconds(start) < seconds) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        counter.Look();
    }
    const double elapsed = Seconds(start);
    animator.Stop();
    std::printf("Play on the default graph (a*sin(x)+a^2/8, %d moves a second): %.1f pictures a "
                "second over %.1f s, an event waiting at most %.1f ms meanwhile (target at least "
                "30 pictures a second, and well under 100 ms)\n\n",
        ParameterAnimator::kFramesPerSecond, counter.pictures / elapsed, elapsed, longestWait);
}

} // namespace

void PrintParameterSpeeds(bool brief)
{
    PrintWindowStep(brief ? 2 : 200);
    PrintLargeImplicitStep(brief ? 1 : 9);
    PrintPlay(brief ? 0.5 : 5.0);
}

} // namespace plovex
