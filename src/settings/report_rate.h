#pragma once

#include <cstdint>
#include <optional>

#include "config/device_config_record.h"

// The report rate as the record stores it: the report interval in milliseconds, 8, 4, 2 or 1 for
// 125, 250, 500 and 1000 reports a second. The page shows the four rates as segments 0 to 3, from
// the slowest to the fastest.

inline constexpr uint8_t kReportRateSegmentCount = 4;

// The interval code of segment 0..3; 0 for any other segment.
uint8_t reportIntervalCodeOfSegment(uint8_t segment);

// The segment (0..3) that shows an interval code; nothing for a code the mouse does not know.
std::optional<uint8_t> reportRateSegmentOfCode(uint8_t intervalCode);

// Reports a second of an interval code (125, 250, 500 or 1000); 0 for a code the mouse does not know.
// Takes the code as the mouse's event reports it, which may be wider than a byte.
unsigned reportRateHertz(unsigned intervalCode);

// The two segments a click on a report-rate segment repaints: the one that was lit (nothing when the
// record held an unknown code) is drawn unlit, then the clicked one lit.
struct ReportRateChange {
    std::optional<uint8_t> unlitSegment;
    uint8_t litSegment = 0;
    bool operator==(const ReportRateChange&) const = default;
};

// Stores the interval code of the clicked segment (0..3). Nothing happens for another segment.
std::optional<ReportRateChange> selectReportRate(DeviceConfigRecord& record, uint8_t segment);
