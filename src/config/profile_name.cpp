#include "config/profile_name.h"

namespace {

wchar_t foldCase(wchar_t c) {
    const auto code = static_cast<unsigned>(c);
    if (code < 0x80) {
        return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
    }
    if ((code >= 0xC0 && code <= 0xDE && code != 0xD7) || (code >= 0x391 && code <= 0x3AB) ||
        (code >= 0x410 && code <= 0x42F)) {
        return static_cast<wchar_t>(code + 0x20);
    }
    if (code >= 0x400 && code <= 0x40F) {
        return static_cast<wchar_t>(code + 0x50);
    }
    if (code >= 0x100 && code <= 0x17F && code != 0x130 && code != 0x131 && code != 0x138 && code != 0x149 &&
        code != 0x17F) {
        // Latin Extended-A pairs upper and lower case letters as even/odd neighbours, except in the
        // block from U+0139 to U+0148 and from U+0179 on, where the pairs start on odd codes.
        const bool oddPairs = (code >= 0x139 && code <= 0x148) || code >= 0x179;
        return static_cast<wchar_t>(oddPairs ? ((code % 2 == 1) ? code + 1 : code)
                                             : ((code % 2 == 0) ? code + 1 : code));
    }
    return c;
}

} // namespace

bool isProfileBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f' || c == 0x1A ||
           c == 0x85 || c == 0xA0 || c == 0x3000;
}

std::wstring_view trimProfileBlanks(std::wstring_view text) {
    while (!text.empty() && isProfileBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isProfileBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool profileNamesEqual(std::wstring_view stored, std::wstring_view wanted) {
    if (stored.size() != wanted.size()) {
        return false;
    }
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (foldCase(stored[i]) != foldCase(wanted[i])) {
            return false;
        }
    }
    return true;
}
