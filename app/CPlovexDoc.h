#pragma once

#include "app/GraphSettings.h"
#include "engine/TokenList.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <string>

namespace plovex {

// One graph: the expression text and the settings it is drawn with, which a document file
// stores, and the two token lists that every parse rebuilds from the text and every
// evaluation reads. Besides, what the windows show of it: its title, the file behind it and
// whether it differs from that file.
class CPlovexDoc : public QObject {
    Q_OBJECT

public:
    explicit CPlovexDoc(QObject* parent = nullptr);

    // The text its expression boxes show, as bytes.
    const std::string& Expression() const { return m_expression; }
    void SetExpression(const std::string& expression);

    // The text of the last parse, which the postfix queue holds.
    const std::string& ParsedExpression() const { return m_parsedExpression; }
    void SetParsedExpression(const std::string& expression) { m_parsedExpression = expression; }

    // The settings of the form that last changed them.
    const GraphSettings& Settings() const { return m_settings; }
    void SetSettings(const GraphSettings& settings);

    TokenList& PostfixQueue() { return m_postfixQueue; }
    const TokenList& PostfixQueue() const { return m_postfixQueue; }
    TokenList& OperatorStack() { return m_operatorStack; }

    // Empty until the document is opened from or saved to a file.
    const QString& PathName() const { return m_pathName; }
    // Gives the document its file; the title becomes the file's name.
    void SetPathName(const QString& path);

    // "Graph1" for a new document, the file's name once it has one.
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title);

    // Whether the text or the settings differ from the file's (from a new document's empty
    // text and default settings): typing and undoing it leaves a document unmodified.
    bool IsModified() const { return m_modified; }

    // Reads the document file at `path`. On failure the document is left as it was and
    // `error` says why in a sentence that names the file. A file whose settings are damaged
    // opens with the default settings, and `warning` says so. A FIFO, a device, a socket or a
    // folder is refused without being opened, so nothing waits for another program.
    [[nodiscard]] bool OnOpenDocument(const QString& path, QString& error, QString& warning);
    // Writes the document to `path`, safely (see WriteWholeFile). An unmodified document
    // writes the very bytes it was read from. On success the document takes `path` and is
    // unmodified; on failure `error` names the file and the system's reason. Only a regular
    // file (or a new one) is written: a FIFO, a device, a socket or a folder is refused.
    [[nodiscard]] bool OnSaveDocument(const QString& path, QString& error);

signals:
    void TitleChanged();
    void ModifiedChanged();
    void ExpressionChanged();

private:
    void UpdateModified();

    std::string m_expression;
    std::string m_parsedExpression;
    GraphSettings m_settings;
    TokenList m_postfixQueue;
    TokenList m_operatorStack;
    QString m_pathName;
    QString m_title;
    // What the file holds: its bytes, exactly as read or written, and what they decode to.
    QByteArray m_fileBytes;
    std::string m_savedExpression;
    GraphSettings m_savedSettings;
    bool m_modified = false;
};

} // namespace plovex
