#pragma once

#include <cstdint>

// The report rate as the record stores it: the report interval in milliseconds, 8, 4, 2 or 1 for
// 125, 250, 500 and 1000 reports a second. The page shows the four rates as segments 1 to 4.

// The interval code of segment 1..4; 0 for any other segment.
uint8_t reportIntervalCodeOfSegment(uint8_t segment);

// The segment (1..4) that shows an interval code; 0 for a code the mouse does not know.
uint8_t reportRateSegmentOfCode(uint8_t intervalCode);
