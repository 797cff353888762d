#include <gtest/gtest.h>

#include "app/advanced_page_model.h"
#include "app/basic_page_model.h"
#include "app/hot_area.h"
#include "settings/recording_pointer_system.h"

namespace {

// What a redraw shows: boxes ticked and empty, lit and dark cells, and the left edge of the
// images when they all stand in one column (-1 when they do not).
struct Drawn {
    int ticked = 0, empty = 0, lit = 0, dark = 0, x = 0;
    bool operator==(const Drawn&) const = default;
};

Drawn drawn(const PageUpdate& update) {
    Drawn result;
    for (const PaintElement& element : update.redraw) {
        const ImageElement& image = std::get<ImageElement>(element);
        const SkinImage kind = image.image;
        ++(kind == SkinImage::CheckBoxTicked                                    ? result.ticked
           : kind == SkinImage::CheckBoxEmpty                                   ? result.empty
           : kind == SkinImage::DpiLevelLight || kind == SkinImage::SliderLight ? result.lit
                                                                                : result.dark);
        result.x = result.x == 0 || result.x == image.at.x ? image.at.x : -1;
    }
    return result;
}

TEST(BasicSettingsGroups, DpiClicksRedrawTheStageColumnOnTheSensorsScale) {
    const struct {
        bool toggle; // else a click on scale position `position`
        uint8_t stage, position, sensor;
        Drawn expected;
        std::array<uint8_t, 4> enabledAfter, stepsAfter;
    } kCases[] = {
        {true, 2, 0, 1, {0, 1, 0, 8, 608}, {1, 0, 0, 0}, {0, 0, 4, 0}},  // off: box empty, all dark
        {true, 0, 0, 1, {}, {1, 0, 0, 0}, {0, 0, 4, 0}},                 // the only stage on stays on
        {true, 2, 0, 0, {1, 0, 5, 7, 608}, {1, 0, 1, 0}, {0, 0, 4, 0}},  // on: lit up to its step
        {false, 1, 3, 1, {0, 1, 4, 4, 581}, {1, 0, 1, 0}, {0, 3, 4, 0}}, // a stage that is off takes a step
        {false, 1, 8, 1, {}, {1, 0, 1, 0}, {0, 3, 4, 0}},                // above an 8-position scale
        {false, 1, 11, 0, {0, 1, 12, 0, 581}, {1, 0, 1, 0}, {0, 11, 4, 0}}, // top of the 12-position scale
    };
    DeviceConfigRecord record{};
    AppSettings settings;
    const UiTexts texts(Language::English);
    BasicPageModel page(record, settings, texts);
    record.dpiStageEnabled = {1, 0, 1, 0};
    record.dpiPosition = {0, 0, 4, 0};
    for (const auto& c : kCases) {
        page.setSensorType(c.sensor);
        const PageUpdate update = c.toggle ? page.toggleDpiStage(StageIndex{c.stage})
                                           : page.setDpiStep(StageIndex{c.stage}, c.position);
        EXPECT_EQ(drawn(update), c.expected) << int(c.stage) << "/" << int(c.position);
        EXPECT_EQ(record.dpiStageEnabled, c.enabledAfter);
        EXPECT_EQ(record.dpiPosition, c.stepsAfter);
    }
}

TEST(BasicSettingsGroups, ALightingListClosesOnlyOnAClickOffItsAreaAndHeader) {
    DeviceConfigRecord record{};
    record.lightingMode = 1;
    AppSettings settings;
    const UiTexts texts(Language::English);
    BasicPageModel page(record, settings, texts);
    page.toggleLightingList(1);
    page.closeListsAt({800, 450});
    EXPECT_TRUE(page.lightingListOpen(1)) << "inside its list area";
    page.closeListsAt({800, 365});
    EXPECT_TRUE(page.lightingListOpen(1)) << "on its header";
    ASSERT_TRUE(page.click({800, 335}));
    EXPECT_FALSE(page.lightingListOpen(1));
    EXPECT_TRUE(page.lightingListOpen(0)) << "the mode header opened its own list";
}

TEST(BasicSettingsGroups, LightingListsOpenCloseAndChooseThroughThePage) {
    enum Act { Toggle, Choose, ClickElsewhere };
    const struct {
        Act act;
        uint8_t list;
        std::size_t entry;
        uint8_t openAfter; // 0: none
        bool refresh;
    } kSteps[] = {
        {Toggle, 0, 0, 1, false},
        {Toggle, 1, 0, 2, false}, // opening another closes the first
        {Choose, 0, 0, 2, false}, // only the open list chooses
        {Choose, 1, 3, 0, true},
        {Toggle, 2, 0, 0, true}, // Standard: no effect list, field set
        {Toggle, 0, 0, 1, false},
        {ClickElsewhere, 1, 0, 1, false}, // a click on header 1 keeps list 1
        {ClickElsewhere, 0, 0, 0, false},
        {Toggle, 3, 0, 0, false},
    };
    DeviceConfigRecord record{};
    record.lightingMode = 1;
    AppSettings settings;
    const UiTexts texts(Language::English);
    BasicPageModel page(record, settings, texts);
    for (const auto& s : kSteps) {
        // A click off list `list`: off list 2 on the header of list 1, off list 1 far away.
        const Point elsewhere = s.list == 1 ? Point{800, 335} : Point{700, 600};
        const PageUpdate update = s.act == Toggle   ? page.toggleLightingList(s.list)
                                  : s.act == Choose ? page.chooseLightingEntry(s.list, s.entry)
                                                    : (page.closeListsAt(elsewhere), PageUpdate{});
        EXPECT_EQ((std::array<bool, 3>{page.lightingListOpen(0), page.lightingListOpen(1),
                                       page.lightingListOpen(2)}),
                  (std::array<bool, 3>{s.openAfter == 1, s.openAfter == 2, s.openAfter == 3}))
            << int(s.list);
        EXPECT_EQ(update.refreshControls, s.refresh) << int(s.list);
    }
    EXPECT_EQ(record.standardBrightness, 3);
    page.toggleLightingList(0);
    EXPECT_EQ(page.lightingListItems(), (std::vector<std::wstring>{L"Standard", L"Respiration", L"Neon"}));
}

// The first drawing reads Windows, and what it read is what Cancel goes back to; the clicks redraw
// their box or scale; Default redraws the group and leaves each refusal to show once.
TEST(AdvancedSettingsGroup, PointerGroupThroughThePage) {
    DeviceConfigRecord record{}, applied{};
    const UiTexts texts(Language::English);
    RecordingPointerSystem system;
    PointerSettings pointer(record, system, texts);
    AppSettings settings;
    AdvancedPageModel page(record, settings, texts);
    EXPECT_EQ(page.setPointerSlider(0, 4), PageUpdate{}) << "no pointer group before the page is drawn";
    system.speed = 3;
    system.failing = {"doubleClickTime", "setMouseSpeed", "setDoubleClickTime"};
    record.doubleClickPosition = 4;
    applied.reportIntervalCode = 8;
    EXPECT_EQ(page.preparePointerSettings(pointer, applied).size(), 1u);
    EXPECT_EQ(applied.pointerSpeedPosition, 2);
    EXPECT_EQ(applied.doubleClickPosition, 4) << "config.bin's field where the read failed";
    EXPECT_EQ(applied.reportIntervalCode, 8) << "only the pointer fields";
    const struct {
        PageUpdate update;
        Drawn expected;
    } kClicks[] = {
        {page.togglePointerPrecision(), {1, 0, 0, 0, 51}},
        {page.toggleScrollOneScreen(), {1, 0, 0, 0, 51}},
        {page.setPointerSlider(1, 5), {0, 0, 5, 6, -1}},
        {page.setPointerSlider(2, 12), {}},
        {page.setPointerSlider(3, 3), {}},
        {page.restorePointerDefaults(), {0, 2, 15, 18, -1}},
    };
    for (const auto& c : kClicks) {
        EXPECT_EQ(drawn(c.update), c.expected);
    }
    const std::vector<Notice> messages = page.takePointerNotices();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], (Notice{L"SETMOUSESPEED failed.", L"Warning"}));
    EXPECT_TRUE(page.takePointerNotices().empty());
    EXPECT_TRUE(page.preparePointerSettings(pointer, applied).empty());
    EXPECT_EQ(applied.pointerSpeedPosition, 2) << "later drawings keep the edits out of the snapshot";
}

} // namespace
