#include "settings/report_rate.h"

#include <array>

namespace {

struct ReportRate {
    uint8_t intervalCode;
    unsigned hertz;
};

// Segment order: 125, 250, 500, 1000 reports a second.
constexpr std::array<ReportRate, kReportRateSegmentCount> kRates{{{8, 125}, {4, 250}, {2, 500}, {1, 1000}}};

} // namespace

uint8_t reportIntervalCodeOfSegment(uint8_t segment) {
    return segment < kRates.size() ? kRates[segment].intervalCode : 0;
}

std::optional<uint8_t> reportRateSegmentOfCode(uint8_t intervalCode) {
    for (uint8_t segment = 0; segment < kRates.size(); ++segment) {
        if (kRates[segment].intervalCode == intervalCode) {
            return segment;
        }
    }
    return std::nullopt;
}

unsigned reportRateHertz(unsigned intervalCode) {
    for (const ReportRate& rate : kRates) {
        if (rate.intervalCode == intervalCode) {
            return rate.hertz;
        }
    }
    return 0;
}

std::optional<ReportRateChange> selectReportRate(DeviceConfigRecord& record, uint8_t segment) {
    const uint8_t code = reportIntervalCodeOfSegment(segment);
    if (code == 0) {
        return std::nullopt;
    }
    const ReportRateChange change{reportRateSegmentOfCode(record.reportIntervalCode), segment};
    record.reportIntervalCode = code;
    return change;
}
