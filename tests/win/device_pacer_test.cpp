#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "device/win/win32_pacer.h"

namespace {

using Clock = std::chrono::steady_clock;
using Microseconds = std::chrono::duration<double, std::micro>;

struct PauseFigures {
    double medianMs;
    double shortestMs;
    double longestMs;
};

PauseFigures measurePauses(Win32Pacer& pacer, std::chrono::milliseconds duration, int runs) {
    std::vector<double> elapsedMs;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        pacer.pause(duration);
        elapsedMs.push_back(Microseconds(Clock::now() - start).count() / 1000.0);
    }
    std::sort(elapsedMs.begin(), elapsedMs.end());
    return {elapsedMs[elapsedMs.size() / 2], elapsedMs.front(), elapsedMs.back()};
}

class Win32PacerTest : public testing::TestWithParam<int> {};

// The protocol's pauses are 2 and 3 ms; a coarse timer would make them 15.6 ms each. Timing on a
// shared machine varies, so only the shape is checked: never shorter than asked, and far below
// one scheduler tick. The figures are printed for the record.
TEST_P(Win32PacerTest, PauseLastsAboutAsLongAsAsked) {
    Win32Pacer pacer;
    const std::chrono::milliseconds duration(GetParam());
    const PauseFigures figures = measurePauses(pacer, duration, 25);
    std::printf("pause %d ms (%s): median %.3f ms, shortest %.3f ms, longest %.3f ms\n", GetParam(),
                pacer.usesHighResolutionTimer() ? "high-resolution timer" : "1 ms timer period",
                figures.medianMs, figures.shortestMs, figures.longestMs);
    EXPECT_GE(figures.shortestMs, GetParam() - 0.05);
    EXPECT_LT(figures.medianMs, 12.0);
}

INSTANTIATE_TEST_SUITE_P(ProtocolPauses, Win32PacerTest, testing::Values(2, 3));

TEST(Win32PacerZeroTest, NoPauseReturnsAtOnce) {
    Win32Pacer pacer;
    const auto start = Clock::now();
    pacer.pause(std::chrono::milliseconds(0));
    EXPECT_LT(Microseconds(Clock::now() - start).count(), 1000.0);
}

} // namespace
