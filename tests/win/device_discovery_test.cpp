#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/win/hid_discovery.h"

namespace {

bool handleIsOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

// The test machine has no such mouse: the search must come back empty-handed and quietly.
TEST(HidDiscoveryTest, WithoutTheMouseTheSearchFindsNothingAndShowsNothing) {
    DeviceLink link;
    link.readerWakeEvent.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::vector<std::wstring> failures;

    EXPECT_FALSE(findMouseInterfaces(link, [&](const std::wstring& text) { failures.push_back(text); }));

    EXPECT_TRUE(failures.empty());
    EXPECT_FALSE(link.deviceConnected);
    EXPECT_EQ(link.commandHandle.load(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(link.eventReadHandle.load(), INVALID_HANDLE_VALUE);
    // Nothing was opened, so the reader is not woken.
    EXPECT_EQ(WaitForSingleObject(link.readerWakeEvent.load(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

// The handles of a connection that was lost are closed before a new search opens fresh ones,
// and the reader sees them invalid.
TEST(HidDiscoveryTest, SearchClosesTheHandlesOfTheLostConnection) {
    DeviceLink link;
    const HANDLE stale[] = {CreateEventW(nullptr, TRUE, FALSE, nullptr),
                            CreateEventW(nullptr, TRUE, FALSE, nullptr),
                            CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    link.commandHandle.reset(stale[0]);
    link.eventReadHandle.reset(stale[1]);
    link.eventWriteHandle.reset(stale[2]);
    link.deviceConnected = true;

    findMouseInterfaces(link, [](const std::wstring&) {});

    EXPECT_FALSE(link.deviceConnected);
    for (const HANDLE handle : stale) {
        EXPECT_FALSE(handleIsOpen(handle));
    }
    EXPECT_EQ(link.commandHandle.load(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(link.eventReadHandle.load(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(link.eventWriteHandle.load(), INVALID_HANDLE_VALUE);
}

TEST(HidDiscoveryTest, ClosingLeavesAbsentHandlesAlone) {
    DeviceLink link;
    const HANDLE open = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    link.eventReadHandle.reset(open);

    closeDeviceHandles(link);
    closeDeviceHandles(link);

    EXPECT_FALSE(handleIsOpen(open));
    EXPECT_EQ(link.commandHandle.load(), INVALID_HANDLE_VALUE);
}

// The link owns what it holds: handles still open when it goes away are closed with it.
TEST(HidDiscoveryTest, LinkClosesItsHandlesWhenItGoesAway) {
    const HANDLE held[] = {
        CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, FALSE, nullptr),
        CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    {
        DeviceLink link;
        link.commandHandle.reset(held[0]);
        link.eventReadHandle.reset(held[1]);
        link.eventWriteHandle.reset(held[2]);
        link.readerWakeEvent.reset(held[3]);
    }
    for (const HANDLE handle : held) {
        EXPECT_FALSE(handleIsOpen(handle));
    }
}

} // namespace
