#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "lang/text_key.h"
#include "profile/profile.h"
#include "profile/profile_switcher.h"

// Why the Profiles folder refused a change: the text the user is told and a detail shown on a line
// of its own below it (the name or path concerned, or FILE:LINE and what is wrong in a refused
// profile file). A refused change leaves every file as it was.
struct LibraryRefusal {
    TextKey text = TextKey::ProfileNotWritten;
    std::wstring detail;
    bool operator==(const LibraryRefusal&) const = default;
};

// Nothing when the change was made.
using LibraryResult = std::optional<LibraryRefusal>;

// The Profiles folder beside the executable: "<exe folder>Profiles".
std::wstring profilesFolder(const std::wstring& exePath);

// The profiles the user keeps: one file "<name>.toml" each in the Profiles folder, the programs that
// put a profile in force stored in its own file, so that a profile copied, exported or imported
// carries them along and no index can fall out of step with the files. Names are compared without
// regard to case, as Windows compares file names, and shown as stored. Every file is written beside
// its target first and then renamed into place.
class ProfileLibrary {
public:
    explicit ProfileLibrary(std::wstring folder);

    // The names of the profile files, sorted without regard to case; none when there is no folder.
    std::vector<std::wstring> names() const;
    std::variant<Profile, LibraryRefusal> load(const std::wstring& name) const;

    // A new profile; the folder is made when missing. The name must be one a Windows file name can
    // hold and no other profile's.
    LibraryResult saveNew(const std::wstring& name, const Profile& profile);
    // The profile's file holds `profile` now, with the programs the file named.
    LibraryResult replace(const std::wstring& name, const Profile& profile);
    LibraryResult rename(const std::wstring& from, const std::wstring& to);
    LibraryResult remove(const std::wstring& name);

    // Writes the profile's file to any path.
    LibraryResult exportTo(const std::wstring& name, const std::wstring& path) const;
    // Takes in a profile file under its own name (the file name without ".toml"); the name of the
    // profile made.
    std::variant<std::wstring, LibraryRefusal> importFrom(const std::wstring& path);

    // The programs ("game.exe") that put the profile in force, each once; a program another profile
    // names already is refused.
    LibraryResult setPrograms(const std::wstring& name, const std::vector<std::wstring>& programs);

    // Every profile whose file reads, for the switcher.
    std::vector<SwitchableProfile> switchableProfiles() const;

private:
    // The stored name equal to `name` without regard to case.
    std::optional<std::wstring> storedName(const std::wstring& name) const;
    std::wstring pathOf(const std::wstring& name) const;
    LibraryResult checkNewName(const std::wstring& name, const std::optional<std::wstring>& renamed) const;
    LibraryResult checkPrograms(const std::wstring& name, const std::vector<std::wstring>& programs) const;
    LibraryResult write(const std::wstring& name, const Profile& profile);

    std::wstring folder_;
};
