#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace plovex {

// A text field holds bytes (an expression is a byte string) while a box shows characters.
// Bytes that are valid UTF-8 show as their text; any other bytes show each as its Latin-1
// character, so every byte sequence, NUL and stray high bytes included, shows faithfully
// and nothing is lost on the way to the box and back.
QString BytesToText(std::string_view bytes);

// `bytes`, made of pieces of `whole` and ASCII (a parse error's message about an
// expression), as a box that shows `whole` shows them: as UTF-8 when `whole` is UTF-8, else
// each byte as its Latin-1 character. The byte E9 of the Latin-1 text "x+\xE9" reads as é.
QString BytesToTextAs(std::string_view bytes, std::string_view whole);

// The bytes for `text` as a box shows it. `previous` are the field's bytes before: when they
// still show as `text` they are kept as they are, so a box the user did not touch never
// changes a byte. An edited text keeps the previous Latin-1 reading where it can and is
// UTF-8 otherwise; either way BytesToText gives `text` back.
std::string TextToBytes(const QString& text, std::string_view previous);

} // namespace plovex
