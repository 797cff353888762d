#include "skin/skin_paths.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "config/profile_name.h"

namespace {

// Characters that cannot be part of one folder name on Windows; '\\', '/' and ':' among them
// would make the name a path.
constexpr std::wstring_view kCharactersNotInNames = L"\\/:*?\"<>|";

bool endsWithSeparator(const std::wstring& path) {
    return !path.empty() && (path.back() == L'\\' || path.back() == L'/');
}

// Joins two path parts with exactly one separator between them.
std::wstring joinPath(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || endsWithSeparator(folder)) {
        return folder + name;
    }
    return folder + L"/" + name;
}

// Windows matches file names without regard to letter case, as the profile functions match names.
bool sameFileName(const std::wstring& a, const std::wstring& b) {
    return profileNamesEqual(a, b);
}

bool holdsImage(const std::vector<DirectoryEntry>& entries, SkinImage image) {
    return std::ranges::any_of(entries, [image](const DirectoryEntry& entry) {
        return !entry.isDirectory && sameFileName(entry.name, skinImageFileName(image));
    });
}

bool holdsEveryImage(const std::vector<DirectoryEntry>& entries) {
    return std::ranges::all_of(requiredSkinImages(),
                               [&](SkinImage image) { return holdsImage(entries, image); });
}

// The named skin folder as the file system spells it, when it is there.
std::optional<std::wstring> findSkinFolder(const std::vector<DirectoryEntry>& skins,
                                           const std::wstring& name) {
    for (const DirectoryEntry& entry : skins) {
        if (entry.isDirectory && sameFileName(entry.name, name)) {
            return entry.name;
        }
    }
    return std::nullopt;
}

} // namespace

std::wstring skinsRootPath(const std::wstring& exeFolder) {
    return joinPath(exeFolder, L"Skins");
}

std::wstring skinFolderPath(const std::wstring& exeFolder, const std::wstring& skinName) {
    const std::wstring root = skinsRootPath(exeFolder);
    return skinName.empty() ? root : joinPath(root, skinName);
}

std::wstring skinImagePath(const std::wstring& skinFolder, SkinImage image) {
    return joinPath(skinFolder, skinImageFileName(image));
}

std::wstring noCompleteSkinMessage(const UiTexts& texts, const std::wstring& exeFolder) {
    return texts[TextKey::NoCompleteSkin] + L"\n" + skinsRootPath(exeFolder);
}

bool isSkinFolderName(const std::wstring& name) {
    const bool onlyDots = !name.empty() && name.find_first_not_of(L'.') == std::wstring::npos;
    const bool badCharacter = std::ranges::any_of(
        name, [](wchar_t c) { return c < L' ' || kCharactersNotInNames.find(c) != std::wstring_view::npos; });
    return !onlyDots && !badCharacter;
}

StartupSkin chooseStartupSkin(const DirectoryLister& lister, const std::wstring& exeFolder,
                              const std::wstring& requestedName) {
    const std::wstring root = skinsRootPath(exeFolder);
    const std::vector<DirectoryEntry> skins = lister.entries(root);
    if (isSkinFolderName(requestedName)) {
        const std::optional<std::wstring> folder =
            requestedName.empty() ? std::optional<std::wstring>(L"") : findSkinFolder(skins, requestedName);
        if (folder) {
            const std::wstring path = skinFolderPath(exeFolder, *folder);
            if (holdsImage(lister.entries(path), SkinImage::Main)) {
                return {requestedName, path, true};
            }
        }
    }
    std::optional<StartupSkin> withMainImage;
    for (const DirectoryEntry& entry : skins) {
        if (!entry.isDirectory || !isSkinFolderName(entry.name)) {
            continue;
        }
        const std::wstring path = skinFolderPath(exeFolder, entry.name);
        const std::vector<DirectoryEntry> images = lister.entries(path);
        if (holdsEveryImage(images)) {
            return {entry.name, path, true};
        }
        if (!withMainImage && holdsImage(images, SkinImage::Main)) {
            withMainImage = StartupSkin{entry.name, path, true};
        }
    }
    if (withMainImage) {
        return *withMainImage;
    }
    const std::wstring name = isSkinFolderName(requestedName) ? requestedName : std::wstring();
    return {name, skinFolderPath(exeFolder, name), false};
}
