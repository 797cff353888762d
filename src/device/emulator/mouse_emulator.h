#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "device/device_command.h"
#include "device/emulator/emulator_faults.h"
#include "device/emulator/mouse_firmware_state.h"
#include "device/hid_port.h"
#include "device/precise_pacer.h"

// A model of the mouse's firmware behind its command interface: it keeps the sensor settings,
// lighting, colour blocks, DPI data, key matrices and macro slots that commands write, and
// answers every read from that state. It also stands in for the event interface, queueing the
// event reports its buttons would send. It can be told to misbehave (EmulatorFaults).
//
// A read of an input report that has nothing to deliver waits out its time-out, as the real mouse
// does; the wait goes through a Pacer, which sleeps unless a test records it instead.
//
// The command interface, plugIn, setFaults and the waiter belong to the one thread that talks to
// the mouse. Only unplug and the event interface (queueDeviceEvent, readDeviceEvent) may be used
// from other threads.
class MouseEmulator : public HidPort {
public:
    static constexpr uint16_t kFeatureLength = 9;
    static constexpr uint16_t kDataReportLength = 33;
    static constexpr uint16_t kEventReportLength = 8;
    static constexpr uint8_t kEventReportId = 6;

    explicit MouseEmulator(uint8_t sensorType = 0);

    bool setFeature(std::span<const uint8_t> report) override;
    bool getFeature(std::span<uint8_t> report) override;
    bool writeOutput(std::span<const uint8_t> report) override;
    bool readInput(std::span<uint8_t> report, std::chrono::milliseconds timeout) override;

    uint16_t featureLength() const override { return faults_.featureLength.value_or(kFeatureLength); }
    uint16_t inputLength() const override { return faults_.inputLength.value_or(kDataReportLength); }
    uint16_t outputLength() const override { return faults_.outputLength.value_or(kDataReportLength); }

    const MouseFirmwareState& state() const { return state_; }
    MouseFirmwareState& state() { return state_; }

    void setFaults(const EmulatorFaults& faults) { faults_ = faults; }
    const EmulatorFaults& faults() const { return faults_; }

    // Waits out the time-outs of reads that get nothing (default: a plain sleep).
    void setTimeoutWaiter(Pacer& waiter) { timeoutWaiter_ = &waiter; }
    // Called on the command interface's thread when the unplug-after fault takes the mouse away.
    void setFaultUnplugNotice(std::function<void()> notice) { faultUnplugNotice_ = std::move(notice); }

    // Unplugging makes every call fail. Plugging in (again) brings back a mouse with the given sensor
    // that still holds what it stored before, as the mouse's own memory does (unless the
    // forget-on-unplug fault makes it come back with its factory state).
    void plugIn(uint8_t sensorType);
    void unplug();
    bool pluggedIn() const { return pluggedIn_; }

    // Reports seen on the command interface since the mouse was plugged in.
    std::size_t reportCount() const { return reportCount_; }

    // Event interface: the mouse sends the event report 06 code 00 value (zero-padded).
    void queueDeviceEvent(uint8_t code, uint8_t value);
    // Waits at most `timeout` for the next event report; false when none came or the mouse is gone.
    bool readDeviceEvent(std::span<uint8_t> report, std::chrono::milliseconds timeout);

private:
    struct PendingWrite {
        DeviceCommand frame;
        std::vector<uint8_t> data;
    };

    bool countReport();
    void executeWrite(const DeviceCommand& frame);
    void commitData(const DeviceCommand& frame, std::span<const uint8_t> data);
    void prepareReply(const DeviceCommand& request);
    void prepareDataReply(DeviceCommand reply, std::span<const uint8_t> data);
    uint8_t replyNumber(uint8_t requested) const;
    DeviceCommand sealedReply(DeviceCommand reply) const;
    bool nothingToRead(std::chrono::milliseconds timeout);

    MouseFirmwareState state_;
    EmulatorFaults faults_;
    SleepingPacer sleeping_;
    Pacer* timeoutWaiter_ = &sleeping_;
    std::function<void()> faultUnplugNotice_;
    std::atomic<bool> pluggedIn_{true};
    std::size_t reportCount_ = 0;
    std::optional<PendingWrite> pendingWrite_;
    std::optional<DeviceCommand> pendingReply_;
    std::deque<std::vector<uint8_t>> inputReports_;

    std::mutex eventMutex_;
    std::condition_variable eventArrived_;
    std::deque<std::vector<uint8_t>> eventReports_;
};
