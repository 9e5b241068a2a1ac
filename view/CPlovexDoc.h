#pragma once

#include "document/GraphModel.h"
#include "document/UndoHistory.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plovex {

// One graph document as the windows hold it: the graph's model, which every change goes
// through so that the windows hear of it, and what the windows show of the document: its
// title, the file behind it and whether it differs from that file.
class CPlovexDoc : public QObject {
    Q_OBJECT

public:
    explicit CPlovexDoc(QObject* parent = nullptr);

    const GraphModel& Model() const { return m_model; }
    std::size_t Count() const { return m_model.Count(); }
    const GraphFunction& Function(std::size_t index) const { return m_model.Function(index); }

    // The text a function's expression boxes show, as bytes; the first function's by default,
    // which is what a reader of the expression alone gets.
    const std::string& Expression(std::size_t index = 0) const
    {
        return m_model.Function(index).expression;
    }
    void SetExpression(const std::string& expression, std::size_t index = 0);
    // A parametric curve's Y(t), and a parametric or polar curve's range of t.
    void SetYExpression(std::size_t index, const std::string& expression);
    void SetRange(std::size_t index, const ParameterRange& range);
    // Between explicit and implicit; a parametric or polar curve keeps its kind.
    void SetImplicit(std::size_t index, bool implicit);
    void SetColour(std::size_t index, Rgb colour);
    void SetShown(std::size_t index, bool shown);
    // The function's expression as its kind says into its parse state, with the graph's
    // parameters.
    FunctionParse Parse(std::size_t index);

    // The graph's parameters, which every function's expressions can use. Each command below
    // is one change of the document: a parameter CheckParameter refuses changes nothing, and
    // the check says why.
    const std::vector<Parameter>& Parameters() const { return m_model.Parameters(); }
    const Parameter& GetParameter(std::size_t index) const { return m_model.GetParameter(index); }
    // The evaluation array with the parameters' current values (see GraphModel::Variables).
    std::vector<float> Variables() const { return m_model.Variables(); }
    // Appends `parameter`; its index is then the last.
    ParameterCheck AddParameter(const Parameter& parameter);
    void RemoveParameter(std::size_t index);
    // Name, value, range and step at once.
    ParameterCheck SetParameter(std::size_t index, const Parameter& parameter);
    // A slider's or a typed value; a value that is not finite is refused.
    ParameterCheck SetParameterValue(std::size_t index, float value);

    // A new empty function of `kind` after `after`, in the next colour, hidden until its first
    // Plot; its index.
    std::size_t AddFunction(std::size_t after, CurveKind kind = CurveKind::Explicit);
    // Never the last one left.
    void DeleteFunction(std::size_t index);
    void MoveFunction(std::size_t from, std::size_t to);

    // Counts the changes to what a rendering of the document draws: a parse that changed a
    // function's postfix queue, its kind, colour or shown state, a removal or a move, and every
    // change of the parameters, a slider's value included. A form whose last rendering saw an
    // older count is out of date.
    std::uint64_t DrawingRevision() const { return m_drawingRevision; }

    // The view of the form that last changed it: scales or quality typed, which the next step
    // takes in, or the view moved (zoomed, panned), which is no step at all.
    const GraphView& View() const { return m_model.View(); }
    void SetView(const GraphView& view);
    void MoveView(const GraphView& view);

    // The undo list, one for the document and all its windows. Every command above that
    // changes what the document stores is one step; texts and scales typed become part of the
    // next step (Plot), or of a step of their own when an undo passes over them.
    bool CanUndo() const { return m_history.CanUndo() || HasTyping(); }
    bool CanRedo() const { return m_history.CanRedo() && !HasTyping(); }
    // Only when there is one.
    UndoStep NextUndo() const { return HasTyping() ? UndoStep::Typing : m_history.NextUndo(); }
    UndoStep NextRedo() const { return m_history.NextRedo(); }
    void Undo();
    void Redo();
    // A drag of a slider or a run of Play ended: the next value is a step of its own.
    void EndMerge() { m_history.CloseMerge(); }
    const UndoHistory& History() const { return m_history; }

    // The commands made while one lives are one step of the undo list, `step`: Plot parses,
    // shows the function and stores the scales, and is undone at once.
    class StepScope {
    public:
        StepScope(CPlovexDoc& document, UndoStep step);
        ~StepScope();
        StepScope(const StepScope&) = delete;
        StepScope& operator=(const StepScope&) = delete;

    private:
        CPlovexDoc& m_document;
    };

    // Empty until the document is opened from or saved to a file.
    const QString& PathName() const { return m_pathName; }
    // Gives the document its file; the title becomes the file's name.
    void SetPathName(const QString& path);

    // "Graph1" for a new document, the file's name once it has one.
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title);

    // Whether the functions or the view differ from the file's (from a new document's empty
    // function and default view): typing and undoing it leaves a document unmodified.
    bool IsModified() const { return m_modified; }

    // Reads the document file at `path`. On failure the document is left as it was and
    // `error` says why in a sentence that names the file. A file whose settings are damaged
    // opens its first function with the default settings, and `warning` says so; one whose
    // parameters are damaged opens its functions without parameters, and `warning` says so. A FIFO,
    // a device, a socket or a folder is refused without being opened, so nothing waits for another
    // program.
    [[nodiscard]] bool OnOpenDocument(const QString& path, QString& error, QString& warning);
    // Writes the document to `path`, safely (see WriteWholeFile). An unmodified document
    // writes the very bytes it was read from. On success the document takes `path` and is
    // unmodified; on failure `error` names the file and the system's reason. Only a regular
    // file (or a new one) is written: a FIFO, a device, a socket or a folder is refused.
    [[nodiscard]] bool OnSaveDocument(const QString& path, QString& error);

signals:
    void TitleChanged();
    void ModifiedChanged();
    // What the document stores of one function changed (texts, kind, range, colour, shown).
    void FunctionChanged(std::size_t index);
    // The list itself changed: a function was added at `index`, removed from it, or moved.
    void FunctionInserted(std::size_t index);
    void FunctionRemoved(std::size_t index);
    void FunctionMoved(std::size_t from, std::size_t to);
    // A parameter was added at `index` or removed from it: the list and its names changed, and
    // with them what the functions' last parses read.
    void ParameterInserted(std::size_t index);
    void ParameterRemoved(std::size_t index);
    // One parameter's name, value, range or step changed; a new name changes what the
    // functions' last parses read.
    void ParameterChanged(std::size_t index);
    // What a rendering draws changed (see DrawingRevision).
    void DrawingChanged();
    // An undo or a redo put back a whole state: the functions, the parameters and, with
    // `scales`, the scales and quality. Every window shows the document again. When functions
    // came back or went, `changedAt` is the first place where the list changed, which the
    // forms select; otherwise it is past the end.
    void Restored(bool scales, std::size_t changedAt);
    // What Undo and Redo would do changed.
    void UndoChanged();

private:
    void UpdateModified();
    void Changed(std::size_t index);
    void DrawingChangedNow();
    // The change since the last step as step `step`, unless a StepScope gathers it.
    void Record(UndoStep step, std::uint64_t mergeKey = 0);
    void Restore(const UndoHistory::Restoration& restoration);
    bool HasTyping() const { return !(m_model.State() == m_history.Current()); }
    ParameterCheck ChangeParameter(
        std::size_t index, const Parameter& parameter, std::uint64_t mergeKey);

    GraphModel m_model;
    QString m_pathName;
    QString m_title;
    // What the file holds, exactly as read or written.
    QByteArray m_fileBytes;
    bool m_modified = false;
    std::uint64_t m_drawingRevision = 0;
    UndoHistory m_history;
    int m_scopes = 0;
    UndoStep m_scopeStep = UndoStep::Plot;
};

} // namespace plovex
