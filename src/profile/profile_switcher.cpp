#include "profile/profile_switcher.h"

#include <algorithm>
#include <cstring>

#include "config/profile_name.h"

namespace {

bool sameName(const std::optional<std::wstring>& a, const std::optional<std::wstring>& b) {
    return a.has_value() == b.has_value() && (!a || profileNamesEqual(*a, *b));
}

bool sameRecord(const DeviceConfigRecord& a, const DeviceConfigRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

ProfileSwitcher::ProfileSwitcher(std::vector<SwitchableProfile> profiles, std::optional<std::wstring> chosen,
                                 const DeviceConfigRecord& mouseRecord, bool showBalloons)
    : profiles_(std::move(profiles)), chosen_(chosen), inForce_(std::move(chosen)), mouseRecord_(mouseRecord),
      showBalloons_(showBalloons) {}

SwitcherAnswer ProfileSwitcher::foregroundChanged(std::optional<std::wstring> program, SwitchTime now) {
    // Another window of the same program keeps the time it came to the front.
    if (!sameName(program, foreground_)) {
        foreground_ = std::move(program);
        foregroundSince_ = now;
    }
    return evaluate(now, Wait::ForStay);
}

SwitcherAnswer ProfileSwitcher::timerFired(SwitchTime now) {
    return evaluate(now, Wait::ForStay);
}

SwitcherAnswer ProfileSwitcher::profileChosen(const std::wstring& name, SwitchTime now) {
    chosen_ = name;
    return evaluate(now, sameName(wantedProfile(), chosen_) ? Wait::No : Wait::ForStay);
}

SwitcherAnswer ProfileSwitcher::editsPendingChanged(bool pending, SwitchTime now) {
    editsPending_ = pending;
    return evaluate(now, Wait::ForStay);
}

SwitcherAnswer ProfileSwitcher::profilesChanged(std::vector<SwitchableProfile> profiles, SwitchTime now) {
    profiles_ = std::move(profiles);
    if (chosen_ && profileNamed(*chosen_) == nullptr) {
        chosen_.reset();
    }
    if (inForce_ && profileNamed(*inForce_) == nullptr) {
        inForce_.reset();
    }
    return evaluate(now, Wait::ForStay);
}

void ProfileSwitcher::profileRenamed(const std::wstring& from, const std::wstring& to) {
    for (std::optional<std::wstring>* name : {&chosen_, &inForce_}) {
        if (*name && profileNamesEqual(**name, from)) {
            *name = to;
        }
    }
    for (SwitchableProfile& profile : profiles_) {
        if (profileNamesEqual(profile.name, from)) {
            profile.name = to;
        }
    }
}

void ProfileSwitcher::mouseRecordChanged(const DeviceConfigRecord& record) {
    mouseRecord_ = record;
}

const SwitchableProfile* ProfileSwitcher::profileNamed(const std::wstring& name) const {
    const auto found = std::ranges::find_if(
        profiles_, [&](const SwitchableProfile& profile) { return profileNamesEqual(profile.name, name); });
    return found == profiles_.end() ? nullptr : &*found;
}

std::optional<std::wstring> ProfileSwitcher::wantedProfile() const {
    if (foreground_) {
        for (const SwitchableProfile& profile : profiles_) {
            if (std::ranges::any_of(profile.programs, [&](const std::wstring& program) {
                    return profileNamesEqual(program, *foreground_);
                })) {
                return profile.name;
            }
        }
    }
    if (chosen_ && profileNamed(*chosen_) != nullptr) {
        return profileNamed(*chosen_)->name;
    }
    return std::nullopt;
}

SwitcherAnswer ProfileSwitcher::evaluate(SwitchTime now, Wait wait) {
    const std::optional<std::wstring> wanted = wantedProfile();
    if (!wanted || sameName(wanted, inForce_)) {
        return {};
    }
    const SwitchTime due = foregroundSince_ + kForegroundStay;
    if (wait == Wait::ForStay && now < due) {
        return {std::nullopt, due};
    }
    if (editsPending_) {
        return {};
    }
    inForce_ = wanted;
    const SwitchableProfile& profile = *profileNamed(*wanted);
    const bool send = !sameRecord(profile.record, mouseRecord_);
    mouseRecord_ = profile.record;
    return {ProfileSwitch{profile.name, send, showBalloons_}, std::nullopt};
}
