#include "frame/CPointsDlg.h"

#include "engine/Numbers.h"
#include "platform/DataTable.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plovex {
namespace {

// A coordinate as a number box shows a float: the shortest text that reads back the same.
// A negative zero, such as a root's value just below the axis, reads 0: "-0" looks like a
// value that missed.
QString Coordinate(double value)
{
    const float shown = value == 0.0 ? 0.0f : static_cast<float>(value);
    return QString::fromStdString(FormatField(shown));
}

} // namespace

CPointsDlg::CPointsDlg(QWidget* parent)
    : QDialog(parent, Qt::Tool)
    , m_summary(new QLabel(this))
    , m_table(new DataTable({ tr("Function"), tr("Kind"), "x", "y" }, this))
    , m_copy(new QPushButton(tr("&Copy"), this))
    , m_export(new QPushButton(tr("&Export CSV..."), this))
{
    setWindowTitle(tr("Points"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_copy, QDialogButtonBox::ActionRole);
    buttons->addButton(m_export, QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    // Enter on a row must not close the window.
    for (QPushButton* button : { m_copy, m_export, close })
        button->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    m_summary->setWordWrap(true);
    resize(520, 320);

    connect(m_copy, &QPushButton::clicked, m_table, &DataTable::OnCopy);
    connect(m_export, &QPushButton::clicked, this, [this] { m_table->OnExportCsv("points.csv"); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_table, &QTableWidget::currentCellChanged, this,
        [this](int row) { OnCurrentRowChanged(row); });
}

QString CPointsDlg::KindText(const FoundPoint& point)
{
    switch (point.kind) {
    case PointKind::Root:
        return tr("root");
    case PointKind::Minimum:
        return tr("minimum");
    case PointKind::Maximum:
        return tr("maximum");
    case PointKind::Intersection:
        return tr("intersection with function %1").arg(point.other);
    }
    return {};
}

void CPointsDlg::SetPoints(
    const QString& function, const std::vector<FoundPoint>& points, const QString& summary)
{
    m_function = function;
    m_points = points;
    m_summary->setText(summary);
    QList<QStringList> rows;
    for (const FoundPoint& point : points)
        rows << QStringList { function, KindText(point), Coordinate(point.x), Coordinate(point.y) };
    m_table->SetRows(rows);
}

void CPointsDlg::OnCurrentRowChanged(int row)
{
    if (row < 0 || row >= static_cast<int>(m_points.size()))
        return;
    const FoundPoint& point = m_points[static_cast<std::size_t>(row)];
    QString kind = KindText(point);
    kind[0] = kind[0].toUpper();
    emit PointChosen(tr("%1 of %2: x = %3, y = %4")
                         .arg(kind, m_function, Coordinate(point.x), Coordinate(point.y)));
}

} // namespace plovex
