#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "profile/profile_switcher.h"

namespace {

// Three profiles: "Desktop" (chosen at start, what the mouse holds), "Shooter" for game.exe and
// GAME2.EXE, and "Copy", which holds the same record as "Shooter" and names edit.exe.
DeviceConfigRecord recordWithRate(uint8_t code) {
    DeviceConfigRecord record{};
    record.reportIntervalCode = code;
    return record;
}

std::vector<SwitchableProfile> profiles() {
    return {{L"Desktop", {}, recordWithRate(1)},
            {L"Shooter", {L"game.exe", L"GAME2.EXE"}, recordWithRate(8)},
            {L"Copy", {L"edit.exe"}, recordWithRate(8)}};
}

enum class Event {
    Foreground,
    Timer,
    Choose,
    EditsPending,
    EditsDone,
    Balloons,
    DeleteShooter,
    RenameDesktop
};

struct Step {
    int at; // milliseconds
    Event event;
    std::optional<std::wstring> text; // the program in front, or the profile chosen
    std::optional<ProfileSwitch> switchTo;
    std::optional<int> checkAgainAt;
};

SwitcherAnswer feed(ProfileSwitcher& switcher, const Step& step) {
    const SwitchTime now{step.at};
    switch (step.event) {
    case Event::Foreground:
        return switcher.foregroundChanged(step.text, now);
    case Event::Timer:
        return switcher.timerFired(now);
    case Event::Choose:
        return switcher.profileChosen(*step.text, now);
    case Event::EditsPending:
        return switcher.editsPendingChanged(true, now);
    case Event::EditsDone:
        return switcher.editsPendingChanged(false, now);
    case Event::Balloons:
        switcher.setShowBalloons(true);
        return {};
    case Event::DeleteShooter: {
        std::vector<SwitchableProfile> rest = profiles();
        rest.erase(rest.begin() + 1);
        return switcher.profilesChanged(rest, now);
    }
    case Event::RenameDesktop: {
        switcher.profileRenamed(L"desktop", L"Office");
        std::vector<SwitchableProfile> renamed = profiles();
        renamed[0].name = L"Office";
        return switcher.profilesChanged(renamed, now);
    }
    }
    return {};
}

ProfileSwitch to(const wchar_t* profile, bool send, bool balloon = false) {
    return {profile, send, balloon};
}

TEST(ProfileSwitcher, AnswersEachEventWithASwitchOrATimeToCheckAgain) {
    using E = Event;
    const struct {
        const char* scenario;
        std::vector<Step> steps;
    } cases[] = {
        {"a game that stays in front half a second switches, sending its record",
         {{1000, E::Foreground, L"game.exe", {}, 1500}, {1500, E::Timer, {}, to(L"Shooter", true), {}}}},
        {"program names compare without regard to case",
         {{0, E::Foreground, L"Game2.exe", {}, 500}, {500, E::Timer, {}, to(L"Shooter", true), {}}}},
        {"a glance at the game switches nothing",
         {{0, E::Foreground, L"game.exe", {}, 500},
          {200, E::Foreground, L"explorer.exe", {}, {}},
          {500, E::Timer, {}, {}, {}}}},
        {"another window of the same program keeps its time",
         {{0, E::Foreground, L"game.exe", {}, 500},
          {300, E::Foreground, L"GAME.exe", {}, 500},
          {500, E::Timer, {}, to(L"Shooter", true), {}}}},
        {"leaving the game puts the chosen profile back after the stay",
         {{0, E::Foreground, L"game.exe", {}, 500},
          {500, E::Timer, {}, to(L"Shooter", true), {}},
          {2000, E::Foreground, {}, {}, 2500},
          {2500, E::Timer, {}, to(L"Desktop", true), {}}}},
        {"a switch to the record the mouse already holds sends nothing",
         {{0, E::Foreground, L"game.exe", {}, 500},
          {500, E::Timer, {}, to(L"Shooter", true), {}},
          {1000, E::Foreground, L"edit.exe", {}, 1500},
          {1500, E::Timer, {}, to(L"Copy", false), {}}}},
        {"pending edits hold the switch until they are applied or cancelled",
         {{0, E::EditsPending, {}, {}, {}},
          {100, E::Foreground, L"game.exe", {}, 600},
          {600, E::Timer, {}, {}, {}},
          {4000, E::EditsDone, {}, to(L"Shooter", true), {}}}},
        {"edits done before the stay is over wait for the rest of it",
         {{0, E::EditsPending, {}, {}, {}},
          {100, E::Foreground, L"game.exe", {}, 600},
          {300, E::EditsDone, {}, {}, 600},
          {600, E::Timer, {}, to(L"Shooter", true), {}}}},
        {"the user's choice is in force at once, with a balloon when asked for",
         {{0, E::Balloons, {}, {}, {}}, {10, E::Choose, L"copy", to(L"Copy", true, true), {}}}},
        {"choosing while a game's profile is in force changes nothing until the game leaves",
         {{0, E::Foreground, L"game.exe", {}, 500},
          {500, E::Timer, {}, to(L"Shooter", true), {}},
          {700, E::Choose, L"Copy", {}, {}},
          {900, E::Foreground, L"explorer.exe", {}, 1400},
          {1400, E::Timer, {}, to(L"Copy", false), {}}}},
        {"a program no profile names leaves the chosen profile in force",
         {{0, E::Foreground, L"notepad.exe", {}, {}}}},
        {"a deleted profile's program no longer switches",
         {{0, E::DeleteShooter, {}, {}, {}}, {10, E::Foreground, L"game.exe", {}, {}}}},
        {"the chosen profile renamed stays chosen under its new name",
         {{0, E::RenameDesktop, {}, {}, {}},
          {10, E::Foreground, L"game.exe", {}, 510},
          {510, E::Timer, {}, to(L"Shooter", true), {}},
          {1000, E::Foreground, {}, {}, 1500},
          {1500, E::Timer, {}, to(L"Office", true), {}}}},
    };
    for (const auto& c : cases) {
        ProfileSwitcher switcher(profiles(), L"Desktop", recordWithRate(1), false);
        for (const Step& step : c.steps) {
            const SwitcherAnswer answer = feed(switcher, step);
            EXPECT_EQ(answer.switchTo, step.switchTo) << c.scenario << ", at " << step.at << " ms";
            const std::optional<SwitchTime> due =
                step.checkAgainAt ? std::optional(SwitchTime{*step.checkAgainAt}) : std::nullopt;
            EXPECT_EQ(answer.checkAgainAt, due) << c.scenario << ", at " << step.at << " ms";
        }
    }
}

} // namespace
