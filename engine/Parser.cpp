#include "engine/Parser.h"

#include "engine/Functions.h"
#include "engine/Numbers.h"
#include "engine/PostfixText.h"
#include "engine/Precedence.h"
#include "engine/TokenList.h"

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

// Moves operators to the queue until a '(' is removed; the '(' is discarded.
void PopGroup(TokenList& queue, TokenList& operators)
{
    for (;;) {
        const Token token = operators.RemoveLast();
        if (token.kind == '(')
            return;
        queue.Append(token);
    }
}

} // namespace

ParseResult Parse(std::string_view expression, bool implicit, TokenList& queue,
    TokenList& operators, std::string& postfix)
{
    queue.Clear();
    operators.Clear();
    bool numberPending = false;
    bool namePending = false;
    std::string buffer;
    int openCount = 0;
    operators.Append({ '(', 0.0f });

    const auto endNumber = [&] {
        numberPending = false;
        queue.Append({ '0', ToFloat(BufferToNumber(buffer)) });
    };

    for (std::size_t index = 0; index < expression.size(); ++index) {
        const char ch = expression[index];
        if (ch >= '0' && ch <= '9') {
            if (!numberPending) {
                numberPending = true;
                buffer.clear();
            }
            buffer += ch;
            continue;
        }
        if (ch == '.' && numberPending) {
            buffer += ch;
            continue;
        }
        if ((ch >= 'a' && ch <= 'w') || ch == 'z') {
            if (!namePending) {
                namePending = true;
                buffer.clear();
            }
            buffer += ch;
            continue;
        }
        // A number and a name may both be pending ("2sin(x)"): the number ends here and
        // the name stays pending until the next character that ends something.
        if (numberPending) {
            endNumber();
        } else if (namePending) {
            namePending = false;
            const char code = LookupFunction(buffer);
            if (code == kUnknownFunction)
                return Fail(ParseError::UnrecognisedFunction, buffer);
            operators.Append({ code, 0.0f });
        }
        switch (ch) {
        case ' ':
            break;
        case '(':
            operators.Append({ '(', 0.0f });
            ++openCount;
            break;
        case ')':
            if (openCount == 0)
                return Fail(ParseError::UnmatchedParentheses, {});
            --openCount;
            PopGroup(queue, operators);
            break;
        case '+':
        case '-':
        case '*':
        case '/':
        case '^': {
            const int precedence = Precedence(ch);
            while (operators.Last().kind != '(' && Precedence(operators.Last().kind) >= precedence)
                queue.Append(operators.RemoveLast());
            operators.Append({ ch, 0.0f });
            break;
        }
        case 'x':
            queue.Append({ 'x', 0.0f });
            break;
        case 'y':
            if (!implicit)
                return Fail(ParseError::VariableYNotAllowed, {});
            queue.Append({ 'y', 0.0f });
            break;
        default:
            return Fail(ParseError::UnrecognisedSymbol,
                static_cast<unsigned char>(ch) < 0x80 ? expression.substr(index, 1)
                                                      : CharacterAt(expression, index));
        }
    }
    // A name still pending at the end is discarded unread: "x+foo" parses as "x+".
    if (numberPending)
        endNumber();
    // Groups left open are closed as if ")" ended the text: "sin(x" reads as "sin(x)".
    for (; openCount > 0; --openCount)
        PopGroup(queue, operators);
    PopGroup(queue, operators);
    postfix = PostfixText(queue);
    return {};
}

} // namespace plovex
