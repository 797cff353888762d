#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <string>

#include "config/factory_config.h"
#include "config/startup_config.h"
#include "temp_folder.h"

namespace {

std::string bytesOf(const DeviceConfigRecord& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

class StartupConfigTest : public ::testing::Test {
protected:
    TempFolder temp;
    DataPaths paths = dataPathsFromModulePath(temp.file(L"Krello_Marrowin².exe"));
    ConfigState state;
};

TEST_F(StartupConfigTest, WithoutAValidFileTheRecordIsTheFactoryOne) {
    struct Case {
        const char* what;
        std::size_t size; // 0 with `write` false: no file at all
        bool write;
        ConfigFileStatus status;
    };
    const Case cases[] = {
        {"missing", 0, false, ConfigFileStatus::Missing},
        {"cut short", 1000, true, ConfigFileStatus::Ignored},
        {"empty", 0, true, ConfigFileStatus::Ignored},
        {"one byte too long", kConfigFileSize + 1, true, ConfigFileStatus::Ignored},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(pathFromWide(paths.configPath));
        if (c.write) {
            writeBytes(paths.configPath, std::string(c.size, '\x01'));
        }
        state = ConfigState{};
        state.firstRunFlag = 1;
        EXPECT_EQ(loadStartupConfiguration(state, paths).status, c.status) << c.what;
        EXPECT_EQ(bytesOf(state.record), bytesOf(factoryConfigRecord())) << c.what;
        EXPECT_EQ(bytesOf(state.appliedRecord), bytesOf(state.record)) << c.what;
        EXPECT_EQ(state.firstRunFlag, 0) << c.what << ": the default labels are stored as on a first run";
    }
}

TEST_F(StartupConfigTest, ALoadedRecordKeepsAtLeastDpiStageOneOn) {
    struct Case {
        std::array<uint8_t, kDpiStageCount> stored;
        std::array<uint8_t, kDpiStageCount> started;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, {1, 0, 0, 0}},
        {{0, 0, 1, 0}, {0, 0, 1, 0}},
        {{0, 0, 0, 9}, {0, 0, 0, 9}},
    };
    for (const Case& c : cases) {
        DeviceConfigRecord stored{};
        std::memset(&stored, 0x42, sizeof stored);
        stored.dpiStageEnabled = c.stored;
        writeBytes(paths.configPath, std::string(1, '\x01') + bytesOf(stored));
        ASSERT_EQ(loadStartupConfiguration(state, paths).status, ConfigFileStatus::Loaded);
        DeviceConfigRecord expected = stored;
        expected.dpiStageEnabled = c.started;
        EXPECT_EQ(bytesOf(state.record), bytesOf(expected));
        EXPECT_EQ(bytesOf(state.appliedRecord), bytesOf(expected));
        EXPECT_EQ(state.firstRunFlag, 1);
    }
}

TEST(FactoryConfig, DefaultButtonsInBothModesAllStagesOnAndNoMacros) {
    const DeviceConfigRecord factory = factoryConfigRecord();
    DeviceConfigRecord defaults = factory;
    restoreDefaultAssignments(defaults);
    EXPECT_EQ(bytesOf(defaults), bytesOf(factory));
    EXPECT_EQ(std::memcmp(&factory.setA, &factory.setB, sizeof factory.setA), 0);
    EXPECT_EQ(factory.dpiStageEnabled, (std::array<uint8_t, kDpiStageCount>{1, 1, 1, 1}));
    EXPECT_EQ(factory.reportIntervalCode, 1);
    EXPECT_EQ(factory.lightingMode, 1);
    EXPECT_EQ(factory.keyMode, 0);
    const std::size_t macros = offsetof(DeviceConfigRecord, macroSlots);
    EXPECT_EQ(bytesOf(factory).substr(macros, sizeof factory.macroSlots),
              std::string(sizeof factory.macroSlots, '\0'));
}

} // namespace
