#include "device/dpi_data.h"

#include "settings/dpi_table.h"

namespace {

constexpr uint8_t kFiller = 0x80;

} // namespace

DpiData buildDpiData(const DeviceConfigRecord& record, uint8_t sensorType) {
    DpiData data{};
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        data[stage] = dpiStageByte(sensorType, record.dpiPosition[stage], record.dpiStageEnabled[stage] != 0);
        data[kDpiStageCount + stage] = kFiller;
    }
    return data;
}
