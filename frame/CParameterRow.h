#pragma once

#include "view/CPlovexDoc.h"

#include <QFrame>
#include <QPointer>
#include <cstddef>

class QLineEdit;
class QSlider;
class QToolButton;

namespace plovex {

struct Parameter;
struct ParameterCheck;

// One parameter of the Parameters dock: its name, its value, Play and Delete on a line, the
// slider below, and the slider's range and step under it. Moving the slider (by mouse, arrow
// keys one step, Page Up and Page Down ten) sets the value of its position; a value typed into
// the box is taken as typed. Every change goes to the document as one command, when the slider
// moves or a box is left or Enter pressed in it; one the document refuses is told about and the
// row shows the document's parameter again. Each control is named for screen readers after the
// parameter.
class CParameterRow : public QFrame {
    Q_OBJECT

public:
    CParameterRow(CPlovexDoc& document, std::size_t index, QWidget* parent = nullptr);

    std::size_t Index() const { return m_index; }
    // Shows the document's parameter; a box being typed in keeps what it holds while that
    // reads as the parameter does, or as no number yet.
    void Refresh();
    // Play shows Stop while this parameter plays.
    void SetPlaying(bool playing);

    QLineEdit* NameBox() const { return m_name; }
    QLineEdit* ValueBox() const { return m_value; }
    QSlider* Slider() const { return m_slider; }
    QToolButton* PlayButton() const { return m_play; }
    QToolButton* DeleteButton() const { return m_delete; }
    QLineEdit* MinimumBox() const { return m_minimum; }
    QLineEdit* MaximumBox() const { return m_maximum; }
    QLineEdit* StepBox() const { return m_step; }

signals:
    // Play or Stop was pressed.
    void PlayPressed(std::size_t index);

private:
    void OnSliderMoved(int position);
    void CommitName();
    void CommitValue();
    void CommitRange();
    // `parameter` is what the row asked for and the document refused.
    void Refuse(const Parameter& parameter, const ParameterCheck& check);
    void NameControls(const QString& name);

    QPointer<CPlovexDoc> m_document;
    std::size_t m_index;
    bool m_playing = false;
    QLineEdit* m_name;
    QLineEdit* m_value;
    QToolButton* m_play;
    QToolButton* m_delete;
    QSlider* m_slider;
    QLineEdit* m_minimum;
    QLineEdit* m_maximum;
    QLineEdit* m_step;
};

} // namespace plovex
