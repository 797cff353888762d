#include "profile/profile_reader.h"

#define TOML_HEADER_ONLY 1
#define TOML_EXCEPTIONS 0
#define TOML_ENABLE_WINDOWS_COMPAT 0
#include <toml++/toml.h>

#include <algorithm>
#include <charconv>
#include <initializer_list>

#include "assign/key_names.h"
#include "config/profile_name.h"
#include "config/profile_store.h"
#include "config/text_encoding.h"
#include "macro/macro_encoding.h"
#include "profile/profile_keys.h"
#include "profile/profile_names.h"
#include "profile/toml_character_guard.h"
#include "profile/windows_file_name.h"
#include "settings/dpi_table.h"
#include "settings/lighting_texts.h"
#include "settings/pointer_mapping.h"
#include "settings/report_rate.h"

namespace {

constexpr int64_t kLargestDpiStep = 256;
constexpr int64_t kLargestLoopCount = 65535;
constexpr int64_t kLargestByte = 255;

// Thrown inside the reader only, at the first fault; readProfileText turns it into the refusal.
struct Refused {
    std::size_t line;
    std::string reason;
};

std::size_t lineOf(const toml::source_region& source) {
    return std::max<std::size_t>(source.begin.line, 1);
}

[[noreturn]] void refuse(const toml::node& node, std::string reason) {
    throw Refused{lineOf(node.source()), std::move(reason)};
}

std::wstring wide(std::string_view utf8) {
    return unguardTomlText(decodeText(utf8).text);
}

std::string quotedName(std::string_view text) {
    std::string quoted(1, '"');
    quoted += encodeUtf8(wide(text));
    quoted += '"';
    return quoted;
}

// Refuses a key of `table` that is not one of `allowed`.
void onlyKeys(const toml::table& table, std::initializer_list<std::string_view> allowed,
              std::string_view where) {
    for (auto&& [key, node] : table) {
        if (std::ranges::find(allowed, key.str()) == allowed.end()) {
            throw Refused{lineOf(key.source()),
                          "unknown key " + quotedName(key.str()) + " in " + std::string(where)};
        }
    }
}

// Refuses any key of `table` but "1" to "count".
void onlyNumberedKeys(const toml::table& table, std::size_t count, std::string_view where) {
    for (auto&& [key, node] : table) {
        std::size_t number = 0;
        const std::string_view text = key.str();
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error != std::errc{} || end != text.data() + text.size() || number < 1 || number > count ||
            text.front() == '0') {
            throw Refused{lineOf(key.source()), "unknown key " + quotedName(text) + " in " +
                                                    std::string(where) + " (1 to " + std::to_string(count) +
                                                    ")"};
        }
    }
}

const toml::node& required(const toml::table& table, std::string_view key, std::string_view where) {
    const toml::node* node = table.get(key);
    if (node == nullptr) {
        refuse(table, std::string(where) + " has no " + std::string(key));
    }
    return *node;
}

const toml::table& tableOf(const toml::node& node, std::string_view what) {
    const toml::table* table = node.as_table();
    if (table == nullptr) {
        refuse(node, std::string(what) + " is not a table");
    }
    return *table;
}

std::string_view stringOf(const toml::node& node, std::string_view what) {
    const toml::value<std::string>* value = node.as_string();
    if (value == nullptr) {
        refuse(node, std::string(what) + " is not a text");
    }
    return value->get();
}

int64_t integerOf(const toml::node& node, std::string_view what, int64_t least, int64_t most) {
    const toml::value<int64_t>* value = node.as_integer();
    if (value == nullptr) {
        refuse(node, std::string(what) + " is not a whole number");
    }
    if (value->get() < least || value->get() > most) {
        refuse(node, std::string(what) + " " + std::to_string(value->get()) + " is out of range (" +
                         std::to_string(least) + " to " + std::to_string(most) + ")");
    }
    return value->get();
}

bool booleanOf(const toml::node& node, std::string_view what) {
    const toml::value<bool>* value = node.as_boolean();
    if (value == nullptr) {
        refuse(node, std::string(what) + " is not true or false");
    }
    return value->get();
}

// A text the profile functions of str.ini and record.ini keep as it is: one line of at most the
// length they read back.
std::wstring storableText(const toml::node& node, std::string_view what) {
    const std::wstring text = wide(stringOf(node, what));
    if (text.find_first_of(L"\r\n") != std::wstring::npos || text.find(L'\0') != std::wstring::npos) {
        refuse(node, std::string(what) + " holds a line break");
    }
    if (trimProfileBlanks(text).size() != text.size()) {
        refuse(node, std::string(what) + " begins or ends with a blank, which the INI files drop");
    }
    if (text.size() > kProfileValueMaxLength) {
        refuse(node, std::string(what) + " is longer than " + std::to_string(kProfileValueMaxLength) +
                         " characters");
    }
    return text;
}

template <typename Names>
std::size_t positionIn(const Names& names, const toml::node& node, std::string_view what) {
    const std::string_view text = stringOf(node, what);
    const std::optional<std::size_t> position = positionOfName(names, wide(text));
    if (!position) {
        refuse(node, "unknown " + std::string(what) + " " + quotedName(text));
    }
    return *position;
}

uint8_t keyCodeOf(const toml::node& node, std::string_view what) {
    const std::string_view text = stringOf(node, what);
    const uint8_t code = KeyNameToCode(wide(text));
    if (code == 0 && !text.empty()) {
        refuse(node, "unknown " + std::string(what) + " " + quotedName(text));
    }
    return code;
}

ButtonFunction fieldTableFunction(const toml::table& table, std::string_view where) {
    const toml::node& functionNode = required(table, kFunctionKey, where);
    const std::wstring name = wide(stringOf(functionNode, "function"));
    if (name == functionName(kFireKey)) {
        onlyKeys(table, {kFunctionKey, kFireKeyKey, kSpeedKey, kTimesKey}, where);
        const auto item =
            static_cast<uint8_t>(positionIn(fireKeyItems(), required(table, kFireKeyKey, where), "fire key"));
        return FireKeyFunction{
            item, FireKeyCode(item),
            static_cast<uint8_t>(
                integerOf(required(table, kSpeedKey, where), "speed", kFireKeyMinSpeed, kLargestByte)),
            static_cast<uint8_t>(integerOf(required(table, kTimesKey, where), "times", 0, kLargestByte))};
    }
    if (name == functionName(kComboKey)) {
        onlyKeys(table, {kFunctionKey, kModifierKey, kFirstKeyKey, kSecondKeyKey}, where);
        const toml::node& modifierNode = required(table, kModifierKey, where);
        uint8_t mask = 0;
        if (!stringOf(modifierNode, "modifier").empty()) {
            mask = static_cast<uint8_t>(1u << positionIn(modifierItems(), modifierNode, "modifier"));
        }
        return ComboKeyFunction{mask, keyCodeOf(required(table, kFirstKeyKey, where), "key"),
                                keyCodeOf(required(table, kSecondKeyKey, where), "key")};
    }
    if (name == functionName(kMacroKey)) {
        onlyKeys(table, {kFunctionKey, kMacroNumberKey, kRepeatKey}, where);
        const auto macro = integerOf(required(table, kMacroNumberKey, where), "macro", 1, kMacroSlotCount);
        const auto repeat =
            integerOf(required(table, kRepeatKey, where), "repeat", 1, kMacroRepeatModeMax + 1);
        return MacroKeyFunction{static_cast<uint8_t>(macro - 1), static_cast<uint8_t>(repeat - 1)};
    }
    refuse(functionNode, "unknown button function " + quotedName(encodeUtf8(name)) +
                             " (a table is for Fire Key, Combo Key and Macro Key)");
}

ButtonFunction buttonOf(const toml::node& node, std::string_view where) {
    if (const toml::table* table = node.as_table()) {
        return fieldTableFunction(*table, where);
    }
    const std::string_view text = stringOf(node, "a button");
    const std::optional<ButtonFunction> function = buttonFunctionOfText(wide(text));
    if (!function) {
        refuse(node, "unknown button function " + quotedName(text));
    }
    return *function;
}

std::string tableName(std::initializer_list<std::string_view> parts) {
    std::string name = "[";
    for (const std::string_view part : parts) {
        if (name.size() > 1) {
            name += '.';
        }
        name += part;
    }
    return name + "]";
}

ProfileButtons buttonsOf(const toml::table& buttons, KeyMode mode) {
    const std::string where = tableName({kButtonsTable, modeTableKey(mode)});
    const toml::table& table =
        tableOf(required(buttons, modeTableKey(mode), tableName({kButtonsTable})), where);
    onlyNumberedKeys(table, kButtonSlotCount, where);
    ProfileButtons result;
    for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
        result[slot] = buttonOf(required(table, std::to_string(slot + 1), where), where);
    }
    return result;
}

uint8_t dpiStepOf(const toml::node& node, uint8_t sensorType) {
    const int64_t dpi = integerOf(node, "dpi", 1, INT32_MAX);
    for (std::size_t step = 0; step < kLargestDpiStep; ++step) {
        const std::wstring label = dpiPositionLabel(sensorType, static_cast<uint8_t>(step));
        if (label.empty()) {
            break;
        }
        if (label == std::to_wstring(dpi)) {
            return static_cast<uint8_t>(step);
        }
    }
    refuse(node, "sensor type " + std::to_string(sensorType) + " cannot do " + std::to_string(dpi) + " DPI");
}

void readDpi(const toml::table& root, Profile& profile) {
    const std::string where = tableName({kDpiTable});
    const toml::table& dpi = tableOf(required(root, kDpiTable, "the profile"), where);
    onlyKeys(dpi, {kSensorTypeKey, "1", "2", "3", "4"}, where);
    profile.sensorType =
        static_cast<uint8_t>(integerOf(required(dpi, kSensorTypeKey, where), "sensor type", 0, kLargestByte));
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        const std::string stageWhere = "DPI stage " + std::to_string(stage + 1);
        const toml::table& table = tableOf(required(dpi, std::to_string(stage + 1), where), stageWhere);
        onlyKeys(table, {kDpiKey, kStepKey, kOnKey, kColourKey}, stageWhere);
        ProfileDpiStage& named = profile.dpiStages[stage];
        const toml::node* dpiNode = table.get(kDpiKey);
        const toml::node* stepNode = table.get(kStepKey);
        if ((dpiNode == nullptr) == (stepNode == nullptr)) {
            refuse(table, stageWhere + " needs either dpi or step");
        }
        named.step = dpiNode != nullptr
                         ? dpiStepOf(*dpiNode, profile.sensorType)
                         : static_cast<uint8_t>(integerOf(*stepNode, "step", 1, kLargestDpiStep) - 1);
        named.on = booleanOf(required(table, kOnKey, stageWhere), "on");
        const toml::node& colourNode = required(table, kColourKey, stageWhere);
        const std::optional<ParsedColour> colour = colourOfText(stringOf(colourNode, "colour"));
        if (!colour) {
            refuse(colourNode, "colour " + quotedName(stringOf(colourNode, "colour")) + " is not #RRGGBB");
        }
        named.colour = RgbColour{colour->red, colour->green, colour->blue};
    }
}

void readLighting(const toml::table& root, ProfileLighting& lighting) {
    const toml::node* node = root.get(kLightingTable);
    if (node == nullptr) {
        return;
    }
    const std::string where = tableName({kLightingTable});
    const toml::table& table = tableOf(*node, where);
    onlyKeys(table,
             {kModeKey, kStandardBrightnessKey, kRespirationCycleKey, kRespirationEffectKey, kNeonCycleKey,
              kNeonEffectKey},
             where);
    const auto named = [&](const char* key, std::span<const std::wstring> names, const char* what,
                           std::optional<uint8_t>& field) {
        if (const toml::node* value = table.get(key)) {
            field = static_cast<uint8_t>(positionIn(names, *value, what));
        }
    };
    const auto effect = [&](const char* key, uint8_t mode, std::optional<uint8_t>& field) {
        named(key, lightingEffectNames(), "effect", field);
        if (field && !isLightingEffectOf(mode, *field)) {
            refuse(*table.get(key), encodeUtf8(lightingEffectNames()[*field]) + " is not an effect of " +
                                        encodeUtf8(lightingModeNames()[mode]));
        }
    };
    named(kModeKey, lightingModeNames(), "lighting mode", lighting.mode);
    named(kStandardBrightnessKey, lightingParameterNames(kLightingStandard), "brightness",
          lighting.standardBrightness);
    named(kRespirationCycleKey, lightingParameterNames(kLightingRespiration), "respiration cycle",
          lighting.respirationCycle);
    effect(kRespirationEffectKey, kLightingRespiration, lighting.respirationEffect);
    named(kNeonCycleKey, lightingParameterNames(kLightingNeon), "neon cycle", lighting.neonCycle);
    effect(kNeonEffectKey, kLightingNeon, lighting.neonEffect);
}

void readPointer(const toml::table& root, ProfilePointer& pointer) {
    const std::string where = tableName({kPointerTable});
    const toml::table& table = tableOf(required(root, kPointerTable, "the profile"), where);
    onlyKeys(table, {kSpeedKey, kEnhancePrecisionKey, kScrollLinesKey, kScrollOneScreenKey, kDoubleClickKey},
             where);
    const auto position = [&](const char* key, const char* what, int64_t least) {
        return static_cast<uint8_t>(integerOf(required(table, key, where), what, least, kPointerScaleMax));
    };
    pointer.speedPosition = position(kSpeedKey, "pointer speed", 1);
    pointer.enhancePrecision = booleanOf(required(table, kEnhancePrecisionKey, where), "enhance precision");
    pointer.scrollLines = position(kScrollLinesKey, "scroll lines", 0);
    pointer.scrollOneScreen = booleanOf(required(table, kScrollOneScreenKey, where), "scroll one screen");
    pointer.doubleClickPosition = position(kDoubleClickKey, "double-click", 1);
}

// A macro name record.ini can hold as a section name and give back unchanged.
std::wstring macroNameOf(const toml::node& node) {
    const std::wstring name = storableText(node, "macro name");
    if (name.empty() || name.find_first_of(L"[]") != std::wstring::npos) {
        refuse(node, "macro name " + quotedName(encodeUtf8(name)) + " cannot be a record.ini section");
    }
    return name;
}

ProfileMacro macroOf(const toml::table& table) {
    const std::string where = "a macro";
    onlyKeys(table, {kNameKey, kLoopTimesKey, kLinesKey}, where);
    ProfileMacro macro;
    macro.name = macroNameOf(required(table, kNameKey, where));
    const toml::node& loopNode = required(table, kLoopTimesKey, where);
    macro.loopTimes = loopNode.is_integer()
                          ? std::to_wstring(integerOf(loopNode, "loop times", 1, kLargestLoopCount))
                          : storableText(loopNode, "loop times");
    const toml::node& linesNode = required(table, kLinesKey, where);
    const toml::array* lines = linesNode.as_array();
    if (lines == nullptr) {
        refuse(linesNode, "lines is not a list of texts");
    }
    for (const toml::node& lineNode : *lines) {
        macro.lines.push_back(storableText(lineNode, "a macro line"));
    }
    if (macro.lines.size() > kMacroLineLimit || !encodeMacro(macro.loopTimes, macro.lines)) {
        refuse(table, "macro " + quotedName(encodeUtf8(macro.name)) + " is too long for the mouse");
    }
    return macro;
}

std::optional<std::vector<ProfileMacro>> macrosOf(const toml::table& root) {
    const toml::node* node = root.get(kMacrosTable);
    if (node == nullptr) {
        return std::nullopt;
    }
    const toml::array* array = node->as_array();
    if (array == nullptr) {
        refuse(*node, "macros is not a list of macros");
    }
    std::vector<ProfileMacro> macros;
    for (const toml::node& element : *array) {
        if (macros.size() == kMacroSlotCount) {
            refuse(element, "more than " + std::to_string(kMacroSlotCount) + " macros");
        }
        ProfileMacro macro = macroOf(tableOf(element, "a macro"));
        for (const ProfileMacro& earlier : macros) {
            if (profileNamesEqual(earlier.name, macro.name)) {
                refuse(element, "macro " + quotedName(encodeUtf8(macro.name)) + " is named twice");
            }
        }
        macros.push_back(std::move(macro));
    }
    return macros;
}

ButtonLabels labelsOf(const toml::table& language, std::string_view languageName, KeyMode mode) {
    const std::string where = tableName({kLabelsTable, languageName, modeTableKey(mode)});
    const toml::table& table =
        tableOf(required(language, modeTableKey(mode), tableName({kLabelsTable, languageName})), where);
    onlyNumberedKeys(table, kButtonSlotCount, where);
    ButtonLabels labels;
    for (std::size_t slot = 0; slot < kButtonSlotCount; ++slot) {
        labels[slot] = storableText(required(table, std::to_string(slot + 1), where), "a label");
    }
    return labels;
}

std::vector<ProfileLabels> labelsOf(const toml::table& root) {
    std::vector<ProfileLabels> result;
    const toml::node* node = root.get(kLabelsTable);
    if (node == nullptr) {
        return result;
    }
    const toml::table& labels = tableOf(*node, tableName({kLabelsTable}));
    for (auto&& [key, languageNode] : labels) {
        const std::optional<Language> language = languageOfKey(key.str());
        if (!language) {
            throw Refused{lineOf(key.source()), "unknown language " + quotedName(key.str()) + " in [labels]"};
        }
        const std::string where = tableName({kLabelsTable, key.str()});
        const toml::table& table = tableOf(languageNode, where);
        onlyKeys(table, {modeTableKey(KeyMode::ModeA), modeTableKey(KeyMode::ModeB)}, where);
        result.push_back({*language, labelsOf(table, key.str(), KeyMode::ModeA),
                          labelsOf(table, key.str(), KeyMode::ModeB)});
    }
    // The writer's order, whatever the order in the file.
    std::ranges::sort(result, {}, [](const ProfileLabels& labels) {
        return std::ranges::find(kProfileLanguages, labels.language) - std::begin(kProfileLanguages);
    });
    return result;
}

std::vector<uint8_t> hexBytesOf(const toml::node& node) {
    const std::string_view text = stringOf(node, "unnamed bytes");
    std::vector<uint8_t> bytes;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        uint8_t byte = 0;
        const auto [end, error] =
            std::from_chars(text.data() + at, text.data() + std::min(at + 2, text.size()), byte, 16);
        if (error != std::errc{} || end != text.data() + at + 2) {
            refuse(node, "unnamed bytes " + quotedName(text) + " are not two-digit hex numbers");
        }
        bytes.push_back(byte);
        at += 2;
    }
    if (bytes.empty()) {
        refuse(node, "no unnamed bytes");
    }
    return bytes;
}

std::vector<UnnamedBytes> unnamedOf(const toml::table& root) {
    std::vector<UnnamedBytes> runs;
    const toml::node* node = root.get(kUnnamedTable);
    if (node == nullptr) {
        return runs;
    }
    std::vector<std::pair<UnnamedBytes, std::size_t>> lines;
    for (auto&& [key, value] : tableOf(*node, tableName({kUnnamedTable}))) {
        const std::string_view text = key.str();
        std::size_t offset = 0;
        const bool hex = text.starts_with("0x") && text.size() > 2;
        const auto [end, error] = std::from_chars(text.data() + std::min<std::size_t>(2, text.size()),
                                                  text.data() + text.size(), offset, 16);
        if (!hex || error != std::errc{} || end != text.data() + text.size() ||
            offset >= kDeviceConfigRecordSize) {
            throw Refused{lineOf(key.source()), "unnamed offset " + quotedName(text) +
                                                    " is not a record offset (0x0000 to 0x07c0)"};
        }
        std::vector<uint8_t> bytes = hexBytesOf(value);
        if (offset + bytes.size() > kDeviceConfigRecordSize) {
            refuse(value, "unnamed bytes at " + std::string(text) + " run past the end of the record");
        }
        lines.push_back({UnnamedBytes{offset, std::move(bytes)}, lineOf(value.source())});
    }
    std::ranges::sort(lines, {}, [](const auto& entry) { return entry.first.offset; });
    for (auto& [run, line] : lines) {
        if (!runs.empty() && runs.back().offset + runs.back().bytes.size() > run.offset) {
            throw Refused{line, "unnamed bytes overlap the bytes at an earlier offset"};
        }
        if (!runs.empty() && runs.back().offset + runs.back().bytes.size() == run.offset) {
            runs.back().bytes.insert(runs.back().bytes.end(), run.bytes.begin(), run.bytes.end());
        } else {
            runs.push_back(std::move(run));
        }
    }
    return runs;
}

uint8_t reportIntervalOf(const toml::node& node) {
    const int64_t hertz = integerOf(node, "report rate", 1, INT32_MAX);
    for (uint8_t segment = 0; segment < kReportRateSegmentCount; ++segment) {
        const uint8_t code = reportIntervalCodeOfSegment(segment);
        if (reportRateHertz(code) == hertz) {
            return code;
        }
    }
    refuse(node,
           "report rate " + std::to_string(hertz) + " Hz is not one the mouse has (125, 250, 500, 1000)");
}

// The programs that put the profile in force: file names, each once. A file without them (one
// written before profiles could name programs) names none.
std::vector<std::wstring> programsOf(const toml::table& root) {
    std::vector<std::wstring> programs;
    const toml::node* node = root.get(kProgramsKey);
    if (node == nullptr) {
        return programs;
    }
    const toml::array* array = node->as_array();
    if (array == nullptr) {
        refuse(*node, "programs is not a list of program file names");
    }
    for (const toml::node& element : *array) {
        const std::wstring program = wide(stringOf(element, "a program"));
        if (!canBeWindowsFileName(program)) {
            refuse(element, "program " + quotedName(encodeUtf8(program)) + " is not a file name");
        }
        if (std::ranges::any_of(
                programs, [&](const std::wstring& earlier) { return profileNamesEqual(earlier, program); })) {
            refuse(element, "program " + quotedName(encodeUtf8(program)) + " is named twice");
        }
        programs.push_back(program);
    }
    return programs;
}

Profile profileOf(const toml::table& root) {
    const std::string where = "the profile";
    onlyKeys(root,
             {kFormatKey, kKeyModeKey, kReportRateKey, kProgramsKey, kButtonsTable, kDpiTable, kLightingTable,
              kPointerTable, kMacrosTable, kLabelsTable, kUnnamedTable},
             where);
    const toml::node& format = required(root, kFormatKey, where);
    if (format.value<int64_t>() != kProfileFormatVersion) {
        refuse(format, "this program reads profile format " + std::to_string(kProfileFormatVersion));
    }
    Profile profile;
    const toml::node& keyMode = required(root, kKeyModeKey, where);
    const std::optional<KeyMode> mode = keyModeOfName(stringOf(keyMode, "key mode"));
    if (!mode) {
        refuse(keyMode, "key mode is \"Mode A\" or \"Mode B\"");
    }
    profile.keyMode = *mode;
    if (const toml::node* rate = root.get(kReportRateKey)) {
        profile.reportIntervalCode = reportIntervalOf(*rate);
    }
    profile.programs = programsOf(root);
    const toml::table& buttons = tableOf(required(root, kButtonsTable, where), tableName({kButtonsTable}));
    onlyKeys(buttons, {modeTableKey(KeyMode::ModeA), modeTableKey(KeyMode::ModeB)},
             tableName({kButtonsTable}));
    profile.modeA = buttonsOf(buttons, KeyMode::ModeA);
    profile.modeB = buttonsOf(buttons, KeyMode::ModeB);
    readDpi(root, profile);
    readLighting(root, profile.lighting);
    readPointer(root, profile.pointer);
    profile.macros = macrosOf(root);
    profile.labels = labelsOf(root);
    profile.unnamed = unnamedOf(root);
    return profile;
}

} // namespace

std::variant<Profile, ProfileRefusal> readProfileText(std::string_view text) {
    const std::variant<std::string, std::size_t> guarded = guardTomlText(text);
    if (const auto* line = std::get_if<std::size_t>(&guarded)) {
        return ProfileRefusal{*line, "a character of the private use area U+E000 to U+ECFF"};
    }
    toml::parse_result parsed = toml::parse(std::get<std::string>(guarded));
    if (!parsed) {
        return ProfileRefusal{lineOf(parsed.error().source()),
                              encodeUtf8(wide(parsed.error().description()))};
    }
    try {
        return profileOf(parsed.table());
    } catch (const Refused& refused) {
        return ProfileRefusal{refused.line, refused.reason};
    }
}
