#pragma once

#include "engine/Program.h"

#include <string>

namespace plovex {

class TokenList;

// Program::Compile, with machine code attached where this process can run it: an x86-64 build
// with native code, PLOVEX_JIT not "0" in the environment, and executable memory allowed. Where
// it cannot, the program runs in the interpreter with the very same results, and
// NativeCodeStatus says why.
Program CompileProgram(const TokenList& queue);

// Attaches machine code to a program compiled without it, where this process can run it.
void AttachNativeCode(Program& program);

// How this process evaluates expressions, for the diagnostic: "native x86-64 code (asmjit
// 1.9.0)", or "interpreter (...)" with the reason.
std::string NativeCodeStatus();

} // namespace plovex
