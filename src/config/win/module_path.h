#pragma once

#include <string>

// The full path of the running executable (GetModuleFileNameW), however long it is.
std::wstring currentModulePath();
