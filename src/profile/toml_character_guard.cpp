#include "profile/toml_character_guard.h"

#include <optional>

namespace {

// Each run of characters the parser cannot classify and where in the private use area it goes.
struct MovedRun {
    char32_t first;
    char32_t last;
    char32_t to;
};

constexpr MovedRun kMovedRuns[] = {
    {0x00A1, 0x0499, 0xE000},
    {0x2C5E, 0x2FFF, 0xE400},
    {0x3001, 0x3057, 0xE800},
    {0xFB26, 0xFEFE, 0xE900},
};
constexpr char32_t kTakenFirst = 0xE000;
constexpr char32_t kTakenLast = 0xECFF;

// The character of a two- or three-byte UTF-8 sequence at `at`, and its length.
std::optional<std::pair<char32_t, std::size_t>> sequenceAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto continues = [&](std::size_t i) { return i < text.size() && (byte(i) & 0xC0) == 0x80; };
    if (byte(at) >= 0xC2 && byte(at) <= 0xDF && continues(at + 1)) {
        return std::pair{static_cast<char32_t>((byte(at) & 0x1F) << 6 | (byte(at + 1) & 0x3F)),
                         std::size_t{2}};
    }
    if ((byte(at) & 0xF0) == 0xE0 && continues(at + 1) && continues(at + 2)) {
        const auto c = static_cast<char32_t>((byte(at) & 0x0F) << 12 | (byte(at + 1) & 0x3F) << 6 |
                                             (byte(at + 2) & 0x3F));
        return c >= 0x800 ? std::optional(std::pair{c, std::size_t{3}}) : std::nullopt;
    }
    return std::nullopt;
}

void appendUtf8(std::string& text, char32_t c) {
    if (c < 0x800) {
        text += static_cast<char>(0xC0 | c >> 6);
    } else {
        text += static_cast<char>(0xE0 | c >> 12);
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    }
    text += static_cast<char>(0x80 | (c & 0x3F));
}

} // namespace

std::variant<std::string, std::size_t> guardTomlText(std::string_view utf8) {
    std::string guarded;
    guarded.reserve(utf8.size());
    std::size_t line = 1;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::optional<std::pair<char32_t, std::size_t>> sequence = sequenceAt(utf8, at);
        if (!sequence) {
            line += utf8[at] == '\n' ? 1 : 0;
            guarded += utf8[at++];
            continue;
        }
        char32_t c = sequence->first;
        if (c >= kTakenFirst && c <= kTakenLast) {
            return line;
        }
        for (const MovedRun& run : kMovedRuns) {
            if (c >= run.first && c <= run.last) {
                c = run.to + (c - run.first);
                break;
            }
        }
        appendUtf8(guarded, c);
        at += sequence->second;
    }
    return guarded;
}

std::wstring unguardTomlText(std::wstring text) {
    for (wchar_t& c : text) {
        for (const MovedRun& run : kMovedRuns) {
            const auto code = static_cast<char32_t>(c);
            if (code >= run.to && code <= run.to + (run.last - run.first)) {
                c = static_cast<wchar_t>(run.first + (code - run.to));
                break;
            }
        }
    }
    return text;
}
