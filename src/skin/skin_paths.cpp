#include "skin/skin_paths.h"

namespace {

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
