#include "device/device_exchanges.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <span>
#include <string>

#include "common/debug_log.h"
#include "device/command_frames.h"

namespace {

std::wstring formatted(const wchar_t* format, auto... values) {
    std::array<wchar_t, 512> text{};
    std::swprintf(text.data(), text.size(), format, values...);
    return text.data();
}

void logSensorSettings(const SensorBytes& sensor) {
    debugLog(formatted(L"Sensor Type:%02x\n,,Rate:%02x\n,Option1:%02x\n,Option2:%02x\n", sensor.sensorType,
                       sensor.rate, sensor.option1, sensor.option2));
}

void logLightingEffect(const LightingEffectBytes& effect) {
    debugLog(formatted(L"Effect:%02x\n,Option1:%02x\n,Option2:%02x\n", effect.effect, effect.option1,
                       effect.option2));
}

void logKeyMatrix(uint8_t matrixNumber, const KeyMatrix& matrix) {
    std::wstring line = formatted(L"Write KeyMatrix[%d]:\n", matrixNumber);
    for (std::size_t entry = 0; entry < matrix.size(); ++entry) {
        line += formatted(entry == 0 ? L"%08x\n" : L" %08x\n", entryAsDword(matrix[entry]));
    }
    debugLog(line);
}

// Sends a command without data and pauses afterwards when the command needs it.
bool exchange(Transport& transport, DeviceCommand& frame, std::chrono::milliseconds pauseAfter) {
    const bool delivered = transport.sendCommand(frame);
    if (pauseAfter.count() > 0) {
        transport.pacer().pause(pauseAfter);
    }
    return delivered;
}

bool exchangeWithData(Transport& transport, DeviceCommand& frame, std::span<uint8_t> data,
                      std::chrono::milliseconds pauseAfter) {
    const bool delivered = transport.sendCommandWithData(frame, data);
    if (pauseAfter.count() > 0) {
        transport.pacer().pause(pauseAfter);
    }
    return delivered;
}

constexpr std::chrono::milliseconds kNoPause{0};

// A reply whose bytes do not add up (garbled on the way) or that carries another command's code
// answers nothing that was asked: the read counts as failed and leaves zeros, as a read that got no
// reply does (no reply reads as zeros, whose bytes do not add up either). Whether the mouse echoes
// the request's code is not relied on; only a known code of another command gives the reply away.
bool acceptedReply(CommandCode request, DeviceCommand& reply) {
    const bool answersRequest = !isCommandCode(reply.code()) || reply.code() == request;
    if (isWellFormed(reply) && answersRequest) {
        return true;
    }
    reply = DeviceCommand{};
    return false;
}

// How a read went: whether a sound reply of the command came (only then is it stored), and
// whether, beyond that, every report went through and the whole item arrived.
struct ReadResult {
    bool replied = false;
    bool complete = false;
};

ReadResult readExchange(Transport& transport, CommandCode code, uint8_t index, DeviceCommand& reply,
                        std::chrono::milliseconds pauseAfter) {
    reply = readFrame(code, index);
    const bool delivered = exchange(transport, reply, pauseAfter);
    const bool replied = acceptedReply(code, reply);
    return {replied, replied && delivered};
}

// The chunks a reply announces are taken off the interface even when the reply is refused, so
// that they cannot be taken for the answer to a later read. A block announced shorter than the
// item it fills is incomplete.
ReadResult readExchangeWithData(Transport& transport, CommandCode code, uint8_t index, DeviceCommand& reply,
                                std::span<uint8_t> data, std::size_t itemSize,
                                std::chrono::milliseconds pauseAfter) {
    reply = readFrame(code, index);
    const bool delivered = exchangeWithData(transport, reply, data, pauseAfter);
    if (!acceptedReply(code, reply)) {
        std::fill(data.begin(), data.end(), uint8_t{0});
        return {};
    }
    return {true, delivered && reply.dataLength() >= itemSize};
}

// Room for the largest block a reply can announce (its length is one byte), so that every chunk
// the mouse sends is taken off the interface even when only the front of it is kept.
using ReplyData = std::array<uint8_t, chunkCount(0xFF) * Transport::kChunkSize>;

} // namespace

bool setReportRate(Transport& transport, uint8_t reportIntervalCode) {
    DeviceCommand frame = reportRateFrame(reportIntervalCode);
    return exchange(transport, frame, kNoPause);
}

bool readSensorSettings(Transport& transport, DeviceImage& image) {
    DeviceCommand reply;
    const ReadResult read = readExchange(transport, kReadSensorSettings, 0, reply, kNoPause);
    image.sensor = SensorBytes{reply[1], reply[2], reply[3], reply[4]};
    image.read.sensor = read.complete;
    logSensorSettings(image.sensor);
    return read.complete;
}

bool writeSensorSettings(Transport& transport, const DeviceImage& image) {
    DeviceCommand frame = sensorSettingsWriteFrame(image.sensor);
    return exchange(transport, frame, kNoPause);
}

bool readLightingEffect(Transport& transport, DeviceImage& image) {
    DeviceCommand reply;
    const ReadResult read = readExchange(transport, kReadLightingEffect, 0, reply, kNoPause);
    image.lightingEffect = LightingEffectBytes{reply[1], reply[2], reply[3]};
    image.read.lightingEffect = read.complete;
    logLightingEffect(image.lightingEffect);
    return read.complete;
}

bool writeLightingEffect(Transport& transport, const DeviceImage& image) {
    DeviceCommand frame = lightingEffectWriteFrame(image.lightingEffect);
    return exchange(transport, frame, kNoPause);
}

bool readLedParameterSet(Transport& transport, DeviceImage& image, uint8_t setNumber) {
    DeviceCommand reply;
    const ReadResult read = readExchange(transport, kReadLedParameterSet, setNumber, reply, kCommandPause);
    const uint8_t storedAt = reply[1];
    if (read.replied && storedAt < kLedParameterSetCount) {
        image.ledSets[storedAt] = LedParameterSet{reply[2], reply[3], reply[4]};
        image.read.ledSets[storedAt] = read.complete;
    }
    return read.complete && storedAt == setNumber;
}

bool writeLedParameterSet(Transport& transport, const DeviceImage& image, uint8_t setNumber) {
    DeviceCommand frame = ledParameterSetWriteFrame(setNumber, image.ledSets.at(setNumber));
    return exchange(transport, frame, kCommandPause);
}

bool readColorBlock(Transport& transport, DeviceImage& image, uint8_t blockNumber) {
    DeviceCommand reply;
    ReplyData data{};
    const ReadResult read = readExchangeWithData(transport, kReadColorBlock, blockNumber, reply, data,
                                                 kColorBlockSize, kCommandPause);
    const uint8_t storedAt = reply[1];
    if (read.replied && storedAt < kColorBlockCount) {
        std::copy_n(data.begin(), kColorBlockSize, image.colorBlocks[storedAt].begin());
        image.read.colorBlocks[storedAt] = read.complete;
    }
    return read.complete && storedAt == blockNumber;
}

bool writeColorBlock(Transport& transport, DeviceImage& image, uint8_t blockNumber) {
    DeviceCommand frame = colorBlockWriteFrame(blockNumber);
    return exchangeWithData(transport, frame, image.colorBlocks.at(blockNumber), kCommandPause);
}

bool writeDpiStages(Transport& transport, DeviceImage& image) {
    DeviceCommand frame = dpiStagesWriteFrame();
    return exchangeWithData(transport, frame, image.dpiData, kNoPause);
}

bool writeKeyMatrix(Transport& transport, DeviceImage& image, uint8_t matrixNumber) {
    const KeyMatrix& matrix = image.keyMatrices.at(matrixNumber - 1u);
    logKeyMatrix(matrixNumber, matrix);
    std::array<uint8_t, kKeyMatrixSize> bytes{};
    for (std::size_t entry = 0; entry < matrix.size(); ++entry) {
        std::copy(matrix[entry].begin(), matrix[entry].end(), bytes.begin() + 4 * entry);
    }
    DeviceCommand frame = keyMatrixWriteFrame(matrixNumber);
    return exchangeWithData(transport, frame, bytes, kCommandPause);
}

bool writeMacroSlot(Transport& transport, DeviceImage& image, uint8_t slotNumber) {
    DeviceCommand frame = macroSlotWriteFrame(slotNumber);
    return exchangeWithData(transport, frame, image.macroSlots.at(slotNumber - 1u), kCommandPause);
}

bool readMacroSlot(Transport& transport, DeviceImage& image, uint8_t slotNumber) {
    DeviceCommand reply;
    ReplyData data{};
    const ReadResult read = readExchangeWithData(transport, kReadMacroSlot, slotNumber, reply, data,
                                                 kMacroSlotSize, kCommandPause);
    const uint8_t storedAt = reply[1];
    if (read.replied && storedAt >= 1 && storedAt <= kMacroSlotCount) {
        std::copy_n(data.begin(), kMacroSlotSize, image.macroSlots[storedAt - 1u].begin());
        image.read.macroSlots[storedAt - 1u] = read.complete;
    }
    return read.complete && storedAt == slotNumber;
}
