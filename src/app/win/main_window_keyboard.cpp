#include <windows.h>

#include <algorithm>
#include <array>

#include "app/accessible_tree.h"
#include "app/win/app_messages.h"
#include "app/win/gorvik_dlg.h"
#include "ui/win/window_text.h"
#include "ui/win/keyboard_target.h"

namespace {

// Edits and list boxes (the macro lists) use Space and the arrows themselves.
bool usesKeysItself(HWND window) {
    std::array<wchar_t, 16> name{};
    if (GetClassNameW(window, name.data(), static_cast<int>(name.size())) <= 0) {
        return false;
    }
    for (const wchar_t* kind : {L"Edit", L"ListBox"}) {
        if (CompareStringOrdinal(name.data(), -1, kind, -1, TRUE) == CSTR_EQUAL) {
            return true;
        }
    }
    return false;
}

std::optional<FocusKey> focusKeyOf(UINT virtualKey) {
    switch (virtualKey) {
    case VK_SPACE:
        return FocusKey::Space;
    case VK_LEFT:
        return FocusKey::Left;
    case VK_RIGHT:
        return FocusKey::Right;
    case VK_UP:
        return FocusKey::Up;
    case VK_DOWN:
        return FocusKey::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

// Tab, Shift+Tab and Ctrl+Tab are the window's wherever its keyboard focus is; they bring the
// keyboard back to the window itself from a control. Space and the arrows are the window's unless
// an edit or a list box has them, so an edit or a macro list keeps its own keys; where a page's
// drop-down list is open they move through that list.
bool CGorvikDlg::takeKey(const MSG& message) {
    PageFeature* page = shownPage();
    if (message.message != WM_KEYDOWN || page == nullptr ||
        (message.hwnd != hwnd() && !IsChild(hwnd(), message.hwnd))) {
        return false;
    }
    const auto virtualKey = static_cast<UINT>(message.wParam);
    if (virtualKey == VK_TAB) {
        if (message.hwnd != hwnd()) {
            // A control the user clicked in: Tab goes on from its stop.
            keyboard_.controlFocused(GetDlgCtrlID(message.hwnd));
        }
        const bool control = GetKeyState(VK_CONTROL) < 0;
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        const FocusKey key = control ? FocusKey::CtrlTab : shift ? FocusKey::ShiftTab : FocusKey::Tab;
        FocusAction action = keyboard_.key(key);
        // A control the page does not show now is passed over.
        for (std::size_t tried = 0;
             action.kind == FocusAction::Kind::MoveMark && focusedControl() == nullptr &&
             keyboard_.focused()->control != 0 && tried < keyboard_.order().size();
             ++tried) {
            action = keyboard_.key(key);
        }
        carryOut(action);
        return true;
    }
    if (usesKeysItself(message.hwnd)) {
        return false;
    }
    if (page->keyInOpenList(virtualKey)) {
        focusStateChanged();
        return true;
    }
    const std::optional<FocusKey> key = focusKeyOf(virtualKey);
    if (!key) {
        return false;
    }
    const FocusAction action = keyboard_.key(*key);
    carryOut(action);
    return action.kind != FocusAction::Kind::None;
}

void CGorvikDlg::carryOut(const FocusAction& action) {
    const std::optional<FocusStop> stop = keyboard_.focused();
    switch (action.kind) {
    case FocusAction::Kind::None:
        break;
    case FocusAction::Kind::MoveMark:
        giveKeysToFocusedStop();
        break;
    case FocusAction::Kind::Activate:
        clickAt(action.point);
        break;
    case FocusAction::Kind::StepScale:
        if (PageFeature* page = shownPage(); page != nullptr && stop) {
            page->stepScale(*stop, action.step);
        }
        break;
    case FocusAction::Kind::SwitchPage:
        if (state_.pages.activePage == Page::Basic) {
            buildAdvancedPage();
        } else {
            buildBasicPage();
        }
        break;
    }
    focusStateChanged();
}

void CGorvikDlg::giveKeysToFocusedStop() {
    // A control stop takes the keys itself; any other leaves them to the window.
    const std::optional<FocusStop> stop = keyboard_.focused();
    giveKeysTo(stop && stop->control != 0 ? focusedControl() : hwnd());
}

HWND CGorvikDlg::focusedControl() const {
    const std::optional<FocusStop> stop = keyboard_.focused();
    return keyTakingChild(hwnd(), stop ? stop->control : 0);
}

void CGorvikDlg::keyboardFollowsPage() {
    if (PageFeature* page = shownPage()) {
        keyboard_.showPage(page->keyboardOrder());
    }
    focusStateChanged();
}

void CGorvikDlg::focusStateChanged() {
    drawFocusMark();
    accessible_.tellChanges();
}

void CGorvikDlg::drawFocusMark() {
    if (canvas_.bitmap() == nullptr || !IsWindowVisible(hwnd())) {
        focusMark_.forget();
        return;
    }
    focusMark_.moveTo(hwnd(), canvas_.bitmap(), keyboard_.markRect(), ui_.uiTextColor.colorRef());
}

std::wstring CGorvikDlg::accessibleName() const {
    std::array<wchar_t, 256> title{};
    if (GetWindowTextW(hwnd(), title.data(), static_cast<int>(title.size())) > 0) {
        return title.data();
    }
    return texts_[state_.pages.activePage == Page::Advanced ? TextKey::AdvancedSettings
                                                            : TextKey::BasicSettings];
}

std::vector<AccessibleNode> CGorvikDlg::accessibleChildren() const {
    const Page shown = state_.pages.activePage;
    const PageFeature* page = shown == Page::Basic      ? static_cast<const PageFeature*>(&basicPage_)
                              : shown == Page::Advanced ? static_cast<const PageFeature*>(&advancedPage_)
                                                        : nullptr;
    return accessibleNodes(
        keyboard_,
        [&](const FocusStop& stop) {
            const std::span<const FocusStop> frame = frameFocusOrder();
            const bool frameStop = std::find(frame.begin(), frame.end(), stop) != frame.end();
            StopDescription description = frameStop || page == nullptr
                                              ? describeFrameStop(stop, shown == Page::Advanced, texts_)
                                              : page->describe(stop);
            if (stop.role == FocusRole::Edit) {
                description.value = windowText(GetDlgItem(hwnd(), stop.control));
            }
            return description;
        },
        texts_);
}

void CGorvikDlg::doDefaultAction(std::size_t child) {
    PostMessageW(hwnd(), kAccessibleActionMessage, child, 0);
}

INT_PTR CGorvikDlg::onAccessibleAction(std::size_t child) {
    const std::span<const FocusStop> order = keyboard_.order();
    if (child < order.size() && order[child].role != FocusRole::Slider && order[child].control == 0) {
        const Rect area = focusStopRect(order[child]);
        clickAt({(area.left + area.right) / 2, (area.top + area.bottom) / 2});
        focusStateChanged();
    }
    return result(0);
}

void CGorvikDlg::focusChild(std::size_t child) {
    if (keyboard_.focusAt(child)) {
        giveKeysToFocusedStop();
        focusStateChanged();
    }
}
