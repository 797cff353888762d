#include <gtest/gtest.h>

#include "device/emulator/mouse_emulator.h"
#include "device/precise_pacer.h"
#include "doubles/recording_pacer.h"
#include "device/tracing_hid_port.h"
#include "device/tracing_pacer.h"

namespace {

using std::chrono::milliseconds;

TEST(WireTrace, LineIsTheKindThenEveryByteInLowercaseHex) {
    const std::vector<uint8_t> report = {0x00, 0x83, 0xAB, 0x0F, 0x10};
    EXPECT_EQ(traceLine("set-feature", report), "set-feature 00 83 ab 0f 10");
    EXPECT_EQ(traceLine("read", {}), "read");
}

TEST(WireTrace, TracingPortWritesOneLinePerCallInFullLength) {
    MouseEmulator mouse;
    std::vector<std::string> trace;
    TracingHidPort port(mouse, [&trace](const std::string& line) { trace.push_back(line); });
    std::vector<uint8_t> feature = {0x00, 0x8D, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x72};
    port.setFeature(feature);
    port.getFeature(feature);
    std::vector<uint8_t> input(33, 0);
    port.readInput(input, milliseconds(1));
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace[0], "set-feature 00 8d 00 00 00 00 00 00 72");
    EXPECT_EQ(trace[1], "get-feature 00 8d 01 0a 02 00 00 00 65");
    EXPECT_EQ(trace[2], "read failed");
}

TEST(WireTrace, TracingPacerWritesTheSleepAndStillPauses) {
    RecordingPacer recorder;
    std::vector<std::string> trace;
    TracingPacer pacer(recorder, [&trace](const std::string& line) { trace.push_back(line); });
    pacer.pause(milliseconds(3));
    pacer.pause(milliseconds(2));
    EXPECT_EQ(trace, (std::vector<std::string>{"sleep 3", "sleep 2"}));
    EXPECT_EQ(recorder.total(), milliseconds(5));
}

TEST(PrecisePacer, NeverReturnsBeforeThePauseIsOver) {
    PrecisePacer pacer;
    for (int duration : {0, 1, 3}) {
        const auto start = std::chrono::steady_clock::now();
        pacer.pause(milliseconds(duration));
        EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(duration));
    }
}

} // namespace
