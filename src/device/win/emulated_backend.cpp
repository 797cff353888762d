#include <windows.h>

#include "config/data_paths.h"
#include "config/win/module_path.h"
#include "device/win/device_backend.h"
#include "device/win/emulated_mouse.h"
#include "device/win/trace_file.h"

namespace {

// The emulated build: MouseEmulator in place of the HID device, the wire trace appended to
// wire-trace.log beside the executable.
class EmulatedBackend : public DeviceBackend {
public:
    EmulatedBackend(DeviceLink& link, HWND mainWindow)
        : link_(link), mainWindow_(mainWindow),
          traceFile_(exeFolder(currentModulePath()) + L"wire-trace.log"),
          mouse_(link, mainWindow, EmulatedMouse::optionsFromEnvironment(),
                 [this](const std::string& line) { traceFile_.appendLine(line); }) {
        mouse_.setFaults(EmulatedMouse::faultsFromEnvironment());
    }

    bool findDevice() override { return mouse_.findDevice(); }
    // The emulator's plug-in and unplug send the main window their broadcasts themselves; a
    // registration with the system would only bring news of real devices, which this build
    // does not use (and costs a notification thread under Wine).
    bool watchForArrivals() override { return true; }
    HidPort* commandPort() override { return mouse_.commandPort(); }
    Pacer& pacer() override { return mouse_.pacer(); }
    void closeHandles() override { mouse_.closeHandles(); }

private:
    DeviceLink& link_;
    HWND mainWindow_;
    TraceFile traceFile_;
    EmulatedMouse mouse_;
};

} // namespace

std::unique_ptr<DeviceBackend> createDeviceBackend(DeviceLink& link, HWND mainWindow) {
    return std::make_unique<EmulatedBackend>(link, mainWindow);
}
