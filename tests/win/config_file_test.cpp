#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "config/config_file.h"
#include "config/win/win32_config_file_writer.h"
#include "config_test_folder.h"

namespace {

std::string readAll(const std::wstring& path) {
    std::ifstream stream(std::filesystem::path(path), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
}

void writeAll(const std::wstring& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc)
        .write(bytes.data(), bytes.size());
}

std::string factoryFile() {
    std::string bytes(kConfigFileSize, '\0');
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i % 251);
    }
    return bytes;
}

class ConfigFileOnWindows : public ::testing::Test {
protected:
    ConfigTestFolder folder;
    DataPaths paths = dataPathsFromModulePath(folder.file(L"Krello_Marrowin².exe"));
    ConfigState state;
    Win32ConfigFileWriter writer;

    void SetUp() override {
        writeAll(paths.configPath, factoryFile());
        ASSERT_EQ(loadConfigFile(state, paths).status, ConfigFileStatus::Loaded);
        state.record.reportIntervalCode = 2;
        state.record.setB.functionIndex[3] = kMacroKey;
    }

    std::string expectedSavedFile() const {
        std::string bytes(1, '\x01');
        bytes.append(reinterpret_cast<const char*>(&state.record), sizeof state.record);
        return bytes;
    }
};

TEST_F(ConfigFileOnWindows, SaveReplacesTheExistingFile) {
    writeAll(paths.configPath + L".tmp", "leftover from an interrupted save");
    const ConfigFileResult result = saveConfigFile(state, paths, writer);
    EXPECT_EQ(result.status, ConfigFileStatus::Saved);
    EXPECT_TRUE(readAll(paths.configPath) == expectedSavedFile());
    EXPECT_EQ(GetFileAttributesW((paths.configPath + L".tmp").c_str()), INVALID_FILE_ATTRIBUTES);

    state.record.lightingMode = 3;
    EXPECT_EQ(saveConfigFile(state, paths, writer).status, ConfigFileStatus::Saved);
    EXPECT_TRUE(readAll(paths.configPath) == expectedSavedFile());
}

TEST_F(ConfigFileOnWindows, ReadOnlyFileGivesTheErrorBoxAndStaysAsItWas) {
    ASSERT_TRUE(SetFileAttributesW(paths.configPath.c_str(), FILE_ATTRIBUTE_READONLY));
    const ConfigFileResult result = saveConfigFile(state, paths, writer);
    SetFileAttributesW(paths.configPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(result.status, ConfigFileStatus::WriteFailed);
    EXPECT_EQ(result.errorCode, static_cast<uint32_t>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(result.notice(), (Notice{L"Error Code is: 5 \n", L"NULL ==fp "}));
    EXPECT_TRUE(readAll(paths.configPath) == factoryFile());
}

TEST_F(ConfigFileOnWindows, FileHeldOpenByAnotherProgramStaysAsItWas) {
    HANDLE held = CreateFileW(paths.configPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const ConfigFileResult result = saveConfigFile(state, paths, writer);
    CloseHandle(held);
    EXPECT_EQ(result.status, ConfigFileStatus::WriteFailed);
    EXPECT_EQ(result.errorCode, static_cast<uint32_t>(ERROR_SHARING_VIOLATION));
    EXPECT_TRUE(readAll(paths.configPath) == factoryFile());
}

TEST_F(ConfigFileOnWindows, MissingFileIsNotCreated) {
    ASSERT_TRUE(DeleteFileW(paths.configPath.c_str()));
    const ConfigFileResult result = saveConfigFile(state, paths, writer);
    EXPECT_EQ(result.status, ConfigFileStatus::Missing);
    EXPECT_EQ(GetFileAttributesW(paths.configPath.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ConfigFileOnWindows, FileOfTheWrongSizeIsKeptAsBadBeforeTheSave) {
    const std::string cutShort = factoryFile().substr(0, 1000);
    writeAll(paths.configPath, cutShort);
    writeAll(paths.configPath + L".bad", "an older unusable file");
    EXPECT_EQ(saveConfigFile(state, paths, writer).status, ConfigFileStatus::Saved);
    EXPECT_TRUE(readAll(paths.configPath + L".bad") == cutShort);
    EXPECT_TRUE(readAll(paths.configPath) == expectedSavedFile());
}

TEST_F(ConfigFileOnWindows, ABadCopyThatCannotBeMadeShowsTheWindowsErrorCode) {
    writeAll(paths.configPath, factoryFile().substr(0, 1000));
    ASSERT_TRUE(CreateDirectoryW((paths.configPath + L".bad").c_str(), nullptr));
    const ConfigFileResult result = saveConfigFile(state, paths, writer);
    EXPECT_EQ(result.status, ConfigFileStatus::WriteFailed);
    EXPECT_EQ(result.notice(), (Notice{L"Error Code is: 5 \n", L"NULL ==fp "}));
    EXPECT_TRUE(readAll(paths.configPath) == factoryFile().substr(0, 1000));
}

} // namespace
