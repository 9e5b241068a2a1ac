#pragma once

#include "render/PointFinder.h"

#include <QDialog>
#include <QString>
#include <vector>

class QLabel;
class QPushButton;

namespace plovex {

class DataTable;

// The points a Find command found: function, kind, x and y, one row each, in order of x.
// A modeless tool window of the main window, as the help window is; closing it only hides it.
// Choosing a row tells the point's coordinates through PointChosen.
class CPointsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CPointsDlg(QWidget* parent = nullptr);

    // Replaces the list with `points` of the function `function`; `summary` says what was
    // looked for and what was found.
    void SetPoints(
        const QString& function, const std::vector<FoundPoint>& points, const QString& summary);

    DataTable* Table() const { return m_table; }
    QLabel* Summary() const { return m_summary; }
    QPushButton* CopyButton() const { return m_copy; }
    QPushButton* ExportButton() const { return m_export; }

    // The word for a kind of point, as the list shows it.
    static QString KindText(const FoundPoint& point);

signals:
    void PointChosen(const QString& text);

private:
    void OnCurrentRowChanged(int row);

    QLabel* m_summary;
    DataTable* m_table;
    QPushButton* m_copy;
    QPushButton* m_export;
    QString m_function;
    std::vector<FoundPoint> m_points;
};

} // namespace plovex
