#include "native/ExecutableMemory.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace plovex {
namespace {

// Each program's code takes mappings of its own, and the kernel allows a process some 65,000
// (vm.max_map_count), which every large allocation and thread stack shares: past this many
// live programs the rest run in the interpreter.
constexpr int kMaxLivePrograms = 4096;
std::atomic<int> g_livePrograms { 0 };

} // namespace

std::shared_ptr<const ExecutableMemory> ExecutableMemory::Create(
    std::span<const std::uint8_t> code, MemoryFailure& failure)
{
    if (g_livePrograms.fetch_add(1) >= kMaxLivePrograms) {
        g_livePrograms.fetch_sub(1);
        failure = { MemoryFailure::Kind::Allocation, ENOMEM };
        return nullptr;
    }
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t size = (code.size() + page - 1) / page * page;
    void* address = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (address == MAP_FAILED) {
        failure = { MemoryFailure::Kind::Allocation, errno };
        g_livePrograms.fetch_sub(1);
        return nullptr;
    }
    std::memcpy(address, code.data(), code.size());
    if (mprotect(address, size, PROT_READ | PROT_EXEC) != 0) {
        failure = { MemoryFailure::Kind::Execution, errno };
        munmap(address, size);
        g_livePrograms.fetch_sub(1);
        return nullptr;
    }
    return std::shared_ptr<const ExecutableMemory>(new ExecutableMemory(address, size));
}

ExecutableMemory::~ExecutableMemory()
{
    munmap(m_address, m_size);
    g_livePrograms.fetch_sub(1);
}

} // namespace plovex
