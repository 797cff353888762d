#include "profile/profile_keys.h"

const char* modeTableKey(KeyMode mode) {
    return mode == KeyMode::ModeA ? "mode_a" : "mode_b";
}

const char* keyModeName(KeyMode mode) {
    return mode == KeyMode::ModeA ? "Mode A" : "Mode B";
}

std::optional<KeyMode> keyModeOfName(std::string_view name) {
    for (const KeyMode mode : {KeyMode::ModeA, KeyMode::ModeB}) {
        if (name == keyModeName(mode)) {
            return mode;
        }
    }
    return std::nullopt;
}

const char* languageKey(Language language) {
    switch (language) {
    case Language::SimplifiedChinese:
        return "simplified_chinese";
    case Language::TraditionalChinese:
        return "traditional_chinese";
    case Language::German:
        return "german";
    case Language::English:
        break;
    }
    return "english";
}

std::optional<Language> languageOfKey(std::string_view key) {
    for (const Language language : kProfileLanguages) {
        if (key == languageKey(language)) {
            return language;
        }
    }
    return std::nullopt;
}
