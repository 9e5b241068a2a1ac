#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "app/DocumentTemplate.h"
#include "document/DocumentCodec.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "help/CHelpDlg.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QUrl>
#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace plovex {
namespace {

using Answer = FileDialogService::SaveAnswer;

std::vector<std::string> Titles(const CMainFrame& frame)
{
    std::vector<std::string> titles;
    for (const CChildFrame* child : frame.ChildFrames())
        titles.push_back(ShownTitle(*child).toStdString());
    return titles;
}

// A menu as a person reads it: each visible item with its shortcut and command id, "-" for
// a separator.
std::vector<std::string> Items(const QMenu& menu)
{
    std::vector<std::string> items;
    for (const QAction* action : menu.actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator()) {
            items.push_back("-");
            continue;
        }
        QString item = action->text();
        if (!action->shortcut().isEmpty())
            item += "\t" + action->shortcut().toString();
        item += QString(" (%1)").arg(action->data().toInt());
        items.push_back(item.toStdString());
    }
    return items;
}

std::vector<std::string> MenuBar(const CMainFrame& frame)
{
    std::vector<std::string> titles;
    for (const QAction* action : frame.menuBar()->actions())
        titles.push_back(action->text().toStdString());
    return titles;
}

QMenu& Menu(const CMainFrame& frame, const QString& title)
{
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->text() == title)
            return *action->menu();
    }
    ADD_FAILURE() << "no menu " << title.toStdString();
    static QMenu none;
    return none;
}

QByteArray Document(const QByteArray& expression)
{
    return char(expression.size()) + expression;
}

QLineEdit& ExpressionBox(CChildFrame& frame)
{
    return *qobject_cast<QLineEdit*>(ViewOf(frame).GetDlgItem(res::kExpressionEdit));
}

// Files written meanwhile may grow to `bytes` only; writes beyond fail with EFBIG instead
// of the signal that would end the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_previous {};
    void (*m_handler)(int);
};

TEST_F(ShellTest, StartsMaximisedWithOneNewPlottedGraph)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    const CMainFrame& frame = app.MainFrame();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(frame.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(ShownTitle(frame), "Plovex 2 - Graph1");
    EXPECT_EQ(Titles(frame), std::vector<std::string> { "Graph1" });
    EXPECT_EQ(frame.MessagePane()->text(), "Ready");
    EXPECT_FALSE(frame.HelpWindow().isVisible());
    // The empty expression has been plotted: the statistics of the line y = 0.
    const CPlovexView& view = ViewOf(Active(app));
    EXPECT_EQ(InfoText(view.m_info), "Maximum: 0.000000\r\nMinimum: 0.000000\r\nMean: 0.000000");
    EXPECT_FALSE(Active(app).GetDocument().IsModified());
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(ShellTest, MenusWithAndWithoutAGraph)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    const CMainFrame& frame = app.MainFrame();
    EXPECT_EQ(MenuBar(frame),
        (std::vector<std::string> { "&File", "&Edit", "&View", "&Tools", "&Window", "&Help" }));
    EXPECT_EQ(Items(Menu(frame, "&Edit")),
        (std::vector<std::string> { "&Undo\tCtrl+Z (57643)", "&Redo\tCtrl+Shift+Z (57644)", "-",
            "Cu&t\tCtrl+X (57635)", "&Copy\tCtrl+C (57634)", "&Paste\tCtrl+V (57637)" }));
    EXPECT_EQ(Items(Menu(frame, "&Tools")),
        (std::vector<std::string> { "Find &Roots (32790)", "Find &Extrema (32791)",
            "Find &Intersections (32792)", "-", "&Table of Values... (32793)" }));
    EXPECT_EQ(Items(Menu(frame, "&File")),
        (std::vector<std::string> { "&New\tCtrl+N (57600)", "&Open...\tCtrl+O (57601)",
            "&Close (57602)", "&Save\tCtrl+S (57603)", "Save &As... (57604)",
            "&Export Graph... (32772)", "-", "&Print...\tCtrl+P (57607)",
            "Print Pre&view... (57609)", "-", "Recent File (57616)", "-", "E&xit (57665)" }));
    EXPECT_EQ(Items(Menu(frame, "&View")),
        (std::vector<std::string> { "&Toolbar (59392)", "&Status Bar (59393)",
            "&Grid\tCtrl+G (32780)", "&Function List (32800)", "&Parameter List (32840)", "-",
            "Zoom &In\tCtrl++ (32820)", "Zoom &Out\tCtrl+- (32821)", "&Reset View\tCtrl+0 (32822)",
            "&Equal Scales (32823)", "-", "&Back\tAlt+Left (32824)", "For&ward\tAlt+Right (32825)",
            "-", "F&ull Screen Graph\tF11 (32826)" }));
    EXPECT_EQ(Items(Menu(frame, "&Window")),
        (std::vector<std::string> { "&New Window (57648)", "&Cascade (57650)", "&Tile (57651)",
            "&Arrange Icons (57649)" }));
    EXPECT_EQ(Items(Menu(frame, "&Help")),
        (std::vector<std::string> { "&Using Plovex\tF1 (32771)", "&About Plovex... (57664)" }));

    Trigger(app, res::kCmdFileClose);
    DeleteClosedWindows();
    EXPECT_EQ(app.Template().Documents().size(), 0u);
    EXPECT_EQ(ShownTitle(frame), "Plovex 2");
    EXPECT_EQ(MenuBar(frame), (std::vector<std::string> { "&File", "&View", "&Help" }));
    EXPECT_EQ(Items(Menu(frame, "&File")),
        (std::vector<std::string> { "&New\tCtrl+N (57600)", "&Open...\tCtrl+O (57601)", "-",
            "Recent File (57616)", "-", "E&xit (57665)" }));
    // The toolbar's buttons and the keys that act on a graph.
    for (const int id : { res::kCmdFileSave, res::kCmdFilePrint, res::kCmdEditCopy }) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(frame.Action(id)->isEnabled());
    }

    Trigger(app, res::kCmdFileNew);
    EXPECT_EQ(MenuBar(frame),
        (std::vector<std::string> { "&File", "&Edit", "&View", "&Tools", "&Window", "&Help" }));
    for (const int id : { res::kCmdFileSave, res::kCmdFilePrint, res::kCmdEditCopy }) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(frame.Action(id)->isEnabled());
    }
}

TEST_F(ShellTest, ToolbarOrderPromptsAndButtons)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    struct Button {
        int id; // 0: a separator
        bool enabled;
        const char* tooltip;
        const char* prompt;
    };
    const Button expected[] = {
        { 57600, true, "New", "Create a new document" },
        { 57601, true, "Open", "Open an existing document" },
        { 57603, true, "Save", "Save the active document" },
        { 0, false, "", "" },
        // The expression box has the focus: Cut and Paste act on it.
        { 57635, true, "Cut", "Cut the selection and put it on the Clipboard" },
        { 57634, true, "Copy", "Copy the selection and put it on the Clipboard" },
        { 57637, true, "Paste", "Insert Clipboard contents" },
        { 0, false, "", "" },
        { 57607, true, "Print", "Print the active graph" },
        { 0, false, "", "" },
        { 57664, true, "About", "Display program information, version number and copyright" },
    };
    const QList<QAction*> actions = app.MainFrame().ToolBar()->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(std::size(expected)));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const Button& button = expected[i];
        SCOPED_TRACE(button.tooltip);
        if (button.id == 0) {
            EXPECT_TRUE(actions[i]->isSeparator());
            continue;
        }
        EXPECT_EQ(actions[i]->data().toInt(), button.id);
        EXPECT_EQ(actions[i]->isEnabled(), button.enabled);
        EXPECT_EQ(actions[i]->toolTip(), button.tooltip);
        EXPECT_EQ(actions[i]->statusTip(), button.prompt);
        EXPECT_FALSE(actions[i]->icon().isNull());
    }
}

TEST_F(ShellTest, StatusBarShowsPromptsOverReadyAndTheLockKeys)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    struct Prompt {
        int id;
        const char* text;
    };
    const Prompt prompts[] = {
        { 57602, "Close the active document" },
        { 57604, "Save the active document with a new name" },
        { 57665, "Quit the application; prompts to save documents" },
        { 59392, "Show or hide the toolbar" },
        { 59393, "Show or hide the status bar" },
        { 57648, "Open another window for the active document" },
        { 57650, "Arrange windows so they overlap" },
        { 57651, "Arrange windows as non-overlapping tiles" },
        { 57649, "Arrange icons at the bottom of the window" },
        { 32771, "Open the help" },
    };
    for (const Prompt& prompt : prompts) {
        SCOPED_TRACE(prompt.id);
        QAction* action = frame.Action(prompt.id);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->statusTip(), prompt.text);
        // What a menu sends while the pointer rests on the item.
        action->showStatusText(&frame);
        EXPECT_EQ(frame.statusBar()->currentMessage(), prompt.text);
        EXPECT_TRUE(frame.MessagePane()->isHidden());
        QStatusTipEvent leave { QString() };
        QApplication::sendEvent(&frame, &leave);
        EXPECT_EQ(frame.statusBar()->currentMessage(), "");
        EXPECT_FALSE(frame.MessagePane()->isHidden());
        EXPECT_EQ(frame.MessagePane()->text(), "Ready");
    }

    frame.SetKeyLocks({ true, false, true });
    EXPECT_EQ(frame.Indicator(res::kStrIndicatorCaps)->text(), "CAP");
    EXPECT_EQ(frame.Indicator(res::kStrIndicatorNum)->text(), "");
    EXPECT_EQ(frame.Indicator(res::kStrIndicatorScroll)->text(), "SCRL");
    frame.SetKeyLocks({ false, true, false });
    EXPECT_EQ(frame.Indicator(res::kStrIndicatorCaps)->text(), "");
    EXPECT_EQ(frame.Indicator(res::kStrIndicatorNum)->text(), "NUM");
    EXPECT_EQ(frame.Indicator(res::kStrIndicatorScroll)->text(), "");

    frame.Action(res::kCmdViewStatusBar)->trigger();
    EXPECT_TRUE(frame.statusBar()->isHidden());
    frame.Action(res::kCmdViewToolbar)->trigger();
    EXPECT_TRUE(frame.ToolBar()->isHidden());
    frame.Action(res::kCmdViewToolbar)->trigger();
    EXPECT_FALSE(frame.ToolBar()->isHidden());
    EXPECT_TRUE(frame.Action(res::kCmdViewToolbar)->isChecked());
}

TEST_F(ShellTest, AcceleratorsAndEditingKeysInTheExpressionBox)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    struct Key {
        QKeySequence key;
        int id;
    };
    const Key keys[] = {
        { QKeySequence("Ctrl+N"), 57600 },
        { QKeySequence("Ctrl+O"), 57601 },
        { QKeySequence("Ctrl+S"), 57603 },
        { QKeySequence("Ctrl+Z"), 57643 },
        { QKeySequence("Ctrl+X"), 57635 },
        { QKeySequence("Ctrl+C"), 57634 },
        { QKeySequence("Ctrl+V"), 57637 },
        { QKeySequence("Alt+Backspace"), 57643 },
        { QKeySequence("Ctrl+Shift+Z"), 57644 },
        { QKeySequence("Ctrl+Y"), 57644 },
        { QKeySequence("Shift+Del"), 57635 },
        { QKeySequence("Ctrl+Ins"), 57634 },
        { QKeySequence("Shift+Ins"), 57637 },
        { QKeySequence("F6"), 57680 },
        { QKeySequence("Shift+F6"), 57681 },
    };
    for (const Key& key : keys) {
        SCOPED_TRACE(key.key.toString().toStdString());
        const QAction* action = app.MainFrame().Action(key.id);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->shortcuts().contains(key.key));
    }

    // The editing keys work in the box as in any text box.
    auto* box = qobject_cast<QLineEdit*>(ViewOf(Active(app)).GetDlgItem(res::kExpressionEdit));
    box->setFocus();
    QTest::keyClicks(box, "x+1");
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "x+1x+1");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "x+1");
}

TEST_F(ShellTest, NewDocumentsAreNumberedAndTheirWindowsKeepTheFormSize)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    Trigger(app, res::kCmdFileNew);
    Trigger(app, res::kCmdFileNew);
    EXPECT_EQ(Titles(app.MainFrame()), (std::vector<std::string> { "Graph1", "Graph2", "Graph3" }));
    EXPECT_EQ(ShownTitle(app.MainFrame()), "Plovex 2 - Graph3");

    CChildFrame& child = Active(app);
    const QSize size = child.size();
    EXPECT_EQ(child.minimumSize(), size);
    EXPECT_EQ(child.maximumSize(), size);
    // The whole form shows, with the window's title bar and borders around it.
    EXPECT_TRUE(child.rect().contains(child.widget()->geometry()));
    EXPECT_EQ(child.widget()->size(), child.widget()->sizeHint());
    EXPECT_FALSE(child.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(child.windowFlags() & Qt::WindowMinimizeButtonHint);
    for (const QAction* action : child.systemMenu()->actions()) {
        const QString text = action->text().remove('&');
        EXPECT_NE(text, "Size");
        EXPECT_NE(text, "Maximize");
        EXPECT_NE(text, "Stay on Top");
    }
    child.resize(size + QSize(50, 50));
    EXPECT_EQ(child.size(), size);
    child.showMinimized();
    EXPECT_TRUE(child.isMinimized());
    child.showNormal();
    EXPECT_EQ(child.size(), size);
    EXPECT_EQ(child.minimumSize(), size);
    EXPECT_EQ(child.maximumSize(), size);

    // Closing a document never frees its number: the next new one is Graph4.
    child.close();
    DeleteClosedWindows();
    Trigger(app, res::kCmdFileNew);
    EXPECT_EQ(Titles(app.MainFrame()), (std::vector<std::string> { "Graph1", "Graph2", "Graph4" }));
}

TEST_F(ShellTest, NewWindowGivesASecondIndependentFormOnTheDocument)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CChildFrame& first = Active(app);
    TypeAndPlot(ViewOf(first), "x^2");
    Trigger(app, res::kCmdWindowNew);
    CChildFrame& second = Active(app);
    ASSERT_NE(&first, &second);
    EXPECT_EQ(&first.GetDocument(), &second.GetDocument());
    // Typed into: changed, in every window's title.
    EXPECT_EQ(Titles(app.MainFrame()), (std::vector<std::string> { "Graph1:1*", "Graph1:2*" }));
    EXPECT_EQ(ShownTitle(app.MainFrame()), "Plovex 2 - Graph1*");
    EXPECT_EQ(app.Template().Documents().size(), 1u);
    // The new form shows the document's expression, plotted.
    EXPECT_EQ(ViewOf(second).m_expression, "x^2");
    EXPECT_EQ(ViewOf(second).m_postfix, "x(2.000000)^");

    // Each form has its own fields.
    QTest::mouseClick(
        qobject_cast<QWidget*>(ViewOf(second).GetDlgItem(res::kXScaleUpButton)), Qt::LeftButton);
    EXPECT_EQ(ViewOf(second).m_xScale, 11.0f);
    EXPECT_EQ(ViewOf(first).m_xScale, 10.0f);

    // Closing one of two windows asks nothing, though the document has changed.
    ASSERT_TRUE(first.GetDocument().IsModified());
    second.close();
    DeleteClosedWindows();
    EXPECT_EQ(Titles(app.MainFrame()), std::vector<std::string> { "Graph1*" });
    EXPECT_TRUE(m_dialogs.asked.empty());
}

TEST_F(ShellTest, SaveAsProposesTheTitleAndWritesWhatTheBoxShows)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CChildFrame& child = Active(app);
    TypeAndPlot(ViewOf(child), "sin x");
    // Typed but never plotted: still what Save writes.
    Type(ViewOf(child), "x^2+5*x+6");

    const QString path = TempPath("quadratic.pxg");
    m_dialogs.fileNames = { path };
    Trigger(app, res::kCmdFileSave);
    EXPECT_EQ(
        m_dialogs.asked, std::vector<std::string> { "save Graph1.pxg Plovex Graph (*.pxg) pxg" });
    EXPECT_EQ(ReadFile(path), QByteArray("\x09x^2+5*x+6") + kDefaultSettingsTrailer);
    const CPlovexDoc& document = child.GetDocument();
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.Title(), "quadratic.pxg");
    EXPECT_EQ(ShownTitle(child), "quadratic.pxg");
    EXPECT_EQ(ShownTitle(app.MainFrame()), "Plovex 2 - quadratic.pxg");

    // Save again: the same file, no question.
    TypeAndPlot(ViewOf(child), "");
    Trigger(app, res::kCmdFileSave);
    EXPECT_EQ(ReadFile(path), QByteArray(1, '\0') + kDefaultSettingsTrailer);

    // Save As always asks, starting from the file it has.
    const QString copy = TempPath("copy.pxg");
    m_dialogs.fileNames = { copy };
    Trigger(app, res::kCmdFileSaveAs);
    EXPECT_EQ(m_dialogs.asked.back(), "save " + path.toStdString() + " Plovex Graph (*.pxg) pxg");
    EXPECT_EQ(ReadFile(copy), QByteArray(1, '\0') + kDefaultSettingsTrailer);
    EXPECT_EQ(document.Title(), "copy.pxg");

    // A cancelled Save As changes nothing.
    m_dialogs.fileNames = { "" };
    Trigger(app, res::kCmdFileSaveAs);
    EXPECT_EQ(document.PathName(), copy);
}

TEST_F(ShellTest, OpenPlotsTheDocumentAtOnceEvenWhenItDoesNotParse)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    const QString good = WriteFile("good.pxg", Document("3*x^2+2*x-1"));
    m_dialogs.fileNames = { good };
    Trigger(app, res::kCmdFileOpen);
    EXPECT_EQ(
        m_dialogs.asked, std::vector<std::string> { "open Plovex Graph (*.pxg);;All Files (*)" });
    CChildFrame& opened = Active(app);
    EXPECT_EQ(ShownTitle(opened), "good.pxg");
    EXPECT_EQ(ViewOf(opened).m_expression, "3*x^2+2*x-1");
    EXPECT_EQ(ViewOf(opened).m_postfix, "(3.000000)x(2.000000)^*(2.000000)x*+(1.000000)-");
    EXPECT_FALSE(opened.GetDocument().IsModified());

    // Opening it again brings its window forward instead of a second copy.
    Trigger(app, res::kCmdWindowNew);
    Trigger(app, res::kCmdFileNew);
    m_dialogs.fileNames = { good };
    Trigger(app, res::kCmdFileOpen);
    EXPECT_EQ(app.Template().Documents().size(), 3u);
    EXPECT_EQ(&Active(app).GetDocument(), &opened.GetDocument());

    // y is not allowed in a new form, which is never implicit: the message comes, the
    // document still opens.
    const QString implicit = WriteFile("circle.pxg", Document("x^2+y^2-25"));
    m_dialogs.fileNames = { implicit };
    Trigger(app, res::kCmdFileOpen);
    ASSERT_EQ(m_messages.messages.size(), 1u);
    EXPECT_EQ(m_messages.messages[0].rfind("Parse Error: ", 0), 0u) << m_messages.messages[0];
    EXPECT_EQ(ShownTitle(Active(app)), "circle.pxg");
    EXPECT_EQ(ViewOf(Active(app)).m_expression, "x^2+y^2-25");
    EXPECT_FALSE(Active(app).GetDocument().IsModified());

    // A cancelled Open opens nothing.
    m_dialogs.fileNames = { "" };
    Trigger(app, res::kCmdFileOpen);
    EXPECT_EQ(app.Template().Documents().size(), 4u);
}

// The parse error names the character as the box shows it, whatever the document's bytes.
TEST_F(ShellTest, AParseErrorNamesTheCharacterAsTheBoxShowsIt)
{
    const struct {
        const char* name;
        QByteArray expression;
        const char16_t* shown;
        const char16_t* message;
    } cases[] = {
        { "Latin-1", "x+\xE9", u"x+\u00E9", u"Parse Error: Unrecognised symbol '\u00E9'." },
        { "UTF-8", "x+\xCF\x80", u"x+\u03C0", u"Parse Error: Unrecognised symbol '\u03C0'." },
        { "UTF-8 in Latin-1", "\xC3\xA9\xE9", u"\u00C3\u00A9\u00E9",
            u"Parse Error: Unrecognised symbol '\u00C3'." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_messages.messages.clear();
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({ WriteFile("symbol.pxg", Document(c.expression)) }));
        EXPECT_EQ(ExpressionBox(Active(app)).text(), QStringView(c.shown).toString());
        EXPECT_EQ(m_messages.messages,
            std::vector<std::string> { QStringView(c.message).toString().toStdString() });
    }
}

TEST_F(ShellTest, BadFilesOpenNoDocumentAndSayWhy)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    struct Case {
        QString path;
        QString reason;
    };
    const Case cases[] = {
        { WriteFile("empty.pxg", {}), "It is not a Plovex graph: The file is empty." },
        { WriteFile("cut.pxg", QByteArray("\x05x+", 3)),
            "It is not a Plovex graph: The file claims an expression of 5 characters but holds "
            "only 2." },
        { WriteFile("lying.pxg", QByteArray("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7)),
            "It is not a Plovex graph: The file claims an expression of 2147483647 characters "
            "but holds only 0." },
        { WriteFile("short.pxg", QByteArray("\xFF\x2C", 2)),
            "It is not a Plovex graph: The file ends inside the length of the expression." },
        { TempPath("missing.pxg"), "No such file or directory" },
        { TempPath(""), "It is a folder, not a file." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        m_messages.messages.clear();
        m_dialogs.fileNames = { c.path };
        Trigger(app, res::kCmdFileOpen);
        EXPECT_EQ(app.Template().Documents().size(), 1u);
        EXPECT_EQ(Titles(app.MainFrame()), std::vector<std::string> { "Graph1" });
        ASSERT_EQ(m_messages.messages.size(), 1u);
        EXPECT_EQ(m_messages.messages[0],
            QString("Cannot open the document \"%1\".\n\n%2").arg(c.path, c.reason).toStdString());
    }
    EXPECT_TRUE(app.RecentFiles().Files().isEmpty());
}

// A result shows plainly; a note about a result, a refusal and a failure each carry the icon
// of their kind.
TEST_F(ShellTest, MessageBoxesCarryTheIconOfTheirKind)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(Active(app));
    const auto click
        = [&view](int id) { qobject_cast<QAbstractButton*>(view.GetDlgItem(id))->click(); };
    const struct {
        const char* name;
        std::function<void()> act;
        std::vector<MessageKind> kinds;
    } cases[] = {
        { "a value",
            [&] {
                TypeAndPlot(view, "x");
                m_messages.Script(TypeAndOk("2"));
                click(res::kEvaluateButton);
            },
            { MessageKind::Plain } },
        { "an integral's value, and that it stopped short of its limit",
            [&] {
                m_messages.Script(TypeAndOk("0"));
                m_messages.Script(TypeAndOk("1000000"));
                click(res::kIntegrateButton);
            },
            { MessageKind::Plain, MessageKind::Information } },
        { "a parse error", [&] { TypeAndPlot(view, "x$"); }, { MessageKind::Refusal } },
        { "a box without a number",
            [&] {
                qobject_cast<QLineEdit*>(view.GetDlgItem(res::kXScaleEdit))->setText("ten");
                click(res::kXScaleUpButton);
                qobject_cast<QLineEdit*>(view.GetDlgItem(res::kXScaleEdit))->setText("10");
            },
            { MessageKind::Refusal } },
        { "a folder to open",
            [&] {
                m_dialogs.fileNames = { TempPath("") };
                Trigger(app, res::kCmdFileOpen);
            },
            { MessageKind::Failure } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_messages.messages.clear();
        m_messages.kinds.clear();
        c.act();
        EXPECT_EQ(m_messages.kinds, c.kinds);
    }
}

TEST_F(ShellTest, AChangedDocumentAsksBeforeItCloses)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CChildFrame* child = &Active(app);

    // Unchanged: Close asks nothing.
    Trigger(app, res::kCmdFileClose);
    DeleteClosedWindows();
    EXPECT_TRUE(app.MainFrame().ChildFrames().isEmpty());
    EXPECT_TRUE(m_dialogs.asked.empty());

    // Plotting the text it already has changes nothing either.
    Trigger(app, res::kCmdFileNew);
    child = &Active(app);
    TypeAndPlot(ViewOf(*child), "");
    EXPECT_FALSE(child->GetDocument().IsModified());
    TypeAndPlot(ViewOf(*child), "x");
    EXPECT_TRUE(child->GetDocument().IsModified());

    // Cancel keeps it, from the menu and from the window's close box.
    m_dialogs.saveAnswers = { Answer::Cancel, Answer::Cancel };
    Trigger(app, res::kCmdFileClose);
    EXPECT_FALSE(child->close());
    DeleteClosedWindows();
    EXPECT_EQ(Titles(app.MainFrame()), std::vector<std::string> { "Graph2*" });
    EXPECT_EQ(m_dialogs.asked, (std::vector<std::string> { "ask Graph2", "ask Graph2" }));

    // Save, then cancel the name: still open. Save with a name: written and closed.
    const QString path = TempPath("x.pxg");
    m_dialogs.saveAnswers = { Answer::Save, Answer::Save };
    m_dialogs.fileNames = { "", path };
    Trigger(app, res::kCmdFileClose);
    EXPECT_EQ(Titles(app.MainFrame()), std::vector<std::string> { "Graph2*" });
    Trigger(app, res::kCmdFileClose);
    DeleteClosedWindows();
    EXPECT_TRUE(app.MainFrame().ChildFrames().isEmpty());
    EXPECT_EQ(ReadFile(path), QByteArray("\x01x") + kDefaultSettingsTrailer);

    // Discard closes without writing.
    Trigger(app, res::kCmdFileNew);
    TypeAndPlot(ViewOf(Active(app)), "x^3");
    m_dialogs.saveAnswers = { Answer::Discard };
    m_dialogs.asked.clear();
    EXPECT_TRUE(Active(app).close());
    DeleteClosedWindows();
    EXPECT_EQ(m_dialogs.asked, std::vector<std::string> { "ask Graph3" });
    EXPECT_TRUE(app.MainFrame().ChildFrames().isEmpty());
}

TEST_F(ShellTest, ExitAndTheMainCloseBoxAskForEveryChangedDocument)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    TypeAndPlot(ViewOf(Active(app)), "x");
    Trigger(app, res::kCmdFileNew);
    Trigger(app, res::kCmdFileNew);
    TypeAndPlot(ViewOf(Active(app)), "2*x");

    m_dialogs.saveAnswers = { Answer::Discard, Answer::Cancel };
    Trigger(app, res::kCmdAppExit);
    EXPECT_TRUE(app.MainFrame().isVisible());
    EXPECT_EQ(m_dialogs.asked, (std::vector<std::string> { "ask Graph1", "ask Graph3" }));

    m_dialogs.asked.clear();
    m_dialogs.saveAnswers = { Answer::Discard, Answer::Discard };
    EXPECT_TRUE(app.MainFrame().close());
    EXPECT_FALSE(app.MainFrame().isVisible());
    EXPECT_EQ(m_dialogs.asked, (std::vector<std::string> { "ask Graph1", "ask Graph3" }));
}

TEST_F(ShellTest, RecentFilesAreKeptNewestFirstAndAGoneFileLeavesTheList)
{
    const QString a = WriteFile("a.pxg", Document("x"));
    const QString b = WriteFile("b.pxg", Document("2*x"));
    {
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({ a, b }));
        const CMainFrame& frame = app.MainFrame();
        EXPECT_EQ(Items(Menu(frame, "&File")),
            (std::vector<std::string> { "&New\tCtrl+N (57600)", "&Open...\tCtrl+O (57601)",
                "&Close (57602)", "&Save\tCtrl+S (57603)", "Save &As... (57604)",
                "&Export Graph... (32772)", "-", "&Print...\tCtrl+P (57607)",
                "Print Pre&view... (57609)", "-", ("&1 " + b + " (57616)").toStdString(),
                ("&2 " + a + " (57617)").toStdString(), "-", "E&xit (57665)" }));
    }
    QSettings settings("plovex", "plovex");
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), b);
    EXPECT_EQ(settings.value("Recent File List/File2").toString(), a);

    // A later run offers them; five files keep the newest four.
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_EQ(app.RecentFiles().Files(), (QStringList { b, a }));
    for (const char* name : { "c.pxg", "d.pxg", "e.pxg" }) {
        m_dialogs.fileNames = { TempPath(name) };
        Trigger(app, res::kCmdFileSaveAs);
    }
    EXPECT_EQ(app.RecentFiles().Files(),
        (QStringList { TempPath("e.pxg"), TempPath("d.pxg"), TempPath("c.pxg"), b }));

    Trigger(app, res::kCmdFileMru1 + 3);
    EXPECT_EQ(ShownTitle(Active(app)), "b.pxg");
    EXPECT_EQ(app.RecentFiles().Files().first(), b);

    ASSERT_TRUE(QFile::remove(TempPath("c.pxg")));
    const std::size_t documents = app.Template().Documents().size();
    Trigger(app, res::kCmdFileMru1 + 3);
    EXPECT_EQ(app.Template().Documents().size(), documents);
    ASSERT_EQ(m_messages.messages.size(), 1u);
    EXPECT_EQ(m_messages.messages[0],
        ("Cannot open the document \"" + TempPath("c.pxg") + "\".\n\nNo such file or directory")
            .toStdString());
    EXPECT_EQ(app.RecentFiles().Files(), (QStringList { b, TempPath("e.pxg"), TempPath("d.pxg") }));
    EXPECT_FALSE(app.MainFrame().Action(res::kCmdFileMru1 + 3)->isVisible());
    EXPECT_EQ(QSettings("plovex", "plovex").value("Recent File List/File4"), QVariant());
}

TEST_F(ShellTest, TheCommandLineOpensItsFilesOrFails)
{
    const QString a = WriteFile("a.pxg", Document("x"));
    {
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({ a }));
        EXPECT_EQ(Titles(app.MainFrame()), std::vector<std::string> { "a.pxg" });
        EXPECT_TRUE(app.MainFrame().windowState() & Qt::WindowMaximized);
    }
    {
        // One good file is enough to start; the bad one is reported.
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({ TempPath("none.pxg"), a }));
        EXPECT_EQ(Titles(app.MainFrame()), std::vector<std::string> { "a.pxg" });
        EXPECT_EQ(m_messages.messages.size(), 1u);
    }
    m_messages.messages.clear();
    CPlovexApp app;
    EXPECT_FALSE(app.InitInstance({ TempPath("none.pxg") }));
    EXPECT_EQ(m_messages.messages.size(), 1u);
    EXPECT_FALSE(app.MainFrame().isVisible());
}

TEST_F(ShellTest, DroppedFilesOpenAsDocumentsNotAsText)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    const QString a = WriteFile("a.pxg", Document("x"));
    const QString b = WriteFile("b.pxg", Document("-x"));
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(a), QUrl::fromLocalFile(b) });
    data.setText(a); // file managers send the path as text as well

    const QPoint centre = frame.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(Titles(frame), (std::vector<std::string> { "Graph1", "a.pxg", "b.pxg" }));

    // The form's text boxes leave drops to the main window.
    for (const int id : { res::kExpressionEdit, res::kXScaleEdit, res::kYScaleEdit,
             res::kQualityEdit, res::kPostfixEdit, res::kInfoEdit }) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(ViewOf(Active(app)).GetDlgItem(id)->acceptDrops());
    }

    QMimeData text;
    text.setText("x^2");
    QDragEnterEvent textEnter(centre, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &textEnter);
    EXPECT_FALSE(textEnter.isAccepted());
}

TEST_F(ShellTest, WindowCommandsArrangeTheGraphWindows)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    Trigger(app, res::kCmdFileNew);
    Trigger(app, res::kCmdWindowNew);
    CMainFrame& frame = app.MainFrame();
    const QList<CChildFrame*> children = frame.ChildFrames();
    ASSERT_EQ(children.size(), 3);
    const QSize size = children[0]->size();
    // Room for three windows side by side.
    frame.showNormal();
    // The room is the graph windows' alone.
    Trigger(app, res::kCmdViewFunctionList);
    frame.resize(size.width() * 3 + 100, size.height() * 2);

    Trigger(app, res::kCmdWindowTile);
    for (qsizetype i = 0; i < children.size(); ++i) {
        EXPECT_EQ(children[i]->size(), size);
        for (qsizetype j = i + 1; j < children.size(); ++j)
            EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()));
    }
    Trigger(app, res::kCmdWindowCascade);
    EXPECT_LT(children[0]->pos().x(), children[1]->pos().x());
    EXPECT_LT(children[0]->pos().y(), children[1]->pos().y());
    EXPECT_EQ(children[1]->size(), size);

    children[0]->showMinimized();
    children[2]->showMinimized();
    Trigger(app, res::kCmdWindowArrange);
    const int bottom = frame.MdiArea()->viewport()->height();
    EXPECT_EQ(children[0]->geometry().bottom() + 1, bottom);
    EXPECT_EQ(children[2]->geometry().bottom() + 1, bottom);
    EXPECT_EQ(children[0]->x(), 0);
    EXPECT_EQ(children[2]->x(), children[0]->width());
    EXPECT_EQ(children[1]->size(), size);

    // The Window menu lists the windows, the active one checked.
    QMenu& window = Menu(frame, "&Window");
    emit window.aboutToShow();
    const std::vector<std::string> items = Items(window);
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items[4], "-");
    EXPECT_EQ(items[5], "&1 Graph1 (0)");
    EXPECT_EQ(items[6], "&2 Graph2:1 (0)");
    EXPECT_EQ(items[7], "&3 Graph2:2 (0)");
}

TEST_F(ShellTest, AboutBoxShowsTheIconNameAndCredit)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    bool shown = false;
    m_messages.Script([&shown](QDialog& dialog) {
        shown = true;
        EXPECT_EQ(dialog.windowTitle(), "About Plovex");
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        QStringList texts;
        bool icon = false;
        for (const QLabel* label : labels) {
            texts << label->text();
            icon = icon || !label->pixmap().isNull();
        }
        EXPECT_TRUE(icon);
        EXPECT_TRUE(texts.contains("Plovex 2.0"));
        EXPECT_TRUE(std::any_of(
            texts.begin(), texts.end(), [](const QString& text) { return text.count('\n') == 1; }));
        auto* ok = dialog.findChild<QPushButton*>();
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_TRUE(ok->isDefault());
        ok->click();
    });
    Trigger(app, res::kCmdAppAbout);
    EXPECT_TRUE(shown);
}

TEST_F(ShellTest, DocumentFileRoundTripsAndAFailedSaveKeepsTheOldFile)
{
    CPlovexDoc document;
    const QString path = TempPath("long.pxg");
    const std::string expression(300, '1');
    document.SetExpression(expression);
    EXPECT_TRUE(document.IsModified());
    QString error;
    ASSERT_TRUE(document.OnSaveDocument(path, error)) << error.toStdString();
    // The settings follow the expression: "PXGS", version 1, 13 bytes of fields.
    EXPECT_EQ(ReadFile(path),
        QByteArray("\xFF\x2C\x01", 3) + QByteArray(300, '1') + kDefaultSettingsTrailer);
    EXPECT_EQ(document.PathName(), path);
    EXPECT_EQ(document.Title(), "long.pxg");
    EXPECT_FALSE(document.IsModified());

    CPlovexDoc reader;
    QString warning;
    ASSERT_TRUE(reader.OnOpenDocument(path, error, warning));
    EXPECT_EQ(warning, "");
    EXPECT_EQ(reader.Expression(), expression);
    EXPECT_FALSE(reader.IsModified());

    // A folder that does not exist: the reason comes from the system.
    EXPECT_FALSE(document.OnSaveDocument(TempPath("no/such.pxg"), error));
    EXPECT_EQ(error.toStdString(),
        "Cannot save the document \"" + TempPath("no/such.pxg").toStdString()
            + "\".\n\nNo such file or directory");
    EXPECT_EQ(document.PathName(), path);

    // The disk refuses the new bytes half-way: the old file stays whole, and the message
    // gives the system's reason.
    const QByteArray old = ReadFile(path);
    document.SetExpression(std::string(5000, '2'));
    {
        FileSizeLimit limit(100);
        EXPECT_FALSE(document.OnSaveDocument(path, error));
    }
    EXPECT_EQ(error.toStdString(),
        "Cannot save the document \"" + path.toStdString() + "\".\n\nFile too large");
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(QDir(TempPath("")).entryList(QDir::Files), (QStringList { "long.pxg" }));

    // A failed read leaves the document as it was.
    EXPECT_FALSE(reader.OnOpenDocument(WriteFile("bad.pxg", "\x09x"), error, warning));
    EXPECT_EQ(reader.Expression(), expression);
    EXPECT_EQ(reader.PathName(), path);
}

QByteArray Bytes(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(
        reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// Whatever bytes a document holds, opening it shows them, asks nothing on closing and saves
// them back unchanged: prefix, text and trailer.
TEST_F(ShellTest, DocumentsKeepEveryByteTheyOpenWith)
{
    std::string longText;
    while (longText.size() < 100000)
        longText += "sin(x)+";
    longText += "x";
    const struct {
        const char* name;
        QByteArray file;
        const char16_t* shown; // the box's text; nullptr: not checked
    } cases[] = {
        { "Latin-1", Document("x+\xE9\xE9"), u"x+\u00E9\u00E9" },
        { "UTF-8", Document("x+\xC3\xA9"), u"x+\u00E9" },
        { "NUL", Document(QByteArray("x\0+1", 4)), nullptr },
        { "control characters", Document("\t\r\n\x01\x7F x"), nullptr },
        { "byte-order mark", Document("\xEF\xBB\xBFx"), u"\uFEFFx" },
        { "cut sequence", Document("x\xC3"), u"x\u00C3" },
        { "surrogate", Document("\xED\xA0\x80"), u"\u00ED\u00A0\u0080" },
        { "overlong", Document("\xC0\xAF"), u"\u00C0\u00AF" },
        { "a PNG", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) + QByteArray(300, '\xEE'),
            nullptr },
        { "word prefix", QByteArray("\xFF\x01\x00x", 4), u"x" },
        { "bytes after the text", QByteArray("\x01xyz", 4), u"x" },
        { "settings", Bytes(EncodeDocument("x^2+y^2-25", { 3.0f, -2.5f, 0.5f, true })), nullptr },
        { "100,000 characters", Bytes(EncodeDocument(longText)), nullptr },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CPlovexApp app;
        const QString path = WriteFile("bytes.pxg", c.file);
        ASSERT_TRUE(app.InitInstance({ path }));
        CChildFrame& child = Active(app);
        if (c.shown) {
            EXPECT_EQ(ExpressionBox(child).text(), QStringView(c.shown).toString());
        }
        EXPECT_FALSE(child.GetDocument().IsModified());
        // Typed and typed back: unchanged again.
        ExpressionBox(child).end(false);
        ExpressionBox(child).insert("+");
        EXPECT_TRUE(child.GetDocument().IsModified());
        ExpressionBox(child).backspace();
        EXPECT_FALSE(child.GetDocument().IsModified());

        const QString copy = TempPath("copy.pxg");
        m_dialogs.fileNames = { copy };
        Trigger(app, res::kCmdFileSaveAs);
        EXPECT_EQ(ReadFile(copy), c.file);
        Trigger(app, res::kCmdFileClose);
        DeleteClosedWindows();
        EXPECT_TRUE(app.MainFrame().ChildFrames().isEmpty());
        EXPECT_EQ(m_dialogs.asked.size(), 1u) << m_dialogs.asked.back();
        m_dialogs.asked.clear();
        m_messages.messages.clear();
    }
}

TEST_F(ShellTest, EveryFormShowsAndSavesTheTextAsTyped)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CChildFrame& first = Active(app);
    Trigger(app, res::kCmdWindowNew);
    CChildFrame& second = Active(app);
    Type(ViewOf(first), "x^2");
    EXPECT_EQ(ExpressionBox(second).text(), "x^2");
    EXPECT_TRUE(first.GetDocument().IsModified());
    Type(ViewOf(second), "x^3");
    EXPECT_EQ(ExpressionBox(first).text(), "x^3");

    // Never plotted: Save writes the text shown, and closing the last window asks first.
    const QString path = TempPath("typed.pxg");
    m_dialogs.fileNames = { path };
    Trigger(app, res::kCmdFileSave);
    EXPECT_EQ(ReadFile(path), QByteArray("\x03x^3") + kDefaultSettingsTrailer);
    Type(ViewOf(first), "x^4");
    second.close();
    m_dialogs.saveAnswers = { Answer::Cancel };
    EXPECT_FALSE(first.close());
    EXPECT_EQ(m_dialogs.asked.back(), "ask typed.pxg");
}

// The settings travel with the graph: an implicit graph reopens implicit, drawn at once; a
// scale button changes the document.
TEST_F(ShellTest, SettingsAreSavedAndRestoredBeforeTheFirstPlot)
{
    const QString path = TempPath("circle.pxg");
    {
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        CPlovexView& view = ViewOf(Active(app));
        QTest::mouseClick(
            qobject_cast<QWidget*>(view.GetDlgItem(res::kImplicitCheck)), Qt::LeftButton);
        QTest::mouseClick(
            qobject_cast<QWidget*>(view.GetDlgItem(res::kYScaleUpButton)), Qt::LeftButton);
        TypeAndPlot(view, "x^2+y^2-25");
        m_dialogs.fileNames = { path };
        Trigger(app, res::kCmdFileSave);
    }
    EXPECT_EQ(ReadFile(path),
        QByteArray(
            "\x0Ax^2+y^2-25PXGS\x01\x0D\x00\x00\x20\x41\x00\x00\x30\x41\x00\x00\x20\x41\x01", 30));
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({ path }));
    CPlovexView& view = ViewOf(Active(app));
    EXPECT_TRUE(m_messages.messages.empty());
    EXPECT_TRUE(view.m_implicit);
    EXPECT_EQ(view.m_yScale, 11.0f);
    EXPECT_EQ(view.m_postfix, "x(2.000000)^y(2.000000)^+(25.000000)-");
    EXPECT_FALSE(view.GetDlgItem(res::kQualityEdit)->isEnabled());
    EXPECT_FALSE(Active(app).GetDocument().IsModified());
    QTest::mouseClick(
        qobject_cast<QWidget*>(view.GetDlgItem(res::kXScaleUpButton)), Qt::LeftButton);
    EXPECT_TRUE(Active(app).GetDocument().IsModified());
}

TEST_F(ShellTest, ADamagedTrailerOpensTheExpressionWithTheDefaults)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    const QString path = WriteFile("damaged.pxg", Document("x") + "PXGS\x01\x0D\x00");
    m_dialogs.fileNames = { path };
    Trigger(app, res::kCmdFileOpen);
    EXPECT_EQ(m_messages.messages,
        std::vector<std::string> { "The graph settings stored in \"" + path.toStdString()
            + "\" are damaged. The expression opens with the default scales and quality." });
    EXPECT_EQ(ViewOf(Active(app)).m_expression, "x");
    EXPECT_EQ(ViewOf(Active(app)).m_xScale, 10.0f);
    EXPECT_FALSE(Active(app).GetDocument().IsModified());
}

} // namespace
} // namespace plovex
