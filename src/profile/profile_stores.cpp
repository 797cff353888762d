#include "profile/profile_stores.h"

#include <algorithm>

#include "config/profile_name.h"
#include "profile/profile_keys.h"

std::vector<ProfileMacro> readProfileMacros(MacroStore& store) {
    std::vector<ProfileMacro> macros;
    for (const std::wstring& name : store.listMacros()) {
        StoredMacro stored = store.readMacro(name);
        macros.push_back({name, std::move(stored.loopTimes), std::move(stored.lines)});
    }
    return macros;
}

void writeProfileMacros(MacroStore& store, const std::vector<ProfileMacro>& macros) {
    for (const ProfileMacro& macro : macros) {
        store.writeMacro(macro.name, macro.loopTimes, macro.lines);
    }
}

std::vector<ProfileLabels> readProfileLabels(ProfileStore& settings) {
    const std::vector<std::wstring> sections = settings.sectionNames();
    std::vector<ProfileLabels> result;
    for (const Language language : kProfileLanguages) {
        const std::wstring section = settingsSection(language);
        if (std::ranges::none_of(
                sections, [&](const std::wstring& name) { return profileNamesEqual(name, section); })) {
            continue;
        }
        AppSettings settingsOfLanguage;
        readSettings(settings, section, settingsOfLanguage);
        result.push_back({language, settingsOfLanguage.labelsA, settingsOfLanguage.labelsB});
    }
    return result;
}

void writeProfileLabels(ProfileStore& settings, const std::vector<ProfileLabels>& labels) {
    for (const ProfileLabels& language : labels) {
        AppSettings settingsOfLanguage;
        settingsOfLanguage.labelsA = language.modeA;
        settingsOfLanguage.labelsB = language.modeB;
        writeButtonLabels(settings, settingsSection(language.language), settingsOfLanguage);
    }
}
