#pragma once

#include "document/GraphFunction.h"
#include "document/GraphView.h"
#include "document/StoredFunction.h"

#include <cstddef>
#include <vector>

namespace plovex {

// A graph: its ordered list of functions, never empty, and the view a document stores with
// it; and the state it was last opened or saved in, to tell whether it has changed since.
class GraphModel {
public:
    // One empty explicit function in the first colour, the default view.
    GraphModel();

    std::size_t Count() const { return m_functions.size(); }
    const std::vector<GraphFunction>& Functions() const { return m_functions; }
    const GraphFunction& Function(std::size_t index) const { return m_functions[index]; }
    GraphFunction& Function(std::size_t index) { return m_functions[index]; }

    const GraphView& View() const { return m_view; }
    void SetView(const GraphView& view) { m_view = view; }

    // A new empty function of `kind` just after `after`, in the next colour, hidden until its
    // first Plot; its index. A parametric or polar curve starts with the default range.
    std::size_t Add(std::size_t after, CurveKind kind = CurveKind::Explicit);
    // Appends `function`; its index.
    std::size_t Append(const StoredFunction& function);
    // Takes a function out, unless it is the last one left.
    void Remove(std::size_t index);
    // Moves a function to `to`, the others keeping their order.
    void Move(std::size_t from, std::size_t to);

    // What a document stores of the functions, in order.
    std::vector<StoredFunction> Stored() const;
    std::vector<Rgb> Colours() const;

    // Replaces the whole graph, as a document opens it; that state is the saved one.
    void Load(const std::vector<StoredFunction>& functions, const GraphView& view);
    // The current state becomes the saved one.
    void MarkSaved();
    // Whether the functions or the view differ from the saved state (a new graph's empty one):
    // typing a text and undoing it leaves the graph unmodified.
    bool IsModified() const;

private:
    std::vector<GraphFunction> m_functions;
    GraphView m_view;
    std::vector<StoredFunction> m_savedFunctions;
    GraphView m_savedView;
};

} // namespace plovex
