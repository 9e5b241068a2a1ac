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
#include "render/ExportSize.h"
#include "render/FunctionValues.h"
#include "render/GraphCoordinates.h"
#include "render/GraphRenderer.h"
#include "render/Integration.h"
#include "render/PointFinder.h"
#include "render/ValueTable.h"
#include "res/Resource.h"
#include "view/DocumentFile.h"
#include "view/ImageSurface.h"
#include "view/VectorGraphWriter.h"

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

// The options that add a function, and the kind each adds.
constexpr struct {
    const char* option;
    CurveKind kind;
} kFunctionOptions[] = {
    { "--function", CurveKind::Explicit },
    { "--implicit-function", CurveKind::Implicit },
    { "--parametric", CurveKind::Parametric },
    { "--polar", CurveKind::Polar },
};

// A function an option adds, with its bytes as given; --parametric's value is X(t) and Y(t),
// split at its first comma, and `split` is false when it has none.
struct AddedFunction {
    CurveKind kind;
    std::string expression;
    std::string yExpression;
    bool split = true;
};

// The functions the options add, in the order given, with their bytes exactly.
std::vector<AddedFunction> RawFunctions(int argc, char** argv)
{
    std::vector<AddedFunction> functions;
    for (int i = 1; i < argc; ++i) {
        for (const auto& [option, kind] : kFunctionOptions) {
            std::optional<std::string> value = RawValue(option, i, argc, argv);
            if (!value)
                continue;
            AddedFunction added { kind, std::move(*value), {}, true };
            if (kind == CurveKind::Parametric) {
                const std::size_t comma = added.expression.find(',');
                added.split = comma != std::string::npos;
                if (added.split) {
                    added.yExpression = added.expression.substr(comma + 1);
                    added.expression.resize(comma);
                }
            }
            functions.push_back(std::move(added));
            break;
        }
    }
    return functions;
}

const char* KindName(CurveKind kind)
{
    switch (kind) {
    case CurveKind::Implicit:
        return "implicit";
    case CurveKind::Parametric:
        return "parametric";
    case CurveKind::Polar:
        return "polar";
    case CurveKind::Explicit:
        break;
    }
    return "explicit";
}

// "1 explicit #0000ff shown x^2"; a curve's range comes before its expressions, a parametric
// curve's two a comma apart as --parametric takes them:
// "2 parametric #d55e00 shown 0 6.2831855 t-sin t,1-cos t".
std::string ListLine(std::size_t number, const StoredFunction& function)
{
    std::string line = std::to_string(number) + " " + KindName(function.kind) + " "
        + ColourHex(function.colour) + (function.shown ? " shown " : " hidden ");
    if (SweepsParameter(function.kind))
        line += FormatField(function.range.start) + " " + FormatField(function.range.end) + " ";
    line += function.expression;
    if (function.kind == CurveKind::Parametric)
        line += "," + function.yExpression;
    return line;
}

// "parameter a=2.5,-5,5,0.1": as --parameter takes it, each number as a number box shows a
// float, so that the line given back to --parameter defines the same parameter.
std::string ParameterLine(const Parameter& parameter)
{
    return "parameter " + parameter.name + "=" + FormatField(parameter.value) + ","
        + FormatField(parameter.minimum) + "," + FormatField(parameter.maximum) + ","
        + FormatField(parameter.step);
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
    // --expression's or the document's first expression; nothing when neither is given and
    // the first function comes from an option that adds one.
    Outcome<std::optional<std::string>> Expression();
    // The document's settings, or the defaults, with those the options give instead.
    Outcome<GraphSettings> Settings();
    // The graph's functions: the document's or --expression's, then those the options add;
    // without either, those the options add, the first given first.
    Outcome<std::vector<StoredFunction>> Functions();
    // --trange for the curves the options add, the default range when it is not given.
    Outcome<ParameterRange> AddedRange();
    // The document's parameters, with those --parameter defines or changes, in the order given.
    Outcome<std::vector<Parameter>> Parameters();
    // --parameter=NAME=VALUE or NAME=VALUE,MIN,MAX,STEP into `parameters`.
    [[nodiscard]] Status ApplyParameter(const QString& text, std::vector<Parameter>& parameters);
    // The first function, parsed, its errors told; refused before the parse when it is a
    // parametric or polar curve, or with `explicitOnly` an implicit function, with which
    // `option` cannot work.
    Outcome<GraphFunction> ParsedFirst(const char* option, bool explicitOnly = false);
    Outcome<float> Number(const QString& name, std::optional<float> fallback = std::nullopt);
    [[nodiscard]] Status Centre(GraphView& view);
    [[nodiscard]] Status WriteFile(const QString& path, QByteArrayView bytes);
    // Numbers as --exact asks (every digit of the double), or as %f.
    using NumberFormat = std::string (*)(double);
    NumberFormat Formatter() const { return m_parser.isSet("exact") ? FormatExact : FormatFixed; }
    std::string Format(double value) const { return Formatter()(value); }
    // A failed parse's messages on standard error, one a line, each naming the character as
    // the window's box shows the expression (in UTF-8), and a curve's expression by its role:
    // "y(t): Parse Error: ..."; the exit status then says so. Whether all parsed. Every
    // expression may use the graph's parameters.
    bool ParseReporting(GraphFunction& function);
    // A function's values with the parameters at their values.
    FunctionValues Values(const GraphFunction& function) const
    {
        return { function.CompiledProgram(), ParameterVariables(m_parameters) };
    }

    Outcome<int> Postfix();
    Outcome<int> EvaluateAt();
    // --size as width and height, or the default graph area when `required` is false.
    Outcome<std::pair<int, int>> AreaSize(bool required);
    // The value of the WxH option `name`.
    Outcome<std::pair<int, int>> SizeValue(const QString& name);
    // The first function parsed as an explicit function, with its values; settings as the
    // options give.
    Outcome<FunctionValues> ExplicitValues(const char* option, GraphSettings& settings);
    Outcome<int> Render();
    // The graph drawn on a width by height picture into `path`, as an image in `format` or as
    // an SVG or PDF file; the rendering's statistics.
    Outcome<RenderResult> WriteImage(const QString& path, const QByteArray& format,
        const GraphView& view, const RenderOptions& options, const std::vector<PlotItem>& items,
        std::size_t statisticsItem, int width, int height);
    Outcome<RenderResult> WriteVector(VectorFormat format, const QString& path,
        const GraphView& view, const RenderOptions& options, const std::vector<PlotItem>& items,
        std::size_t statisticsItem, int width, int height);
    Outcome<int> IntegrateRange();
    Outcome<int> Points();
    Outcome<int> Table();
    Outcome<int> Save();
    Outcome<int> List();

    QCommandLineParser& m_parser;
    std::optional<std::string> m_rawExpression;
    std::vector<AddedFunction> m_added;
    std::optional<DocumentFile> m_document;
    std::vector<Parameter> m_parameters;
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
    } else if (file->decoded.storedParameters == StoredSettings::Damaged) {
        Warn(QString("%1: the parameters stored after the functions are damaged; the functions "
                     "are read without them")
                 .arg(path)
                 .toStdString());
    }
    m_document = *std::move(file);
    return &*m_document;
}

Outcome<std::optional<std::string>> Command::Expression()
{
    const bool fromText = m_parser.isSet("expression");
    const bool fromDocument = m_parser.isSet("document");
    if (fromText && fromDocument)
        return Failure { kUsageError, "give either --expression or --document" };
    if (!fromText && !fromDocument) {
        if (m_added.empty())
            return Failure { kUsageError,
                "give --expression, --document, or a function with --function, "
                "--implicit-function, --parametric or --polar" };
        return std::optional<std::string>();
    }
    if (fromText)
        return std::optional(m_rawExpression.value_or(m_parser.value("expression").toStdString()));
    Outcome<const DocumentFile*> document = LoadDocument();
    if (!document.Ok())
        return document.Error();
    return std::optional(document.Value()->decoded.expression);
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

Outcome<ParameterRange> Command::AddedRange()
{
    if (!m_parser.isSet("trange"))
        return ParameterRange {};
    const QString text = m_parser.value("trange");
    const bool curves = std::any_of(m_added.begin(), m_added.end(),
        [](const AddedFunction& added) { return SweepsParameter(added.kind); });
    if (!curves)
        return Failure { kUsageError, "--trange sets the range of --parametric and --polar" };
    const QStringList parts = text.split(',');
    const std::optional<float> start
        = parts.size() == 2 ? ParseDecimal(parts[0].toStdString()) : std::nullopt;
    const std::optional<float> end
        = parts.size() == 2 ? ParseDecimal(parts[1].toStdString()) : std::nullopt;
    if (!start || !end || !std::isfinite(*start) || !std::isfinite(*end))
        return Failure { kUsageError,
            QString("--trange: '%1' is not A,B (two finite numbers)").arg(text) };
    return ParameterRange { *start, *end };
}

Outcome<std::vector<Parameter>> Command::Parameters()
{
    Outcome<const DocumentFile*> document = LoadDocument();
    if (!document.Ok())
        return document.Error();
    std::vector<Parameter> parameters
        = document.Value() ? document.Value()->decoded.parameters : std::vector<Parameter> {};
    for (const QString& text : m_parser.values("parameter")) {
        if (Status applied = ApplyParameter(text, parameters))
            return *applied;
    }
    return parameters;
}

// A parameter the graph has takes the value given, and the range and step when they are given
// too; any other is added with the value given and the default range and step, or those given.
Status Command::ApplyParameter(const QString& text, std::vector<Parameter>& parameters)
{
    const qsizetype equals = text.indexOf('=');
    const QStringList numbers = text.mid(equals + 1).split(',');
    if (equals < 0 || (numbers.size() != 1 && numbers.size() != 4))
        return Failure { kUsageError,
            QString("--parameter: '%1' is not NAME=VALUE or NAME=VALUE,MIN,MAX,STEP").arg(text) };
    float values[4] = {};
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const std::optional<float> value = ParseDecimal(numbers[i].toStdString());
        if (!value)
            return Failure { kUsageError,
                QString("--parameter=%1: '%2' is not a number").arg(text, numbers[i]) };
        values[i] = *value;
    }
    const std::string name = text.left(equals).toStdString();
    std::size_t index = 0;
    while (index < parameters.size() && parameters[index].name != name)
        ++index;
    Parameter parameter = index < parameters.size() ? parameters[index] : Parameter { name };
    parameter.value = values[0];
    if (numbers.size() == 4) {
        parameter.minimum = values[1];
        parameter.maximum = values[2];
        parameter.step = values[3];
    }
    const ParameterCheck check = CheckParameter(parameter, parameters, index);
    if (!check.Ok()) {
        // A sentence in the window, a clause after the option here.
        QString reason = QString::fromStdString(ParameterRefusalText(parameter, check));
        reason[0] = reason[0].toLower();
        reason.chop(1);
        return Failure { kUsageError, QString("--parameter=%1: %2").arg(text, reason) };
    }
    if (index < parameters.size())
        parameters[index] = parameter;
    else
        parameters.push_back(parameter);
    return std::nullopt;
}

Outcome<std::vector<StoredFunction>> Command::Functions()
{
    Outcome<std::optional<std::string>> expression = Expression();
    if (!expression.Ok())
        return expression.Error();
    Outcome<GraphSettings> settings = Settings();
    if (!settings.Ok())
        return settings.Error();
    Outcome<ParameterRange> range = AddedRange();
    if (!range.Ok())
        return range.Error();
    for (const AddedFunction& added : m_added) {
        if (!added.split)
            return Failure { kUsageError,
                QString("--parametric: '%1' is not X,Y (two expressions a comma apart)")
                    .arg(BytesToText(added.expression)) };
    }
    std::vector<StoredFunction> functions;
    if (m_document)
        functions = m_document->decoded.functions;
    if (expression.Value()) {
        if (!m_document)
            functions.emplace_back();
        StoredFunction& first = functions.front();
        first.expression = *expression.Value();
        if (settings.Value().implicit) {
            if (SweepsParameter(first.kind))
                return Failure { kUsageError,
                    QString("--implicit: the document's first function is a %1 curve")
                        .arg(KindName(first.kind)) };
            first.kind = CurveKind::Implicit;
        }
    } else if (m_parser.isSet("implicit")) {
        return Failure { kUsageError,
            "--implicit makes --expression's function implicit; add one with "
            "--implicit-function" };
    }
    for (const AddedFunction& added : m_added) {
        std::vector<Rgb> colours;
        for (const StoredFunction& function : functions)
            colours.push_back(function.colour);
        StoredFunction function;
        function.expression = added.expression;
        function.kind = added.kind;
        function.colour = NextFunctionColour(colours);
        if (SweepsParameter(added.kind)) {
            function.yExpression = added.yExpression;
            function.range = range.Value();
        }
        functions.push_back(std::move(function));
    }
    return functions;
}

Outcome<GraphFunction> Command::ParsedFirst(const char* option, bool explicitOnly)
{
    Outcome<std::vector<StoredFunction>> functions = Functions();
    if (!functions.Ok())
        return functions.Error();
    GraphFunction first(functions.Value().front());
    if (SweepsParameter(first.kind))
        return Failure { kUsageError,
            QString("--%1 works on explicit functions; the first function is a %2 curve")
                .arg(option, KindName(first.kind)) };
    if (explicitOnly && first.kind != CurveKind::Explicit)
        return Failure { kUsageError, QString("--%1 works on explicit functions").arg(option) };
    ParseReporting(first);
    return first;
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

bool Command::ParseReporting(GraphFunction& function)
{
    const FunctionParse parse = function.Parse(ParameterNames(m_parameters));
    for (const ExpressionError& error : parse.errors) {
        const std::string& expression
            = error.part == 0 ? function.expression : function.yExpression;
        const std::string label = ExpressionLabel(function.kind, error.part);
        PrintLine(stderr,
            (label.empty() ? std::string() : label + ": ")
                + BytesToTextAs(error.result.message, expression).toStdString());
        m_parseFailed = true;
    }
    return parse.Ok();
}

// A parametric curve's postfix text holds both expressions', ", " apart, as the form's box
// shows it.
Outcome<int> Command::Postfix()
{
    Outcome<std::vector<StoredFunction>> functions = Functions();
    if (!functions.Ok())
        return functions.Error();
    GraphFunction first(functions.Value().front());
    if (ParseReporting(first))
        PrintLine(stdout, first.PostfixText());
    return 0;
}

Outcome<int> Command::EvaluateAt()
{
    Outcome<float> x = Number("evaluate");
    if (!x.Ok())
        return x.Error();
    Outcome<GraphFunction> first = ParsedFirst("evaluate");
    if (!first.Ok())
        return first.Error();
    PrintLine(stdout, Format(Values(first.Value()).At(m_parser.isSet("dydx"), x.Value())));
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
    Outcome<GraphFunction> first = ParsedFirst("integrate");
    if (!first.Ok())
        return first.Error();
    const Integral integral = Integrate(Values(first.Value()), lower.Value(), upper.Value());
    PrintLine(stdout, Format(integral.sum));
    if (!integral.stoppedAt)
        return 0;
    Warn(IntegralStopText(*integral.stoppedAt, upper.Value(), Formatter()));
    return kStoppedShort;
}

Outcome<std::pair<int, int>> Command::AreaSize(bool required)
{
    if (!m_parser.isSet("size")) {
        if (required)
            return Failure { kUsageError, "--size=WxH is required with --render" };
        return std::pair { kDefaultAreaWidth, kDefaultAreaHeight };
    }
    return SizeValue("size");
}

Outcome<std::pair<int, int>> Command::SizeValue(const QString& name)
{
    static const QRegularExpression sizePattern("^\\s*(\\d{1,9})\\s*x\\s*(\\d{1,9})\\s*$");
    const QRegularExpressionMatch size = sizePattern.match(m_parser.value(name));
    const int width = size.hasMatch() ? size.captured(1).toInt() : 0;
    const int height = size.hasMatch() ? size.captured(2).toInt() : 0;
    if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide) {
        return Failure { kUsageError,
            QString("--%1: '%2' is not WxH with sides from 1 to %3")
                .arg(name, m_parser.value(name))
                .arg(kMaxImageSide) };
    }
    return std::pair { width, height };
}

Outcome<FunctionValues> Command::ExplicitValues(const char* option, GraphSettings& settings)
{
    Outcome<GraphSettings> read = Settings();
    if (!read.Ok())
        return read.Error();
    settings = read.Value();
    Outcome<GraphFunction> first = ParsedFirst(option, true);
    if (!first.Ok())
        return first.Error();
    return Values(first.Value());
}

Outcome<int> Command::Points()
{
    Outcome<std::pair<int, int>> size = AreaSize(false);
    if (!size.Ok())
        return size.Error();
    GraphSettings settings;
    Outcome<FunctionValues> values = ExplicitValues("roots", settings);
    if (!values.Ok())
        return values.Error();
    const ValueAt valueAt = values.Value().Along(m_parser.isSet("dydx"));
    const std::vector<float> columns = ColumnXs(settings, size.Value().first);
    std::vector<PointPartner> partners;
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
            if (!other.shown || other.kind != CurveKind::Explicit)
                continue;
            ParseReporting(other);
            partners.push_back({ Values(other).Along(false), static_cast<int>(i + 1) });
        }
    }
    const PointList list = SearchPoints(
        valueAt, columns, m_parser.isSet("roots"), m_parser.isSet("extrema"), partners);
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
    Outcome<FunctionValues> values = ExplicitValues("table", settings);
    if (!values.Ok())
        return values.Error();
    const TableXs table = MakeTableXs(*numbers[0], *numbers[1], *numbers[2]);
    if (table.refusal != TableRefusal::None) {
        // A sentence in the window, a clause after the option here.
        QString reason = QString::fromStdString(TableRefusalText(table.refusal));
        reason[0] = reason[0].toLower();
        reason.chop(1);
        return Failure { kUsageError, "--table: " + reason };
    }
    const FunctionValues& f = values.Value();
    for (const TableRow& row :
        TabulateValues(table.xs, f.Along(m_parser.isSet("dydx")), f.Along(true)))
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
    const std::optional<VectorFormat> vector = VectorFormatOf(path);
    if (!vector && !QImageWriter::supportedImageFormats().contains(format))
        return Failure { kUsageError,
            QString("--render: cannot write images of type '%1'").arg(QString(format)) };

    Outcome<GraphSettings> settings = Settings();
    if (!settings.Ok())
        return settings.Error();
    GraphView view = settings.Value();
    if (m_parser.isSet("keep-region")) {
        Outcome<std::pair<int, int>> shown = SizeValue("keep-region");
        if (!shown.Ok())
            return shown.Error();
        view = ExportView(
            view, shown.Value().first, shown.Value().second, width, height, ExportKeep::Region);
    }
    Outcome<std::vector<StoredFunction>> stored = Functions();
    if (!stored.Ok())
        return stored.Error();
    // Plot dy/dx draws the derivative of an explicit or implicit function alone.
    if (m_parser.isSet("dydx") && SweepsParameter(stored.Value().front().kind))
        return Failure { kUsageError,
            QString("--dydx works on explicit and implicit functions; the first function is a "
                    "%1 curve")
                .arg(KindName(stored.Value().front().kind)) };
    GraphModel model;
    model.Load(stored.Value(), view, m_parameters);
    // Each function parsed as the window's Plot parses it; an error is told and the
    // rendering goes on with what the parse left. The statistics are the first function's.
    for (std::size_t i = 0; i < model.Count(); ++i)
        ParseReporting(model.Function(i));

    std::size_t statisticsItem = 0;
    const std::vector<PlotItem> items = PlotItems(
        model.Functions(), 0, m_parser.isSet("dydx"), statisticsItem, model.Variables());
    const RenderOptions options { false, m_parser.isSet("grid") };
    Outcome<RenderResult> drawn = vector
        ? WriteVector(*vector, path, view, options, items, statisticsItem, width, height)
        : WriteImage(path, format, view, options, items, statisticsItem, width, height);
    if (!drawn.Ok())
        return drawn.Error();

    const Statistics& statistics = drawn.Value().statistics;
    // An image written to standard output keeps it to itself: the statistics go to the errors.
    std::FILE* stream = IsStandardOutput(path) ? stderr : stdout;
    for (const std::string& line : StatisticsLines(statistics, Formatter()))
        PrintLine(stream, line);
    if (drawn.Value().totals.sweepStalledAt)
        Warn(SweepStallText(view.quality, *drawn.Value().totals.sweepStalledAt));
    return 0;
}

Outcome<RenderResult> Command::WriteImage(const QString& path, const QByteArray& format,
    const GraphView& view, const RenderOptions& options, const std::vector<PlotItem>& items,
    std::size_t statisticsItem, int width, int height)
{
    ImageSurface surface(width, height);
    const RenderResult result = DrawGraph(view, options, items, statisticsItem, surface);
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
    return result;
}

Outcome<RenderResult> Command::WriteVector(VectorFormat format, const QString& path,
    const GraphView& view, const RenderOptions& options, const std::vector<PlotItem>& items,
    std::size_t statisticsItem, int width, int height)
{
    const std::optional<VectorGraph> graph = WriteVectorGraph(format, view, options, items,
        statisticsItem, width, height, QFileInfo(path).completeBaseName());
    if (!graph)
        return Failure { kUsageError,
            QString("cannot write %1: the drawing did not start").arg(path) };
    if (Status written = WriteFile(path, graph->bytes))
        return *written;
    return graph->result;
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
        && settings.Value() == document.Value()->decoded.settings
        && m_parameters == document.Value()->decoded.parameters) {
        if (Status written = WriteFile(path, document.Value()->bytes))
            return *written;
        return 0;
    }
    QString reason;
    const std::optional<QByteArray> bytes
        = EncodeDocumentFile(functions.Value(), settings.Value(), m_parameters, reason);
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
    for (const Parameter& parameter : m_parameters)
        PrintLine(stdout, ParameterLine(parameter));
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
    Outcome<std::vector<Parameter>> parameters = Parameters();
    if (!parameters.Ok())
        return parameters.Error();
    m_parameters = std::move(parameters.Value());
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

// --grid, or --render to an SVG or PDF file.
bool NeedsFonts(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--grid")
            return true;
        if (const std::optional<std::string> path = RawValue("--render", i, argc, argv);
            path && VectorFormatOf(QFile::decodeName(path->c_str())))
            return true;
    }
    return false;
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
    // The grid's labels and vector files need fonts, which come with a QGuiApplication. A
    // command shows no window, so its platform is the offscreen one: no display needed.
    std::unique_ptr<QCoreApplication> application;
    if (NeedsFonts(argc, argv)) {
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
        { "expression",
            "The expression in x (and y with --implicit): the graph's first function. Without "
            "it and --document, the first function an option adds is the first.",
            "EXPR" },
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
            "without one, as for --render=/dev/stdout), or as lines and text into an svg or "
            "pdf file.",
            "FILE" },
        { "size", "The graph area's size in pixels for --render.", "WxH" },
        { "keep-region",
            "With --render: draw the x and y ranges that a WxH area shows with these scales "
            "and centre, each scale multiplied by the ratio of --size to WxH along its axis.",
            "WxH" },
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
        { "parametric",
            "Add the parametric curve x = X(t), y = Y(t) to the graph, as --function adds an "
            "explicit function; the first comma ends X.",
            "X,Y" },
        { "polar", "Add the polar curve r = R(t) to the graph, t the angle in radians.", "R" },
        { "trange",
            "The range of t of the --parametric and --polar curves: any two finite numbers, in "
            "either order (default 0,6.2831855).",
            "A,B" },
        { "list",
            "Print the graph's functions, one a line: number, kind (explicit, implicit, "
            "parametric or polar), colour #rrggbb, shown or hidden, a curve's range of t, and "
            "the expression (a parametric curve's X,Y); then the parameters, one a line: "
            "parameter NAME=VALUE,MIN,MAX,STEP." },
        { "parameter",
            "Define the parameter NAME for every expression, or set the value (and the range "
            "and step) of one the document has; without MIN,MAX,STEP a new one goes from -5 to "
            "5 by 0.1 (may be repeated).",
            "NAME=VALUE[,MIN,MAX,STEP]" },
    });
    QStringList arguments = QCoreApplication::arguments();
    // "--expression -x": an expression may start with a minus sign.
    for (int i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "--expression" || arguments[i] == "--function"
            || arguments[i] == "--implicit-function" || arguments[i] == "--parametric"
            || arguments[i] == "--polar") {
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
