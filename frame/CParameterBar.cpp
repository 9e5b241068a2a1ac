#include "frame/CParameterBar.h"

#include "document/Parameter.h"
#include "frame/CParameterRow.h"
#include "frame/ParameterAnimator.h"
#include "platform/MessageService.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
#include "view/EngineTexts.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollArea>
#include <QShortcut>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace plovex {

CParameterBar::CParameterBar(QWidget* parent)
    : QDockWidget(tr("Parameters"), parent)
    , m_add(new QToolButton)
    , m_rowsLayout(new QVBoxLayout)
    , m_animator(new ParameterAnimator(this))
    , m_toggle(toggleViewAction())
{
    setObjectName("ParameterList");
    m_toggle->setText(tr("&Parameter List"));
    m_add->setText(tr("Add"));
    m_add->setAccessibleName(tr("Add parameter"));
    m_add->setToolTip(tr("Add a parameter (Insert)"));
    connect(m_add, &QToolButton::clicked, this, &CParameterBar::AddParameter);

    auto* rows = new QWidget;
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    m_rowsLayout->addStretch(1);
    rows->setLayout(m_rowsLayout);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(rows);
    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_add, 0, Qt::AlignLeft);
    layout->addWidget(scroll, 1);
    setWidget(contents);

    auto* insert = new QShortcut(
        QKeySequence(Qt::Key_Insert), contents, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(insert, &QShortcut::activated, this, &CParameterBar::AddParameter);
    // Escape goes back to the form's expression box (while Play runs, it stops Play instead).
    auto* back = new QShortcut(
        QKeySequence(Qt::Key_Escape), contents, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(back, &QShortcut::activated, this, [this] {
        if (m_view)
            m_view->GetDlgItem(res::kExpressionEdit)->setFocus();
    });
    connect(m_animator, &ParameterAnimator::PlayingChanged, this, &CParameterBar::OnPlayingChanged);
    SetView(nullptr);
}

void CParameterBar::SetView(CPlovexView* view)
{
    // A form that was deleted has left m_view empty: its connections still go.
    if (view && view == m_view)
        return;
    for (const QMetaObject::Connection& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    const CPlovexDoc* before = m_view ? &m_view->GetDocument() : nullptr;
    m_view = view;
    CPlovexDoc* document = m_view ? &m_view->GetDocument() : nullptr;
    if (document != before || !document)
        StopPlaying();
    if (document) {
        const auto rebuild = [this] { Rebuild(); };
        m_connections << connect(document, &CPlovexDoc::ParameterInserted, this, rebuild)
                      << connect(document, &CPlovexDoc::ParameterRemoved, this, rebuild)
                      << connect(document, &CPlovexDoc::Restored, this, rebuild)
                      << connect(document, &CPlovexDoc::ParameterChanged, this,
                             [this](std::size_t index) {
                                 if (CParameterRow* row = Row(static_cast<int>(index)))
                                     row->Refresh();
                             });
    }
    m_add->setEnabled(document != nullptr);
    Rebuild();
}

void CParameterBar::Rebuild()
{
    // A row may be the one whose Delete button is being served: it goes once that is over.
    for (CParameterRow* row : m_rows) {
        row->hide();
        row->deleteLater();
    }
    m_rows.clear();
    if (!m_view)
        return;
    CPlovexDoc& document = m_view->GetDocument();
    QWidget* previous = m_add;
    for (std::size_t i = 0; i < document.Parameters().size(); ++i) {
        auto* row = new CParameterRow(document, i);
        connect(row, &CParameterRow::PlayPressed, this, &CParameterBar::OnPlayPressed);
        m_rowsLayout->insertWidget(static_cast<int>(i), row);
        setTabOrder(previous, row->NameBox());
        previous = row->DeleteButton();
        m_rows << row;
    }
    OnPlayingChanged();
}

void CParameterBar::AddParameter()
{
    if (!m_view)
        return;
    CPlovexDoc& document = m_view->GetDocument();
    Parameter parameter;
    parameter.name = FreeParameterName(document.Parameters());
    const ParameterCheck check = document.AddParameter(parameter);
    if (!check.Ok()) {
        Messages().MessageBox(this, EngineTexts::ParameterRefusalText(parameter, check));
        return;
    }
    if (CParameterRow* row = m_rows.value(m_rows.size() - 1)) {
        row->NameBox()->setFocus();
        row->NameBox()->selectAll();
    }
}

void CParameterBar::StopPlaying()
{
    m_animator->Stop();
}

void CParameterBar::FocusFirst()
{
    if (!m_rows.isEmpty())
        m_rows.first()->Slider()->setFocus();
    else
        m_add->setFocus();
}

void CParameterBar::OnPlayPressed(std::size_t index)
{
    if (!m_view)
        return;
    CPlovexDoc& document = m_view->GetDocument();
    const bool playingThis = m_animator->Playing() && m_animator->Document() == &document
        && m_animator->Index() == index;
    if (playingThis)
        m_animator->Stop();
    else
        m_animator->Play(document, index);
}

void CParameterBar::OnPlayingChanged()
{
    const CPlovexDoc* document = m_view ? &m_view->GetDocument() : nullptr;
    for (CParameterRow* row : m_rows) {
        row->SetPlaying(m_animator->Playing() && m_animator->Document() == document
            && m_animator->Index() == row->Index());
    }
}

} // namespace plovex
