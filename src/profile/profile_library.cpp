#include "profile/profile_library.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <system_error>
#include <cwctype>

#include "config/config_file_writer.h"
#include "config/data_paths.h"
#include "config/profile_name.h"
#include "config/text_encoding.h"
#include "config/wide_path.h"
#include "profile/profile_reader.h"
#include "profile/profile_state.h"
#include "profile/profile_writer.h"
#include "profile/windows_file_name.h"

namespace {

constexpr wchar_t kExtension[] = L".toml";
constexpr wchar_t kProfilesFolderName[] = L"Profiles";
// Far beyond a profile with twelve macros at their longest and the labels of four languages.
constexpr std::uintmax_t kLargestProfile = 4u << 20;

LibraryRefusal refusal(TextKey text, std::wstring detail = {}) {
    return {text, std::move(detail)};
}

std::optional<std::string> readFile(const std::wstring& path) {
    std::error_code error;
    const std::filesystem::path file = pathFromWide(path);
    if (!std::filesystem::is_regular_file(file, error) ||
        std::filesystem::file_size(file, error) > kLargestProfile || error) {
        return std::nullopt;
    }
    std::ifstream stream(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (!stream.good() && !stream.eof()) {
        return std::nullopt;
    }
    return text;
}

// Writes `text` beside `path` and renames it into place.
bool writeFile(const std::wstring& path, const std::string& text) {
    PortableConfigFileWriter writer;
    const std::filesystem::path target = pathFromWide(path);
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    if (writer.writeNewFile(temporary,
                            std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())) == 0 &&
        writer.replaceFile(temporary, target) == 0) {
        return true;
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
}

std::variant<Profile, LibraryRefusal> profileOfText(const std::string& text, const std::wstring& path) {
    auto read = readProfileText(text);
    if (const auto* refused = std::get_if<ProfileRefusal>(&read)) {
        return refusal(TextKey::ProfileFileRefused, path + L":" + std::to_wstring(refused->line) + L": " +
                                                        decodeText(refused->reason).text);
    }
    return std::get<Profile>(std::move(read));
}

} // namespace

std::wstring profilesFolder(const std::wstring& exePath) {
    return exeFolder(exePath) + kProfilesFolderName;
}

ProfileLibrary::ProfileLibrary(std::wstring folder) : folder_(std::move(folder)) {}

std::vector<std::wstring> ProfileLibrary::names() const {
    std::vector<std::wstring> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(pathFromWide(folder_), error)) {
        const std::wstring file = wideFromPath(entry.path().filename());
        const std::size_t length = file.size() - std::size(kExtension) + 1;
        if (file.size() >= std::size(kExtension) && profileNamesEqual(file.substr(length), kExtension) &&
            entry.is_regular_file(error)) {
            names.push_back(file.substr(0, length));
        }
    }
    std::ranges::sort(names, [](const std::wstring& a, const std::wstring& b) {
        return std::ranges::lexicographical_compare(a, b, [](wchar_t x, wchar_t y) {
            return std::towlower(static_cast<wint_t>(x)) < std::towlower(static_cast<wint_t>(y));
        });
    });
    return names;
}

std::optional<std::wstring> ProfileLibrary::storedName(const std::wstring& name) const {
    for (std::wstring& stored : names()) {
        if (profileNamesEqual(stored, name)) {
            return std::move(stored);
        }
    }
    return std::nullopt;
}

std::wstring ProfileLibrary::pathOf(const std::wstring& name) const {
    return folder_ + L"/" + name + kExtension;
}

std::variant<Profile, LibraryRefusal> ProfileLibrary::load(const std::wstring& name) const {
    const std::optional<std::wstring> stored = storedName(name);
    if (!stored) {
        return refusal(TextKey::ProfileMissing, name);
    }
    const std::wstring path = pathOf(*stored);
    const std::optional<std::string> text = readFile(path);
    if (!text) {
        return refusal(TextKey::ProfileMissing, name);
    }
    return profileOfText(*text, path);
}

LibraryResult ProfileLibrary::checkNewName(const std::wstring& name,
                                           const std::optional<std::wstring>& renamed) const {
    if (!canBeWindowsFileName(name)) {
        return refusal(TextKey::ProfileNameNotAllowed, name);
    }
    const std::optional<std::wstring> existing = storedName(name);
    if (existing && !(renamed && profileNamesEqual(*existing, *renamed))) {
        return refusal(TextKey::ProfileNameExists, *existing);
    }
    return std::nullopt;
}

LibraryResult ProfileLibrary::checkPrograms(const std::wstring& name,
                                            const std::vector<std::wstring>& programs) const {
    for (const std::wstring& program : programs) {
        if (!canBeWindowsFileName(program)) {
            return refusal(TextKey::ProgramNameNotAllowed, program);
        }
    }
    for (const SwitchableProfile& other : switchableProfiles()) {
        if (profileNamesEqual(other.name, name)) {
            continue;
        }
        for (const std::wstring& program : programs) {
            if (std::ranges::any_of(other.programs, [&](const std::wstring& taken) {
                    return profileNamesEqual(taken, program);
                })) {
                return refusal(TextKey::ProgramInOtherProfile, other.name);
            }
        }
    }
    return std::nullopt;
}

LibraryResult ProfileLibrary::write(const std::wstring& name, const Profile& profile) {
    std::error_code error;
    std::filesystem::create_directories(pathFromWide(folder_), error);
    if (!writeFile(pathOf(name), writeProfileText(profile))) {
        return refusal(TextKey::ProfileNotWritten, pathOf(name));
    }
    return std::nullopt;
}

LibraryResult ProfileLibrary::saveNew(const std::wstring& name, const Profile& profile) {
    if (LibraryResult refused = checkNewName(name, std::nullopt)) {
        return refused;
    }
    if (LibraryResult refused = checkPrograms(name, profile.programs)) {
        return refused;
    }
    return write(name, profile);
}

LibraryResult ProfileLibrary::replace(const std::wstring& name, const Profile& profile) {
    auto loaded = load(name);
    if (auto* refused = std::get_if<LibraryRefusal>(&loaded)) {
        return std::move(*refused);
    }
    Profile replacement = profile;
    replacement.programs = std::get<Profile>(loaded).programs;
    return write(*storedName(name), replacement);
}

LibraryResult ProfileLibrary::rename(const std::wstring& from, const std::wstring& to) {
    const std::optional<std::wstring> stored = storedName(from);
    if (!stored) {
        return refusal(TextKey::ProfileMissing, from);
    }
    if (LibraryResult refused = checkNewName(to, stored)) {
        return refused;
    }
    const std::filesystem::path original = pathFromWide(pathOf(*stored));
    const std::filesystem::path target = pathFromWide(pathOf(to));
    std::error_code error;
    if (!profileNamesEqual(*stored, to)) {
        std::filesystem::rename(original, target, error);
    } else {
        // A name that differs in case only goes through a name of its own: renaming a file onto
        // itself changes nothing where names are compared without regard to case.
        std::filesystem::path between = original;
        between += ".rename";
        std::filesystem::rename(original, between, error);
        if (!error) {
            std::filesystem::rename(between, target, error);
        }
        if (error) {
            std::error_code ignored;
            std::filesystem::rename(between, original, ignored);
        }
    }
    if (error) {
        return refusal(TextKey::ProfileNotWritten, pathOf(to));
    }
    return std::nullopt;
}

LibraryResult ProfileLibrary::remove(const std::wstring& name) {
    const std::optional<std::wstring> stored = storedName(name);
    if (!stored) {
        return refusal(TextKey::ProfileMissing, name);
    }
    std::error_code error;
    if (!std::filesystem::remove(pathFromWide(pathOf(*stored)), error) || error) {
        return refusal(TextKey::ProfileNotWritten, pathOf(*stored));
    }
    return std::nullopt;
}

LibraryResult ProfileLibrary::exportTo(const std::wstring& name, const std::wstring& path) const {
    auto loaded = load(name);
    if (auto* refused = std::get_if<LibraryRefusal>(&loaded)) {
        return std::move(*refused);
    }
    if (!writeFile(path, writeProfileText(std::get<Profile>(loaded)))) {
        return refusal(TextKey::ProfileNotWritten, path);
    }
    return std::nullopt;
}

std::variant<std::wstring, LibraryRefusal> ProfileLibrary::importFrom(const std::wstring& path) {
    const std::optional<std::string> text = readFile(path);
    if (!text) {
        return refusal(TextKey::ProfileMissing, path);
    }
    auto read = profileOfText(*text, path);
    if (auto* refused = std::get_if<LibraryRefusal>(&read)) {
        return std::move(*refused);
    }
    std::wstring name = wideFromPath(pathFromWide(path).stem());
    if (LibraryResult refused = saveNew(name, std::get<Profile>(read))) {
        return std::move(*refused);
    }
    return name;
}

LibraryResult ProfileLibrary::setPrograms(const std::wstring& name,
                                          const std::vector<std::wstring>& programs) {
    auto loaded = load(name);
    if (auto* refused = std::get_if<LibraryRefusal>(&loaded)) {
        return std::move(*refused);
    }
    Profile profile = std::get<Profile>(std::move(loaded));
    profile.programs.clear();
    for (const std::wstring& program : programs) {
        if (std::ranges::none_of(profile.programs, [&](const std::wstring& kept) {
                return profileNamesEqual(kept, program);
            })) {
            profile.programs.push_back(program);
        }
    }
    if (LibraryResult refused = checkPrograms(name, profile.programs)) {
        return refused;
    }
    return write(*storedName(name), profile);
}

std::vector<SwitchableProfile> ProfileLibrary::switchableProfiles() const {
    std::vector<SwitchableProfile> profiles;
    for (const std::wstring& name : names()) {
        const auto loaded = load(name);
        if (const auto* profile = std::get_if<Profile>(&loaded)) {
            profiles.push_back({name, profile->programs, recordOfProfile(*profile)});
        }
    }
    return profiles;
}
