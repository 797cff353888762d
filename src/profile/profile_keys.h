#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "config/device_config_record.h"
#include "lang/language.h"

// The table and key names of the profile file, written and read alike.

inline constexpr char kProfileProgramName[] = "Krello Marrowin\xC2\xB2";

inline constexpr char kFormatKey[] = "format";
inline constexpr char kKeyModeKey[] = "key_mode";
inline constexpr char kReportRateKey[] = "report_rate";
inline constexpr char kProgramsKey[] = "programs";

inline constexpr char kButtonsTable[] = "buttons";
inline constexpr char kFunctionKey[] = "function";
inline constexpr char kFireKeyKey[] = "key";
inline constexpr char kSpeedKey[] = "speed";
inline constexpr char kTimesKey[] = "times";
inline constexpr char kModifierKey[] = "modifier";
inline constexpr char kFirstKeyKey[] = "first_key";
inline constexpr char kSecondKeyKey[] = "second_key";
inline constexpr char kMacroNumberKey[] = "macro";
inline constexpr char kRepeatKey[] = "repeat";

inline constexpr char kDpiTable[] = "dpi";
inline constexpr char kSensorTypeKey[] = "sensor_type";
inline constexpr char kDpiKey[] = "dpi";
inline constexpr char kStepKey[] = "step";
inline constexpr char kOnKey[] = "on";
inline constexpr char kColourKey[] = "colour";

inline constexpr char kLightingTable[] = "lighting";
inline constexpr char kModeKey[] = "mode";
inline constexpr char kStandardBrightnessKey[] = "standard_brightness";
inline constexpr char kRespirationCycleKey[] = "respiration_cycle";
inline constexpr char kRespirationEffectKey[] = "respiration_effect";
inline constexpr char kNeonCycleKey[] = "neon_cycle";
inline constexpr char kNeonEffectKey[] = "neon_effect";

inline constexpr char kPointerTable[] = "pointer";
inline constexpr char kEnhancePrecisionKey[] = "enhance_precision";
inline constexpr char kScrollLinesKey[] = "scroll_lines";
inline constexpr char kScrollOneScreenKey[] = "scroll_one_screen";
inline constexpr char kDoubleClickKey[] = "double_click";

inline constexpr char kMacrosTable[] = "macros";
inline constexpr char kNameKey[] = "name";
inline constexpr char kLoopTimesKey[] = "loop_times";
inline constexpr char kLinesKey[] = "lines";

inline constexpr char kLabelsTable[] = "labels";
inline constexpr char kUnnamedTable[] = "unnamed";

// "mode_a" and "mode_b": the tables of a key mode's buttons and labels.
const char* modeTableKey(KeyMode mode);
// "Mode A" and "Mode B", as the key page names them.
const char* keyModeName(KeyMode mode);
std::optional<KeyMode> keyModeOfName(std::string_view name);

// The table of a language's labels: "english", "german", "simplified_chinese",
// "traditional_chinese".
const char* languageKey(Language language);
std::optional<Language> languageOfKey(std::string_view key);
inline constexpr Language kProfileLanguages[] = {Language::English, Language::German,
                                                 Language::SimplifiedChinese, Language::TraditionalChinese};
