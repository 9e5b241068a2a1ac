#include "app/Headless.h"

#include "app/DocumentCodec.h"
#include "engine/Evaluator.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "platform/ImageFileWriter.h"
#include "platform/ImageSurface.h"
#include "view/FormFields.h"
#include "view/GraphRenderer.h"
#include "view/Integration.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>
#include <optional>
#include <string>

namespace plovex {
namespace {

constexpr int kParseFailed = 1;
constexpr int kUsageError = 2;
constexpr int kMaxImageSide = 20000;

// A failure that ends the command with a message on standard error.
struct Failure {
    int status;
    QString message;
};

void PrintLine(std::FILE* stream, const std::string& text)
{
    std::fputs(text.c_str(), stream);
    std::fputc('\n', stream);
}

class Command {
public:
    explicit Command(QCommandLineParser& parser)
        : m_parser(parser)
    { }

    int Run();

private:
    std::string Expression();
    float Number(const QString& name, std::optional<float> fallback = std::nullopt);
    std::string Format(double value) const
    {
        return m_parser.isSet("exact") ? FormatExact(value) : FormatFixed(value);
    }
    bool ParseInto(TokenList& queue, bool implicit);

    int Postfix();
    int EvaluateAt();
    int Render();
    int IntegrateRange();
    int Save();

    QCommandLineParser& m_parser;
    std::string m_postfix;
    bool m_parseFailed = false;
};

std::string Command::Expression()
{
    const bool fromText = m_parser.isSet("expression");
    const bool fromDocument = m_parser.isSet("document");
    if (fromText == fromDocument)
        throw Failure { kUsageError, "give either --expression or --document" };
    if (fromText)
        return m_parser.value("expression").toStdString();
    const QString path = m_parser.value("document");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure { kUsageError, QString("cannot open %1: %2").arg(path, file.errorString()) };
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure { kUsageError, QString("cannot read %1: %2").arg(path, file.errorString()) };
    const DecodedDocument document
        = DecodeDocument(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size()));
    if (!document.ok) {
        throw Failure { kUsageError,
            QString("%1 is not a Plovex graph: %2")
                .arg(path, QString::fromStdString(document.error)) };
    }
    return document.expression;
}

float Command::Number(const QString& name, std::optional<float> fallback)
{
    if (!m_parser.isSet(name)) {
        if (fallback)
            return *fallback;
        throw Failure { kUsageError, QString("--%1 is required").arg(name) };
    }
    const QString text = m_parser.value(name);
    const std::optional<float> value = ParseDecimal(text.toStdString());
    if (!value)
        throw Failure { kUsageError, QString("--%1: '%2' is not a number").arg(name, text) };
    return *value;
}

bool Command::ParseInto(TokenList& queue, bool implicit)
{
    TokenList operators;
    const ParseResult result = Parse(Expression(), implicit, queue, operators, m_postfix);
    if (!result.Ok()) {
        PrintLine(stderr, result.message);
        m_parseFailed = true;
    }
    return result.Ok();
}

int Command::Postfix()
{
    TokenList queue;
    if (ParseInto(queue, m_parser.isSet("implicit")))
        PrintLine(stdout, m_postfix);
    return 0;
}

int Command::EvaluateAt()
{
    const float x = Number("evaluate");
    TokenList queue;
    (void)ParseInto(queue, m_parser.isSet("implicit"));
    PrintLine(stdout, Format(Evaluate(queue, m_parser.isSet("dydx"), x, 0.0f)));
    return 0;
}

int Command::IntegrateRange()
{
    const float lower = Number("from");
    const float upper = Number("to");
    TokenList queue;
    (void)ParseInto(queue, m_parser.isSet("implicit"));
    PrintLine(stdout, Format(Integrate(Program::Compile(queue), lower, upper)));
    return 0;
}

int Command::Render()
{
    if (!m_parser.isSet("size"))
        throw Failure { kUsageError, "--size=WxH is required with --render" };
    static const QRegularExpression sizePattern("^\\s*(\\d{1,9})\\s*x\\s*(\\d{1,9})\\s*$");
    const QRegularExpressionMatch size = sizePattern.match(m_parser.value("size"));
    const int width = size.hasMatch() ? size.captured(1).toInt() : 0;
    const int height = size.hasMatch() ? size.captured(2).toInt() : 0;
    if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide) {
        throw Failure { kUsageError,
            QString("--size: '%1' is not WxH with sides from 1 to %2")
                .arg(m_parser.value("size"))
                .arg(kMaxImageSide) };
    }
    const QString path = m_parser.value("render");
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        throw Failure { kUsageError,
            QString("--render: cannot write images of type '%1'").arg(QString(format)) };

    FormFields fields;
    fields.m_xScale = Number("xscale", 10.0f);
    fields.m_yScale = Number("yscale", 10.0f);
    fields.m_quality = Number("quality", 10.0f);
    fields.m_implicit = m_parser.isSet("implicit");
    fields.m_derivative = m_parser.isSet("dydx");
    TokenList queue;
    (void)ParseInto(queue, fields.m_implicit);

    ImageSurface surface(width, height);
    const RenderTotals totals = DrawGraph(fields, Program::Compile(queue), surface);

    // Unbuffered: a buffered QSaveFile commits a file that a full disk cut short.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Failure { kUsageError, QString("cannot write %1: %2").arg(path, file.errorString()) };
    ImageFileWriter writer(&file, format);
    if (!writer.Write(surface.Image())) {
        file.cancelWriting();
        throw Failure { kUsageError,
            QString("cannot write %1: %2").arg(path, writer.ErrorString()) };
    }
    if (!file.commit())
        throw Failure { kUsageError, QString("cannot write %1: %2").arg(path, file.errorString()) };

    const Statistics statistics
        = ComputeStatistics(totals, fields.m_yScale, fields.m_quality, width);
    PrintLine(stdout, "Maximum: " + Format(statistics.maximum));
    PrintLine(stdout, "Minimum: " + Format(statistics.minimum));
    PrintLine(stdout, "Mean: " + Format(statistics.mean));
    return 0;
}

int Command::Save()
{
    if (!m_parser.isSet("expression"))
        throw Failure { kUsageError, "--save needs --expression" };
    const std::vector<std::uint8_t> bytes = EncodeDocument(Expression());
    const QString path = m_parser.value("save");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        || file.write(
               reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()))
            != static_cast<qint64>(bytes.size())
        || !file.commit()) {
        throw Failure { kUsageError, QString("cannot write %1: %2").arg(path, file.errorString()) };
    }
    return 0;
}

int Command::Run()
{
    if (!m_parser.positionalArguments().isEmpty()) {
        throw Failure { kUsageError,
            QString("unexpected argument '%1'").arg(m_parser.positionalArguments().first()) };
    }
    const QStringList actions { "postfix", "evaluate", "render", "integrate", "save" };
    QStringList chosen;
    for (const QString& action : actions) {
        if (m_parser.isSet(action))
            chosen << action;
    }
    if (chosen.size() != 1) {
        throw Failure { kUsageError,
            "choose one of --postfix, --evaluate, --render, --integrate and --save" };
    }
    const QString& action = chosen.first();
    const int status = action == "postfix" ? Postfix()
        : action == "evaluate"             ? EvaluateAt()
        : action == "render"               ? Render()
        : action == "integrate"            ? IntegrateRange()
                                           : Save();
    return m_parseFailed ? kParseFailed : status;
}

} // namespace

bool IsHeadlessCommand(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.substr(0, 2) == "--" || argument == "-h" || argument == "-v"
            || argument == "-?")
            return true;
    }
    return false;
}

int RunHeadless(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("plovex");
    QCoreApplication::setApplicationVersion(PLOVEX_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Plovex 2, a function plotter. Without options it opens the window; with them it "
        "parses, evaluates, integrates or renders an expression and prints the result.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        "files", "Graph documents to open in the window (without options).", "[FILE...]");
    parser.addOptions({
        { "expression", "The expression in x (and y with --implicit).", "EXPR" },
        { "document", "Read the expression from a graph document file.", "FILE" },
        { "postfix", "Print the postfix text of the expression." },
        { "implicit", "Parse and draw as an implicit function f(x, y) = 0." },
        { "evaluate", "Print the value of the expression at x = X.", "X" },
        { "dydx", "Derivative mode: every value is the difference quotient." },
        { "integrate", "Print the integral from --from to --to." },
        { "from", "Lower limit of the integral.", "A" },
        { "to", "Upper limit of the integral.", "B" },
        { "render", "Draw the graph into an image file (png, ppm, bmp, ...).", "FILE" },
        { "size", "The graph area's size in pixels for --render.", "WxH" },
        { "xscale", "Pixels per unit along x (default 10).", "S" },
        { "yscale", "Pixels per unit along y (default 10).", "S" },
        { "quality", "Samples per pixel column (default 10).", "Q" },
        { "save", "Write a graph document holding --expression.", "FILE" },
        { "exact", "Print numbers with %.17g instead of %f." },
    });
    QStringList arguments = QCoreApplication::arguments();
    // "--expression -x": an expression may start with a minus sign.
    for (int i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "--expression") {
            arguments[i] = "--expression=" + arguments[i + 1];
            arguments.removeAt(i + 1);
        }
    }
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "plovex: %s\n", qPrintable(parser.errorText()));
        return kUsageError;
    }
    if (parser.isSet("help")) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet("version")) {
        std::printf("plovex %s\n", PLOVEX_VERSION);
        return 0;
    }
    try {
        return Command(parser).Run();
    } catch (const Failure& failure) {
        std::fprintf(stderr, "plovex: %s\n", qPrintable(failure.message));
        return failure.status;
    }
}

} // namespace plovex
