#include "help/CHelpDlg.h"

#include "platform/StringTable.h"
#include "res/Resource.h"
#include "view/FormTemplates.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace plovex {
namespace {

const char* const kTopicTitles[CHelpDlg::kTopicCount] = {
    QT_TRANSLATE_NOOP("plovex::CHelpDlg", "Introduction"),
    QT_TRANSLATE_NOOP("plovex::CHelpDlg", "Plotting Graphs"),
    QT_TRANSLATE_NOOP("plovex::CHelpDlg", "Function List"),
    QT_TRANSLATE_NOOP("plovex::CHelpDlg", "Additional Features"),
    QT_TRANSLATE_NOOP("plovex::CHelpDlg", "Other Uses of Plovex"),
    QT_TRANSLATE_NOOP("plovex::CHelpDlg", "Examples"),
};

} // namespace

CHelpDlg::CHelpDlg(QWidget* parent)
    : TemplateDialog(HelpDialogTemplate(), parent, Qt::Tool)
{
    OnInitDialog();
}

QPlainTextEdit* CHelpDlg::TextBox() const
{
    return qobject_cast<QPlainTextEdit*>(GetDlgItem(res::kHelpTextEdit));
}

QPushButton* CHelpDlg::CloseButton() const
{
    return qobject_cast<QPushButton*>(GetDlgItem(res::kIdCancel));
}

void CHelpDlg::DoDataExchange(DataExchange& exchange)
{
    exchange.Control(res::kHelpTopicList, m_topicList);
    exchange.Text(res::kHelpTextEdit, m_topicText);
    exchange.ListIndex(res::kHelpTopicList, m_selectedTopic);
}

void CHelpDlg::OnInitDialog()
{
    // Attaches the topic list.
    UpdateData(false);
    connect(m_topicList, &QListWidget::itemSelectionChanged, this, &CHelpDlg::OnSelChangeTopicList);
    for (const char* title : kTopicTitles)
        m_topicList->addItem(tr(title));
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

} // namespace plovex
