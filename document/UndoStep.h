#pragma once

#include <cstdint>

namespace plovex {

// What one step of a graph's undo list did; the window puts it into words ("Undo Delete
// Function").
enum class UndoStep : std::uint8_t {
    Plot, // the texts, kind, scales and quality as plotted
    ChangeScale, // a scale button
    ChangeKind, // explicit or implicit
    Typing, // texts typed and not plotted, kept when an undo passes over them
    NewFunction,
    DeleteFunction,
    MoveFunction,
    ChangeColour,
    ShowFunction,
    HideFunction,
    NewParameter,
    DeleteParameter,
    RenameParameter,
    ChangeRange,
    ChangeValue, // one drag of a slider or one run of Play is one step
};

} // namespace plovex
