#pragma once

#include <array>
#include <cstddef>

#include "lang/text_key.h"

// One language's texts, indexed by TextKey.
using TextTable = std::array<const wchar_t*, kTextKeyCount>;

// A text placed at its key, so a table lists its texts by name rather than by position.
struct TextEntry {
    TextKey key;
    const wchar_t* text;
};

// Places each entry at its key; an entry whose key lies outside the table is left out. A table must
// name exactly as many entries as there are keys, so together with isCompleteTextTable every key
// has exactly one text.
template <std::size_t N>
constexpr TextTable makeTextTable(const TextEntry (&entries)[N]) {
    static_assert(N == kTextKeyCount, "a language table must give one text per key");
    TextTable table{};
    for (const TextEntry& entry : entries) {
        const auto index = static_cast<std::size_t>(entry.key);
        if (index < table.size()) {
            table[index] = entry.text;
        }
    }
    return table;
}

// True when every key has a non-empty text (a key named twice leaves another one empty).
constexpr bool isCompleteTextTable(const TextTable& table) {
    for (const wchar_t* text : table) {
        if (text == nullptr || text[0] == L'\0') {
            return false;
        }
    }
    return true;
}

// The compiled-in table of each language.
const TextTable& englishTextTable();
const TextTable& germanTextTable();
const TextTable& simplifiedChineseTextTable();
const TextTable& traditionalChineseTextTable();
