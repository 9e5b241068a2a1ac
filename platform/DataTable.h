#pragma once

#include <QStringList>
#include <QTableWidget>

namespace plovex {

// A read-only table of texts whose rows the user copies (Ctrl+C: tab-separated, with the
// header line) and exports as a CSV file. Copy takes the selected rows, or every row while
// none is selected.
class DataTable : public QTableWidget {
    Q_OBJECT

public:
    explicit DataTable(const QStringList& header, QWidget* parent = nullptr);

    void SetRows(const QList<QStringList>& rows);
    const QList<QStringList>& Rows() const { return m_rows; }

    // The header and the rows Copy takes, a tab between fields, each line ended by "\n".
    QString TabSeparatedText() const;
    // The header and every row as RFC 4180 CSV: fields with a comma, quote or line break in
    // quotes, lines ended by "\r\n".
    QString CsvText() const;

    void OnCopy();
    // Asks where to save, proposing `proposedName`, and writes the CSV file; a failure is
    // told in a message box over this table's window, the old file left as it was.
    void OnExportCsv(const QString& proposedName);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<QStringList> CopiedRows() const;

    QStringList m_header;
    QList<QStringList> m_rows;
};

} // namespace plovex
