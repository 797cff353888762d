#include "config/app_settings.h"

#include <algorithm>
#include <cwctype>
#include <limits>

namespace {

constexpr wchar_t kRedKey[] = L"RColor";
constexpr wchar_t kGreenKey[] = L"GColor";
constexpr wchar_t kBlueKey[] = L"BColor";
constexpr wchar_t kSkinKey[] = L"Path";
constexpr wchar_t kLanguageKey[] = L"Lan";
constexpr wchar_t kSendOnArrivalKey[] = L"ApplyOnConnect";
constexpr wchar_t kChosenProfileKey[] = L"Profile";
constexpr wchar_t kProfileBalloonKey[] = L"ProfileBalloon";

} // namespace

std::wstring labelKey(KeyMode mode, std::size_t slot) {
    const std::size_t number = mode == KeyMode::ModeA ? slot + 1 : 10 * slot + 13;
    return L"Item" + std::to_wstring(number);
}

void readSettings(ProfileStore& store, const std::wstring& languageSection, AppSettings& settings) {
    for (KeyMode mode : {KeyMode::ModeA, KeyMode::ModeB}) {
        ButtonLabels& labels = settings.labels(mode);
        for (std::size_t slot = 0; slot < labels.size(); ++slot) {
            labels[slot] = store.readString(languageSection, labelKey(mode, slot));
        }
    }
    settings.red = store.readString(kSkinsSection, kRedKey);
    settings.green = store.readString(kSkinsSection, kGreenKey);
    settings.blue = store.readString(kSkinsSection, kBlueKey);
    settings.skinName = store.readString(kSkinsSection, kSkinKey);
}

void writeButtonLabels(ProfileStore& store, const std::wstring& languageSection,
                       const AppSettings& settings) {
    for (KeyMode mode : {KeyMode::ModeA, KeyMode::ModeB}) {
        const ButtonLabels& labels = settings.labels(mode);
        for (std::size_t slot = 0; slot < labels.size(); ++slot) {
            store.writeString(languageSection, labelKey(mode, slot), labels[slot]);
        }
    }
}

void writeSkinSettings(ProfileStore& store, uint8_t red, uint8_t green, uint8_t blue,
                       const std::wstring& skinName) {
    store.writeString(kSkinsSection, kRedKey, std::to_wstring(red));
    store.writeString(kSkinsSection, kGreenKey, std::to_wstring(green));
    store.writeString(kSkinsSection, kBlueKey, std::to_wstring(blue));
    store.writeString(kSkinsSection, kSkinKey, skinName);
}

bool readSendOnArrival(ProfileStore& store) {
    return store.readString(kSkinsSection, kSendOnArrivalKey) == L"1";
}

void writeSendOnArrival(ProfileStore& store, bool sendOnArrival) {
    store.writeString(kSkinsSection, kSendOnArrivalKey, sendOnArrival ? L"1" : L"0");
}

std::wstring readChosenProfile(ProfileStore& store) {
    return store.readString(kSkinsSection, kChosenProfileKey);
}

bool writeChosenProfile(ProfileStore& store, const std::wstring& name) {
    return store.writeString(kSkinsSection, kChosenProfileKey, name);
}

bool readProfileBalloon(ProfileStore& store) {
    return store.readString(kSkinsSection, kProfileBalloonKey) != L"0";
}

bool writeProfileBalloon(ProfileStore& store, bool show) {
    return store.writeString(kSkinsSection, kProfileBalloonKey, show ? L"1" : L"0");
}

std::wstring readLanguageCode(ProfileStore& store) {
    return store.readString(kSkinsSection, kLanguageKey);
}

uint8_t colorComponent(const std::wstring& text) {
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    // Out-of-range numbers stop at the limits of a 32-bit int, as _wtoi documents.
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - L'0'), kLimit);
    }
    const int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<uint8_t>(value & 0xFF);
}
