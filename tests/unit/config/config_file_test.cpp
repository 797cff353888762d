#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/debug_log.h"
#include "config/config_file.h"
#include "temp_folder.h"

namespace {

// A config.bin whose every byte differs from its neighbours, so a shifted or dropped byte shows.
std::string patternFile(uint8_t flag, std::size_t size = kConfigFileSize) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    }
    if (size > 0) {
        bytes[0] = static_cast<char>(flag);
    }
    return bytes;
}

std::string recordBytes(const DeviceConfigRecord& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

class ConfigFileTest : public ::testing::Test {
protected:
    TempFolder temp{L"Mouse Tool ü 鼠标"};
    DataPaths paths = dataPathsFromModulePath(temp.file(L"Krello_Marrowin².exe"));
    ConfigState state;
};

TEST_F(ConfigFileTest, LoadReadsTheFlagAndTheRecordByteForByte) {
    for (uint8_t flag : {0, 1}) {
        const std::string file = patternFile(flag);
        writeBytes(paths.configPath, file);
        const ConfigFileResult result = loadConfigFile(state, paths);
        EXPECT_EQ(result.status, ConfigFileStatus::Loaded);
        EXPECT_EQ(result.notice(), std::nullopt);
        EXPECT_EQ(state.firstRunFlag, flag);
        EXPECT_EQ(recordBytes(state.record), file.substr(1));
    }
}

TEST_F(ConfigFileTest, FilesOfAnyOtherSizeAreIgnoredSilently) {
    for (std::size_t size :
         {std::size_t{0}, std::size_t{1}, kConfigFileSize - 1, kConfigFileSize + 1, 2 * kConfigFileSize}) {
        std::memset(&state.record, 0xAB, sizeof state.record);
        state.firstRunFlag = 7;
        writeBytes(paths.configPath, patternFile(1, size));
        const ConfigFileResult result = loadConfigFile(state, paths);
        EXPECT_EQ(result.status, ConfigFileStatus::Ignored) << size;
        EXPECT_EQ(result.notice(), std::nullopt);
        EXPECT_EQ(recordBytes(state.record), std::string(kDeviceConfigRecordSize, '\xAB')) << size;
        EXPECT_EQ(state.firstRunFlag, 7) << size;
    }
}

TEST_F(ConfigFileTest, MissingFileIsReportedAndNeverCreated) {
    const ConfigFileResult loaded = loadConfigFile(state, paths);
    EXPECT_EQ(loaded.status, ConfigFileStatus::Missing);
    EXPECT_EQ(loaded.notice(), (Notice{L"Config file is not exist.", ProgramTitle{}}));
    EXPECT_EQ(recordBytes(state.record), std::string(kDeviceConfigRecordSize, '\0'));

    const ConfigFileResult saved = saveConfigFile(state, paths);
    EXPECT_EQ(saved.status, ConfigFileStatus::Missing);
    EXPECT_EQ(saved.notice(), (Notice{L"Config file is not exist.", ProgramTitle{}}));
    EXPECT_FALSE(fileExists(paths.configPath));
    EXPECT_FALSE(fileExists(paths.configPath + L".tmp"));
}

TEST_F(ConfigFileTest, LoadThenSaveReproducesTheFileExceptTheFlagByte) {
    const std::string original = patternFile(0);
    writeBytes(paths.configPath, original);
    ASSERT_EQ(loadConfigFile(state, paths).status, ConfigFileStatus::Loaded);

    const ConfigFileResult result = saveConfigFile(state, paths);
    EXPECT_EQ(result.status, ConfigFileStatus::Saved);
    EXPECT_EQ(result.notice(), std::nullopt);

    std::string expected = original;
    expected[0] = 1;
    EXPECT_EQ(readBytes(paths.configPath), expected);
    EXPECT_EQ(state.firstRunFlag, 0) << "saving must not change the flag in memory";
    EXPECT_FALSE(fileExists(paths.configPath + L".tmp"));
}

TEST_F(ConfigFileTest, ReservedBytesSurviveLoadAndSave) {
    writeBytes(paths.configPath, std::string(kConfigFileSize, '\0'));
    ASSERT_EQ(loadConfigFile(state, paths).status, ConfigFileStatus::Loaded);
    state.record.reserved0 = {0x11, 0x22, 0x33, 0x44, 0x55};
    state.record.reserved1 = 0x66;
    state.record.reserved2 = 0x77;
    ASSERT_EQ(saveConfigFile(state, paths).status, ConfigFileStatus::Saved);

    ConfigState reloaded;
    ASSERT_EQ(loadConfigFile(reloaded, paths).status, ConfigFileStatus::Loaded);
    const std::string file = readBytes(paths.configPath);
    EXPECT_EQ(file.substr(1 + 0x0780, 5), "\x11\x22\x33\x44\x55");
    EXPECT_EQ(file[1 + 0x0786], '\x66');
    EXPECT_EQ(file[1 + 0x07A2], '\x77');
    EXPECT_EQ(reloaded.firstRunFlag, 1);
    EXPECT_EQ(recordBytes(reloaded.record), recordBytes(state.record));
}

TEST_F(ConfigFileTest, LeftoverTemporaryFileDoesNotDisturbASave) {
    writeBytes(paths.configPath, patternFile(1));
    writeBytes(paths.configPath + L".tmp", std::string(5000, 'x'));
    ASSERT_EQ(loadConfigFile(state, paths).status, ConfigFileStatus::Loaded);
    ASSERT_EQ(saveConfigFile(state, paths).status, ConfigFileStatus::Saved);
    EXPECT_EQ(readBytes(paths.configPath), patternFile(1));
    EXPECT_FALSE(fileExists(paths.configPath + L".tmp"));
}

TEST_F(ConfigFileTest, ConfigPathThatCannotBeWrittenGivesTheErrorBox) {
    std::filesystem::create_directory(pathFromWide(paths.configPath));
    const ConfigFileResult result = saveConfigFile(state, paths);
    EXPECT_EQ(result.status, ConfigFileStatus::WriteFailed);
    EXPECT_NE(result.errorCode, 0u);
    EXPECT_TRUE(std::filesystem::is_directory(pathFromWide(paths.configPath)));
}

TEST_F(ConfigFileTest, AFolderInThePlaceOfTheTemporaryFileStays) {
    writeBytes(paths.configPath, patternFile(1));
    std::filesystem::create_directory(pathFromWide(paths.configPath + L".tmp"));
    EXPECT_EQ(saveConfigFile(state, paths).status, ConfigFileStatus::WriteFailed);
    EXPECT_TRUE(std::filesystem::is_directory(pathFromWide(paths.configPath + L".tmp")));
    EXPECT_EQ(readBytes(paths.configPath), patternFile(1));
}

// Fails one step of the save with a given error code and does the others for real.
class FailingWriter : public ConfigFileWriter {
public:
    enum class Step { CheckWritable, WriteNewFile, ReplaceFile };
    FailingWriter(Step step, uint32_t code) : step_(step), code_(code) {}

    uint32_t checkWritable(const std::filesystem::path& target) override {
        return step_ == Step::CheckWritable ? code_ : real_.checkWritable(target);
    }
    uint32_t writeNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) override {
        if (step_ == Step::WriteNewFile) {
            // A write that dies half way leaves a partial temporary file behind.
            real_.writeNewFile(path, bytes.first(100));
            return code_;
        }
        return real_.writeNewFile(path, bytes);
    }
    uint32_t replaceFile(const std::filesystem::path& replacement,
                         const std::filesystem::path& target) override {
        return step_ == Step::ReplaceFile ? code_ : real_.replaceFile(replacement, target);
    }
    uint32_t copyFile(const std::filesystem::path& source, const std::filesystem::path& copy) override {
        return real_.copyFile(source, copy);
    }

private:
    Step step_;
    uint32_t code_;
    PortableConfigFileWriter real_;
};

TEST_F(ConfigFileTest, FailedSaveKeepsTheOldFileAndReportsTheErrorCode) {
    struct Case {
        FailingWriter::Step step;
        uint32_t code;
        const wchar_t* text;
    };
    const Case cases[] = {
        {FailingWriter::Step::CheckWritable, 5, L"Error Code is: 5 \n"},
        {FailingWriter::Step::CheckWritable, 32, L"Error Code is: 32 \n"},
        {FailingWriter::Step::WriteNewFile, 112, L"Error Code is: 112 \n"},
        {FailingWriter::Step::ReplaceFile, 1224, L"Error Code is: 1224 \n"},
    };
    const std::string original = patternFile(1);
    for (const Case& c : cases) {
        writeBytes(paths.configPath, original);
        std::memset(&state.record, 0x5A, sizeof state.record);
        FailingWriter writer(c.step, c.code);
        const ConfigFileResult result = saveConfigFile(state, paths, writer);
        EXPECT_EQ(result.status, ConfigFileStatus::WriteFailed);
        EXPECT_EQ(result.errorCode, c.code);
        EXPECT_EQ(result.notice(), (Notice{c.text, L"NULL ==fp "}));
        EXPECT_EQ(readBytes(paths.configPath), original) << c.code;
        EXPECT_FALSE(fileExists(paths.configPath + L".tmp")) << c.code;
    }
}

TEST_F(ConfigFileTest, LoadAndSaveComposeTheirDiagnosticLines) {
    std::vector<std::wstring> lines;
    setDebugLogSink([&](const std::wstring& line) { lines.push_back(line); });
    writeBytes(paths.configPath, patternFile(0));
    loadConfigFile(state, paths);
    saveConfigFile(state, paths);
    setDebugLogSink(nullptr);
    const std::vector<std::wstring> expected = {L"Prpgram First Run Flag:0\nRead Size is: 1985",
                                                L"Data num:1 BYTE -1985 BYTE\n Struct size:1985 BYTE"};
    EXPECT_EQ(lines, expected);
}

TEST_F(ConfigFileTest, AFileOfTheWrongSizeIsKeptAsBadBeforeTheFirstSave) {
    for (std::size_t size : {std::size_t{0}, std::size_t{1000}, kConfigFileSize + 1}) {
        const std::string unusable = patternFile(1, size);
        writeBytes(paths.configPath, unusable);
        writeBytes(paths.configPath + L".bad", "older");
        ASSERT_EQ(saveConfigFile(state, paths).status, ConfigFileStatus::Saved) << size;
        EXPECT_EQ(readBytes(paths.configPath + L".bad"), unusable) << size;
        EXPECT_EQ(readBytes(paths.configPath).size(), kConfigFileSize) << size;

        // Later saves replace a sound file and leave the kept one alone.
        state.record.lightingMode = 3;
        ASSERT_EQ(saveConfigFile(state, paths).status, ConfigFileStatus::Saved) << size;
        EXPECT_EQ(readBytes(paths.configPath + L".bad"), unusable) << size;
    }
}

TEST_F(ConfigFileTest, ASoundFileLeavesNoBadCopy) {
    writeBytes(paths.configPath, patternFile(1));
    ASSERT_EQ(saveConfigFile(state, paths).status, ConfigFileStatus::Saved);
    EXPECT_FALSE(fileExists(paths.configPath + L".bad"));
}

TEST_F(ConfigFileTest, AnUnusableFileThatCannotBeKeptIsNotOverwritten) {
    const std::string unusable = patternFile(1, 1000);
    writeBytes(paths.configPath, unusable);
    std::filesystem::create_directory(pathFromWide(paths.configPath + L".bad"));
    const ConfigFileResult result = saveConfigFile(state, paths);
    EXPECT_EQ(result.status, ConfigFileStatus::WriteFailed);
    EXPECT_NE(result.errorCode, 0u);
    EXPECT_EQ(readBytes(paths.configPath), unusable);
}

} // namespace
