#include "app/Headless.h"

#include "document/FunctionPalette.h"
#include "document/GraphModel.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "native/NativeCode.h"
#include "platform/ByteText.h"
#include "platform/FileStore.h"
#include "platform/ImageFileWriter.h"
#include "platform/StringTable.h"
#include "res/Resource.h"
#include "view/DocumentFile.h"
#include "view/GraphCoordinates.h"
#include "view/GraphRenderer.h"
#include "view/ImageSurface.h"
#include "view/Integration.h"
#include "view/PointFinder.h"
#include "view/ValueTable.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <utility>
#include <variant>
#include <vector>

namespace plovex {
namespace {

constexpr int kParseFailed = 1;
constexpr int kUsageError = 2;
constexpr int kStoppedShort = 3;
constexpr int kMaxImageSide = 20000;
// The graph area of a new window, where --size does not say otherwise.
constexpr int kDefaultAreaWidth = 610;
constexpr int kDefaultAreaHeight = 238;

// A failure that ends the command with a message on standard error.
struct Failure {
    int status;
    QString message;
};

// A step's value, or the failure that ends the command.
template <typename T> class [[nodiscard]] Outcome {
public:
    Outcome(T value)
        : m_state(std::move(value))
    { }
    Outcome(Failure failure)
        : m_state(std::move(failure))
    { }

    bool Ok() const { return std::holds_alternative<T>(m_state); }
    T& Value() { return std::get<T>(m_state); }
    const Failure& Error() const { return std::get<Failure>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

// A step that gives nothing back: no failure, or the one that ends the command.
using Status = std::optional<Failure>;

// Whole, NUL bytes included: an expression is a byte string.
void PrintLine(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
}

void Warn(const std::string& text)
{
    PrintLine(stderr, "plovex: " + text);
}

// The bytes of `option`'s value at argv[i], exactly, as "--option=VALUE" or "--option VALUE"
// (which moves i on to the value): the arguments Qt hands over have been decoded, and a byte that
// is not UTF-8 would come back as U+FFFD.
std::optional<std::string> RawValue(std::string_view option, int& i, int argc, char** argv)
{
    const std::string_view argument = argv[i];
    if (argument.size() > option.size() && argument.substr(0, option.size()) == option
        && argument[option.size()] == '=')
        return std::string(argument.substr(option.size() + 1));
    if (argument == option && i + 1 < argc)
        return std::string(argv[++i]);
    return std::nullopt;
}

// The bytes given to --expression (the last one, as the parser takes it).
std::optional<std::string> RawExpression(int argc, char** argv)
{
    std::optional<std::string> expression;
    for (int i = 1; i < argc; ++i) {
        if (std::optional<std::string> value = RawValue("--expression", i, argc, argv))
            expression = std::move(value);
    }
    return expression;
}

// A function that --function or --implicit-function adds, with its bytes as given.
struct AddedFunction {
    bool implicit;
    std::string expression;
};

// The functions the options add, in the order given, with their bytes exactly.
std::vector<AddedFunction> RawFunctions(int argc, char** argv)
{
    std::vector<AddedFunction> functions;
    for (int i = 1; i < argc; ++i) {
        if (std::optional<std::string> value = RawValue("--function", i, argc, argv))
            functions.push_back({ false, std::move(*value) });
        else if (std::optional<std::string> implicit
            = RawValue("--implicit-function", i, argc, argv))
            functions.push_back({ true, std::move(*implicit) });
    }
    return functions;
}

std::string ListLine(std::size_t number, const StoredFunction& function)
{
    return std::to_string(number) + (function.implicit ? " implicit " : " explicit ")
        + ColourHex(function.colour) + (function.shown ? " shown " : " hidden ")
        + function.expression;
}

bool IsStandardOutput(const QString& path)
{
    struct stat file { };
    struct stat output { };
    return ::stat(QFile::encodeName(path).constData(), &file) == 0 && ::fstat(1, &output) == 0
        && file.st_dev == output.st_dev && file.st_ino == output.st_ino;
}

class Command {
public:
    Command(QCommandLineParser& parser, std::optional<std::string> rawExpression,
        std::vector<AddedFunction> added)
        : m_parser(parser)
        , m_rawExpression(std::move(rawExpression))
        , m_added(std::move(added))
    { }

    Outcome<int> Run();

private:
    Outcome<const DocumentFile*> LoadDocument();
    Outcome<std::string> Expression();
    // The document's settings, or the defaults, with those the options give instead.
    Outcome<GraphSettings> Settings();
    // The graph's functions: the document's or --expression's, then those the options add.
    Outcome<std::vector<StoredFunction>> Functions();
    Outcome<float> Number(const QString& name, std::optional<float> fallback = std::nullopt);
    [[nodiscard]] Status Centre(GraphView& view);
    [[nodiscard]] Status WriteFile(const QString& path, QByteArrayView bytes);
    std::string Format(double value) const
    {
        return m_parser.isSet("exact") ? FormatExact(value) : FormatFixed(value);
    }
    // False when the expression does not parse (its message printed already).
    Outcome<bool> ParseInto(TokenList& queue, bool implicit);
    // A failed parse's message on standard error, naming the character as the window's box
    // shows `expression` (in UTF-8); the exit status then says so.
    void ReportParse(const ParseResult& result, const std::string& expression);
    void ParseReporting(GraphFunction& function)
    {
        ReportParse(function.Parse(), function.expression);
    }

    Outcome<int> Postfix();
    Outcome<int> EvaluateAt();
    // --size as width and height, or the default graph area when `required` is false.
    Outcome<std::pair<int, int>> AreaSize(bool required);
    // The expression parsed as an explicit function, compiled; settings as the options give.
    Outcome<Program> ExplicitProgram(const char* option, GraphSettings& settings);
    Outcome<int> Render();
    Outcome<int> IntegrateRange();
    Outcome<int> Points();
    Outcome<int> Table();
    Outcome<int> Save();
    Outcome<int> List();

    QCommandLineParser& m_parser;
    std::optional<std::string> m_rawExpression;
    std::vector<AddedFunction> m_added;
    std::optional<DocumentFile> m_document;
    std::string m_postfix;
    bool m_parseFailed = false;
};

Outcome<const DocumentFile*> Command::LoadDocument()
{
    if (!m_parser.isSet("document"))
        return nullptr;
    if (m_document)
        return &*m_document;
    const QString path = m_parser.value("document");
    QString reason;
    bool unreadable = false;
    std::optional<DocumentFile> file = ReadDocumentFile(path, reason, unreadable);
    if (!file) {
        return Failure { kUsageError,
            unreadable ? QString("cannot read %1: %2").arg(path, reason)
                       : QString("%1 is not a Plovex graph: %2").arg(path, reason) };
    }
    if (file->decoded.stored == StoredSettings::Damaged) {
        Warn(QString("%1: the graph settings stored after the expression are damaged; the "
                     "defaults are used")
                 .arg(path)
                 .toStdString());
    }
    m_document = *std::move(file);
    return &*m_document;
}

Outcome<std::string> Command::Expression()
{
    const bool fromText = m_parser.isSet("expression");
    const bool fromDocument = m_parser.isSet("document");
    if (fromText == fromDocument)
        return Failure { kUsageError, "give either --expression or --document" };
    if (fromText)
        return m_rawExpression.value_or(m_parser.value("expression").toStdString());
    Outcome<const DocumentFile*> document = LoadDocument();
    if (!document.Ok())
        return document.Error();
    return document.Value()->decoded.expression;
}

Outcome<GraphSettings> Command::Settings()
{
    Outcome<const DocumentFile*> document = LoadDocument();
    if (!document.Ok())
        return document.Error();
    const GraphSettings stored
        = document.Value() ? document.Value()->decoded.settings : GraphSettings {};
    Outcome<float> xScale = Number("xscale", stored.xScale);
    if (!xScale.Ok())
        return xScale.Error();
    Outcome<float> yScale = Number("yscale", stored.yScale);
    if (!yScale.Ok())
        return yScale.Error();
    Outcome<float> quality = Number("quality", stored.quality);
    if (!quality.Ok())
        return quality.Error();
    GraphSettings settings = stored;
    settings.xScale = xScale.Value();
    settings.yScale = yScale.Value();
    settings.quality = quality.Value();
    settings.implicit = stored.implicit || m_parser.isSet("implicit");
    if (m_parser.isSet("center")) {
        Status centred = Centre(settings);
        if (centred)
            return *centred;
    }
    return settings;
}

// --center=X,Y: the graph point at the area's centre, with the scales already chosen. The
// offsets are X · xScale and Y · yScale in double; the point 0,0 is the unmoved view.
Status Command::Centre(GraphView& view)
{
    const QString text = m_parser.value("center");
    const QStringList parts = text.split(',');
    const std::optional<float> x
        = parts.size() == 2 ? ParseDecimal(parts[0].toStdString()) : std::nullopt;
    const std::optional<float> y
        = parts.size() == 2 ? ParseDecimal(parts[1].toStdString()) : std::nullopt;
    if (!x || !y)
        return Failure { kUsageError, QString("--center: '%1' is not X,Y").arg(text) };
    const double xOffset = static_cast<double>(*x) * view.xScale;
    const double yOffset = static_cast<double>(*y) * view.yScale;
    if (!std::isfinite(xOffset) || !std::isfinite(yOffset)) {
        return Failure { kUsageError,
            QString("--center: '%1' lies beyond what these scales can show").arg(text) };
    }
    // -0 is no move either, and a document stores it as none.
    view.xOffset = xOffset == 0.0 ? 0.0 : xOffset;
    view.yOffset = yOffset == 0.0 ? 0.0 : yOffset;
    return std::nullopt;
}

Outcome<std::vector<StoredFunction>> Command::Functions()
{
    Outcome<std::string> expression = Expression();
    if (!expression.Ok())
        return expression.Error();
    Outcome<GraphSettings> settings = Settings();
    if (!settings.Ok())
        return settings.Error();
    std::vector<StoredFunction> functions;
    if (m_document)
        functions = m_document->decoded.functions;
    else
        functions.emplace_back();
    functions.front().expression = expression.Value();
    functions.front().implicit = settings.Value().implicit;
    for (const AddedFunction& added : m_added) {
        std::vector<Rgb> colours;
        for (const StoredFunction& function : functions)
            colours.push_back(function.colour);
        functions.push_back({ added.expression, added.implicit, NextFunctionColour(colours) });
    }
    return functions;
}

Status Command::WriteFile(const QString& path, QByteArrayView bytes)
{
    QString reason;
    if (!WriteWholeFile(path, bytes, reason))
        return Failure { kUsageError, QString("cannot write %1: %2").arg(path, reason) };
    return std::nullopt;
}

Outcome<float> Command::Number(const QString& name, std::optional<float> fallback)
{
    if (!m_parser.isSet(name)) {
        if (fallback)
            return *fallback;
        return Failure { kUsageError, QString("--%1 is required").arg(name) };
    }
    const QString text = m_parser.value(name);
    const std::optional<float> value = ParseDecimal(text.toStdString());
    if (!value)
        return Failure { kUsageError, QString("--%1: '%2' is not a number").arg(name, text) };
    return *value;
}

Outcome<bool> Command::ParseInto(TokenList& queue, bool implicit)
{
    Outcome<std::string> expression = Expression();
    if (!expression.Ok())
        return expression.Error();
    TokenList operators;
    const ParseResult result = Parse(expression.Value(), implicit, queue, operators, m_postfix);
    ReportParse(result, expression.Value());
    return result.Ok();
}

void Command::ReportParse(const ParseResult& result, const std::string& expression)
{
    if (result.Ok())
        return;
    PrintLine(stderr, BytesToTextAs(result.message, expression).toStdString());
    m_parseFailed = true;
}

Outcome<int> Command::Postfix()
{
    Outcome<GraphSettings> settings = Settings();
    if (!settings.Ok())
        return settings.Error();
    TokenList queue;
    Outcome<bool> parsed = ParseInto(queue, settings.Value().implicit);
    if (!parsed.Ok())
        return parsed.Error();
    if (parsed.Value())
        PrintLine(stdout, m_postfix);
    return 0;
}

Outcome<int> Command::EvaluateAt()
{
    Outcome<float> x = Number("evaluate");
    if (!x.Ok())
        return x.Error();
    Outcome<GraphSettings> settings = Settings();
    if (!settings.Ok())
        return settings.Error();
    TokenList queue;
    Outcome<bool> parsed = ParseInto(queue, settings.Value().implicit);
    if (!parsed.Ok())
        return parsed.Error();
    PrintLine(
        stdout, Format(CompileProgram(queue).Evaluate(m_parser.isSet("dydx"), x.Value(), 0.0f)));
    return 0;
}

Outcome<int> Command::IntegrateRange()
{
    Outcome<float> lower = Number("from");
    if (!lower.Ok())
        return lower.Error();
    Outcome<float> upper = Number("to");
    if (!upper.Ok())
        return upper.Error();
    Outcome<GraphSettings> settings = Settings();
    if (!settings.Ok())
        return settings.Error();
    TokenList queue;
    Outcome<bool> parsed = ParseInto(queue, settings.Value().implicit);
    if (!parsed.Ok())
        return parsed.Error();
    const Integral integral = Integrate(CompileProgram(queue), lower.Value(), upper.Value());
    PrintLine(stdout, Format(integral.sum));
    if (!integral.stoppedAt)
        return 0;
    Warn(IntegralStopText(
        *integral.stoppedAt, upper.Value(), m_parser.isSet("exact") ? FormatExact : FormatFixed));
    return kStoppedShort;
}

Outcome<std::pair<int, int>> Command::AreaSize(bool required)
{
    if (!m_parser.isSet("size")) {
        if (required)
            return Failure { kUsageError, "--size=WxH is required with --render" };
        return std::pair { kDefaultAreaWidth, kDefaultAreaHeight };
    }
    static const QRegularExpression sizePattern("^\\s*(\\d{1,9})\\s*x\\s*(\\d{1,9})\\s*$");
    const QRegularExpressionMatch size = sizePattern.match(m_parser.value("size"));
    const int width = size.hasMatch() ? size.captured(1).toInt() : 0;
    const int height = size.hasMatch() ? size.captured(2).toInt() : 0;
    if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide) {
        return Failure { kUsageError,
            QString("--size: '%1' is not WxH with sides from 1 to %2")
                .arg(m_parser.value("size"))
                .arg(kMaxImageSide) };
    }
    return std::pair { width, height };
}

Outcome<Program> Command::ExplicitProgram(const char* option, GraphSettings& settings)
{
    Outcome<GraphSettings> read = Settings();
    if (!read.Ok())
        return read.Error();
    settings = read.Value();
    if (settings.implicit)
        return Failure { kUsageError, QString("--%1 works on explicit functions").arg(option) };
    TokenList queue;
    Outcome<bool> parsed = ParseInto(queue, false);
    if (!parsed.Ok())
        return parsed.Error();
    return CompileProgram(queue);
}

Outcome<int> Command::Points()
{
    Outcome<std::pair<int, int>> size = AreaSize(false);
    if (!size.Ok())
        return size.Error();
    GraphSettings settings;
    Outcome<Program> program = ExplicitProgram("roots", settings);
    if (!program.Ok())
        return program.Error();
    const bool derivative = m_parser.isSet("dydx");
    const Program& f = program.Value();
    const ValueAt valueAt = [&](float x) { return f.Evaluate(derivative, x, 0.0f); };
    const std::vector<float> columns = ColumnXs(settings, size.Value().first);
    std::vector<FoundPoint> found;
    if (m_parser.isSet("roots"))
        found = FindRoots(valueAt, columns);
    if (m_parser.isSet("extrema")) {
        std::vector<FoundPoint> extrema = FindExtrema(valueAt, columns);
        found.insert(found.end(), extrema.begin(), extrema.end());
    }
    if (m_parser.isSet("intersections")) {
        // The expression's is function 1; every other shown explicit function of the list
        // (--function, or the document's) is met by it, under its own number.
        Outcome<std::vector<StoredFunction>> stored = Functions();
        if (!stored.Ok())
            return stored.Error();
        GraphModel model;
        model.Load(stored.Value(), {});
        for (std::size_t i = 1; i < model.Count(); ++i) {
            GraphFunction& other = model.Function(i);
            if (!other.shown || other.implicit)
                continue;
            ParseReporting(other);
            const Program& g = other.CompiledProgram();
            std::vector<FoundPoint> met = FindIntersections(
                valueAt, [&](float x) { return g.Evaluate(false, x, 0.0f); },
                static_cast<int>(i + 1), columns);
            found.insert(found.end(), met.begin(), met.end());
        }
    }
    const PointList list = InOrderOfX(std::move(found));
    for (const FoundPoint& point : list.points) {
        std::string line = std::string(PointKindName(point.kind)) + " " + Format(point.x) + " "
            + Format(point.y);
        if (point.kind == PointKind::Intersection) {
            line += ' ';
            line += std::to_string(point.other);
        }
        PrintLine(stdout, line);
    }
    if (list.cut)
        Warn(PointLimitText());
    return 0;
}

Outcome<int> Command::Table()
{
    const QString text = m_parser.value("table");
    const QStringList parts = text.split(',');
    std::optional<float> numbers[3];
    for (int i = 0; i < 3 && parts.size() == 3; ++i)
        numbers[i] = ParseDecimal(parts[i].toStdString());
    if (!numbers[0] || !numbers[1] || !numbers[2])
        return Failure { kUsageError,
            QString("--table: '%1' is not FROM,TO,STEP (three numbers)").arg(text) };
    GraphSettings settings;
    Outcome<Program> program = ExplicitProgram("table", settings);
    if (!program.Ok())
        return program.Error();
    const TableXs table = MakeTableXs(*numbers[0], *numbers[1], *numbers[2]);
    if (table.refusal != TableRefusal::None) {
        // A sentence in the window, a clause after the option here.
        QString reason = QString::fromStdString(TableRefusalText(table.refusal));
        reason[0] = reason[0].toLower();
        reason.chop(1);
        return Failure { kUsageError, "--table: " + reason };
    }
    const bool derivative = m_parser.isSet("dydx");
    const Program& f = program.Value();
    for (const TableRow& row : TabulateValues(
             table.xs, [&](float x) { return f.Evaluate(derivative, x, 0.0f); },
             [&](float x) { return f.Evaluate(true, x, 0.0f); }))
        PrintLine(stdout, Format(row.x) + " " + Format(row.value) + " " + Format(row.quotient));
    return 0;
}

Outcome<int> Command::Render()
{
    Outcome<std::pair<int, int>> size = AreaSize(true);
    if (!size.Ok())
        return size.Error();
    const auto [width, height] = size.Value();
    const QString path = m_parser.value("render");
    // A name without an extension (/dev/stdout, a FIFO) gets a PNG.
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QByteArray format = suffix.isEmpty() ? QByteArray("png") : suffix.toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        return Failure { kUsageError,
            QString("--render: cannot write images of type '%1'").arg(QString(format)) };

    Outcome<GraphSettings> settings = Settings();
    if (!settings.Ok())
        return settings.Error();
    const GraphView& view = settings.Value();
    Outcome<std::vector<StoredFunction>> stored = Functions();
    if (!stored.Ok())
        return stored.Error();
    GraphModel model;
    model.Load(stored.Value(), view);
    // Each function parsed as the window's Plot parses it; an error is told and the
    // rendering goes on with what the parse left. The statistics are the first function's.
    for (std::size_t i = 0; i < model.Count(); ++i)
        ParseReporting(model.Function(i));

    ImageSurface surface(width, height);
    std::size_t statisticsItem = 0;
    const std::vector<PlotItem> items
        = PlotItems(model.Functions(), 0, m_parser.isSet("dydx"), statisticsItem);
    const RenderResult result
        = DrawGraph(view, { false, m_parser.isSet("grid") }, items, statisticsItem, surface);
    const RenderTotals& totals = result.totals;

    // Encoded in memory first, so that the file is written by the one writer of every file.
    QBuffer image;
    image.open(QIODevice::WriteOnly);
    ImageFileWriter writer(&image, format);
    if (!writer.Write(surface.Image())) {
        return Failure { kUsageError,
            QString("cannot write %1: %2").arg(path, writer.ErrorString()) };
    }
    if (Status written = WriteFile(path, image.data()))
        return *written;

    const Statistics& statistics = result.statistics;
    // An image written to standard output keeps it to itself: the statistics go to the errors.
    std::FILE* stream = IsStandardOutput(path) ? stderr : stdout;
    PrintLine(stream, "Maximum: " + Format(statistics.maximum));
    PrintLine(stream, "Minimum: " + Format(statistics.minimum));
    PrintLine(stream, "Mean: " + Format(statistics.mean));
    if (totals.sweepStalledAt)
        Warn(SweepStallText(view.quality, *totals.sweepStalledAt));
    return 0;
}

Outcome<int> Command::Save()
{
    const QString path = m_parser.value("save");
    Outcome<std::vector<StoredFunction>> functions = Functions();
    if (!functions.Ok())
        return functions.Error();
    Outcome<GraphSettings> settings = Settings();
    if (!settings.Ok())
        return settings.Error();
    // A document saved with the settings it holds is copied byte for byte, whatever form its
    // length prefix or trailer takes.
    Outcome<const DocumentFile*> document = LoadDocument();
    if (!document.Ok())
        return document.Error();
    if (document.Value() && m_added.empty()
        && settings.Value() == document.Value()->decoded.settings) {
        if (Status written = WriteFile(path, document.Value()->bytes))
            return *written;
        return 0;
    }
    QString reason;
    const std::optional<QByteArray> bytes
        = EncodeDocumentFile(functions.Value(), settings.Value(), reason);
    if (!bytes)
        return Failure { kUsageError, QString("cannot write %1: %2").arg(path, reason) };
    if (Status written = WriteFile(path, *bytes))
        return *written;
    return 0;
}

Outcome<int> Command::List()
{
    Outcome<std::vector<StoredFunction>> functions = Functions();
    if (!functions.Ok())
        return functions.Error();
    for (std::size_t i = 0; i < functions.Value().size(); ++i)
        PrintLine(stdout, ListLine(i + 1, functions.Value()[i]));
    return 0;
}

Outcome<int> Command::Run()
{
    if (!m_parser.positionalArguments().isEmpty()) {
        return Failure { kUsageError,
            QString("unexpected argument '%1'").arg(m_parser.positionalArguments().first()) };
    }
    const QStringList actions { "postfix", "evaluate", "render", "integrate", "save", "list",
        "table" };
    QStringList chosen;
    for (const QString& action : actions) {
        if (m_parser.isSet(action))
            chosen << action;
    }
    // Roots and extrema come as one list in order of x.
    if (m_parser.isSet("roots") || m_parser.isSet("extrema") || m_parser.isSet("intersections"))
        chosen << "points";
    if (chosen.size() != 1) {
        return Failure { kUsageError,
            "choose one of --postfix, --evaluate, --render, --integrate, --save, --list, "
            "--table, and any of --roots, --extrema and --intersections" };
    }
    const QString& action = chosen.first();
    Outcome<int> status = action == "postfix" ? Postfix()
        : action == "evaluate"                ? EvaluateAt()
        : action == "render"                  ? Render()
        : action == "integrate"               ? IntegrateRange()
        : action == "list"                    ? List()
        : action == "points"                  ? Points()
        : action == "table"                   ? Table()
                                              : Save();
    if (status.Ok() && m_parseFailed)
        return kParseFailed;
    return status;
}

// A command whose output did not reach its streams failed, whatever it computed: a full disk
// or a closed pipe is never success.
int Finish(int status)
{
    const bool outputLost = std::fflush(stdout) != 0 || std::ferror(stdout);
    const bool errorsLost = std::fflush(stderr) != 0 || std::ferror(stderr);
    if (outputLost) {
        const int error = errno;
        std::fprintf(stderr, "plovex: cannot write to standard output: %s\n", std::strerror(error));
        std::fflush(stderr);
    }
    return outputLost || errorsLost ? kUsageError : status;
}

// Qt's own diagnostics (a runtime folder it had to make up, a font it could not find) are
// no part of a command's output; only a fatal one, which ends the process, is told.
void DropQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "plovex: %s\n", qPrintable(message));
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
    // A reader that goes away makes the next write fail with "Broken pipe" and status 2, as
    // any other output that cannot be written, rather than end the process unannounced.
    std::signal(SIGPIPE, SIG_IGN);
    qInstallMessageHandler(DropQtMessages);
    // The grid's labels need fonts, which come with a QGuiApplication. A command shows no
    // window, so its platform is the offscreen one: no display needed.
    std::unique_ptr<QCoreApplication> application;
    if (std::find(argv + 1, argv + argc, std::string_view("--grid")) != argv + argc) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The system's reasons ("No space left on device") stay English, as all the output does.
    std::setlocale(LC_MESSAGES, "C");
    QCoreApplication::setApplicationName("plovex");
    QCoreApplication::setApplicationVersion(PLOVEX_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription(LoadString(res::kStrAppTitle)
        + ", a function plotter. Without options it opens the window; with them it parses, "
          "evaluates, integrates or renders an expression and prints the result.");
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
        { "render",
            "Draw the graph into an image file (png, ppm, bmp, ... by the extension; png "
            "without one, as for --render=/dev/stdout).",
            "FILE" },
        { "size", "The graph area's size in pixels for --render.", "WxH" },
        { "xscale", "Pixels per unit along x (default 10).", "S" },
        { "yscale", "Pixels per unit along y (default 10).", "S" },
        { "quality", "Samples per pixel column (default 10).", "Q" },
        { "center",
            "The graph point at the centre of the area for --render and --save (default 0,0, "
            "or the document's view).",
            "X,Y" },
        { "grid",
            "Draw a grid and tick labels under the curve with --render, as View > Grid does "
            "in the window: lines 1, 2 or 5 times a power of ten units apart, at least 40 "
            "pixels." },
        { "save",
            "Write a graph document holding the expression and the settings (--xscale, "
            "--yscale, --quality, --implicit). With --document alone it copies the "
            "document byte for byte.",
            "FILE" },
        { "roots",
            "Print the roots over the graph area's columns (--size, default 610x238, and "
            "--xscale): one line each, in order of x: root X Y." },
        { "extrema",
            "Print the minima and maxima over the graph area's columns: minimum X Y, "
            "maximum X Y." },
        { "intersections",
            "Print where the first function meets each other shown explicit one (--function, or "
            "a document's) over the graph area's columns: intersection X Y N, N the other "
            "function's number." },
        { "table", "Print x, f(x) and the difference quotient for x = FROM + k*STEP up to TO.",
            "FROM,TO,STEP" },
        { "exact", "Print numbers with %.17g instead of %f." },
        { "verbose",
            "With --version: also say how expressions are evaluated, as native machine code "
            "or in the interpreter, and why." },
        { "function",
            "Add an explicit function y = f(x) to the graph, after --expression's or the "
            "document's, in the next palette colour (may be repeated).",
            "EXPR" },
        { "implicit-function",
            "Add an implicit function f(x, y) = 0 to the graph, as --function adds an explicit "
            "one.",
            "EXPR" },
        { "list",
            "Print the graph's functions, one a line: number, kind (explicit or implicit), "
            "colour #rrggbb, shown or hidden, and the expression." },
    });
    QStringList arguments = QCoreApplication::arguments();
    // "--expression -x": an expression may start with a minus sign.
    for (int i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "--expression" || arguments[i] == "--function"
            || arguments[i] == "--implicit-function") {
            arguments[i] += "=" + arguments[i + 1];
            arguments.removeAt(i + 1);
        }
    }
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "plovex: %s\n", qPrintable(parser.errorText()));
        return Finish(kUsageError);
    }
    if (parser.isSet("help")) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return Finish(0);
    }
    if (parser.isSet("version")) {
        std::printf("plovex %s\n", PLOVEX_VERSION);
        if (parser.isSet("verbose"))
            std::printf("evaluator: %s\n", NativeCodeStatus().c_str());
        return Finish(0);
    }
    Outcome<int> status
        = Command(parser, RawExpression(argc, argv), RawFunctions(argc, argv)).Run();
    if (status.Ok())
        return Finish(status.Value());
    std::fprintf(stderr, "plovex: %s\n", qPrintable(status.Error().message));
    return Finish(status.Error().status);
}

} // namespace plovex
