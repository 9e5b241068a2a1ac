#pragma once

#include "render/ValueTable.h"

#include <QDialog>
#include <QString>
#include <vector>

class QPushButton;

namespace plovex {

class DataTable;

// A table of values of one curve ("y = x^2"): x, f(x) and dy/dx, one row each, with Copy,
// Export CSV and Close.
class CValueTableDlg : public QDialog {
    Q_OBJECT

public:
    CValueTableDlg(const QString& curve, const std::vector<TableRow>& rows, QWidget* parent);

    DataTable* Table() const { return m_table; }
    QPushButton* CopyButton() const { return m_copy; }
    QPushButton* ExportButton() const { return m_export; }

private:
    DataTable* m_table;
    QPushButton* m_copy;
    QPushButton* m_export;
};

} // namespace plovex
