#include "device/emulator/mouse_emulator.h"

#include <algorithm>

#include "device/command_code.h"
#include "device/transport.h"

namespace {

constexpr std::size_t kReportIdSize = 1;
constexpr uint8_t kFiller = 0xEE;

std::span<uint8_t> bytesOf(KeyMatrix& matrix) {
    return {reinterpret_cast<uint8_t*>(matrix.data()), kKeyMatrixSize};
}

} // namespace

MouseEmulator::MouseEmulator(uint8_t sensorType) : state_(factoryFirmwareState(sensorType)) {}

void MouseEmulator::plugIn(uint8_t sensorType) {
    if (faults_.forgetOnUnplug) {
        state_ = factoryFirmwareState(sensorType);
    }
    state_.sensor.sensorType = sensorType;
    reportCount_ = 0;
    pendingWrite_.reset();
    pendingReply_.reset();
    inputReports_.clear();
    pluggedIn_ = true;
}

void MouseEmulator::unplug() {
    pluggedIn_ = false;
    std::lock_guard lock(eventMutex_);
    eventReports_.clear();
    eventArrived_.notify_all();
}

bool MouseEmulator::countReport() {
    if (!pluggedIn_) {
        return false;
    }
    if (faults_.unplugAfterReports && reportCount_ >= *faults_.unplugAfterReports) {
        unplug();
        if (faultUnplugNotice_) {
            faultUnplugNotice_();
        }
        return false;
    }
    ++reportCount_;
    return true;
}

bool MouseEmulator::setFeature(std::span<const uint8_t> report) {
    if (!countReport()) {
        return false;
    }
    pendingWrite_.reset();
    pendingReply_.reset();
    if (report.size() < kReportIdSize + DeviceCommand::kSize) {
        return true;
    }
    DeviceCommand frame;
    std::copy_n(report.begin() + kReportIdSize, DeviceCommand::kSize, frame.bytes.begin());
    if (!isWellFormed(frame)) {
        return true;
    }
    if (frame.isRead()) {
        prepareReply(frame);
    } else {
        executeWrite(frame);
    }
    return true;
}

bool MouseEmulator::getFeature(std::span<uint8_t> report) {
    if (!countReport() || faults_.silentReplies) {
        return false;
    }
    std::fill(report.begin(), report.end(), uint8_t{0});
    if (pendingReply_ && report.size() >= kReportIdSize + DeviceCommand::kSize) {
        std::copy(pendingReply_->bytes.begin(), pendingReply_->bytes.end(), report.begin() + kReportIdSize);
    }
    pendingReply_.reset();
    return true;
}

bool MouseEmulator::writeOutput(std::span<const uint8_t> report) {
    if (!countReport()) {
        return false;
    }
    if (!pendingWrite_ || report.size() <= kReportIdSize) {
        return true;
    }
    const std::size_t chunk = std::min(Transport::kChunkSize, report.size() - kReportIdSize);
    pendingWrite_->data.insert(pendingWrite_->data.end(), report.begin() + kReportIdSize,
                               report.begin() + static_cast<std::ptrdiff_t>(kReportIdSize + chunk));
    if (pendingWrite_->data.size() >= pendingWrite_->frame.dataLength()) {
        commitData(pendingWrite_->frame, pendingWrite_->data);
        pendingWrite_.reset();
    }
    return true;
}

bool MouseEmulator::nothingToRead(std::chrono::milliseconds timeout) {
    timeoutWaiter_->pause(timeout);
    return false;
}

bool MouseEmulator::readInput(std::span<uint8_t> report, std::chrono::milliseconds timeout) {
    if (!countReport()) {
        return false;
    }
    if (faults_.silentInput || inputReports_.empty()) {
        return nothingToRead(timeout);
    }
    std::fill(report.begin(), report.end(), uint8_t{0});
    const std::vector<uint8_t>& next = inputReports_.front();
    std::copy_n(next.begin(), std::min(next.size(), report.size()), report.begin());
    inputReports_.pop_front();
    return true;
}

void MouseEmulator::executeWrite(const DeviceCommand& frame) {
    switch (frame.code()) {
    case kSetReportRate:
        state_.reportIntervalCode = frame[1];
        break;
    case kWriteSensorSettings:
        state_.sensor.rate = frame[2];
        state_.sensor.option1 = frame[3];
        state_.sensor.option2 = frame[4];
        break;
    case kWriteLedParameterSet:
        if (frame[1] < kLedParameterSetCount) {
            state_.ledSets[frame[1]] = LedParameterSet{frame[2], frame[3], frame[4]};
        }
        break;
    case kWriteLightingEffect:
        state_.lightingEffect = LightingEffectBytes{frame[1], frame[2], frame[3]};
        break;
    case kWriteColorBlock:
    case kWriteDpiStages:
    case kWriteKeyMatrix:
    case kWriteMacroSlot:
        if (frame.dataLength() > 0) {
            pendingWrite_ = PendingWrite{frame, {}};
        }
        break;
    default:
        break;
    }
}

void MouseEmulator::commitData(const DeviceCommand& frame, std::span<const uint8_t> data) {
    auto store = [&](std::span<uint8_t> target) {
        std::copy_n(data.begin(), std::min({target.size(), data.size(), std::size_t{frame.dataLength()}}),
                    target.begin());
    };
    const uint8_t index = frame[1];
    switch (frame.code()) {
    case kWriteColorBlock:
        if (index < kColorBlockCount) {
            store(state_.colorBlocks[index]);
        }
        break;
    case kWriteDpiStages:
        store(state_.dpiData);
        break;
    case kWriteKeyMatrix:
        if (index >= 1 && index <= kKeyMatrixCount) {
            store(bytesOf(state_.keyMatrices[index - 1u]));
        }
        break;
    case kWriteMacroSlot:
        if (index >= 1 && index <= kMacroSlotCount) {
            store(state_.macroSlots[index - 1u]);
        }
        break;
    default:
        break;
    }
}

uint8_t MouseEmulator::replyNumber(uint8_t requested) const {
    return faults_.replyNumber.value_or(requested);
}

DeviceCommand MouseEmulator::sealedReply(DeviceCommand reply) const {
    if (faults_.replyCode) {
        reply[0] = *faults_.replyCode;
    }
    reply = sealed(reply);
    if (faults_.badChecksum) {
        ++reply[DeviceCommand::kChecksumIndex];
    }
    return reply;
}

void MouseEmulator::prepareReply(const DeviceCommand& request) {
    inputReports_.clear();
    const uint8_t index = request[1];
    switch (request.code()) {
    case kReadSensorSettings: {
        const SensorBytes& sensor = state_.sensor;
        pendingReply_ = sealedReply(DeviceCommand::make(request.code(), sensor.sensorType, sensor.rate,
                                                        sensor.option1, sensor.option2));
        break;
    }
    case kReadLightingEffect: {
        const LightingEffectBytes& effect = state_.lightingEffect;
        pendingReply_ =
            sealedReply(DeviceCommand::make(request.code(), effect.effect, effect.option1, effect.option2));
        break;
    }
    case kReadLedParameterSet:
        if (index < kLedParameterSetCount) {
            const LedParameterSet& set = state_.ledSets[index];
            pendingReply_ =
                sealedReply(DeviceCommand::make(request.code(), replyNumber(index), set[0], set[1], set[2]));
        }
        break;
    case kReadColorBlock:
        if (index < kColorBlockCount) {
            prepareDataReply(DeviceCommand::make(request.code(), replyNumber(index)),
                             state_.colorBlocks[index]);
        }
        break;
    case kReadMacroSlot:
        if (index >= 1 && index <= kMacroSlotCount) {
            prepareDataReply(DeviceCommand::make(request.code(), replyNumber(index)),
                             state_.macroSlots[index - 1u]);
        }
        break;
    default:
        break;
    }
}

void MouseEmulator::prepareDataReply(DeviceCommand reply, std::span<const uint8_t> data) {
    const uint8_t announced = faults_.announcedLength.value_or(static_cast<uint8_t>(data.size()));
    reply[2] = announced;
    pendingReply_ = sealedReply(reply);

    std::vector<uint8_t> payload(data.begin(), data.end());
    if (payload.size() < announced) {
        payload.resize(announced, kFiller);
    }
    const std::size_t chunks = faults_.chunksSent.value_or(chunkCount(announced));
    for (std::size_t chunk = 0; chunk < chunks; ++chunk) {
        std::vector<uint8_t> report(inputLength(), 0);
        const std::size_t offset = chunk * Transport::kChunkSize;
        const std::size_t room = report.size() > kReportIdSize ? report.size() - kReportIdSize : 0;
        for (std::size_t i = 0; i < std::min(room, Transport::kChunkSize) && offset + i < payload.size();
             ++i) {
            report[kReportIdSize + i] = payload[offset + i];
        }
        inputReports_.push_back(std::move(report));
    }
}

void MouseEmulator::queueDeviceEvent(uint8_t code, uint8_t value) {
    std::vector<uint8_t> report(kEventReportLength, 0);
    report[0] = kEventReportId;
    report[1] = code;
    report[3] = value;
    std::lock_guard lock(eventMutex_);
    eventReports_.push_back(std::move(report));
    eventArrived_.notify_all();
}

bool MouseEmulator::readDeviceEvent(std::span<uint8_t> report, std::chrono::milliseconds timeout) {
    std::unique_lock lock(eventMutex_);
    eventArrived_.wait_for(lock, timeout, [this] { return !eventReports_.empty() || !pluggedIn_; });
    if (!pluggedIn_ || eventReports_.empty()) {
        return false;
    }
    std::fill(report.begin(), report.end(), uint8_t{0});
    const std::vector<uint8_t>& next = eventReports_.front();
    std::copy_n(next.begin(), std::min(next.size(), report.size()), report.begin());
    eventReports_.pop_front();
    return true;
}
