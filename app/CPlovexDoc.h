#pragma once

#include "engine/TokenList.h"

#include <QObject>
#include <string>

namespace plovex {

// One graph: the expression text, the only thing a document file stores, and the two token
// lists that every parse rebuilds from it and every evaluation reads.
class CPlovexDoc : public QObject {
    Q_OBJECT

public:
    explicit CPlovexDoc(QObject* parent = nullptr);

    const std::string& Expression() const { return m_expression; }
    void SetExpression(const std::string& expression) { m_expression = expression; }

    TokenList& PostfixQueue() { return m_postfixQueue; }
    const TokenList& PostfixQueue() const { return m_postfixQueue; }
    TokenList& OperatorStack() { return m_operatorStack; }

private:
    std::string m_expression;
    TokenList m_postfixQueue;
    TokenList m_operatorStack;
};

} // namespace plovex
