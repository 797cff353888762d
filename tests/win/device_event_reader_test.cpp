#include <gtest/gtest.h>

#include <vector>

#include "device/win/event_reader.h"
#include "device/win/hid_discovery.h"
#include "device_test_window.h"

namespace {

constexpr DWORD kWakeTimeoutMs = 3000;

// The link as a search leaves it with the event interface open: a pipe in place of the HID handle.
// The reader answers the wake event on this thread, as it does on the main window's thread.
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

    HANDLE wake() const { return link.readerWakeEvent.load(); }

    // Waits for the wake event, as the message loops do, and lets the reader answer it.
    bool answerNextWake() {
        EXPECT_EQ(WaitForSingleObject(wake(), kWakeTimeoutMs), WAIT_OBJECT_0);
        return reader.onWake();
    }

    RecordingWindow window;
    PipeDevice pipe;
    DeviceLink link;
    DeviceEventReader reader{link, window.hwnd()};
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
    EXPECT_FALSE(reader.onWake());

    EXPECT_EQ(answerNextWake(), report.reported);

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

TEST_F(EventReaderTest, ReadsNothingWhileTheMouseIsAbsentUntilASearchFindsIt) {
    link.deviceConnected = false;
    pipe.feed({6, 7, 0, 3, 0, 0, 0, 0});

    EXPECT_FALSE(reader.onWake());
    // No read was started, so nothing can set the event.
    EXPECT_EQ(WaitForSingleObject(wake(), 0), static_cast<DWORD>(WAIT_TIMEOUT));

    link.deviceConnected = true;
    SetEvent(wake());
    EXPECT_FALSE(reader.onWake());
    EXPECT_TRUE(answerNextWake());
    ASSERT_EQ(window.events.size(), 1u);
    EXPECT_EQ(window.events[0].value, 3);
}

TEST_F(EventReaderTest, WakeFromASearchEndsAPendingRead) {
    EXPECT_FALSE(reader.onWake());

    SetEvent(wake());
    EXPECT_FALSE(reader.onWake());

    // The abandoned read took nothing away: the next report reaches the next read.
    pipe.feed({6, 7, 0, 2, 0, 0, 0, 0});
    EXPECT_TRUE(answerNextWake());
    ASSERT_EQ(window.events.size(), 1u);
    EXPECT_EQ(window.events[0].value, 2);
}

TEST_F(EventReaderTest, ClosingTheHandlesForANewSearchEndsAPendingRead) {
    EXPECT_FALSE(reader.onWake());

    link.deviceConnected = false;
    closeDeviceHandles(link);
    SetEvent(wake());

    EXPECT_FALSE(reader.onWake());
    EXPECT_TRUE(window.events.empty());
    EXPECT_EQ(WaitForSingleObject(wake(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

} // namespace
