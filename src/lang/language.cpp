#include "lang/language.h"

#include <array>
#include <cstddef>

#include "lang/text_table.h"

namespace {

const TextTable& textTable(Language language) {
    switch (language) {
    case Language::SimplifiedChinese:
        return simplifiedChineseTextTable();
    case Language::TraditionalChinese:
        return traditionalChineseTextTable();
    case Language::German:
        return germanTextTable();
    case Language::English:
        break;
    }
    return englishTextTable();
}

using TextStrings = std::array<std::wstring, kTextKeyCount>;

TextStrings makeTextStrings(Language language) {
    const TextTable& table = textTable(language);
    TextStrings strings;
    for (std::size_t index = 0; index < kTextKeyCount; ++index) {
        strings[index] = table[index];
    }
    return strings;
}

// Each language's texts as strings, made the first time that language is asked for.
const TextStrings& textStrings(Language language) {
    static const TextStrings simplifiedChinese = makeTextStrings(Language::SimplifiedChinese);
    static const TextStrings traditionalChinese = makeTextStrings(Language::TraditionalChinese);
    static const TextStrings german = makeTextStrings(Language::German);
    static const TextStrings english = makeTextStrings(Language::English);
    switch (language) {
    case Language::SimplifiedChinese:
        return simplifiedChinese;
    case Language::TraditionalChinese:
        return traditionalChinese;
    case Language::German:
        return german;
    case Language::English:
        break;
    }
    return english;
}

} // namespace

Language languageFromCode(std::wstring_view code) {
    if (code == L"CHS") {
        return Language::SimplifiedChinese;
    }
    if (code == L"CHT") {
        return Language::TraditionalChinese;
    }
    if (code == L"GER") {
        return Language::German;
    }
    return Language::English;
}

const wchar_t* settingsSection(Language language) {
    switch (language) {
    case Language::SimplifiedChinese:
        return L"Setting-CHS";
    case Language::TraditionalChinese:
        return L"Setting-CHT";
    case Language::German:
        return L"Setting-GER";
    case Language::English:
        break;
    }
    return L"Setting-EN";
}

const std::wstring& uiText(Language language, TextKey key) {
    const auto index = static_cast<std::size_t>(key);
    if (index >= kTextKeyCount) {
        static const std::wstring noText;
        return noText;
    }
    return textStrings(language)[index];
}
