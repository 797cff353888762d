#include <gtest/gtest.h>

#include <string>

#include "device/emulator/emulator_fault_names.h"

namespace {

TEST(EmulatorFaultNames, EachNameSetsItsFault) {
    EmulatorFaults faults;
    std::string error;
    ASSERT_TRUE(applyEmulatorFaultList("unplug-after=30,silent=1,no-replies=1,bad-checksum=1,reply-code=0x03,"
                                       "announced-length=8,chunks-sent=0,reply-number=255,feature-length=8,"
                                       "input-length=9,output-length=65535",
                                       faults, error))
        << error;
    EXPECT_EQ(faults.unplugAfterReports, 30u);
    EXPECT_TRUE(faults.silentInput);
    EXPECT_TRUE(faults.silentReplies);
    EXPECT_TRUE(faults.badChecksum);
    EXPECT_EQ(faults.replyCode, 0x03);
    EXPECT_EQ(faults.announcedLength, 8);
    EXPECT_EQ(faults.chunksSent, 0u);
    EXPECT_EQ(faults.replyNumber, 255);
    EXPECT_EQ(faults.featureLength, 8);
    EXPECT_EQ(faults.inputLength, 9);
    EXPECT_EQ(faults.outputLength, 65535);
    ASSERT_TRUE(applyEmulatorFault("silent=0", faults, error));
    EXPECT_FALSE(faults.silentInput);
}

TEST(EmulatorFaultNames, WhatIsNotUnderstoodSetsNothing) {
    for (const char* list :
         {"silent", "silent=2", "reply-code=256", "reply-code=0x", "unplug-after=-1", "unplug-after=3x",
          "chunks-sent=9", "chunks-sent=1000000000", "loud=1", "silent=1,loud=1", "=1"}) {
        EmulatorFaults faults;
        std::string error;
        EXPECT_FALSE(applyEmulatorFaultList(list, faults, error)) << list;
        EXPECT_FALSE(faults.silentInput) << list;
        EXPECT_FALSE(faults.replyCode) << list;
        EXPECT_FALSE(faults.unplugAfterReports) << list;
        EXPECT_FALSE(faults.chunksSent) << list;
        EXPECT_FALSE(error.empty()) << list;
        EXPECT_EQ(error.find('\n'), std::string::npos) << list;
    }
}

} // namespace
