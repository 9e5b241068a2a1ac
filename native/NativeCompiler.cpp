#include "native/NativeCompiler.h"

#include "engine/Functions.h"
#include "engine/Operators.h"

#include <array>
#include <asmjit/x86.h>
#include <bit>
#include <cstddef>
#include <limits>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace plovex {
namespace {

namespace x86 = asmjit::x86;
using Op = Program::Op;

// Where a value of the program's stack lies while the code runs. Constants and variables stay
// where they are until an operation needs them; a computed value lives in a register, as a
// float, until a call or a shortage of registers moves it to its home, the float of the
// caller's stack at its stack position.
struct Value {
    enum class Place : std::uint8_t { Register, Home, Constant, Variable };

    Place place;
    int index = 0; // the register, the home's stack position or the variable's slot
    float constant = 0.0f;

    static Value InRegister(int reg) { return { Place::Register, reg }; }
    static Value AtHome(int position) { return { Place::Home, position }; }
    static Value Number(float constant) { return { Place::Constant, 0, constant }; }
    static Value InSlot(int slot) { return { Place::Variable, slot }; }
};

// An arithmetic instruction: its operator, and its right operand when folded into it
// (otherwise that is the value on top of the stack).
struct Arithmetic {
    char kind;
    std::optional<Value> folded;
};

// Each operator comes in three forms, kOperatorForms apart in the order of "+-*/^": its right
// operand on the stack, a constant folded in, or a variable's slot folded in.
std::optional<Arithmetic> ArithmeticOf(const Program::Instruction& instruction)
{
    constexpr std::string_view kOperators = "+-*/^";
    const int offset = static_cast<int>(instruction.op) - static_cast<int>(Op::Add);
    if (offset < 0 || instruction.op >= Op::Square)
        return std::nullopt;
    const char kind = kOperators[static_cast<std::size_t>(offset % Program::kOperatorForms)];
    switch (offset / Program::kOperatorForms) {
    case 0:
        return Arithmetic { kind, std::nullopt };
    case 1:
        return Arithmetic { kind, Value::Number(instruction.constant) };
    default:
        return Arithmetic { kind, Value::InSlot(instruction.slot) };
    }
}

// How the code keeps its two pointers, the variables' and the stack's. Code that calls keeps
// the machine stack aligned for the callee; it also moves the pointers into registers the callee
// keeps when memory may be read after a call: a variable, a value that waited beneath the
// call's operands (computed values go to the stack for the call), or a value that a shortage of
// registers sent to the stack.
enum class Frame { Leaf, Aligned, Preserving };

Frame FrameFor(std::span<const Program::Instruction> code)
{
    // Below this depth no value can lack a register.
    constexpr std::size_t kShallow = 12;
    Frame frame = Frame::Leaf;
    // Per stack position, whether its value is read from memory when it is used: a variable or a
    // computed value, not a constant. The seed is a constant until an operation replaces it.
    std::vector<bool> fromMemory { false };
    std::size_t inMemory = 0;
    for (const Program::Instruction& instruction : code) {
        const std::optional<Arithmetic> arithmetic = ArithmeticOf(instruction);
        const bool pushes = instruction.op == Op::PushConst || instruction.op == Op::PushSlot;
        const bool readsVariable = instruction.op == Op::PushSlot
            || (arithmetic && arithmetic->folded
                && arithmetic->folded->place == Value::Place::Variable);
        if (frame != Frame::Leaf && (readsVariable || fromMemory.size() >= kShallow))
            return Frame::Preserving;
        const std::size_t operands = pushes || instruction.op == Op::ReturnNaN ? 0
            : arithmetic && !arithmetic->folded                                ? 2
                                                                               : 1;
        if (operands > fromMemory.size())
            return frame; // a stack that runs short: no code is made
        std::size_t operandsInMemory = 0;
        for (std::size_t i = 0; i < operands; ++i) {
            operandsInMemory += fromMemory.back() ? 1 : 0;
            fromMemory.pop_back();
        }
        inMemory -= operandsInMemory;
        const bool calls
            = instruction.op >= Op::Function || (arithmetic && arithmetic->kind == '^');
        if (calls && inMemory > 0)
            return Frame::Preserving;
        if (calls)
            frame = Frame::Aligned;
        if (instruction.op == Op::Return || instruction.op == Op::ReturnNaN)
            continue;
        const bool result = instruction.op != Op::PushConst;
        fromMemory.push_back(result);
        inMemory += result ? 1 : 0;
    }
    return frame;
}

// Any assembler error spoils the whole code; the program then stays with the interpreter.
class ErrorFlag : public asmjit::ErrorHandler {
public:
    void handleError(asmjit::Error, const char*, asmjit::BaseEmitter*) override { failed = true; }

    bool failed = false;
};

class Generator {
public:
    Generator(x86::Assembler& assembler, const Program& program)
        : m_a(assembler)
        , m_program(program)
    {
        m_owner.fill(kFree);
    }

    // False when the instructions do not make a program (a stack that runs short).
    bool Generate();

private:
    static constexpr int kRegisters = 16;
    static constexpr int kFree = -1;
    static constexpr int kOperand = -2; // taken by the instruction being translated

    static x86::Xmm Xmm(int reg) { return x86::xmm(static_cast<std::uint32_t>(reg)); }

    // Every variable is read here: a float at its slot of the variables the code is given.
    x86::Mem VariableSlot(int slot) const { return x86::dword_ptr(m_variables, slot * 4); }
    x86::Mem HomeOf(int position) const { return x86::dword_ptr(m_homes, position * 4); }
    x86::Mem FloatAt(const Value& value) const
    {
        return value.place == Value::Place::Variable ? VariableSlot(value.index)
                                                     : HomeOf(value.index);
    }

    // Eight bytes of the constant pool behind the code.
    asmjit::Label PoolEntry(std::uint64_t bits);
    x86::Mem DoubleConstant(double value)
    {
        return x86::qword_ptr(PoolEntry(std::bit_cast<std::uint64_t>(value)));
    }
    x86::Mem FloatConstant(float value)
    {
        return x86::dword_ptr(PoolEntry(std::bit_cast<std::uint32_t>(value)));
    }
    // Where a float operand is read from, in a register or in memory.
    asmjit::Operand FloatOperand(const Value& value);
    x86::Mem SignMask();

    void Push(Value value);
    Value Pop();
    int Allocate();
    void Spill(int reg);
    void SpillAll();
    void ReleaseOperands();

    int LoadFloat(const Value& value);
    int LoadDouble(const Value& value);
    void LoadDoubleInto(const Value& value, int reg);

    void Operate(char kind, Value left, Value right);
    void RaiseToPower(int exponent, const Value& value);
    void CallFunction(std::size_t row, const Value& argument);
    void CallPower(Value base, Value exponent);
    void Return(const Value& value);
    void EmitPool();

    x86::Assembler& m_a;
    const Program& m_program;
    x86::Gp m_variables;
    x86::Gp m_homes;
    Frame m_frame = Frame::Leaf;
    bool m_shortStack = false;
    std::vector<Value> m_stack;
    // The stack position of the value each register holds, or kFree, or kOperand.
    std::array<int, kRegisters> m_owner;
    std::map<std::uint64_t, asmjit::Label> m_pool;
    std::optional<asmjit::Label> m_signMask;
};

asmjit::Label Generator::PoolEntry(std::uint64_t bits)
{
    const auto found = m_pool.find(bits);
    if (found != m_pool.end())
        return found->second;
    const asmjit::Label label = m_a.newLabel();
    m_pool.emplace(bits, label);
    return label;
}

asmjit::Operand Generator::FloatOperand(const Value& value)
{
    switch (value.place) {
    case Value::Place::Register:
        return Xmm(value.index);
    case Value::Place::Constant:
        return FloatConstant(value.constant);
    default:
        return FloatAt(value);
    }
}

// xorps's 16-byte operand, the sign of the low float, which must be aligned: the pool starts
// with it.
x86::Mem Generator::SignMask()
{
    if (!m_signMask)
        m_signMask = m_a.newLabel();
    return x86::xmmword_ptr(*m_signMask);
}

void Generator::Push(Value value)
{
    if (value.place == Value::Place::Register)
        m_owner[value.index] = static_cast<int>(m_stack.size());
    m_stack.push_back(value);
}

Value Generator::Pop()
{
    if (m_stack.empty()) {
        m_shortStack = true;
        return Value::Number(0.0f);
    }
    const Value value = m_stack.back();
    m_stack.pop_back();
    if (value.place == Value::Place::Register)
        m_owner[value.index] = kOperand;
    return value;
}

// A free register for the instruction being translated; without one, the value deepest in the
// stack, which is needed last, goes home.
int Generator::Allocate()
{
    int deepest = -1;
    for (int reg = 0; reg < kRegisters; ++reg) {
        const int owner = m_owner[reg];
        if (owner == kFree) {
            m_owner[reg] = kOperand;
            return reg;
        }
        if (owner >= 0 && (deepest < 0 || owner < m_owner[deepest]))
            deepest = reg;
    }
    Spill(deepest);
    m_owner[deepest] = kOperand;
    return deepest;
}

void Generator::Spill(int reg)
{
    const int position = m_owner[reg];
    m_a.movss(HomeOf(position), Xmm(reg));
    m_stack[position] = Value::AtHome(position);
    m_owner[reg] = kFree;
}

// A call may change every SSE register.
void Generator::SpillAll()
{
    for (int reg = 0; reg < kRegisters; ++reg) {
        if (m_owner[reg] >= 0)
            Spill(reg);
    }
}

void Generator::ReleaseOperands()
{
    for (int& owner : m_owner) {
        if (owner == kOperand)
            owner = kFree;
    }
}

// The value in a register, its own when it has one.
int Generator::LoadFloat(const Value& value)
{
    if (value.place == Value::Place::Register)
        return value.index;
    const int reg = Allocate();
    m_a.movss(Xmm(reg), FloatOperand(value).as<x86::Mem>());
    return reg;
}

// The value widened to double, in its own register when it has one. Loads go through movss,
// which clears the rest of the register, so no conversion waits on an older value.
int Generator::LoadDouble(const Value& value)
{
    if (value.place == Value::Place::Register) {
        m_a.cvtss2sd(Xmm(value.index), Xmm(value.index));
        return value.index;
    }
    const int reg = Allocate();
    LoadDoubleInto(value, reg);
    return reg;
}

// A value that is not in a register, widened into `reg`.
void Generator::LoadDoubleInto(const Value& value, int reg)
{
    if (value.place == Value::Place::Constant) {
        m_a.movsd(Xmm(reg), DoubleConstant(value.constant));
        return;
    }
    m_a.movss(Xmm(reg), FloatAt(value));
    m_a.cvtss2sd(Xmm(reg), Xmm(reg));
}

// Add, Subtract, Multiply and Divide: left op right in double, rounded once to float. Done in
// float instead, which rounds once to the same float: double carries more than twice float's
// precision and two bits more, enough that no sum, difference, product or quotient of floats
// rounds differently through it, zeros, infinities, overflow and subnormals included. The
// compiler makes the same of the interpreter's own Add, Multiply and Divide.
void Generator::Operate(char kind, Value left, Value right)
{
    if (kind == '^') {
        CallPower(left, right);
        return;
    }
    asmjit::InstId instruction = x86::Inst::kIdAddss;
    Value target = left;
    Value source = right;
    switch (kind) {
    case '-':
        // -(right - left): equal operands give -0.
        instruction = x86::Inst::kIdSubss;
        std::swap(target, source);
        break;
    case '*':
        instruction = x86::Inst::kIdMulss;
        break;
    case '/':
        instruction = x86::Inst::kIdDivss;
        break;
    default:
        break;
    }
    // A sum or a product is the same whichever operand receives the other: the one already in
    // a register does.
    const bool commutative = kind == '+' || kind == '*';
    if (commutative && target.place != Value::Place::Register
        && source.place == Value::Place::Register)
        std::swap(target, source);
    const int result = LoadFloat(target);
    m_a.emit(instruction, Xmm(result), FloatOperand(source));
    if (kind == '-')
        m_a.xorps(Xmm(result), SignMask());
    ReleaseOperands();
    Push(Value::InRegister(result));
}

// The interpreter's Square, Cube and Fourth: t*t, rounded once to float, which a float product
// gives as Multiply does; (t*t)*t and (t*t)*(t*t) in double, whose first rounding a float
// product would not make.
void Generator::RaiseToPower(int exponent, const Value& value)
{
    if (exponent == 2) {
        const int result = LoadFloat(value);
        m_a.mulss(Xmm(result), Xmm(result));
        ReleaseOperands();
        Push(Value::InRegister(result));
        return;
    }
    const int result = LoadDouble(value);
    if (exponent == 3) {
        const int base = Allocate();
        m_a.movapd(Xmm(base), Xmm(result));
        m_a.mulsd(Xmm(result), Xmm(result));
        m_a.mulsd(Xmm(result), Xmm(base));
    } else {
        m_a.mulsd(Xmm(result), Xmm(result));
        m_a.mulsd(Xmm(result), Xmm(result));
    }
    m_a.cvtsd2ss(Xmm(result), Xmm(result));
    ReleaseOperands();
    Push(Value::InRegister(result));
}

// The row's own function on the value widened to double, its result rounded to float.
void Generator::CallFunction(std::size_t row, const Value& argument)
{
    SpillAll();
    if (argument.place == Value::Place::Register) {
        m_a.cvtss2sd(Xmm(argument.index), Xmm(argument.index));
        if (argument.index != 0)
            m_a.movapd(x86::xmm0, Xmm(argument.index));
    } else {
        LoadDoubleInto(argument, 0);
    }
    m_a.call(x86::qword_ptr(PoolEntry(reinterpret_cast<std::uintptr_t>(kFunctions[row].apply))));
    m_a.cvtsd2ss(x86::xmm0, x86::xmm0);
    ReleaseOperands();
    Push(Value::InRegister(0));
}

// The interpreter's own Power, which rounds std::pow's value to float: base in xmm0, exponent
// in xmm1, both widened; after the spill no other register holds a value.
void Generator::CallPower(Value base, Value exponent)
{
    SpillAll();
    const auto widen = [this](const Value& value) {
        if (value.place == Value::Place::Register)
            m_a.cvtss2sd(Xmm(value.index), Xmm(value.index));
    };
    widen(base);
    widen(exponent);
    const auto place = [this](const Value& value, int reg) {
        if (value.place != Value::Place::Register)
            LoadDoubleInto(value, reg);
        else if (value.index != reg)
            m_a.movapd(Xmm(reg), Xmm(value.index));
    };
    const auto in = [](const Value& value, int reg) {
        return value.place == Value::Place::Register && value.index == reg;
    };
    if (in(base, 1) && in(exponent, 0)) {
        m_a.movapd(x86::xmm2, x86::xmm0);
        m_a.movapd(x86::xmm0, x86::xmm1);
        m_a.movapd(x86::xmm1, x86::xmm2);
    } else if (in(base, 1)) {
        place(base, 0);
        place(exponent, 1);
    } else {
        place(exponent, 1);
        place(base, 0);
    }
    float (*power)(double, double) = Power;
    m_a.call(x86::qword_ptr(PoolEntry(reinterpret_cast<std::uintptr_t>(power))));
    ReleaseOperands();
    Push(Value::InRegister(0));
}

void Generator::Return(const Value& value)
{
    switch (value.place) {
    case Value::Place::Register:
        if (value.index != 0)
            m_a.movaps(x86::xmm0, Xmm(value.index));
        break;
    case Value::Place::Constant:
        m_a.movss(x86::xmm0, FloatConstant(value.constant));
        break;
    default:
        m_a.movss(x86::xmm0, FloatAt(value));
        break;
    }
    if (m_frame == Frame::Preserving) {
        m_a.add(x86::rsp, 8);
        m_a.pop(x86::r12);
        m_a.pop(x86::rbx);
    } else if (m_frame == Frame::Aligned) {
        m_a.add(x86::rsp, 8);
    }
    m_a.ret();
}

void Generator::EmitPool()
{
    m_a.align(asmjit::AlignMode::kData, 16);
    if (m_signMask) {
        m_a.bind(*m_signMask);
        m_a.embedUInt32(std::bit_cast<std::uint32_t>(-0.0f));
        m_a.embedUInt32(0, 3);
    }
    for (const auto& [bits, label] : m_pool) {
        m_a.bind(label);
        m_a.embedUInt64(bits);
    }
}

bool Generator::Generate()
{
    const std::span<const Program::Instruction> code = m_program.Instructions();
    m_frame = FrameFor(code);
    // Called code keeps rbx and r12, and finds the stack aligned to 16 bytes.
    m_variables = x86::rdi;
    m_homes = x86::rsi;
    if (m_frame == Frame::Preserving) {
        m_a.push(x86::rbx);
        m_a.push(x86::r12);
        m_a.mov(x86::rbx, x86::rdi);
        m_a.mov(x86::r12, x86::rsi);
        m_variables = x86::rbx;
        m_homes = x86::r12;
    }
    if (m_frame != Frame::Leaf)
        m_a.sub(x86::rsp, 8);
    Push(Value::Number(0.0f)); // the seed
    for (const Program::Instruction& instruction : code) {
        switch (instruction.op) {
        case Op::Return:
            Return(Pop());
            break;
        case Op::ReturnNaN:
            Return(Value::Number(std::numeric_limits<float>::quiet_NaN()));
            break;
        case Op::PushConst:
            Push(Value::Number(instruction.constant));
            break;
        case Op::PushSlot:
            Push(Value::InSlot(instruction.slot));
            break;
        case Op::Square:
            RaiseToPower(2, Pop());
            break;
        case Op::Cube:
            RaiseToPower(3, Pop());
            break;
        case Op::Fourth:
            RaiseToPower(4, Pop());
            break;
        default:
            if (const std::optional<Arithmetic> arithmetic = ArithmeticOf(instruction)) {
                const Value right = arithmetic->folded ? *arithmetic->folded : Pop();
                const Value left = Pop();
                Operate(arithmetic->kind, left, right);
            } else {
                const auto row = static_cast<std::size_t>(instruction.op)
                    - static_cast<std::size_t>(Op::Function);
                if (row >= kFunctions.size())
                    return false;
                CallFunction(row, Pop());
            }
            break;
        }
    }
    EmitPool();
    return !m_shortStack;
}

} // namespace

std::vector<std::uint8_t> NativeCompiler::Assemble(const Program& program)
{
    asmjit::CodeHolder code;
    ErrorFlag errors;
    if (code.init(asmjit::Environment::host()) != asmjit::kErrorOk)
        return {};
    code.setErrorHandler(&errors);
    x86::Assembler assembler(&code);
    Generator generator(assembler, program);
    if (!generator.Generate() || errors.failed || code.hasUnresolvedLinks())
        return {};
    const asmjit::CodeBuffer& buffer = code.textSection()->buffer();
    return std::vector<std::uint8_t>(buffer.data(), buffer.data() + buffer.size());
}

std::string NativeCompiler::LibraryName()
{
    constexpr unsigned kVersion = ASMJIT_LIBRARY_VERSION;
    return "asmjit " + std::to_string(kVersion >> 16) + "." + std::to_string((kVersion >> 8) & 0xFF)
        + "." + std::to_string(kVersion & 0xFF);
}

} // namespace plovex
