#include "access_commands.h"

#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cwchar>

#include "app/win/app_messages.h"
#include "driver_support.h"

namespace {

// The main window, or the shown window of its process that holds control `control`.
HWND targetWindow(int control) {
    HWND found = nullptr;
    waitFor([&] {
        const HWND main = FindWindowW(kMainWindowClass, nullptr);
        if (main == nullptr || control == 0) {
            return (found = main) != nullptr;
        }
        DWORD process = 0;
        GetWindowThreadProcessId(main, &process);
        return (found = shownWindowHolding(process, control)) != nullptr;
    });
    return found;
}

VARIANT childId(LONG id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// A text property of child `child`, empty where it has none.
template <typename Getter>
std::wstring textOf(IAccessible& window, Getter getter, const VARIANT& child) {
    BSTR text = nullptr;
    const HRESULT result = (window.*getter)(child, &text);
    std::wstring value = SUCCEEDED(result) && text != nullptr ? std::wstring(text, SysStringLen(text)) : L"";
    SysFreeString(text);
    return value;
}

int printTree(IAccessible& window) {
    LONG count = 0;
    if (FAILED(window.get_accChildCount(&count))) {
        std::printf("no child count\n");
        return kFailed;
    }
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG obtained = 0;
    if (count > 0 && FAILED(AccessibleChildren(&window, 0, count, children.data(), &obtained))) {
        std::printf("AccessibleChildren failed\n");
        return kFailed;
    }
    for (LONG i = 0; i < obtained; ++i) {
        const VARIANT child = childId(children[i].vt == VT_I4 ? children[i].lVal : i + 1);
        VARIANT role;
        VARIANT state;
        window.get_accRole(child, &role);
        window.get_accState(child, &state);
        const std::wstring nameText = textOf(window, &IAccessible::get_accName, child);
        const std::wstring valueText = textOf(window, &IAccessible::get_accValue, child);
        std::printf("%lx\t%lx\t", role.vt == VT_I4 ? role.lVal : 0L, state.vt == VT_I4 ? state.lVal : 0L);
        printUtf8(nameText + L"\t" + valueText + L"\n");
        VariantClear(&children[i]);
    }
    return kPassed;
}

int printFocus(IAccessible& window) {
    VARIANT focus;
    VariantInit(&focus);
    if (window.get_accFocus(&focus) != S_OK || focus.vt != VT_I4) {
        std::printf("no focus\n");
        return kFailed;
    }
    printUtf8(textOf(window, &IAccessible::get_accName, childId(focus.lVal)) + L"\n");
    return kPassed;
}

} // namespace

std::optional<int> runAccessCommand(const std::vector<std::wstring>& args) {
    const std::wstring& command = args[0];
    if (command != L"acc-tree" && command != L"acc-focus" && command != L"acc-do") {
        return std::nullopt;
    }
    std::size_t next = 1;
    LONG actionChild = 0;
    if (command == L"acc-do") {
        if (args.size() < 2) {
            return kUsage;
        }
        actionChild = static_cast<LONG>(wcstol(args[1].c_str(), nullptr, 10));
        next = 2;
    }
    int control = 0;
    if (args.size() > next + 1 && args[next] == L"dialog") {
        control = static_cast<int>(wcstol(args[next + 1].c_str(), nullptr, 10));
    }
    const HWND window = targetWindow(control);
    if (window == nullptr) {
        std::printf("no window\n");
        return kFailed;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible))) ||
        accessible == nullptr) {
        std::printf("no accessible object\n");
        CoUninitialize();
        return kFailed;
    }
    int code = kPassed;
    if (command == L"acc-tree") {
        code = printTree(*accessible);
    } else if (command == L"acc-focus") {
        code = printFocus(*accessible);
    } else {
        code = SUCCEEDED(accessible->accDoDefaultAction(childId(actionChild))) ? kPassed : kFailed;
    }
    accessible->Release();
    CoUninitialize();
    return code;
}
