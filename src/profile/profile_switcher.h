#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "config/device_config_record.h"

// Switching profiles by the program in front, as a model: the shell feeds it foreground changes,
// the user's choice, the main window's pending edits and its one timer, each with the time it
// happened, and does what the answer says. While a program that a profile names is in front, that
// profile is in force; otherwise the profile the user chose last is. A program must stay in front
// for kForegroundStay before its profile (or, once it leaves, the chosen one) is put in force, so
// that a glance at another window switches nothing.

// Milliseconds on a steady clock with any epoch (GetTickCount64 on Windows).
using SwitchTime = std::chrono::milliseconds;

inline constexpr SwitchTime kForegroundStay{500};

// A profile as the switcher needs it: its name, the programs ("game.exe") that put it in force and
// the record it sends to the mouse.
struct SwitchableProfile {
    std::wstring name;
    std::vector<std::wstring> programs;
    DeviceConfigRecord record{};
};

// A profile to put in force now.
struct ProfileSwitch {
    std::wstring profile;
    bool send = false;        // the mouse holds another configuration: apply the profile's
    bool showBalloon = false; // name the profile in a notification-area balloon
    bool operator==(const ProfileSwitch&) const = default;
};

struct SwitcherAnswer {
    std::optional<ProfileSwitch> switchTo;
    std::optional<SwitchTime> checkAgainAt; // (re)set the one timer for then; nothing: no timer
    bool operator==(const SwitcherAnswer&) const = default;
};

class ProfileSwitcher {
public:
    // At start the profile chosen last is in force and the mouse holds `mouseRecord` (config.bin's).
    ProfileSwitcher(std::vector<SwitchableProfile> profiles, std::optional<std::wstring> chosen,
                    const DeviceConfigRecord& mouseRecord, bool showBalloons);

    // The program in front changed: its executable's file name, or nothing (the desktop, a window
    // whose program cannot be told).
    SwitcherAnswer foregroundChanged(std::optional<std::wstring> program, SwitchTime now);
    // The timer set by an earlier answer went off.
    SwitcherAnswer timerFired(SwitchTime now);
    // The user chose a profile (the tray menu, the Profiles dialog): in force at once unless a
    // program's profile is.
    SwitcherAnswer profileChosen(const std::wstring& name, SwitchTime now);
    // The main window holds edits not yet applied: a switch would lose them, so it waits until they
    // are applied or cancelled.
    SwitcherAnswer editsPendingChanged(bool pending, SwitchTime now);
    // The profiles were added, renamed, deleted or given other programs.
    SwitcherAnswer profilesChanged(std::vector<SwitchableProfile> profiles, SwitchTime now);
    // A profile was renamed: it stays chosen or in force under its new name.
    void profileRenamed(const std::wstring& from, const std::wstring& to);
    // The mouse now holds `record` (after Apply or OK, or a switch that could not be sent).
    void mouseRecordChanged(const DeviceConfigRecord& record);

    void setShowBalloons(bool show) { showBalloons_ = show; }
    const std::optional<std::wstring>& profileInForce() const { return inForce_; }

private:
    enum class Wait { ForStay, No };
    // The profile that should be in force: the first naming the program in front, else the chosen.
    std::optional<std::wstring> wantedProfile() const;
    const SwitchableProfile* profileNamed(const std::wstring& name) const;
    SwitcherAnswer evaluate(SwitchTime now, Wait wait);

    std::vector<SwitchableProfile> profiles_;
    std::optional<std::wstring> chosen_;
    std::optional<std::wstring> inForce_;
    DeviceConfigRecord mouseRecord_{};
    bool showBalloons_ = false;
    std::optional<std::wstring> foreground_;
    SwitchTime foregroundSince_{};
    bool editsPending_ = false;
};
