#include "view/CPlovexDoc.h"

#include "platform/FileStore.h"
#include "view/DocumentFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace plovex {
namespace {

QString OpenError(const QString& path, const QString& reason)
{
    return CPlovexDoc::tr("Cannot open the document \"%1\".\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString SaveError(const QString& path, const QString& reason)
{
    return CPlovexDoc::tr("Cannot save the document \"%1\".\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

CPlovexDoc::CPlovexDoc(QObject* parent)
    : QObject(parent)
    , m_history(m_model.State())
{ }

CPlovexDoc::StepScope::StepScope(CPlovexDoc& document, UndoStep step)
    : m_document(document)
{
    if (m_document.m_scopes++ == 0)
        m_document.m_scopeStep = step;
}

CPlovexDoc::StepScope::~StepScope()
{
    if (--m_document.m_scopes == 0)
        m_document.Record(m_document.m_scopeStep);
}

void CPlovexDoc::Record(UndoStep step, std::uint64_t mergeKey)
{
    if (m_scopes > 0)
        return;
    m_history.Record(step, m_model.State(), mergeKey);
    emit UndoChanged();
}

void CPlovexDoc::Undo()
{
    // What was typed and not plotted is kept as a step, which a redo brings back.
    Record(UndoStep::Typing);
    if (const std::optional<UndoHistory::Restoration> restoration = m_history.Undo())
        Restore(*restoration);
}

void CPlovexDoc::Redo()
{
    if (HasTyping())
        return;
    if (const std::optional<UndoHistory::Restoration> restoration = m_history.Redo())
        Restore(*restoration);
}

void CPlovexDoc::Restore(const UndoHistory::Restoration& restoration)
{
    const std::vector<StoredFunction> before = m_model.Stored();
    m_model.Restore(restoration.state, restoration.scales);
    const std::vector<StoredFunction>& after = restoration.state.functions;
    std::size_t changedAt = after.size();
    if (before.size() != after.size()) {
        const auto first
            = std::mismatch(before.begin(), before.end(), after.begin(), after.end()).second;
        changedAt = std::min(static_cast<std::size_t>(first - after.begin()), after.size() - 1);
    }
    UpdateModified();
    emit Restored(restoration.scales, changedAt);
    DrawingChangedNow();
    emit UndoChanged();
}

void CPlovexDoc::Changed(std::size_t index)
{
    UpdateModified();
    emit FunctionChanged(index);
}

void CPlovexDoc::DrawingChangedNow()
{
    ++m_drawingRevision;
    emit DrawingChanged();
}

void CPlovexDoc::SetExpression(const std::string& expression, std::size_t index)
{
    GraphFunction& function = m_model.Function(index);
    if (expression == function.expression)
        return;
    function.expression = expression;
    Changed(index);
}

void CPlovexDoc::SetYExpression(std::size_t index, const std::string& expression)
{
    GraphFunction& function = m_model.Function(index);
    if (expression == function.yExpression)
        return;
    function.yExpression = expression;
    Changed(index);
}

void CPlovexDoc::SetRange(std::size_t index, const ParameterRange& range)
{
    GraphFunction& function = m_model.Function(index);
    if (range == function.range)
        return;
    function.range = range;
    Changed(index);
}

void CPlovexDoc::SetImplicit(std::size_t index, bool implicit)
{
    GraphFunction& function = m_model.Function(index);
    // A parametric or polar curve keeps its kind: the box is for the other two.
    if (SweepsParameter(function.kind) || implicit == (function.kind == CurveKind::Implicit))
        return;
    function.kind = implicit ? CurveKind::Implicit : CurveKind::Explicit;
    Changed(index);
    DrawingChangedNow();
    Record(UndoStep::ChangeKind);
}

void CPlovexDoc::SetColour(std::size_t index, Rgb colour)
{
    GraphFunction& function = m_model.Function(index);
    if (colour == function.colour)
        return;
    function.colour = colour;
    Changed(index);
    DrawingChangedNow();
    Record(UndoStep::ChangeColour);
}

void CPlovexDoc::SetShown(std::size_t index, bool shown)
{
    GraphFunction& function = m_model.Function(index);
    if (shown == function.shown)
        return;
    function.shown = shown;
    Changed(index);
    DrawingChangedNow();
    Record(shown ? UndoStep::ShowFunction : UndoStep::HideFunction);
}

FunctionParse CPlovexDoc::Parse(std::size_t index)
{
    GraphFunction& function = m_model.Function(index);
    const std::string parsed = function.ParsedExpression();
    const std::string parsedY = function.ParsedExpression(1);
    const ParameterRange range = function.ParsedRange();
    const std::string postfix = function.PostfixText();
    const FunctionParse parse = m_model.Parse(index);
    // The same texts parse into the same queues again.
    if (function.ParsedExpression() != parsed || function.ParsedExpression(1) != parsedY
        || !(function.ParsedRange() == range) || function.PostfixText() != postfix)
        DrawingChangedNow();
    return parse;
}

ParameterCheck CPlovexDoc::AddParameter(const Parameter& parameter)
{
    const ParameterCheck check
        = CheckParameter(parameter, m_model.Parameters(), m_model.Parameters().size());
    if (!check.Ok())
        return check;
    const std::size_t index = m_model.Parameters().size();
    m_model.InsertParameter(index, parameter);
    UpdateModified();
    emit ParameterInserted(index);
    DrawingChangedNow();
    Record(UndoStep::NewParameter);
    return check;
}

void CPlovexDoc::RemoveParameter(std::size_t index)
{
    if (index >= m_model.Parameters().size())
        return;
    m_model.RemoveParameter(index);
    UpdateModified();
    emit ParameterRemoved(index);
    DrawingChangedNow();
    Record(UndoStep::DeleteParameter);
}

ParameterCheck CPlovexDoc::SetParameter(std::size_t index, const Parameter& parameter)
{
    return ChangeParameter(index, parameter, 0);
}

ParameterCheck CPlovexDoc::SetParameterValue(std::size_t index, float value)
{
    if (index >= m_model.Parameters().size())
        return {};
    Parameter parameter = m_model.GetParameter(index);
    parameter.value = value;
    // The values a slider passes through while it is dragged are one step.
    return ChangeParameter(index, parameter, index + 1);
}

ParameterCheck CPlovexDoc::ChangeParameter(
    std::size_t index, const Parameter& parameter, std::uint64_t mergeKey)
{
    if (index >= m_model.Parameters().size())
        return {};
    const ParameterCheck check = CheckParameter(parameter, m_model.Parameters(), index);
    const Parameter before = m_model.GetParameter(index);
    if (!check.Ok() || parameter == before)
        return check;
    m_model.SetParameter(index, parameter);
    UpdateModified();
    emit ParameterChanged(index);
    DrawingChangedNow();
    if (parameter.name != before.name)
        Record(UndoStep::RenameParameter);
    else if (Parameter { before.name, parameter.value, before.minimum, before.maximum, before.step }
        == before)
        Record(UndoStep::ChangeRange);
    else
        Record(UndoStep::ChangeValue, mergeKey);
    return check;
}

std::size_t CPlovexDoc::AddFunction(std::size_t after, CurveKind kind)
{
    const std::size_t index = m_model.Add(after, kind);
    UpdateModified();
    emit FunctionInserted(index);
    Record(UndoStep::NewFunction);
    return index;
}

void CPlovexDoc::DeleteFunction(std::size_t index)
{
    if (m_model.Count() < 2 || index >= m_model.Count())
        return;
    m_model.Remove(index);
    UpdateModified();
    emit FunctionRemoved(index);
    DrawingChangedNow();
    Record(UndoStep::DeleteFunction);
}

void CPlovexDoc::MoveFunction(std::size_t from, std::size_t to)
{
    if (from == to || from >= m_model.Count() || to >= m_model.Count())
        return;
    m_model.Move(from, to);
    UpdateModified();
    emit FunctionMoved(from, to);
    DrawingChangedNow();
    Record(UndoStep::MoveFunction);
}

void CPlovexDoc::SetView(const GraphView& view)
{
    if (view == m_model.View())
        return;
    m_model.SetView(view);
    UpdateModified();
}

void CPlovexDoc::MoveView(const GraphView& view)
{
    SetView(view);
    m_history.MoveScales(view.xScale, view.yScale);
}

void CPlovexDoc::SetPathName(const QString& path)
{
    m_pathName = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    SetTitle(QFileInfo(path).fileName());
}

void CPlovexDoc::SetTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit TitleChanged();
}

void CPlovexDoc::UpdateModified()
{
    const bool modified = m_model.IsModified();
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit ModifiedChanged();
}

bool CPlovexDoc::OnOpenDocument(const QString& path, QString& error, QString& warning)
{
    // A FIFO or a terminal would hold the window until its other end acts.
    if (const std::optional<QString> special = SpecialFileReason(path)) {
        error = OpenError(path, *special);
        return false;
    }
    QString reason;
    bool unreadable = false;
    std::optional<DocumentFile> file = ReadDocumentFile(path, reason, unreadable);
    if (!file) {
        error
            = OpenError(path, unreadable ? reason : tr("It is not a Plovex graph: %1").arg(reason));
        return false;
    }
    DecodedDocument& document = file->decoded;
    if (document.stored == StoredSettings::Damaged) {
        warning = tr("The graph settings stored in \"%1\" are damaged. The expression opens "
                     "with the default scales and quality.")
                      .arg(QDir::toNativeSeparators(path));
    } else if (document.storedParameters == StoredSettings::Damaged) {
        warning = tr("The parameters stored in \"%1\" are damaged. The functions open without "
                     "parameters.")
                      .arg(QDir::toNativeSeparators(path));
    }
    m_fileBytes = file->bytes;
    m_model.Load(document.functions, document.settings, document.parameters);
    m_history.Reset(m_model.State());
    SetPathName(path);
    UpdateModified();
    emit UndoChanged();
    return true;
}

bool CPlovexDoc::OnSaveDocument(const QString& path, QString& error)
{
    // A FIFO without a reader would hold the window, and /dev/null would take the document
    // and report it saved.
    if (const std::optional<QString> special = SpecialFileReason(path)) {
        error = SaveError(path, *special);
        return false;
    }
    QString reason;
    QByteArray bytes = m_fileBytes;
    if (m_modified || bytes.isEmpty()) {
        std::optional<QByteArray> encoded
            = EncodeDocumentFile(m_model.Stored(), m_model.View(), m_model.Parameters(), reason);
        if (!encoded) {
            error = SaveError(path, reason);
            return false;
        }
        bytes = *std::move(encoded);
    }
    if (!WriteWholeFile(path, bytes, reason)) {
        error = SaveError(path, reason);
        return false;
    }
    m_fileBytes = bytes;
    m_model.MarkSaved();
    SetPathName(path);
    UpdateModified();
    return true;
}

} // namespace plovex
