#include "app/win/lighting_lists.h"

#include "app/hot_area.h"
#include "app/page_control_ids.h"
#include "app/win/page_controls.h"
#include "settings/lighting_texts.h"
#include "ui/win/win_geometry.h"

std::vector<std::wstring> allLightingTexts(const UiTexts& texts) {
    std::vector<std::wstring> all;
    for (uint8_t code = kLightingOff; code <= kLightingNeon; ++code) {
        all.push_back(lightingModeName(code, texts));
        all.push_back(lightingEffectName(code, texts));
        for (std::size_t entry = 0; entry < lightingParameterCount(code); ++entry) {
            all.push_back(lightingParameterText(code, static_cast<uint8_t>(entry)));
        }
    }
    return all;
}

HWND createLightingList(HWND parent, HFONT font, uint8_t list, const std::vector<std::wstring>& items) {
    const DWORD style = WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    const HWND window =
        createPageControl(parent, L"LISTBOX", L"", style, toRect(hotAreaRect(HotArea::LightingList, list)),
                          page_control_id::kFirstLightingList + list, font);
    if (window == nullptr) {
        return nullptr;
    }
    for (const std::wstring& item : items) {
        SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    // The list covers the fields below its own; it is drawn over them.
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return window;
}

std::optional<std::size_t> chosenListEntry(HWND list, int notification) {
    if (list == nullptr || (notification != LBN_SELCHANGE && notification != LBN_DBLCLK)) {
        return std::nullopt;
    }
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(selected);
}

void closeListAfterNotification(UniqueWindow& list) {
    if (!list) {
        return;
    }
    ShowWindow(list.get(), SW_HIDE);
    // The list box closes itself once the message loop reaches it; a list still waiting when the
    // main window goes goes with it.
    PostMessageW(list.release(), WM_CLOSE, 0, 0);
}
