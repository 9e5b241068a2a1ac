#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "platform/FileDialogService.h"
#include "platform/PictureStatic.h"
#include "platform/PrintDialogService.h"
#include "res/Resource.h"
#include "view/CPlovexView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace plovex {
namespace {

// Prints to the PDF file `output` instead of asking for a printer.
class FakePrintDialogs : public PrintDialogService {
public:
    explicit FakePrintDialogs(QString output)
        : m_output(std::move(output))
        , m_previous(SetPrintDialogService(this))
    { }
    ~FakePrintDialogs() override { SetPrintDialogService(m_previous); }

    bool SetUpPrinter(QWidget*, QPrinter& printer) override
    {
        asked.push_back("print");
        ToFile(printer);
        return accept;
    }
    void Preview(QWidget*, QPrinter& printer, const PaintPages& paint) override
    {
        asked.push_back("preview");
        ToFile(printer);
        paint(printer);
    }

    bool accept = true;
    std::vector<std::string> asked;

private:
    void ToFile(QPrinter& printer) const
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_output);
    }

    QString m_output;
    PrintDialogService* m_previous;
};

QImage Rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QLineEdit* ExpressionBox(CPlovexView& view)
{
    return qobject_cast<QLineEdit*>(view.GetDlgItem(res::kExpressionEdit));
}

// The PDF's pages and the pictures on them, decoded to RGB.
struct Pdf {
    int pages = 0;
    std::vector<QImage> images;
};

Pdf ReadPdf(const QByteArray& bytes)
{
    Pdf pdf;
    const QString text = QString::fromLatin1(bytes);
    static const QRegularExpression page("/Type /Page[^s]");
    pdf.pages = static_cast<int>(text.count(page));
    static const QRegularExpression image(
        "/Subtype /Image\\s*/Width (\\d+)\\s*/Height (\\d+)\\s*/BitsPerComponent 8\\s*"
        "/ColorSpace /DeviceRGB\\s*/Length [^/]*/Filter /FlateDecode\\s*>>\\s*stream\\n");
    QRegularExpressionMatchIterator it = image.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const int width = match.captured(1).toInt();
        const int height = match.captured(2).toInt();
        const qsizetype end = bytes.indexOf("endstream", match.capturedEnd());
        // qUncompress wants the size first, big-endian.
        QByteArray packed(4, '\0');
        const quint32 size = static_cast<quint32>(width * height * 3);
        for (int i = 0; i < 4; ++i)
            packed[i] = static_cast<char>(size >> (24 - 8 * i));
        packed += bytes.mid(match.capturedEnd(), end - match.capturedEnd());
        const QByteArray rgb = qUncompress(packed);
        if (rgb.size() != static_cast<qsizetype>(size))
            continue;
        QImage decoded(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const char* p = rgb.constData() + (y * width + x) * 3;
                decoded.setPixel(x, y, qRgb(uchar(p[0]), uchar(p[1]), uchar(p[2])));
            }
        }
        pdf.images.push_back(decoded);
    }
    return pdf;
}

TEST_F(ShellTest, CopyTakesTheSelectedTextElseTheGraphPicture)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    QApplication::setActiveWindow(&frame);
    CPlovexView& view = ViewOf(*frame.ActiveChild());
    TypeAndPlot(view, "x*sin(x)");
    QLineEdit* box = ExpressionBox(view);
    QWidget* plot = view.GetDlgItem(res::kPlotButton);

    struct Case {
        const char* name;
        QWidget* focus;
        int selected; // characters selected from the start of the box
        bool byKey; // Ctrl+C in the focused widget, else the toolbar's Copy
        const char* text; // on the clipboard; nullptr: the picture
    };
    const Case cases[] = {
        { "button, selection", box, 5, false, "x*sin" },
        { "key, selection", box, 3, true, "x*s" },
        { "button, no selection", box, 0, false, nullptr },
        { "key, no selection", box, 0, true, nullptr },
        { "button, focus on Plot", plot, 0, false, nullptr },
    };
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clipboard->setText("before");
        c.focus->setFocus();
        box->setSelection(0, c.selected);
        if (c.byKey)
            QTest::keyClick(c.focus, Qt::Key_C, Qt::ControlModifier);
        else
            Trigger(app, res::kCmdEditCopy);
        if (c.text) {
            EXPECT_EQ(clipboard->text(), c.text);
            EXPECT_FALSE(clipboard->mimeData()->hasImage());
        } else {
            ASSERT_TRUE(clipboard->mimeData()->hasImage());
            EXPECT_EQ(Rgb(clipboard->image()), Rgb(view.GraphPicture()));
        }
    }

    // Cut and Paste act on the box.
    box->setFocus();
    box->setSelection(0, 2);
    Trigger(app, res::kCmdEditCut);
    EXPECT_EQ(box->text(), "sin(x)");
    box->setCursorPosition(6);
    Trigger(app, res::kCmdEditPaste);
    EXPECT_EQ(box->text(), "sin(x)x*");
}

TEST_F(ShellTest, TheGraphAreaOffersCopyExportAndPrint)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    TypeAndPlot(view, "x^2/10");
    QMenu* menu = view.GraphMenu();
    ASSERT_NE(menu, nullptr);

    // Beside the graph the form's background has no menu.
    QContextMenuEvent outside(
        QContextMenuEvent::Mouse, QPoint(1, 1), view.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&view, &outside);
    EXPECT_FALSE(menu->isVisible());

    const QPoint centre = view.m_graphArea->geometry().center();
    QContextMenuEvent inside(QContextMenuEvent::Mouse, centre, view.mapToGlobal(centre));
    QApplication::sendEvent(&view, &inside);
    EXPECT_TRUE(menu->isVisible());
    std::vector<std::string> items;
    for (const QAction* action : menu->actions()) {
        items.push_back(QString("%1 (%2) %3")
                            .arg(action->text())
                            .arg(action->data().toInt())
                            .arg(action->statusTip())
                            .toStdString());
    }
    EXPECT_EQ(items,
        (std::vector<std::string> { "&Copy Graph (32773) Copy the graph's picture to the Clipboard",
            "&Export Graph... (32772) Save the active graph's picture as an image file",
            "&Print... (57607) Print the active graph" }));
    QGuiApplication::clipboard()->setText("before");
    menu->actions()[0]->trigger();
    menu->hide();
    EXPECT_EQ(Rgb(QGuiApplication::clipboard()->image()), Rgb(view.GraphPicture()));
}

TEST_F(ShellTest, ExportWritesThePictureAsShownInTheFormatOfTheExtension)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    TypeAndPlot(view, "x*sin(x)");
    const QImage shown = Rgb(view.GraphPicture());
    ASSERT_FALSE(shown.isNull());

    struct Case {
        const char* name;
        const char* format; // as the file tells it
        bool exact; // lossless: the very pixels
    };
    const Case cases[] = {
        { "graph.png", "png", true },
        { "graph.bmp", "bmp", true },
        { "GRAPH.PNG", "png", true },
        { "graph.jpg", "jpg", false },
        { "graph.ppm", "ppm", true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_dialogs.asked.clear();
        m_dialogs.fileNames = { TempPath(c.name) };
        Trigger(app, res::kCmdExportGraph);
        ASSERT_EQ(m_dialogs.asked.size(), 1u);
        EXPECT_EQ(m_dialogs.asked[0].rfind("save Graph1.png Images (*.", 0), 0u)
            << m_dialogs.asked[0];
        EXPECT_NE(m_dialogs.asked[0].find(" *.png "), std::string::npos);
        EXPECT_NE(m_dialogs.asked[0].find(") png"), std::string::npos);
        const QImage written(TempPath(c.name), c.format);
        ASSERT_FALSE(written.isNull());
        EXPECT_EQ(written.size(), shown.size());
        if (c.exact) {
            EXPECT_EQ(Rgb(written), shown);
        }
    }
    EXPECT_TRUE(m_messages.messages.empty());

    // A name that says no format, and a folder that is not there: nothing written, and why.
    struct Failure {
        const char* name;
        const char* reason;
    };
    const Failure failures[] = {
        { "graph.xyz",
            "The name's extension does not say which image format to write. Use one of: " },
        { "graph", "The name's extension does not say which image format to write. Use one of: " },
        { "no/such/graph.png", "No such file or directory" },
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.name);
        m_messages.messages.clear();
        m_dialogs.fileNames = { TempPath(f.name) };
        Trigger(app, res::kCmdExportGraph);
        ASSERT_EQ(m_messages.messages.size(), 1u);
        const std::string prefix = "Cannot export the graph to \"" + TempPath(f.name).toStdString()
            + "\".\n\n" + f.reason;
        EXPECT_EQ(m_messages.messages[0].substr(0, prefix.size()), prefix);
        EXPECT_FALSE(QFile::exists(TempPath(f.name)));
    }

    // Cancelled: nothing at all.
    m_messages.messages.clear();
    m_dialogs.fileNames = { "" };
    Trigger(app, res::kCmdExportGraph);
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(ShellTest, PrintPutsTheGraphWholePixelsOnOnePage)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    TypeAndPlot(view, "x*sin(x)");
    const QImage shown = Rgb(view.GraphPicture());

    struct Case {
        const char* name;
        int command;
        const char* asked;
    };
    const Case cases[] = {
        { "print.pdf", res::kCmdFilePrint, "print" },
        { "preview.pdf", res::kCmdFilePrintPreview, "preview" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakePrintDialogs printers(TempPath(c.name));
        Trigger(app, c.command);
        EXPECT_EQ(printers.asked, std::vector<std::string> { c.asked });
        const QByteArray bytes = ReadFile(TempPath(c.name));
        ASSERT_TRUE(bytes.startsWith("%PDF-"));
        const Pdf pdf = ReadPdf(bytes);
        EXPECT_EQ(pdf.pages, 1);
        ASSERT_EQ(pdf.images.size(), 1u);
        EXPECT_EQ(pdf.images[0], shown);
    }
    EXPECT_TRUE(m_messages.messages.empty());

    // Cancelled: nothing printed. A printer that cannot start: the user is told.
    {
        FakePrintDialogs printers(TempPath("cancelled.pdf"));
        printers.accept = false;
        Trigger(app, res::kCmdFilePrint);
        EXPECT_FALSE(QFile::exists(TempPath("cancelled.pdf")));
        EXPECT_TRUE(m_messages.messages.empty());
    }
    {
        FakePrintDialogs printers(TempPath("no/such/page.pdf"));
        Trigger(app, res::kCmdFilePrint);
        EXPECT_EQ(m_messages.messages,
            std::vector<std::string> {
                "Cannot print the graph: the printer did not accept the page." });
    }
    // A file to print into that is no file (a folder here; a FIFO would wait for a reader)
    // is refused before the printer opens it.
    m_messages.messages.clear();
    FakePrintDialogs printers(TempPath(""));
    Trigger(app, res::kCmdFilePrint);
    EXPECT_EQ(m_messages.messages,
        std::vector<std::string> { QString("Cannot print the graph to \"%1\".\n\nIt is a folder, "
                                           "not a file.")
                                       .arg(TempPath(""))
                                       .toStdString() });
}

TEST_F(ShellTest, TheCaptionSaysWhichFunctionTheGraphShows)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    EXPECT_EQ(view.GraphCaption(), "y = 0");
    TypeAndPlot(view, "x^2");
    EXPECT_EQ(view.GraphCaption(), "y = x^2");
    qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kPlotDerivativeButton))->click();
    EXPECT_EQ(view.GraphCaption(), "y = d/dx (x^2)");
    qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kImplicitCheck))->click();
    TypeAndPlot(view, "x^2+y^2-25");
    EXPECT_EQ(view.GraphCaption(), "x^2+y^2-25 = 0");
}

TEST(SavePrompt, EveryButtonHasAMnemonic)
{
    QWidget owner;
    owner.show();
    std::vector<std::string> texts;
    QTimer::singleShot(0, [&texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (const QAbstractButton* button : box->buttons())
            texts.push_back(button->text().toStdString());
        QApplication::setActiveWindow(box);
        QTest::keyClick(box, Qt::Key_D, Qt::AltModifier);
        // The button shows itself pressed for a moment first. Never left waiting for a person.
        if (!QTest::qWaitFor([box] { return !box->isVisible(); }, 2000))
            box->reject();
    });
    const auto answer = FileDialogs().AskSaveChanges(&owner, "Graph1");
    EXPECT_EQ(answer, FileDialogService::SaveAnswer::Discard);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string> { "&Cancel", "&Discard", "&Save" }));
}

} // namespace
} // namespace plovex
