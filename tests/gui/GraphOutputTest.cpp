#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "platform/FileDialogService.h"
#include "platform/PictureStatic.h"
#include "platform/PrintDialogService.h"
#include "platform/TemplateDialog.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
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
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
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
            "&Export Graph... (32772) Save the active graph as an image, SVG or PDF file of the "
            "size you choose",
            "&Print... (57607) Print the active graph" }));
    QGuiApplication::clipboard()->setText("before");
    menu->actions()[0]->trigger();
    menu->hide();
    EXPECT_EQ(Rgb(QGuiApplication::clipboard()->image()), Rgb(view.GraphPicture()));
}

TEST_F(ShellTest, CopyOffersTheGraphAsSvgBesideTheBitmap)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    TypeAndPlot(view, "x^2/10");
    const QSize area = view.m_graphArea->ClientSize();
    Trigger(app, res::kCmdEditCopy);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(Rgb(qvariant_cast<QImage>(data->imageData())), Rgb(view.GraphPicture()));
    ASSERT_TRUE(data->hasFormat("image/svg+xml"));
    const QByteArray svg = data->data("image/svg+xml");
    EXPECT_TRUE(svg.startsWith("<?xml")) << svg.left(40).toStdString();
    EXPECT_NE(
        svg.indexOf(QString("viewBox=\"0 0 %1 %2\"").arg(area.width()).arg(area.height()).toUtf8()),
        -1);
    EXPECT_NE(svg.indexOf("stroke=\"#0000ff\""), -1);

    // A picture that keeps earlier graphs is no drawing of the functions: the bitmap alone.
    qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kNoClearCheck))->click();
    TypeAndPlot(view, "x");
    Trigger(app, res::kCmdEditCopy);
    data = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(data->hasImage());
    EXPECT_FALSE(data->hasFormat("image/svg+xml"));
}

// Checks that the export question opens with the graph's size and the visible region, then
// answers OK.
FakeMessages::Answer ExpectDefaultsAndOk(QSize area)
{
    return [area](QDialog& dialog) {
        auto& question = *qobject_cast<TemplateDialog*>(&dialog);
        EXPECT_EQ(dialog.windowTitle(), "Export Graph");
        EXPECT_EQ(qobject_cast<QLineEdit*>(question.GetDlgItem(res::kExportWidthEdit))->text(),
            QString::number(area.width()));
        EXPECT_EQ(qobject_cast<QLineEdit*>(question.GetDlgItem(res::kExportHeightEdit))->text(),
            QString::number(area.height()));
        EXPECT_TRUE(qobject_cast<QAbstractButton*>(question.GetDlgItem(res::kExportKeepRegionRadio))
                        ->isChecked());
        EXPECT_FALSE(
            qobject_cast<QAbstractButton*>(question.GetDlgItem(res::kExportKeepScalesRadio))
                ->isChecked());
        qobject_cast<QAbstractButton*>(question.GetDlgItem(res::kIdOk))->click();
    };
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
        m_messages.Script(ExpectDefaultsAndOk(shown.size()));
        Trigger(app, res::kCmdExportGraph);
        ASSERT_EQ(m_dialogs.asked.size(), 1u);
        EXPECT_EQ(m_dialogs.asked[0].rfind("save Graph1.png Images (*.", 0), 0u)
            << m_dialogs.asked[0];
        EXPECT_NE(m_dialogs.asked[0].find(" *.png "), std::string::npos);
        EXPECT_NE(
            m_dialogs.asked[0].find(";;Vector pictures (*.pdf *.svg) png"), std::string::npos);
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
        { "no/such/graph.svg", "No such file or directory" },
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.name);
        m_messages.messages.clear();
        m_dialogs.fileNames = { TempPath(f.name) };
        m_messages.Script(FillAndOk({}));
        Trigger(app, res::kCmdExportGraph);
        ASSERT_EQ(m_messages.messages.size(), 1u);
        const std::string prefix = "Cannot export the graph to \"" + TempPath(f.name).toStdString()
            + "\".\n\n" + f.reason;
        EXPECT_EQ(m_messages.messages[0].substr(0, prefix.size()), prefix);
        EXPECT_FALSE(QFile::exists(TempPath(f.name)));
        // The formats named include the vector ones.
        if (std::string(f.reason).rfind("The name's", 0) == 0) {
            EXPECT_NE(m_messages.messages[0].find(", pdf, "), std::string::npos);
            EXPECT_NE(m_messages.messages[0].find(", svg, "), std::string::npos);
        }
    }

    // Cancelled, in the question or in the file dialog: nothing at all.
    m_messages.messages.clear();
    m_dialogs.asked.clear();
    m_messages.Script(PressCancel());
    Trigger(app, res::kCmdExportGraph);
    EXPECT_TRUE(m_dialogs.asked.empty());
    m_dialogs.fileNames = { "" };
    m_messages.Script(FillAndOk({}));
    Trigger(app, res::kCmdExportGraph);
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(ShellTest, ExportAsksForASizeAndRefusesWhatIsNoSize)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    TypeAndPlot(view, "x*sin(x)");
    const struct {
        const char* width;
        const char* height;
        bool refused;
    } cases[] = {
        { "0", "238", true },
        { "20001", "238", true },
        { "12.5", "238", true },
        { "abc", "238", true },
        { "610", "-1", true },
        { " 20000 ", "1", false },
        { "1", "20000", false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.width) + "x" + c.height);
        m_messages.messages.clear();
        m_dialogs.asked.clear();
        m_dialogs.fileNames = { TempPath("sized.bmp") };
        // A refused size keeps the question open: the answer then cancels it.
        m_messages.Script([&c](QDialog& dialog) {
            FillAndOk({ { res::kExportWidthEdit, c.width }, { res::kExportHeightEdit, c.height } })(
                dialog);
            if (dialog.isVisible() || dialog.result() != QDialog::Accepted)
                qobject_cast<QAbstractButton*>(
                    qobject_cast<TemplateDialog*>(&dialog)->GetDlgItem(res::kIdCancel))
                    ->click();
        });
        Trigger(app, res::kCmdExportGraph);
        if (c.refused) {
            EXPECT_EQ(m_messages.messages,
                std::vector<std::string> { "Please enter a whole number from 1 to 20000." });
            EXPECT_TRUE(m_dialogs.asked.empty());
        } else {
            EXPECT_TRUE(m_messages.messages.empty());
            const QImage written(TempPath("sized.bmp"));
            EXPECT_EQ(written.size(),
                QSize(QString(c.width).trimmed().toInt(), QString(c.height).toInt()));
        }
    }
}

TEST_F(ShellTest, ExportAtAnotherSizeDrawsTheCommandLinesPicture)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    // With a parameter, which the export reads as the window does.
    m_messages.answers = { true };
    TypeAndPlot(view, "a*x*sin(x)");
    (void)view.GetDocument().SetParameterValue(0, 0.5f);
    // Moved and zoomed about a point, as the wheel does: offsets that are no float products.
    view.WheelAt(QPoint(200, 50), QPoint(0, 120), Qt::NoModifier);
    const QSize area = view.m_graphArea->ClientSize();
    const QString document = TempPath("moved.pxg");
    m_dialogs.fileNames = { document };
    Trigger(app, res::kCmdFileSaveAs);
    ASSERT_TRUE(QFile::exists(document));

    const struct {
        const char* name;
        int keep;
        QStringList options;
    } cases[] = {
        { "region.png", res::kExportKeepRegionRadio,
            { QString("--keep-region=%1x%2").arg(area.width()).arg(area.height()) } },
        { "scales.png", res::kExportKeepScalesRadio, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_dialogs.fileNames = { TempPath(c.name) };
        m_messages.Script(FillAndOk(
            { { res::kExportWidthEdit, "1600" }, { res::kExportHeightEdit, "600" } }, { c.keep }));
        Trigger(app, res::kCmdExportGraph);
        const QImage exported(TempPath(c.name));
        ASSERT_EQ(exported.size(), QSize(1600, 600));

        QProcess plovex;
        plovex.start(PLOVEX_EXECUTABLE,
            QStringList {
                "--document=" + document, "--size=1600x600", "--render=" + TempPath("command.png") }
                + c.options);
        ASSERT_TRUE(plovex.waitForFinished(60000));
        ASSERT_EQ(plovex.exitCode(), 0) << plovex.readAllStandardError().toStdString();
        EXPECT_EQ(Rgb(exported), Rgb(QImage(TempPath("command.png"))));
    }
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(ShellTest, ExportWritesSvgAndPdfFilesOfTheGraph)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    TypeAndPlot(view, "x*sin(x)");
    const struct {
        const char* name;
        const char* start;
        const char* part;
    } cases[] = {
        { "graph.svg", "<?xml", "viewBox=\"0 0 800 500\"" },
        { "GRAPH.SVG", "<?xml", "stroke=\"#0000ff\"" },
        { "graph.pdf", "%PDF-", "/MediaBox [0 0 800.000000 500.000000]" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_dialogs.fileNames = { TempPath(c.name) };
        m_messages.Script(
            FillAndOk({ { res::kExportWidthEdit, "800" }, { res::kExportHeightEdit, "500" } }));
        Trigger(app, res::kCmdExportGraph);
        const QByteArray bytes = ReadFile(TempPath(c.name));
        EXPECT_TRUE(bytes.startsWith(c.start));
        EXPECT_NE(bytes.indexOf(c.part), -1);
    }
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(ShellTest, PrintPutsTheGraphAsLinesAndTextOnOnePage)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    Trigger(app, res::kCmdViewGrid);
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
    const QString words = QStandardPaths::findExecutable("pdftotext");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakePrintDialogs printers(TempPath(c.name));
        Trigger(app, c.command);
        EXPECT_EQ(printers.asked, std::vector<std::string> { c.asked });
        const QByteArray bytes = ReadFile(TempPath(c.name));
        ASSERT_TRUE(bytes.startsWith("%PDF-"));
        const Pdf pdf = ReadPdf(bytes);
        EXPECT_EQ(pdf.pages, 1);
        // No picture of the graph: at most the icon's.
        for (const QImage& image : pdf.images)
            EXPECT_EQ(image.size(), QSize(32, 32));
        if (words.isEmpty())
            continue;
        // The caption and the tick labels are text.
        QProcess reader;
        reader.start(words, { TempPath(c.name), "-" });
        ASSERT_TRUE(reader.waitForFinished(60000));
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        EXPECT_TRUE(text.contains("y = x*sin(x)")) << text.toStdString();
        EXPECT_TRUE(text.contains("-10")) << text.toStdString();
    }
    EXPECT_TRUE(m_messages.messages.empty());

    // A picture that keeps earlier graphs goes on the page as it shows, whole pixels each.
    qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kNoClearCheck))->click();
    TypeAndPlot(view, "x");
    {
        FakePrintDialogs printers(TempPath("piled.pdf"));
        Trigger(app, res::kCmdFilePrint);
        const Pdf pdf = ReadPdf(ReadFile(TempPath("piled.pdf")));
        ASSERT_EQ(pdf.images.size(), 1u);
        EXPECT_EQ(pdf.images[0], Rgb(view.GraphPicture()));
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
