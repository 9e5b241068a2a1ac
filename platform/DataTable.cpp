#include "platform/DataTable.h"

#include "platform/FileDialogService.h"
#include "platform/FileStore.h"
#include "platform/MessageService.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

namespace plovex {
namespace {

QString CsvField(const QString& field)
{
    if (!field.contains(',') && !field.contains('"') && !field.contains('\n')
        && !field.contains('\r'))
        return field;
    return '"' + QString(field).replace("\"", "\"\"") + '"';
}

QString CsvLine(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields)
        quoted << CsvField(field);
    return quoted.join(',') + "\r\n";
}

} // namespace

DataTable::DataTable(const QStringList& header, QWidget* parent)
    : QTableWidget(0, static_cast<int>(header.size()), parent)
    , m_header(header)
{
    setHorizontalHeaderLabels(header);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setStretchLastSection(true);
    setAlternatingRowColors(true);
}

void DataTable::SetRows(const QList<QStringList>& rows)
{
    m_rows = rows;
    clearContents();
    setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column)
            setItem(row, column, new QTableWidgetItem(rows[row].value(column)));
    }
    resizeColumnsToContents();
}

QList<QStringList> DataTable::CopiedRows() const
{
    QList<int> chosen;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        chosen << index.row();
    if (chosen.isEmpty())
        return m_rows;
    std::sort(chosen.begin(), chosen.end());
    QList<QStringList> rows;
    for (const int row : chosen)
        rows << m_rows.value(row);
    return rows;
}

QString DataTable::TabSeparatedText() const
{
    QString text = m_header.join('\t') + '\n';
    for (const QStringList& row : CopiedRows())
        text += row.join('\t') + '\n';
    return text;
}

QString DataTable::CsvText() const
{
    QString text = CsvLine(m_header);
    for (const QStringList& row : m_rows)
        text += CsvLine(row);
    return text;
}

void DataTable::OnCopy()
{
    QApplication::clipboard()->setText(TabSeparatedText());
}

void DataTable::OnExportCsv(const QString& proposedName)
{
    const QString path = FileDialogs().GetSaveFileName(
        window(), tr("Export CSV"), proposedName, tr("CSV files (*.csv);;All files (*)"), "csv");
    if (path.isEmpty())
        return;
    QString reason;
    if (!WriteWholeFile(path, CsvText().toUtf8(), reason))
        Messages().MessageBox(
            window(), tr("Cannot write %1: %2").arg(path, reason), MessageKind::Failure);
}

bool DataTable::event(QEvent* event)
{
    // A tool window shares its owner's shortcuts, and the owner's Copy would take the key.
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        return true;
    }
    return QTableWidget::event(event);
}

void DataTable::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        OnCopy();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

} // namespace plovex
