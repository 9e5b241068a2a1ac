#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "frame/CMainFrame.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace plovex {
namespace {

// What is pasted into a box loses the white space around it, however it is pasted; the
// document follows the box as it does when typing.
TEST_F(ShellTest, PastedTextLosesTheWhiteSpaceAroundIt)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    frame.show();
    QApplication::setActiveWindow(&frame);
    CPlovexView& view = ViewOf(*frame.ActiveChild());
    auto* box = qobject_cast<QLineEdit*>(view.GetDlgItem(res::kExpressionEdit));
    const struct {
        const char* clipboard;
        const char* before; // the box's text, all of it selected
        const char* after;
    } cases[] = {
        { "x^2\n", "", "x^2" }, { "  sin x \t\r\n", "", "sin x" }, { "\n2*x\n", "3", "2*x" },
        { "1+\n2", "", "1+\n2" }, // a break inside stays, and is reported when plotted
        { " \n ", "x", "" }, // replaces the selection with nothing
    };
    const struct {
        const char* name;
        std::function<void()> paste;
    } ways[] = {
        { "Ctrl+V", [&] { QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); } },
        { "Shift+Insert", [&] { QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier); } },
        { "Edit > Paste", [&] { Trigger(app, res::kCmdEditPaste); } },
    };
    for (const auto& way : ways) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(way.name) + " of '" + c.clipboard + "'");
            box->setText(c.before);
            box->selectAll();
            box->setFocus();
            QApplication::clipboard()->setText(c.clipboard);
            way.paste();
            EXPECT_EQ(box->text().toStdString(), c.after);
            EXPECT_EQ(view.GetDocument().Expression(), c.after);
        }
    }
    // A scale box too.
    auto* scale = qobject_cast<QLineEdit*>(view.GetDlgItem(res::kXScaleEdit));
    scale->selectAll();
    scale->setFocus();
    QApplication::clipboard()->setText("15.625\n");
    QTest::keyClick(scale, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(scale->text(), "15.625");
}

} // namespace
} // namespace plovex
