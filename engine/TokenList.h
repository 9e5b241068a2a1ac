#pragma once

#include "engine/BlockList.h"
#include "engine/Token.h"

namespace plovex {

// The postfix queue and the parser's operator stack.
class TokenList {
public:
    void Append(Token token) { m_list.Append(token); }
    const Token& Last() const { return m_list.Last(); }
    Token RemoveLast() { return m_list.RemoveLast(); }
    void Clear() { m_list.Clear(); }
    bool IsEmpty() const { return m_list.IsEmpty(); }
    std::size_t Count() const { return m_list.Count(); }
    std::size_t BlockCount() const { return m_list.BlockCount(); }

    template <typename Visit> void ForEach(Visit&& visit) const
    {
        m_list.ForEach(std::forward<Visit>(visit));
    }

private:
    BlockList<Token> m_list;
};

} // namespace plovex
