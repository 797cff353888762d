#include <gtest/gtest.h>

#include "settings/pointer_settings.h"
#include "settings/recording_pointer_system.h"

namespace {

using Calls = std::vector<std::string>;
using Messages = std::vector<Notice>;

const Calls kReads{"mouseAcceleration", "mouseSpeed", "wheelScrollLines", "doubleClickTime"};

// Stored in config.bin: precision on, one screen on, speed 9, 7 lines, double-click 2.
struct Fixture {
    Fixture() {
        record.enhancePointerPrecision = 1;
        record.scrollOneScreen = 1;
        record.pointerSpeedPosition = 9;
        record.scrollLines = 7;
        record.doubleClickPosition = 2;
    }
    DeviceConfigRecord record{};
    RecordingPointerSystem system;
    UiTexts texts{Language::English};
    PointerSettings settings{record, system, texts};
};

Notice warning(const wchar_t* text) {
    return {text, L"Warning"};
}

TEST(PointerSettings, FirstDrawingReadsTheSystemOnce) {
    const struct {
        MouseAcceleration acceleration;
        uint32_t speed, wheel, ms;
        PointerGroupView shown;
    } kCases[] = {
        {{6, 10, 1}, 10, 3, 500, {true, false, 6, 3, 6}},
        {{0, 0, 0}, 3, kWheelScrollPage, 200, {false, true, 2, 0, 11}}, // page scrolling: no segment
        {{0, 0, 2}, 20, 25, 1200, {true, false, 11, 11, 1}},            // beyond the scales: their ends
        {{0, 0, 0}, 0, 0, 100, {false, false, 1, 0, 11}},
    };
    for (const auto& c : kCases) {
        Fixture f;
        f.system.acceleration = c.acceleration;
        f.system.speed = c.speed;
        f.system.wheelLines = c.wheel;
        f.system.doubleClickMs = c.ms;
        EXPECT_EQ(f.settings.readSystemOnce(), Messages{});
        EXPECT_EQ(f.settings.view(), c.shown) << c.speed;
        EXPECT_TRUE(f.settings.setScale(PointerScale::Speed, 4));
        EXPECT_EQ(f.settings.readSystemOnce(), Messages{});
        EXPECT_EQ(f.system.calls, kReads);
        EXPECT_EQ(f.record.pointerSpeedPosition, 4);
    }
}

TEST(PointerSettings, FailedReadsWarnAndKeepTheStoredField) {
    const struct {
        const char* failing;
        Messages messages;
        PointerGroupView shown; // the system: no precision, speed 10, 3 lines, 500 ms
    } kCases[] = {
        {"mouseAcceleration", {}, {true, false, 6, 3, 6}},
        {"mouseSpeed", {warning(L"GETMOUSESPEED failed.")}, {false, false, 9, 3, 6}},
        {"wheelScrollLines", {warning(L"GETWHEELSCROLLLINES failed.")}, {false, true, 6, 7, 6}},
        {"doubleClickTime", {warning(L"GetDoubleClickTime failed.")}, {false, false, 6, 3, 2}},
    };
    for (const auto& c : kCases) {
        Fixture f;
        f.system.failing = {c.failing};
        EXPECT_EQ(f.settings.readSystemOnce(), c.messages) << c.failing;
        EXPECT_EQ(f.settings.view(), c.shown) << c.failing;
        EXPECT_EQ(f.system.calls, kReads) << c.failing;
    }
}

TEST(PointerSettings, ApplyHandsTheFieldsToTheSystemOnlyWithTheMouse) {
    Fixture f;
    f.record.pointerSpeedPosition = 6;
    f.record.scrollLines = 5;
    f.record.doubleClickPosition = 6;
    EXPECT_EQ(f.settings.applyToSystem(false), Messages{});
    EXPECT_EQ(f.system.calls, Calls{});
    EXPECT_EQ(f.settings.applyToSystem(true), Messages{});
    f.settings.toggleOneScreen();
    f.settings.togglePrecision();
    f.record.pointerSpeedPosition = 0; // off the scale in config.bin
    f.record.doubleClickPosition = 200;
    f.settings.applyToSystem(true);
    EXPECT_EQ(f.system.calls,
              (Calls{"setMouseAcceleration 6 10 1", "setMouseSpeed 10", "setWheelScrollLines 4294967295",
                     "setDoubleClickTime 550", "setMouseAcceleration 0 0 0", "setMouseSpeed 1",
                     "setWheelScrollLines 5", "setDoubleClickTime 200"}));
}

TEST(PointerSettings, EachRefusedSettingWarnsAndTheOthersAreStillSet) {
    const struct {
        std::set<std::string> failing;
        Messages messages;
    } kCases[] = {
        {{"setMouseSpeed"}, {warning(L"SETMOUSESPEED failed.")}},
        {{"setWheelScrollLines"}, {warning(L"SETWHEELSCROLLLINES failed.")}},
        {{"setDoubleClickTime", "setMouseAcceleration"},
         {warning(L"SETMOUSE failed."), warning(L"SPI_SETDOUBLECLICKTIME failed.")}},
    };
    for (const auto& c : kCases) {
        Fixture f;
        f.system.failing = c.failing;
        EXPECT_EQ(f.settings.applyToSystem(true), c.messages);
        EXPECT_EQ(f.settings.restoreDefaults(), c.messages);
        EXPECT_EQ(f.system.calls.size(), 8u);
    }
}

TEST(PointerSettings, DefaultSetsTheSystemAtOnceAndTheScales) {
    Fixture f;
    EXPECT_EQ(f.settings.restoreDefaults(), Messages{});
    EXPECT_EQ(f.system.calls, (Calls{"setMouseAcceleration 0 0 0", "setMouseSpeed 10",
                                     "setWheelScrollLines 3", "setDoubleClickTime 500"}));
    EXPECT_EQ(f.settings.view(), (PointerGroupView{false, false, 6, 3, 6}));
    EXPECT_FALSE(f.settings.setScale(PointerScale::ScrollLines, 12));
    EXPECT_TRUE(f.settings.setScale(PointerScale::DoubleClick, 11));
    EXPECT_EQ(f.settings.view(), (PointerGroupView{false, false, 6, 3, 11}));
}

} // namespace
