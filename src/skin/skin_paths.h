#pragma once

#include <string>

#include "lang/language.h"
#include "skin/directory_lister.h"
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

// Whether a "Path" from str.ini can name a skin: empty (the images lie in "Skins" itself) or one
// folder name, with no separator, no drive colon, none of the other characters Windows refuses in
// a file name, and not made of dots only ("." and ".." lead out of the skin's folder).
bool isSkinFolderName(const std::wstring& name);

// What the user is told when no skin under "Skins" can be drawn: the text, then the full path of
// the "Skins" folder on a line of its own.
std::wstring noCompleteSkinMessage(const UiTexts& texts, const std::wstring& exeFolder);

// The skin the main window draws with: its name (as the skins dialog shows it) and folder.
struct StartupSkin {
    std::wstring name;
    std::wstring folder;
    bool hasMainImage = false; // false only when no skin under "Skins" holds "main.png"

    bool operator==(const StartupSkin&) const = default;
};

// The skin named in str.ini when the name is valid and its folder holds "main.png"; otherwise the
// first skin under "Skins" (in the order the file system lists them) that holds every image, or
// failing that the first that holds "main.png". Without any, the "Skins" folder itself when the
// name is not valid, so that a hostile name never leads anywhere else.
StartupSkin chooseStartupSkin(const DirectoryLister& lister, const std::wstring& exeFolder,
                              const std::wstring& requestedName);
