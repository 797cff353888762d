#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "assign/button_function.h"
#include "config/app_settings.h"
#include "config/device_config_record.h"
#include "lang/language.h"
#include "settings/dpi_stages.h"

// A profile: the whole configuration of the mouse and the program's texts about it, as one value
// that can be saved to a file and loaded back. Every field holds a value one of the pages can set;
// whatever else the record holds (reserved bytes, fields of functions a button no longer has, values
// written by hand) lies in `unnamed` as the stored bytes, so a profile gives back its record exactly.

inline constexpr int kProfileFormatVersion = 1;

struct ProfileDpiStage {
    uint8_t step = 0; // 0-based position on the sensor's DPI scale, as the record keeps it
    bool on = false;
    RgbColour colour;
    bool operator==(const ProfileDpiStage&) const = default;
};

// The lighting fields the panel can set; a field the record holds another value in is left out.
struct ProfileLighting {
    std::optional<uint8_t> mode; // 0 Off, 1 Standard, 2 Respiration, 3 Neon
    std::optional<uint8_t> standardBrightness;
    std::optional<uint8_t> respirationCycle;
    std::optional<uint8_t> respirationEffect;
    std::optional<uint8_t> neonCycle;
    std::optional<uint8_t> neonEffect;
    bool operator==(const ProfileLighting&) const = default;
};

// The Windows pointer settings as the advanced page shows them from the record.
struct ProfilePointer {
    uint8_t speedPosition = 1; // 1..11
    bool enhancePrecision = false;
    uint8_t scrollLines = 0; // 0..11
    bool scrollOneScreen = false;
    uint8_t doubleClickPosition = 1; // 1..11
    bool operator==(const ProfilePointer&) const = default;
};

// One macro as record.ini holds it, texts unchanged.
struct ProfileMacro {
    std::wstring name;
    std::wstring loopTimes;
    std::vector<std::wstring> lines;
    bool operator==(const ProfileMacro&) const = default;
};

// The button labels str.ini keeps for one language.
struct ProfileLabels {
    Language language = Language::English;
    ButtonLabels modeA;
    ButtonLabels modeB;
    bool operator==(const ProfileLabels&) const = default;
};

// Record bytes from `offset` on, stored as they are.
struct UnnamedBytes {
    std::size_t offset = 0;
    std::vector<uint8_t> bytes;
    bool operator==(const UnnamedBytes&) const = default;
};

using ProfileButtons = std::array<ButtonFunction, kButtonSlotCount>;

struct Profile {
    KeyMode keyMode = KeyMode::ModeA;
    ProfileButtons modeA{};
    ProfileButtons modeB{};
    std::optional<uint8_t> reportIntervalCode; // 1, 2, 4 or 8; nothing for a code the mouse does not know
    uint8_t sensorType = 0;                    // the sensor whose DPI scale the stages' steps are on
    std::array<ProfileDpiStage, kDpiStageCount> dpiStages{};
    ProfileLighting lighting;
    ProfilePointer pointer;
    std::optional<std::vector<ProfileMacro>> macros; // nothing: record.ini is not part of the profile
    std::vector<ProfileLabels> labels;               // the languages str.ini has labels for
    std::vector<UnnamedBytes> unnamed;               // ascending, not overlapping
    // The programs ("game.exe") that put the profile in force while they are in front; not part of
    // the configuration.
    std::vector<std::wstring> programs;

    ProfileButtons& buttons(KeyMode mode) { return mode == KeyMode::ModeA ? modeA : modeB; }
    const ProfileButtons& buttons(KeyMode mode) const { return mode == KeyMode::ModeA ? modeA : modeB; }
    bool operator==(const Profile&) const = default;
};
