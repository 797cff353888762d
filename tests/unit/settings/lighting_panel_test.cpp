#include <gtest/gtest.h>

#include "settings/lighting_panel.h"

namespace {

constexpr auto kMode = LightingField::Mode;
constexpr auto kParameter = LightingField::Parameter;
constexpr auto kEffect = LightingField::Effect;

// One user step: a click on a field, then a choice in the list it opened.
struct Step {
    LightingField field;
    std::size_t entry;
    LightingFieldTexts shown;
};

TEST(LightingPanel, EachModeKeepsItsOwnParameterAndEffect) {
    const Step kSteps[] = {
        {kMode, 1, {L"Respiration", L"7S", L"RGB Effect"}},
        {kEffect, 1, {L"Respiration", L"7S", L"RGB Flash"}},
        {kMode, 2, {L"Neon", L"0.5S", L"RGB Fixed On"}},
        {kParameter, 29, {L"Neon", L"15S", L"RGB Fixed On"}},
        {kEffect, 0, {L"Neon", L"15S", L"RGB Flash"}},
        {kMode, 1, {L"Respiration", L"7S", L"RGB Flash"}},
        {kMode, 0, {L"Standard", L"25%", L"RGB Effect"}},
    };
    DeviceConfigRecord record{};
    record.lightingMode = 1;
    record.standardBrightness = 2;
    record.respirationCycle = 1;
    record.respirationColorEffect = 1;
    record.neonColorEffect = 3;
    const UiTexts english(Language::English);
    LightingPanel panel(record, english);
    for (const Step& step : kSteps) {
        ASSERT_EQ(panel.toggleList(step.field).openedList, step.field);
        const LightingPanelChange change = panel.choose(step.entry);
        EXPECT_EQ(change, (LightingPanelChange{step.field, std::nullopt, true}));
        EXPECT_EQ(panel.fields(), step.shown) << "entry " << step.entry;
        EXPECT_FALSE(panel.openList());
    }
}

TEST(LightingPanel, ListsOfEachFieldAndMode) {
    const struct {
        uint8_t mode;
        LightingField field;
        std::vector<std::wstring> items; // {} : no list opens
    } kCases[] = {
        {1, kMode, {L"Standard", L"Respiration", L"Neon"}},
        {1, kParameter, {L"5%", L"15%", L"25%", L"35%", L"45%", L"55%", L"65%", L"75%", L"85%", L"100%"}},
        {2, kParameter, {L"8S", L"7S", L"6S", L"5S", L"4S"}},
        {1, kEffect, {}},
        {2, kEffect, {L"RGB Effect", L"RGB Flash"}},
        {3, kEffect, {L"RGB Flash", L"RGB Fixed On"}},
        {0, kParameter, {}},
        {0, kEffect, {}},
    };
    const UiTexts english(Language::English);
    for (const auto& c : kCases) {
        DeviceConfigRecord record{};
        record.lightingMode = c.mode;
        LightingPanel panel(record, english);
        const LightingPanelChange change = panel.toggleList(c.field);
        EXPECT_EQ(change.openedList.has_value(), !c.items.empty()) << int{c.mode};
        EXPECT_EQ(panel.listItems(), c.items) << "mode " << int{c.mode} << " field " << int(c.field);
    }
}

TEST(LightingPanel, ClicksOpenCloseAndSwitchLists) {
    DeviceConfigRecord record{};
    record.lightingMode = 2;
    const UiTexts english(Language::English);
    LightingPanel panel(record, english);
    EXPECT_EQ(panel.toggleList(kMode), (LightingPanelChange{std::nullopt, kMode, false}));
    EXPECT_EQ(panel.toggleList(kEffect), (LightingPanelChange{kMode, kEffect, false}));
    EXPECT_EQ(panel.choose(2), LightingPanelChange{}); // the effect list has two entries
    EXPECT_EQ(panel.openList(), kEffect);
    EXPECT_EQ(panel.toggleList(kEffect), (LightingPanelChange{kEffect, std::nullopt, false}));
    EXPECT_EQ(panel.choose(0), LightingPanelChange{}); // no list open
    record.lightingMode = 3;
    panel.toggleList(kParameter);
    EXPECT_EQ(panel.listItems().size(), 30u);
    EXPECT_EQ(panel.listItems().back(), L"15S");
    EXPECT_EQ(panel.closeList(), (LightingPanelChange{kParameter, std::nullopt, false}));
    record.lightingMode = 1; // the Standard effect field only shows its one effect
    EXPECT_EQ(panel.toggleList(kEffect), (LightingPanelChange{std::nullopt, std::nullopt, true}));
    EXPECT_EQ(record.respirationColorEffect, 0);
}

} // namespace
