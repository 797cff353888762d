#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/device_config_record.h"
#include "config/profile_store.h"

// The section of str.ini that holds the language code, the text colour and the skin.
inline constexpr wchar_t kSkinsSection[] = L"Skins";

using ButtonLabels = std::array<std::wstring, kButtonSlotCount>;

// What str.ini holds for the user interface besides the language code.
struct AppSettings {
    ButtonLabels labelsA;          // labels of key mode A, slots 0 to 11
    ButtonLabels labelsB;          // labels of key mode B
    std::wstring red, green, blue; // text colour components as decimal text
    std::wstring skinName;         // folder name of the skin under "Skins"

    ButtonLabels& labels(KeyMode mode) { return mode == KeyMode::ModeB ? labelsB : labelsA; }
    const ButtonLabels& labels(KeyMode mode) const { return mode == KeyMode::ModeB ? labelsB : labelsA; }
};

// The key of a button label: "Item1".."Item12" for mode A slots 0..11; "Item13", "Item23", ..,
// "Item123" for mode B slots 0..11.
std::wstring labelKey(KeyMode mode, std::size_t slot);

// Reads the 24 labels from the language's section, then "RColor", "GColor", "BColor" and "Path"
// from "Skins". Missing entries read as empty text.
void readSettings(ProfileStore& store, const std::wstring& languageSection, AppSettings& settings);

// Writes all 24 labels to the language's section, mode A first; empty labels as empty values.
void writeButtonLabels(ProfileStore& store, const std::wstring& languageSection, const AppSettings& settings);

// Writes the text colour as decimal numbers and the skin folder name to "Skins".
void writeSkinSettings(ProfileStore& store, uint8_t red, uint8_t green, uint8_t blue,
                       const std::wstring& skinName);

// The "ApplyOnConnect" value of "Skins": whether the program sends its settings to the mouse on
// every arrival without asking. "1" is on; missing or anything else is off.
bool readSendOnArrival(ProfileStore& store);
void writeSendOnArrival(ProfileStore& store, bool sendOnArrival);

// The "Profile" value of "Skins": the name of the profile the user chose last; empty for none.
std::wstring readChosenProfile(ProfileStore& store);
bool writeChosenProfile(ProfileStore& store, const std::wstring& name);

// The "ProfileBalloon" value of "Skins": whether a balloon names the profile put in force when the
// program in front switches it. "0" is off; missing or anything else is on.
bool readProfileBalloon(ProfileStore& store);
bool writeProfileBalloon(ProfileStore& store, bool show);

// The "Lan" value of "Skins": "CHS", "CHT", "GER", or anything else for English.
std::wstring readLanguageCode(ProfileStore& store);

// A colour component from its decimal text the way _wtoi reads it (leading blanks, optional sign,
// digits up to the first non-digit, 0 for no number), keeping the low 8 bits.
uint8_t colorComponent(const std::wstring& text);
