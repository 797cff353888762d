#include "config/data_paths.h"

DataPaths dataPathsFromModulePath(const std::wstring& exePath) {
    const std::wstring folder = exeFolder(exePath);
    return DataPaths{exePath, folder + L"config.bin", folder + L"record.ini", folder + L"str.ini"};
}

std::wstring exeFolder(const std::wstring& exePath) {
    const std::size_t separator = exePath.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : exePath.substr(0, separator + 1);
}

std::wstring applicationTitle(const std::wstring& exePath) {
    const size_t separator = exePath.find_last_of(L"\\/");
    std::wstring fileName = separator == std::wstring::npos ? exePath : exePath.substr(separator + 1);
    const size_t dot = fileName.rfind(L'.');
    if (dot != std::wstring::npos) {
        fileName.erase(dot);
    }
    return fileName;
}
