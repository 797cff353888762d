#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <span>

#include "device/hid_port.h"
#include "ui/win/scoped_handle.h"

// The mouse's command interface over a HID handle opened for overlapped I/O: feature reports with
// HidD_SetFeature and HidD_GetFeature, output reports with WriteFile, input reports with ReadFile.
// Reads and writes wait a bounded time and are cancelled when it runs out, so a mouse that stops
// answering cannot hang the user-interface thread. Every transfer is over (done or cancelled)
// before a call returns, so the synchronous HidD feature calls never share the handle with a
// transfer in flight. The port does not own the handle.
class Win32HidPort : public HidPort {
public:
    // How long a write of one output report may take before it is given up.
    static constexpr std::chrono::milliseconds kWriteTimeout{1000};

    Win32HidPort(HANDLE device, uint16_t featureLength, uint16_t inputLength, uint16_t outputLength);

    bool setFeature(std::span<const uint8_t> report) override;
    bool getFeature(std::span<uint8_t> report) override;
    bool writeOutput(std::span<const uint8_t> report) override;
    bool readInput(std::span<uint8_t> report, std::chrono::milliseconds timeout) override;

    uint16_t featureLength() const override { return featureLength_; }
    uint16_t inputLength() const override { return inputLength_; }
    uint16_t outputLength() const override { return outputLength_; }

private:
    bool deviceOpen() const;
    // Waits for an overlapped transfer started on the device; cancels it when `timeout` runs out.
    bool finishTransfer(OVERLAPPED& overlapped, std::chrono::milliseconds timeout, DWORD& transferred);

    HANDLE device_;
    uint16_t featureLength_;
    uint16_t inputLength_;
    uint16_t outputLength_;
    UniqueHandle transferDone_;
};
