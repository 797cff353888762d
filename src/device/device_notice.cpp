#include "device/device_notice.h"

#include "settings/dpi_table.h"
#include "settings/report_rate.h"

namespace {

constexpr unsigned kEventNoticeTimeoutMs = 5000;
constexpr unsigned kConnectionNoticeTimeoutMs = 100;

// The balloon titles are English in every language.
const wchar_t* const kInfoTitle = L"Info";
const wchar_t* const kWarningTitle = L"Warning";

DeviceNotice eventNotice(std::wstring text) {
    return {kInfoTitle, std::move(text), kEventNoticeTimeoutMs};
}

std::optional<DeviceNotice> reportRateNotice(unsigned intervalCode, const UiTexts& texts) {
    switch (reportRateHertz(intervalCode)) {
    case 1000:
        return eventNotice(texts[TextKey::Rate1000Notice]);
    case 500:
        return eventNotice(texts[TextKey::Rate500Notice]);
    case 250:
        return eventNotice(texts[TextKey::Rate250Notice]);
    case 125:
        return eventNotice(texts[TextKey::Rate125Notice]);
    default:
        return std::nullopt;
    }
}

// The stage texts end in a space; the DPI the stage is set to follows.
std::optional<DeviceNotice> dpiStageNotice(unsigned stage, const DeviceConfigRecord& record,
                                           uint8_t sensorType, const UiTexts& texts) {
    static constexpr TextKey kStageKeys[kDpiStageCount] = {TextKey::DpiStage1Notice, TextKey::DpiStage2Notice,
                                                           TextKey::DpiStage3Notice,
                                                           TextKey::DpiStage4Notice};
    if (stage < 1 || stage > kDpiStageCount) {
        return std::nullopt;
    }
    const std::size_t index = stage - 1;
    return eventNotice(texts[kStageKeys[index]] + dpiPositionLabel(sensorType, record.dpiPosition[index]));
}

std::optional<DeviceNotice> keyMatrixNotice(unsigned matrix, const UiTexts& texts) {
    switch (matrix) {
    case 1:
        return eventNotice(texts[TextKey::KeyMatrixNotice1]);
    case 2:
        return eventNotice(texts[TextKey::KeyMatrixNotice2]);
    default:
        return std::nullopt;
    }
}

std::optional<DeviceNotice> macroKeyNotice(unsigned macroNumber, const UiTexts& texts) {
    if (macroNumber == 0) {
        return std::nullopt;
    }
    return eventNotice(texts[TextKey::MacroKeyNotice] + std::to_wstring(macroNumber));
}

} // namespace

std::optional<DeviceNotice> deviceNotice(unsigned code, unsigned value, const DeviceConfigRecord& record,
                                         uint8_t sensorType, const UiTexts& texts) {
    switch (code) {
    case kEventReportRate:
        return reportRateNotice(value, texts);
    case kEventDpiStage:
        return dpiStageNotice(value, record, sensorType, texts);
    case kEventKeyMatrix:
        return keyMatrixNotice(value, texts);
    case kEventMacroKey:
        return macroKeyNotice(value, texts);
    case kEventMouseFound:
        return DeviceNotice{kInfoTitle, texts[TextKey::MouseFound], kConnectionNoticeTimeoutMs};
    case kEventMouseNotFound:
        return DeviceNotice{kWarningTitle, texts[TextKey::MouseNotFound], kConnectionNoticeTimeoutMs};
    default:
        return std::nullopt;
    }
}
