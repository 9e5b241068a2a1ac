#include "document/GraphModel.h"

#include "document/FunctionPalette.h"

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

void GraphModel::Load(const std::vector<StoredFunction>& functions, const GraphView& view)
{
    m_functions.clear();
    for (const StoredFunction& function : functions)
        m_functions.emplace_back(function);
    if (m_functions.empty())
        m_functions.emplace_back();
    m_view = view;
    MarkSaved();
}

void GraphModel::MarkSaved()
{
    m_savedFunctions = Stored();
    m_savedView = m_view;
}

bool GraphModel::IsModified() const
{
    return !(m_view == m_savedView)
        || !std::equal(m_functions.begin(), m_functions.end(), m_savedFunctions.begin(),
            m_savedFunctions.end(),
            [](const StoredFunction& a, const StoredFunction& b) { return a == b; });
}

} // namespace plovex
