#include "cli/config_summary.h"

#include <cstdarg>
#include <cstdio>

#include "config/text_encoding.h"
#include "lang/language.h"
#include "settings/report_rate.h"

namespace {

// The buttons shown on the key page and the one more slot Apply converts.
constexpr std::size_t kSummarisedSlots = 8;

constexpr TextKey kFunctionNames[] = {
    TextKey::LeftClick,   TextKey::RightClick, TextKey::MidClick, TextKey::Forward,  TextKey::Backward,
    TextKey::TripleClick, TextKey::DpiSwitch,  TextKey::RgbOnOff, TextKey::Windows,  TextKey::Multimedia,
    TextKey::FireKey,     TextKey::SingleKey,  TextKey::ComboKey, TextKey::MacroKey, TextKey::KeyOff,
};

constexpr const char* kDpiSwitchNames[] = {"DPI +", "DPI -", "DPI Loop", "Shift DPI"};

std::string printed(const char* format, ...) {
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

std::string english(TextKey key) {
    return encodeUtf8(uiText(Language::English, key));
}

std::string dpiSwitchName(uint8_t choice) {
    if (choice >= 1 && choice <= std::size(kDpiSwitchNames)) {
        return kDpiSwitchNames[choice - 1];
    }
    return printed("choice %u (none)", choice);
}

std::string functionParameters(const AssignmentSet& set, uint8_t dpiChoice, std::size_t slot) {
    switch (set.functionIndex[slot]) {
    case kDpiSwitch:
        return ": " + dpiSwitchName(dpiChoice);
    case kWindowsFunction:
        return printed(": item %u, usage %02x%02x", set.windowsItem[slot], set.windowsUsageHigh[slot],
                       set.windowsUsageLow[slot]);
    case kMultimedia:
        return printed(": item %u, usage 00%02x", set.multimediaItem[slot], set.multimediaUsage[slot]);
    case kFireKey:
        return printed(": key %02x, speed %u, times %u", set.fireKeyCode[slot], set.fireKeySpeed[slot],
                       set.fireKeyTimes[slot]);
    case kSingleKey:
        return printed(": key %02x", set.singleKeyCode[slot]);
    case kComboKey:
        return printed(": modifiers %02x, keys %02x %02x", set.comboModifiers[slot], set.comboFirstKey[slot],
                       set.comboSecondKey[slot]);
    case kMacroKey:
        return printed(": macro %u, repeat mode %u", set.macroNumber[slot] + 1u, set.macroRepeatMode[slot]);
    default:
        return "";
    }
}

std::string functionName(uint8_t index) {
    if (index < std::size(kFunctionNames)) {
        return english(kFunctionNames[index]);
    }
    return index == kUnassigned ? "Unassigned" : printed("Unassigned (function %u)", index);
}

std::string keyModeSection(const char* title, const AssignmentSet& set, const SlotBytes& dpiChoices,
                           bool active) {
    std::string text = printed("%s%s\n", title, active ? " (active)" : "");
    for (std::size_t slot = 0; slot < kSummarisedSlots; ++slot) {
        text += printed("  Button %zu: ", slot + 1) + functionName(set.functionIndex[slot]) +
                functionParameters(set, dpiChoices[slot], slot) + "\n";
    }
    return text;
}

std::string reportRate(uint8_t code) {
    const unsigned hertz = reportRateHertz(code);
    return hertz != 0 ? printed("%u Hz", hertz) : printed("unknown (code %u)", code);
}

std::string dpiSection(const DeviceConfigRecord& record) {
    std::string text = "DPI stages\n";
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        const StageColor& color = record.stageColor[stage];
        text += printed("  Stage %zu: %s, position %u, colour red %02x green %02x blue %02x\n", stage + 1,
                        record.dpiStageEnabled[stage] != 0 ? "on" : "off", record.dpiPosition[stage] + 1u,
                        color.red, color.green, color.blue);
    }
    return text;
}

constexpr uint8_t kBrightnessSteps = 10;
constexpr uint8_t kRespirationSteps = 5;
constexpr uint8_t kNeonSteps = 30;

std::string brightness(uint8_t index) {
    if (index >= kBrightnessSteps) {
        return printed("brightness index %u", index);
    }
    return printed("brightness %u%%", index + 1u == kBrightnessSteps ? 100u : 5u + 10u * index);
}

std::string respirationCycle(uint8_t index) {
    if (index >= kRespirationSteps) {
        return printed("cycle index %u", index);
    }
    return printed("cycle %uS", 8u - index);
}

std::string neonCycle(uint8_t index) {
    if (index >= kNeonSteps) {
        return printed("cycle index %u", index);
    }
    const unsigned halfSeconds = index + 1u;
    return halfSeconds % 2 == 0 ? printed("cycle %uS", halfSeconds / 2)
                                : printed("cycle %u.5S", halfSeconds / 2);
}

std::string effectName(uint8_t effect) {
    constexpr TextKey kEffects[] = {TextKey::EffectNone, TextKey::EffectRgb, TextKey::EffectRgbFlash,
                                    TextKey::EffectRgbFixed};
    return effect < std::size(kEffects) ? english(kEffects[effect]) : printed("effect %u", effect);
}

std::string lightingLine(const DeviceConfigRecord& record) {
    switch (record.lightingMode) {
    case 0:
        return "Lighting: " + english(TextKey::ModeOff) + "\n";
    case 1:
        return "Lighting: " + english(TextKey::ModeStandard) + ", " + brightness(record.standardBrightness) +
               ", " + effectName(1) + "\n";
    case 2:
        return "Lighting: " + english(TextKey::ModeRespiration) + ", " +
               respirationCycle(record.respirationCycle) + ", " + effectName(record.respirationColorEffect) +
               "\n";
    case 3:
        return "Lighting: " + english(TextKey::ModeNeon) + ", " + neonCycle(record.neonCycle) + ", " +
               effectName(record.neonColorEffect) + "\n";
    default:
        return printed("Lighting: unknown mode %u (the mouse keeps its own)\n", record.lightingMode);
    }
}

std::string macroSection(const DeviceConfigRecord& record) {
    std::string text = "Macro loop counts\n";
    for (std::size_t slot = 0; slot < kMacroSlotCount; ++slot) {
        const uint16_t loops = record.macroSlots[slot].loopCount();
        text += printed("  Macro %zu: ", slot + 1) +
                (loops == 0 ? std::string("empty") : printed("%u", loops)) + "\n";
    }
    return text;
}

std::string pointerSection(const DeviceConfigRecord& record) {
    return printed("Pointer settings\n"
                   "  Speed position: %u\n"
                   "  Enhance pointer precision: %s\n"
                   "  Scroll lines: %u\n"
                   "  Scroll one screen: %s\n"
                   "  Double-click position: %u\n",
                   record.pointerSpeedPosition, record.enhancePointerPrecision != 0 ? "on" : "off",
                   record.scrollLines, record.scrollOneScreen != 0 ? "on" : "off",
                   record.doubleClickPosition);
}

} // namespace

std::string configSummary(const DeviceConfigRecord& record) {
    const bool modeBActive = record.keyMode == static_cast<uint8_t>(KeyMode::ModeB);
    return keyModeSection("Mode A", record.setA, record.dpiSubChoiceA, !modeBActive) +
           keyModeSection("Mode B", record.setB, record.dpiSubChoiceB, modeBActive) + dpiSection(record) +
           "Report rate: " + reportRate(record.reportIntervalCode) + "\n" + lightingLine(record) +
           macroSection(record) + pointerSection(record);
}
