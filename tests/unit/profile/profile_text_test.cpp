#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "profile/profile_reader.h"
#include "profile/profile_state.h"
#include "profile/profile_writer.h"

namespace {

// The line of `text` that begins with `start`.
std::string lineStarting(const std::string& text, const std::string& start) {
    const std::size_t at = text.find("\n" + start);
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t end = text.find('\n', at + 1);
    return text.substr(at + 1, end - at - 1);
}

ProfileState defaultState() {
    ProfileState state;
    restoreDefaultAssignments(state.record);
    state.sensorType = 1;
    state.record.reportIntervalCode = 1;
    state.record.pointerSpeedPosition = 6;
    state.record.doubleClickPosition = 6;
    state.record.lightingMode = 1;
    state.record.standardColorEffect = 1;
    state.record.respirationColorEffect = 1;
    state.record.neonColorEffect = 2;
    return state;
}

// Each function a page can set reads as its list text and choice on one line.
TEST(ProfileText, ButtonsReadAsTheirFunctionsAndChoices) {
    const struct {
        ButtonFunction function;
        std::string line;
    } cases[] = {
        {PlainFunction{kLeftClick}, R"(5 = "Left Click")"},
        {PlainFunction{kTripleClick}, R"(5 = "Triple-click")"},
        {PlainFunction{kKeyOff}, R"(5 = "Key Off")"},
        {PlainFunction{kUnassigned}, R"(5 = "Unassigned")"},
        {DpiSwitchFunction{4}, R"(5 = "DPI Switch Shift DPI")"},
        {windowsKeyFunction(2), R"(5 = "Windows Calculator")"},
        {multimediaKeyFunction(5), R"(5 = "Multimedia Vol+")"},
        {SingleKeyFunction{0x3E}, R"(5 = "Single Key F5")"},
        {SingleKeyFunction{0}, R"(5 = "Single Key")"},
        {FireKeyFunction{54, 0xF0, 32, 1},
         R"(5 = { function = "Fire Key", key = "L-Button", speed = 32, times = 1 })"},
        {ComboKeyFunction{0x01, 0x06, 0},
         R"(5 = { function = "Combo Key", modifier = "Left Ctrl", first_key = "C", second_key = "" })"},
        {MacroKeyFunction{2, 1}, R"(5 = { function = "Macro Key", macro = 3, repeat = 2 })"},
    };
    for (const auto& c : cases) {
        ProfileState state = defaultState();
        WriteButtonFunction(state.record, KeyMode::ModeA, 4, c.function);
        const Profile profile = makeProfile(state);
        EXPECT_EQ(lineStarting(writeProfileText(profile), "5 = "), c.line);
        EXPECT_TRUE(profile.unnamed.empty()) << c.line;
    }
}

TEST(ProfileText, AProfileOfPageValuesHasNoUnnamedBytes) {
    const std::string text = writeProfileText(makeProfile(defaultState()));
    EXPECT_EQ(text.substr(0, text.find('\n')), "# Krello Marrowin\xC2\xB2 profile, format 1");
    EXPECT_EQ(text.find("[unnamed]"), std::string::npos);
    EXPECT_EQ(lineStarting(text, "1 = { dpi"), R"(1 = { dpi = 600, on = false, colour = "#000000" })");
    EXPECT_EQ(lineStarting(text, "report_rate"), "report_rate = 1000");
}

// One refusal per fault: the profile of the default state with one line replaced.
TEST(ProfileText, RefusesAFaultyProfileNamingItsLine) {
    const std::string valid = writeProfileText(makeProfile(defaultState()));
    const std::string tooLong = [] {
        std::string lines;
        for (int i = 0; i < 40; ++i) {
            lines += "\"A   Dn\", \"1500 ms\", ";
        }
        return "[[macros]]\nname = \"Long\"\nloop_times = 1\nlines = [" + lines + "]\n";
    }();
    const struct {
        std::string replaced;
        std::string replacement;
        std::string reason;
    } cases[] = {
        {"report_rate = 1000", "report_rate = 333", "report rate 333 Hz is not one the mouse has"},
        {"report_rate = 1000", "report_rate = \"fast\"", "report rate is not a whole number"},
        {"report_rate = 1000", "report_rate = 1000\nspeed = 3", "unknown key \"speed\" in the profile"},
        {"report_rate = 1000", "report_rate = 1000\nprograms = [\"bin/game.exe\"]",
         "program \"bin/game.exe\" is not a file name"},
        {"report_rate = 1000", "report_rate = 1000\nprograms = [\"game.exe\", \"GAME.exe\"]",
         "program \"GAME.exe\" is named twice"},
        {"report_rate = 1000", "report_rate = 1000\nprograms = \"game.exe\"", "programs is not a list"},
        {"format = 1", "format = 2", "this program reads profile format 1"},
        {"format = 1", "format = 1\u3001", "expected digit, saw '\u3001'"},
        {"key_mode = \"Mode A\"", "key_mode = \"Mode A\" \u00e4", "saw '\u00e4'"},
        {"format = 1", "format = 1 # \ue123", "a character of the private use area"},
        {"5 = \"Backward\"", "5 = \"R\u00fcckw\u00e4rts\"",
         "unknown button function \"R\u00fcckw\u00e4rts\""},
        {"report_rate = 1000",
         "report_rate = 1000 # \u00e4\u3001\nx = \"\"\"\u00e4\n\u3001\"\"\"\"\ny = '\u00e4'",
         "unknown key \"x\" in the profile"},
        {"key_mode = \"Mode A\"", "key_mode = \"Mode C\"", "key mode is \"Mode A\" or \"Mode B\""},
        {"key_mode = \"Mode A\"", "key_mode = \"Mode A", "Error while parsing"},
        {"1 = { dpi = 600,", "1 = { dpi = 900,", "sensor type 1 cannot do 900 DPI"},
        {"1 = { dpi = 600,", "1 = { dpi = 600, step = 2,", "DPI stage 1 needs either dpi or step"},
        {"colour = \"#000000\" }", "colour = \"red\" }", "colour \"red\" is not #RRGGBB"},
        {"5 = \"Backward\"", "5 = \"Backwards\"", "unknown button function \"Backwards\""},
        {"5 = \"Backward\"", "5 = \"Single Key F13\"", "unknown button function \"Single Key F13\""},
        {"5 = \"Backward\"", "5 = { function = \"Fire Key\", key = \"A\", speed = 4, times = 1 }",
         "speed 4 is out of range (5 to 255)"},
        {"5 = \"Backward\"", "13 = \"Backward\"", "unknown key \"13\" in [buttons.mode_a] (1 to 12)"},
        {"5 = \"Backward\"", "", "[buttons.mode_a] has no 5"},
        {"mode = \"Standard\"", "mode = \"Disco\"", "unknown lighting mode \"Disco\""},
        {"speed = 6", "speed = 12", "pointer speed 12 is out of range (1 to 11)"},
        {"double_click = 6", "double_click = 6\n" + tooLong, "macro \"Long\" is too long for the mouse"},
        {"double_click = 6", "double_click = 6\n[unnamed]\n0x07c0 = \"01 02\"",
         "unnamed bytes at 0x07c0 run past the end of the record"},
        {"double_click = 6", "double_click = 6\n[unnamed]\n0x0010 = \"01 02\"\n0x11 = \"03\"",
         "unnamed bytes overlap the bytes at an earlier offset"},
        {"double_click = 6", "double_click = 6\n[labels.klingon.mode_a]",
         "unknown language \"klingon\" in [labels]"},
    };
    for (const auto& c : cases) {
        const std::size_t at = valid.find(c.replaced);
        ASSERT_NE(at, std::string::npos) << c.replaced;
        const std::string text = std::string(valid).replace(at, c.replaced.size(), c.replacement);
        const auto read = readProfileText(text);
        ASSERT_TRUE(std::holds_alternative<ProfileRefusal>(read)) << c.replacement;
        const ProfileRefusal& refusal = std::get<ProfileRefusal>(read);
        EXPECT_NE(refusal.reason.find(c.reason), std::string::npos) << refusal.reason;
        const std::size_t expectedLine =
            1 +
            static_cast<std::size_t>(std::count(valid.begin(), valid.begin() + static_cast<long>(at), '\n'));
        EXPECT_GE(refusal.line + 6, expectedLine) << c.replacement << ": " << refusal.reason;
        EXPECT_LE(refusal.line, expectedLine + 3) << c.replacement << ": " << refusal.reason;
    }
}

} // namespace
