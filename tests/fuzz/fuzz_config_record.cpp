// config.bin-sized inputs (shorter ones zero-filled) through everything that turns the record into bytes or
// text: the key matrix, the DPI data for every sensor type, the lighting merge, the summary and an apply
// against the emulated mouse.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <algorithm>

#include "assign/key_matrix.h"
#include "cli/config_summary.h"
#include "device/apply_configuration.h"
#include "device/dpi_data.h"
#include "device/emulator/mouse_emulator.h"
#include "device/lighting_merge.h"
#include "doubles/recording_pacer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte stands where config.bin keeps its first-run flag; here it picks the sensor.
    const uint8_t sensorType = data[0];
    DeviceConfigRecord record{};
    std::memcpy(&record, data + 1, std::min(size - 1, kDeviceConfigRecordSize));

    BuildKeyMatrix(record);
    buildDpiData(record, sensorType);
    LightingEffectBytes effect{};
    LedParameterSet ledSet0{};
    mergeLighting(record, effect, ledSet0);
    configSummary(record);

    MouseEmulator mouse(sensorType);
    RecordingPacer pacer;
    Transport transport(mouse, pacer, std::chrono::milliseconds(0));
    DeviceImage image;
    applyConfiguration(transport, record, sensorType, image);
    if (std::memcmp(mouse.state().macroSlots.data(), &record.macroSlots, sizeof record.macroSlots) != 0) {
        __builtin_trap();
    }
    return 0;
}
