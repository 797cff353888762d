#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "lang/language.h"

namespace {

constexpr std::array kAllLanguages = {Language::SimplifiedChinese, Language::TraditionalChinese,
                                      Language::German, Language::English};

std::wstring replaced(std::wstring text, std::wstring_view from, std::wstring_view to) {
    const std::size_t at = text.find(from);
    if (at != std::wstring::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The notices of one switch differ only in the rate or matrix number, in every language.
TEST(NoticeConsistencyTest, RateAndMatrixNoticesDifferOnlyInTheirNumber) {
    for (const Language language : kAllLanguages) {
        const std::wstring& rate1000 = uiText(language, TextKey::Rate1000Notice);
        ASSERT_NE(rate1000.find(L"1000HZ"), std::wstring::npos);
        EXPECT_EQ(uiText(language, TextKey::Rate500Notice), replaced(rate1000, L"1000", L"500"));
        EXPECT_EQ(uiText(language, TextKey::Rate250Notice), replaced(rate1000, L"1000", L"250"));
        EXPECT_EQ(uiText(language, TextKey::Rate125Notice), replaced(rate1000, L"1000", L"125"));

        const std::wstring& matrix1 = uiText(language, TextKey::KeyMatrixNotice1);
        ASSERT_TRUE(matrix1.ends_with(L'1'));
        EXPECT_EQ(uiText(language, TextKey::KeyMatrixNotice2), replaced(matrix1, L"1", L"2"));
    }
}

TEST(NoticeConsistencyTest, StageNoticesNameTheirStage) {
    constexpr std::array stageKeys = {TextKey::DpiStage1Notice, TextKey::DpiStage2Notice,
                                      TextKey::DpiStage3Notice, TextKey::DpiStage4Notice};
    constexpr std::array<std::wstring_view, 4> germanNumbers = {L"1", L"2", L"3", L"4"};
    constexpr std::array<std::wstring_view, 4> chineseOrdinals = {L"一", L"二", L"三", L"四"};
    for (std::size_t stage = 0; stage < stageKeys.size(); ++stage) {
        const TextKey key = stageKeys[stage];
        EXPECT_EQ(uiText(Language::German, key), replaced(L"DPI Stufe 1 ", L"1", germanNumbers[stage]));
        EXPECT_EQ(uiText(Language::SimplifiedChinese, key),
                  replaced(L"DPI切换到第一段", L"一", chineseOrdinals[stage]));
        EXPECT_EQ(uiText(Language::TraditionalChinese, key),
                  replaced(L"DPI切換到第一段", L"一", chineseOrdinals[stage]));
        // The DPI label is appended to the English and German notices after their trailing blank.
        EXPECT_TRUE(uiText(Language::English, key).ends_with(L"stage "));
    }
}

bool containsAnyOf(const std::wstring& text, std::wstring_view characters) {
    return text.find_first_of(characters) != std::wstring::npos;
}

// Characters written differently in the two scripts, taken from the pairs both tables share.
constexpr std::wstring_view kSimplifiedOnly =
    L"宏设键复择数关闭闪烁报换组统检测戏标录制个为钮击没开进后连单体义级应确认";
constexpr std::wstring_view kTraditionalOnly =
    L"設鍵復擇數關閉閃爍報換組統檢測戲標錄製個為鈕擊沒開進後連單體義級應確認";

TEST(ScriptConsistencyTest, EachChineseTableKeepsToItsOwnScript) {
    for (std::size_t index = 0; index < kTextKeyCount; ++index) {
        const auto key = static_cast<TextKey>(index);
        const std::wstring& traditional = uiText(Language::TraditionalChinese, key);
        const std::wstring& simplified = uiText(Language::SimplifiedChinese, key);
        EXPECT_FALSE(containsAnyOf(traditional, kSimplifiedOnly)) << "key " << index;
        EXPECT_EQ(traditional.find(L"鼠标"), std::wstring::npos) << "key " << index;
        EXPECT_FALSE(containsAnyOf(simplified, kTraditionalOnly)) << "key " << index;
        EXPECT_EQ(simplified.find(L"巨集"), std::wstring::npos) << "key " << index;
        EXPECT_EQ(simplified.find(L"滑鼠"), std::wstring::npos) << "key " << index;
    }
}

} // namespace
