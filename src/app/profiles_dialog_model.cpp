#include "app/profiles_dialog_model.h"

#include <algorithm>
#include <array>
#include <cwctype>

#include "common/dialog_layout.h"
#include "config/profile_name.h"

namespace {

struct AreaCommand {
    Rect area;
    ProfilesDialogCommand command;
};

constexpr std::array kAreaCommands{
    AreaCommand{dialog_layout::ProfilesSaveNew, ProfilesDialogCommand::SaveNew},
    AreaCommand{dialog_layout::ProfilesRename, ProfilesDialogCommand::Rename},
    AreaCommand{dialog_layout::ProfilesDelete, ProfilesDialogCommand::Delete},
    AreaCommand{dialog_layout::ProfilesImport, ProfilesDialogCommand::Import},
    AreaCommand{dialog_layout::ProfilesExport, ProfilesDialogCommand::Export},
    AreaCommand{dialog_layout::ProfilesAddProgram, ProfilesDialogCommand::AddProgram},
    AreaCommand{dialog_layout::ProfilesRunningPrograms, ProfilesDialogCommand::ToggleRunningList},
    AreaCommand{dialog_layout::ProfilesRemoveProgram, ProfilesDialogCommand::RemoveProgram},
    AreaCommand{dialog_layout::ProfilesBalloonOption, ProfilesDialogCommand::ToggleBalloon},
    AreaCommand{dialog_layout::ProfilesArrivalOption, ProfilesDialogCommand::ToggleArrival},
};

constexpr int kTickSize = 16;

bool containsName(const std::vector<std::wstring>& names, const std::wstring& name) {
    return std::ranges::any_of(names,
                               [&](const std::wstring& listed) { return profileNamesEqual(listed, name); });
}

bool lessIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return std::ranges::lexicographical_compare(a, b, [](wchar_t x, wchar_t y) {
        return std::towlower(static_cast<wint_t>(x)) < std::towlower(static_cast<wint_t>(y));
    });
}

} // namespace

const std::vector<ProfilesDialogButton>& profilesDialogButtons() {
    static const std::vector<ProfilesDialogButton> buttons{
        {dialog_layout::ProfilesSaveNew, TextKey::ProfileSaveNew},
        {dialog_layout::ProfilesRename, TextKey::ProfileRename},
        {dialog_layout::ProfilesDelete, TextKey::Delete},
        {dialog_layout::ProfilesImport, TextKey::ProfileImport},
        {dialog_layout::ProfilesExport, TextKey::ProfileExport},
        {dialog_layout::ProfilesAddProgram, TextKey::ProgramAdd},
        {dialog_layout::ProfilesRunningPrograms, TextKey::ProgramsRunning},
        {dialog_layout::ProfilesRemoveProgram, TextKey::ProgramRemove},
    };
    return buttons;
}

Point optionTickAt(const Rect& option) {
    return {option.left, option.top + (option.height() - kTickSize) / 2};
}

std::vector<DialogStop> profilesDialogKeyboardOrder() {
    return withOkAndCancel({
        {dialog_layout::ProfilesProfileList, FocusRole::List, kProfilesDialogProfileListId},
        {dialog_layout::ProfilesNameEdit, FocusRole::Edit, kProfilesDialogNameEditId},
        {dialog_layout::ProfilesSaveNew, FocusRole::Button},
        {dialog_layout::ProfilesRename, FocusRole::Button},
        {dialog_layout::ProfilesDelete, FocusRole::Button},
        {dialog_layout::ProfilesImport, FocusRole::Button},
        {dialog_layout::ProfilesExport, FocusRole::Button},
        {dialog_layout::ProfilesProgramList, FocusRole::List, kProfilesDialogProgramListId},
        {dialog_layout::ProfilesProgramEdit, FocusRole::Edit, kProfilesDialogProgramEditId},
        {dialog_layout::ProfilesAddProgram, FocusRole::Button},
        {dialog_layout::ProfilesRunningPrograms, FocusRole::Button},
        {dialog_layout::ProfilesRemoveProgram, FocusRole::Button},
        {dialog_layout::ProfilesBalloonOption, FocusRole::CheckBox},
        {dialog_layout::ProfilesArrivalOption, FocusRole::CheckBox},
    });
}

Notice libraryNotice(const LibraryRefusal& refusal, const UiTexts& texts) {
    return warningNotice(refusal.detail.empty() ? texts[refusal.text]
                                                : texts[refusal.text] + L"\n" + refusal.detail);
}

ProfilesDialogModel::ProfilesDialogModel(ProfileLibrary& library, const UiTexts& texts,
                                         ProfilesDialogOptions options, std::optional<std::wstring> chosen)
    : library_(library), texts_(texts), options_(options), chosen_(std::move(chosen)) {
    reload(chosen_);
}

ProfilesDialogClick ProfilesDialogModel::click(Point p) const {
    ProfilesDialogClick result;
    const bool onListButton = dialog_layout::ProfilesRunningPrograms.contains(p);
    result.closeRunningList =
        runningOpen_ && !onListButton && !dialog_layout::ProfilesRunningList.contains(p);
    if (runningOpen_ && !result.closeRunningList && !onListButton) {
        // The open list lies over the program column and takes its own clicks.
        return result;
    }
    for (const AreaCommand& entry : kAreaCommands) {
        if (entry.area.contains(p)) {
            result.command = entry.command;
            break;
        }
    }
    return result;
}

void ProfilesDialogModel::reload(const std::optional<std::wstring>& name) {
    names_ = library_.names();
    selected_.reset();
    if (name) {
        const auto found = std::ranges::find_if(
            names_, [&](const std::wstring& listed) { return profileNamesEqual(listed, *name); });
        if (found != names_.end()) {
            selected_ = static_cast<std::size_t>(found - names_.begin());
        }
    }
    select(selected_);
}

void ProfilesDialogModel::select(std::optional<std::size_t> index) {
    closeRunningList();
    selected_ = index && *index < names_.size() ? index : std::nullopt;
    programs_.clear();
    if (const std::wstring* name = selectedName()) {
        const auto loaded = library_.load(*name);
        if (const auto* profile = std::get_if<Profile>(&loaded)) {
            programs_ = profile->programs;
        }
    }
}

const std::wstring* ProfilesDialogModel::selectedName() const {
    return selected_ ? &names_[*selected_] : nullptr;
}

DialogResult ProfilesDialogModel::refused(const LibraryResult& result) const {
    if (result) {
        return libraryNotice(*result, texts_);
    }
    return std::nullopt;
}

DialogResult ProfilesDialogModel::saveNew(const std::wstring& name, const Profile& current) {
    Profile profile = current;
    // A new profile switches for no program until the user names some.
    profile.programs.clear();
    const std::wstring trimmed(trimProfileBlanks(name));
    if (DialogResult notice = refused(library_.saveNew(trimmed, profile))) {
        return notice;
    }
    folderChanged_ = true;
    reload(trimmed);
    return std::nullopt;
}

DialogResult ProfilesDialogModel::renameSelected(const std::wstring& name) {
    const std::wstring* from = selectedName();
    if (from == nullptr) {
        return std::nullopt;
    }
    const std::wstring original = *from;
    const std::wstring trimmed(trimProfileBlanks(name));
    if (DialogResult notice = refused(library_.rename(original, trimmed))) {
        return notice;
    }
    folderChanged_ = true;
    renames_.emplace_back(original, trimmed);
    if (chosen_ && profileNamesEqual(*chosen_, original)) {
        chosen_ = trimmed;
    }
    reload(trimmed);
    return std::nullopt;
}

DialogResult ProfilesDialogModel::deleteSelected() {
    const std::wstring* name = selectedName();
    if (name == nullptr) {
        return std::nullopt;
    }
    const std::wstring deleted = *name;
    if (DialogResult notice = refused(library_.remove(deleted))) {
        return notice;
    }
    folderChanged_ = true;
    if (chosen_ && profileNamesEqual(*chosen_, deleted)) {
        chosen_.reset();
    }
    reload(std::nullopt);
    return std::nullopt;
}

DialogResult ProfilesDialogModel::importFrom(const std::wstring& path) {
    auto imported = library_.importFrom(path);
    if (const auto* refusal = std::get_if<LibraryRefusal>(&imported)) {
        return libraryNotice(*refusal, texts_);
    }
    folderChanged_ = true;
    reload(std::get<std::wstring>(imported));
    return std::nullopt;
}

DialogResult ProfilesDialogModel::exportSelected(const std::wstring& path) const {
    const std::wstring* name = selectedName();
    if (name == nullptr) {
        return std::nullopt;
    }
    return refused(library_.exportTo(*name, path));
}

std::wstring ProfilesDialogModel::exportFileName() const {
    const std::wstring* name = selectedName();
    return name == nullptr ? std::wstring{} : *name + L".toml";
}

DialogResult ProfilesDialogModel::setPrograms(std::vector<std::wstring> programs) {
    const std::wstring* name = selectedName();
    if (name == nullptr) {
        return std::nullopt;
    }
    const std::wstring selectedProfile = *name;
    if (DialogResult notice = refused(library_.setPrograms(selectedProfile, programs))) {
        return notice;
    }
    folderChanged_ = true;
    reload(selectedProfile);
    return std::nullopt;
}

DialogResult ProfilesDialogModel::addProgram(const std::wstring& program) {
    const std::wstring trimmed(trimProfileBlanks(program));
    if (selectedName() == nullptr || containsName(programs_, trimmed)) {
        return std::nullopt;
    }
    std::vector<std::wstring> programs = programs_;
    programs.push_back(trimmed);
    return setPrograms(std::move(programs));
}

DialogResult ProfilesDialogModel::removeProgram(std::optional<std::size_t> index) {
    if (!index || *index >= programs_.size()) {
        return std::nullopt;
    }
    std::vector<std::wstring> programs = programs_;
    programs.erase(programs.begin() + static_cast<std::ptrdiff_t>(*index));
    return setPrograms(std::move(programs));
}

bool ProfilesDialogModel::toggleRunningList(const std::vector<std::wstring>& runningExecutables) {
    if (runningOpen_ || selectedName() == nullptr) {
        closeRunningList();
        return false;
    }
    running_.clear();
    for (const std::wstring& program : runningExecutables) {
        if (!program.empty() && !containsName(running_, program) && !containsName(programs_, program)) {
            running_.push_back(program);
        }
    }
    std::ranges::sort(running_, lessIgnoringCase);
    runningOpen_ = true;
    return true;
}

void ProfilesDialogModel::closeRunningList() {
    runningOpen_ = false;
    running_.clear();
}

DialogResult ProfilesDialogModel::pickRunning(std::optional<std::size_t> index) {
    if (!runningOpen_ || !index || *index >= running_.size()) {
        return std::nullopt;
    }
    const std::wstring program = running_[*index];
    closeRunningList();
    return addProgram(program);
}
