#include "profile/profile_state.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <span>

#include "assign/consumer_usages.h"
#include "assign/key_names.h"
#include "assign/overloaded.h"
#include "macro/macro_encoding.h"
#include "macro/macro_store.h"
#include "profile/profile_names.h"
#include "settings/lighting_texts.h"
#include "settings/pointer_mapping.h"
#include "settings/report_rate.h"

namespace {

constexpr uint8_t kStandardColourEffect = 1;

uint8_t keyCodeOrNone(uint8_t code) {
    return KeyCodeToName(code).empty() ? 0 : code;
}

// The nearest function a page can set: the stored one where every field has a name, otherwise the
// function with the unnameable fields replaced (the record's own bytes go to the unnamed ones).
ButtonFunction nameableFunction(const ButtonFunction& function) {
    return std::visit(
        Overloaded{
            [](const PlainFunction& f) -> ButtonFunction {
                return functionName(f.index).empty() ? PlainFunction{kUnassigned} : f;
            },
            [](const DpiSwitchFunction& f) -> ButtonFunction {
                return f.choice >= kDpiUp && f.choice <= kDpiShift ? f : DpiSwitchFunction{kDpiUp};
            },
            [](const WindowsKeyFunction& f) -> ButtonFunction {
                return windowsKeyFunction(f.item < kWindowsItemCount ? f.item : 0);
            },
            [](const MultimediaKeyFunction& f) -> ButtonFunction {
                return multimediaKeyFunction(f.item < kMultimediaItemCount ? f.item : 0);
            },
            [](const FireKeyFunction& f) -> ButtonFunction {
                const uint8_t item = f.item < kFireKeyCount ? f.item : 0;
                return FireKeyFunction{item, FireKeyCode(item), std::max(f.speed, kFireKeyMinSpeed), f.times};
            },
            [](const SingleKeyFunction& f) -> ButtonFunction {
                return SingleKeyFunction{keyCodeOrNone(f.keyCode)};
            },
            [](const ComboKeyFunction& f) -> ButtonFunction {
                const bool oneModifier = std::has_single_bit(f.modifierMask) || f.modifierMask == 0;
                return ComboKeyFunction{oneModifier ? f.modifierMask : uint8_t{0},
                                        keyCodeOrNone(f.firstKeyCode), keyCodeOrNone(f.secondKeyCode)};
            },
            [](const MacroKeyFunction& f) -> ButtonFunction {
                return MacroKeyFunction{f.macroNumber < kMacroSlotCount ? f.macroNumber : uint8_t{0},
                                        f.repeatMode <= kMacroRepeatModeMax ? f.repeatMode : uint8_t{0}};
            },
        },
        function);
}

std::optional<uint8_t> within(uint8_t value, std::size_t count) {
    return value < count ? std::optional(value) : std::nullopt;
}

std::optional<uint8_t> effectOf(uint8_t effect, uint8_t mode) {
    return isLightingEffectOf(mode, effect) ? std::optional(effect) : std::nullopt;
}

ProfileLighting lightingOf(const DeviceConfigRecord& record) {
    ProfileLighting lighting;
    lighting.mode = within(record.lightingMode, kLightingNeon + 1);
    lighting.standardBrightness =
        within(record.standardBrightness, lightingParameterCount(kLightingStandard));
    lighting.respirationCycle = within(record.respirationCycle, lightingParameterCount(kLightingRespiration));
    lighting.respirationEffect = effectOf(record.respirationColorEffect, kLightingRespiration);
    lighting.neonCycle = within(record.neonCycle, lightingParameterCount(kLightingNeon));
    lighting.neonEffect = effectOf(record.neonColorEffect, kLightingNeon);
    return lighting;
}

ProfilePointer pointerOf(const DeviceConfigRecord& record) {
    return ProfilePointer{positionOnScale(record.pointerSpeedPosition), record.enhancePointerPrecision != 0,
                          scrollLinesOnScale(record.scrollLines), record.scrollOneScreen != 0,
                          positionOnScale(record.doubleClickPosition)};
}

// The named fields of a record, without the unnamed bytes.
Profile namedProfile(const ProfileState& state) {
    const DeviceConfigRecord& record = state.record;
    Profile profile;
    profile.keyMode = activeKeyMode(record);
    for (const KeyMode mode : {KeyMode::ModeA, KeyMode::ModeB}) {
        for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
            profile.buttons(mode)[slot] = nameableFunction(ReadButtonFunction(record, mode, slot));
        }
    }
    if (reportRateHertz(record.reportIntervalCode) != 0) {
        profile.reportIntervalCode = record.reportIntervalCode;
    }
    profile.sensorType = state.sensorType;
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        const StageColor& colour = record.stageColor[stage];
        profile.dpiStages[stage] = {record.dpiPosition[stage], record.dpiStageEnabled[stage] != 0,
                                    RgbColour{colour.red, colour.green, colour.blue}};
    }
    profile.lighting = lightingOf(record);
    profile.pointer = pointerOf(record);
    profile.macros = state.macros;
    profile.labels = state.labels;
    return profile;
}

void writeMacroArea(const std::vector<ProfileMacro>& macros, MacroArea& area) {
    const std::size_t count = std::min(macros.size(), area.size());
    for (std::size_t n = 0; n < count; ++n) {
        area[n] = encodeMacro(macros[n].loopTimes, macros[n].lines).value_or(MacroSlot{});
    }
}

void writeLighting(const ProfileLighting& lighting, DeviceConfigRecord& record) {
    const auto put = [](const std::optional<uint8_t>& value, uint8_t& field) {
        if (value) {
            field = *value;
        }
    };
    put(lighting.mode, record.lightingMode);
    put(lighting.standardBrightness, record.standardBrightness);
    put(lighting.respirationCycle, record.respirationCycle);
    put(lighting.respirationEffect, record.respirationColorEffect);
    put(lighting.neonCycle, record.neonCycle);
    put(lighting.neonEffect, record.neonColorEffect);
    record.standardColorEffect = kStandardColourEffect;
}

DeviceConfigRecord namedRecord(const Profile& profile) {
    DeviceConfigRecord record{};
    if (profile.macros) {
        writeMacroArea(*profile.macros, record.macroSlots);
    }
    record.keyMode = static_cast<uint8_t>(profile.keyMode);
    for (const KeyMode mode : {KeyMode::ModeA, KeyMode::ModeB}) {
        for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
            WriteButtonFunction(record, mode, slot, profile.buttons(mode)[slot]);
        }
    }
    record.reportIntervalCode = profile.reportIntervalCode.value_or(0);
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        const ProfileDpiStage& named = profile.dpiStages[stage];
        record.dpiPosition[stage] = named.step;
        record.dpiStageEnabled[stage] = named.on ? 1 : 0;
        record.stageColor[stage] = StageColor{named.colour.red, named.colour.blue, named.colour.green};
    }
    writeLighting(profile.lighting, record);
    const ProfilePointer& pointer = profile.pointer;
    record.pointerSpeedPosition = pointer.speedPosition;
    record.enhancePointerPrecision = pointer.enhancePrecision ? 1 : 0;
    record.scrollLines = pointer.scrollLines;
    record.scrollOneScreen = pointer.scrollOneScreen ? 1 : 0;
    record.doubleClickPosition = pointer.doubleClickPosition;
    return record;
}

std::span<uint8_t> bytesOf(DeviceConfigRecord& record) {
    return {reinterpret_cast<uint8_t*>(&record), kDeviceConfigRecordSize};
}

std::span<const uint8_t> bytesOf(const DeviceConfigRecord& record) {
    return {reinterpret_cast<const uint8_t*>(&record), kDeviceConfigRecordSize};
}

// The runs of bytes in which `record` differs from `named`.
std::vector<UnnamedBytes> differences(const DeviceConfigRecord& named, const DeviceConfigRecord& record) {
    const std::span<const uint8_t> expected = bytesOf(named);
    const std::span<const uint8_t> actual = bytesOf(record);
    std::vector<UnnamedBytes> runs;
    for (std::size_t offset = 0; offset < actual.size(); ++offset) {
        if (actual[offset] == expected[offset]) {
            continue;
        }
        if (runs.empty() || runs.back().offset + runs.back().bytes.size() != offset) {
            runs.push_back({offset, {}});
        }
        runs.back().bytes.push_back(actual[offset]);
    }
    return runs;
}

} // namespace

Profile makeProfile(const ProfileState& state) {
    Profile profile = namedProfile(state);
    profile.unnamed = differences(namedRecord(profile), state.record);
    return profile;
}

DeviceConfigRecord recordOfProfile(const Profile& profile) {
    DeviceConfigRecord record = namedRecord(profile);
    const std::span<uint8_t> bytes = bytesOf(record);
    for (const UnnamedBytes& run : profile.unnamed) {
        if (run.offset < bytes.size()) {
            const std::size_t count = std::min(run.bytes.size(), bytes.size() - run.offset);
            std::memcpy(bytes.data() + run.offset, run.bytes.data(), count);
        }
    }
    return record;
}

ProfileState stateOfProfile(const Profile& profile) {
    return ProfileState{recordOfProfile(profile), profile.sensorType, profile.macros, profile.labels};
}
