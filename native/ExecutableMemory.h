#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace plovex {

// Why no executable memory was made: the pages could not be had (the system's or this
// process's limit), or the system refused to make them executable, as a hardened system may.
struct MemoryFailure {
    enum class Kind { None, Allocation, Execution };
    Kind kind = Kind::None;
    int error = 0; // errno
};

// Machine code in pages of its own: written while they are only writable, then made readable
// and executable and never written again, so that no page is writable and executable at once.
class ExecutableMemory {
public:
    // Fresh pages holding `code`, or nullptr and `failure` saying why.
    static std::shared_ptr<const ExecutableMemory> Create(
        std::span<const std::uint8_t> code, MemoryFailure& failure);

    ~ExecutableMemory();
    ExecutableMemory(const ExecutableMemory&) = delete;
    ExecutableMemory& operator=(const ExecutableMemory&) = delete;

    const void* Address() const { return m_address; }

private:
    ExecutableMemory(void* address, std::size_t size)
        : m_address(address)
        , m_size(size)
    { }

    void* m_address;
    std::size_t m_size;
};

} // namespace plovex
