#pragma once

#include <string>

#include "skin/skin_image.h"

// Where a skin's images are found. Every skin is a folder under "Skins" beside the executable;
// `exeFolder` is the executable's folder with its trailing separator (config/data_paths.h).

// The folder that holds the skin folders, without a trailing separator.
std::wstring skinsRootPath(const std::wstring& exeFolder);

// The folder of the skin named in str.ini. With no name the images are taken from the "Skins"
// folder itself.
std::wstring skinFolderPath(const std::wstring& exeFolder, const std::wstring& skinName);

// The full path of one image of the skin in `skinFolder`.
std::wstring skinImagePath(const std::wstring& skinFolder, SkinImage image);
