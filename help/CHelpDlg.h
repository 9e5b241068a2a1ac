#pragma once

#include "platform/TemplateDialog.h"

#include <QString>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace plovex {

// The built-in documentation: six topics listed on the left, the chosen topic's text on
// the right. A modeless tool window of the main window, created hidden; closing it only
// hides it, so it shows the same topic when it comes back.
class CHelpDlg : public TemplateDialog {
    Q_OBJECT

public:
    static constexpr int kTopicCount = 6;

    explicit CHelpDlg(QWidget* parent = nullptr);

    // -1 until a topic is chosen.
    int SelectedTopic() const { return m_selectedTopic; }
    const QString& TopicText() const { return m_topicText; }

    QListWidget* TopicList() const { return m_topicList; }
    QPlainTextEdit* TextBox() const;
    QPushButton* CloseButton() const;

protected:
    void DoDataExchange(DataExchange& exchange) override;

private:
    void OnInitDialog();
    void OnSelChangeTopicList();

    QListWidget* m_topicList = nullptr;
    QString m_topicText;
    int m_selectedTopic = -1;
};

} // namespace plovex
