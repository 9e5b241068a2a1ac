#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace plovex {

// The About box: the application icon, the name and version, and the makers' credit.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* IconLabel() const { return m_icon; }
    QLabel* VersionLabel() const { return m_version; }
    QLabel* CreditLabel() const { return m_credit; }
    QPushButton* OkButton() const { return m_ok; }

private:
    QLabel* m_icon;
    QLabel* m_version;
    QLabel* m_credit;
    QPushButton* m_ok;
};

} // namespace plovex
