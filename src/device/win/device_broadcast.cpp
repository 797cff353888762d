#include "device/win/device_broadcast.h"

#include <dbt.h>

#include <cstddef>
#include <vector>

namespace {

// The interface class of every HID collection.
constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

} // namespace

UniqueDeviceNotify registerForInterfaceBroadcasts(HWND window) {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterfaceClass;
    return UniqueDeviceNotify(RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
}

std::wstring emulatedMouseInterfaceName() {
    return L"\\\\?\\HID#VID_04D9&PID_A09F&MI_01#7&1c0ffee&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
}

void sendInterfaceBroadcast(HWND window, WPARAM eventType, std::wstring_view interfaceName) {
    // The name runs on past the declared one-character array, with its terminating zero.
    const std::size_t size =
        offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + (interfaceName.size() + 1) * sizeof(wchar_t);
    std::vector<std::byte> storage(size + sizeof(DEV_BROADCAST_DEVICEINTERFACE_W));
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(storage.data());
    broadcast->dbcc_size = static_cast<DWORD>(size);
    broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    broadcast->dbcc_classguid = kHidInterfaceClass;
    interfaceName.copy(broadcast->dbcc_name, interfaceName.size());
    broadcast->dbcc_name[interfaceName.size()] = L'\0';
    SendMessageW(window, WM_DEVICECHANGE, eventType, reinterpret_cast<LPARAM>(broadcast));
}

std::optional<std::wstring_view> broadcastInterfaceName(LPARAM broadcast) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(broadcast);
    if (header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE ||
        header->dbch_size < offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name)) {
        return std::nullopt;
    }
    const auto* deviceInterface = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
    // The name ends at its terminating zero or at the end of the broadcast, whichever comes first.
    const std::size_t room =
        (header->dbch_size - offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name)) / sizeof(wchar_t);
    return std::wstring_view(deviceInterface->dbcc_name, wcsnlen(deviceInterface->dbcc_name, room));
}
