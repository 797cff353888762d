#include "settings_commands.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "app/win/app_messages.h"
#include "driver_support.h"

namespace {

int printPointerSettings() {
    int mouse[3] = {};
    UINT speed = 0;
    UINT wheel = 0;
    if (!SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0) ||
        !SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0) ||
        !SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &wheel, 0)) {
        std::printf("the system refused a read\n");
        return kFailed;
    }
    std::printf("precision %d speed %u wheel %u double-click %u\n", mouse[2] != 0 ? 1 : 0, speed, wheel,
                GetDoubleClickTime());
    return kPassed;
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK matchShownChild(HWND child, LPARAM search) {
    auto* wanted = reinterpret_cast<ChildSearch*>(search);
    if (GetDlgCtrlID(child) == wanted->id && IsWindowVisible(child)) {
        wanted->found = child;
        return FALSE;
    }
    return TRUE;
}

// The shown child ID of the main window (a list that closed may still linger hidden). The driver's
// clicks return once the program handled them, so a control is there or not at once.
HWND shownControl(int id) {
    ChildSearch search{id, nullptr};
    if (const HWND main = FindWindowW(kMainWindowClass, nullptr)) {
        EnumChildWindows(main, &matchShownChild, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

int printListItems(HWND list) {
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT item = 0; item < count; ++item) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, item, 0)), L'\0');
        SendMessageW(list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(text.data()));
        printUtf8Line(text);
    }
    return kPassed;
}

// The centre of an item in the list's client pixels, the item scrolled into view first.
std::optional<POINT> itemCentre(HWND list, int item) {
    if (item < 0 || item >= SendMessageW(list, LB_GETCOUNT, 0, 0)) {
        std::printf("no item %d\n", item);
        return std::nullopt;
    }
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(item), 0);
    RECT rect{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect));
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

int printItemPoint(HWND list, int item) {
    std::optional<POINT> centre = itemCentre(list, item);
    if (!centre) {
        return kFailed;
    }
    MapWindowPoints(list, GetParent(list), &*centre, 1);
    std::printf("%ld %ld\n", centre->x, centre->y);
    return kPassed;
}

// A press and release on the item as the list box takes them from the mouse.
int chooseListItem(HWND list, int item) {
    const std::optional<POINT> centre = itemCentre(list, item);
    if (!centre) {
        return kFailed;
    }
    clickAndWait(list, MAKELPARAM(centre->x, centre->y));
    return kPassed;
}

int number(const std::wstring& text) {
    return static_cast<int>(wcstol(text.c_str(), nullptr, 10));
}

} // namespace

std::optional<int> runSettingsCommand(const std::vector<std::wstring>& args) {
    const std::wstring& command = args[0];
    if (command == L"pointer-settings") {
        return printPointerSettings();
    }
    const bool withItem = command == L"list-choose" || command == L"list-item-point";
    const bool withId = withItem || command == L"list-items" || command == L"control-text";
    if (!withId) {
        return std::nullopt;
    }
    if (args.size() < 2 || (withItem && args.size() < 3)) {
        return kUsage;
    }
    const HWND control = shownControl(number(args[1]));
    if (control == nullptr) {
        std::printf("no control %d shown\n", number(args[1]));
        return kFailed;
    }
    if (command == L"list-items") {
        return printListItems(control);
    }
    if (command == L"list-choose") {
        return chooseListItem(control, number(args[2]));
    }
    if (command == L"list-item-point") {
        return printItemPoint(control, number(args[2]));
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    printUtf8Line(text);
    return kPassed;
}
