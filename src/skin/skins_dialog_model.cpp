#include "skin/skins_dialog_model.h"

#include <algorithm>
#include <utility>

#include "common/dialog_layout.h"
#include "config/app_settings.h"
#include "skin/skin_paths.h"

namespace {

bool isSkinFolder(const DirectoryEntry& entry) {
    return entry.isDirectory && entry.name != L"." && entry.name != L"..";
}

wchar_t asciiLower(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool equalsIgnoringAsciiCase(const std::wstring& a, const std::wstring& b) {
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return asciiLower(x) == asciiLower(y); });
}

} // namespace

SkinsDialogTexts skinsDialogTexts(const UiTexts& texts) {
    return {texts[TextKey::DialogOk], texts[TextKey::DialogCancel], texts[TextKey::SkinsColourPrompt]};
}

SkinsDialogModel::SkinsDialogModel(const DirectoryLister& lister, const std::wstring& exeFolder,
                                   SkinChoice current)
    : lister_(lister), exeFolder_(exeFolder), choice_(std::move(current)) {}

SkinsDialogClick SkinsDialogModel::click(Point p) const {
    SkinsDialogClick result;
    const bool inHeader = dialog_layout::SkinsSkinHeader.contains(p);
    result.closeSkinList = listOpen_ && !inHeader && !dialog_layout::SkinsSkinList.contains(p);
    // OK and Cancel share one pixel column; Cancel, drawn over OK there, takes it.
    if (dialog_layout::Cancel.contains(p) || dialog_layout::Close.contains(p)) {
        result.command = SkinsDialogCommand::EndWithCancel;
    } else if (dialog_layout::Ok.contains(p)) {
        result.command = SkinsDialogCommand::EndWithOk;
    } else if (inHeader) {
        result.command = SkinsDialogCommand::ToggleSkinList;
    } else if (dialog_layout::SkinsColourSwatch.contains(p)) {
        result.command = SkinsDialogCommand::ChooseColour;
    }
    return result;
}

std::vector<std::wstring> SkinsDialogModel::skinFolders() const {
    std::vector<std::wstring> names;
    for (const DirectoryEntry& entry : lister_.entries(skinsRootPath(exeFolder_))) {
        if (isSkinFolder(entry)) {
            names.push_back(entry.name);
        }
    }
    return names;
}

bool SkinsDialogModel::toggleSkinList() {
    if (listOpen_) {
        closeSkinList();
        return false;
    }
    listedSkins_ = skinFolders();
    listOpen_ = true;
    return true;
}

void SkinsDialogModel::closeSkinList() {
    listOpen_ = false;
    listedSkins_.clear();
}

SkinSelection SkinsDialogModel::selectSkin(std::optional<std::size_t> index) {
    if (!listOpen_ || !index || *index >= listedSkins_.size()) {
        return {};
    }
    const std::wstring picked = listedSkins_[*index];
    closeSkinList();
    // The list may be stale: look the folder up again and take its name as the file system spells it.
    for (const std::wstring& folder : skinFolders()) {
        if (equalsIgnoringAsciiCase(folder, picked)) {
            choice_.skinName = picked;
            choice_.skinFolder = skinFolderPath(exeFolder_, folder);
            return {true, true};
        }
    }
    return {true, false};
}

int skinListWheelLines(int wheelDelta, bool listOpen) {
    if (!listOpen) {
        return 0;
    }
    return wheelDelta > 0 ? -3 : 3;
}

void commitSkinChoice(ProfileStore& settings, const SkinChoice& choice) {
    writeSkinSettings(settings, choice.textColour.red, choice.textColour.green, choice.textColour.blue,
                      choice.skinName);
}

std::vector<DialogStop> skinsDialogKeyboardOrder() {
    return withOkAndCancel({{dialog_layout::SkinsColourSwatch, FocusRole::Button, kSkinsDialogColourSwatchId},
                            {dialog_layout::SkinsSkinHeader, FocusRole::ComboBox, kSkinsDialogSkinNameId}});
}
