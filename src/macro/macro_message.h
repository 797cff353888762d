#pragma once

#include <string>
#include <string_view>

// A message box the macro windows show: the text and which caption it carries.
enum class MessageCaption {
    ApplicationTitle, // the application's title
    Warning,          // "Warning", the same in every language
};

struct MacroMessage {
    std::wstring text;
    MessageCaption caption = MessageCaption::ApplicationTitle;
    bool operator==(const MacroMessage&) const = default;
};

inline constexpr std::wstring_view kWarningCaption = L"Warning";
// Shown in every language when a thirteenth macro is asked for.
inline constexpr std::wstring_view kMacroLimitText = L"Macro numbers up to 12.";
