// A profile file as a user may hand the program one to import: any text through the reader. Traps
// when an accepted profile written out and read again is another profile, or when the record it
// describes does not come back byte for byte through a profile made from it.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <variant>

#include "profile/profile_reader.h"
#include "profile/profile_state.h"
#include "profile/profile_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto read = readProfileText(std::string_view(reinterpret_cast<const char*>(data), size));
    const Profile* profile = std::get_if<Profile>(&read);
    if (profile == nullptr) {
        return 0;
    }
    const auto again = readProfileText(writeProfileText(*profile));
    if (!std::holds_alternative<Profile>(again) || std::get<Profile>(again) != *profile) {
        __builtin_trap();
    }
    const ProfileState state = stateOfProfile(*profile);
    const DeviceConfigRecord back = recordOfProfile(makeProfile(state));
    if (std::memcmp(&back, &state.record, sizeof back) != 0) {
        __builtin_trap();
    }
    return 0;
}
