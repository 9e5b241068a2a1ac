#pragma once

#include "engine/TokenList.h"

#include <QObject>
#include <QString>
#include <string>

namespace plovex {

// One graph: the expression text, the only thing a document file stores, and the two token
// lists that every parse rebuilds from it and every evaluation reads. Besides, what the
// windows show of it: its title, the file behind it and whether it changed since it was
// opened or saved.
class CPlovexDoc : public QObject {
    Q_OBJECT

public:
    explicit CPlovexDoc(QObject* parent = nullptr);

    const std::string& Expression() const { return m_expression; }
    // The parser's copy of the form's text: a different text marks the document changed.
    void SetExpression(const std::string& expression);

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

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);

    // Reads the document file at `path`. On failure the document is left as it was and
    // `error` says why in a sentence that names the file.
    [[nodiscard]] bool OnOpenDocument(const QString& path, QString& error);
    // Writes the expression to `path` through a temporary file that replaces the old one
    // only once it is complete. On success the document takes `path` and is unchanged; on
    // failure the old file is intact and `error` names the file and the system's reason.
    [[nodiscard]] bool OnSaveDocument(const QString& path, QString& error);

signals:
    void TitleChanged();
    void ModifiedChanged();

private:
    std::string m_expression;
    TokenList m_postfixQueue;
    TokenList m_operatorStack;
    QString m_pathName;
    QString m_title;
    bool m_modified = false;
};

} // namespace plovex
