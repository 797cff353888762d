#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "config/text_encoding.h"
#include "config/wide_path.h"

// A fresh folder per test under the system's temporary folder, removed afterwards. Paths are wide
// text as the program handles them.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& leaf = L"gm config test") {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string unique = std::string(info->test_suite_name()) + "." + info->name();
        root_ = std::filesystem::temp_directory_path() / unique;
        std::filesystem::remove_all(root_);
        folder_ = root_.wstring() + L"/" + leaf + L"/";
        std::filesystem::create_directories(pathFromWide(folder_));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing separator.
    const std::wstring& folder() const { return folder_; }
    std::wstring file(const std::wstring& name) const { return folder_ + name; }

private:
    std::filesystem::path root_;
    std::wstring folder_;
};

inline std::string readBytes(const std::wstring& path) {
    std::ifstream stream(pathFromWide(path), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream stream(pathFromWide(path), std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline bool fileExists(const std::wstring& path) {
    return std::filesystem::exists(pathFromWide(path));
}
