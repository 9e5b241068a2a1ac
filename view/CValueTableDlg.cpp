#include "view/CValueTableDlg.h"

#include "engine/Numbers.h"
#include "platform/DataTable.h"
#include "platform/StringTable.h"
#include "res/Resource.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plovex {
namespace {

QString Number(double value)
{
    return QString::fromStdString(FormatFixed(value));
}

} // namespace

CValueTableDlg::CValueTableDlg(
    const QString& curve, const std::vector<TableRow>& rows, QWidget* parent)
    : QDialog(parent)
    , m_table(new DataTable({ "x", "f(x)", "dy/dx" }, this))
    , m_copy(new QPushButton(tr("&Copy"), this))
    , m_export(new QPushButton(tr("&Export CSV..."), this))
{
    setWindowTitle(tr("%1 - Table of Values").arg(LoadString(res::kStrAppTitle)));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_copy, QDialogButtonBox::ActionRole);
    buttons->addButton(m_export, QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setDefault(true);
    for (QPushButton* button : { m_copy, m_export })
        button->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(curve, this));
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(480, 420);

    QList<QStringList> texts;
    for (const TableRow& row : rows)
        texts << QStringList { Number(row.x), Number(row.value), Number(row.quotient) };
    m_table->SetRows(texts);

    connect(m_copy, &QPushButton::clicked, m_table, &DataTable::OnCopy);
    connect(m_export, &QPushButton::clicked, this, [this] { m_table->OnExportCsv("table.csv"); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace plovex
