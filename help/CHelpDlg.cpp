#include "help/CHelpDlg.h"

#include "platform/DialogControls.h"
#include "platform/DialogUnits.h"
#include "platform/StringTable.h"
#include "res/Resource.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace plovex {
namespace {

const char* const kTopicTitles[CHelpDlg::kTopicCount] = {
    "Introduction",
    "Plotting Graphs",
    "Function List",
    "Additional Features",
    "Other Uses of Plovex",
    "Examples",
};

} // namespace

CHelpDlg::CHelpDlg(QWidget* parent)
    : QDialog(parent,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , m_topicList(new QListWidget(this))
    , m_textBox(new QPlainTextEdit(this))
    , m_closeButton(new QPushButton("Close", this))
{
    setWindowTitle("Plovex 2 Help");
    setFont(DialogControls::CaptionFont());
    const DialogUnits units(DialogControls::TemplateFont(10));
    setFixedSize(units.Size(336, 182));

    m_closeButton->setGeometry(units.Rect(279, 161, 50, 14));
    // Enter must not close the window: no button is the default.
    m_closeButton->setAutoDefault(false);
    m_closeButton->setDefault(false);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);

    m_topicList->setObjectName(QString::number(res::kHelpTopicList));
    m_topicList->setAccessibleName(LoadString(res::kStrNameHelpTopics));
    m_topicList->setGeometry(units.Rect(7, 7, 91, 151));
    m_topicList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_topicList->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(m_topicList, &QListWidget::itemSelectionChanged, this, &CHelpDlg::OnSelChangeTopicList);

    m_textBox->setObjectName(QString::number(res::kHelpTextEdit));
    m_textBox->setAccessibleName(LoadString(res::kStrNameHelpText));
    m_textBox->setGeometry(units.Rect(101, 7, 228, 151));
    m_textBox->setReadOnly(true);
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    setTabOrder(m_closeButton, m_topicList);
    setTabOrder(m_topicList, m_textBox);
    OnInitDialog();
}

void CHelpDlg::OnInitDialog()
{
    for (const char* title : kTopicTitles)
        m_topicList->addItem(title);
    UpdateData(false);
    m_topicList->setFocus();
}

void CHelpDlg::OnSelChangeTopicList()
{
    UpdateData(true);
    m_topicText
        = m_selectedTopic >= 0 ? LoadString(res::kStrHelpTopicFirst + m_selectedTopic) : QString();
    UpdateData(false);
}

void CHelpDlg::UpdateData(bool saveAndValidate)
{
    if (saveAndValidate) {
        const QList<QListWidgetItem*> selected = m_topicList->selectedItems();
        m_selectedTopic = selected.isEmpty() ? -1 : m_topicList->row(selected.first());
        m_topicText = m_textBox->toPlainText();
        return;
    }
    m_textBox->setPlainText(m_topicText);
    const QSignalBlocker quiet(m_topicList);
    if (m_selectedTopic < 0)
        m_topicList->clearSelection();
    else
        m_topicList->setCurrentRow(m_selectedTopic, QItemSelectionModel::ClearAndSelect);
}

} // namespace plovex
