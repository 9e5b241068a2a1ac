#include "engine/Parser.h"

#include "engine/ExpressionNames.h"
#include "engine/Functions.h"
#include "engine/Numbers.h"
#include "engine/PostfixText.h"
#include "engine/Precedence.h"
#include "engine/TokenList.h"

#include <optional>

namespace plovex {
namespace {

constexpr std::string_view kErrorPrefix = "Parse Error: ";

ParseResult Fail(ParseError error, std::string_view detail)
{
    std::string message(kErrorPrefix);
    switch (error) {
    case ParseError::UnrecognisedSymbol:
        message.append("Unrecognised symbol '").append(detail).append("'.");
        break;
    case ParseError::UnmatchedParentheses:
        message.append("Unmatched parentheses.");
        break;
    case ParseError::VariableYNotAllowed:
        message.append("Variable 'y' allowed only in implicit functions.");
        break;
    case ParseError::UnrecognisedFunction:
        message.append("Unrecognised function '").append(detail).append("'.");
        break;
    case ParseError::FunctionWithoutArgument:
        message.append("Function '").append(detail).append("' has no argument.");
        break;
    case ParseError::VariableNotInCurve:
        message.append("Variable '")
            .append(detail)
            .append("' not allowed in parametric and polar functions, which use t.");
        break;
    case ParseError::None:
        break;
    }
    return { error, std::move(message), std::string(detail) };
}

// The length of the UTF-8 sequence that starts at `index`, or 0 when no valid one starts
// there.
std::size_t SequenceLength(std::string_view text, std::size_t index)
{
    const auto byte = static_cast<unsigned char>(text[index]);
    std::size_t length = 1;
    if (byte >= 0xF0 && byte <= 0xF4)
        length = 4;
    else if (byte >= 0xE0)
        length = byte <= 0xEF ? 3 : 0;
    else if (byte >= 0xC2)
        length = 2;
    else if (byte >= 0x80)
        length = 0;
    if (length == 0 || index + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[index + i]) & 0xC0) != 0x80)
            return 0;
    }
    if (length == 1)
        return 1;
    // The second byte also rules out overlong forms, surrogates and code points past U+10FFFF.
    const auto second = static_cast<unsigned char>(text[index + 1]);
    if ((byte == 0xE0 && second < 0xA0) || (byte == 0xED && second >= 0xA0)
        || (byte == 0xF0 && second < 0x90) || (byte == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

bool IsUtf8(std::string_view text)
{
    for (std::size_t index = 0; index < text.size();) {
        const std::size_t length = SequenceLength(text, index);
        if (length == 0)
            return false;
        index += length;
    }
    return true;
}

// The character at `index` as the expression box shows the text: a whole UTF-8 character in
// a text that is UTF-8, a single byte (a Latin-1 character) in any other. "x+\xE9" shows as
// "x+é", so its message names the byte E9, which reads as é the same way.
std::string_view CharacterAt(std::string_view text, std::size_t index)
{
    return text.substr(index, IsUtf8(text) ? SequenceLength(text, index) : 1);
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// The letters a name is made of; "x" and "y" are never part of one: "ax" reads as a·x.
bool IsNameLetter(char ch)
{
    return (ch >= 'a' && ch <= 'w') || ch == 'z';
}

// One pass over the text: a scanner collects numbers and names, and shunting-yard over the
// operator stack turns them into the postfix queue.
class ExpressionParser {
public:
    ExpressionParser(std::string_view expression, const ExpressionNames& names, TokenList& queue,
        TokenList& operators)
        : m_expression(expression)
        , m_names(names)
        , m_queue(queue)
        , m_operators(operators)
    { }

    // The error that ended the parse, if any; the lists then keep what was built up to it.
    std::optional<ParseResult> Run()
    {
        m_queue.Clear();
        m_operators.Clear();
        m_operators.Append({ '(', 0.0f }); // the bottom marker: every pop loop stops at it
        for (m_index = 0; m_index < m_expression.size(); ++m_index) {
            if (auto error = Take(m_expression[m_index]))
                return error;
        }
        if (auto error = EndPending())
            return error;
        if (!m_awaiting.empty())
            return Fail(ParseError::FunctionWithoutArgument, m_awaiting);
        // Groups left open are closed as if ")" ended the text: "sin(x" reads as "sin(x)".
        for (; m_openCount > 0; --m_openCount)
            PopGroup();
        PopGroup();
        return std::nullopt;
    }

private:
    enum class Pending { Nothing, Number, Name };

    std::optional<ParseResult> Take(char ch)
    {
        if (IsDigit(ch)) {
            // Digits continue a number, and a name after its letters: "log10" is one name.
            if (m_pending == Pending::Nothing)
                Begin(Pending::Number);
            m_buffer += ch;
            return std::nullopt;
        }
        if (m_pending == Pending::Number && (ch == '.' || ExponentFollows(ch))) {
            m_buffer += ch;
            if (ch == 'e' && !IsDigit(m_expression[m_index + 1]))
                m_buffer += m_expression[++m_index]; // the exponent's sign
            return std::nullopt;
        }
        if (IsNameLetter(ch)) {
            if (m_pending != Pending::Name) {
                if (m_pending == Pending::Number)
                    EndNumber();
                Begin(Pending::Name);
            }
            m_buffer += ch;
            return std::nullopt;
        }
        if (auto error = EndPending())
            return error;
        if (!m_awaiting.empty() && (ch == ')' || IsOperator(ch)))
            return Fail(ParseError::FunctionWithoutArgument, m_awaiting);
        switch (ch) {
        case ' ':
            return std::nullopt;
        case '(':
            BeginOperand();
            m_operators.Append({ '(', 0.0f });
            ++m_openCount;
            return std::nullopt;
        case ')':
            if (m_openCount == 0)
                return Fail(ParseError::UnmatchedParentheses, {});
            --m_openCount;
            PopGroup();
            m_afterOperand = true;
            return std::nullopt;
        case 'x':
        case 'y':
            BeginOperand();
            if (!m_names.Allows(ch)) {
                if (m_names.Allows('t'))
                    return Fail(ParseError::VariableNotInCurve, m_expression.substr(m_index, 1));
                return Fail(ParseError::VariableYNotAllowed, {});
            }
            EmitOperand({ ch, 0.0f });
            return std::nullopt;
        default:
            break;
        }
        if (IsOperator(ch)) {
            PushOperator(ch);
            return std::nullopt;
        }
        return Fail(ParseError::UnrecognisedSymbol,
            static_cast<unsigned char>(ch) < 0x80 ? m_expression.substr(m_index, 1)
                                                  : CharacterAt(m_expression, m_index));
    }

    // An "e" inside a number starts its exponent when a digit follows, or a sign and a digit:
    // "1e5", "2.5e-3"; otherwise it starts a name, as in "2e(x)".
    bool ExponentFollows(char ch) const
    {
        if (ch != 'e')
            return false;
        const std::string_view rest = m_expression.substr(m_index + 1);
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-'))
            return rest.size() > 1 && IsDigit(rest[1]);
        return !rest.empty() && IsDigit(rest.front());
    }

    // A number or a name starts; both are operands or functions, so either takes an implied
    // "*" after an operand: "2x", "2sin(x)", "x sin x".
    void Begin(Pending what)
    {
        BeginOperand();
        m_pending = what;
        m_buffer.clear();
    }

    // Something that needs a "*" before it when it directly follows an operand ("2(x+1)",
    // "(x+1)(x-1)", "x y"), and that a waiting function takes as its argument.
    void BeginOperand()
    {
        if (m_afterOperand)
            PushOperator('*');
        m_afterOperand = false;
        m_awaiting.clear();
    }

    void EmitOperand(Token token)
    {
        m_queue.Append(token);
        m_afterOperand = true;
    }

    void PushOperator(char kind)
    {
        const int precedence = Precedence(kind);
        while (m_operators.Last().kind != '(' && Precedence(m_operators.Last().kind) >= precedence)
            m_queue.Append(m_operators.RemoveLast());
        m_operators.Append({ kind, 0.0f });
        m_afterOperand = false;
    }

    void EndNumber()
    {
        m_pending = Pending::Nothing;
        EmitOperand({ '0', ToFloat(BufferToNumber(m_buffer)) });
    }

    // Ends the number or name being collected. A name is, in this order, a built-in function
    // (which then waits for its argument), the constant pi, the variable t (an unknown name
    // where the names do not allow it), a parameter, or else unknown.
    std::optional<ParseResult> EndPending()
    {
        if (m_pending == Pending::Number) {
            EndNumber();
            return std::nullopt;
        }
        if (m_pending != Pending::Name)
            return std::nullopt;
        m_pending = Pending::Nothing;
        if (const char code = LookupFunction(m_buffer); code != kUnknownFunction) {
            m_operators.Append({ code, 0.0f });
            m_awaiting = m_buffer;
        } else if (m_buffer == kPiName) {
            EmitOperand({ '0', kPi });
        } else if (m_buffer == "t") {
            if (!m_names.Allows('t'))
                return Fail(ParseError::UnrecognisedFunction, m_buffer);
            EmitSlot(kSlotT);
        } else if (const auto slot = m_names.ParameterSlot(m_buffer)) {
            EmitSlot(*slot);
        } else {
            return Fail(ParseError::UnrecognisedFunction, m_buffer);
        }
        return std::nullopt;
    }

    void EmitSlot(std::size_t slot)
    {
        EmitOperand({ kSlotOperand, 0.0f, static_cast<std::uint16_t>(slot) });
    }

    // Moves operators to the queue until a '(' is removed; the '(' is discarded.
    void PopGroup()
    {
        for (;;) {
            const Token token = m_operators.RemoveLast();
            if (token.kind == '(')
                return;
            m_queue.Append(token);
        }
    }

    std::string_view m_expression;
    const ExpressionNames& m_names;
    TokenList& m_queue;
    TokenList& m_operators;
    std::size_t m_index = 0;
    Pending m_pending = Pending::Nothing;
    std::string m_buffer;
    int m_openCount = 0;
    // An operand ended last, blanks aside: a number, a variable or a ")".
    bool m_afterOperand = false;
    // The name of a function that has not met its argument yet.
    std::string m_awaiting;
};

} // namespace

ParseResult Parse(std::string_view expression, const ExpressionNames& names, TokenList& queue,
    TokenList& operators, std::string& postfix)
{
    if (auto error = ExpressionParser(expression, names, queue, operators).Run())
        return std::move(*error);
    postfix = PostfixText(queue, names);
    return {};
}

ParseResult Parse(std::string_view expression, bool implicit, TokenList& queue,
    TokenList& operators, std::string& postfix)
{
    return Parse(expression, implicit ? ExpressionNames::Implicit() : ExpressionNames::Explicit(),
        queue, operators, postfix);
}

} // namespace plovex
