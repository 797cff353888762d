#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

// toml++ 3.3 (the version Debian 12 carries) reaches code it declares unreachable, which is undefined
// behaviour, when it asks whether one of these characters is a blank: U+00A1 to U+0499, U+2C5E to
// U+2FFF, U+3001 to U+3057 and U+FB26 to U+FEFE. It asks that of characters outside quotes, and of
// any character when it reads on past a fault to name it. A profile file reaches the parser with
// each of them moved into the private use area, where the question has an answer, and the texts
// taken from the parsed file move them back.

// The UTF-8 text with those characters moved; or the line of a character the moved ones take the
// place of (U+E000 to U+ECFF), which could not be told from them afterwards.
std::variant<std::string, std::size_t> guardTomlText(std::string_view utf8);

// A text taken from the guarded file, with the moved characters back in their places.
std::wstring unguardTomlText(std::wstring text);
