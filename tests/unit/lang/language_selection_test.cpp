#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "lang/language.h"

namespace {

struct CodeCase {
    std::wstring_view code;
    Language language;
    std::wstring_view section;
};

class LanguageSelectionTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(LanguageSelectionTest, CodeSelectsLanguageAndSettingsSection) {
    const CodeCase& c = GetParam();
    const Language language = languageFromCode(c.code);
    EXPECT_EQ(language, c.language);
    EXPECT_EQ(std::wstring_view(settingsSection(language)), c.section);
    EXPECT_EQ(std::wstring_view(UiTexts(language).settingsSection()), c.section);
}

INSTANTIATE_TEST_SUITE_P(Codes, LanguageSelectionTest,
                         ::testing::Values(CodeCase{L"CHS", Language::SimplifiedChinese, L"Setting-CHS"},
                                           CodeCase{L"CHT", Language::TraditionalChinese, L"Setting-CHT"},
                                           CodeCase{L"GER", Language::German, L"Setting-GER"},
                                           CodeCase{L"EN", Language::English, L"Setting-EN"},
                                           CodeCase{L"", Language::English, L"Setting-EN"},
                                           CodeCase{L"chs", Language::English, L"Setting-EN"},
                                           CodeCase{L"Cht", Language::English, L"Setting-EN"},
                                           CodeCase{L"GERMAN", Language::English, L"Setting-EN"},
                                           CodeCase{L"CHSX", Language::English, L"Setting-EN"},
                                           CodeCase{L" CHS", Language::English, L"Setting-EN"},
                                           CodeCase{L"CH", Language::English, L"Setting-EN"},
                                           CodeCase{std::wstring_view(L"GER\0X", 5), Language::English,
                                                    L"Setting-EN"}));

TEST(UiTextsTest, ReadsTheTextsOfItsLanguage) {
    const UiTexts german(languageFromCode(L"GER"));
    EXPECT_EQ(german.language(), Language::German);
    EXPECT_EQ(german[TextKey::Delete], L"Löschen");

    const UiTexts fallback;
    EXPECT_EQ(fallback.language(), Language::English);
    EXPECT_EQ(fallback[TextKey::Delete], L"Delete");
}

TEST(UiTextsTest, KeyOutsideTheTableReadsAsEmptyText) {
    EXPECT_TRUE(uiText(Language::English, TextKey::Count).empty());
    EXPECT_TRUE(uiText(Language::German, static_cast<TextKey>(kTextKeyCount + 100)).empty());
}

} // namespace
