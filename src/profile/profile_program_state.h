#pragma once

#include <cstdint>

#include "config/device_config_record.h"
#include "config/profile_store.h"
#include "macro/macro_store.h"
#include "profile/profile.h"

// A profile and the program's own state: the record (config.bin's), the macros of record.ini and
// the button labels of str.ini. The tray menu, the Profiles dialog and the switch by the program in
// front all go through these two functions.

// The program's state as a profile, macros and the labels of every language included.
Profile profileOfProgram(const DeviceConfigRecord& record, uint8_t sensorType, MacroStore& macros,
                         ProfileStore& settings);

// Which of the INI files took their part of a profile.
struct ProfileApplied {
    bool macrosWritten = true;
    bool labelsWritten = true;
    bool operator==(const ProfileApplied&) const = default;
};

// Puts a profile into the program's state, as if the user had set every page to it: the record
// (which the commit that follows sends to the mouse and saves to config.bin, and whose pointer
// fields it hands to Windows), record.ini's macros replaced by the profile's in the profile's order
// when it holds macros, and str.ini's labels of each language the profile holds. The pages read
// the labels of their language again afterwards.
ProfileApplied applyProfile(const Profile& profile, DeviceConfigRecord& record, MacroStore& macros,
                            ProfileStore& settings);
