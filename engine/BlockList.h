#pragma once

#include <cassert>
#include <cstddef>
#include <memory>
#include <vector>

namespace plovex {

// Doubly linked list with access at its tail. Nodes come from blocks of kBlockSize that
// the list allocates when its free pool is empty; every block is released as soon as the
// list becomes empty, so an idle list holds no memory.
template <typename T> class BlockList {
public:
    static constexpr std::size_t kBlockSize = 10;

    BlockList() = default;
    BlockList(const BlockList&) = delete;
    BlockList& operator=(const BlockList&) = delete;

    void Append(const T& value)
    {
        if (!m_free)
            AllocateBlock();
        Node* node = m_free;
        m_free = node->next;
        node->value = value;
        node->next = nullptr;
        node->prev = m_tail;
        if (m_tail)
            m_tail->next = node;
        else
            m_head = node;
        m_tail = node;
        ++m_count;
    }

    // Precondition: not empty. A default value comes back rather than a crash if it is.
    const T& Last() const
    {
        assert(m_tail);
        static const T kNone {};
        return m_tail ? m_tail->value : kNone;
    }

    T RemoveLast()
    {
        assert(m_tail);
        if (!m_tail)
            return T {};
        Node* node = m_tail;
        T value = node->value;
        m_tail = node->prev;
        if (m_tail)
            m_tail->next = nullptr;
        else
            m_head = nullptr;
        node->next = m_free;
        m_free = node;
        if (--m_count == 0)
            Clear();
        return value;
    }

    void Clear()
    {
        m_blocks.clear();
        m_head = m_tail = m_free = nullptr;
        m_count = 0;
    }

    bool IsEmpty() const { return m_count == 0; }
    std::size_t Count() const { return m_count; }
    std::size_t BlockCount() const { return m_blocks.size(); }

    template <typename Visit> void ForEach(Visit&& visit) const
    {
        for (const Node* node = m_head; node; node = node->next)
            visit(node->value);
    }

private:
    struct Node {
        Node* next = nullptr;
        Node* prev = nullptr;
        T value {};
    };

    void AllocateBlock()
    {
        auto block = std::make_unique<Node[]>(kBlockSize);
        for (std::size_t i = 0; i < kBlockSize; ++i) {
            block[i].next = m_free;
            m_free = &block[i];
        }
        m_blocks.push_back(std::move(block));
    }

    std::vector<std::unique_ptr<Node[]>> m_blocks;
    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    Node* m_free = nullptr;
    std::size_t m_count = 0;
};

} // namespace plovex
