#include "device/emulator/mouse_firmware_state.h"

MouseFirmwareState factoryFirmwareState(uint8_t sensorType) {
    MouseFirmwareState state;
    state.sensor = SensorBytes{sensorType, 0x01, 0x11, 0x02};
    state.reportIntervalCode = 1;
    state.lightingEffect = LightingEffectBytes{0x01, 0x0A, 0x02};
    state.ledSets = {LedParameterSet{0x01, 0x32, 0x04}, LedParameterSet{0x05, 0x06, 0x07}};
    for (std::size_t i = 0; i < kColorBlockSize; ++i) {
        state.colorBlocks[0][i] = static_cast<uint8_t>(0xC0 + i);
    }
    state.dpiData = {0x01, 0x02, 0x03, 0x04, 0x80, 0x80, 0x80, 0x80};
    return state;
}
