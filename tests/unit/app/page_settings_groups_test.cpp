#include <gtest/gtest.h>

#include <algorithm>

#include "app/advanced_page_model.h"
#include "app/basic_page_model.h"
#include "app/hot_area.h"
#include "settings/recording_pointer_system.h"

namespace {

// What a redraw shows: the tick boxes drawn (ticked or empty), lit and dark scale cells, and
// whether every image stands in the clicked column or scale.
struct Drawn {
    int ticked = 0;
    int empty = 0;
    int lit = 0;
    int dark = 0;
    bool operator==(const Drawn&) const = default;
};

Drawn drawn(const PageUpdate& update) {
    Drawn result;
    for (const PaintElement& element : update.redraw) {
        switch (std::get<ImageElement>(element).image) {
        case SkinImage::CheckBoxTicked:
            ++result.ticked;
            break;
        case SkinImage::CheckBoxEmpty:
            ++result.empty;
            break;
        case SkinImage::DpiLevelLight:
        case SkinImage::SliderLight:
            ++result.lit;
            break;
        default:
            ++result.dark;
        }
    }
    return result;
}

bool allAt(const PageUpdate& update, int x) {
    return std::ranges::all_of(update.redraw,
                               [x](const PaintElement& e) { return std::get<ImageElement>(e).at.x == x; });
}

class BasicSettingsGroups : public testing::Test {
protected:
    DeviceConfigRecord record{};
    AppSettings settings;
    UiTexts texts{Language::English};
    BasicPageModel page{record, settings, texts};
};

TEST_F(BasicSettingsGroups, DpiClicksRedrawTheStageColumnOnTheSensorsScale) {
    const struct {
        bool toggle; // else a click on scale position `position`
        uint8_t stage, position, sensor;
        Drawn expected;
        std::array<uint8_t, 4> enabledAfter, stepsAfter;
    } kCases[] = {
        {true, 3, 0, 1, {0, 1, 0, 8}, {1, 0, 0, 0}, {0, 0, 4, 0}},     // stage 3 off: box empty, all dark
        {true, 1, 0, 1, {}, {1, 0, 0, 0}, {0, 0, 4, 0}},               // the only stage on stays on
        {true, 3, 0, 0, {1, 0, 5, 7}, {1, 0, 1, 0}, {0, 0, 4, 0}},     // back on: lit up to its step
        {false, 2, 4, 1, {0, 1, 4, 4}, {1, 0, 1, 0}, {0, 3, 4, 0}},    // a stage that is off takes a step
        {false, 2, 9, 1, {}, {1, 0, 1, 0}, {0, 3, 4, 0}},              // above an 8-position scale
        {false, 2, 12, 0, {0, 1, 12, 0}, {1, 0, 1, 0}, {0, 11, 4, 0}}, // top of the 12-position scale
    };
    record.dpiStageEnabled = {1, 0, 1, 0};
    record.dpiPosition = {0, 0, 4, 0};
    for (const auto& c : kCases) {
        page.setSensorType(c.sensor);
        const PageUpdate update =
            c.toggle ? page.toggleDpiStage(c.stage) : page.setDpiStep(c.stage, c.position);
        EXPECT_EQ(drawn(update), c.expected) << int(c.stage) << "/" << int(c.position);
        EXPECT_TRUE(allAt(update, hotAreaRect(HotArea::DpiStageCheckBox, c.stage).left));
        EXPECT_EQ(record.dpiStageEnabled, c.enabledAfter);
        EXPECT_EQ(record.dpiPosition, c.stepsAfter);
    }
}

TEST_F(BasicSettingsGroups, ColourOfAStageThatIsOffIsRefused) {
    record.stageColor[1] = {1, 2, 3};
    EXPECT_EQ(page.setStageColour(2, 255, 0, 0), PageUpdate{});
    EXPECT_EQ(record.stageColor[1].red, 1);
}

TEST_F(BasicSettingsGroups, LightingListsOpenCloseAndChooseThroughThePage) {
    enum Act { Toggle, Choose, CloseClick };
    const struct {
        Act act;
        uint8_t list;
        std::size_t entry;
        uint8_t openAfter; // 0: none
        bool refresh;
    } kSteps[] = {
        {Toggle, 1, 0, 1, false},     {Toggle, 2, 0, 2, false},     // opening another closes the first
        {Choose, 1, 0, 2, false},                                   // a list that is not open chooses nothing
        {Choose, 2, 3, 0, true},      {Toggle, 3, 0, 0, true},      // Standard: no effect list, field set
        {Toggle, 1, 0, 1, false},     {CloseClick, 2, 0, 1, false}, // a click closing list 2 only
        {CloseClick, 1, 0, 0, false}, {Toggle, 4, 0, 0, false},
    };
    record.lightingMode = 1;
    for (const auto& s : kSteps) {
        PageUpdate update;
        if (s.act == Toggle) {
            update = page.toggleLightingList(s.list);
        } else if (s.act == Choose) {
            update = page.chooseLightingEntry(s.list, s.entry);
        } else {
            ListsToClose lists;
            lists.lightingList[s.list - 1u] = true;
            page.closeLists(lists);
        }
        ClickContext context;
        page.describe(context);
        for (uint8_t list = 1; list <= 3; ++list) {
            EXPECT_EQ(context.lightingListOpen[list - 1u], list == s.openAfter) << int(s.list);
        }
        EXPECT_EQ(update.refreshControls, s.refresh) << int(s.list);
    }
    EXPECT_EQ(record.standardBrightness, 3);
    page.toggleLightingList(1);
    EXPECT_EQ(page.lightingListItems(), (std::vector<std::wstring>{L"Standard", L"Respiration", L"Neon"}));
    page.reset();
    EXPECT_FALSE(page.lightingListOpen(1));
}

class AdvancedSettingsGroup : public testing::Test {
protected:
    DeviceConfigRecord record{};
    DeviceConfigRecord applied{};
    UiTexts texts{Language::English};
    RecordingPointerSystem system;
    PointerSettings pointer{record, system, texts};
    AdvancedPageModel page{record, texts};
};

TEST_F(AdvancedSettingsGroup, FirstDrawingReadsTheSystemAndCancelGoesBackToIt) {
    EXPECT_EQ(page.setPointerSlider(1, 4), PageUpdate{}) << "no pointer group before the page is drawn";
    system.speed = 3;
    system.wheelLines = kWheelScrollPage;
    system.failing = {"doubleClickTime"};
    record.doubleClickPosition = 4;
    applied.reportIntervalCode = 8;
    EXPECT_EQ(page.preparePointerSettings(pointer, applied).size(), 1u);
    EXPECT_EQ(applied.pointerSpeedPosition, 2);
    EXPECT_EQ(applied.scrollOneScreen, 1);
    EXPECT_EQ(applied.doubleClickPosition, 4) << "the field config.bin gave";
    EXPECT_EQ(applied.reportIntervalCode, 8) << "only the pointer fields";
    page.setPointerSlider(1, 9);
    EXPECT_TRUE(page.preparePointerSettings(pointer, applied).empty());
    EXPECT_EQ(applied.pointerSpeedPosition, 2) << "later drawings keep the edits out of the snapshot";
    EXPECT_EQ(record.pointerSpeedPosition, 9);
}

TEST_F(AdvancedSettingsGroup, ClicksRedrawTheirBoxOrScale) {
    const struct {
        ClickAction action;
        uint8_t slider, value;
        Drawn expected;
        int x; // where the redraw stands; 0: nothing drawn
    } kCases[] = {
        {ClickAction::TogglePointerPrecision, 0, 0, {1, 0, 0, 0}, 51},
        {ClickAction::ToggleScrollOneScreen, 0, 0, {1, 0, 0, 0}, 51},
        {ClickAction::ToggleScrollOneScreen, 0, 0, {0, 1, 0, 0}, 51},
        {ClickAction::SetPointerSlider, 2, 5, {0, 0, 5, 6}, 0},
        {ClickAction::SetPointerSlider, 3, 12, {}, 0},
        {ClickAction::SetPointerSlider, 4, 3, {}, 0},
    };
    page.preparePointerSettings(pointer, applied);
    for (const auto& c : kCases) {
        const PageUpdate update =
            c.action == ClickAction::TogglePointerPrecision  ? page.togglePointerPrecision()
            : c.action == ClickAction::ToggleScrollOneScreen ? page.toggleScrollOneScreen()
                                                             : page.setPointerSlider(c.slider, c.value);
        EXPECT_EQ(drawn(update), c.expected) << int(c.slider) << "/" << int(c.value);
        if (c.x != 0) {
            EXPECT_TRUE(allAt(update, c.x));
        }
    }
    EXPECT_EQ(record.scrollLines, 5);
    EXPECT_EQ(record.enhancePointerPrecision, 1);
}

TEST_F(AdvancedSettingsGroup, DefaultRedrawsTheGroupAndLeavesEachRefusalToShowOnce) {
    page.preparePointerSettings(pointer, applied);
    record.enhancePointerPrecision = 1;
    system.failing = {"setMouseSpeed", "setDoubleClickTime"};
    const PageUpdate update = page.restorePointerDefaults();
    EXPECT_EQ(drawn(update), (Drawn{0, 2, 6 + 3 + 6, 5 + 8 + 5}));
    const std::vector<PointerMessage> messages = page.takePointerMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, L"SETMOUSESPEED failed.");
    EXPECT_EQ(messages[1].caption, L"Warning");
    EXPECT_TRUE(page.takePointerMessages().empty());
}

} // namespace
