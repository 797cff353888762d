#include "settings/dpi_stages.h"

#include <algorithm>

#include "settings/dpi_table.h"

namespace {

bool validStage(std::size_t stage) {
    return stage >= 1 && stage <= kDpiStageCount;
}

} // namespace

std::size_t dpiScalePositions(uint8_t sensorType) {
    return dpiScaleLabels(sensorType).size();
}

DpiStageColumn DpiStages::column(std::size_t stage, uint8_t sensorType) const {
    DpiStageColumn column;
    column.scalePositions = dpiScalePositions(sensorType);
    if (!validStage(stage)) {
        return column;
    }
    column.enabled = record_.dpiStageEnabled[stage - 1] != 0;
    if (column.enabled) {
        column.litPositions =
            std::min<std::size_t>(record_.dpiPosition[stage - 1] + 1u, column.scalePositions);
    }
    return column;
}

std::size_t DpiStages::enabledCount() const {
    return static_cast<std::size_t>(
        std::ranges::count_if(record_.dpiStageEnabled, [](uint8_t enabled) { return enabled != 0; }));
}

bool DpiStages::toggleStage(std::size_t stage) {
    if (!validStage(stage)) {
        return false;
    }
    uint8_t& enabled = record_.dpiStageEnabled[stage - 1];
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

std::optional<DpiStageColumn> DpiStages::setStep(std::size_t stage, std::size_t position,
                                                 uint8_t sensorType) {
    const std::size_t positions = dpiScalePositions(sensorType);
    if (!validStage(stage) || position < 1 || position > positions) {
        return std::nullopt;
    }
    record_.dpiPosition[stage - 1] = static_cast<uint8_t>(position - 1);
    return DpiStageColumn{record_.dpiStageEnabled[stage - 1] != 0, position, positions};
}

bool DpiStages::canChooseColour(std::size_t stage) const {
    return validStage(stage) && record_.dpiStageEnabled[stage - 1] != 0;
}

bool DpiStages::setColour(std::size_t stage, RgbColour colour) {
    if (!canChooseColour(stage)) {
        return false;
    }
    record_.stageColor[stage - 1] = StageColor{colour.red, colour.blue, colour.green};
    return true;
}

RgbColour DpiStages::colour(std::size_t stage) const {
    if (!validStage(stage)) {
        return {};
    }
    const StageColor& stored = record_.stageColor[stage - 1];
    return {stored.red, stored.green, stored.blue};
}
