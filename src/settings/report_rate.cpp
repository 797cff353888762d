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
    if (segment < 1 || segment > kRates.size()) {
        return 0;
    }
    return kRates[segment - 1u].intervalCode;
}

uint8_t reportRateSegmentOfCode(uint8_t intervalCode) {
    for (std::size_t index = 0; index < kRates.size(); ++index) {
        if (kRates[index].intervalCode == intervalCode) {
            return static_cast<uint8_t>(index + 1);
        }
    }
    return 0;
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
