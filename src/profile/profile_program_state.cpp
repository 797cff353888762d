#include "profile/profile_program_state.h"

#include <algorithm>

#include "profile/profile_state.h"
#include "profile/profile_stores.h"

namespace {

// Leaves record.ini with the given macros only, in their order, so that macro n fills slot n as
// the profile's record has it.
bool replaceMacros(MacroStore& store, const std::vector<ProfileMacro>& macros) {
    bool written = true;
    for (const std::wstring& name : store.listMacros()) {
        written = store.deleteMacro(name) && written;
    }
    for (const ProfileMacro& macro : macros) {
        written = store.writeMacro(macro.name, macro.loopTimes, macro.lines) && written;
    }
    return written && readProfileMacros(store) == macros;
}

} // namespace

Profile profileOfProgram(const DeviceConfigRecord& record, uint8_t sensorType, MacroStore& macros,
                         ProfileStore& settings) {
    return makeProfile({record, sensorType, readProfileMacros(macros), readProfileLabels(settings)});
}

ProfileApplied applyProfile(const Profile& profile, DeviceConfigRecord& record, MacroStore& macros,
                            ProfileStore& settings) {
    const ProfileState state = stateOfProfile(profile);
    record = state.record;
    ProfileApplied applied;
    if (state.macros) {
        applied.macrosWritten = replaceMacros(macros, *state.macros);
    }
    writeProfileLabels(settings, state.labels);
    const std::vector<ProfileLabels> stored = readProfileLabels(settings);
    applied.labelsWritten = std::ranges::all_of(state.labels, [&](const ProfileLabels& wanted) {
        return std::ranges::find(stored, wanted) != stored.end();
    });
    return applied;
}
