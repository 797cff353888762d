#include <gtest/gtest.h>

#include <string>

#include "assign/key_names.h"
#include "profile/profile_reader.h"
#include "profile/profile_state.h"
#include "profile/profile_writer.h"

namespace {

// A record as the factory ships it: button 5 of mode A a single key whose fire-key fields still hold
// bytes from an earlier function, and a pointer speed position off the scale.
ProfileState factoryLikeState() {
    ProfileState state;
    restoreDefaultAssignments(state.record);
    state.sensorType = 1;
    state.record.reportIntervalCode = 1;
    state.record.pointerSpeedPosition = 0x20;
    state.record.doubleClickPosition = 6;
    state.record.lightingMode = 1;
    state.record.standardColorEffect = 1;
    WriteButtonFunction(state.record, KeyMode::ModeA, 4, SingleKeyFunction{0x3E});
    state.record.setA.fireKeySpeed[4] = 9;
    state.record.setA.fireKeyTimes[4] = 3;
    return state;
}

// The record of the exported profile with one line replaced, as a user edits it by hand.
DeviceConfigRecord importedAfterEdit(const std::string& line, const std::string& replacement) {
    std::string text = writeProfileText(makeProfile(factoryLikeState()));
    const std::size_t at = text.find("\n" + line + "\n");
    EXPECT_NE(at, std::string::npos) << line;
    text.replace(at + 1, line.size(), replacement);
    const auto read = readProfileText(text);
    EXPECT_TRUE(std::holds_alternative<Profile>(read)) << std::get<ProfileRefusal>(read).reason;
    return recordOfProfile(std::get<Profile>(read));
}

// What a user writes by name wins over the unnamed bytes; what they leave stays as stored.
TEST(ProfileHandEdit, NamedSettingsWinOverTheUnnamedBytesUnderThem) {
    const struct {
        std::string line;
        std::string replacement;
        ButtonFunction button5;
        uint8_t pointerSpeedByte;
    } cases[] = {
        {"5 = \"Single Key F5\"", "5 = \"Single Key F5\"", SingleKeyFunction{0x3E}, 0x20},
        {"5 = \"Single Key F5\"", "5 = { function = \"Fire Key\", key = \"A\", speed = 40, times = 2 }",
         FireKeyFunction{0, FireKeyCode(0), 40, 2}, 0x20},
        {"5 = \"Single Key F5\"", "5 = \"Single Key F6\"", SingleKeyFunction{0x3F}, 0x20},
        {"speed = 11", "speed = 4", SingleKeyFunction{0x3E}, 4},
        {"speed = 11", "speed = 11", SingleKeyFunction{0x3E}, 0x20},
    };
    for (const auto& c : cases) {
        const DeviceConfigRecord record = importedAfterEdit(c.line, c.replacement);
        EXPECT_EQ(ReadButtonFunction(record, KeyMode::ModeA, 4), c.button5) << c.replacement;
        EXPECT_EQ(record.pointerSpeedPosition, c.pointerSpeedByte) << c.replacement;
    }
}

} // namespace
