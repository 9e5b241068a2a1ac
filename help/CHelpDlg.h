#pragma once

#include <QDialog>
#include <QString>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace plovex {

// The built-in documentation: six topics listed on the left, the chosen topic's text on
// the right. A modeless tool window of the main window, created hidden; closing it only
// hides it, so it shows the same topic when it comes back.
class CHelpDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTopicCount = 6;

    explicit CHelpDlg(QWidget* parent = nullptr);

    // -1 until a topic is chosen.
    int SelectedTopic() const { return m_selectedTopic; }
    const QString& TopicText() const { return m_topicText; }

    QListWidget* TopicList() const { return m_topicList; }
    QPlainTextEdit* TextBox() const { return m_textBox; }
    QPushButton* CloseButton() const { return m_closeButton; }

private:
    void OnInitDialog();
    void OnSelChangeTopicList();
    // true: controls into the members; false: members into the controls.
    void UpdateData(bool saveAndValidate);

    QListWidget* m_topicList;
    QPlainTextEdit* m_textBox;
    QPushButton* m_closeButton;
    QString m_topicText;
    int m_selectedTopic = -1;
};

} // namespace plovex
