#pragma once

#include <string>
#include <string_view>

#include "lang/text_key.h"

enum class Language { SimplifiedChinese, TraditionalChinese, German, English };

// The "Lan" code of str.ini, compared whole and case-sensitively: "CHS", "CHT" and "GER" select
// their tables, anything else (empty, lower case, longer) English.
Language languageFromCode(std::wstring_view code);

// The str.ini section that holds the button labels of this language, e.g. "Setting-EN".
const wchar_t* settingsSection(Language language);

// The text of one key in one language. Every key has a text in every language.
const std::wstring& uiText(Language language, TextKey key);

// All texts of one language, filled once when the main window starts.
class UiTexts {
public:
    explicit UiTexts(Language language = Language::English) : language_(language) {}
    Language language() const { return language_; }
    const std::wstring& operator[](TextKey key) const { return uiText(language_, key); }
    const wchar_t* settingsSection() const { return ::settingsSection(language_); }

private:
    Language language_;
};
