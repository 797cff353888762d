#include "device/win/hid_discovery.h"

#include <windows.h>

#include <setupapi.h>

#include <cstdio>
#include <iterator>
#include <optional>
#include <vector>

#include "common/debug_log.h"
#include "device/interface_selection.h"
#include "device/win/hid_api.h"
#include "ui/win/scoped_handle.h"

namespace {

// The interface class of every HID collection.
constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

// The device information list of one search.
struct DeviceInfoListTraits {
    static HDEVINFO invalid() { return INVALID_HANDLE_VALUE; }
    static bool isValid(HDEVINFO list) { return list != INVALID_HANDLE_VALUE; }
    static void close(HDEVINFO list) { SetupDiDestroyDeviceInfoList(list); }
};
using UniqueDeviceInfoList = ScopedHandle<HDEVINFO, DeviceInfoListTraits>;

// The preparsed data of one collection.
struct PreparsedDataTraits {
    static PHIDP_PREPARSED_DATA invalid() { return nullptr; }
    static bool isValid(PHIDP_PREPARSED_DATA data) { return data != nullptr; }
    static void close(PHIDP_PREPARSED_DATA data) { HidD_FreePreparsedData(data); }
};
using UniquePreparsedData = ScopedHandle<PHIDP_PREPARSED_DATA, PreparsedDataTraits>;

UniquePreparsedData preparsedData(HANDLE device) {
    PHIDP_PREPARSED_DATA data = nullptr;
    return UniquePreparsedData(HidD_GetPreparsedData(device, &data) ? data : nullptr);
}

template <typename... Values>
std::wstring formatLine(const wchar_t* format, Values... values) {
    wchar_t line[256] = {};
    std::swprintf(line, std::size(line), format, values...);
    return line;
}

// The interface path of one enumerated interface, or nothing when Windows does not give it.
std::optional<std::wstring> interfacePath(HDEVINFO list, SP_DEVICE_INTERFACE_DATA& interfaceData) {
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailW(list, &interfaceData, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
        size = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    }
    // DWORD elements keep the detail structure aligned.
    std::vector<DWORD> storage((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupDiGetDeviceInterfaceDetailW(list, &interfaceData, detail, size, nullptr, nullptr)) {
        return std::nullopt;
    }
    return std::wstring(detail->DevicePath);
}

HANDLE openInterface(const std::wstring& path, DWORD access, DWORD flags) {
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       flags, nullptr);
}

// Opens both handles of the event interface; the write handle is only held, never written.
bool openEventInterface(DeviceLink& link, const std::wstring& path, const InterfaceDescription& description) {
    UniqueHandle read(openInterface(path, GENERIC_READ, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED));
    if (!read) {
        return false;
    }
    UniqueHandle write(openInterface(path, GENERIC_WRITE, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED));
    if (!write) {
        return false;
    }
    link.eventLength = description.inputLength;
    link.eventReadHandle.reset(read.release());
    link.eventWriteHandle.reset(write.release());
    return true;
}

// Opens the command interface for overlapped I/O, so that reads and writes of data reports can be
// bounded in time (Win32HidPort); feature reports work the same on such a handle.
bool openCommandInterface(DeviceLink& link, const std::wstring& path,
                          const InterfaceDescription& description) {
    UniqueHandle command(openInterface(path, GENERIC_READ | GENERIC_WRITE, FILE_FLAG_OVERLAPPED));
    if (!command) {
        return false;
    }
    link.featureLength = description.featureLength;
    link.inputLength = description.inputLength;
    link.outputLength = description.outputLength;
    link.commandHandle.reset(command.release());
    return true;
}

enum class Examined { NotTheMouse, Described, Failed };

// Reads the IDs and, for the mouse, the capabilities of one collection through a probe handle
// that asks for no access rights.
Examined describeInterface(const std::wstring& path, const DiscoveryFailureReport& reportFailure,
                           InterfaceDescription& description) {
    UniqueHandle probe(openInterface(path, 0, 0));
    if (!probe) {
        // A collection that vanished or refuses even a probe is not one the program can use.
        return Examined::NotTheMouse;
    }
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof(attributes);
    if (!HidD_GetAttributes(probe.get(), &attributes)) {
        return Examined::NotTheMouse;
    }
    debugLog(formatLine(L"PID:%04x\n,VID:%04x\n,VersionNumber:%04x\n", attributes.ProductID,
                        attributes.VendorID, attributes.VersionNumber));
    if (!isMouseDevice(attributes.VendorID, attributes.ProductID)) {
        return Examined::NotTheMouse;
    }
    const UniquePreparsedData preparsed = preparsedData(probe.get());
    if (!preparsed) {
        reportFailure(L"HidD_GetPreparsedData failed.\n");
        return Examined::Failed;
    }
    probe.reset();
    HIDP_CAPS caps{};
    if (HidP_GetCaps(preparsed.get(), &caps) == HIDP_STATUS_INVALID_PREPARSED_DATA) {
        reportFailure(L"HidP_GetCaps failed.");
        return Examined::Failed;
    }
    debugLog(formatLine(L"Usage:0x%04x\n, UsagePage:0x%04x\n,FeatureReportByteLength:0x%04x\n,"
                        L"InputReportByteLength:0x%x\n,OutputReportByteLength:0x%x\n",
                        caps.Usage, caps.UsagePage, caps.FeatureReportByteLength, caps.InputReportByteLength,
                        caps.OutputReportByteLength));
    description = {attributes.VendorID,
                   attributes.ProductID,
                   caps.UsagePage,
                   caps.Usage,
                   caps.FeatureReportByteLength,
                   caps.InputReportByteLength,
                   caps.OutputReportByteLength};
    return Examined::Described;
}

} // namespace

void closeDeviceHandles(DeviceLink& link) {
    link.commandHandle.reset();
    link.eventReadHandle.reset();
    link.eventWriteHandle.reset();
}

bool findMouseInterfaces(DeviceLink& link, const DiscoveryFailureReport& reportFailure) {
    link.deviceConnected = false;
    closeDeviceHandles(link);
    const UniqueDeviceInfoList list(
        SetupDiGetClassDevsW(&kHidInterfaceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!list) {
        return false;
    }
    InterfaceSearch search;
    for (DWORD index = 0;; ++index) {
        SP_DEVICE_INTERFACE_DATA interfaceData{};
        interfaceData.cbSize = sizeof(interfaceData);
        if (!SetupDiEnumDeviceInterfaces(list.get(), nullptr, &kHidInterfaceClass, index, &interfaceData)) {
            return false;
        }
        const std::optional<std::wstring> path = interfacePath(list.get(), interfaceData);
        if (!path) {
            reportFailure(L"SetupDiGetDeviceInterfaceDetail failed.\n");
            return false;
        }
        link.devicePath = *path;
        InterfaceDescription description{};
        const Examined examined = describeInterface(*path, reportFailure, description);
        if (examined == Examined::Failed) {
            return false;
        }
        if (examined == Examined::NotTheMouse) {
            continue;
        }
        switch (search.examine(description)) {
        case InterfaceAction::Skip:
            continue;
        case InterfaceAction::OpenEvent:
            search.opened(openEventInterface(link, *path, description));
            break;
        case InterfaceAction::OpenCommandAndStop:
            search.opened(openCommandInterface(link, *path, description));
            break;
        }
        if (search.state() == SearchState::Failed) {
            return false;
        }
        if (search.state() == SearchState::Found) {
            link.deviceConnected = true;
            // Wake the reader only now that it will find the mouse connected and its handle open.
            const HANDLE wake = link.readerWakeEvent.load();
            if (wake != nullptr) {
                SetEvent(wake);
            }
            return true;
        }
    }
}
