#include <gtest/gtest.h>

#include <utility>

#include "settings/report_rate.h"

namespace {

TEST(ReportRate, HertzOfEachCodeAndTheSegmentsAClickRepaints) {
    for (const auto& [code, hertz] :
         {std::pair{8u, 125u}, {4u, 250u}, {2u, 500u}, {1u, 1000u}, {0x108u, 0u}}) {
        EXPECT_EQ(reportRateHertz(code), hertz) << code;
    }
    DeviceConfigRecord record{};
    record.reportIntervalCode = 8;
    EXPECT_EQ(selectReportRate(record, 2), (ReportRateChange{0, 2}));
    EXPECT_EQ(record.reportIntervalCode, 2);
    record.reportIntervalCode = 7;
    EXPECT_EQ(selectReportRate(record, 3), (ReportRateChange{std::nullopt, 3}));
    EXPECT_FALSE(selectReportRate(record, 4));
}

} // namespace
