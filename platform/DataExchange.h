#pragma once

#include "platform/DialogControls.h"

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace plovex {

// One pass of a window's exchange function over its bindings, in their declared order:
// controls into fields (a read) or fields into controls (a push). A read stops at the first
// number box whose text is not a decimal number: the fields before it keep their new values,
// that box's field and all later ones their old values, and the read has failed.
class DataExchange {
public:
    enum class Direction {
        ToControls,
        ToFields,
    };
    enum class Prompting {
        Ask, // a box that holds no number brings up the invalid-number prompt and stops the read
        Quiet, // such a box keeps its field's value and the read goes on, with no prompt
    };

    DataExchange(QWidget& window, const DialogControls& controls, Direction direction,
        Prompting prompting = Prompting::Ask);

    bool ToFields() const { return m_direction == Direction::ToFields; }
    bool Failed() const { return m_failed; }
    // The controls whose content a push changed.
    const std::vector<QWidget*>& Changed() const { return m_changed; }

    // Attaches a control object to the control with that id.
    template <typename Widget> void Control(int id, Widget*& object)
    {
        if (object == nullptr)
            object = qobject_cast<Widget*>(m_controls.Item(id));
    }
    // A text box or static. The field holds bytes: see BytesToText and TextToBytes.
    void Text(int id, std::string& field);
    // A text box or static whose field holds characters, a text of the program's own.
    void Text(int id, QString& field);
    // A text the program writes and the user cannot change (a status, results), shown as
    // `show` words it: in the user's language. A read leaves the field as the program wrote it.
    template <typename Field>
    void Display(int id, const Field& field, QString (*show)(const Field&))
    {
        if (!ToFields())
            DisplayText(id, show(field));
    }
    // A check box: checked is true.
    void Check(int id, bool& field);
    // The radio buttons with ids firstId, firstId + 1, ... as long as there is one: the index
    // of the checked one, -1 for none.
    void Radio(int firstId, int& field);
    // A number box: a decimal number, blanks around it allowed; shown as the shortest text
    // that reads back as the same float (10 shows as 10).
    void Float(int id, float& field);
    // A number box for a whole number from `minimum` to `maximum`, blanks around it allowed;
    // anything else brings up a prompt that says so and stops the read, as Float does.
    void Integer(int id, int& field, int minimum, int maximum);
    // A list box: the index of the selected item, -1 for none. Selecting from the program
    // reports no selection change, as the user's selecting does.
    void ListIndex(int id, int& field);

private:
    QWidget* Item(int id) const;
    void DisplayText(int id, const QString& text);
    void NoteChanged(QWidget* control);
    // Tells the user what `control` must hold and stops the read there.
    void Prompt(QWidget* control, const QString& text);

    QWidget& m_window;
    const DialogControls& m_controls;
    Direction m_direction;
    Prompting m_prompting;
    bool m_failed = false;
    std::vector<QWidget*> m_changed;
};

} // namespace plovex
