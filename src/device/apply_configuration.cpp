#include "device/apply_configuration.h"

#include <algorithm>
#include <cstring>

#include "assign/key_matrix.h"
#include "device/device_exchanges.h"
#include "device/dpi_data.h"
#include "device/lighting_merge.h"

namespace {

constexpr std::size_t kStageColorBytes = sizeof(StageColor) * kDpiStageCount;

ColorBlock stageColorBlock(const DeviceConfigRecord& record) {
    ColorBlock block{};
    std::memcpy(block.data(), record.stageColor.data(), kStageColorBytes);
    return block;
}

void copyMacroSlots(const DeviceConfigRecord& record, DeviceImage& image) {
    for (std::size_t slot = 0; slot < kMacroSlotCount; ++slot) {
        std::memcpy(image.macroSlots[slot].data(), &record.macroSlots[slot], kMacroSlotSize);
    }
}

// Collects whether every exchange of a sequence went through.
class Outcome {
public:
    void operator+=(bool delivered) { delivered_ = delivered_ && delivered; }
    bool delivered() const { return delivered_; }

private:
    bool delivered_ = true;
};

} // namespace

bool applyConfiguration(Transport& transport, const DeviceConfigRecord& record, uint8_t sensorType,
                        DeviceImage& image) {
    if (!transport.carriesProtocol()) {
        return false;
    }
    Outcome outcome;
    outcome += setReportRate(transport, record.reportIntervalCode);

    outcome += readLightingEffect(transport, image);
    for (uint8_t set = 0; set < kLedParameterSetCount; ++set) {
        outcome += readLedParameterSet(transport, image, set);
    }
    for (uint8_t block = 0; block < kColorBlockCount; ++block) {
        outcome += readColorBlock(transport, image, block);
    }

    mergeLighting(record, image.lightingEffect, image.ledSets[0]);
    image.colorBlocks[1] = stageColorBlock(record);

    for (uint8_t block = 0; block < kColorBlockCount; ++block) {
        outcome += writeColorBlock(transport, image, block);
    }
    for (uint8_t set = 0; set < kLedParameterSetCount; ++set) {
        outcome += writeLedParameterSet(transport, image, set);
    }
    outcome += writeLightingEffect(transport, image);

    image.dpiData = buildDpiData(record, sensorType);
    outcome += writeDpiStages(transport, image);

    image.keyMatrices = {};
    copyMacroSlots(record, image);
    for (uint8_t slot = 1; slot <= kMacroSlotCount; ++slot) {
        outcome += writeMacroSlot(transport, image, slot);
    }
    for (uint8_t slot = 1; slot <= kMacroSlotCount; ++slot) {
        outcome += readMacroSlot(transport, image, slot);
    }

    image.keyMatrices[0] = BuildKeyMatrix(record);
    for (uint8_t matrix = 1; matrix <= kKeyMatrixCount; ++matrix) {
        outcome += writeKeyMatrix(transport, image, matrix);
    }
    return outcome.delivered();
}
