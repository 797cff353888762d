#include "lang/notice.h"

Notice warningNotice(std::wstring text) {
    return {std::move(text), std::wstring(kWarningCaption)};
}

std::wstring noticeText(const Notice& notice, const UiTexts& texts) {
    if (const auto* key = std::get_if<TextKey>(&notice.text)) {
        return texts[*key];
    }
    return std::get<std::wstring>(notice.text);
}

std::wstring noticeCaption(const Notice& notice, const UiTexts& texts, const std::wstring& programTitle) {
    if (const auto* key = std::get_if<TextKey>(&notice.caption)) {
        return texts[*key];
    }
    if (const auto* exact = std::get_if<std::wstring>(&notice.caption)) {
        return *exact;
    }
    return programTitle;
}
