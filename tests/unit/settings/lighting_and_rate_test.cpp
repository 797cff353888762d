#include <gtest/gtest.h>

#include "settings/lighting_texts.h"
#include "settings/report_rate.h"

namespace {

TEST(ReportRate, SegmentsMapToIntervalCodesBothWays) {
    const struct {
        uint8_t segment;
        uint8_t code;
    } kRates[] = {{0, 8}, {1, 4}, {2, 2}, {3, 1}};
    for (const auto& rate : kRates) {
        EXPECT_EQ(reportIntervalCodeOfSegment(rate.segment), rate.code) << int{rate.segment};
        EXPECT_EQ(reportRateSegmentOfCode(rate.code), rate.segment) << int{rate.code};
    }
}

TEST(ReportRate, UnknownSegmentsAndCodesMatchNothing) {
    for (uint8_t segment : {4, 5, 255}) {
        EXPECT_EQ(reportIntervalCodeOfSegment(segment), 0) << int{segment};
    }
    for (uint8_t code : {0, 3, 16, 255}) {
        EXPECT_EQ(reportRateSegmentOfCode(code), std::nullopt) << int{code};
    }
}

TEST(LightingParameterText, ListsOfEachMode) {
    const struct {
        uint8_t mode;
        uint8_t index;
        const wchar_t* text;
    } kCases[] = {
        {1, 0, L"5%"},   {1, 9, L"100%"}, {1, 10, L""},    {2, 0, L"8S"},   {2, 4, L"4S"}, {2, 5, L""},
        {3, 0, L"0.5S"}, {3, 1, L"1S"},   {3, 2, L"1.5S"}, {3, 29, L"15S"}, {3, 30, L""},  {0, 1, L"1S"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(lightingParameterText(c.mode, c.index), c.text) << int{c.mode} << "/" << int{c.index};
    }
}

struct LightingCase {
    uint8_t mode;
    uint8_t respirationEffect;
    uint8_t neonEffect;
    LightingFieldTexts english;
};

TEST(LightingFieldTexts, FollowTheModeAndItsOwnFields) {
    const LightingCase kCases[] = {
        {1, 2, 3, {L"Standard", L"45%", L"RGB Effect"}},
        {2, 2, 3, {L"Respiration", L"6S", L"RGB Flash"}},
        {2, 1, 3, {L"Respiration", L"6S", L"RGB Effect"}},
        {3, 1, 3, {L"Neon", L"1.5S", L"RGB Fixed On"}},
        {3, 1, 7, {L"Neon", L"1.5S", L""}},
        {0, 1, 2, {L"Off", L"", L"Non-Disolay"}},
        {9, 1, 2, {L"", L"", L""}},
    };
    for (const LightingCase& c : kCases) {
        DeviceConfigRecord record{};
        record.lightingMode = c.mode;
        record.standardBrightness = 4;
        record.standardColorEffect = 3; // the Standard mode always shows its one effect
        record.respirationCycle = 2;
        record.respirationColorEffect = c.respirationEffect;
        record.neonCycle = 2;
        record.neonColorEffect = c.neonEffect;
        EXPECT_EQ(lightingFieldTexts(record, UiTexts(Language::English)), c.english) << int{c.mode};
    }
}

TEST(LightingFieldTexts, NamesComeFromTheLanguage) {
    DeviceConfigRecord record{};
    record.lightingMode = 2;
    record.respirationColorEffect = 2;
    const LightingFieldTexts german = lightingFieldTexts(record, UiTexts(Language::German));
    EXPECT_EQ(german.mode, L"Breathing");
    EXPECT_EQ(german.parameter, L"8S");
    EXPECT_EQ(german.effect, L"RGB pulsierend");
}

} // namespace
