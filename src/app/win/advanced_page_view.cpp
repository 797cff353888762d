#include "app/win/advanced_page_view.h"

#include "app/page_control_ids.h"
#include "app/page_control_layout.h"
#include "app/win/page_controls.h"
#include "app/win/pointer_message_boxes.h"
#include "app/win/resource_ids.h"
#include "skin/win/list_hover.h"
#include "ui/win/scoped_handle.h"
#include "ui/win/win_geometry.h"

namespace id = page_control_id;

AdvancedPageView::AdvancedPageView(PageHost& host, DeviceConfigRecord& record, const UiTexts& texts)
    : host_(host), model_(record, texts) {}

void AdvancedPageView::createControls() {
    model_.reset();
    const HFONT font = host_.normalFont();
    const HWND parent = host_.window();
    mouseEventHeaderText_.reset(
        createPageControl(parent, L"STATIC", host_.texts()[TextKey::InsertMouseEventButton].c_str(), 0,
                          toRect(kMouseEventHeaderTextRect), id::kMouseEventHeaderText, font));
    macroNameEdit_.reset(createPageControl(parent, L"EDIT", L"", ES_CENTER | ES_AUTOHSCROLL,
                                           toRect(kMacroNameEditRect), id::kMacroNameEdit, font));
    loopTimesEdit_.reset(createPageControl(parent, L"EDIT", L"", ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER,
                                           toRect(kLoopTimesEditRect), id::kLoopTimesEdit, font));
    const DWORD listStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    macroListBox_.reset(createPageControl(parent, L"LISTBOX", L"", listStyle, toRect(kMacroListBoxRect),
                                          id::kMacroListBox, font));
    eventListBox_.reset(createPageControl(parent, L"LISTBOX", L"", listStyle, toRect(kEventListBoxRect),
                                          id::kEventListBox, font));
}

void AdvancedPageView::destroyControls() {
    mouseEventHeaderText_.reset();
    mouseEventList_.reset();
    macroNameEdit_.reset();
    loopTimesEdit_.reset();
    macroListBox_.reset();
    eventListBox_.reset();
    model_.reset();
}

void AdvancedPageView::loadMacroPage() {
    show(model_.loadMacroPage());
}

void AdvancedPageView::endRecording() {
    show(model_.endRecording());
}

void AdvancedPageView::preparePointerSettings(PointerSettings& pointer, DeviceConfigRecord& applied) {
    showPointerMessages(host_.window(), model_.preparePointerSettings(pointer, applied));
}

void AdvancedPageView::closeLists(const ListsToClose& lists) {
    model_.closeLists(lists);
    if (!model_.mouseEventListOpen()) {
        mouseEventList_.reset();
    }
}

void AdvancedPageView::carryOut(const ClickDecision& decision) {
    switch (decision.action) {
    case ClickAction::TogglePointerPrecision:
        show(model_.togglePointerPrecision());
        break;
    case ClickAction::ToggleScrollOneScreen:
        show(model_.toggleScrollOneScreen());
        break;
    case ClickAction::RestorePointerDefaults:
        show(model_.restorePointerDefaults());
        showPointerMessages(host_.window(), model_.takePointerMessages());
        break;
    case ClickAction::StartMacroRecording:
        show(model_.startMacroRecording());
        break;
    case ClickAction::StopMacroRecording:
        show(model_.stopMacroRecording());
        break;
    case ClickAction::NewMacro:
        show(model_.newMacro());
        break;
    case ClickAction::DeleteMacro:
        show(model_.deleteMacro());
        break;
    case ClickAction::SaveMacro:
        show(model_.saveMacro());
        break;
    case ClickAction::ToggleMouseEventList:
        show(model_.toggleMouseEventList());
        break;
    case ClickAction::SetPointerSlider:
        show(model_.setPointerSlider(decision.first, decision.second));
        break;
    default:
        break;
    }
}

void AdvancedPageView::show(const PageUpdate& update) {
    showPageUpdate(host_, update);
}

bool AdvancedPageView::onCommand(int control, int) {
    if (control == ID_MACROLIST_DELETE) {
        deleteEventLine();
        return true;
    }
    return control == id::kMacroListBox || control == id::kEventListBox || control == id::kMouseEventList ||
           control == id::kMacroNameEdit || control == id::kLoopTimesEdit;
}

bool AdvancedPageView::preTranslateMessage(const MSG& message) {
    if (message.message == WM_MOUSEMOVE) {
        selectListItemUnderPointer(mouseEventList_.get());
        selectListItemUnderPointer(eventListBox_.get());
    } else if (message.message == WM_RBUTTONDOWN && eventListBox_) {
        POINT cursor{};
        GetCursorPos(&cursor);
        if (WindowFromPoint(cursor) == eventListBox_.get()) {
            showEventListMenu();
        }
    }
    // The message goes on to its window either way.
    return false;
}

void AdvancedPageView::describe(ClickContext& context) const {
    model_.describe(context);
}

void AdvancedPageView::showEventListMenu() {
    UniqueMenu menu(LoadMenuW(host_.instance(), MAKEINTRESOURCEW(IDR_MACRO_LIST_MENU)));
    const HMENU popup = menu ? GetSubMenu(menu.get(), 0) : nullptr;
    if (popup == nullptr) {
        return;
    }
    ModifyMenuW(popup, ID_MACROLIST_DELETE, MF_BYCOMMAND | MF_STRING, ID_MACROLIST_DELETE,
                host_.texts()[TextKey::Delete].c_str());
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, host_.window(), nullptr);
}

void AdvancedPageView::deleteEventLine() {
    const HWND list = eventListBox_.get();
    if (list == nullptr) {
        return;
    }
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) {
        SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    }
}
