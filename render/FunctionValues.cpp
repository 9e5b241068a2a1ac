#include "render/FunctionValues.h"

#include "engine/ExpressionNames.h"

#include <utility>

namespace plovex {

FunctionValues::FunctionValues(Program program, std::vector<float> variables)
    : m_program(std::move(program))
    , m_variables(std::move(variables))
{
    if (m_variables.size() < kFirstParameterSlot)
        m_variables.resize(kFirstParameterSlot, 0.0f);
}

double FunctionValues::At(bool derivative, float x, float y) const
{
    m_variables[kSlotX] = x;
    m_variables[kSlotY] = y;
    return m_program.Evaluate(derivative, m_variables.data());
}

ValueAt FunctionValues::Along(bool derivative) const
{
    return [values = *this, derivative](float x) { return values.At(derivative, x); };
}

} // namespace plovex
