#include "frame/CAboutDlg.h"

#include "platform/DialogControls.h"
#include "platform/DialogUnits.h"
#include "platform/StringTable.h"
#include "res/Resource.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace plovex {

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , m_icon(new QLabel(this))
    , m_version(new QLabel("Plovex 2.0", this))
    , m_credit(new QLabel("A function plotter for the desktop,\nby the Plovex authors.", this))
    , m_ok(new QPushButton("OK", this))
{
    setWindowTitle("About Plovex");
    setFont(DialogControls::CaptionFont());
    const DialogUnits units(DialogControls::TemplateFont(8));
    setFixedSize(units.Size(235, 55));

    m_icon->setPixmap(QIcon(":/icons/plovex.svg").pixmap(32, 32));
    // The icon stands for the application: a screen reader says its title.
    m_icon->setAccessibleName(LoadString(res::kStrAppTitle));
    m_icon->setGeometry(units.X(11), units.Y(17), 32, 32);
    m_version->setGeometry(units.Rect(40, 10, 119, 8));
    m_credit->setGeometry(units.Rect(40, 25, 119, 20));
    m_credit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ok->setGeometry(units.Rect(178, 7, 50, 14));
    m_ok->setDefault(true);
    m_ok->setFocus();
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace plovex
