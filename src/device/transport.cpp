#include "device/transport.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kReportIdSize = 1;

} // namespace

bool Transport::carriesProtocol() const {
    return port_.featureLength() >= kMinimumFeatureLength &&
           port_.inputLength() >= kMinimumDataReportLength &&
           port_.outputLength() >= kMinimumDataReportLength;
}

bool Transport::noted(bool delivered) {
    mouseStoppedAnswering_ = mouseStoppedAnswering_ || !delivered;
    return delivered;
}

bool Transport::sendFrame(const DeviceCommand& frame) {
    if (port_.featureLength() < kMinimumFeatureLength) {
        return false;
    }
    std::vector<uint8_t> report(port_.featureLength(), 0);
    const DeviceCommand withChecksum = sealed(frame);
    std::copy(withChecksum.bytes.begin(), withChecksum.bytes.end(), report.begin() + kReportIdSize);
    return noted(port_.setFeature(report));
}

bool Transport::receiveReply(DeviceCommand& frame) {
    frame = DeviceCommand{};
    if (port_.featureLength() < kMinimumFeatureLength) {
        return false;
    }
    std::vector<uint8_t> report(port_.featureLength(), 0);
    const bool received = noted(port_.getFeature(report));
    if (received) {
        std::copy_n(report.begin() + kReportIdSize, DeviceCommand::kSize, frame.bytes.begin());
    }
    return received;
}

bool Transport::sendCommand(DeviceCommand& frame) {
    const bool isRead = frame.isRead();
    bool delivered = sendFrame(frame);
    if (isRead) {
        delivered = receiveReply(frame) && delivered;
    }
    return delivered;
}

bool Transport::writeChunks(std::size_t length, std::span<const uint8_t> data) {
    if (length == 0) {
        return true;
    }
    if (port_.outputLength() < kMinimumDataReportLength) {
        return false;
    }
    bool delivered = true;
    std::vector<uint8_t> report(port_.outputLength(), 0);
    for (std::size_t chunk = 0; chunk < chunkCount(length); ++chunk) {
        std::fill(report.begin(), report.end(), uint8_t{0});
        const std::size_t offset = chunk * kChunkSize;
        if (offset < data.size()) {
            const std::size_t available = std::min(kChunkSize, data.size() - offset);
            std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset), available,
                        report.begin() + kReportIdSize);
        }
        delivered = noted(port_.writeOutput(report)) && delivered;
        pacer_.pause(kChunkPause);
    }
    return delivered;
}

bool Transport::readChunks(std::size_t length, std::span<uint8_t> data) {
    if (length == 0) {
        return true;
    }
    if (port_.inputLength() < kMinimumDataReportLength) {
        return false;
    }
    std::vector<uint8_t> report(port_.inputLength(), 0);
    for (std::size_t chunk = 0; chunk < chunkCount(length); ++chunk) {
        std::fill(report.begin(), report.end(), uint8_t{0});
        const std::chrono::milliseconds timeout =
            mouseStoppedAnswering_ ? std::chrono::milliseconds(0) : readTimeout_;
        if (!noted(port_.readInput(report, timeout))) {
            return false;
        }
        const std::size_t offset = chunk * kChunkSize;
        if (offset < data.size()) {
            const std::size_t room = std::min(kChunkSize, data.size() - offset);
            std::copy_n(report.begin() + kReportIdSize, room,
                        data.begin() + static_cast<std::ptrdiff_t>(offset));
        }
    }
    return true;
}

bool Transport::sendCommandWithData(DeviceCommand& frame, std::span<uint8_t> data) {
    if (!frame.isRead()) {
        return sendFrame(frame) && writeChunks(frame.dataLength(), data);
    }
    std::fill(data.begin(), data.end(), uint8_t{0});
    const bool replied = sendCommand(frame);
    return readChunks(frame.dataLength(), data) && replied;
}
