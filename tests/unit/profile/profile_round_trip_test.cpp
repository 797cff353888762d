#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "assign/key_names.h"
#include "macro/macro_encoding.h"
#include "profile/profile_reader.h"
#include "profile/profile_state.h"
#include "profile/profile_writer.h"

namespace {

// Random states: records of values the pages set, with some bytes then overwritten at random (so
// that both the named settings and the unnamed bytes are exercised), random macros that fit the
// mouse, and labels with characters TOML and the INI files must keep.
class RandomStates {
public:
    explicit RandomStates(uint32_t seed) : random_(seed) {}

    ProfileState next() {
        ProfileState state;
        state.sensorType = static_cast<uint8_t>(below(5));
        fillNamed(state.record, state.sensorType);
        const std::size_t damaged = below(3) == 0 ? 0 : below(40);
        auto* bytes = reinterpret_cast<uint8_t*>(&state.record);
        for (std::size_t i = 0; i < damaged; ++i) {
            bytes[below(kDeviceConfigRecordSize)] = static_cast<uint8_t>(below(256));
        }
        if (below(4) != 0) {
            state.macros = macros();
        }
        for (const Language language : {Language::English, Language::German, Language::SimplifiedChinese}) {
            if (below(2) == 0) {
                state.labels.push_back({language, labels(), labels()});
            }
        }
        return state;
    }

private:
    std::size_t below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }
    uint8_t byteBelow(std::size_t bound) { return static_cast<uint8_t>(below(bound)); }

    // Each is built over an all-zero function of the widest kind, so that copies of a narrower one
    // copy no unset byte (which GCC's optimiser warns of).
    ButtonFunction function() {
        ButtonFunction drawn = FireKeyFunction{};
        switch (below(9)) {
        case 0:
            drawn =
                PlainFunction{static_cast<uint8_t>(std::vector<int>{0, 1, 2, 3, 4, 5, 7, 14, 15}[below(9)])};
            break;
        case 1:
            drawn = DpiSwitchFunction{static_cast<uint8_t>(1 + below(4))};
            break;
        case 2:
            drawn = windowsKeyFunction(below(11));
            break;
        case 3:
            drawn = multimediaKeyFunction(below(7));
            break;
        case 4: {
            const uint8_t item = byteBelow(kFireKeyCount);
            drawn = FireKeyFunction{item, FireKeyCode(item), static_cast<uint8_t>(5 + below(251)),
                                    byteBelow(256)};
            break;
        }
        case 5:
            drawn = SingleKeyFunction{keyCode()};
            break;
        case 6:
            drawn = ComboKeyFunction{below(3) == 0 ? uint8_t{0} : static_cast<uint8_t>(1u << below(8)),
                                     keyCode(), keyCode()};
            break;
        case 7:
            drawn = MacroKeyFunction{byteBelow(12), byteBelow(3)};
            break;
        default:
            drawn = PlainFunction{kUnassigned};
            break;
        }
        return drawn;
    }

    uint8_t keyCode() {
        const uint8_t code = byteBelow(0xF3);
        return KeyCodeToName(code).empty() ? 0 : code;
    }

    void fillNamed(DeviceConfigRecord& record, uint8_t sensorType) {
        record.keyMode = byteBelow(2);
        for (const KeyMode mode : {KeyMode::ModeA, KeyMode::ModeB}) {
            for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
                WriteButtonFunction(record, mode, slot, function());
            }
        }
        record.reportIntervalCode = static_cast<uint8_t>(1u << below(4));
        for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
            record.dpiPosition[stage] = byteBelow(sensorType >= 1 && sensorType <= 3 ? 8 : 12);
            record.dpiStageEnabled[stage] = byteBelow(2);
            record.stageColor[stage] = {byteBelow(256), byteBelow(256), byteBelow(256)};
        }
        record.lightingMode = static_cast<uint8_t>(1 + below(3));
        record.standardBrightness = byteBelow(10);
        record.respirationCycle = byteBelow(5);
        record.neonCycle = byteBelow(30);
        record.standardColorEffect = 1;
        record.respirationColorEffect = static_cast<uint8_t>(1 + below(2));
        record.neonColorEffect = static_cast<uint8_t>(2 + below(2));
        record.enhancePointerPrecision = byteBelow(2);
        record.scrollOneScreen = byteBelow(2);
        record.pointerSpeedPosition = static_cast<uint8_t>(1 + below(11));
        record.scrollLines = byteBelow(12);
        record.doubleClickPosition = static_cast<uint8_t>(1 + below(11));
    }

    std::wstring text(std::size_t longest) {
        static const std::wstring kCharacters = L"aZ 9_-+\"\\'#=[]{}.,\u00e4\u00df\u4e2d\u6587\u00b2\t";
        std::wstring result;
        const std::size_t length = below(longest + 1);
        for (std::size_t i = 0; i < length; ++i) {
            result += kCharacters[below(kCharacters.size())];
        }
        // The INI files keep neither blanks nor tabs at the ends of a value.
        while (!result.empty() && (result.back() == L' ' || result.back() == L'\t')) {
            result.pop_back();
        }
        while (!result.empty() && (result.front() == L' ' || result.front() == L'\t')) {
            result.erase(0, 1);
        }
        return result;
    }

    ButtonLabels labels() {
        ButtonLabels result;
        for (std::wstring& label : result) {
            label = text(20);
        }
        return result;
    }

    std::vector<ProfileMacro> macros() {
        static const std::vector<std::wstring> kKeys = {L"A",     L"F5",    L"L-Button",
                                                        L"Num +", L"Shift", L"Unknown"};
        std::vector<ProfileMacro> result;
        const std::size_t count = below(13);
        for (std::size_t n = 0; n < count; ++n) {
            ProfileMacro macro;
            // Brackets cannot stand in a section name.
            macro.name = L"Macro " + text(8) + std::to_wstring(n);
            std::erase_if(macro.name, [](wchar_t c) { return c == L'[' || c == L']'; });
            macro.loopTimes = below(4) == 0 ? text(5) : std::to_wstring(1 + below(65535));
            const std::size_t keyLines = below(25);
            for (std::size_t i = 0; i < keyLines; ++i) {
                const std::wstring& key = kKeys[below(kKeys.size())];
                macro.lines.push_back(key + (below(2) == 0 ? L"   Dn" : L"   Up"));
                macro.lines.push_back(std::to_wstring(below(2000)) + L" ms");
            }
            if (encodeMacro(macro.loopTimes, macro.lines)) {
                result.push_back(std::move(macro));
            }
        }
        return result;
    }

    std::mt19937 random_;
};

TEST(ProfileRoundTrip, RandomStatesComeBackByteForByte) {
    RandomStates states(20261208);
    for (int i = 0; i < 300; ++i) {
        const ProfileState state = states.next();
        const Profile profile = makeProfile(state);
        const std::string text = writeProfileText(profile);
        const auto read = readProfileText(text);
        ASSERT_TRUE(std::holds_alternative<Profile>(read))
            << "state " << i << " refused at line " << std::get<ProfileRefusal>(read).line << ": "
            << std::get<ProfileRefusal>(read).reason << "\n"
            << text;
        EXPECT_EQ(std::get<Profile>(read), profile) << "state " << i;
        const ProfileState back = stateOfProfile(std::get<Profile>(read));
        EXPECT_EQ(std::memcmp(&back.record, &state.record, kDeviceConfigRecordSize), 0) << "state " << i;
        EXPECT_EQ(back.macros, state.macros) << "state " << i;
        EXPECT_EQ(back.labels, state.labels) << "state " << i;
        EXPECT_EQ(writeProfileText(std::get<Profile>(read)), text) << "state " << i;
    }
}

TEST(ProfileRoundTrip, AnAllZeroRecordAndAFullyRandomOneComeBack) {
    std::mt19937 random(7);
    for (int i = 0; i < 50; ++i) {
        ProfileState state;
        auto* bytes = reinterpret_cast<uint8_t*>(&state.record);
        for (std::size_t at = 0; i > 0 && at < kDeviceConfigRecordSize; ++at) {
            bytes[at] = static_cast<uint8_t>(random());
        }
        const auto read = readProfileText(writeProfileText(makeProfile(state)));
        ASSERT_TRUE(std::holds_alternative<Profile>(read)) << std::get<ProfileRefusal>(read).reason;
        const DeviceConfigRecord back = recordOfProfile(std::get<Profile>(read));
        EXPECT_EQ(std::memcmp(&back, &state.record, kDeviceConfigRecordSize), 0) << "record " << i;
    }
}

} // namespace
