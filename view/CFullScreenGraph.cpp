#include "view/CFullScreenGraph.h"

#include "platform/PictureStatic.h"
#include "view/CPlovexView.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QWheelEvent>

namespace plovex {
namespace {

// How long the overlay and the pointer stay after the pointer stops.
constexpr int kRestMilliseconds = 3000;
constexpr int kOverlayMargin = 8;

} // namespace

CFullScreenGraph::CFullScreenGraph(
    CPlovexView& view, const QList<QAction*>& actions, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_view(&view)
    , m_area(new PictureStatic(this))
    , m_overlay(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(view.window()->windowTitle());
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The picture fills the window edge to edge: the graph area is the whole screen.
    m_area->setFrameStyle(QFrame::NoFrame);
    m_area->setAccessibleName(tr("Graph"));
    m_overlay->setAccessibleName(tr("Pointer position"));
    m_overlay->setAutoFillBackground(true);
    m_overlay->setMargin(4);
    m_overlay->hide();
    addActions(actions);

    m_drawTimer.setSingleShot(true);
    connect(&m_drawTimer, &QTimer::timeout, this, &CFullScreenGraph::Draw);
    m_restTimer.setSingleShot(true);
    m_restTimer.setInterval(kRestMilliseconds);
    connect(&m_restTimer, &QTimer::timeout, this, &CFullScreenGraph::Rest);
    connect(&view, &CPlovexView::Readout, this, &CFullScreenGraph::ShowReadout);
    // The graph's window closing takes the graph away.
    connect(&view, &QObject::destroyed, this, [this] {
        // Already half gone: nothing may be asked of it any more.
        m_view = nullptr;
        close();
    });
}

CFullScreenGraph::~CFullScreenGraph() = default;

void CFullScreenGraph::ShowOver(const QWidget& over)
{
    if (QScreen* screen = over.screen())
        setGeometry(screen->geometry());
    showFullScreen();
    activateWindow();
    ShowReadout(tr("F11 or Esc: back to the window"));
}

void CFullScreenGraph::DrawLater()
{
    m_drawTimer.start(0);
}

void CFullScreenGraph::Draw()
{
    if (!m_view || (m_view->Presenter() == m_area && m_drawnSize == m_area->ClientSize()))
        return;
    m_drawnSize = m_area->ClientSize();
    m_view->SetPresenter(m_area);
    m_view->Redraw();
}

void CFullScreenGraph::resizeEvent(QResizeEvent* event)
{
    m_area->setGeometry(rect());
    QWidget::resizeEvent(event);
    DrawLater();
}

void CFullScreenGraph::keyPressEvent(QKeyEvent* event)
{
    // While a rendering runs, Esc reaches the rendering and stops it instead.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CFullScreenGraph::wheelEvent(QWheelEvent* event)
{
    if (m_view && m_view->Presenter() == m_area
        && m_view->WheelAt(m_area->ToClient(*this, event->position().toPoint()),
            event->angleDelta(), event->modifiers()))
        event->accept();
    else
        QWidget::wheelEvent(event);
}

void CFullScreenGraph::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_view && m_view->Presenter() == m_area
        && m_view->PressAt(m_area->ToClient(*this, event->position().toPoint()), event->position()))
        return;
    QWidget::mousePressEvent(event);
}

void CFullScreenGraph::mouseMoveEvent(QMouseEvent* event)
{
    unsetCursor();
    if (!m_view || m_view->Presenter() != m_area)
        return;
    m_view->DragTo(event->position(), event->buttons());
    m_view->PointerAt(m_area->ToClient(*this, event->position().toPoint()));
}

void CFullScreenGraph::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_view || !m_view->ReleaseDrag())
        QWidget::mouseReleaseEvent(event);
}

void CFullScreenGraph::ShowReadout(const QString& text)
{
    if (!isVisible() || text.isEmpty()) {
        m_overlay->hide();
        return;
    }
    m_overlay->setText(text);
    m_overlay->adjustSize();
    m_overlay->move(kOverlayMargin, height() - m_overlay->height() - kOverlayMargin);
    m_overlay->show();
    m_restTimer.start();
}

void CFullScreenGraph::Rest()
{
    m_overlay->hide();
    setCursor(Qt::BlankCursor);
}

void CFullScreenGraph::closeEvent(QCloseEvent* event)
{
    if (m_view && m_view->Presenter() == m_area) {
        m_view->SetPresenter(nullptr);
        // The form shows the view as the full screen left it.
        m_view->Redraw();
    }
    QWidget::closeEvent(event);
}

} // namespace plovex
