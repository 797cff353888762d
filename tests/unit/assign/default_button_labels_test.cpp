#include <gtest/gtest.h>

#include "assign/default_button_labels.h"

namespace {

TEST(DefaultButtonLabels, FunctionNamesDpiSwitchesThenKeyOff) {
    const struct {
        Language language;
        ButtonLabels labels;
    } kCases[] = {
        {Language::English,
         {L"Left Click", L"Right Click", L"Mid Click", L"Forward", L"Backward", L"DPI +", L"DPI -",
          L"Key Off", L"Key Off", L"Key Off", L"Key Off", L"Key Off"}},
        {Language::SimplifiedChinese,
         {L"左键", L"右键", L"中键", L"前进方向键", L"后退方向键", L"DPI +", L"DPI -", L"按键关闭",
          L"按键关闭", L"按键关闭", L"按键关闭", L"按键关闭"}},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(defaultButtonLabels(UiTexts(c.language)), c.labels);
    }
}

TEST(DefaultButtonLabels, StoredForBothKeyModes) {
    AppSettings settings;
    settings.labelsA[0] = L"Single Key-A";
    settings.labelsB[11] = L"Macro Key-M";
    settings.skinName = L"Crimson";
    storeDefaultButtonLabels(settings, UiTexts(Language::German));
    const ButtonLabels expected = defaultButtonLabels(UiTexts(Language::German));
    EXPECT_EQ(settings.labelsA, expected);
    EXPECT_EQ(settings.labelsB, expected);
    EXPECT_EQ(settings.labelsA[0], L"Linksklick");
    EXPECT_EQ(settings.skinName, L"Crimson");
}

} // namespace
