#include "device/command_frames.h"

#include "assign/key_matrix.h"

DeviceCommand reportRateFrame(uint8_t reportIntervalCode) {
    return DeviceCommand::make(kSetReportRate, reportIntervalCode);
}

DeviceCommand sensorSettingsWriteFrame(const SensorBytes& sensor) {
    return DeviceCommand::make(kWriteSensorSettings, sensor.sensorType, sensor.rate, sensor.option1,
                               sensor.option2);
}

DeviceCommand ledParameterSetWriteFrame(uint8_t setNumber, const LedParameterSet& set) {
    return DeviceCommand::make(kWriteLedParameterSet, setNumber, set[0], set[1], set[2]);
}

DeviceCommand lightingEffectWriteFrame(const LightingEffectBytes& effect) {
    return DeviceCommand::make(kWriteLightingEffect, effect.effect, effect.option1, effect.option2);
}

DeviceCommand colorBlockWriteFrame(uint8_t blockNumber) {
    return DeviceCommand::make(kWriteColorBlock, blockNumber, static_cast<uint8_t>(kColorBlockSize));
}

DeviceCommand dpiStagesWriteFrame() {
    return DeviceCommand::make(kWriteDpiStages, kDpiStageCountParameter, static_cast<uint8_t>(kDpiDataSize));
}

DeviceCommand keyMatrixWriteFrame(uint8_t matrixNumber) {
    return DeviceCommand::make(kWriteKeyMatrix, matrixNumber, static_cast<uint8_t>(kKeyMatrixSize));
}

DeviceCommand macroSlotWriteFrame(uint8_t slotNumber) {
    return DeviceCommand::make(kWriteMacroSlot, slotNumber, static_cast<uint8_t>(kMacroSlotSize));
}

DeviceCommand readFrame(CommandCode code, uint8_t index) {
    return DeviceCommand::make(code, index);
}
