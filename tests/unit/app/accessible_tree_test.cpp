#include <gtest/gtest.h>

#include "app/accessible_tree.h"
#include "app/advanced_page_model.h"
#include "app/basic_page_model.h"
#include "assign/default_button_labels.h"
#include "settings/recording_pointer_system.h"

namespace {

FocusStop stopOf(std::span<const FocusStop> order, HotArea area, uint8_t index = 0) {
    for (const FocusStop& stop : order) {
        if (stop.area == area && stop.index == index) {
            return stop;
        }
    }
    ADD_FAILURE() << "no stop for area " << int(area) << "/" << int(index);
    return {};
}

// The names, values and ticks of the Basic page's stops, in English and Simplified Chinese, for a
// record with report rate 500 Hz, key mode B, stage 2 at 1600 DPI (sensor 1) and stage 3 off.
TEST(AccessibleNames, BasicPageStopsSayWhatTheyShowInTheLanguage) {
    const struct {
        Language language;
        HotArea area;
        uint8_t index;
        StopDescription expected;
    } kCases[] = {
        {Language::English, HotArea::AssignmentHeader, 4, {L"Button 5: Backward", L"Backward", false, false}},
        {Language::English, HotArea::ReportRateSegment, 2, {L"Report rate 500 Hz", L"", true, false}},
        {Language::English, HotArea::ReportRateSegment, 3, {L"Report rate 1000 Hz", L"", false, false}},
        {Language::English, HotArea::DpiLevelCell, 1, {L"DPI stage 2: 1600 DPI", L"1600 DPI", false, false}},
        {Language::English, HotArea::DpiStageCheckBox, 2, {L"DPI stage 3 on", L"", false, false}},
        {Language::English, HotArea::DpiColourSwatch, 2, {L"DPI stage 3 colour", L"", false, true}},
        {Language::English, HotArea::DpiColourSwatch, 0, {L"DPI stage 1 colour", L"", false, false}},
        {Language::English, HotArea::ModeA, 0, {L"Key mode A", L"", false, false}},
        {Language::English, HotArea::ModeB, 0, {L"Key mode B", L"", true, false}},
        {Language::English, HotArea::KeyDefault, 0, {L"Default", L"", false, false}},
        {Language::English, HotArea::LightingHeader, 0, {L"Mode", L"Off", false, false}},
        {Language::SimplifiedChinese,
         HotArea::AssignmentHeader,
         4,
         {L"按键 5: 后退方向键", L"后退方向键", false, false}},
        {Language::SimplifiedChinese, HotArea::ReportRateSegment, 2, {L"回报率 500 Hz", L"", true, false}},
        {Language::SimplifiedChinese, HotArea::DpiStageCheckBox, 0, {L"DPI 档位 1 启用", L"", true, false}},
    };
    for (const auto& c : kCases) {
        DeviceConfigRecord record{};
        record.reportIntervalCode = 2;
        record.keyMode = 1;
        record.dpiPosition = {0, 4, 0, 0};
        record.dpiStageEnabled = {1, 1, 0, 1};
        AppSettings settings;
        const UiTexts texts(c.language);
        storeDefaultButtonLabels(settings, texts);
        BasicPageModel basic(record, settings, texts);
        basic.setSensorType(1);
        const StopDescription said = basic.describe(stopOf(BasicPageModel::keyboardOrder(), c.area, c.index));
        EXPECT_EQ(said, c.expected) << int(c.language) << " area " << int(c.area) << "/" << int(c.index)
                                    << ": " << std::string(said.name.begin(), said.name.end());
    }
}

// Every stop of both pages and the frame has a name, in every language.
TEST(AccessibleNames, EveryStopOfBothPagesIsNamed) {
    for (const Language language :
         {Language::English, Language::German, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        DeviceConfigRecord record{};
        AppSettings settings;
        const UiTexts texts(language);
        storeDefaultButtonLabels(settings, texts);
        BasicPageModel basic(record, settings, texts);
        AdvancedPageModel advanced(record, settings, texts);
        RecordingPointerSystem system;
        PointerSettings pointer(record, system, texts);
        DeviceConfigRecord applied{};
        advanced.preparePointerSettings(pointer, applied);
        for (const bool advancedShown : {false, true}) {
            KeyboardFocus focus;
            focus.showPage(advancedShown ? AdvancedPageModel::keyboardOrder()
                                         : BasicPageModel::keyboardOrder());
            const std::vector<AccessibleNode> nodes = accessibleNodes(
                focus,
                [&](const FocusStop& stop) {
                    const std::span<const FocusStop> frame = frameFocusOrder();
                    if (std::find(frame.begin(), frame.end(), stop) != frame.end()) {
                        return describeFrameStop(stop, advancedShown, texts);
                    }
                    return advancedShown ? advanced.describe(stop) : basic.describe(stop);
                },
                texts);
            ASSERT_EQ(nodes.size(), focus.order().size());
            for (std::size_t i = 0; i < nodes.size(); ++i) {
                EXPECT_FALSE(nodes[i].name.empty()) << int(language) << " stop " << focus.order()[i].place;
                const bool takesOwnKeys =
                    nodes[i].role == FocusRole::Edit || nodes[i].role == FocusRole::List;
                EXPECT_EQ(nodes[i].defaultAction.empty(), nodes[i].role == FocusRole::Slider || takesOwnKeys);
            }
            const auto tab = [&](HotArea area) {
                const auto order = focus.order();
                const auto at = std::find_if(order.begin(), order.end(),
                                             [&](const FocusStop& stop) { return stop.area == area; });
                return nodes.at(static_cast<std::size_t>(at - order.begin()));
            };
            EXPECT_EQ(tab(HotArea::BasicPageButton).checked, !advancedShown)
                << "the Basic tab is checked while its page shows";
            EXPECT_EQ(tab(HotArea::AdvancedPageButton).checked, advancedShown);
        }
    }
}

TEST(AccessibleChanges, EventsFollowWhatChangedFocusLast) {
    using Kind = AccessibleChange::Kind;
    const AccessibleNode a{FocusRole::Button, L"A", L"", {0, 0, 10, 10}, false, false, false, L"Press"};
    const AccessibleNode b{FocusRole::CheckBox, L"B", L"", {0, 20, 10, 30}, false, false, false, L"Press"};
    const auto with = [](AccessibleNode node, auto change) {
        change(node);
        return node;
    };
    const auto focused = [](AccessibleNode& n) { n.focused = true; };
    const auto checked = [](AccessibleNode& n) { n.checked = true; };
    const auto valued = [](AccessibleNode& n) { n.value = L"5"; };
    const auto moved = [](AccessibleNode& n) { n.rect.top += 1; };
    const struct {
        const char* what;
        std::vector<AccessibleNode> before, after;
        std::vector<AccessibleChange> expected;
    } kCases[] = {
        {"nothing", {a, b}, {a, b}, {}},
        {"focus moves", {with(a, focused), b}, {a, with(b, focused)}, {{Kind::Focus, 1}}},
        {"focus stays", {with(a, focused), b}, {with(a, focused), b}, {}},
        {"a tick and a value, then the focus",
         {a, b},
         {with(with(a, valued), focused), with(b, checked)},
         {{Kind::Value, 0}, {Kind::State, 1}, {Kind::Focus, 0}}},
        {"other children", {a, b}, {a}, {{Kind::Children, 0}}},
        {"other children, focused one told",
         {a},
         {a, with(b, focused)},
         {{Kind::Children, 0}, {Kind::Focus, 1}}},
        {"a child moved", {a, b}, {a, with(b, moved)}, {{Kind::Children, 0}}},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(accessibleChanges(c.before, c.after), c.expected) << c.what;
    }
}

} // namespace
