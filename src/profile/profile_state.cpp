#include "profile/profile_state.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>
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

// An all-zero function of the widest kind. The Windows and multimedia keys are built over it, so
// that the bytes of a function beyond a narrower kind's fields hold zeros rather than nothing:
// copies of the function then copy no byte left unset (which GCC's optimiser warns of).
ButtonFunction widestFunction() {
    return FireKeyFunction{};
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
            [](const WindowsKeyFunction& f) {
                ButtonFunction named = widestFunction();
                named = windowsKeyFunction(f.item < kWindowsItemCount ? f.item : 0);
                return named;
            },
            [](const MultimediaKeyFunction& f) {
                ButtonFunction named = widestFunction();
                named = multimediaKeyFunction(f.item < kMultimediaItemCount ? f.item : 0);
                return named;
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

DeviceConfigRecord baseRecord(const Profile& profile) {
    DeviceConfigRecord record{};
    record.standardColorEffect = kStandardColourEffect;
    if (profile.macros) {
        writeMacroArea(*profile.macros, record.macroSlots);
    }
    return record;
}

// One setting of a profile by name: how it is written into a record, whether another profile names
// the same value, and how the bytes that hold it are copied from one record to another whatever
// value they hold.
struct NamedSetting {
    std::function<void(DeviceConfigRecord&)> write;
    std::function<bool(const Profile&)> namesSameAs;
    std::function<void(const DeviceConfigRecord& from, DeviceConfigRecord& to)> copyStored;
};

// A setting held in one byte of the record.
NamedSetting byteSetting(uint8_t DeviceConfigRecord::*field, uint8_t stored,
                         std::function<bool(const Profile&)> namesSameAs) {
    return {[=](DeviceConfigRecord& record) { record.*field = stored; }, std::move(namesSameAs),
            [=](const DeviceConfigRecord& from, DeviceConfigRecord& to) { to.*field = from.*field; }};
}

// Every setting the profile names, the optional ones only when given. The macro slots are not among
// them: they follow record.ini and lie under the unnamed bytes (see recordOfProfile).
std::vector<NamedSetting> namedSettings(const Profile& profile) {
    std::vector<NamedSetting> settings;
    settings.push_back(byteSetting(&DeviceConfigRecord::keyMode, static_cast<uint8_t>(profile.keyMode),
                                   [&](const Profile& other) { return other.keyMode == profile.keyMode; }));
    for (const KeyMode mode : {KeyMode::ModeA, KeyMode::ModeB}) {
        for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
            const ButtonFunction& function = profile.buttons(mode)[slot];
            settings.push_back(
                {[&, mode, slot](DeviceConfigRecord& r) { WriteButtonFunction(r, mode, slot, function); },
                 [&, mode, slot](const Profile& other) { return other.buttons(mode)[slot] == function; },
                 [mode, slot](const DeviceConfigRecord& from, DeviceConfigRecord& to) {
                     WriteButtonFunction(to, mode, slot, ReadButtonFunction(from, mode, slot));
                 }});
        }
    }
    if (profile.reportIntervalCode) {
        settings.push_back(byteSetting(
            &DeviceConfigRecord::reportIntervalCode, *profile.reportIntervalCode,
            [&](const Profile& other) { return other.reportIntervalCode == profile.reportIntervalCode; }));
    }
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        const ProfileDpiStage& named = profile.dpiStages[stage];
        const auto same = [&, stage](auto member) {
            return [&, stage, member](const Profile& other) {
                return other.dpiStages[stage].*member == named.*member;
            };
        };
        settings.push_back({[&, stage](DeviceConfigRecord& r) { r.dpiPosition[stage] = named.step; },
                            same(&ProfileDpiStage::step),
                            [stage](const DeviceConfigRecord& from, DeviceConfigRecord& to) {
                                to.dpiPosition[stage] = from.dpiPosition[stage];
                            }});
        settings.push_back(
            {[&, stage](DeviceConfigRecord& r) { r.dpiStageEnabled[stage] = named.on ? 1 : 0; },
             same(&ProfileDpiStage::on),
             [stage](const DeviceConfigRecord& from, DeviceConfigRecord& to) {
                 to.dpiStageEnabled[stage] = from.dpiStageEnabled[stage];
             }});
        settings.push_back(
            {[&, stage](DeviceConfigRecord& r) {
                 r.stageColor[stage] = StageColor{named.colour.red, named.colour.blue, named.colour.green};
             },
             same(&ProfileDpiStage::colour),
             [stage](const DeviceConfigRecord& from, DeviceConfigRecord& to) {
                 to.stageColor[stage] = from.stageColor[stage];
             }});
    }
    const ProfileLighting& lighting = profile.lighting;
    const auto lightingSetting = [&](uint8_t DeviceConfigRecord::*field,
                                     std::optional<uint8_t> ProfileLighting::*named) {
        if (lighting.*named) {
            settings.push_back(byteSetting(field, *(lighting.*named), [&, named](const Profile& other) {
                return other.lighting.*named == lighting.*named;
            }));
        }
    };
    lightingSetting(&DeviceConfigRecord::lightingMode, &ProfileLighting::mode);
    lightingSetting(&DeviceConfigRecord::standardBrightness, &ProfileLighting::standardBrightness);
    lightingSetting(&DeviceConfigRecord::respirationCycle, &ProfileLighting::respirationCycle);
    lightingSetting(&DeviceConfigRecord::respirationColorEffect, &ProfileLighting::respirationEffect);
    lightingSetting(&DeviceConfigRecord::neonCycle, &ProfileLighting::neonCycle);
    lightingSetting(&DeviceConfigRecord::neonColorEffect, &ProfileLighting::neonEffect);
    const ProfilePointer& pointer = profile.pointer;
    const auto pointerSetting = [&](uint8_t DeviceConfigRecord::*field, auto ProfilePointer::*named,
                                    uint8_t stored) {
        settings.push_back(byteSetting(field, stored, [&, named](const Profile& other) {
            return other.pointer.*named == pointer.*named;
        }));
    };
    pointerSetting(&DeviceConfigRecord::pointerSpeedPosition, &ProfilePointer::speedPosition,
                   pointer.speedPosition);
    pointerSetting(&DeviceConfigRecord::enhancePointerPrecision, &ProfilePointer::enhancePrecision,
                   pointer.enhancePrecision ? 1 : 0);
    pointerSetting(&DeviceConfigRecord::scrollLines, &ProfilePointer::scrollLines, pointer.scrollLines);
    pointerSetting(&DeviceConfigRecord::scrollOneScreen, &ProfilePointer::scrollOneScreen,
                   pointer.scrollOneScreen ? 1 : 0);
    pointerSetting(&DeviceConfigRecord::doubleClickPosition, &ProfilePointer::doubleClickPosition,
                   pointer.doubleClickPosition);
    return settings;
}

std::span<uint8_t> bytesOf(DeviceConfigRecord& record) {
    return {reinterpret_cast<uint8_t*>(&record), kDeviceConfigRecordSize};
}

std::span<const uint8_t> bytesOf(const DeviceConfigRecord& record) {
    return {reinterpret_cast<const uint8_t*>(&record), kDeviceConfigRecordSize};
}

using ByteMask = std::array<bool, kDeviceConfigRecordSize>;

// Marks the bytes in which `a` and `b` differ.
void markDifferences(const DeviceConfigRecord& a, const DeviceConfigRecord& b, ByteMask& mask) {
    if (std::memcmp(&a, &b, sizeof a) == 0) {
        return;
    }
    const auto* left = reinterpret_cast<const uint8_t*>(&a);
    const auto* right = reinterpret_cast<const uint8_t*>(&b);
    for (std::size_t offset = 0; offset < mask.size(); ++offset) {
        mask[offset] = mask[offset] || left[offset] != right[offset];
    }
}

// Marks the bytes a change may write, whatever they held: those it changes in an all-zero record or
// in an all-0xFF one.
void markFootprint(const std::function<void(DeviceConfigRecord&)>& change, ByteMask& mask) {
    for (const uint8_t filler : {uint8_t{0x00}, uint8_t{0xFF}}) {
        DeviceConfigRecord before;
        std::memset(&before, filler, sizeof before);
        DeviceConfigRecord after = before;
        change(after);
        markDifferences(before, after, mask);
    }
}

// The marked bytes of `record` as runs.
std::vector<UnnamedBytes> runsOf(const DeviceConfigRecord& record, const ByteMask& mask) {
    const std::span<const uint8_t> bytes = bytesOf(record);
    std::vector<UnnamedBytes> runs;
    for (std::size_t offset = 0; offset < bytes.size(); ++offset) {
        if (!mask[offset]) {
            continue;
        }
        if (runs.empty() || runs.back().offset + runs.back().bytes.size() != offset) {
            runs.push_back({offset, {}});
        }
        runs.back().bytes.push_back(bytes[offset]);
    }
    return runs;
}

ByteMask maskOf(const std::vector<UnnamedBytes>& runs) {
    ByteMask mask{};
    for (const UnnamedBytes& run : runs) {
        for (std::size_t at = run.offset; at < run.offset + run.bytes.size() && at < mask.size(); ++at) {
            mask[at] = true;
        }
    }
    return mask;
}

// Whether writing the setting would change any of the marked bytes of `record`.
bool changesMarkedBytes(const NamedSetting& setting, const DeviceConfigRecord& record,
                        const ByteMask& marked) {
    DeviceConfigRecord written = record;
    setting.write(written);
    ByteMask changed{};
    markDifferences(record, written, changed);
    for (std::size_t offset = 0; offset < changed.size(); ++offset) {
        if (changed[offset] && marked[offset]) {
            return true;
        }
    }
    return false;
}

} // namespace

Profile makeProfile(const ProfileState& state) {
    Profile profile = namedProfile(state);
    // A setting whose name cannot say what the record holds (a function index no list has, a pointer
    // position off the scale) keeps the bytes it is stored in, so that its name, read again from
    // them, leaves them alone.
    ByteMask kept{};
    for (const NamedSetting& setting : namedSettings(profile)) {
        DeviceConfigRecord named = state.record;
        setting.write(named);
        if (std::memcmp(&named, &state.record, sizeof named) != 0) {
            markFootprint(setting.write, kept);
            markFootprint([&](DeviceConfigRecord& r) { setting.copyStored(state.record, r); }, kept);
        }
    }
    profile.unnamed = runsOf(state.record, kept);
    // Then every byte the settings do not give back as the record holds it.
    markDifferences(recordOfProfile(profile), state.record, kept);
    profile.unnamed = runsOf(state.record, kept);
    return profile;
}

DeviceConfigRecord recordOfProfile(const Profile& profile) {
    DeviceConfigRecord record = baseRecord(profile);
    const std::span<uint8_t> bytes = bytesOf(record);
    for (const UnnamedBytes& run : profile.unnamed) {
        if (run.offset < bytes.size()) {
            const std::size_t count = std::min(run.bytes.size(), bytes.size() - run.offset);
            std::memcpy(bytes.data() + run.offset, run.bytes.data(), count);
        }
    }
    // A setting that names what the unnamed bytes under it already name leaves them as they are;
    // any other setting is written over them.
    const ByteMask unnamed = maskOf(profile.unnamed);
    const Profile under = namedProfile({record, profile.sensorType, profile.macros, profile.labels});
    for (const NamedSetting& setting : namedSettings(profile)) {
        if (!(setting.namesSameAs(under) && changesMarkedBytes(setting, record, unnamed))) {
            setting.write(record);
        }
    }
    return record;
}

ProfileState stateOfProfile(const Profile& profile) {
    return ProfileState{recordOfProfile(profile), profile.sensorType, profile.macros, profile.labels};
}
