#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "config/data_paths.h"
#include "config/win/module_path.h"

namespace {

// The manifest built into a program, read as Windows reads it at start: resource 1 of type
// RT_MANIFEST. Nothing when the program was not built.
std::optional<std::string> manifestOf(const std::wstring& exe) {
    const HMODULE module =
        LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> text;
    if (const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
        const HGLOBAL loaded = LoadResource(module, resource);
        const auto* bytes = static_cast<const char*>(LockResource(loaded));
        text.emplace(bytes, SizeofResource(module, resource));
    }
    FreeLibrary(module);
    return text.value_or("");
}

// The programs beside this test: the hardware build and the emulated build.
std::vector<std::wstring> builtPrograms() {
    const std::wstring folder = exeFolder(currentModulePath());
    std::vector<std::wstring> programs;
    for (const wchar_t* flavour : {L"program", L"emulated"}) {
        const std::wstring exe = folder + flavour + L"\\Krello_Marrowin².exe";
        if (GetFileAttributesW(exe.c_str()) != INVALID_FILE_ATTRIBUTES) {
            programs.push_back(exe);
        }
    }
    return programs;
}

bool holds(const std::string& manifest, const char* pattern) {
    return std::regex_search(manifest, std::regex(pattern));
}

TEST(AppManifest, AdministratorCommonControlsWindowsVersionsAndGdiScaling) {
    const std::vector<std::wstring> programs = builtPrograms();
    if (programs.empty()) {
        GTEST_SKIP() << "no program built beside the tests";
    }
    const char* const required[] = {
        R"(<requestedExecutionLevel level="requireAdministrator")",
        R"(name="Microsoft\.Windows\.Common-Controls" version="6\.0\.0\.0")",
        R"(<supportedOS Id="\{35138b9a-5d96-4fbd-8e2d-a2440225f93a\}"/>)", // Windows 7
        R"(<supportedOS Id="\{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38\}"/>)", // Windows 8
        R"(<supportedOS Id="\{1f676c76-80e1-4239-95bb-83d0f6d0da78\}"/>)", // Windows 8.1
        R"(<supportedOS Id="\{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a\}"/>)", // Windows 10 and 11
        R"(<dpiAware [^>]*>\s*false\s*</dpiAware>)",
        R"(<gdiScaling [^>]*>\s*true\s*</gdiScaling>)",
    };
    for (const std::wstring& program : programs) {
        const std::optional<std::string> manifest = manifestOf(program);
        ASSERT_TRUE(manifest.has_value()) << "cannot open the built program";
        for (const char* pattern : required) {
            EXPECT_TRUE(holds(*manifest, pattern)) << pattern;
        }
        // A DPI-aware declaration would turn Windows' scaling, and GDI scaling with it, off.
        EXPECT_FALSE(holds(*manifest, "dpiAwareness|PerMonitor")) << *manifest;
    }
}

} // namespace
