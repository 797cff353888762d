#include "settings/dpi_table.h"

#include <span>

namespace {

constexpr uint8_t kSensorTypeCount = 4;

constexpr uint8_t kCodesSensor0[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x25, 0x26, 0x27, 0x28};
constexpr uint8_t kCodesSensor1[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x23, 0x24, 0x25};
constexpr uint8_t kCodesSensor2[] = {0x02, 0x04, 0x06, 0x08, 0x0A, 0x26, 0x28, 0x2A};
constexpr uint8_t kCodesSensor3[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};

constexpr std::span<const uint8_t> kCodes[kSensorTypeCount] = {kCodesSensor0, kCodesSensor1, kCodesSensor2,
                                                               kCodesSensor3};

const std::vector<std::wstring>& labelsOfKnownSensor(uint8_t sensorType) {
    static const std::vector<std::wstring> labels[kSensorTypeCount] = {
        {L"250", L"500", L"750", L"1000", L"1250", L"1500", L"1750", L"2000", L"2500", L"3000", L"3500",
         L"4000"},
        {L"600", L"800", L"1000", L"1200", L"1600", L"2000", L"2400", L"3200"},
        {L"400", L"800", L"1200", L"1400", L"1800", L"2200", L"2400", L"3000"},
        {L"400", L"800", L"1200", L"1600", L"2000", L"2400", L"2800", L"3200"},
    };
    return labels[sensorType];
}

} // namespace

uint8_t dpiStageCode(uint8_t sensorType, uint8_t position) {
    if (sensorType >= kSensorTypeCount) {
        return 0;
    }
    const std::span<const uint8_t> codes = kCodes[sensorType];
    return position < codes.size() ? codes[position] : 0;
}

uint8_t dpiStageByte(uint8_t sensorType, uint8_t position, bool enabled) {
    const auto code = static_cast<uint8_t>(dpiStageCode(sensorType, position) & ~kDpiStageDisabledBit);
    return enabled ? code : static_cast<uint8_t>(code | kDpiStageDisabledBit);
}

std::wstring dpiPositionLabel(uint8_t sensorType, uint8_t position) {
    if (sensorType >= kSensorTypeCount) {
        return {};
    }
    const std::vector<std::wstring>& labels = labelsOfKnownSensor(sensorType);
    return position < labels.size() ? labels[position] : std::wstring{};
}

const std::vector<std::wstring>& dpiScaleLabels(uint8_t sensorType) {
    return labelsOfKnownSensor(sensorType < kSensorTypeCount ? sensorType : 0);
}
