#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "lang/language.h"
#include "lang/text_table.h"

namespace {

constexpr std::array kAllLanguages = {Language::SimplifiedChinese, Language::TraditionalChinese,
                                      Language::German, Language::English};

TEST(TextTableTest, EveryKeyHasATextInEveryLanguage) {
    for (const Language language : kAllLanguages) {
        for (std::size_t index = 0; index < kTextKeyCount; ++index) {
            EXPECT_FALSE(uiText(language, static_cast<TextKey>(index)).empty())
                << "language " << static_cast<int>(language) << ", key " << index;
        }
    }
}

void fillWithEveryKey(TextEntry (&entries)[kTextKeyCount]) {
    for (std::size_t index = 0; index < kTextKeyCount; ++index) {
        entries[index] = {static_cast<TextKey>(index), L"text"};
    }
}

TEST(TextTableTest, KeyNamedTwiceLeavesTheTableIncomplete) {
    TextEntry entries[kTextKeyCount];
    fillWithEveryKey(entries);
    EXPECT_TRUE(isCompleteTextTable(makeTextTable(entries)));

    entries[kTextKeyCount - 1].key = TextKey::Ok;
    EXPECT_FALSE(isCompleteTextTable(makeTextTable(entries)));
}

TEST(TextTableTest, EmptyTextLeavesTheTableIncomplete) {
    TextEntry entries[kTextKeyCount];
    fillWithEveryKey(entries);
    entries[0].text = L"";
    EXPECT_FALSE(isCompleteTextTable(makeTextTable(entries)));
}

TEST(TextTableTest, KeyOutsideTheTableIsNotStoredAndLeavesItIncomplete) {
    TextEntry entries[kTextKeyCount];
    fillWithEveryKey(entries);
    entries[0].key = TextKey::Count;
    EXPECT_FALSE(isCompleteTextTable(makeTextTable(entries)));
}

TEST(TextTableTest, MakerWebAddressIsTheSameSecureAddressEverywhere) {
    const std::wstring& address = uiText(Language::English, TextKey::MakerWebAddress);
    EXPECT_TRUE(address.starts_with(L"https://"));
    for (const Language language : kAllLanguages) {
        EXPECT_EQ(uiText(language, TextKey::MakerWebAddress), address);
    }
}

} // namespace
