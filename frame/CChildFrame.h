#pragma once

#include <QMdiSubWindow>
#include <functional>

namespace plovex {

class CPlovexDoc;

// A graph window inside the main window: holds one form of a document at the form's own
// size. It can be minimised, but neither resized nor maximised.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit CChildFrame(CPlovexDoc& document, QWidget* parent = nullptr);

    CPlovexDoc& GetDocument() const { return m_document; }

    // Takes `view` as the window's contents and fits the window to it for good.
    void SetView(QWidget* view);

    // "Graph1:2", without the mark of a changed document.
    const QString& Title() const { return m_title; }

    // The window's number among its document's windows (Graph1:2); 0 when it is the only one.
    void SetWindowNumber(int number);

    // Asked when the user closes this window; false keeps it open.
    void SetCloseQuery(std::function<bool(CChildFrame&)> query);
    // Closed, though not yet deleted.
    bool IsClosed() const { return m_closed; }

signals:
    // The close has been agreed to and begins.
    void AboutToClose();
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnUpdateFrameTitle();

    CPlovexDoc& m_document;
    QSize m_fixedSize;
    QString m_title;
    int m_windowNumber = 0;
    bool m_closed = false;
    std::function<bool(CChildFrame&)> m_closeQuery;
};

} // namespace plovex
