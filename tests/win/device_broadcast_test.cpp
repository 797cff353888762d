#include <gtest/gtest.h>

#include <windows.h>

#include <dbt.h>

#include <cstddef>
#include <vector>

#include "device/interface_selection.h"
#include "device/win/device_broadcast.h"
#include "device_test_window.h"

namespace {

TEST(DeviceBroadcastTest, ArrivalReachesTheWindowWithTheInterfaceName) {
    RecordingWindow window;
    const std::wstring name = emulatedMouseInterfaceName();

    sendInterfaceBroadcast(window.hwnd(), DBT_DEVICEARRIVAL, name);

    ASSERT_EQ(window.broadcasts.size(), 1u);
    EXPECT_EQ(window.broadcasts[0].eventType, static_cast<WPARAM>(DBT_DEVICEARRIVAL));
    EXPECT_EQ(window.broadcasts[0].interfaceName, name);
    EXPECT_TRUE(isMouseInterfaceName(window.broadcasts[0].interfaceName));
}

TEST(DeviceBroadcastTest, AWindowCanBeRegisteredForHidInterfaceBroadcasts) {
    RecordingWindow window;

    EXPECT_TRUE(registerForInterfaceBroadcasts(window.hwnd()).valid());
    EXPECT_FALSE(registerForInterfaceBroadcasts(nullptr).valid());
}

TEST(DeviceBroadcastTest, OtherBroadcastsCarryNoInterfaceName) {
    DEV_BROADCAST_VOLUME volume{};
    volume.dbcv_size = sizeof(volume);
    volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;

    EXPECT_FALSE(broadcastInterfaceName(reinterpret_cast<LPARAM>(&volume)));
    EXPECT_FALSE(broadcastInterfaceName(0));
}

// A broadcast whose name is not terminated within its declared size is read only up to its end.
TEST(DeviceBroadcastTest, UnterminatedNameStopsAtTheEndOfTheBroadcast) {
    const std::wstring name = L"\\\\?\\HID#VID_04D9&PID_A09F";
    const std::size_t size = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + 4 * sizeof(wchar_t);
    std::vector<std::byte> storage(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) +
                                   (name.size() + 1) * sizeof(wchar_t));
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(storage.data());
    broadcast->dbcc_size = static_cast<DWORD>(size);
    broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    name.copy(broadcast->dbcc_name, name.size());

    const std::optional<std::wstring_view> read = broadcastInterfaceName(reinterpret_cast<LPARAM>(broadcast));

    ASSERT_TRUE(read);
    EXPECT_EQ(*read, name.substr(0, 4));
}

} // namespace
