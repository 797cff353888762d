#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// A fresh folder with spaces and non-ASCII characters in its name under the Windows temporary
// folder, one per test, removed afterwards.
class ConfigTestFolder {
public:
    ConfigTestFolder() {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = std::string(info->test_suite_name()) + "." + info->name();
        root_ = std::wstring(temp) + std::wstring(name.begin(), name.end());
        std::filesystem::remove_all(root_, ignored_);
        folder_ = root_ + L"\\Mäuse Tool 鼠标 設定\\";
        std::filesystem::create_directories(folder_, ignored_);
    }
    ~ConfigTestFolder() { std::filesystem::remove_all(root_, ignored_); }
    ConfigTestFolder(const ConfigTestFolder&) = delete;
    ConfigTestFolder& operator=(const ConfigTestFolder&) = delete;

    // The folder with its trailing backslash.
    const std::wstring& folder() const { return folder_; }
    std::wstring file(const std::wstring& name) const { return folder_ + name; }

private:
    std::wstring root_;
    std::wstring folder_;
    std::error_code ignored_;
};
