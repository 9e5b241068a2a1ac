#include "view/HeldInput.h"

#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "frame/CChildFrame.h"
#include "frame/CFunctionBar.h"
#include "frame/CMainFrame.h"
#include "frame/FunctionList.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace plovex {
namespace {

// A function slow enough at quality 500 that its rendering runs the event loop: the keys
// of a test come while it runs.
std::string SlowFunction()
{
    std::string sum = "(sin(x)";
    for (int i = 1; i < 40; ++i)
        sum += "+sin(x)";
    return sum + ")/8";
}

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

struct HeldCase {
    const char* name;
    // The functions after the slow first one, the row selected when the keys come, and
    // whether the focus is in the list rather than in the expression box.
    std::vector<std::string> functions;
    std::size_t selected;
    bool inList;
    // Pressed, one after the other, while the slow rendering runs.
    std::vector<Key> keys;
    // The expressions after the slow one once every key was served, and the selected row.
    std::vector<std::string> after;
    std::size_t selectedAfter;
};

// Keys pressed while a rendering runs wait for it, and then for each rendering they start
// themselves: they are served in the order they came, none lost.
TEST_F(ShellTest, KeysPressedDuringARenderingAreServedInOrder)
{
    const HeldCase cases[] = {
        { "three Deletes delete three functions", { "1", "2", "3", "4" }, 4, true,
            { { Qt::Key_Delete }, { Qt::Key_Delete }, { Qt::Key_Delete } }, { "1" }, 1 },
        // Moved up before it is deleted: the rows before it keep their order.
        { "End, Alt+Up, Delete", { "1", "2", "3", "4", "5" }, 1, true,
            { { Qt::Key_End }, { Qt::Key_Up, Qt::AltModifier }, { Qt::Key_Delete } },
            { "1", "2", "3", "4" }, 4 },
        // Typed and plotted with Enter; then into the list, where the keys go once the one
        // before has moved the focus there.
        { "typed, plotted, then a row chosen and deleted", { "1", "2" }, 2, false,
            { { Qt::Key_Backspace }, { Qt::Key_7 }, { Qt::Key_Return },
                { Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier }, { Qt::Key_Up },
                { Qt::Key_Delete } },
            { "7" }, 1 },
    };
    for (const HeldCase& c : cases) {
        SCOPED_TRACE(c.name);
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        CMainFrame& frame = app.MainFrame();
        frame.show();
        // Shortcuts go to the active window.
        QApplication::setActiveWindow(&frame);
        CPlovexView& view = ViewOf(*frame.ActiveChild());
        TypeAndPlot(view, QString::fromStdString(SlowFunction()));
        for (const std::string& function : c.functions) {
            Trigger(app, res::kCmdFunctionNew);
            TypeAndPlot(view, QString::fromStdString(function));
        }
        FunctionList& list = *frame.FunctionBar()->List();
        list.setCurrentRow(static_cast<int>(c.selected));
        auto* box = qobject_cast<QLineEdit*>(view.GetDlgItem(res::kExpressionEdit));
        qobject_cast<QLineEdit*>(view.GetDlgItem(res::kQualityEdit))->setText("500");
        const CPlovexDoc& document = view.GetDocument();
        const std::size_t count = document.Count();

        bool pressed = false;
        QTimer::singleShot(0, &view, [&] {
            // The first time the rendering lets events through.
            ASSERT_TRUE(view.Rendering());
            // Typed where the focus is: it moves only as the keys are served.
            for (const Key& key : c.keys)
                QTest::keyClick(QApplication::focusWidget(), key.key, key.modifiers);
            // Nothing was done yet.
            EXPECT_EQ(document.Count(), count);
            EXPECT_EQ(view.SelectedFunction(), c.selected);
            pressed = true;
        });
        if (c.inList)
            list.setFocus();
        else
            box->setFocus();
        qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kXScaleUpButton))->click();
        ASSERT_TRUE(pressed);
        for (int i = 0; i < 100 && HeldInput::Instance().Waiting(); ++i)
            QTest::qWait(10);
        EXPECT_FALSE(HeldInput::Instance().Waiting());

        std::vector<std::string> after;
        for (std::size_t i = 1; i < document.Count(); ++i)
            after.push_back(document.Expression(i));
        EXPECT_EQ(after, c.after);
        EXPECT_EQ(view.SelectedFunction(), c.selectedAfter);
        EXPECT_EQ(view.m_status, "DONE");
        EXPECT_TRUE(m_messages.messages.empty());
    }
}

} // namespace
} // namespace plovex
