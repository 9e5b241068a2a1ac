#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plovex {

// Expressions are evaluated over an array of float variables, one slot per name: x, y and t
// first, then the graph's parameters in its order. An evaluation array for names N holds
// N.SlotCount() floats; an expression reads only the slots of the names it uses.
inline constexpr std::size_t kSlotX = 0;
inline constexpr std::size_t kSlotY = 1;
inline constexpr std::size_t kSlotT = 2;
inline constexpr std::size_t kFirstParameterSlot = 3;
// A slot index is stored in 16 bits: parameters past this many are never found.
inline constexpr std::size_t kMaxParameters = 65536 - kFirstParameterSlot;

// The names a parse lets an expression use: the variables its kind of function allows and the
// graph's parameters, parameter i reading slot kFirstParameterSlot + i. A variable the kind
// does not allow is a parse error; t outside parametric and polar functions, and a name that
// is neither a built-in function, pi, nor a parameter, is an unknown name.
struct ExpressionNames {
    enum class Variables : std::uint8_t {
        X, // explicit functions, y = f(x)
        XY, // implicit functions, f(x, y) = 0
        T, // parametric and polar functions of t
    };

    Variables variables = Variables::X;
    // In slot order; the first of equal names is the one found. Valid names are those
    // CheckParameterName accepts; others are kept but no expression can spell them.
    std::vector<std::string> parameters;

    static ExpressionNames Explicit(std::vector<std::string> parameters = {});
    static ExpressionNames Implicit(std::vector<std::string> parameters = {});
    static ExpressionNames Curve(std::vector<std::string> parameters = {});

    // Whether the kind allows the variable 'x', 'y' or 't'.
    bool Allows(char variable) const;
    // The slot a parameter name reads, or nothing for a name that is not a parameter.
    std::optional<std::size_t> ParameterSlot(std::string_view name) const;
    // The length of an evaluation array for these names: x, y, t and every parameter.
    std::size_t SlotCount() const;
};

} // namespace plovex
