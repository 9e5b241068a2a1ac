#include "native/NativeCode.h"

#include "engine/TokenList.h"

#ifdef PLOVEX_JIT
#include "native/ExecutableMemory.h"
#include "native/NativeCompiler.h"

#include <cstdlib>
#include <mutex>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>
#endif

namespace plovex {
namespace {

#ifdef PLOVEX_JIT
// PLOVEX_JIT=0 selects the interpreter, for comparisons; read at every compilation, so that
// it applies from the next parse on.
bool InterpreterChosen()
{
    const char* value = std::getenv("PLOVEX_JIT");
    return value && std::string_view(value) == "0";
}

// A system that refused to make memory executable will refuse again: after the first refusal
// no more code is made, and the reason stays for the diagnostic.
class ExecutionRefusal {
public:
    bool Refused()
    {
        const std::lock_guard lock(m_mutex);
        return m_refused;
    }

    std::string Reason()
    {
        const std::lock_guard lock(m_mutex);
        return m_reason;
    }

    void Refuse(std::string reason)
    {
        const std::lock_guard lock(m_mutex);
        m_refused = true;
        m_reason = std::move(reason);
    }

private:
    std::mutex m_mutex;
    bool m_refused = false;
    std::string m_reason;
};

ExecutionRefusal& Refusal()
{
    static ExecutionRefusal refusal;
    return refusal;
}
#endif

} // namespace

Program CompileProgram(const TokenList& queue)
{
    Program program = Program::Compile(queue);
    AttachNativeCode(program);
    return program;
}

void AttachNativeCode(Program& program)
{
#ifdef PLOVEX_JIT
    if (program.IsNative() || InterpreterChosen() || Refusal().Refused())
        return;
    const std::vector<std::uint8_t> code = NativeCompiler::Assemble(program);
    if (code.empty())
        return;
    MemoryFailure failure;
    std::shared_ptr<const ExecutableMemory> memory = ExecutableMemory::Create(code, failure);
    if (!memory) {
        if (failure.kind == MemoryFailure::Kind::Execution)
            Refusal().Refuse(std::error_code(failure.error, std::generic_category()).message());
        return;
    }
    // The pages hold the code from their first byte on.
    const auto entry = reinterpret_cast<Program::NativeEntry>(const_cast<void*>(memory->Address()));
    program.AttachNative(std::move(memory), entry);
#else
    (void)program;
#endif
}

std::string NativeCodeStatus()
{
#ifdef PLOVEX_JIT
    if (InterpreterChosen())
        return "interpreter (PLOVEX_JIT=0)";
    // Found out now, unless a compilation has already met a refusal.
    Program probe = Program::Compile(TokenList {});
    AttachNativeCode(probe);
    if (probe.IsNative())
        return "native x86-64 code (" + NativeCompiler::LibraryName() + ")";
    if (Refusal().Refused())
        return "interpreter (executable memory refused: " + Refusal().Reason() + ")";
    return "interpreter (no memory for native code)";
#else
    return "interpreter (built without native code)";
#endif
}

} // namespace plovex
