#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "platform/PictureStatic.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <map>
#include <string>

namespace plovex {
namespace {

// Every button and check box answers its own key, from anywhere in the form, the expression
// box included; the menus' Alt letters press none of them.
TEST(Keyboard, EveryButtonAndCheckBoxHasItsOwnKey)
{
    CPlovexDoc document;
    CPlovexView view(document);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    const struct {
        int id;
        Qt::Key key;
        const char*
            underlined; // the caption with its mnemonic; "" for a sign, keyed with Alt+Shift
    } keys[] = {
        { res::kPlotButton, Qt::Key_P, "&Plot" },
        { res::kPlotDerivativeButton, Qt::Key_D, "Plot &dy/dx" },
        { res::kEvalDerivativeButton, Qt::Key_L, "Eva&l dy/dx" },
        { res::kEvaluateButton, Qt::Key_A, "Ev&aluate" },
        { res::kIntegrateButton, Qt::Key_I, "&Integrate" },
        { res::kNoClearCheck, Qt::Key_N, "Do &not clear previous graph" },
        { res::kImplicitCheck, Qt::Key_M, "I&mplicit function" },
        { res::kXScaleUpButton, Qt::Key_Right, "" },
        { res::kXScaleDownButton, Qt::Key_Left, "" },
        { res::kYScaleUpButton, Qt::Key_Up, "" },
        { res::kYScaleDownButton, Qt::Key_Down, "" },
    };
    // The buttons only count their clicks here.
    std::map<int, int> clicks;
    for (const auto& k : keys) {
        auto* button = qobject_cast<QAbstractButton*>(view.GetDlgItem(k.id));
        QObject::disconnect(button, nullptr, &view, nullptr);
        QObject::connect(button, &QAbstractButton::clicked, [&clicks, k] { ++clicks[k.id]; });
    }
    auto* box = qobject_cast<QLineEdit*>(view.GetDlgItem(res::kExpressionEdit));
    for (const auto& k : keys) {
        SCOPED_TRACE(k.id);
        if (*k.underlined != '\0') {
            EXPECT_EQ(qobject_cast<QAbstractButton*>(view.GetDlgItem(k.id))->text(), k.underlined);
        }
        box->setFocus();
        clicks.clear();
        const Qt::KeyboardModifiers modifiers = *k.underlined != '\0'
            ? Qt::KeyboardModifiers(Qt::AltModifier)
            : Qt::AltModifier | Qt::ShiftModifier;
        QTest::keyClick(box, k.key, modifiers);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !clicks.empty(); }, 1000));
        EXPECT_EQ(clicks, (std::map<int, int> { { k.id, 1 } }));
    }
    // File, Edit, View, Window and Help keep their letters.
    clicks.clear();
    for (const Qt::Key key : { Qt::Key_F, Qt::Key_E, Qt::Key_V, Qt::Key_W, Qt::Key_H }) {
        box->setFocus();
        QTest::keyClick(box, key, Qt::AltModifier);
    }
    QTest::qWait(200);
    EXPECT_TRUE(clicks.empty());
}

// The style draws no focus frame around a multi-line box: the read-only statistics show
// the focus by their selected text, which goes again when the focus moves on.
TEST(Keyboard, TheStatisticsShowTheFocusWhenTabbedTo)
{
    CPlovexDoc document;
    CPlovexView view(document);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.OnInitialUpdate();
    auto* statistics = qobject_cast<QPlainTextEdit*>(view.GetDlgItem(res::kInfoEdit));
    view.GetDlgItem(res::kImplicitCheck)->setFocus();
    for (const auto& [key, selected] : { std::pair { Qt::Key_Tab, true },
             std::pair { Qt::Key_Tab, false }, std::pair { Qt::Key_Backtab, true } }) {
        SCOPED_TRACE(selected);
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(QApplication::focusWidget() == statistics, selected);
        EXPECT_EQ(statistics->textCursor().selectedText(),
            selected ? QString("Maximum: 0.000000\u2029Minimum: 0.000000\u2029Mean: 0.000000")
                     : QString());
    }
}

// Tab reaches the graph after the quality box; there the arrow keys move the view, a tenth
// of the area a press (one pixel with Shift), and a run of presses is one step back. In a box
// they stay the box's.
TEST(Keyboard, TheArrowKeysMoveTheViewOfTheFocusedGraph)
{
    CPlovexDoc document;
    CPlovexView view(document);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.OnInitialUpdate();
    view.GetDlgItem(res::kQualityEdit)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), view.m_graphArea);
    // 610 by 238 pixels: a tenth is 61 across and 23 down.
    ASSERT_EQ(view.m_graphArea->ClientSize(), QSize(610, 238));
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        double xOffset;
        double yOffset;
    } presses[] = {
        { Qt::Key_Left, Qt::NoModifier, -61.0, 0.0 },
        { Qt::Key_Left, Qt::NoModifier, -122.0, 0.0 },
        { Qt::Key_Up, Qt::NoModifier, -122.0, 23.0 },
        { Qt::Key_Right, Qt::ShiftModifier, -121.0, 23.0 },
        { Qt::Key_Down, Qt::ShiftModifier, -121.0, 22.0 },
        { Qt::Key_Down, Qt::KeypadModifier, -121.0, -1.0 },
    };
    for (const auto& press : presses) {
        SCOPED_TRACE(std::to_string(press.xOffset) + " " + std::to_string(press.yOffset));
        QTest::keyClick(view.m_graphArea, press.key, press.modifiers);
        EXPECT_EQ(view.m_xOffset, press.xOffset);
        EXPECT_EQ(view.m_yOffset, press.yOffset);
    }
    // The picture is that of the moved view: the y axis 121 pixels right of the centre, the
    // empty expression's line y = 0 a pixel above it.
    const QImage picture = view.GraphPicture();
    EXPECT_EQ(picture.pixel(305 + 121, 60), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(305, 60), qRgb(250, 240, 230));
    EXPECT_EQ(picture.pixel(60, 118), qRgb(0, 0, 255));
    EXPECT_EQ(picture.pixel(60, 119), qRgb(250, 240, 230));
    EXPECT_EQ(view.History().Size(), 2u);
    view.OnViewBack();
    EXPECT_EQ(view.m_xOffset, 0.0);
    EXPECT_EQ(view.m_yOffset, 0.0);

    auto* box = qobject_cast<QLineEdit*>(view.GetDlgItem(res::kExpressionEdit));
    box->setFocus();
    QTest::keyClicks(box, "x+1");
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Left);
    EXPECT_EQ(box->cursorPosition(), 1);
    EXPECT_EQ(view.m_xOffset, 0.0);
}

// Alt+P and Enter plot the active window's expression, as typed, and only there.
TEST_F(ShellTest, AltPAndEnterPlotInTheActiveWindow)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    CPlovexView& first = ViewOf(Active(app));
    Trigger(app, res::kCmdFileNew);
    CPlovexView& second = ViewOf(Active(app));
    ASSERT_NE(&first, &second);
    Type(first, "x+1");
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* typed;
        const char* postfix;
    } presses[] = {
        { Qt::Key_P, Qt::AltModifier, "x^2", "x(2.000000)^" },
        { Qt::Key_Return, Qt::NoModifier, "x^3", "x(3.000000)^" },
        { Qt::Key_Enter, Qt::KeypadModifier, "x^4", "x(4.000000)^" },
    };
    auto* box = qobject_cast<QLineEdit*>(second.GetDlgItem(res::kExpressionEdit));
    for (const auto& p : presses) {
        SCOPED_TRACE(p.typed);
        Type(second, p.typed);
        box->setFocus();
        QTest::keyClick(box, p.key, p.modifiers);
        EXPECT_TRUE(QTest::qWaitFor([&] { return second.m_postfix == p.postfix; }, 1000));
        EXPECT_EQ(box->text(), p.typed);
        EXPECT_EQ(first.m_postfix, "");
    }
}

} // namespace
} // namespace plovex
