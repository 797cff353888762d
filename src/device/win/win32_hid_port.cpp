#include "device/win/win32_hid_port.h"

#include <algorithm>
#include <vector>

#include "device/win/hid_api.h"

Win32HidPort::Win32HidPort(HANDLE device, uint16_t featureLength, uint16_t inputLength, uint16_t outputLength)
    : device_(device), featureLength_(featureLength), inputLength_(inputLength), outputLength_(outputLength),
      transferDone_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

bool Win32HidPort::deviceOpen() const {
    return device_ != nullptr && device_ != INVALID_HANDLE_VALUE && transferDone_.valid();
}

bool Win32HidPort::setFeature(std::span<const uint8_t> report) {
    if (!deviceOpen() || report.empty()) {
        return false;
    }
    // HidD_SetFeature takes a writable buffer; the caller's report stays untouched.
    std::vector<uint8_t> buffer(report.begin(), report.end());
    return HidD_SetFeature(device_, buffer.data(), static_cast<ULONG>(buffer.size())) != FALSE;
}

bool Win32HidPort::getFeature(std::span<uint8_t> report) {
    if (!deviceOpen() || report.empty()) {
        return false;
    }
    std::vector<uint8_t> buffer(report.begin(), report.end());
    if (!HidD_GetFeature(device_, buffer.data(), static_cast<ULONG>(buffer.size()))) {
        return false;
    }
    std::copy(buffer.begin(), buffer.end(), report.begin());
    return true;
}

bool Win32HidPort::writeOutput(std::span<const uint8_t> report) {
    if (!deviceOpen() || report.empty()) {
        return false;
    }
    OVERLAPPED overlapped{};
    overlapped.hEvent = transferDone_.get();
    DWORD written = 0;
    if (!WriteFile(device_, report.data(), static_cast<DWORD>(report.size()), nullptr, &overlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
        return false;
    }
    return finishTransfer(overlapped, kWriteTimeout, written) && written == report.size();
}

bool Win32HidPort::readInput(std::span<uint8_t> report, std::chrono::milliseconds timeout) {
    if (!deviceOpen() || report.empty()) {
        return false;
    }
    // A failed or timed-out read must leave the caller's buffer as it was.
    std::vector<uint8_t> buffer(report.size());
    OVERLAPPED overlapped{};
    overlapped.hEvent = transferDone_.get();
    DWORD received = 0;
    if (!ReadFile(device_, buffer.data(), static_cast<DWORD>(buffer.size()), nullptr, &overlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
        return false;
    }
    if (!finishTransfer(overlapped, timeout, received) || received == 0) {
        return false;
    }
    std::copy_n(buffer.begin(), std::min<std::size_t>(received, buffer.size()), report.begin());
    return true;
}

bool Win32HidPort::finishTransfer(OVERLAPPED& overlapped, std::chrono::milliseconds timeout,
                                  DWORD& transferred) {
    const DWORD waitMs = static_cast<DWORD>(std::max<long long>(timeout.count(), 0));
    if (WaitForSingleObject(overlapped.hEvent, waitMs) != WAIT_OBJECT_0) {
        // The transfer must be over before its buffer goes away: cancel it and wait for the end.
        CancelIoEx(device_, &overlapped);
        GetOverlappedResult(device_, &overlapped, &transferred, TRUE);
        return false;
    }
    return GetOverlappedResult(device_, &overlapped, &transferred, FALSE) != FALSE;
}
