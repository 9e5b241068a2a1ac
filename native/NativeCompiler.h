#pragma once

#include "engine/Program.h"

#include <cstdint>
#include <string>
#include <vector>

namespace plovex {

// Translates a compiled Program into x86-64 machine code (System V calling convention) that
// computes exactly what Program::Run computes, bit for bit: every value a float, each operation
// rounded once to float as the interpreter rounds it, the operands in the interpreter's order,
// the maths functions called through the rows of kFunctions and pow through the interpreter's
// Power. Values live in the SSE registers where they fit and in the caller's stack of StackDepth()
// floats where they do not.
class NativeCompiler {
public:
    // The code's bytes, position-independent, the entry point at their start (a
    // Program::NativeEntry once they are executable); empty if the assembler failed.
    static std::vector<std::uint8_t> Assemble(const Program& program);

    // The assembler library and its version, for the diagnostic: "asmjit 1.9.0".
    static std::string LibraryName();
};

} // namespace plovex
