#pragma once

#include <QDockWidget>
#include <QList>
#include <QPointer>
#include <cstddef>

class QAction;
class QToolButton;
class QVBoxLayout;

namespace plovex {

class CParameterRow;
class CPlovexView;
class ParameterAnimator;

// The "Parameters" dock of the main window: a row for each parameter of the active graph
// window's document (see CParameterRow), Add for a new one, and Play's animator. Moving a
// slider changes the document, whose every graph window then draws itself again. Insert in
// the dock adds a parameter, Esc goes back to the form's expression box, or stops Play.
class CParameterBar : public QDockWidget {
    Q_OBJECT

public:
    explicit CParameterBar(QWidget* parent = nullptr);

    // The form whose document's parameters the dock shows; nullptr for none. Play stops when
    // the document changes.
    void SetView(CPlovexView* view);
    CPlovexView* View() const { return m_view; }

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    CParameterRow* Row(int index) const { return m_rows.value(index); }
    QToolButton* AddButton() const { return m_add; }
    ParameterAnimator& Animator() const { return *m_animator; }
    // View > Parameter List: shows or hides the dock.
    QAction* ToggleAction() const { return m_toggle; }

    // A new parameter with the next free name and the default value and range, its name box
    // focused for a name of the user's own.
    void AddParameter();
    void StopPlaying();
    // The focus into the dock: the first slider, or Add when there is none.
    void FocusFirst();

private:
    void Rebuild();
    void OnPlayPressed(std::size_t index);
    void OnPlayingChanged();

    QToolButton* m_add;
    QVBoxLayout* m_rowsLayout;
    QList<CParameterRow*> m_rows;
    ParameterAnimator* m_animator;
    QAction* m_toggle;
    QPointer<CPlovexView> m_view;
    QList<QMetaObject::Connection> m_connections;
};

} // namespace plovex
