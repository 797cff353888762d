#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "config/app_settings.h"
#include "config/data_paths.h"
#include "config/ini_file.h"
#include "config/win/module_path.h"
#include "config/win/win32_profile_store.h"
#include "config_test_folder.h"

namespace {

constexpr wchar_t kProbeVariable[] = L"GM_CONFIG_PATH_PROBE";

// Run only inside a copy of this program started by the test below: it writes the path of the
// executable it finds itself in to str.ini beside that executable.
TEST(ConfigModulePathProbe, WritesItsOwnPathBesideItself) {
    if (!_wgetenv(kProbeVariable)) {
        GTEST_SKIP() << "only runs in the copied executable";
    }
    const DataPaths paths = dataPathsFromModulePath(currentModulePath());
    Win32ProfileStore(paths.settingsPath).writeString(L"Probe", L"Exe", paths.exePath);
}

TEST(ConfigModulePath, IsTheRunningExecutable) {
    const std::wstring path = currentModulePath();
    EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(path.substr(path.size() - 4), L".exe");
    EXPECT_EQ(dataPathsFromModulePath(path).configPath, exeFolder(path) + L"config.bin");
}

TEST(ConfigModulePath, DataFilesLieBesideAnExecutableInAFolderWithSpacesAndUmlauts) {
    ConfigTestFolder folder;
    const std::wstring copy = folder.file(L"Krello_Marrowin² копия.exe");
    ASSERT_TRUE(CopyFileW(currentModulePath().c_str(), copy.c_str(), FALSE));

    SetEnvironmentVariableW(kProbeVariable, L"1");
    std::wstring commandLine = L"\"" + copy + L"\" --gtest_filter=ConfigModulePathProbe.*";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                        nullptr, &startup, &process);
    SetEnvironmentVariableW(kProbeVariable, nullptr);
    ASSERT_TRUE(started);
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    IniFile settings{std::filesystem::path(folder.file(L"str.ini"))};
    EXPECT_EQ(settings.readString(L"Probe", L"Exe"), copy);
}

} // namespace
