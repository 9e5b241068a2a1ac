#include "engine/Parser.h"
#include "engine/TokenList.h"
#include "native/NativeCode.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <optional>
#include <sstream>
#include <string>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <vector>

namespace plovex {
namespace {

Program Compiled(const std::string& expression)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    (void)Parse(expression, true, queue, operators, postfix);
    return CompileProgram(queue);
}

#ifdef PLOVEX_JIT

// Sets PLOVEX_JIT, or removes it, for one scope.
class JitVariable {
public:
    explicit JitVariable(const char* value)
    {
        if (const char* before = std::getenv("PLOVEX_JIT"))
            m_before = before;
        Set(value);
    }
    ~JitVariable() { Set(m_before ? m_before->c_str() : nullptr); }

private:
    static void Set(const char* value)
    {
        if (value)
            setenv("PLOVEX_JIT", value, 1);
        else
            unsetenv("PLOVEX_JIT");
    }

    std::optional<std::string> m_before;
};

TEST(NativeFallback, PlovexJitZeroSelectsTheInterpreter)
{
    const struct {
        const char* value;
        bool native;
    } cases[] = {
        { nullptr, true }, { "0", false }, { "1", true }, { "", true },
        { "00", true }, // only "0" chooses
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(unset)");
        const JitVariable variable(c.value);
        const Program program = Compiled("x^2+sin(y)");
        EXPECT_EQ(program.IsNative(), c.native);
        EXPECT_EQ(program.Run(1.5f, 2.0f), 2.25f + 0.90929742682568f);
        EXPECT_EQ(NativeCodeStatus(),
            c.native ? "native x86-64 code (asmjit 1.9.0)" : "interpreter (PLOVEX_JIT=0)");
    }
}

// As a hardened system does (systemd's MemoryDenyWriteExecute, SELinux without execmem): mmap
// and mprotect fail with EPERM whenever they are asked for executable memory.
bool ForbidExecutableMemory()
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_mprotect, 2, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_mmap, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, PROT_EXEC, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EPERM),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program = { static_cast<unsigned short>(std::size(filter)), filter };
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0
        && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

// Run in a child process, which the filter then binds for the rest of its life.
void CompileWhereExecutableMemoryIsRefused()
{
    unsetenv("PLOVEX_JIT");
    if (!ForbidExecutableMemory()) {
        std::fputs("no seccomp filter\n", stderr);
        std::exit(2);
    }
    const Program program = Compiled("x^2+sin(y)");
    const std::string status = NativeCodeStatus();
    std::fprintf(stderr, "%s\n", status.c_str());
    const bool same = program.Run(1.5f, 2.0f) == 2.25f + 0.90929742682568f;
    std::exit(!program.IsNative() && same
                && status == "interpreter (executable memory refused: Operation not permitted)"
            ? 0
            : 1);
}

TEST(NativeFallback, ASystemThatRefusesExecutableMemoryGetsTheInterpreter)
{
    EXPECT_EXIT(CompileWhereExecutableMemoryIsRefused(), testing::ExitedWithCode(0),
        "executable memory refused");
}

// Every mapping of this process while native programs are alive: none may be writable and
// executable at once.
TEST(NativeFallback, NoPageIsWritableAndExecutable)
{
    const JitVariable variable(nullptr);
    std::vector<Program> programs;
    for (const char* expression : { "x", "sin(x)*y", "x^2+5*x+6", "1/((x^2+1)^1.5)" })
        programs.push_back(Compiled(expression));
    ASSERT_TRUE(programs.back().IsNative());
    std::ifstream maps("/proc/self/maps");
    ASSERT_TRUE(maps.good());
    std::string line;
    while (std::getline(maps, line)) {
        std::istringstream fields(line);
        std::string range;
        std::string permissions;
        fields >> range >> permissions;
        EXPECT_FALSE(permissions.size() >= 3 && permissions[1] == 'w' && permissions[2] == 'x')
            << line;
    }
}

// Each program's code has pages of its own, and the process may hold only so many mappings:
// past 4096 live programs the rest are interpreted, and code that goes makes room again.
TEST(NativeFallback, PastFourThousandLivePrograms)
{
    const JitVariable variable(nullptr);
    for (int i = 0; i < 5000; ++i) {
        const Program program = Compiled("x^2+sin(y)");
        ASSERT_TRUE(program.IsNative()) << "program " << i << " of 5000, one after another";
    }
    std::vector<Program> programs;
    for (int i = 0; i < 4100; ++i)
        programs.push_back(Compiled("x^2+sin(y)"));
    int native = 0;
    for (const Program& program : programs) {
        native += program.IsNative() ? 1 : 0;
        EXPECT_EQ(program.Run(1.5f, 2.0f), 2.25f + 0.90929742682568f);
    }
    EXPECT_EQ(native, 4096);
    programs.clear();
    EXPECT_TRUE(Compiled("x").IsNative());
}

#else

TEST(NativeFallback, ABuildWithoutNativeCodeInterprets)
{
    const Program program = Compiled("x^2+sin(y)");
    EXPECT_FALSE(program.IsNative());
    EXPECT_EQ(program.Run(1.5f, 2.0f), 2.25f + 0.90929742682568f);
    EXPECT_EQ(NativeCodeStatus(), "interpreter (built without native code)");
}

#endif

} // namespace
} // namespace plovex
