#pragma once

#include "engine/BlockList.h"

namespace plovex {

// The evaluator's stack of single-precision values; lives for one evaluation.
class ValueStack {
public:
    void Push(float value) { m_list.Append(value); }
    float Pop() { return m_list.RemoveLast(); }
    bool IsEmpty() const { return m_list.IsEmpty(); }
    std::size_t Count() const { return m_list.Count(); }
    std::size_t BlockCount() const { return m_list.BlockCount(); }

private:
    BlockList<float> m_list;
};

} // namespace plovex
