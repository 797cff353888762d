#include "device/win/emulated_mouse.h"

#include <dbt.h>

#include <array>
#include <cstdlib>
#include <string>

#include "common/debug_log.h"
#include "config/text_encoding.h"
#include "device/emulator/emulator_fault_names.h"
#include "device/win/device_broadcast.h"
#include "device/win/hid_discovery.h"
#include "ui/win/scoped_handle.h"

namespace {

constexpr DWORD kPipeBufferSize = 4096;

std::optional<unsigned long> environmentNumber(const wchar_t* name) {
    wchar_t value[32] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, static_cast<DWORD>(std::size(value)));
    if (length == 0 || length >= std::size(value)) {
        return std::nullopt;
    }
    wchar_t* end = nullptr;
    const unsigned long number = std::wcstoul(value, &end, 10);
    if (end == value || *end != L'\0') {
        return std::nullopt;
    }
    return number;
}

} // namespace

EmulatedMouse::Options EmulatedMouse::optionsFromEnvironment() {
    Options options;
    if (const auto sensor = environmentNumber(L"GM_EMULATOR_SENSOR"); sensor && *sensor <= 0xFF) {
        options.sensorType = static_cast<uint8_t>(*sensor);
    }
    if (const auto unplugged = environmentNumber(L"GM_EMULATOR_UNPLUGGED")) {
        options.pluggedIn = *unplugged == 0;
    }
    return options;
}

EmulatorFaults EmulatedMouse::faultsFromEnvironment() {
    EmulatorFaults faults;
    std::array<wchar_t, 512> value{};
    const DWORD length =
        GetEnvironmentVariableW(L"GM_EMULATOR_FAULTS", value.data(), static_cast<DWORD>(value.size()));
    if (length == 0 || length >= value.size()) {
        return faults;
    }
    const std::string list = encodeUtf8(value.data());
    std::string error;
    if (!applyEmulatorFaultList(list, faults, error)) {
        debugLog(L"GM_EMULATOR_FAULTS ignored: " + std::wstring(error.begin(), error.end()));
    }
    return faults;
}

void EmulatedMouse::setFaults(const EmulatorFaults& faults) {
    emulator_.setFaults(faults);
    emulator_.setFaultUnplugNotice([this] { PostMessageW(control_.hwnd(), kEmulatorUnplugMessage, 0, 0); });
}

EmulatedMouse::EmulatedMouse(DeviceLink& link, HWND mainWindow, Options options, WireTraceSink trace)
    : link_(link), mainWindow_(mainWindow), emulator_(options.sensorType), tracedPort_(emulator_, trace),
      tracedPacer_(waitingPacer_, trace),
      control_({[this](uint8_t sensorType) { plugIn(sensorType); }, [this] { unplug(); },
                [this](uint8_t code, uint8_t value) { sendDeviceEvent(code, value); }}) {
    if (!options.pluggedIn) {
        emulator_.unplug();
    }
}

EmulatedMouse::~EmulatedMouse() {
    closeHandles();
}

bool EmulatedMouse::findDevice() {
    link_.deviceConnected = false;
    closeDeviceHandles(link_);
    if (!emulator_.pluggedIn() || !openEventPipe()) {
        return false;
    }
    link_.devicePath = emulatedMouseInterfaceName();
    link_.eventLength = MouseEmulator::kEventReportLength;
    link_.featureLength = emulator_.featureLength();
    link_.inputLength = emulator_.inputLength();
    link_.outputLength = emulator_.outputLength();
    link_.deviceConnected = true;
    if (const HANDLE wake = link_.readerWakeEvent.load(); wake != nullptr) {
        SetEvent(wake);
    }
    return true;
}

HidPort* EmulatedMouse::commandPort() {
    return link_.deviceConnected && emulator_.pluggedIn() ? &tracedPort_ : nullptr;
}

void EmulatedMouse::closeHandles() {
    closeDeviceHandles(link_);
}

bool EmulatedMouse::openEventPipe() {
    const std::wstring name = L"\\\\.\\pipe\\GMEmulatedMouseEvents-" +
                              std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++pipeSerial_);
    UniqueHandle readEnd(CreateNamedPipeW(
        name.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1, kPipeBufferSize, kPipeBufferSize, 0,
        nullptr));
    if (!readEnd) {
        return false;
    }
    // The mouse's end: the event reports are written here, so it takes the place of the event
    // interface's write handle.
    UniqueHandle writeEnd(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!writeEnd) {
        return false;
    }
    UniqueHandle connected(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    OVERLAPPED overlapped{};
    overlapped.hEvent = connected.get();
    if (!ConnectNamedPipe(readEnd.get(), &overlapped)) {
        const DWORD error = GetLastError();
        DWORD ignored = 0;
        if (error == ERROR_IO_PENDING) {
            GetOverlappedResult(readEnd.get(), &overlapped, &ignored, TRUE);
        } else if (error != ERROR_PIPE_CONNECTED) {
            return false;
        }
    }
    link_.eventReadHandle.reset(readEnd.release());
    link_.eventWriteHandle.reset(writeEnd.release());
    return true;
}

void EmulatedMouse::plugIn(uint8_t sensorType) {
    emulator_.plugIn(sensorType);
    sendInterfaceBroadcast(mainWindow_, DBT_DEVICEARRIVAL, emulatedMouseInterfaceName());
}

void EmulatedMouse::unplug() {
    emulator_.unplug();
    // The mouse's end of the event pipe goes with the mouse: a pending read ends as a read from a
    // removed device does.
    link_.eventWriteHandle.reset();
    sendInterfaceBroadcast(mainWindow_, DBT_DEVICEREMOVECOMPLETE, emulatedMouseInterfaceName());
}

void EmulatedMouse::sendDeviceEvent(uint8_t code, uint8_t value) {
    emulator_.queueDeviceEvent(code, value);
    std::array<uint8_t, MouseEmulator::kEventReportLength> report{};
    const HANDLE mouseEnd = link_.eventWriteHandle.load();
    while (emulator_.readDeviceEvent(report, std::chrono::milliseconds(0))) {
        DWORD written = 0;
        if (mouseEnd != INVALID_HANDLE_VALUE) {
            WriteFile(mouseEnd, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
        }
    }
}
