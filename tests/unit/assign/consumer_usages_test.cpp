#include <gtest/gtest.h>

#include "assign/consumer_usages.h"

namespace {

TEST(ConsumerUsages, MultimediaItems) {
    const uint8_t expected[] = {0xB5, 0xB6, 0xB7, 0xCD, 0xE2, 0xE9, 0xEA};
    ASSERT_EQ(std::size(expected), kMultimediaItemCount);
    for (std::size_t item = 0; item < std::size(expected); ++item) {
        EXPECT_EQ(MultimediaUsage(item), expected[item]) << "item " << item;
    }
}

TEST(ConsumerUsages, WindowsItemsWithTheirHighBytes) {
    const uint16_t expected[] = {0x0183, 0x018A, 0x0192, 0x0194, 0x0221, 0x0223,
                                 0x0224, 0x0225, 0x0226, 0x0227, 0x022A};
    ASSERT_EQ(std::size(expected), kWindowsItemCount);
    for (std::size_t item = 0; item < std::size(expected); ++item) {
        EXPECT_EQ(WindowsUsage(item), expected[item] & 0xFF) << "item " << item;
        EXPECT_EQ(WindowsUsageHighByte(item), expected[item] >> 8) << "item " << item;
    }
}

TEST(ConsumerUsages, ItemsPastTheListsGiveZero) {
    for (const std::size_t item : {std::size_t{7}, std::size_t{11}, std::size_t{255}, std::size_t{100000}}) {
        EXPECT_EQ(MultimediaUsage(item), 0) << "item " << item;
    }
    for (const std::size_t item : {std::size_t{11}, std::size_t{12}, std::size_t{255}, std::size_t{100000}}) {
        EXPECT_EQ(WindowsUsage(item), 0) << "item " << item;
        EXPECT_EQ(WindowsUsageHighByte(item), 0) << "item " << item;
    }
}

} // namespace
