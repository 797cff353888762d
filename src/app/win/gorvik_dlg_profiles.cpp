#include <windows.h>

#include <algorithm>
#include <variant>

#include "app/win/app_messages.h"
#include "app/win/gorvik_dlg.h"
#include "app/win/profiles_dialog.h"
#include "config/win/win32_profile_store.h"
#include "macro/macro_store.h"
#include "profile/profile_program_state.h"

namespace {

// Long enough to read a profile's name.
constexpr unsigned kProfileBalloonTimeoutMs = 3000;

// The window that takes the foreground events; the program has one main window.
CGorvikDlg* foregroundReceiver = nullptr;

SwitchTime tickNow() {
    return SwitchTime(GetTickCount64());
}

// The file name of the executable of the program whose window it is ("game.exe"); nothing when it
// cannot be told.
std::optional<std::wstring> programOfWindow(HWND window) {
    DWORD processId = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &processId) == 0) {
        return std::nullopt;
    }
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) {
        return std::nullopt;
    }
    wchar_t path[MAX_PATH * 2]{};
    DWORD length = static_cast<DWORD>(std::size(path));
    if (!QueryFullProcessImageNameW(process.get(), 0, path, &length)) {
        return std::nullopt;
    }
    const std::wstring full(path, length);
    const size_t separator = full.find_last_of(L"\\/");
    return separator == std::wstring::npos ? full : full.substr(separator + 1);
}

std::optional<std::wstring> chosenOrNothing(std::wstring name) {
    return name.empty() ? std::nullopt : std::optional<std::wstring>(std::move(name));
}

} // namespace

void CGorvikDlg::startProfileSwitching() {
    profiles_ = ProfileLibrary(profilesFolder(paths_.exePath));
    Win32ProfileStore settingsFile(paths_.settingsPath);
    switcher_.emplace(profiles_.switchableProfiles(), chosenOrNothing(readChosenProfile(settingsFile)),
                      config_.appliedRecord, readProfileBalloon(settingsFile));
    foregroundReceiver = this;
    foregroundHook_.reset(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                          &CGorvikDlg::onWinEvent, 0, 0, WINEVENT_OUTOFCONTEXT));
}

void CALLBACK CGorvikDlg::onWinEvent(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
    if (foregroundReceiver != nullptr) {
        foregroundReceiver->foregroundChanged(window);
    }
}

void CGorvikDlg::foregroundChanged(HWND window) {
    std::optional<std::wstring> program = programOfWindow(window);
    askSwitcher([&](ProfileSwitcher& switcher, SwitchTime now) {
        return switcher.foregroundChanged(std::move(program), now);
    });
}

INT_PTR CGorvikDlg::onTimer(UINT_PTR timer) {
    if (timer != kProfileSwitchTimer) {
        return FALSE;
    }
    askSwitcher([](ProfileSwitcher& switcher, SwitchTime now) { return switcher.timerFired(now); });
    return result(0);
}

HMENU CGorvikDlg::makeProfilesMenu() {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) {
        return nullptr;
    }
    trayProfiles_ = profiles_.names();
    trayProfiles_.resize(std::min<size_t>(trayProfiles_.size(), kTrayProfileCommandCount));
    const std::optional<std::wstring> inForce = switcher_ ? switcher_->profileInForce() : std::nullopt;
    for (size_t i = 0; i < trayProfiles_.size(); ++i) {
        const bool checked = inForce && CompareStringOrdinal(inForce->c_str(), -1, trayProfiles_[i].c_str(),
                                                             -1, TRUE) == CSTR_EQUAL;
        AppendMenuW(menu, MF_STRING | (checked ? MF_CHECKED : MF_UNCHECKED),
                    kTrayFirstProfileCommand + static_cast<UINT>(i), trayProfiles_[i].c_str());
    }
    // The dialog comes last, below the profiles, so that they keep their places.
    if (!trayProfiles_.empty()) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    }
    AppendMenuW(menu, MF_STRING, kTrayProfilesDialogCommand, texts_[TextKey::ProfilesDialogItem].c_str());
    return menu;
}

void CGorvikDlg::chooseProfile(unsigned index) {
    if (index >= trayProfiles_.size() || !switcher_) {
        return;
    }
    const std::wstring name = trayProfiles_[index];
    Win32ProfileStore settingsFile(paths_.settingsPath);
    writeChosenProfile(settingsFile, name);
    // The folder may have changed since the switcher last looked.
    askSwitcher([&](ProfileSwitcher& switcher, SwitchTime now) {
        return switcher.profilesChanged(profiles_.switchableProfiles(), now);
    });
    askSwitcher([&](ProfileSwitcher& switcher, SwitchTime now) { return switcher.profileChosen(name, now); });
}

void CGorvikDlg::openProfilesDialog() {
    Win32ProfileStore settingsFile(paths_.settingsPath);
    Win32ProfileStore macroFile(paths_.macroPath);
    MacroStore macros(macroFile);
    Profile current = profileOfProgram(config_.record, deviceLink_.sensorType.load(), macros, settingsFile);
    const std::optional<std::wstring> chosenBefore = chosenOrNothing(readChosenProfile(settingsFile));
    const ProfilesDialogOptions before{readProfileBalloon(settingsFile), sendOnArrival_};
    const ProfilesDialogEnd end =
        runProfilesDialog(hwnd(), dialogLook(), texts_, profiles_, before, chosenBefore, std::move(current));
    if (end.chosen != chosenBefore) {
        writeChosenProfile(settingsFile, end.chosen.value_or(L""));
    }
    if (end.options.switchBalloon != before.switchBalloon) {
        writeProfileBalloon(settingsFile, end.options.switchBalloon);
        if (switcher_) {
            switcher_->setShowBalloons(end.options.switchBalloon);
        }
    }
    if (end.options.sendOnArrival != before.sendOnArrival) {
        toggleSendOnArrival();
    }
    if (end.folderChanged && switcher_) {
        for (const auto& [from, to] : end.renames) {
            switcher_->profileRenamed(from, to);
        }
        askSwitcher([&](ProfileSwitcher& switcher, SwitchTime now) {
            return switcher.profilesChanged(profiles_.switchableProfiles(), now);
        });
    }
    if (IsWindowVisible(hwnd())) {
        // The title bar names the profile in force, which may have a new name or none.
        redrawShownPage(false);
        SetForegroundWindow(hwnd());
    }
}

void CGorvikDlg::keepAppliedInProfile() {
    const std::optional<std::wstring> inForce = switcher_ ? switcher_->profileInForce() : std::nullopt;
    if (!inForce || commit_.editsPending()) {
        return;
    }
    Win32ProfileStore settingsFile(paths_.settingsPath);
    Win32ProfileStore macroFile(paths_.macroPath);
    MacroStore macros(macroFile);
    const Profile applied =
        profileOfProgram(config_.appliedRecord, deviceLink_.sensorType.load(), macros, settingsFile);
    if (const LibraryResult refused = profiles_.replace(*inForce, applied)) {
        showNoticeLater(libraryNotice(*refused, texts_));
        return;
    }
    askSwitcher([&](ProfileSwitcher& switcher, SwitchTime now) {
        return switcher.profilesChanged(profiles_.switchableProfiles(), now);
    });
}

template <typename Event>
void CGorvikDlg::askSwitcher(Event event) {
    if (!switcher_) {
        return;
    }
    switcher_->mouseRecordChanged(config_.appliedRecord);
    const SwitchTime now = tickNow();
    carryOut(switcher_->editsPendingChanged(commit_.editsPending(), now));
    carryOut(event(*switcher_, now));
}

void CGorvikDlg::carryOut(const SwitcherAnswer& answer) {
    // The latest answer says when to look again, if at all.
    if (answer.checkAgainAt) {
        const SwitchTime wait = std::max(*answer.checkAgainAt - tickNow(), SwitchTime(0));
        SetTimer(hwnd(), kProfileSwitchTimer, static_cast<UINT>(wait.count()), nullptr);
    } else {
        KillTimer(hwnd(), kProfileSwitchTimer);
    }
    if (answer.switchTo) {
        putProfileInForce(*answer.switchTo);
    }
}

void CGorvikDlg::putProfileInForce(const ProfileSwitch& change) {
    const std::variant<Profile, LibraryRefusal> loaded = profiles_.load(change.profile);
    if (const auto* refusal = std::get_if<LibraryRefusal>(&loaded)) {
        showNotice(warningNotice(texts_[refusal->text] + L"\n" + refusal->detail));
        return;
    }
    Win32ProfileStore settingsFile(paths_.settingsPath);
    Win32ProfileStore macroFile(paths_.macroPath);
    MacroStore macros(macroFile);
    const ProfileApplied applied =
        applyProfile(std::get<Profile>(loaded), config_.record, macros, settingsFile);
    if (!applied.macrosWritten || !applied.labelsWritten) {
        showNoticeLater(
            Notice{TextKey::ProfileFilesNotWritten, std::wstring(kWarningCaption), NoticeKind::Warning});
    }
    // The labels of the window's language are those the profile wrote.
    readSettings(settingsFile, texts_.settingsSection(), settings_);
    commit_.putProfileInForce(deviceLink_.deviceConnected, change.send);
    if (IsWindowVisible(hwnd())) {
        redrawShownPage(false);
    }
    if (change.showBalloon && trayIcon_) {
        trayIcon_->showBalloon(texts_[TextKey::ProfileInUse], change.profile, kProfileBalloonTimeoutMs);
    }
}
