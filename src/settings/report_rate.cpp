#include "settings/report_rate.h"

#include <array>

namespace {

constexpr std::array<uint8_t, 4> kIntervalCodes{8, 4, 2, 1};

} // namespace

uint8_t reportIntervalCodeOfSegment(uint8_t segment) {
    if (segment < 1 || segment > kIntervalCodes.size()) {
        return 0;
    }
    return kIntervalCodes[segment - 1u];
}

uint8_t reportRateSegmentOfCode(uint8_t intervalCode) {
    for (std::size_t index = 0; index < kIntervalCodes.size(); ++index) {
        if (kIntervalCodes[index] == intervalCode) {
            return static_cast<uint8_t>(index + 1);
        }
    }
    return 0;
}
