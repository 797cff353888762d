#include <gtest/gtest.h>

#include "device/device_notice.h"

namespace {

DeviceConfigRecord recordWithStagePositions(uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4) {
    DeviceConfigRecord record{};
    record.dpiPosition = {p1, p2, p3, p4};
    return record;
}

struct EnglishCase {
    unsigned code;
    unsigned value;
    const wchar_t* title;
    const wchar_t* text;
    unsigned timeoutMs;
};

// Stage positions 2, 5, 4, 7 with sensor type 1 name 1000, 2000, 1600 and 3200 DPI.
const EnglishCase kEnglishCases[] = {
    {5, 1, L"Info", L"Switch report rate into 1000HZ", 5000},
    {5, 2, L"Info", L"Switch report rate into 500HZ", 5000},
    {5, 4, L"Info", L"Switch report rate into 250HZ", 5000},
    {5, 8, L"Info", L"Switch report rate into 125HZ", 5000},
    {7, 1, L"Info", L"Switch DPI into the first stage 1000", 5000},
    {7, 2, L"Info", L"Switch DPI into the second stage 2000", 5000},
    {7, 3, L"Info", L"Switch DPI into the third stage 1600", 5000},
    {7, 4, L"Info", L"Switch DPI into the fourth stage 3200", 5000},
    {8, 1, L"Info", L"Switch to key matrix 1", 5000},
    {8, 2, L"Info", L"Switch to key matrix 2", 5000},
    {9, 1, L"Info", L"Switch to macro key1", 5000},
    {9, 12, L"Info", L"Switch to macro key12", 5000},
    {9, 255, L"Info", L"Switch to macro key255", 5000},
    {14, 0, L"Info", L"The system detect the gaming mouse.", 100},
    {14, 77, L"Info", L"The system detect the gaming mouse.", 100},
    {15, 0, L"Warning", L"The system did not detect the gaming mouse!", 100},
    {15, 3, L"Warning", L"The system did not detect the gaming mouse!", 100},
};

TEST(DeviceNotice, EnglishNotices) {
    const DeviceConfigRecord record = recordWithStagePositions(2, 5, 4, 7);
    const UiTexts english(Language::English);
    for (const EnglishCase& c : kEnglishCases) {
        const std::optional<DeviceNotice> notice = deviceNotice(c.code, c.value, record, 1, english);
        ASSERT_TRUE(notice.has_value()) << c.code << "/" << c.value;
        EXPECT_EQ(notice->title, c.title) << c.code << "/" << c.value;
        EXPECT_EQ(notice->text, c.text) << c.code << "/" << c.value;
        EXPECT_EQ(notice->timeoutMs, c.timeoutMs) << c.code << "/" << c.value;
    }
}

TEST(DeviceNotice, NothingForOtherPairs) {
    const DeviceConfigRecord record = recordWithStagePositions(0, 0, 0, 0);
    const UiTexts english(Language::English);
    const std::pair<unsigned, unsigned> silent[] = {
        {5, 0}, {5, 3}, {5, 16}, {7, 0},  {7, 5},  {7, 255}, {8, 0},     {8, 3},     {8, 255},
        {9, 0}, {0, 1}, {6, 1},  {10, 1}, {13, 1}, {16, 0},  {0x402, 1}, {~0u, ~0u},
    };
    for (const auto& [code, value] : silent) {
        EXPECT_FALSE(deviceNotice(code, value, record, 1, english).has_value()) << code << "/" << value;
    }
}

TEST(DeviceNotice, DpiLabelFollowsTheSensorTable) {
    const DeviceConfigRecord record = recordWithStagePositions(0, 7, 11, 11);
    const UiTexts english(Language::English);
    struct Case {
        uint8_t sensorType;
        unsigned stage;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0, 1, L"Switch DPI into the first stage 250"},
        {0, 3, L"Switch DPI into the third stage 4000"},
        {2, 2, L"Switch DPI into the second stage 3000"},
        {3, 2, L"Switch DPI into the second stage 3200"},
        // Positions past an eight-step table and unknown sensors have no label.
        {3, 3, L"Switch DPI into the third stage "},
        {4, 1, L"Switch DPI into the first stage "},
        {200, 2, L"Switch DPI into the second stage "},
    };
    for (const Case& c : cases) {
        const std::optional<DeviceNotice> notice = deviceNotice(7, c.stage, record, c.sensorType, english);
        ASSERT_TRUE(notice.has_value());
        EXPECT_EQ(notice->text, c.text) << "sensor " << int{c.sensorType} << " stage " << c.stage;
    }
}

TEST(DeviceNotice, OtherLanguagesUseTheirTextsAndEnglishTitles) {
    const DeviceConfigRecord record = recordWithStagePositions(4, 4, 4, 4);
    for (const Language language :
         {Language::SimplifiedChinese, Language::TraditionalChinese, Language::German}) {
        const UiTexts texts(language);
        struct Case {
            unsigned code;
            unsigned value;
            std::wstring text;
            const wchar_t* title;
        };
        const Case cases[] = {
            {5, 2, uiText(language, TextKey::Rate500Notice), L"Info"},
            {7, 3, uiText(language, TextKey::DpiStage3Notice) + L"1600", L"Info"},
            {8, 2, uiText(language, TextKey::KeyMatrixNotice2), L"Info"},
            {9, 12, uiText(language, TextKey::MacroKeyNotice) + L"12", L"Info"},
            {14, 0, uiText(language, TextKey::MouseFound), L"Info"},
            {15, 0, uiText(language, TextKey::MouseNotFound), L"Warning"},
        };
        for (const Case& c : cases) {
            const std::optional<DeviceNotice> notice = deviceNotice(c.code, c.value, record, 1, texts);
            ASSERT_TRUE(notice.has_value());
            EXPECT_EQ(notice->text, c.text) << c.code << "/" << c.value;
            EXPECT_EQ(notice->title, c.title) << c.code << "/" << c.value;
        }
    }
}

} // namespace
