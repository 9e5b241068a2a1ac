#pragma once

#include "document/GraphFunction.h"
#include "document/GraphState.h"
#include "document/GraphView.h"
#include "document/Parameter.h"
#include "document/StoredFunction.h"

#include <cstddef>
#include <string>
#include <vector>

namespace plovex {

// A graph: its ordered list of functions, never empty, its parameters and the view a document
// stores with it; and the state it was last opened or saved in, to tell whether it has changed
// since. Every function is parsed with the graph's parameters: parameter i reads variable slot
// kFirstParameterSlot + i.
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

    // The function's expressions as its kind says, with the graph's parameters.
    FunctionParse Parse(std::size_t index);

    const std::vector<Parameter>& Parameters() const { return m_parameters; }
    const Parameter& GetParameter(std::size_t index) const { return m_parameters[index]; }
    // The names, in slot order.
    std::vector<std::string> ParameterNames() const;
    // The index of the parameter called `name`, or Count of parameters for none.
    std::size_t FindParameter(const std::string& name) const;
    // The evaluation array of the graph's expressions: x, y and t (0, for the evaluation to
    // set) and each parameter's value in its slot.
    std::vector<float> Variables() const;
    // These three take parameters CheckParameter accepts. A change of the names (adding,
    // removing, renaming) parses every function's last parsed texts again with the new names
    // (see GraphFunction::Rebind).
    void InsertParameter(std::size_t index, const Parameter& parameter);
    void RemoveParameter(std::size_t index);
    void SetParameter(std::size_t index, const Parameter& parameter);

    // What a document stores of the functions, in order.
    std::vector<StoredFunction> Stored() const;
    std::vector<Rgb> Colours() const;

    // Replaces the whole graph, as a document opens it; that state is the saved one.
    void Load(const std::vector<StoredFunction>& functions, const GraphView& view,
        const std::vector<Parameter>& parameters = {});
    // What an undo step holds of the graph.
    GraphState State() const;
    // Puts `state` back, its scales and quality too with `scales`; the view's offset stays. A
    // function whose texts, kind and range are still those at its place keeps its last parse;
    // the others are parsed, so that each is drawn as it was plotted.
    void Restore(const GraphState& state, bool scales);

    // The current state becomes the saved one.
    void MarkSaved();
    // Whether the functions, the parameters or the view differ from the saved state (a new
    // graph's empty one):
    // typing a text and undoing it leaves the graph unmodified.
    bool IsModified() const;

private:
    void RebindFunctions();

    std::vector<GraphFunction> m_functions;
    std::vector<Parameter> m_parameters;
    GraphView m_view;
    std::vector<StoredFunction> m_savedFunctions;
    std::vector<Parameter> m_savedParameters;
    GraphView m_savedView;
};

} // namespace plovex
