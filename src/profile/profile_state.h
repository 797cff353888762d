#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/device_config_record.h"
#include "profile/profile.h"

// What a profile is made from and gives back: the record, the sensor type the DPI steps refer to,
// the macros of record.ini and the button labels of str.ini.
struct ProfileState {
    DeviceConfigRecord record{};
    uint8_t sensorType = 0;
    std::optional<std::vector<ProfileMacro>> macros; // nothing: leave record.ini out
    std::vector<ProfileLabels> labels;
};

// The profile of a state. Each named field holds what the pages show for the record; the bytes
// those fields do not give back (see recordOfProfile) are kept in `unnamed`, so that
// recordOfProfile(makeProfile(state)) is the state's record byte for byte.
Profile makeProfile(const ProfileState& state);

// The state a profile describes. The record is built from an all-zero one holding the fixed colour
// effect of the Standard lighting mode: first the macro area from the first twelve macros as Confirm
// encodes them, then the unnamed bytes, then every named setting over them, so that what a user
// writes by name wins. A setting that names what the unnamed bytes under it already name leaves
// them as they are (a pointer position off the scale stays as stored until the user names another).
// A macro that does not fit its slot leaves the slot empty (a profile read from a file never holds
// one).
ProfileState stateOfProfile(const Profile& profile);
DeviceConfigRecord recordOfProfile(const Profile& profile);
