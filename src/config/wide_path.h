#pragma once

#include <filesystem>
#include <string>

// A filesystem path from the program's wide-character path text. On Windows the text is the path;
// elsewhere it is encoded as UTF-8, independent of the process locale, so names with umlauts or
// Chinese characters work everywhere.
std::filesystem::path pathFromWide(const std::wstring& text);

// The program's wide-character text of a filesystem path, the inverse of pathFromWide.
std::wstring wideFromPath(const std::filesystem::path& path);
