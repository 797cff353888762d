#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "lang/language.h"

// The program's title (the executable's name) as a message box caption; the shell knows it.
struct ProgramTitle {
    bool operator==(const ProgramTitle&) const = default;
};

// "Warning", the caption of the refusals and warnings, the same in every language.
inline constexpr std::wstring_view kWarningCaption = L"Warning";

enum class NoticeKind : uint8_t {
    Plain,   // an OK button only
    Warning, // with the warning icon
};

// A message the user must acknowledge: its text and caption, each a text key of the window's language
// or an exact text, and its kind. The shell shows every one of them the same way (showNotice).
struct Notice {
    std::variant<TextKey, std::wstring> text;
    std::variant<ProgramTitle, TextKey, std::wstring> caption = ProgramTitle{};
    NoticeKind kind = NoticeKind::Plain;

    bool operator==(const Notice&) const = default;
};

// A refusal or warning under the caption "Warning".
Notice warningNotice(std::wstring text);

std::wstring noticeText(const Notice& notice, const UiTexts& texts);
// The caption, `programTitle` where the notice carries the program's title.
std::wstring noticeCaption(const Notice& notice, const UiTexts& texts, const std::wstring& programTitle);
