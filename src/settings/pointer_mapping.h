#pragma once

#include <cstdint>

#include "settings/pointer_system.h"

// The pointer settings as the record keeps them and the advanced page shows them: the speed and the
// double-click time as positions 1..11 on their scales, the scroll lines as 0..11. Positions that
// come from elsewhere (a hand-edited config.bin, a system value beyond the scale) are brought onto
// the scale first, so neither the page nor the system ever sees a value off the scale.

inline constexpr uint8_t kPointerScaleMax = 11;

// A speed or double-click position brought onto the scale 1..11.
uint8_t positionOnScale(uint8_t position);

// Position p gives speed 1 for p = 1, else 2p - 2 (2, 4, ..., 20).
uint32_t mouseSpeedOfPosition(uint8_t position);
// Speed s shows at position s / 2 + 1.
uint8_t positionOfMouseSpeed(uint32_t speed);

// Position p gives 900 - 70 (p - 1) ms (900, 830, ..., 200).
uint32_t doubleClickTimeOfPosition(uint8_t position);
// A time t shows at position (900 - t) / 70 + 1: times above 900 ms at 1, below 200 ms at 11.
uint8_t positionOfDoubleClickTime(uint32_t milliseconds);

// The scroll lines the page shows: 0..11.
uint8_t scrollLinesOnScale(uint32_t lines);
// The wheel-scroll value handed to the system: one screen per notch, or the lines.
uint32_t wheelScrollValue(bool oneScreen, uint8_t lines);

// Enhanced pointer precision on: thresholds 6 and 10, acceleration 1; off: all 0.
MouseAcceleration mouseAccelerationOf(bool precision);
bool precisionOf(const MouseAcceleration& value);
