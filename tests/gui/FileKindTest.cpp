#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "app/DocumentTemplate.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <QAction>
#include <QLineEdit>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace plovex {
namespace {

// Should the window open a FIFO after all, it would wait for another program: this one
// opens both ends after a while, so such a fault fails the test instead of hanging it.
class FifoWatchdog {
public:
    explicit FifoWatchdog(QByteArray path)
        : m_thread([this, path = std::move(path)] {
            std::unique_lock lock(m_mutex);
            if (m_done.wait_for(lock, std::chrono::seconds(5), [this] { return m_finished; }))
                return;
            const int reader = ::open(path.constData(), O_RDONLY | O_NONBLOCK);
            const int writer = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
            ::close(writer);
            ::close(reader);
        })
    { }
    ~FifoWatchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

bool MakeSocket(const QString& path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound
        = ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return bound;
}

// What a graph document cannot be is refused before it is opened: nothing waits for the
// other end of a pipe, and nothing is read from or written to a device.
TEST_F(ShellTest, FilesThatAreNoDocumentsAreRefusedAtOnce)
{
    const QString fifo = TempPath("pipe.pxg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const FifoWatchdog watchdog(QFile::encodeName(fifo));
    const QString socket = TempPath("socket.pxg");
    ASSERT_TRUE(MakeSocket(socket)) << socket.toStdString() << ": " << std::strerror(errno);
    struct Case {
        QString path;
        const char* reason;
    };
    std::vector<Case> cases {
        { fifo, "It is a named pipe (FIFO), not a file." },
        { socket, "It is a socket, not a file." },
        { TempPath(""), "It is a folder, not a file." },
    };
    // A null device of the test's own, where the machine lets one be made.
    const QString device = TempPath("null.pxg");
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        cases.push_back({ device, "It is a character device, not a file." });

    {
        // From the command line, as any file that cannot be opened: told, and no window.
        CPlovexApp app;
        EXPECT_FALSE(app.InitInstance({ fifo }));
        EXPECT_EQ(m_messages.messages,
            std::vector<std::string> { QString("Cannot open the document \"%1\".\n\n%2")
                                           .arg(fifo, cases[0].reason)
                                           .toStdString() });
    }
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    TypeAndPlot(ViewOf(Active(app)), "x");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        m_messages.messages.clear();
        m_dialogs.saveTitles.clear();
        m_dialogs.fileNames = { c.path, c.path, c.path };
        Trigger(app, res::kCmdFileOpen);
        Trigger(app, res::kCmdFileSaveAs);
        m_messages.Script(FillAndOk({}));
        Trigger(app, res::kCmdExportGraph);
        EXPECT_EQ(m_messages.messages,
            (std::vector<std::string> { QString("Cannot open the document \"%1\".\n\n%2")
                                            .arg(c.path, c.reason)
                                            .toStdString(),
                QString("Cannot save the document \"%1\".\n\n%2")
                    .arg(c.path, c.reason)
                    .toStdString(),
                QString("Cannot export the graph to \"%1\".\n\n%2")
                    .arg(c.path, c.reason)
                    .toStdString() }));
        EXPECT_EQ(m_dialogs.saveTitles, (std::vector<std::string> { "Save As", "Export Graph" }));
        EXPECT_EQ(app.Template().Documents().size(), 1u);
        EXPECT_TRUE(Active(app).GetDocument().IsModified());
        EXPECT_EQ(Active(app).GetDocument().PathName(), "");
    }
    struct stat status { };
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

// Save writes what the form shows: a number box that holds no number is asked about, and
// nothing is written until it does.
TEST_F(ShellTest, SaveReadsTheFormFirst)
{
    const struct {
        int box;
        const char* text;
    } cases[] = {
        { res::kQualityEdit, "abc" },
        { res::kXScaleEdit, "1,5" },
        { res::kYScaleEdit, "-" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        CPlovexView& view = ViewOf(Active(app));
        TypeAndPlot(view, "x");
        const QString path = TempPath("form.pxg");
        m_dialogs.fileNames = { path };
        Trigger(app, res::kCmdFileSave);
        const QByteArray saved = ReadFile(path);
        ASSERT_EQ(saved, QByteArray("\x01x") + kDefaultSettingsTrailer);

        Type(view, "x^2");
        auto* box = qobject_cast<QLineEdit*>(view.GetDlgItem(c.box));
        box->selectAll();
        box->insert(c.text);
        m_messages.messages.clear();
        Trigger(app, res::kCmdFileSave);
        EXPECT_EQ(m_messages.messages, std::vector<std::string> { "Please enter a number." });
        EXPECT_EQ(ReadFile(path), saved);
        EXPECT_TRUE(Active(app).GetDocument().IsModified());
        EXPECT_EQ(box->text(), c.text);

        // Corrected, it saves.
        box->selectAll();
        box->insert("10");
        m_messages.messages.clear();
        Trigger(app, res::kCmdFileSave);
        EXPECT_TRUE(m_messages.messages.empty());
        EXPECT_EQ(ReadFile(path), QByteArray("\x03x^2") + kDefaultSettingsTrailer);
        EXPECT_FALSE(Active(app).GetDocument().IsModified());
    }
}

} // namespace
} // namespace plovex
