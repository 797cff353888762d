#include "device/dpi_data.h"

#include "settings/dpi_table.h"

namespace {

constexpr uint8_t kDisabledStageBit = 0x80;
constexpr uint8_t kFiller = 0x80;

} // namespace

DpiData buildDpiData(const DeviceConfigRecord& record, uint8_t sensorType) {
    DpiData data{};
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        uint8_t code = dpiStageCode(sensorType, record.dpiPosition[stage]);
        if (record.dpiStageEnabled[stage] == 0) {
            code |= kDisabledStageBit;
        } else {
            code &= static_cast<uint8_t>(~kDisabledStageBit);
        }
        data[stage] = code;
        data[kDpiStageCount + stage] = kFiller;
    }
    return data;
}
