#include "device/win/event_reader.h"

#include <algorithm>
#include <vector>

#include "device/device_event.h"

namespace {

// Waits for the wake event. Once the event is gone (the program is ending and has closed it) the
// reader has nothing left to wait for and parks for good instead of spinning.
void waitForWake(HANDLE wake) {
    if (wake == nullptr || WaitForSingleObject(wake, INFINITE) == WAIT_FAILED) {
        Sleep(INFINITE);
    }
}

} // namespace

void runEventReader(const DeviceLink& link, HWND mainWindow) {
    for (;;) {
        readOneDeviceEvent(link, mainWindow);
    }
}

bool readOneDeviceEvent(const DeviceLink& link, HWND mainWindow) {
    const HANDLE wake = link.readerWakeEvent.load();
    ResetEvent(wake);
    const HANDLE device = link.eventReadHandle.load();
    if (!link.deviceConnected.load() || device == INVALID_HANDLE_VALUE) {
        waitForWake(wake);
        return false;
    }
    // The report length is taken for every read: a mouse found after start-up brings its own.
    std::vector<uint8_t> report(link.eventLength.load());
    OVERLAPPED overlapped{};
    overlapped.hEvent = wake;
    const bool started =
        ReadFile(device, report.data(), static_cast<DWORD>(report.size()), nullptr, &overlapped) ||
        GetLastError() == ERROR_IO_PENDING;
    // A read that failed at once leaves the event clear: the reader sleeps until the next search
    // that opens the event interface wakes it, instead of retrying a dead handle in a loop.
    waitForWake(wake);
    if (!started) {
        return false;
    }
    if (!HasOverlappedIoCompleted(&overlapped)) {
        // Woken by a search, not by the read: the read must be over before its buffer goes away.
        CancelIoEx(device, &overlapped);
        while (!HasOverlappedIoCompleted(&overlapped)) {
            Sleep(1);
        }
        return false;
    }
    DWORD received = 0;
    if (!GetOverlappedResult(device, &overlapped, &received, FALSE) || !link.deviceConnected.load()) {
        return false;
    }
    const std::span<const uint8_t> bytes(report.data(), std::min<size_t>(received, report.size()));
    const std::optional<DeviceEvent> event = decodeDeviceEvent(bytes);
    if (!event) {
        return false;
    }
    SendMessageW(mainWindow, kDeviceEventMessage, event->code, event->value);
    return true;
}
