#pragma once

#include <string>

// The program's data files all lie beside the executable.
struct DataPaths {
    std::wstring exePath;
    std::wstring configPath;   // config.bin
    std::wstring macroPath;    // record.ini
    std::wstring settingsPath; // str.ini
};

// Replaces the executable's file name (the last component after '\\' or '/') by each data file's
// name. A path without any separator gives bare file names.
DataPaths dataPathsFromModulePath(const std::wstring& exePath);

// The executable's folder with its trailing separator, e.g. L"C:\\Program Files\\Mouse\\"; empty
// when the path has no separator. The skin folder is this + L"/Skins/" + the skin's name.
std::wstring exeFolder(const std::wstring& exePath);

// The application's name as captions show it: the executable's file name without its extension.
std::wstring applicationTitle(const std::wstring& exePath);
