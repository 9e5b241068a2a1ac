#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace plovex {

class CPlovexView;
class PictureStatic;

// A graph form's graph on the whole screen: the same functions and view drawn by the same
// renderer at the screen's size, the graph's centre at the screen's centre and the scales as
// they are. The wheel zooms and the left button drags as over the form, the actions it is
// given (the View commands) act on it by their keys, and a small overlay shows the pointer's
// readout while the pointer moves. Esc stops a rendering, and when none runs, closes the
// window, as closing it any other way does: the form then draws its graph again with the view
// as it was left.
class CFullScreenGraph : public QWidget {
    Q_OBJECT

public:
    CFullScreenGraph(CPlovexView& view, const QList<QAction*>& actions, QWidget* parent = nullptr);
    ~CFullScreenGraph() override;

    CPlovexView* View() const { return m_view; }
    // Full screen on the screen of `over`.
    void ShowOver(const QWidget& over);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The graph drawn at the window's size, once the window has taken it.
    void DrawLater();
    void Draw();
    void ShowReadout(const QString& text);
    // The overlay and the pointer go away while the pointer rests, so the graph shows alone.
    void Rest();

    QPointer<CPlovexView> m_view;
    PictureStatic* m_area;
    QLabel* m_overlay;
    QTimer m_drawTimer;
    QTimer m_restTimer;
    // The size the graph was last drawn at.
    QSize m_drawnSize;
};

} // namespace plovex
