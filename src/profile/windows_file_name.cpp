#include "profile/windows_file_name.h"

#include <algorithm>
#include <array>

#include "config/profile_name.h"

namespace {

constexpr std::wstring_view kForbiddenCharacters = L"\\/:*?\"<>|";

bool isReservedDeviceName(std::wstring_view name) {
    // Windows reserves the device names with any extension too ("nul.txt").
    const std::wstring_view base = name.substr(0, name.find(L'.'));
    static constexpr std::array<std::wstring_view, 4> kDevices = {L"CON", L"PRN", L"AUX", L"NUL"};
    if (std::ranges::any_of(kDevices,
                            [&](std::wstring_view device) { return profileNamesEqual(base, device); })) {
        return true;
    }
    if (base.size() != 4 || base[3] < L'1' || base[3] > L'9') {
        return false;
    }
    return profileNamesEqual(base.substr(0, 3), L"COM") || profileNamesEqual(base.substr(0, 3), L"LPT");
}

} // namespace

bool canBeWindowsFileName(std::wstring_view name) {
    if (name.empty() || name.size() > kLongestFileName || name.front() == L' ' || name.back() == L' ' ||
        name.back() == L'.') {
        return false;
    }
    if (std::ranges::any_of(name, [](wchar_t c) {
            return c < 0x20 || c == 0x7F || kForbiddenCharacters.find(c) != std::wstring_view::npos;
        })) {
        return false;
    }
    return !isReservedDeviceName(name);
}
