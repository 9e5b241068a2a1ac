#include "frame/CFunctionBar.h"

#include "document/FunctionPalette.h"
#include "engine/Numbers.h"
#include "frame/CCurveEditor.h"
#include "frame/CNewFunctionMenu.h"
#include "frame/FunctionList.h"
#include "platform/ByteText.h"
#include "platform/StringTable.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
#include "view/EngineTexts.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace plovex {
namespace {

// The same pixmap in every mode: the style would otherwise tint the selected row's swatch
// with the highlight, and the colour being chosen could not be judged.
QIcon Swatch(Rgb colour)
{
    QPixmap pixmap(FunctionList::kSwatchSize, FunctionList::kSwatchSize);
    pixmap.fill(QColor(colour.red, colour.green, colour.blue));
    {
        QPainter painter(&pixmap);
        painter.setPen(Qt::darkGray);
        painter.drawRect(0, 0, FunctionList::kSwatchSize - 1, FunctionList::kSwatchSize - 1);
    }
    QIcon icon;
    for (const QIcon::Mode mode : { QIcon::Normal, QIcon::Active, QIcon::Selected })
        icon.addPixmap(pixmap, mode);
    return icon;
}

QString Shown(const std::string& expression)
{
    return expression.empty() ? CFunctionBar::tr("(empty)") : BytesToText(expression);
}

QString Number(float value)
{
    return QString::fromStdString(FormatField(value));
}

// The row names the kind of a curve, whose range runs from its start to its end:
// "Polar: r = t/2; t: 0 \u2192 6.2831855".
QString RowText(const GraphFunction& function)
{
    const QString range = QString("; t: %1 \u2192 %2")
                              .arg(Number(function.range.start), Number(function.range.end));
    switch (function.kind) {
    case CurveKind::Implicit:
        return Shown(function.expression) + " = 0";
    case CurveKind::Parametric:
        return CFunctionBar::tr("Parametric: x = %1, y = %2")
                   .arg(Shown(function.expression), Shown(function.yExpression))
            + range;
    case CurveKind::Polar:
        return CFunctionBar::tr("Polar: r = %1").arg(Shown(function.expression)) + range;
    case CurveKind::Explicit:
        break;
    }
    return Shown(function.expression);
}

} // namespace

CFunctionBar::CFunctionBar(
    const QList<QAction*>& commands, std::function<QAction*(int)> action, QWidget* parent)
    : QDockWidget(LoadString(res::kStrNameFunctionList), parent)
    , m_list(new FunctionList)
    , m_kinds(new CNewFunctionMenu(this))
    , m_curveEditor(new CCurveEditor)
    , m_commands(new QToolBar)
    , m_action(std::move(action))
{
    setObjectName("FunctionList");
    m_list->setAccessibleName(LoadString(res::kStrNameFunctionList));
    m_list->addActions(commands);
    m_commands->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_commands->addActions(commands);
    // New Function itself adds an explicit function, as Insert does; its arrow offers the kinds.
    QAction* newFunction = m_action(res::kCmdFunctionNew);
    newFunction->setMenu(m_kinds);
    if (auto* button = qobject_cast<QToolButton*>(m_commands->widgetForAction(newFunction)))
        button->setPopupMode(QToolButton::MenuButtonPopup);
    connect(m_kinds, &CNewFunctionMenu::KindChosen, this, &CFunctionBar::OnNewFunctionOfKind);
    auto* kinds = new QShortcut(
        QKeySequence(Qt::ALT | Qt::Key_Insert), m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(kinds, &QShortcut::activated, this, [this] {
        const QRect row = m_list->visualItemRect(m_list->currentItem());
        m_kinds->popup(
            m_list->viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint()));
    });
    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_commands);
    layout->addWidget(m_list);
    layout->addWidget(m_curveEditor);
    setWidget(contents);
    setTabOrder(m_list, m_curveEditor->FirstBox());
    connect(m_list, &QListWidget::currentRowChanged, this, &CFunctionBar::OnCurrentRowChanged);
    connect(m_list, &QListWidget::itemChanged, this, &CFunctionBar::OnItemChanged);
    // Escape goes back to the form's expression box.
    auto* back
        = new QShortcut(QKeySequence(Qt::Key_Escape), m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(back, &QShortcut::activated, this, [this] {
        if (m_view)
            m_view->GetDlgItem(res::kExpressionEdit)->setFocus();
    });
    connect(m_list, &FunctionList::SwatchDoubleClicked, this, [this](int row) {
        if (!m_view)
            return;
        m_view->SelectFunction(static_cast<std::size_t>(row));
        m_view->OnFunctionColour();
    });
    UpdateCommands();
}

void CFunctionBar::SetView(CPlovexView* view)
{
    // A form that was deleted has left m_view empty: its connections still go.
    if (view && view == m_view)
        return;
    for (const QMetaObject::Connection& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    m_view = view;
    m_curveEditor->SetView(view);
    if (m_view) {
        const CPlovexDoc* document = &m_view->GetDocument();
        const auto refresh = [this] { Refresh(); };
        m_connections << connect(m_view, &CPlovexView::SelectionChanged, this, refresh)
                      << connect(document, &CPlovexDoc::FunctionChanged, this,
                             [this](std::size_t index) { UpdateRow(static_cast<int>(index)); })
                      << connect(document, &CPlovexDoc::FunctionInserted, this, refresh)
                      << connect(document, &CPlovexDoc::FunctionRemoved, this, refresh)
                      << connect(document, &CPlovexDoc::FunctionMoved, this, refresh);
    }
    Refresh();
}

void CFunctionBar::Refresh()
{
    m_updating = true;
    const int count = m_view ? static_cast<int>(m_view->GetDocument().Count()) : 0;
    while (m_list->count() > count)
        delete m_list->takeItem(m_list->count() - 1);
    while (m_list->count() < count) {
        auto* item = new QListWidgetItem(m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    }
    m_updating = false;
    for (int row = 0; row < count; ++row)
        UpdateRow(row);
    m_updating = true;
    m_list->setCurrentRow(m_view ? static_cast<int>(m_view->SelectedFunction()) : -1);
    m_updating = false;
    UpdateCommands();
}

void CFunctionBar::UpdateRow(int row)
{
    QListWidgetItem* item = m_list->item(row);
    if (!m_view || !item)
        return;
    const GraphFunction& function = m_view->GetDocument().Function(static_cast<std::size_t>(row));
    m_updating = true;
    item->setText(RowText(function));
    item->setIcon(Swatch(function.colour));
    item->setCheckState(function.shown ? Qt::Checked : Qt::Unchecked);
    // What a screen reader says of the row: the expression, its colour and whether it shows.
    item->setData(Qt::AccessibleTextRole,
        QString("%1, %2, %3")
            .arg(RowText(function), EngineTexts::ColourName(function.colour),
                function.shown ? tr("shown") : tr("hidden")));
    item->setToolTip(EngineTexts::ColourName(function.colour));
    m_updating = false;
    UpdateCommands();
}

void CFunctionBar::UpdateCommands()
{
    const int count = m_view ? static_cast<int>(m_view->GetDocument().Count()) : 0;
    const int selected = m_view ? static_cast<int>(m_view->SelectedFunction()) : -1;
    m_action(res::kCmdFunctionNew)->setEnabled(m_view);
    m_kinds->setEnabled(m_view);
    m_action(res::kCmdFunctionColour)->setEnabled(m_view);
    m_action(res::kCmdFunctionDelete)->setEnabled(count > 1);
    m_action(res::kCmdFunctionMoveUp)->setEnabled(selected > 0);
    m_action(res::kCmdFunctionMoveDown)->setEnabled(selected >= 0 && selected + 1 < count);
}

void CFunctionBar::OnCurrentRowChanged(int row)
{
    if (m_updating || !m_view || row < 0)
        return;
    m_view->SelectFunction(static_cast<std::size_t>(row));
}

// A new curve is typed into the editor, any other new function into the form's box.
void CFunctionBar::OnNewFunctionOfKind(CurveKind kind)
{
    if (!m_view)
        return;
    m_view->OnNewFunctionOfKind(kind);
    if (SweepsParameter(kind))
        m_curveEditor->EditFirstExpression();
}

void CFunctionBar::OnItemChanged(QListWidgetItem* item)
{
    if (m_updating || !m_view)
        return;
    m_view->SetFunctionShown(
        static_cast<std::size_t>(m_list->row(item)), item->checkState() == Qt::Checked);
}

} // namespace plovex
