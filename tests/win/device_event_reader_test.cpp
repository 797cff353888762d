#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "device/win/event_reader.h"
#include "device/win/hid_discovery.h"
#include "device_test_window.h"

namespace {

using std::chrono::milliseconds;

// The link as a search leaves it with the event interface open: a pipe in place of the HID handle.
class EventReaderTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pipe.device);
        link.readerWakeEvent.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        // The link closes the pipe's reading end, as it closes a HID handle.
        link.eventReadHandle.reset(pipe.device.release());
        link.eventLength = 8;
        link.deviceConnected = true;
    }
    void TearDown() override {
        if (reader.joinable()) {
            reader.join();
        }
    }

    // Runs one turn of the reader on its own thread while this thread dispatches the window's
    // messages, as the main window's thread does.
    bool runOneTurn(const std::function<void()>& whileReading = {}) {
        finished = false;
        reader = std::thread([this] {
            sent = readOneDeviceEvent(link, window.hwnd());
            finished = true;
        });
        if (whileReading) {
            whileReading();
        }
        const bool ended = pumpMessagesUntil([this] { return finished.load(); });
        if (!ended) {
            // A reader that stays stuck is a failure; wake it so the test can still end.
            SetEvent(link.readerWakeEvent.load());
            pumpMessagesUntil([this] { return finished.load(); });
        }
        reader.join();
        return ended;
    }

    RecordingWindow window;
    PipeDevice pipe;
    DeviceLink link;
    std::thread reader;
    std::atomic<bool> finished{false};
    std::atomic<bool> sent{false};
};

struct ReportCase {
    std::vector<uint8_t> report;
    bool reported;
    WPARAM code;
    LPARAM value;
};

class EventReaderReportTest : public EventReaderTest, public testing::WithParamInterface<ReportCase> {};

TEST_P(EventReaderReportTest, SendsKnownEventsToTheMainWindow) {
    const ReportCase& report = GetParam();
    pipe.feed(report.report);

    ASSERT_TRUE(runOneTurn());

    EXPECT_EQ(sent, report.reported);
    ASSERT_EQ(window.events.size(), report.reported ? 1u : 0u);
    if (report.reported) {
        EXPECT_EQ(window.events[0].code, report.code);
        EXPECT_EQ(window.events[0].value, report.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, EventReaderReportTest,
                         testing::Values(ReportCase{{6, 7, 0, 3, 0, 0, 0, 0}, true, 7, 3},
                                         ReportCase{{6, 5, 0, 8, 0, 0, 0, 0}, true, 5, 8},
                                         ReportCase{{6, 9, 0, 0x0C, 0, 0, 0, 0}, true, 9, 12},
                                         ReportCase{{6, 8, 0, 2, 0, 0, 0, 0}, true, 8, 2},
                                         // Another report ID, an unknown code, a report cut short: nothing.
                                         ReportCase{{5, 7, 0, 3, 0, 0, 0, 0}, false, 0, 0},
                                         ReportCase{{6, 4, 0, 1, 0, 0, 0, 0}, false, 0, 0},
                                         ReportCase{{6, 7, 0}, false, 0, 0}));

TEST_F(EventReaderTest, ParksWhileTheMouseIsAbsentUntilWoken) {
    link.deviceConnected = false;
    pipe.feed({6, 7, 0, 3, 0, 0, 0, 0});

    ASSERT_TRUE(runOneTurn([this] {
        std::this_thread::sleep_for(milliseconds(100));
        EXPECT_FALSE(finished);
        SetEvent(link.readerWakeEvent.load());
    }));

    EXPECT_FALSE(sent);
    EXPECT_TRUE(window.events.empty());
}

TEST_F(EventReaderTest, WakeFromASearchEndsAPendingRead) {
    ASSERT_TRUE(runOneTurn([this] {
        std::this_thread::sleep_for(milliseconds(100));
        SetEvent(link.readerWakeEvent.load());
    }));

    EXPECT_FALSE(sent);
    // The abandoned read took nothing away: the next report reaches the next turn.
    pipe.feed({6, 7, 0, 2, 0, 0, 0, 0});
    ASSERT_TRUE(runOneTurn());
    ASSERT_EQ(window.events.size(), 1u);
    EXPECT_EQ(window.events[0].value, 2);
}

TEST_F(EventReaderTest, ClosingTheHandlesForANewSearchEndsAPendingRead) {
    ASSERT_TRUE(runOneTurn([this] {
        std::this_thread::sleep_for(milliseconds(100));
        link.deviceConnected = false;
        closeDeviceHandles(link);
    }));

    EXPECT_FALSE(sent);
    EXPECT_TRUE(window.events.empty());
}

} // namespace
