#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/connection_exchange.h"
#include "device/interface_selection.h"
#include "doubles/recording_pacer.h"
#include "device/transport.h"
#include "device/win/emulated_mouse.h"
#include "device/win/event_reader.h"
#include "device_test_window.h"

namespace {

constexpr DWORD kWakeTimeoutMs = 3000;

HWND findControlWindow() {
    return FindWindowExW(HWND_MESSAGE, nullptr, kEmulatorControlClass, nullptr);
}

class EmulatedMouseTest : public testing::Test {
protected:
    void SetUp() override { link.readerWakeEvent.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr)); }
    void TearDown() override { mouse.closeHandles(); }

    uint8_t sensorTypeReadFromTheMouse() {
        HidPort* port = mouse.commandPort();
        if (port == nullptr) {
            return 0xFF;
        }
        RecordingPacer pacer;
        Transport transport(*port, pacer);
        DeviceImage image;
        connectionExchange(transport, image);
        return image.sensor.sensorType;
    }

    RecordingWindow window;
    DeviceLink link;
    std::vector<std::string> trace;
    EmulatedMouse mouse{
        link, window.hwnd(), {3, true}, [this](const std::string& line) { trace.push_back(line); }};
};

TEST_F(EmulatedMouseTest, ControlWindowIsFoundByItsClass) {
    EXPECT_EQ(findControlWindow(), mouse.controlWindow());
    EXPECT_NE(findControlWindow(), nullptr);
}

TEST_F(EmulatedMouseTest, PluggedInMouseIsFoundWithTheEmulatorsReportLengths) {
    ASSERT_TRUE(mouse.findDevice());

    EXPECT_TRUE(link.deviceConnected);
    EXPECT_NE(link.eventReadHandle.load(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(link.featureLength.load(), 9);
    EXPECT_EQ(link.inputLength.load(), 33);
    EXPECT_EQ(link.outputLength.load(), 33);
    EXPECT_EQ(WaitForSingleObject(link.readerWakeEvent.load(), 0), WAIT_OBJECT_0);
    EXPECT_EQ(sensorTypeReadFromTheMouse(), 3);
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace.front().rfind("set-feature 00 83", 0), 0u);
}

TEST_F(EmulatedMouseTest, UnplugReachesTheMainWindowAsARemovalBroadcast) {
    ASSERT_TRUE(mouse.findDevice());

    SendMessageW(findControlWindow(), kEmulatorUnplugMessage, 0, 0);

    ASSERT_EQ(window.broadcasts.size(), 1u);
    EXPECT_EQ(window.broadcasts[0].eventType, static_cast<WPARAM>(DBT_DEVICEREMOVECOMPLETE));
    EXPECT_NE(window.broadcasts[0].interfaceName.find(L"VID_04D9&PID_A09F"), std::wstring::npos);
    EXPECT_TRUE(isMouseInterfaceName(window.broadcasts[0].interfaceName));
    // The main window's search after the removal no longer finds the mouse.
    EXPECT_FALSE(mouse.findDevice());
    EXPECT_EQ(mouse.commandPort(), nullptr);
    EXPECT_EQ(link.eventReadHandle.load(), INVALID_HANDLE_VALUE);
}

TEST_F(EmulatedMouseTest, PlugInReachesTheMainWindowAsAnArrivalWithTheChosenSensor) {
    SendMessageW(findControlWindow(), kEmulatorUnplugMessage, 0, 0);
    ASSERT_FALSE(mouse.findDevice());

    SendMessageW(findControlWindow(), kEmulatorPlugInMessage, 2, 0);

    ASSERT_EQ(window.broadcasts.size(), 2u);
    EXPECT_EQ(window.broadcasts[1].eventType, static_cast<WPARAM>(DBT_DEVICEARRIVAL));
    EXPECT_TRUE(isMouseInterfaceName(window.broadcasts[1].interfaceName));
    ASSERT_TRUE(mouse.findDevice());
    EXPECT_EQ(sensorTypeReadFromTheMouse(), 2);
}

TEST_F(EmulatedMouseTest, DeviceEventTravelsThroughTheReaderToTheMainWindow) {
    ASSERT_TRUE(mouse.findDevice());
    DeviceEventReader reader(link, window.hwnd());
    EXPECT_FALSE(reader.onWake());

    SendMessageW(findControlWindow(), kEmulatorDeviceEventMessage, 7, 4);

    ASSERT_EQ(WaitForSingleObject(link.readerWakeEvent.load(), kWakeTimeoutMs), WAIT_OBJECT_0);
    EXPECT_TRUE(reader.onWake());
    ASSERT_EQ(window.events.size(), 1u);
    EXPECT_EQ(window.events[0].code, 7u);
    EXPECT_EQ(window.events[0].value, 4);
}

TEST_F(EmulatedMouseTest, UnplugEndsAPendingEventRead) {
    ASSERT_TRUE(mouse.findDevice());
    DeviceEventReader reader(link, window.hwnd());
    EXPECT_FALSE(reader.onWake());

    SendMessageW(findControlWindow(), kEmulatorUnplugMessage, 0, 0);

    ASSERT_EQ(WaitForSingleObject(link.readerWakeEvent.load(), kWakeTimeoutMs), WAIT_OBJECT_0);
    EXPECT_FALSE(reader.onWake());
    EXPECT_TRUE(window.events.empty());
}

struct EnvironmentCase {
    const wchar_t* sensor;
    const wchar_t* unplugged;
    uint8_t sensorType;
    bool pluggedIn;
};

class EmulatedMouseOptionsTest : public testing::TestWithParam<EnvironmentCase> {
protected:
    void TearDown() override {
        SetEnvironmentVariableW(L"GM_EMULATOR_SENSOR", nullptr);
        SetEnvironmentVariableW(L"GM_EMULATOR_UNPLUGGED", nullptr);
    }
};

TEST_P(EmulatedMouseOptionsTest, EnvironmentChoosesHowTheMouseStarts) {
    const EnvironmentCase& environment = GetParam();
    SetEnvironmentVariableW(L"GM_EMULATOR_SENSOR", environment.sensor);
    SetEnvironmentVariableW(L"GM_EMULATOR_UNPLUGGED", environment.unplugged);

    const EmulatedMouse::Options options = EmulatedMouse::optionsFromEnvironment();

    EXPECT_EQ(options.sensorType, environment.sensorType);
    EXPECT_EQ(options.pluggedIn, environment.pluggedIn);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, EmulatedMouseOptionsTest,
    testing::Values(EnvironmentCase{nullptr, nullptr, 1, true}, EnvironmentCase{L"3", nullptr, 3, true},
                    EnvironmentCase{L"0", L"0", 0, true}, EnvironmentCase{nullptr, L"1", 1, false},
                    // Values that are not a sensor type leave the default.
                    EnvironmentCase{L"256", nullptr, 1, true}, EnvironmentCase{L"two", nullptr, 1, true},
                    EnvironmentCase{L"2x", nullptr, 1, true}));

} // namespace
