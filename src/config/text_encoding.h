#pragma once

#include <string>
#include <string_view>

// The encodings in which INI files are found. Files without a byte-order mark are UTF-8 when they
// decode as such (plain ASCII included) and 8-bit Latin-1 otherwise.
enum class TextEncoding { Utf16LittleEndian, Utf16BigEndian, Utf8WithMark, Utf8, Latin1 };

struct DecodedText {
    std::wstring text;
    TextEncoding encoding;
};

// Recognises the byte-order mark (or its absence) and decodes the rest. Malformed UTF-16 (an odd
// trailing byte, unpaired surrogates) decodes as far as it goes, with U+FFFD for bad units.
DecodedText decodeText(std::string_view bytes);

// Encodes text with the encoding's byte-order mark, if it has one.
std::string encodeText(std::wstring_view text, TextEncoding encoding);

// True when every character of `text` has an encoding in `encoding` (only Latin-1 can fail).
bool canEncode(std::wstring_view text, TextEncoding encoding);

// UTF-8 of wide text, whatever the width of wchar_t on the platform.
std::string encodeUtf8(std::wstring_view text);
