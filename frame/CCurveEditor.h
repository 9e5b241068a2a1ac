#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace plovex {

class CPlovexView;

// Below the Functions list: the selected function's expressions and range of t while it is a
// parametric curve (x(t), y(t)) or a polar one (r(t)), hidden for the other kinds. Every edit
// goes into the document as it is typed, as the form's expression box does, and every window
// of the document shows it; Enter in a box plots, as the form's Plot does. A range box that
// holds no finite number when it is left is told about and shows the range again. The boxes
// take the focus from the list by Tab, and the first one for a curve just made; their labels
// have no Alt keys, which every language's form and menus already use.
class CCurveEditor : public QWidget {
    Q_OBJECT

public:
    explicit CCurveEditor(QWidget* parent = nullptr);

    // The form whose selected function the editor shows; nullptr for none.
    void SetView(CPlovexView* view);
    // The focus into the first expression's box, as for a curve just made.
    void EditFirstExpression();

    QLineEdit* FirstBox() const { return m_first; }
    QLineEdit* SecondBox() const { return m_second; }
    QLineEdit* StartBox() const { return m_start; }
    QLineEdit* EndBox() const { return m_end; }

private:
    void Refresh();
    void OnExpressionEdited(int part);
    void OnRangeEdited();
    // Whether both range boxes hold finite numbers; one that does not is told about and
    // shows the document's range again.
    bool CheckRange();
    void Plot();

    QLabel* m_firstLabel;
    QLineEdit* m_first;
    QLabel* m_secondLabel;
    QLineEdit* m_second;
    QLineEdit* m_start;
    QLineEdit* m_end;
    QPointer<CPlovexView> m_view;
    QList<QMetaObject::Connection> m_connections;
};

} // namespace plovex
