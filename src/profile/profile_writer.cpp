#include "profile/profile_writer.h"

#include <bit>
#include <cstdio>

#include "assign/key_names.h"
#include "assign/overloaded.h"
#include "config/text_encoding.h"
#include "profile/profile_keys.h"
#include "profile/profile_names.h"
#include "settings/dpi_table.h"
#include "settings/lighting_texts.h"
#include "settings/report_rate.h"

namespace {

// Unnamed bytes per line, so that a line stays readable.
constexpr std::size_t kUnnamedBytesPerLine = 32;

std::string quoted(std::string_view utf8) {
    std::string text = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            text += "\\\"";
            break;
        case '\\':
            text += "\\\\";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\t':
            text += "\\t";
            break;
        case '\r':
            text += "\\r";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04X", byte);
                text += escape;
            } else {
                text += c;
            }
        }
    }
    return text + "\"";
}

std::string quoted(std::wstring_view text) {
    return quoted(std::string_view(encodeUtf8(text)));
}

std::string line(std::string_view key, const std::string& value) {
    return std::string(key) + " = " + value + "\n";
}

std::string boolean(bool value) {
    return value ? "true" : "false";
}

std::string keyName(uint8_t code) {
    return quoted(KeyCodeToName(code));
}

std::string buttonValue(const ButtonFunction& function) {
    const std::string name = quoted(buttonFunctionText(function));
    if (!hasFieldTable(function)) {
        return name;
    }
    const std::string head = std::string("{ ") + kFunctionKey + " = " + name;
    return std::visit(
        Overloaded{
            [&](const FireKeyFunction& f) {
                return head + ", " + kFireKeyKey + " = " + quoted(fireKeyItems()[f.item]) + ", " + kSpeedKey +
                       " = " + std::to_string(f.speed) + ", " + kTimesKey + " = " + std::to_string(f.times) +
                       " }";
            },
            [&](const ComboKeyFunction& f) {
                const std::wstring_view modifier =
                    f.modifierMask == 0
                        ? std::wstring_view{}
                        : modifierItems()[static_cast<std::size_t>(std::countr_zero(f.modifierMask))];
                return head + ", " + kModifierKey + " = " + quoted(modifier) + ", " + kFirstKeyKey + " = " +
                       keyName(f.firstKeyCode) + ", " + kSecondKeyKey + " = " + keyName(f.secondKeyCode) +
                       " }";
            },
            [&](const MacroKeyFunction& f) {
                return head + ", " + kMacroNumberKey + " = " + std::to_string(f.macroNumber + 1) + ", " +
                       kRepeatKey + " = " + std::to_string(f.repeatMode + 1) + " }";
            },
            [&](const auto&) { return name; },
        },
        function);
}

std::string buttonsSection(const char* table, const ProfileButtons& buttons) {
    std::string text = std::string("\n[") + kButtonsTable + "." + table + "]\n";
    for (std::size_t slot = 0; slot < buttons.size(); ++slot) {
        text += line(std::to_string(slot + 1), buttonValue(buttons[slot]));
    }
    return text;
}

std::string dpiSection(const Profile& profile) {
    std::string text =
        std::string("\n[") + kDpiTable + "]\n" + line(kSensorTypeKey, std::to_string(profile.sensorType));
    for (std::size_t stage = 0; stage < profile.dpiStages.size(); ++stage) {
        const ProfileDpiStage& named = profile.dpiStages[stage];
        const std::wstring dpi = dpiPositionLabel(profile.sensorType, named.step);
        const std::string step = dpi.empty() ? std::string(kStepKey) + " = " + std::to_string(named.step + 1)
                                             : std::string(kDpiKey) + " = " + encodeUtf8(dpi);
        text += line(std::to_string(stage + 1),
                     "{ " + step + ", " + kOnKey + " = " + boolean(named.on) + ", " + kColourKey + " = " +
                         quoted(colourText(named.colour.red, named.colour.green, named.colour.blue)) + " }");
    }
    return text;
}

std::string lightingSection(const ProfileLighting& lighting) {
    std::string text = std::string("\n[") + kLightingTable + "]\n";
    const auto named = [&](const char* key, const std::optional<uint8_t>& value,
                           std::span<const std::wstring> names) {
        if (value && *value < names.size()) {
            text += line(key, quoted(names[*value]));
        }
    };
    named(kModeKey, lighting.mode, lightingModeNames());
    named(kStandardBrightnessKey, lighting.standardBrightness, lightingParameterNames(kLightingStandard));
    named(kRespirationCycleKey, lighting.respirationCycle, lightingParameterNames(kLightingRespiration));
    named(kRespirationEffectKey, lighting.respirationEffect, lightingEffectNames());
    named(kNeonCycleKey, lighting.neonCycle, lightingParameterNames(kLightingNeon));
    named(kNeonEffectKey, lighting.neonEffect, lightingEffectNames());
    return text;
}

std::string pointerSection(const ProfilePointer& pointer) {
    return std::string("\n[") + kPointerTable + "]\n" +
           line(kSpeedKey, std::to_string(pointer.speedPosition)) +
           line(kEnhancePrecisionKey, boolean(pointer.enhancePrecision)) +
           line(kScrollLinesKey, std::to_string(pointer.scrollLines)) +
           line(kScrollOneScreenKey, boolean(pointer.scrollOneScreen)) +
           line(kDoubleClickKey, std::to_string(pointer.doubleClickPosition));
}

// A loop count written as the program writes it is a number; any other text is kept as text.
std::string loopTimesValue(const std::wstring& loopTimes) {
    const std::optional<uint16_t> count = plainLoopCount(loopTimes);
    return count ? std::to_string(*count) : quoted(loopTimes);
}

std::string macrosSection(const std::vector<ProfileMacro>& macros) {
    std::string text;
    for (const ProfileMacro& macro : macros) {
        text += std::string("\n[[") + kMacrosTable + "]]\n" + line(kNameKey, quoted(macro.name)) +
                line(kLoopTimesKey, loopTimesValue(macro.loopTimes)) + kLinesKey + " = [\n";
        for (const std::wstring& macroLine : macro.lines) {
            text += "    " + quoted(macroLine) + ",\n";
        }
        text += "]\n";
    }
    return text;
}

std::string labelsSection(const ProfileLabels& labels) {
    std::string text;
    for (const KeyMode mode : {KeyMode::ModeA, KeyMode::ModeB}) {
        text += std::string("\n[") + kLabelsTable + "." + languageKey(labels.language) + "." +
                modeTableKey(mode) + "]\n";
        const ButtonLabels& texts = mode == KeyMode::ModeA ? labels.modeA : labels.modeB;
        for (std::size_t slot = 0; slot < texts.size(); ++slot) {
            text += line(std::to_string(slot + 1), quoted(texts[slot]));
        }
    }
    return text;
}

std::string hexBytes(std::span<const uint8_t> bytes) {
    std::string text;
    for (const uint8_t byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, text.empty() ? "%02x" : " %02x", byte);
        text += hex;
    }
    return text;
}

std::string unnamedSection(const std::vector<UnnamedBytes>& unnamed) {
    if (unnamed.empty()) {
        return {};
    }
    std::string text =
        std::string("\n[") + kUnnamedTable +
        "]\n# Record bytes the settings above do not name, by record offset, as stored. They are\n"
        "# written first; each setting above is written over them unless it names what they hold.\n";
    for (const UnnamedBytes& run : unnamed) {
        for (std::size_t at = 0; at < run.bytes.size(); at += kUnnamedBytesPerLine) {
            const std::size_t count = std::min(kUnnamedBytesPerLine, run.bytes.size() - at);
            char offset[16];
            std::snprintf(offset, sizeof offset, "0x%04zx", run.offset + at);
            text += line(offset, quoted(hexBytes(std::span(run.bytes).subspan(at, count))));
        }
    }
    return text;
}

} // namespace

std::string writeProfileText(const Profile& profile) {
    std::string text = std::string("# ") + kProfileProgramName + " profile, format " +
                       std::to_string(kProfileFormatVersion) + "\n" +
                       line(kFormatKey, std::to_string(kProfileFormatVersion)) +
                       line(kKeyModeKey, quoted(keyModeName(profile.keyMode)));
    if (profile.reportIntervalCode) {
        text += line(kReportRateKey, std::to_string(reportRateHertz(*profile.reportIntervalCode)));
    }
    if (!profile.programs.empty()) {
        std::string programs;
        for (const std::wstring& program : profile.programs) {
            programs += (programs.empty() ? "" : ", ") + quoted(program);
        }
        text += line(kProgramsKey, "[" + programs + "]");
    }
    if (profile.macros && profile.macros->empty()) {
        text += line(kMacrosTable, "[]");
    }
    text += buttonsSection(modeTableKey(KeyMode::ModeA), profile.modeA) +
            buttonsSection(modeTableKey(KeyMode::ModeB), profile.modeB) + dpiSection(profile) +
            lightingSection(profile.lighting) + pointerSection(profile.pointer);
    if (profile.macros) {
        text += macrosSection(*profile.macros);
    }
    for (const ProfileLabels& labels : profile.labels) {
        text += labelsSection(labels);
    }
    return text + unnamedSection(profile.unnamed);
}
