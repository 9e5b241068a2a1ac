#include "view/CPlovexView.h"

#include "FakeMessages.h"
#include "platform/DialogUnits.h"
#include "platform/PictureStatic.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QTest>
#include <QTextDocument>
#include <QWheelEvent>
#include <algorithm>
#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace plovex {
namespace {

using Strings = std::vector<std::string>;

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.OnInitialUpdate();
        messages.messages.clear();
    }

    QLineEdit* Box(int id) { return qobject_cast<QLineEdit*>(view.GetDlgItem(id)); }
    void Type(int id, const char* text) { Box(id)->setText(QString::fromUtf8(text)); }
    std::string Text(int id)
    {
        QWidget* control = view.GetDlgItem(id);
        if (auto* label = qobject_cast<QLabel*>(control))
            return label->text().toStdString();
        if (auto* lines = qobject_cast<QPlainTextEdit*>(control))
            return lines->toPlainText().toStdString();
        return Box(id)->text().toStdString();
    }
    void Click(int id) { qobject_cast<QAbstractButton*>(view.GetDlgItem(id))->click(); }
    void SetCheck(int id, bool checked)
    {
        qobject_cast<QAbstractButton*>(view.GetDlgItem(id))->setChecked(checked);
    }
    void Plot(const char* expression)
    {
        Type(res::kExpressionEdit, expression);
        Click(res::kPlotButton);
    }

    // The graph area's client size, W by H, and its centre pixel.
    int W() { return view.m_graphArea->ClientSize().width(); }
    int H() { return view.m_graphArea->ClientSize().height(); }
    int Hw() { return W() / 2; }
    int Hh() { return H() / 2; }
    // A pixel of the graph area's client rectangle in the form's coordinates.
    QPoint FormPoint(int x, int y)
    {
        return view.m_graphArea->mapTo(
            &view, view.m_graphArea->contentsRect().topLeft() + QPoint(x, y));
    }
    std::string ReadoutAt(int x, int y)
    {
        view.OnMouseMove(FormPoint(x, y));
        return Text(res::kStatusStatic);
    }

    QImage Picture() { return view.m_graphArea->Picture(); }
    bool Blue(int x, int y) { return Picture().pixel(x, y) == qRgb(0, 0, 255); }
    // Whether the curve crosses column x somewhere in rows [top, bottom].
    bool BlueInColumn(int x, int top, int bottom)
    {
        for (int y = top; y <= bottom; ++y) {
            if (Blue(x, y))
                return true;
        }
        return false;
    }

    FakeMessages messages;
    CPlovexDoc document;
    CPlovexView view { document };
};

// ---- the form -----------------------------------------------------------------------------

TEST(CPlovexViewForm, IsTemplate101InItsDialogUnits)
{
    CPlovexDoc document;
    CPlovexView view(document);
    QFont font("DejaVu Sans");
    font.setPointSize(10);
    const DialogUnits units(font);
    EXPECT_EQ(view.size(), units.Size(320, 199));
    EXPECT_EQ(view.sizeHint(), units.Size(320, 199));
    EXPECT_EQ(view.minimumSize(), view.maximumSize());
    const struct {
        int id;
        QRect rect;
    } controls[] = {
        { res::kExpressionEdit, units.Rect(7, 7, 233, 14) },
        { res::kPlotButton, units.Rect(242, 7, 31, 14) },
        { res::kGraphArea, units.Rect(7, 64, 306, 128) },
        { res::kStatusStatic, units.Rect(160, 38, 38, 9) },
        { res::kXScaleEdit, units.Rect(33, 49, 33, 12) },
        { res::kQualityEdit, units.Rect(197, 49, 33, 12) },
        { res::kProgressBar, units.Rect(200, 40, 29, 6) },
        { res::kInfoEdit, units.Rect(231, 36, 82, 27) },
        { res::kImplicitCheck, units.Rect(103, 38, 55, 10) },
    };
    for (const auto& control : controls) {
        SCOPED_TRACE(control.id);
        EXPECT_EQ(view.GetDlgItem(control.id)->geometry(), control.rect);
    }
    // The graph area's border is one pixel: its client area is two pixels smaller each way.
    EXPECT_EQ(view.m_graphArea->ClientSize(), units.Rect(7, 64, 306, 128).size() - QSize(2, 2));
}

TEST(CPlovexViewForm, EveryCaptionFitsItsControl)
{
    CPlovexDoc document;
    CPlovexView view(document);
    view.show();
    const struct {
        int id;
        const char* caption;
    } captioned[] = {
        { res::kPlotButton, "&Plot" },
        { res::kNoClearCheck, "Do &not clear previous graph" },
        { res::kXScaleUpButton, "+" },
        { res::kXScaleDownButton, "-" },
        { res::kYScaleUpButton, "+" },
        { res::kYScaleDownButton, "-" },
        { res::kPlotDerivativeButton, "Plot &dy/dx" },
        { res::kEvaluateButton, "Ev&aluate" },
        { res::kEvalDerivativeButton, "Eva&l dy/dx" },
        { res::kIntegrateButton, "&Integrate" },
        { res::kImplicitCheck, "I&mplicit function" },
    };
    for (const auto& control : captioned) {
        SCOPED_TRACE(control.caption);
        auto* button = qobject_cast<QAbstractButton*>(view.GetDlgItem(control.id));
        EXPECT_EQ(button->text(), control.caption);
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool check = qobject_cast<QCheckBox*>(button) != nullptr;
        const QRect room = button->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
        // The mnemonic's "&" is not drawn: the letter after it is underlined.
        const QString shown = QString(button->text()).remove(u'&');
        EXPECT_LE(button->fontMetrics().horizontalAdvance(shown), room.width());
    }
    std::vector<std::string> labels;
    for (QLabel* label : view.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        labels.push_back(label->text().toStdString());
        EXPECT_LE(
            label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
            << label->text().toStdString();
    }
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(labels, (Strings { "Quality:", "X Scale:", "Y Scale:" }));
}

// A zoomed scale shows whole in its box, and the statistics keep one line each with no scroll
// bar over them.
TEST(CPlovexViewForm, NumbersAndStatisticsShowWhole)
{
    CPlovexDoc document;
    CPlovexView view(document);
    view.show();
    for (const int id : { res::kXScaleEdit, res::kYScaleEdit, res::kQualityEdit }) {
        auto* box = qobject_cast<QLineEdit*>(view.GetDlgItem(id));
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        // Qt keeps two pixels of air on either side of a line edit's text.
        const int room
            = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 4;
        // Zoom In from 10, three and four times, and Zoom Out.
        for (const char* value : { "15.625", "19.53125", "24.414062", "0.2097152" }) {
            SCOPED_TRACE(std::to_string(id) + " " + value);
            EXPECT_LE(box->fontMetrics().horizontalAdvance(value), room);
        }
    }
    auto* statistics = qobject_cast<QPlainTextEdit*>(view.GetDlgItem(res::kInfoEdit));
    const int margin = static_cast<int>(statistics->document()->documentMargin());
    const struct {
        Statistics statistics;
        const char* info;
        bool whole; // every line shows to its end
    } cases[] = {
        { { 930.25, -380506.684364, -506.733134 },
            "Maximum: 930.250000\r\nMinimum: -380506.684364\r\nMean: -506.733134", true },
        // Too long for any box: cut at the right, never broken onto a line of its own.
        { { 1e30, -INFINITY, NAN },
            "Maximum: 1000000000000000019884624838656.000000\r\nMinimum: -inf\r\nMean: nan",
            false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.info);
        view.m_info = InfoField::Of(c.statistics);
        ASSERT_EQ(InfoText(view.m_info), c.info);
        view.UpdateData(false);
        QApplication::processEvents();
        EXPECT_EQ(statistics->document()->lineCount(), 3);
        EXPECT_FALSE(statistics->verticalScrollBar()->isVisible());
        EXPECT_FALSE(statistics->horizontalScrollBar()->isVisible());
        EXPECT_LE(3 * statistics->fontMetrics().lineSpacing() + 2 * margin,
            statistics->viewport()->height());
        for (const QString& line : QString(c.info).split("\r\n")) {
            EXPECT_EQ(statistics->fontMetrics().horizontalAdvance(line) + 2 * margin
                    <= statistics->viewport()->width(),
                c.whole || line.size() < 15)
                << line.toStdString();
        }
    }
}

// Row by row, left to right, as the form shows its controls.
TEST(CPlovexViewForm, TabOrderFollowsTheLayout)
{
    CPlovexDoc document;
    CPlovexView view(document);
    std::vector<int> order;
    QWidget* widget = view.GetDlgItem(res::kExpressionEdit);
    for (int i = 0; i < 17; ++i) {
        for (int id = res::kExpressionEdit; id <= res::kIntegrateButton; ++id) {
            if (view.GetDlgItem(id) == widget)
                order.push_back(id);
        }
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() != Qt::StrongFocus)
            widget = widget->nextInFocusChain();
    }
    const std::vector<int> expected { 1000, 1001, 1014, 1002, 1018, 1017, 1019, 1004, 1013, 1016,
        1006, 1008, 1009, 1007, 1010, 1011, 1012 };
    EXPECT_EQ(order, expected);
    for (int id = res::kExpressionEdit; id <= res::kIntegrateButton; ++id)
        EXPECT_TRUE(view.GetDlgItem(id)->isEnabled()) << id;
}

TEST(CPlovexViewForm, StartsWithTheDefaults)
{
    CPlovexDoc document;
    CPlovexView view(document);
    EXPECT_EQ(view.m_xScale, 10.0f);
    EXPECT_EQ(view.m_yScale, 10.0f);
    EXPECT_EQ(view.m_quality, 10.0f);
    EXPECT_FALSE(view.m_noClear);
    EXPECT_FALSE(view.m_implicit);
    EXPECT_FALSE(view.m_derivative);
    for (const int id : { res::kXScaleEdit, res::kYScaleEdit, res::kQualityEdit })
        EXPECT_EQ(qobject_cast<QLineEdit*>(view.GetDlgItem(id))->text(), "10") << id;
    EXPECT_TRUE(qobject_cast<QLineEdit*>(view.GetDlgItem(res::kPostfixEdit))->isReadOnly());
    EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(view.GetDlgItem(res::kInfoEdit))->isReadOnly());
    EXPECT_NE(view.m_progress, nullptr);
    EXPECT_NE(view.m_graphArea, nullptr);
}

// ---- initial update and Plot --------------------------------------------------------------

TEST_F(ViewTest, ANewDocumentDrawsALineAlongTheXAxis)
{
    EXPECT_EQ(Text(res::kExpressionEdit), "");
    EXPECT_EQ(Text(res::kPostfixEdit), "");
    EXPECT_EQ(Text(res::kStatusStatic), "DONE");
    EXPECT_EQ(InfoText(view.m_info), "Maximum: 0.000000\r\nMinimum: 0.000000\r\nMean: 0.000000");
    EXPECT_EQ(Text(res::kInfoEdit), "Maximum: 0.000000\nMinimum: 0.000000\nMean: 0.000000");
    for (int x = 0; x < 2 * Hw(); ++x)
        ASSERT_TRUE(Blue(x, Hh())) << x;
    EXPECT_EQ(Picture().pixel(0, 0), qRgb(0, 0, 0)); // the border
    EXPECT_EQ(Picture().pixel(1, 1), qRgb(250, 240, 230)); // the background
    EXPECT_EQ(Picture().pixel(Hw(), 1), qRgb(0, 0, 0)); // the y-axis
    EXPECT_NE(Picture().pixel(W() - 20, H() - 20), qRgb(250, 240, 230)); // the icon
    EXPECT_EQ(view.m_progress->minimum(), -Hw());
    EXPECT_EQ(view.m_progress->maximum(), Hw());
    EXPECT_EQ(view.m_progress->value(), Hw());
}

TEST(CPlovexViewInitialUpdate, AnOpenedDocumentIsParsedAndDrawnAtOnce)
{
    FakeMessages messages;
    CPlovexDoc document;
    document.SetExpression("x^2");
    CPlovexView view(document);
    view.OnInitialUpdate();
    EXPECT_EQ(view.m_expression, "x^2");
    EXPECT_EQ(qobject_cast<QLineEdit*>(view.GetDlgItem(res::kExpressionEdit))->text(), "x^2");
    EXPECT_EQ(qobject_cast<QLineEdit*>(view.GetDlgItem(res::kPostfixEdit))->text(), "x(2.000000)^");
    EXPECT_EQ(view.m_status, "DONE");
    EXPECT_TRUE(messages.messages.empty());
}

TEST(CPlovexViewInitialUpdate, ADocumentInYNeedsImplicitModeFirst)
{
    FakeMessages messages;
    CPlovexDoc document;
    document.SetExpression("x*y");
    CPlovexView view(document);
    view.OnInitialUpdate();
    EXPECT_EQ(messages.messages,
        Strings { "Parse Error: Variable 'y' allowed only in implicit functions." });
    EXPECT_EQ(view.m_status, "DONE"); // drawn all the same
    qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kImplicitCheck))->click();
    qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kPlotButton))->click();
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(view.m_postfix, "xy*");
}

TEST_F(ViewTest, PlotReadsParsesDrawsAndPushes)
{
    Type(res::kQualityEdit, "1");
    Plot("3");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(document.Expression(), "3");
    EXPECT_EQ(Text(res::kPostfixEdit), "(3.000000)");
    EXPECT_EQ(Text(res::kStatusStatic), "DONE");
    EXPECT_EQ(Text(res::kInfoEdit).rfind("Maximum: 3.000000\nMinimum: 3.000000\nMean: ", 0), 0u)
        << Text(res::kInfoEdit);
    EXPECT_EQ(view.m_quality, 1.0f);
    EXPECT_FALSE(view.m_derivative);
    EXPECT_TRUE(Blue(Hw(), Hh() - 30));
    EXPECT_FALSE(Blue(Hw(), Hh()));
}

TEST_F(ViewTest, EnterInAnEditableBoxPlots)
{
    const int boxes[]
        = { res::kExpressionEdit, res::kXScaleEdit, res::kYScaleEdit, res::kQualityEdit };
    for (const int id : boxes) {
        SCOPED_TRACE(id);
        Type(res::kExpressionEdit, "x");
        Click(res::kPlotButton);
        Type(res::kExpressionEdit, "x^2");
        QTest::keyClick(Box(id), Qt::Key_Return);
        EXPECT_EQ(Text(res::kPostfixEdit), "x(2.000000)^");
    }
    Type(res::kExpressionEdit, "x");
    QTest::keyClick(Box(res::kPostfixEdit), Qt::Key_Return); // read-only: nothing to plot
    EXPECT_EQ(Text(res::kPostfixEdit), "x(2.000000)^");
}

TEST_F(ViewTest, PlotDrawsEvenAfterAParseError)
{
    Plot("x");
    // An unknown name is first offered as a parameter; No leaves the parse error.
    messages.answers.push_back(false);
    Plot("sinn(x)");
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.messages, Strings { "Parse Error: Unrecognised function 'sinn'." });
    EXPECT_EQ(document.Expression(), "sinn(x)");
    EXPECT_EQ(Text(res::kPostfixEdit), "x"); // the last successful parse's
    EXPECT_EQ(Text(res::kStatusStatic), "DONE");
    // The queue the failed parse left is empty: 0 everywhere.
    EXPECT_TRUE(Blue(10, Hh()));
    EXPECT_TRUE(Blue(W() - 50, Hh()));
}

TEST_F(ViewTest, PlotGoesOnWithTheFieldsReadBeforeABadNumber)
{
    SetCheck(res::kNoClearCheck, true);
    Type(res::kXScaleEdit, "abc");
    Type(res::kYScaleEdit, "20");
    Type(res::kQualityEdit, "5");
    SetCheck(res::kImplicitCheck, true);
    Plot("x");
    EXPECT_EQ(messages.messages, Strings { "Please enter a number." });
    EXPECT_EQ(view.m_expression, "x");
    EXPECT_TRUE(view.m_noClear);
    EXPECT_EQ(view.m_xScale, 10.0f);
    EXPECT_EQ(view.m_yScale, 10.0f);
    EXPECT_EQ(view.m_quality, 10.0f);
    EXPECT_FALSE(view.m_implicit);
    EXPECT_EQ(Text(res::kPostfixEdit), "x");
    EXPECT_EQ(Text(res::kStatusStatic), "DONE");
    // The push after the rendering shows the fields as they are.
    EXPECT_EQ(Text(res::kXScaleEdit), "10");
    EXPECT_EQ(Text(res::kYScaleEdit), "10");
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kImplicitCheck))->isChecked());
}

TEST_F(ViewTest, DoNotClearDrawsOverThePreviousGraph)
{
    Plot("5");
    SetCheck(res::kNoClearCheck, true);
    Plot("0-5");
    EXPECT_TRUE(Blue(Hw() + 20, Hh() - 50));
    EXPECT_TRUE(Blue(Hw() + 20, Hh() + 50));
    SetCheck(res::kNoClearCheck, false);
    Plot("0-5");
    EXPECT_FALSE(Blue(Hw() + 20, Hh() - 50));
}

// ---- the scale buttons ---------------------------------------------------------------------

TEST_F(ViewTest, ScaleButtonsAddOrSubtractOneAndRedraw)
{
    const struct {
        int button;
        int box;
        float FormFields::*scale;
        const char* shown;
    } cases[] = {
        { res::kXScaleUpButton, res::kXScaleEdit, &FormFields::m_xScale, "11" },
        { res::kXScaleDownButton, res::kXScaleEdit, &FormFields::m_xScale, "9" },
        { res::kYScaleUpButton, res::kYScaleEdit, &FormFields::m_yScale, "11" },
        { res::kYScaleDownButton, res::kYScaleEdit, &FormFields::m_yScale, "9" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        Type(c.box, "10");
        Plot("x");
        const QImage before = Picture();
        Click(c.button);
        EXPECT_EQ(Text(c.box), c.shown);
        EXPECT_EQ(view.*c.scale, std::stof(c.shown));
        EXPECT_NE(Picture(), before);
        EXPECT_EQ(Text(res::kStatusStatic), "DONE");
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ViewTest, ScaleGoesToZeroAndBelowWithNoLimit)
{
    Plot("x");
    for (int i = 0; i < 10; ++i)
        Click(res::kXScaleDownButton);
    EXPECT_EQ(Text(res::kXScaleEdit), "0");
    EXPECT_EQ(view.m_xScale, 0.0f);
    Click(res::kXScaleDownButton);
    EXPECT_EQ(Text(res::kXScaleEdit), "-1");
    for (int i = 0; i < 9; ++i)
        Click(res::kXScaleDownButton);
    EXPECT_EQ(view.m_xScale, -10.0f);
    // Mirrored: 100 pixels right of the centre is x = -10.
    EXPECT_TRUE(BlueInColumn(Hw() + 100, Hh() + 99, Hh() + 101));
    EXPECT_FALSE(BlueInColumn(Hw() + 100, Hh() - 102, Hh() - 98));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ViewTest, AScaleButtonDoesNothingAfterABadNumber)
{
    const int badBoxes[] = { res::kXScaleEdit, res::kYScaleEdit, res::kQualityEdit };
    for (const int box : badBoxes) {
        SCOPED_TRACE(box);
        messages.messages.clear();
        Plot("x");
        const QImage before = Picture();
        Type(box, "1..2");
        Click(res::kXScaleUpButton);
        EXPECT_EQ(messages.messages, Strings { "Please enter a number." });
        EXPECT_EQ(view.m_xScale, 10.0f);
        EXPECT_EQ(Text(box), "1..2"); // nothing is pushed
        EXPECT_EQ(Picture(), before); // nothing is drawn
        Type(box, "10");
    }
}

TEST_F(ViewTest, AScaleButtonRedrawsThePreviouslyParsedExpression)
{
    Plot("x");
    Type(res::kExpressionEdit, "x^2");
    Click(res::kXScaleUpButton);
    EXPECT_EQ(document.Expression(), "x");
    EXPECT_EQ(Text(res::kPostfixEdit), "x");
    EXPECT_EQ(Text(res::kExpressionEdit), "x^2"); // as typed, not parsed
    // x = 5 is 55 pixels right of the centre at an X scale of 11; y = x is 50 pixels up.
    EXPECT_TRUE(BlueInColumn(Hw() + 55, Hh() - 52, Hh() - 49));
}

TEST_F(ViewTest, FormsOfOneDocumentShareItsQueueButNotTheirFields)
{
    CPlovexView second(document);
    second.OnInitialUpdate();
    Plot("x");
    qobject_cast<QLineEdit*>(second.GetDlgItem(res::kExpressionEdit))->setText("5");
    qobject_cast<QAbstractButton*>(second.GetDlgItem(res::kPlotDerivativeButton))->click();
    EXPECT_TRUE(second.m_derivative);
    EXPECT_FALSE(view.m_derivative);
    Click(res::kXScaleUpButton);
    EXPECT_EQ(view.m_xScale, 11.0f);
    EXPECT_EQ(second.m_xScale, 10.0f);
    // The scale button draws the queue the other form parsed last: the constant 5.
    EXPECT_TRUE(Blue(Hw() + 100, Hh() - 50));
    EXPECT_EQ(Text(res::kPostfixEdit), "x");
}

// ---- derivative mode -----------------------------------------------------------------------

TEST_F(ViewTest, DerivativeModeLastsUntilPlotEvaluateOrIntegrate)
{
    // Near x = 1 (10 pixels right of the centre) x^2 is about 10 pixels up, its
    // derivative about 20.
    const auto drawsFunction = [this] { return BlueInColumn(Hw() + 10, Hh() - 13, Hh() - 10); };
    const auto drawsDerivative = [this] { return BlueInColumn(Hw() + 10, Hh() - 23, Hh() - 20); };
    Type(res::kExpressionEdit, "x^2");
    Click(res::kPlotDerivativeButton);
    EXPECT_TRUE(view.m_derivative);
    EXPECT_TRUE(drawsDerivative());
    Click(res::kXScaleUpButton);
    Click(res::kXScaleDownButton);
    EXPECT_TRUE(drawsDerivative());
    EXPECT_FALSE(drawsFunction());
    EXPECT_EQ(ReadoutAt(Hw() + 10, Hh() - 10), "(1,1)"); // f'(1) = 2.01

    messages.Script(TypeAndOk("1"));
    Click(res::kEvaluateButton);
    EXPECT_FALSE(view.m_derivative);
    Click(res::kXScaleUpButton);
    Click(res::kXScaleDownButton);
    EXPECT_TRUE(drawsFunction());
    EXPECT_FALSE(drawsDerivative());
    EXPECT_EQ(ReadoutAt(Hw() + 10, Hh() - 10), "(1,1) *"); // f(1) = 1

    messages.Script(TypeAndOk("1"));
    Click(res::kEvalDerivativeButton);
    EXPECT_TRUE(view.m_derivative);
    Click(res::kXScaleUpButton);
    Click(res::kXScaleDownButton);
    EXPECT_TRUE(drawsDerivative());

    Click(res::kPlotButton);
    EXPECT_FALSE(view.m_derivative);
    EXPECT_TRUE(drawsFunction());
    EXPECT_EQ(messages.messages, (Strings { "1.000000", "2.010000" }));
}

// ---- implicit mode -------------------------------------------------------------------------

TEST_F(ViewTest, ImplicitModeDisablesTheExplicitOnlyControls)
{
    const int explicitOnly[] = { res::kEvaluateButton, res::kEvalDerivativeButton,
        res::kIntegrateButton, res::kPlotDerivativeButton, res::kQualityEdit };
    const int always[] = { res::kPlotButton, res::kXScaleUpButton, res::kXScaleDownButton,
        res::kYScaleUpButton, res::kYScaleDownButton, res::kXScaleEdit, res::kYScaleEdit };
    const QImage before = Picture();
    Click(res::kImplicitCheck);
    EXPECT_TRUE(view.m_implicit);
    for (const int id : explicitOnly)
        EXPECT_FALSE(view.GetDlgItem(id)->isEnabled()) << id;
    for (const int id : always)
        EXPECT_TRUE(view.GetDlgItem(id)->isEnabled()) << id;
    EXPECT_EQ(Picture(), before); // nothing is drawn
    Click(res::kImplicitCheck);
    EXPECT_FALSE(view.m_implicit);
    for (const int id : explicitOnly)
        EXPECT_TRUE(view.GetDlgItem(id)->isEnabled()) << id;
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ViewTest, ImplicitSwitchAfterABadNumberKeepsTheOldMode)
{
    Type(res::kQualityEdit, "ten");
    Click(res::kImplicitCheck);
    EXPECT_EQ(messages.messages, Strings { "Please enter a number." });
    EXPECT_FALSE(view.m_implicit); // the check box is read after the numbers
    EXPECT_TRUE(view.GetDlgItem(res::kEvaluateButton)->isEnabled());
}

TEST_F(ViewTest, ImplicitPlotDrawsACircle)
{
    Click(res::kImplicitCheck);
    Plot("x^2+y^2-25");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(Blue(Hw() + 50, Hh()));
    EXPECT_TRUE(Blue(Hw(), Hh() - 50));
    EXPECT_FALSE(Blue(Hw(), Hh()));
}

// ---- the readout ---------------------------------------------------------------------------

TEST_F(ViewTest, ReadoutAtTheCentreMarksAPointOnTheCurve)
{
    Plot("x");
    EXPECT_EQ(ReadoutAt(Hw(), Hh()), "(0,0) *");
    Plot("5");
    EXPECT_EQ(ReadoutAt(Hw(), Hh()), "(0,0)");
    Plot("0.5");
    EXPECT_EQ(ReadoutAt(Hw(), Hh()), "(0,0) *");
}

TEST_F(ViewTest, ReadoutCutsTowardsZero)
{
    Plot("5");
    for (int offset = -9; offset <= 9; ++offset) {
        SCOPED_TRACE(offset);
        EXPECT_EQ(ReadoutAt(Hw() + offset, Hh() - offset), "(0,0)");
    }
    EXPECT_EQ(ReadoutAt(Hw() + 10, Hh()), "(1,0)");
    EXPECT_EQ(ReadoutAt(Hw() - 10, Hh()), "(-1,0)");
    EXPECT_EQ(ReadoutAt(Hw() + 25, Hh() + 47), "(2,-4)");
    EXPECT_EQ(ReadoutAt(Hw(), Hh() - 50), "(0,5) *");
}

TEST_F(ViewTest, ReadoutCountsOnlyTheClientRectangle)
{
    Plot("5");
    const struct {
        int x;
        int y;
        bool inside;
    } points[] = {
        { 0, 0, true }, // left and top edges are inside
        { W() - 1, H() - 1, true },
        { -1, 10, false },
        { 10, -1, false },
        { W(), 10, false }, // right and bottom edges are outside
        { 10, H(), false },
    };
    for (const auto& point : points) {
        SCOPED_TRACE(std::to_string(point.x) + "," + std::to_string(point.y));
        view.m_status = "DONE";
        view.UpdateData(false);
        EXPECT_EQ(ReadoutAt(point.x, point.y) != "DONE", point.inside);
    }
}

TEST_F(ViewTest, ReadoutWithAZeroScaleShowsTheLowestInt)
{
    Plot("x");
    Type(res::kXScaleEdit, "0");
    EXPECT_EQ(ReadoutAt(Hw(), Hh()), "(-2147483648,0)");
    EXPECT_EQ(ReadoutAt(Hw() + 30, Hh() - 20), "(-2147483648,2)");
    Type(res::kXScaleEdit, "10");
    Type(res::kYScaleEdit, "0");
    EXPECT_EQ(ReadoutAt(Hw() - 30, Hh() + 20), "(-3,-2147483648)");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ViewTest, ReadoutNeverMarksAValueThatIsNotANumber)
{
    Plot("sqrt(0-1)");
    EXPECT_EQ(ReadoutAt(Hw(), Hh()), "(0,0)");
    EXPECT_EQ(ReadoutAt(Hw() + 40, Hh() - 30), "(4,3)");
}

TEST_F(ViewTest, ReadoutNeverPromptsAndLeavesTheBoxesAsTyped)
{
    Plot("x");
    Type(res::kXScaleEdit, "abc");
    Type(res::kYScaleEdit, "5");
    // The X scale keeps its value, the Y scale after the bad box is read: 10 pixels is 2 units.
    EXPECT_EQ(ReadoutAt(Hw() + 20, Hh() - 10), "(2,2) *");
    EXPECT_EQ(ReadoutAt(Hw() + 10, Hh() - 5), "(1,1) *");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(Text(res::kXScaleEdit), "abc");
    Type(res::kXScaleEdit, "");
    EXPECT_EQ(ReadoutAt(Hw() + 40, Hh()), "(4,0)");
    EXPECT_EQ(Text(res::kXScaleEdit), "");
    Type(res::kXScaleEdit, "1.");
    EXPECT_EQ(ReadoutAt(Hw() + 4, Hh()), "(4,0)");
    EXPECT_EQ(Text(res::kXScaleEdit), "1."); // a number being typed is left alone
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ViewTest, TheMouseReachesTheReadoutThroughTheGraphArea)
{
    Plot("x");
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QTest::mouseMove(&view, FormPoint(Hw() + 20, Hh() - 20));
    QCoreApplication::processEvents();
    EXPECT_EQ(Text(res::kStatusStatic), "(2,2) *");
    QTest::mouseMove(&view, FormPoint(Hw() - 20, Hh() - 30));
    QCoreApplication::processEvents();
    EXPECT_EQ(Text(res::kStatusStatic), "(-2,3)");
}

// ---- Evaluate, Eval dy/dx and Integrate ----------------------------------------------------

TEST_F(ViewTest, EvaluateShowsTheValueWithSixDecimals)
{
    const struct {
        const char* expression;
        int button;
        const char* x;
        const char* shown;
    } cases[] = {
        { "x^2", res::kEvaluateButton, "3", "9.000000" },
        { "x-x", res::kEvaluateButton, "5", "-0.000000" },
        { "x", res::kEvaluateButton, " 2.5 ", "2.500000" },
        { "1/x", res::kEvaluateButton, "0", "inf" },
        { "x", res::kEvaluateButton, "1e40", "inf" },
        { "sqrt(x)", res::kEvaluateButton, "-1", "nan" },
        { "x", res::kEvalDerivativeButton, "0", "1.000000" },
        { "x", res::kEvalDerivativeButton, "1", "0.999999" }, // x + h is rounded to float first
        { "x^2", res::kEvalDerivativeButton, "1", "2.010000" },
        { "7", res::kEvalDerivativeButton, "3", "0.000000" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.expression) + " at " + c.x);
        messages.messages.clear();
        Type(res::kExpressionEdit, c.expression);
        messages.Script(TypeAndOk(c.x));
        Click(c.button);
        EXPECT_EQ(messages.messages, Strings { c.shown });
        EXPECT_EQ(view.m_derivative, c.button == res::kEvalDerivativeButton);
    }
}

TEST_F(ViewTest, EvaluateAsksWithItsPromptAndParsesTheBox)
{
    Plot("x");
    Type(res::kExpressionEdit, "x^3");
    messages.Script(TypeAndOk("2"));
    Click(res::kEvaluateButton);
    messages.Script(TypeAndOk("2"));
    Click(res::kEvalDerivativeButton);
    ASSERT_EQ(messages.questions.size(), 2u);
    EXPECT_EQ(messages.questions[0].prompt, "Evaluate function for what value of x?");
    EXPECT_EQ(messages.questions[0].value, "0");
    EXPECT_EQ(messages.questions[1].prompt, "Evaluate dy/dx for what value of x?");
    EXPECT_EQ(messages.questions[1].value, "0"); // a new dialog each time
    EXPECT_EQ(messages.messages[0], "8.000000");
    EXPECT_EQ(document.Expression(), "x^3");
    EXPECT_EQ(Text(res::kPostfixEdit), "x(3.000000)^");
}

TEST_F(ViewTest, EvaluateShowsTheParseErrorThenTheValueOfWhatWasParsed)
{
    Type(res::kExpressionEdit, "sinn(x)");
    messages.Script(TypeAndOk("1"));
    Click(res::kEvaluateButton);
    EXPECT_EQ(
        messages.messages, (Strings { "Parse Error: Unrecognised function 'sinn'.", "0.000000" }));
}

TEST_F(ViewTest, EvaluateGoesOnAfterABadNumberInTheForm)
{
    Type(res::kExpressionEdit, "x^2");
    Type(res::kXScaleEdit, "wide");
    messages.Script(TypeAndOk("3"));
    Click(res::kEvaluateButton);
    EXPECT_EQ(messages.messages, (Strings { "Please enter a number.", "9.000000" }));
    EXPECT_EQ(Text(res::kXScaleEdit), "10"); // the push shows the field
}

TEST_F(ViewTest, TheInputDialogRefusesTextUntilANumberComes)
{
    Type(res::kExpressionEdit, "x^2");
    messages.Script(TypeAndOkEach({ "three", "", "3" }));
    Click(res::kEvaluateButton);
    EXPECT_EQ(messages.messages,
        (Strings { "Please enter a number.", "Please enter a number.", "9.000000" }));
}

TEST_F(ViewTest, ACancelledEvaluateChangesNothing)
{
    const int buttons[] = { res::kEvaluateButton, res::kEvalDerivativeButton };
    const FakeMessages::Answer cancels[] = { PressCancel(), PressEscape(), PressCloseBox() };
    for (const int button : buttons) {
        for (const bool derivative : { false, true }) {
            for (const auto& cancel : cancels) {
                SCOPED_TRACE(std::to_string(button) + (derivative ? " from dy/dx" : ""));
                Type(res::kExpressionEdit, "x^2");
                Click(derivative ? res::kPlotDerivativeButton : res::kPlotButton);
                Type(res::kExpressionEdit, "x^3");
                Type(res::kYScaleEdit, "bad");
                messages.Script(cancel);
                Click(button);
                EXPECT_EQ(view.m_derivative, derivative);
                EXPECT_EQ(document.Expression(), "x^2");
                EXPECT_EQ(Text(res::kPostfixEdit), "x(2.000000)^");
                EXPECT_EQ(Text(res::kYScaleEdit), "bad"); // the form is not even read
                EXPECT_TRUE(messages.messages.empty());
                Type(res::kYScaleEdit, "10");
            }
        }
    }
}

struct IntegralCase {
    const char* expression;
    const char* lower;
    const char* upper;
    const char* shown;
};

TEST_F(ViewTest, IntegrateShowsTheLeftRiemannSum)
{
    const IntegralCase cases[] = {
        { "1", "0", "1", "1.009999" }, // 101 samples
        { "x", "0", "1", "0.505000" },
        { "x", "2", "2", "0.000000" },
        { "x", "3", "1", "0.000000" },
    };
    for (const IntegralCase& c : cases) {
        SCOPED_TRACE(std::string(c.expression) + " from " + c.lower + " to " + c.upper);
        messages.messages.clear();
        messages.questions.clear();
        Plot(c.expression);
        messages.Script(TypeAndOk(c.lower));
        messages.Script(TypeAndOk(c.upper));
        Click(res::kIntegrateButton);
        EXPECT_EQ(messages.messages, Strings { c.shown });
        ASSERT_EQ(messages.questions.size(), 2u);
        EXPECT_EQ(messages.questions[0].prompt, "Enter lower limit for integration:");
        EXPECT_EQ(messages.questions[1].prompt, "Enter upper limit for integration:");
        EXPECT_FALSE(view.m_derivative);
    }
}

TEST_F(ViewTest, TheUpperLimitQuestionOpensWithTheLowerLimit)
{
    messages.Script(TypeAndOk("0.5"));
    messages.Script(TypeAndOk("1"));
    Click(res::kIntegrateButton);
    ASSERT_EQ(messages.questions.size(), 2u);
    EXPECT_EQ(messages.questions[0].value, "0");
    EXPECT_EQ(messages.questions[1].value, "0.5");
}

TEST_F(ViewTest, IntegrateParsesWhatTheBoxShows)
{
    Type(res::kExpressionEdit, "x^2");
    Click(res::kPlotDerivativeButton);
    Type(res::kExpressionEdit, "1");
    messages.Script(TypeAndOk("0"));
    messages.Script(TypeAndOk("1"));
    Click(res::kIntegrateButton);
    // The 1 typed since, not x^2 or its derivative: no result for a text no longer shown.
    EXPECT_EQ(messages.messages, Strings { "1.009999" });
    EXPECT_FALSE(view.m_derivative);
    EXPECT_EQ(document.Expression(), "1");
    EXPECT_EQ(Text(res::kPostfixEdit), "(1.000000)");
}

// A result that stops short of what was asked says so after the result, in the window too.
TEST_F(ViewTest, AnIntegralOrASweepThatStopsShortIsTold)
{
    Type(res::kExpressionEdit, "1");
    messages.Script(TypeAndOk("0"));
    messages.Script(TypeAndOk("1000000"));
    Click(res::kIntegrateButton);
    EXPECT_EQ(messages.messages,
        (Strings { "262144.000000",
            "The integral stopped at x = 262144.000000, short of the upper limit 1000000.000000: "
            "from there on adding the step 0.01 no longer changes x. The result is the integral "
            "up to that point." }));

    messages.messages.clear();
    Type(res::kQualityEdit, "100000");
    Click(res::kPlotButton);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].rfind("Fewer samples were drawn than the quality asks: at "
                                         "quality 100000 the step",
                  0),
        0u)
        << messages.messages[0];
    EXPECT_EQ(Text(res::kStatusStatic), "DONE");
}

TEST_F(ViewTest, ACancelledIntegrateChangesNothing)
{
    Type(res::kExpressionEdit, "x");
    Click(res::kPlotDerivativeButton);
    messages.Script(PressCancel());
    Click(res::kIntegrateButton);
    EXPECT_TRUE(view.m_derivative);
    messages.Script(TypeAndOk("0"));
    messages.Script(PressEscape());
    Click(res::kIntegrateButton);
    EXPECT_TRUE(view.m_derivative);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(messages.questions.size(), 3u);
}

// ---- what a person sees --------------------------------------------------------------------

TEST_F(ViewTest, TheGraphAreaPaintsItsLastPictureWheneverItIsRepainted)
{
    Plot("x*sin(x)");
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QRect client = view.m_graphArea->contentsRect();
    EXPECT_EQ(
        view.m_graphArea->grab(client).toImage().convertToFormat(QImage::Format_RGB32), Picture());
    view.hide();
    view.showMinimized();
    view.showNormal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(
        view.m_graphArea->grab(client).toImage().convertToFormat(QImage::Format_RGB32), Picture());
}

// Records what a control showed each time it was painted.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* watched) { watched->installEventFilter(this); }

    std::vector<std::string> texts;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            if (auto* label = qobject_cast<QLabel*>(watched))
                texts.push_back(label->text().toStdString());
        }
        return false;
    }
};

TEST_F(ViewTest, WorkingAndTheGrowingCurveShowWhileARenderingRuns)
{
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::processEvents();
    PaintRecorder status(view.GetDlgItem(res::kStatusStatic));
    PaintRecorder area(view.m_graphArea);
    // Millions of samples: long enough for the form to be painted while they are taken.
    Type(res::kQualityEdit, "20000");
    Plot("sin(x)");
    ASSERT_FALSE(status.texts.empty());
    EXPECT_EQ(status.texts.front(), "WORKING");
    EXPECT_GE(area.paints, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(status.texts.back(), "DONE");
    EXPECT_EQ(view.m_graphArea->grab(view.m_graphArea->contentsRect())
                  .toImage()
                  .convertToFormat(QImage::Format_RGB32),
        Picture());
}

TEST_F(ViewTest, ARenderingHandlesNoInputUntilItEnds)
{
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QWidget* minus = view.GetDlgItem(res::kXScaleDownButton);
    const QPoint centre = minus->rect().center();
    QCoreApplication::postEvent(minus,
        new QMouseEvent(QEvent::MouseButtonPress, centre, minus->mapToGlobal(centre),
            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(minus,
        new QMouseEvent(QEvent::MouseButtonRelease, centre, minus->mapToGlobal(centre),
            Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    Plot("x");
    EXPECT_EQ(view.m_xScale, 10.0f); // the click waits for the rendering
    QCoreApplication::processEvents();
    EXPECT_EQ(view.m_xScale, 9.0f);
}

TEST_F(ViewTest, NumbersUseAPointInEveryLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "the German locale is not available";
    const QLocale savedQtLocale;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Type(res::kXScaleEdit, "2.5");
    Click(res::kXScaleUpButton);
    EXPECT_EQ(Text(res::kXScaleEdit), "3.5");
    EXPECT_EQ(view.m_xScale, 3.5f);
    Type(res::kExpressionEdit, "x/2");
    messages.Script(TypeAndOk("1.5"));
    Click(res::kEvaluateButton);
    EXPECT_EQ(Text(res::kPostfixEdit), "x(2.000000)/");
    EXPECT_EQ(messages.messages, Strings { "0.750000" });
    EXPECT_EQ(InfoText(view.m_info).find(','), std::string::npos) << InfoText(view.m_info);
    std::setlocale(LC_ALL, saved.c_str());
    QLocale::setDefault(savedQtLocale);
}

} // namespace
} // namespace plovex

namespace plovex {
namespace {

// ---- moving around the graph ----------------------------------------------------------------

void Wheel(QWidget& view, const QPoint& at, int delta, Qt::KeyboardModifiers modifiers = {})
{
    QWheelEvent event(at, view.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &event);
}

void Mouse(QWidget& view, QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, view.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

// The wheel keeps the readout under the pointer, a drag moves the picture by its distance, a
// click moves nothing, and Back and Forward give back each earlier picture exactly.
TEST_F(ViewTest, WheelDragAndHistory)
{
    // One sample per column: a pan by whole pixels then moves the picture exactly.
    Type(res::kQualityEdit, "1");
    Plot("x*sin(x)");
    const QImage start = Picture();
    const QPoint pointer = FormPoint(Hw() + 120, Hh() - 40);
    const std::string under = ReadoutAt(Hw() + 120, Hh() - 40);
    const struct {
        int delta;
        Qt::KeyboardModifiers modifiers;
        const char* xScale;
        const char* yScale;
    } notches[] = {
        { 120, Qt::NoModifier, "12.5", "12.5" },
        { 60, Qt::NoModifier, "12.5", "12.5" }, // half a notch waits for the other half
        { 60, Qt::NoModifier, "15.625", "15.625" },
        { -120, Qt::ShiftModifier, "12.5", "15.625" },
        { -120, Qt::ControlModifier, "12.5", "12.5" },
    };
    for (const auto& n : notches) {
        SCOPED_TRACE(n.delta);
        Wheel(view, pointer, n.delta, n.modifiers);
        EXPECT_EQ(Text(res::kXScaleEdit), n.xScale);
        EXPECT_EQ(Text(res::kYScaleEdit), n.yScale);
        EXPECT_EQ(ReadoutAt(Hw() + 120, Hh() - 40), under);
    }
    EXPECT_EQ(view.History().Size(), 2u); // one run of notches
    const QImage zoomed = Picture();
    const double xOffset = view.m_xOffset;
    const double yOffset = view.m_yOffset;

    Mouse(view, QEvent::MouseButtonPress, pointer, Qt::LeftButton);
    Mouse(view, QEvent::MouseButtonRelease, pointer, Qt::NoButton);
    EXPECT_EQ(Picture(), zoomed); // a click is no drag
    Mouse(view, QEvent::MouseButtonPress, pointer, Qt::LeftButton);
    Mouse(view, QEvent::MouseMove, pointer + QPoint(17, -9), Qt::LeftButton);
    Mouse(view, QEvent::MouseButtonRelease, pointer + QPoint(17, -9), Qt::NoButton);
    EXPECT_EQ(view.m_xOffset, xOffset - 17.0);
    EXPECT_EQ(view.m_yOffset, yOffset - 9.0);
    // Away from the border and the icon, which stay where they are.
    EXPECT_EQ(Picture().copy(18, 1, W() - 60, H() - 50), zoomed.copy(1, 10, W() - 60, H() - 50));
    const QImage dragged = Picture();
    EXPECT_EQ(view.History().Size(), 3u);

    view.OnViewBack();
    EXPECT_EQ(Picture(), zoomed);
    view.OnViewBack();
    EXPECT_EQ(Picture(), start);
    EXPECT_EQ(Text(res::kXScaleEdit), "10");
    EXPECT_FALSE(view.CanGoBack());
    view.OnViewForward();
    view.OnViewForward();
    EXPECT_EQ(Picture(), dragged);
    view.OnResetView();
    EXPECT_EQ(Picture(), start);
    EXPECT_FALSE(view.CanGoForward());
    EXPECT_TRUE(messages.messages.empty());
}

// A zoom the scale cannot take is refused with a note and changes nothing.
TEST_F(ViewTest, ARefusedZoomSaysWhy)
{
    QStringList notes;
    QObject::connect(&view, &CPlovexView::Message, [&](const QString& text) { notes << text; });
    Type(res::kXScaleEdit, "3e38");
    Plot("x");
    const QImage before = Picture();
    view.OnZoomIn();
    EXPECT_EQ(Text(res::kXScaleEdit), "3e+38");
    EXPECT_EQ(Picture(), before);
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes.first(), "Cannot zoom in further: the scale would become infinite.");
    EXPECT_EQ(view.History().Size(), 2u); // the typed scale, not the refused zoom
    // Far from the origin the floats run out before the scale does.
    Type(res::kXScaleEdit, "1000");
    Plot("x");
    view.m_xOffset = 1e9;
    view.OnZoomIn();
    ASSERT_EQ(notes.size(), 2);
    EXPECT_EQ(
        notes.last(), "Cannot zoom in further: neighbouring pixels would show the same value.");
}

} // namespace
} // namespace plovex
