#include "app/profiles_dialog_model.h"

#include <algorithm>
#include <array>
#include <cwctype>

#include "common/dialog_layout.h"
#include "config/profile_name.h"

namespace {

struct AreaEntry {
    ProfilesDialogArea area;
    Rect rect;
};

// Three columns between the title strip and the frame's OK and Cancel: the profiles with the name
// field, the buttons that act on them, and the programs of the selected profile; the options below
// the first two.
constexpr std::array kAreas{
    AreaEntry{ProfilesDialogArea::ProfileList, dialog_layout::ProfilesProfileList},
    AreaEntry{ProfilesDialogArea::NameCaption, dialog_layout::ProfilesNameCaption},
    AreaEntry{ProfilesDialogArea::NameEdit, dialog_layout::ProfilesNameEdit},
    AreaEntry{ProfilesDialogArea::SaveNew, dialog_layout::ProfilesSaveNew},
    AreaEntry{ProfilesDialogArea::Rename, dialog_layout::ProfilesRename},
    AreaEntry{ProfilesDialogArea::Delete, dialog_layout::ProfilesDelete},
    AreaEntry{ProfilesDialogArea::Import, dialog_layout::ProfilesImport},
    AreaEntry{ProfilesDialogArea::Export, dialog_layout::ProfilesExport},
    AreaEntry{ProfilesDialogArea::ProgramsCaption, dialog_layout::ProfilesProgramsCaption},
    AreaEntry{ProfilesDialogArea::ProgramList, dialog_layout::ProfilesProgramList},
    AreaEntry{ProfilesDialogArea::ProgramEdit, dialog_layout::ProfilesProgramEdit},
    AreaEntry{ProfilesDialogArea::AddProgram, dialog_layout::ProfilesAddProgram},
    AreaEntry{ProfilesDialogArea::RunningPrograms, dialog_layout::ProfilesRunningPrograms},
    AreaEntry{ProfilesDialogArea::RemoveProgram, dialog_layout::ProfilesRemoveProgram},
    AreaEntry{ProfilesDialogArea::RunningList, dialog_layout::ProfilesRunningList},
    AreaEntry{ProfilesDialogArea::BalloonOption, dialog_layout::ProfilesBalloonOption},
    AreaEntry{ProfilesDialogArea::ArrivalOption, dialog_layout::ProfilesArrivalOption},
};

struct AreaCommand {
    ProfilesDialogArea area;
    ProfilesDialogCommand command;
};

constexpr std::array kAreaCommands{
    AreaCommand{ProfilesDialogArea::SaveNew, ProfilesDialogCommand::SaveNew},
    AreaCommand{ProfilesDialogArea::Rename, ProfilesDialogCommand::Rename},
    AreaCommand{ProfilesDialogArea::Delete, ProfilesDialogCommand::Delete},
    AreaCommand{ProfilesDialogArea::Import, ProfilesDialogCommand::Import},
    AreaCommand{ProfilesDialogArea::Export, ProfilesDialogCommand::Export},
    AreaCommand{ProfilesDialogArea::AddProgram, ProfilesDialogCommand::AddProgram},
    AreaCommand{ProfilesDialogArea::RunningPrograms, ProfilesDialogCommand::ToggleRunningList},
    AreaCommand{ProfilesDialogArea::RemoveProgram, ProfilesDialogCommand::RemoveProgram},
    AreaCommand{ProfilesDialogArea::BalloonOption, ProfilesDialogCommand::ToggleBalloon},
    AreaCommand{ProfilesDialogArea::ArrivalOption, ProfilesDialogCommand::ToggleArrival},
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

Rect profilesDialogRect(ProfilesDialogArea area) {
    for (const AreaEntry& entry : kAreas) {
        if (entry.area == area) {
            return entry.rect;
        }
    }
    return {};
}

const std::vector<ProfilesDialogButton>& profilesDialogButtons() {
    static const std::vector<ProfilesDialogButton> buttons{
        {ProfilesDialogArea::SaveNew, TextKey::ProfileSaveNew},
        {ProfilesDialogArea::Rename, TextKey::ProfileRename},
        {ProfilesDialogArea::Delete, TextKey::Delete},
        {ProfilesDialogArea::Import, TextKey::ProfileImport},
        {ProfilesDialogArea::Export, TextKey::ProfileExport},
        {ProfilesDialogArea::AddProgram, TextKey::ProgramAdd},
        {ProfilesDialogArea::RunningPrograms, TextKey::ProgramsRunning},
        {ProfilesDialogArea::RemoveProgram, TextKey::ProgramRemove},
    };
    return buttons;
}

Point optionTickAt(ProfilesDialogArea option) {
    const Rect area = profilesDialogRect(option);
    return {area.left, area.top + (area.height() - kTickSize) / 2};
}

std::vector<DialogStop> profilesDialogKeyboardOrder() {
    using Area = ProfilesDialogArea;
    const auto stop = [](Area area, FocusRole role, int control = 0) {
        return DialogStop{profilesDialogRect(area), role, control};
    };
    return withOkAndCancel({
        stop(Area::ProfileList, FocusRole::List, kProfilesDialogProfileListId),
        stop(Area::NameEdit, FocusRole::Edit, kProfilesDialogNameEditId),
        stop(Area::SaveNew, FocusRole::Button),
        stop(Area::Rename, FocusRole::Button),
        stop(Area::Delete, FocusRole::Button),
        stop(Area::Import, FocusRole::Button),
        stop(Area::Export, FocusRole::Button),
        stop(Area::ProgramList, FocusRole::List, kProfilesDialogProgramListId),
        stop(Area::ProgramEdit, FocusRole::Edit, kProfilesDialogProgramEditId),
        stop(Area::AddProgram, FocusRole::Button),
        stop(Area::RunningPrograms, FocusRole::Button),
        stop(Area::RemoveProgram, FocusRole::Button),
        stop(Area::BalloonOption, FocusRole::CheckBox),
        stop(Area::ArrivalOption, FocusRole::CheckBox),
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
    const bool onListButton = profilesDialogRect(ProfilesDialogArea::RunningPrograms).contains(p);
    result.closeRunningList =
        runningOpen_ && !onListButton && !profilesDialogRect(ProfilesDialogArea::RunningList).contains(p);
    if (runningOpen_ && !result.closeRunningList && !onListButton) {
        // The open list lies over the program column and takes its own clicks.
        return result;
    }
    for (const AreaCommand& entry : kAreaCommands) {
        if (profilesDialogRect(entry.area).contains(p)) {
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
