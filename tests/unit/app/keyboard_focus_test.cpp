#include <gtest/gtest.h>

#include <set>

#include "app/advanced_page_model.h"
#include "app/basic_page_model.h"
#include "app/keyboard_focus.h"
#include "app/page_control_ids.h"
#include "settings/recording_pointer_system.h"

namespace {

using Kind = FocusAction::Kind;

struct PageOrder {
    const char* name;
    std::span<const HotAreaEntry> areas;
    std::span<const FocusStop> stops;
};

const PageOrder kPageOrders[] = {
    {"frame", commonFrameAreas(), frameFocusOrder()},
    {"basic", basicPageAreas(), BasicPageModel::keyboardOrder()},
    {"advanced", advancedPageAreas(), AdvancedPageModel::keyboardOrder()},
};

TEST(KeyboardOrder, EveryHotAreaOfEachTableHasExactlyOneStop) {
    for (const PageOrder& page : kPageOrders) {
        for (const HotAreaEntry& entry : page.areas) {
            int stops = 0;
            for (const FocusStop& stop : page.stops) {
                stops += stop.covers(entry) ? 1 : 0;
            }
            EXPECT_EQ(stops, isClickTarget(entry.area) ? 1 : 0)
                << page.name << " area " << int(entry.area) << "/" << int(entry.index) << "/"
                << int(entry.subIndex);
        }
        std::set<uint16_t> places;
        for (const FocusStop& stop : page.stops) {
            EXPECT_TRUE(places.insert(stop.place).second) << page.name << " place " << stop.place;
            const Rect area = stop.control != 0 ? stop.controlRect
                                                : hotAreaRect(stop.area, stop.index,
                                                              stop.role == FocusRole::Slider ? 1 : 0);
            EXPECT_FALSE(area == Rect{}) << page.name << " stop " << stop.place << " names no area";
        }
    }
}

// Space on each stop of both pages clicks a point that the stop's own area takes.
TEST(KeyboardFocus, SpaceClicksInsideTheFocusedAreaAndArrowsStepOnlyScales) {
    for (const PageOrder& page : {kPageOrders[1], kPageOrders[2]}) {
        KeyboardFocus focus;
        focus.showPage(page.stops);
        const std::size_t count = frameFocusOrder().size() + page.stops.size();
        uint16_t lastPlace = 0;
        for (std::size_t i = 0; i < count; ++i) {
            ASSERT_EQ(focus.key(FocusKey::Tab).kind, Kind::MoveMark);
            const FocusStop stop = *focus.focused();
            EXPECT_GT(stop.place, lastPlace) << page.name << ": reading order";
            lastPlace = stop.place;
            const FocusAction space = focus.key(FocusKey::Space);
            const FocusAction right = focus.key(FocusKey::Right);
            if (stop.control != 0) {
                EXPECT_EQ(space, FocusAction{}) << "a field or a list takes its own keys";
                EXPECT_EQ(right, FocusAction{});
                continue;
            }
            if (stop.role == FocusRole::Slider) {
                EXPECT_EQ(space.kind, Kind::None);
                EXPECT_EQ(right, (FocusAction{Kind::StepScale, {}, 1}));
                EXPECT_EQ(focus.key(FocusKey::Down).step, -1);
                continue;
            }
            EXPECT_EQ(right.kind, Kind::None);
            ASSERT_EQ(space.kind, Kind::Activate);
            std::optional<HotAreaEntry> hit = clickTargetAt(page.areas, space.point);
            hit = hit ? hit : clickTargetAt(commonFrameAreas(), space.point);
            ASSERT_TRUE(hit) << page.name << " place " << stop.place;
            EXPECT_TRUE(stop.covers(*hit)) << page.name << " place " << stop.place;
            EXPECT_TRUE(focus.focusedRect().contains(space.point));
        }
        EXPECT_EQ(focus.key(FocusKey::Tab).kind, Kind::MoveMark);
        EXPECT_EQ(focus.focused()->place, frameFocusOrder().front().place) << "Tab wraps to the first";
        focus.key(FocusKey::ShiftTab);
        EXPECT_EQ(focus.focused()->place, frameFocusOrder().back().place) << "Shift+Tab wraps to the last";
    }
}

TEST(KeyboardFocus, KeysBeforeTheFirstTabAndAcrossAPageChange) {
    KeyboardFocus focus;
    focus.showPage(BasicPageModel::keyboardOrder());
    EXPECT_EQ(focus.key(FocusKey::Space).kind, Kind::None) << "nothing has the focus yet";
    EXPECT_EQ(focus.focusedRect(), Rect{});
    EXPECT_EQ(focus.key(FocusKey::CtrlTab).kind, Kind::SwitchPage);
    focus.key(FocusKey::ShiftTab);
    EXPECT_EQ(focus.focused()->area, HotArea::Cancel) << "Shift+Tab first goes to the last stop";
    focus.showPage(AdvancedPageModel::keyboardOrder());
    EXPECT_EQ(focus.focused()->area, HotArea::Cancel) << "a frame stop keeps the focus";
    for (int i = 0; i < 8; ++i) {
        focus.key(FocusKey::Tab);
    }
    EXPECT_EQ(focus.focused()->area, HotArea::PrecisionCheckBox);
    focus.showPage(BasicPageModel::keyboardOrder());
    EXPECT_FALSE(focus.focused()) << "the stop of the other page is gone";
    EXPECT_EQ(focus.focusedRect(), Rect{});
}

// A click moves the focus to what was clicked, without the mark a mouse user never sees; Tab goes
// on from there and shows it.
TEST(KeyboardFocus, FollowsClicksAndControlsWithoutShowingTheMark) {
    KeyboardFocus focus;
    focus.showPage(AdvancedPageModel::keyboardOrder());
    const struct {
        std::optional<Point> click;
        int control;
        HotArea focusedArea;
        int focusedControl;
    } kCases[] = {
        {hotAreaRect(HotArea::NewMacro).topLeft(), 0, HotArea::NewMacro, 0},
        {std::nullopt, page_control_id::kMacroNameEdit, HotArea{}, page_control_id::kMacroNameEdit},
        {Point{1, 1}, 0, HotArea{}, page_control_id::kMacroNameEdit}, // outside every stop: the focus stays
        {hotAreaRect(HotArea::Apply).topLeft(), 0, HotArea::Apply, 0},
    };
    for (const auto& c : kCases) {
        if (c.click) {
            focus.clickedAt(*c.click);
        } else {
            focus.controlFocused(c.control);
        }
        ASSERT_TRUE(focus.focused());
        EXPECT_EQ(focus.focused()->control, c.focusedControl);
        if (c.focusedControl == 0) {
            EXPECT_EQ(focus.focused()->area, c.focusedArea);
        }
        EXPECT_EQ(focus.markRect(), Rect{});
    }
    focus.key(FocusKey::Tab);
    EXPECT_EQ(focus.focused()->area, HotArea::Cancel) << "Tab goes on from the clicked Apply";
    EXPECT_EQ(focus.markRect(), hotAreaRect(HotArea::Cancel));
}

TEST(KeyboardFocus, ArrowsMoveTheScalesWithinTheirEnds) {
    DeviceConfigRecord record{};
    AppSettings settings;
    const UiTexts texts(Language::English);
    BasicPageModel basic(record, settings, texts);
    record.dpiPosition = {0, 7, 4, 0};
    const struct {
        uint8_t stage, sensor;
        int step;
        uint8_t positionAfter; // stored 0-based
    } kDpiSteps[] = {
        {0, 1, -1, 0}, {0, 1, 1, 1}, {1, 1, 1, 7}, {1, 0, 1, 8}, {1, 0, -1, 7}, {4, 0, 1, 0},
    };
    for (const auto& c : kDpiSteps) {
        basic.setSensorType(c.sensor);
        basic.stepDpiStage(StageIndex{c.stage}, c.step);
        EXPECT_EQ(record.dpiPosition[c.stage < 4 ? c.stage : 0], c.stage < 4 ? c.positionAfter : 1)
            << int(c.stage) << " " << c.step;
    }

    RecordingPointerSystem system;
    PointerSettings pointer(record, system, texts);
    AdvancedPageModel advanced(record, settings, texts);
    DeviceConfigRecord applied{};
    advanced.preparePointerSettings(pointer, applied);
    advanced.setPointerSlider(0, 11);
    advanced.setPointerSlider(2, 1);
    EXPECT_EQ(advanced.stepPointerSlider(0, 1), PageUpdate{}) << "past the top of the scale";
    EXPECT_EQ(advanced.stepPointerSlider(2, -1), PageUpdate{}) << "below the bottom of the scale";
    EXPECT_NE(advanced.stepPointerSlider(0, -1), PageUpdate{});
    EXPECT_EQ(pointer.view().speedSegments, 10);
    EXPECT_EQ(advanced.stepPointerSlider(3, 1), PageUpdate{});
}

} // namespace
