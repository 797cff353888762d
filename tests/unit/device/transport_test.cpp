#include <gtest/gtest.h>

#include <numeric>

#include "doubles/recording_pacer.h"
#include "device/transport.h"
#include "scripted_hid_port.h"

namespace {

using std::chrono::milliseconds;
using Report = std::vector<uint8_t>;

Report featureReply(std::initializer_list<uint8_t> frame, std::size_t length = 9) {
    Report report(length, 0);
    std::copy(frame.begin(), frame.end(), report.begin() + 1);
    return report;
}

Report inputChunk(uint8_t firstValue, std::size_t length = 33) {
    Report report(length, 0);
    std::iota(report.begin() + 1, report.begin() + 33, firstValue);
    return report;
}

struct TransportTest : ::testing::Test {
    ScriptedHidPort port;
    RecordingPacer pacer;
    Transport transport{port, pacer, milliseconds(5)};
};

TEST_F(TransportTest, FrameTravelsAfterReportIdZeroWithItsChecksum) {
    DeviceCommand frame = DeviceCommand::make(0x03, 0x01, 0x02, 0x03, 0x04);
    frame[7] = 0x99;
    EXPECT_TRUE(transport.sendCommand(frame));
    ASSERT_EQ(port.featuresSent.size(), 1u);
    EXPECT_EQ(port.featuresSent[0], (Report{0x00, 0x03, 0x01, 0x02, 0x03, 0x04, 0x00, 0x00, 0xF2}));
    EXPECT_EQ(frame[7], 0x99) << "a write leaves the caller's frame as it was";
    EXPECT_EQ(port.getFeatureCalls, 0);
    EXPECT_TRUE(pacer.pauses().empty());
}

TEST_F(TransportTest, ReportsTakeTheLengthsTheInterfaceReports) {
    port.feature = 17;
    port.output = 65;
    DeviceCommand frame = DeviceCommand::make(0x10, 0x01, 0x18);
    std::array<uint8_t, 24> data{};
    data.fill(0xAB);
    transport.sendCommandWithData(frame, data);
    ASSERT_EQ(port.featuresSent.size(), 1u);
    EXPECT_EQ(port.featuresSent[0].size(), 17u);
    EXPECT_EQ(port.featuresSent[0][8], 0xD6);
    EXPECT_TRUE(std::all_of(port.featuresSent[0].begin() + 9, port.featuresSent[0].end(),
                            [](uint8_t b) { return b == 0; }));
    ASSERT_EQ(port.outputsSent.size(), 1u);
    const Report& chunk = port.outputsSent[0];
    ASSERT_EQ(chunk.size(), 65u);
    EXPECT_EQ(chunk[0], 0);
    EXPECT_TRUE(std::all_of(chunk.begin() + 1, chunk.begin() + 25, [](uint8_t b) { return b == 0xAB; }));
    EXPECT_TRUE(std::all_of(chunk.begin() + 25, chunk.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(TransportTest, WriteSendsOneChunkPer32BytesAndPausesAfterEach) {
    const std::pair<uint8_t, std::size_t> cases[] = {{0x00, 0}, {0x08, 1}, {0x18, 1}, {0x20, 1},
                                                     {0x21, 2}, {0x40, 2}, {0x80, 4}};
    for (auto [length, chunks] : cases) {
        ScriptedHidPort freshPort;
        RecordingPacer freshPacer;
        Transport freshTransport(freshPort, freshPacer);
        std::array<uint8_t, 128> data{};
        std::iota(data.begin(), data.end(), uint8_t{1});
        DeviceCommand frame = DeviceCommand::make(0x13, 0x01, length);
        EXPECT_TRUE(freshTransport.sendCommandWithData(frame, data));
        ASSERT_EQ(freshPort.outputsSent.size(), chunks) << int{length};
        for (std::size_t chunk = 0; chunk < chunks; ++chunk) {
            EXPECT_EQ(freshPort.outputsSent[chunk][1], data[32 * chunk]);
            EXPECT_EQ(freshPort.outputsSent[chunk][32], data[32 * chunk + 31]);
        }
        EXPECT_EQ(freshPacer.pauses(), std::vector<milliseconds>(chunks, milliseconds(3)));
    }
}

TEST_F(TransportTest, WriteTakesZerosWhereTheDataEndsEarly) {
    std::array<uint8_t, 8> data{};
    data.fill(0x5A);
    DeviceCommand frame = DeviceCommand::make(0x11, 0x04, 0x40);
    transport.sendCommandWithData(frame, data);
    ASSERT_EQ(port.outputsSent.size(), 2u);
    EXPECT_EQ(port.outputsSent[0][8], 0x5A);
    EXPECT_EQ(port.outputsSent[0][9], 0x00);
    EXPECT_EQ(port.outputsSent[1], Report(33, 0));
}

TEST_F(TransportTest, ReadRequestIsReplacedByTheReply) {
    port.featureReplies.push_back(featureReply({0x83, 0x01, 0x02, 0x03, 0x04, 0x00, 0x00, 0x00}));
    DeviceCommand frame = DeviceCommand::make(0x83);
    EXPECT_TRUE(transport.sendCommand(frame));
    EXPECT_EQ(port.featuresSent.at(0), (Report{0x00, 0x83, 0, 0, 0, 0, 0, 0, 0x7C}));
    EXPECT_EQ(frame, DeviceCommand::make(0x83, 0x01, 0x02, 0x03, 0x04));
}

TEST_F(TransportTest, ReadWithoutReplyLeavesZerosAndReportsTheFailure) {
    DeviceCommand frame = DeviceCommand::make(0x8D, 0x07, 0x07);
    EXPECT_FALSE(transport.sendCommand(frame));
    EXPECT_EQ(frame, DeviceCommand{});
}

TEST_F(TransportTest, ReadWithDataCopiesEachChunkWithoutItsReportId) {
    port.featureReplies.push_back(featureReply({0x93, 0x02, 0x40}));
    port.inputReports.push_back(inputChunk(1));
    port.inputReports.push_back(inputChunk(101));
    std::array<uint8_t, 64> data{};
    data.fill(0xFF);
    DeviceCommand frame = DeviceCommand::make(0x93, 0x02);
    EXPECT_TRUE(transport.sendCommandWithData(frame, data));
    EXPECT_EQ(frame[2], 0x40);
    EXPECT_EQ(data[0], 1);
    EXPECT_EQ(data[31], 32);
    EXPECT_EQ(data[32], 101);
    EXPECT_EQ(data[63], 132);
    EXPECT_TRUE(pacer.pauses().empty()) << "no pause between reads";
}

TEST_F(TransportTest, ReplyAnnouncingMoreThanTheBufferHoldsKeepsOnlyWhatFits) {
    port.featureReplies.push_back(featureReply({0x93, 0x01, 0xFF}));
    for (uint8_t chunk = 0; chunk < 8; ++chunk) {
        port.inputReports.push_back(inputChunk(static_cast<uint8_t>(chunk * 32)));
    }
    std::array<uint8_t, 40> data{};
    DeviceCommand frame = DeviceCommand::make(0x93, 0x01);
    EXPECT_TRUE(transport.sendCommandWithData(frame, data));
    EXPECT_EQ(port.readInputCalls, 8) << "every announced chunk is taken off the interface";
    for (std::size_t i = 0; i < data.size(); ++i) {
        EXPECT_EQ(data[i], i);
    }
}

TEST_F(TransportTest, MissingChunksEndTheReadAndReadAsZeros) {
    port.featureReplies.push_back(featureReply({0x93, 0x01, 0x80}));
    port.inputReports.push_back(inputChunk(1));
    std::array<uint8_t, 128> data{};
    data.fill(0x77);
    DeviceCommand frame = DeviceCommand::make(0x93, 0x01);
    EXPECT_FALSE(transport.sendCommandWithData(frame, data));
    EXPECT_EQ(port.readInputCalls, 2) << "one time-out, not one per missing chunk";
    EXPECT_EQ(data[31], 32);
    EXPECT_TRUE(std::all_of(data.begin() + 32, data.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(TransportTest, ShortInputReportLeavesTheRestOfItsChunkZero) {
    port.featureReplies.push_back(featureReply({0x90, 0x00, 0x18}));
    Report shortChunk(10, 0x33);
    shortChunk[0] = 0;
    port.inputReports.push_back(shortChunk);
    std::array<uint8_t, 32> data{};
    DeviceCommand frame = DeviceCommand::make(0x90);
    transport.sendCommandWithData(frame, data);
    EXPECT_EQ(data[8], 0x33);
    EXPECT_EQ(data[9], 0x00);
}

TEST_F(TransportTest, FeatureReportTooShortForAFrameIsRefused) {
    for (uint16_t length : {0, 1, 8}) {
        ScriptedHidPort brokenPort;
        brokenPort.feature = length;
        brokenPort.featureReplies.push_back(Report(9, 0x11));
        Transport brokenTransport(brokenPort, pacer);
        DeviceCommand frame = DeviceCommand::make(0x83, 0x01);
        EXPECT_FALSE(brokenTransport.sendCommand(frame));
        EXPECT_TRUE(brokenPort.featuresSent.empty());
        EXPECT_EQ(brokenPort.getFeatureCalls, 0);
        EXPECT_EQ(frame, DeviceCommand{});
    }
}

TEST_F(TransportTest, DataReportsTooShortForAChunkAreRefused) {
    port.output = 32;
    port.input = 20;
    std::array<uint8_t, 64> data{};
    DeviceCommand write = DeviceCommand::make(0x12, 0x01, 0x40);
    EXPECT_FALSE(transport.sendCommandWithData(write, data));
    EXPECT_TRUE(port.outputsSent.empty());

    port.featureReplies.push_back(featureReply({0x93, 0x01, 0x40}));
    port.inputReports.push_back(inputChunk(1));
    DeviceCommand read = DeviceCommand::make(0x93, 0x01);
    EXPECT_FALSE(transport.sendCommandWithData(read, data));
    EXPECT_EQ(port.readInputCalls, 0);
    EXPECT_TRUE(std::all_of(data.begin(), data.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(TransportTest, OnceAReadHasTimedOutLaterReadsDoNotWait) {
    port.featureReplies.push_back(featureReply({0x90, 0x00, 0x18}));
    port.featureReplies.push_back(featureReply({0x93, 0x01, 0x80}));
    std::array<uint8_t, 128> data{};
    DeviceCommand first = DeviceCommand::make(0x90);
    EXPECT_FALSE(transport.sendCommandWithData(first, data));
    EXPECT_TRUE(transport.mouseStoppedAnswering());
    port.inputReports.push_back(inputChunk(1));
    DeviceCommand second = DeviceCommand::make(0x93, 0x01);
    EXPECT_FALSE(transport.sendCommandWithData(second, data));
    EXPECT_EQ(port.readTimeouts,
              (std::vector<milliseconds>{milliseconds(5), milliseconds(0), milliseconds(0)}))
        << "a report already there is still taken";
    EXPECT_EQ(data[0], 1);
}

TEST_F(TransportTest, RefusedFrameIsNotFollowedByItsData) {
    port.refuseFeatures = true;
    std::array<uint8_t, 64> data{};
    DeviceCommand write = DeviceCommand::make(0x12, 0x01, 0x40);
    EXPECT_FALSE(transport.sendCommandWithData(write, data));
    EXPECT_TRUE(port.outputsSent.empty());
    EXPECT_TRUE(transport.mouseStoppedAnswering());
}

TEST_F(TransportTest, ZeroLengthNeedsNoDataReports) {
    port.output = 0;
    std::array<uint8_t, 8> data{};
    DeviceCommand write = DeviceCommand::make(0x11, 0x04, 0x00);
    EXPECT_TRUE(transport.sendCommandWithData(write, data));
    EXPECT_TRUE(port.outputsSent.empty());
}

} // namespace
