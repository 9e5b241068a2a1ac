#include "document/GraphModel.h"

#include "document/FunctionPalette.h"
#include "engine/ExpressionNames.h"

#include <algorithm>
#include <iterator>

namespace plovex {

GraphModel::GraphModel()
    : m_functions(1)
    , m_savedFunctions(1)
{ }

std::size_t GraphModel::Add(std::size_t after, CurveKind kind)
{
    const std::size_t index = std::min(after + 1, m_functions.size());
    StoredFunction function;
    function.kind = kind;
    function.colour = NextFunctionColour(Colours());
    // Nothing to draw yet: its first Plot shows it.
    function.shown = false;
    m_functions.insert(m_functions.begin() + static_cast<std::ptrdiff_t>(index),
        GraphFunction(std::move(function)));
    return index;
}

std::size_t GraphModel::Append(const StoredFunction& function)
{
    m_functions.emplace_back(function);
    return m_functions.size() - 1;
}

void GraphModel::Remove(std::size_t index)
{
    if (m_functions.size() > 1 && index < m_functions.size())
        m_functions.erase(m_functions.begin() + static_cast<std::ptrdiff_t>(index));
}

void GraphModel::Move(std::size_t from, std::size_t to)
{
    if (from >= m_functions.size() || to >= m_functions.size() || from == to)
        return;
    const auto first = m_functions.begin();
    if (from < to) {
        std::rotate(first + static_cast<std::ptrdiff_t>(from),
            first + static_cast<std::ptrdiff_t>(from) + 1,
            first + static_cast<std::ptrdiff_t>(to) + 1);
    } else {
        std::rotate(first + static_cast<std::ptrdiff_t>(to),
            first + static_cast<std::ptrdiff_t>(from),
            first + static_cast<std::ptrdiff_t>(from) + 1);
    }
}

FunctionParse GraphModel::Parse(std::size_t index)
{
    return m_functions[index].Parse(ParameterNames());
}

std::vector<std::string> GraphModel::ParameterNames() const
{
    return plovex::ParameterNames(m_parameters);
}

std::size_t GraphModel::FindParameter(const std::string& name) const
{
    const auto found = std::find_if(m_parameters.begin(), m_parameters.end(),
        [&name](const Parameter& parameter) { return parameter.name == name; });
    return static_cast<std::size_t>(found - m_parameters.begin());
}

std::vector<float> GraphModel::Variables() const
{
    return ParameterVariables(m_parameters);
}

void GraphModel::InsertParameter(std::size_t index, const Parameter& parameter)
{
    index = std::min(index, m_parameters.size());
    m_parameters.insert(m_parameters.begin() + static_cast<std::ptrdiff_t>(index), parameter);
    RebindFunctions();
}

void GraphModel::RemoveParameter(std::size_t index)
{
    if (index >= m_parameters.size())
        return;
    m_parameters.erase(m_parameters.begin() + static_cast<std::ptrdiff_t>(index));
    RebindFunctions();
}

void GraphModel::SetParameter(std::size_t index, const Parameter& parameter)
{
    if (index >= m_parameters.size())
        return;
    const bool renamed = m_parameters[index].name != parameter.name;
    m_parameters[index] = parameter;
    if (renamed)
        RebindFunctions();
}

void GraphModel::RebindFunctions()
{
    const std::vector<std::string> names = ParameterNames();
    for (GraphFunction& function : m_functions)
        (void)function.Rebind(names);
}

std::vector<StoredFunction> GraphModel::Stored() const
{
    return { m_functions.begin(), m_functions.end() };
}

std::vector<Rgb> GraphModel::Colours() const
{
    std::vector<Rgb> colours;
    std::transform(m_functions.begin(), m_functions.end(), std::back_inserter(colours),
        [](const GraphFunction& function) { return function.colour; });
    return colours;
}

void GraphModel::Load(const std::vector<StoredFunction>& functions, const GraphView& view,
    const std::vector<Parameter>& parameters)
{
    m_parameters = parameters;
    m_functions.clear();
    for (const StoredFunction& function : functions)
        m_functions.emplace_back(function);
    if (m_functions.empty())
        m_functions.emplace_back();
    m_view = view;
    MarkSaved();
}

GraphState GraphModel::State() const
{
    return { Stored(), m_parameters, m_view.xScale, m_view.yScale, m_view.quality };
}

void GraphModel::Restore(const GraphState& state, bool scales)
{
    const auto sameTexts = [](const StoredFunction& a, const StoredFunction& b) {
        return a.expression == b.expression && a.yExpression == b.yExpression && a.kind == b.kind
            && a.range == b.range;
    };
    const bool renamed = ParameterNames() != plovex::ParameterNames(state.parameters);
    m_parameters = state.parameters;
    const std::vector<std::string> names = ParameterNames();
    std::vector<GraphFunction> functions;
    functions.reserve(state.functions.size());
    for (std::size_t i = 0; i < state.functions.size(); ++i) {
        const StoredFunction& stored = state.functions[i];
        if (i < m_functions.size() && sameTexts(m_functions[i], stored)) {
            functions.push_back(std::move(m_functions[i]));
            static_cast<StoredFunction&>(functions.back()) = stored;
            if (renamed)
                (void)functions.back().Rebind(names);
        } else {
            functions.emplace_back(stored);
            (void)functions.back().Parse(names);
        }
    }
    if (functions.empty())
        functions.emplace_back();
    m_functions = std::move(functions);
    if (scales) {
        m_view.xScale = state.xScale;
        m_view.yScale = state.yScale;
        m_view.quality = state.quality;
    }
}

void GraphModel::MarkSaved()
{
    m_savedFunctions = Stored();
    m_savedParameters = m_parameters;
    m_savedView = m_view;
}

bool GraphModel::IsModified() const
{
    return !(m_view == m_savedView) || !(m_parameters == m_savedParameters)
        || !std::equal(m_functions.begin(), m_functions.end(), m_savedFunctions.begin(),
            m_savedFunctions.end(),
            [](const StoredFunction& a, const StoredFunction& b) { return a == b; });
}

} // namespace plovex
