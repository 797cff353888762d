#include "device/win/event_reader.h"

#include <algorithm>
#include <span>

#include "device/device_event.h"

namespace {

// How long an abandoned read is given to end once cancelled before its buffer is left to it.
constexpr ULONGLONG kCancelTimeoutMs = 1000;

} // namespace

DeviceEventReader::DeviceEventReader(const DeviceLink& link, HWND mainWindow)
    : link_(link), mainWindow_(mainWindow) {}

DeviceEventReader::~DeviceEventReader() {
    endStaleRead();
}

bool DeviceEventReader::onWake() {
    ResetEvent(link_.readerWakeEvent.load());
    bool sent = false;
    if (pending_ && HasOverlappedIoCompleted(&pending_->overlapped)) {
        sent = reportOf(*pending_);
        pending_.reset();
    }
    endStaleRead();
    startRead();
    return sent;
}

void DeviceEventReader::startRead() {
    const HANDLE device = link_.eventReadHandle.load();
    if (!link_.deviceConnected.load() || device == INVALID_HANDLE_VALUE) {
        return;
    }
    // The report length is taken for every read: a mouse found after start-up brings its own.
    auto read = std::make_unique<PendingRead>();
    read->report.resize(link_.eventLength.load());
    read->overlapped.hEvent = link_.readerWakeEvent.load();
    read->device = device;
    // A read that fails at once leaves the event clear: the reader waits for the next search that
    // opens the event interface, instead of retrying a dead handle in a loop.
    if (ReadFile(device, read->report.data(), static_cast<DWORD>(read->report.size()), nullptr,
                 &read->overlapped) ||
        GetLastError() == ERROR_IO_PENDING) {
        pending_ = std::move(read);
    }
}

bool DeviceEventReader::reportOf(PendingRead& read) {
    DWORD received = 0;
    if (!GetOverlappedResult(read.device, &read.overlapped, &received, FALSE) ||
        !link_.deviceConnected.load()) {
        return false;
    }
    const std::span<const uint8_t> bytes(read.report.data(), std::min<size_t>(received, read.report.size()));
    const std::optional<DeviceEvent> event = decodeDeviceEvent(bytes);
    if (!event) {
        return false;
    }
    SendMessageW(mainWindow_, kDeviceEventMessage, event->code, event->value);
    return true;
}

void DeviceEventReader::endStaleRead() {
    if (!pending_) {
        return;
    }
    // The read must be over before its buffer goes away. One that does not end (a driver that
    // ignores the cancel) keeps its buffer for good rather than write into freed memory.
    CancelIoEx(pending_->device, &pending_->overlapped);
    const ULONGLONG deadline = GetTickCount64() + kCancelTimeoutMs;
    while (!HasOverlappedIoCompleted(&pending_->overlapped) && GetTickCount64() < deadline) {
        Sleep(1);
    }
    if (!HasOverlappedIoCompleted(&pending_->overlapped)) {
        static_cast<void>(pending_.release());
        return;
    }
    pending_.reset();
}
