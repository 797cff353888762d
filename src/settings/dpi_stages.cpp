#include "settings/dpi_stages.h"

#include <algorithm>

#include "settings/dpi_table.h"

namespace {

bool validStage(StageIndex stage) {
    return stage.value() < kDpiStageCount;
}

} // namespace

std::size_t dpiScalePositions(uint8_t sensorType) {
    return dpiScaleLabels(sensorType).size();
}

DpiStageColumn DpiStages::column(StageIndex stage, uint8_t sensorType) const {
    DpiStageColumn column;
    column.scalePositions = dpiScalePositions(sensorType);
    if (!validStage(stage)) {
        return column;
    }
    column.enabled = record_.dpiStageEnabled[stage.value()] != 0;
    if (column.enabled) {
        column.litPositions =
            std::min<std::size_t>(record_.dpiPosition[stage.value()] + 1u, column.scalePositions);
    }
    return column;
}

std::size_t DpiStages::enabledCount() const {
    return static_cast<std::size_t>(
        std::ranges::count_if(record_.dpiStageEnabled, [](uint8_t enabled) { return enabled != 0; }));
}

bool DpiStages::toggleStage(StageIndex stage) {
    if (!validStage(stage)) {
        return false;
    }
    uint8_t& enabled = record_.dpiStageEnabled[stage.value()];
    if (enabled == 0) {
        enabled = 1;
        return true;
    }
    if (enabledCount() <= 1) {
        return false;
    }
    enabled = 0;
    return true;
}

std::optional<DpiStageColumn> DpiStages::setStep(StageIndex stage, std::size_t position, uint8_t sensorType) {
    const std::size_t positions = dpiScalePositions(sensorType);
    if (!validStage(stage) || position >= positions) {
        return std::nullopt;
    }
    record_.dpiPosition[stage.value()] = static_cast<uint8_t>(position);
    return DpiStageColumn{record_.dpiStageEnabled[stage.value()] != 0, position + 1u, positions};
}

bool DpiStages::isOn(StageIndex stage) const {
    return validStage(stage) && record_.dpiStageEnabled[stage.value()] != 0;
}

bool DpiStages::setColour(StageIndex stage, RgbColour colour) {
    if (!canChooseColour(stage)) {
        return false;
    }
    record_.stageColor[stage.value()] = StageColor{colour.red, colour.blue, colour.green};
    return true;
}

RgbColour DpiStages::colour(StageIndex stage) const {
    if (!validStage(stage)) {
        return {};
    }
    const StageColor& stored = record_.stageColor[stage.value()];
    return {stored.red, stored.green, stored.blue};
}
