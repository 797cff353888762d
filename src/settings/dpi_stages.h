#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "common/item_index.h"
#include "config/device_config_record.h"

// The four DPI stages of the basic page: per stage an on/off box, a vertical scale of positions
// (position 0 at the bottom) and a colour swatch. Stages count 0..3 and positions 0..11, as the
// record keeps the stages and their steps; the page shows them counted from 1.

// Positions of a sensor's scale: 8 for sensor types 1 to 3, 12 for every other type.
std::size_t dpiScalePositions(uint8_t sensorType);

// What one stage column draws: the box, and the lowest litPositions positions lit, the rest up to
// scalePositions dark.
struct DpiStageColumn {
    bool enabled = false;
    std::size_t litPositions = 0;
    std::size_t scalePositions = 0;
    bool operator==(const DpiStageColumn&) const = default;
};

// A colour as the colour chooser and the swatch brush use it.
struct RgbColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const RgbColour&) const = default;
};

// The rules of the DPI stages on the record. Each operation that returns true changed the record;
// the view then redraws the stage's column (box and scale) from the column it was given, or, for a
// colour, repaints the stage's swatch.
class DpiStages {
public:
    explicit DpiStages(DeviceConfigRecord& record) : record_(record) {}

    // The column as the page draws it from the record: a stage that is off is dark all the way up.
    // A stored step past the sensor's scale lights the whole scale and no more.
    DpiStageColumn column(StageIndex stage, uint8_t sensorType) const;

    // Switches a stage on, or off unless it is the only stage on: at least one stage stays on.
    // Returns false when nothing changed (a refused switch-off or a stage outside 0..3).
    bool toggleStage(StageIndex stage);

    // A click on position 0..scalePositions-1 of a stage's scale stores it as the step whether the stage is
    // on or off; the scale lights up to the position even on a stage that stays off, so the click
    // shows. Positions above an 8-position sensor's scale are not drawn and are ignored: they have
    // no DPI value, and the mouse would get no code for them. Returns the column to draw, or
    // nothing when the click was ignored.
    std::optional<DpiStageColumn> setStep(StageIndex stage, std::size_t position, uint8_t sensorType);

    // Whether a stage is on; false for a stage outside 0..3.
    bool isOn(StageIndex stage) const;
    // A stage's colour can only be chosen while the stage is on.
    bool canChooseColour(StageIndex stage) const { return isOn(stage); }
    // Stores the chosen colour in the record's byte order (red, blue, green); refused while the
    // stage is off.
    bool setColour(StageIndex stage, RgbColour colour);
    // The colour the swatch of a stage is painted with.
    RgbColour colour(StageIndex stage) const;

private:
    std::size_t enabledCount() const;

    DeviceConfigRecord& record_;
};
