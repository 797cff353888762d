#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <vector>

#include "device/win/win32_hid_port.h"
#include "device_test_window.h"

namespace {

using std::chrono::milliseconds;

constexpr uint8_t kUntouched = 0xA5;

class Win32HidPortClosedTest : public testing::TestWithParam<HANDLE> {};

// Without the mouse the command handle is invalid: every report fails at once and buffers keep
// what they held.
TEST_P(Win32HidPortClosedTest, EveryReportFailsWithoutTouchingTheBuffer) {
    Win32HidPort port(GetParam(), 9, 33, 33);
    std::array<uint8_t, 33> buffer;
    buffer.fill(kUntouched);
    const auto start = std::chrono::steady_clock::now();

    EXPECT_FALSE(port.setFeature(std::span(buffer).first(9)));
    EXPECT_FALSE(port.getFeature(std::span(buffer).first(9)));
    EXPECT_FALSE(port.writeOutput(buffer));
    EXPECT_FALSE(port.readInput(buffer, milliseconds(500)));

    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(400));
    for (const uint8_t byte : buffer) {
        EXPECT_EQ(byte, kUntouched);
    }
}

INSTANTIATE_TEST_SUITE_P(InvalidHandles, Win32HidPortClosedTest,
                         testing::Values(INVALID_HANDLE_VALUE, nullptr));

TEST(Win32HidPortTest, ReadFromSilentDeviceGivesUpAfterItsTimeOut) {
    PipeDevice silent;
    ASSERT_TRUE(silent.device);
    Win32HidPort port(silent.device.get(), 9, 33, 33);
    std::array<uint8_t, 33> buffer;
    buffer.fill(kUntouched);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(port.readInput(buffer, milliseconds(100)));
    const auto elapsed = std::chrono::steady_clock::now() - start;

    EXPECT_GE(elapsed, milliseconds(90));
    EXPECT_LT(elapsed, milliseconds(2000));
    EXPECT_EQ(buffer[0], kUntouched);
    // The cancelled read is really gone: the next report is read whole by the next call.
    silent.feed({0, 1, 2, 3});
    EXPECT_TRUE(port.readInput(buffer, milliseconds(1000)));
    EXPECT_EQ(buffer[3], 3);
}

TEST(Win32HidPortTest, ReadCopiesTheReportThatArrived) {
    PipeDevice device;
    Win32HidPort port(device.device.get(), 9, 33, 33);
    std::vector<uint8_t> report(33);
    for (size_t i = 0; i < report.size(); ++i) {
        report[i] = static_cast<uint8_t>(i * 7);
    }
    device.feed(report);
    std::vector<uint8_t> buffer(33, kUntouched);

    EXPECT_TRUE(port.readInput(buffer, milliseconds(1000)));
    EXPECT_EQ(buffer, report);
}

TEST(Win32HidPortTest, WriteSendsTheWholeReport) {
    PipeDevice device;
    Win32HidPort port(device.device.get(), 9, 33, 33);
    std::vector<uint8_t> report(33, 0x11);
    report[0] = 0;

    EXPECT_TRUE(port.writeOutput(report));

    std::vector<uint8_t> received(64);
    DWORD count = 0;
    ASSERT_TRUE(
        ReadFile(device.feeder.get(), received.data(), static_cast<DWORD>(received.size()), &count, nullptr));
    received.resize(count);
    EXPECT_EQ(received, report);
}

TEST(Win32HidPortTest, FeatureReportsOnANonHidHandleFail) {
    PipeDevice notHid;
    Win32HidPort port(notHid.device.get(), 9, 33, 33);
    std::array<uint8_t, 9> buffer;
    buffer.fill(kUntouched);

    EXPECT_FALSE(port.setFeature(buffer));
    EXPECT_FALSE(port.getFeature(buffer));
    EXPECT_EQ(buffer[8], kUntouched);
}

} // namespace
