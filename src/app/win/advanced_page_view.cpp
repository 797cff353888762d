#include "app/win/advanced_page_view.h"

#include <climits>
#include <utility>

#include "app/hot_area.h"
#include "app/page_control_ids.h"
#include "app/page_control_layout.h"
#include "app/win/list_keys.h"
#include "app/win/page_controls.h"
#include "app/win/resource_ids.h"
#include "assign/win/delay_time_dialog.h"
#include "ui/win/window_text.h"
#include "ui/win/fonts.h"
#include "macro/win/macro_controls.h"
#include "skin/win/list_hover.h"
#include "ui/win/message_wait.h"
#include "ui/win/scoped_handle.h"
#include "ui/win/win_geometry.h"

namespace id = page_control_id;

AdvancedPageView::AdvancedPageView(PageHost& host, DeviceConfigRecord& record, AppSettings& settings,
                                   const UiTexts& texts, PointerSettings& pointer,
                                   DeviceConfigRecord& applied, const DataPaths& paths)
    : host_(host), model_(record, settings, texts), pointer_(pointer), applied_(applied), paths_(paths) {}

void AdvancedPageView::prepare() {
    for (const Notice& notice : model_.preparePointerSettings(pointer_, applied_)) {
        host_.showNotice(notice);
    }
}

void AdvancedPageView::show() {
    createControls();
    if (!macroFile_) {
        macroFile_.emplace(paths_.macroPath);
        model_.openMacroFile(*macroFile_, *this);
    }
    show(model_.loadMacroPage());
}

void AdvancedPageView::hide(bool pageChanges) {
    destroyControls();
    if (pageChanges) {
        show(model_.endRecording());
    }
}

void AdvancedPageView::createControls() {
    model_.reset();
    const HFONT font = host_.normalFont();
    const HWND parent = host_.window();
    const std::wstring& mouseEventCaption = host_.texts()[TextKey::InsertMouseEventButton];
    mouseEventHeaderText_.reset(createPageControl(parent, L"STATIC", mouseEventCaption.c_str(), 0,
                                                  toRect(kMouseEventHeaderTextRect),
                                                  id::kMouseEventHeaderText, font));
    // The header cannot grow: a caption too long for it gets a smaller font rather than losing its end.
    mouseEventHeaderFont_ = fontFitting(mouseEventHeaderText_.get(), font, {mouseEventCaption},
                                        {kMouseEventHeaderTextRect.width(), LONG_MAX}, DT_SINGLELINE);
    if (mouseEventHeaderFont_) {
        SendMessageW(mouseEventHeaderText_.get(), WM_SETFONT,
                     reinterpret_cast<WPARAM>(mouseEventHeaderFont_.get()), FALSE);
    }
    macroNameEdit_.reset(createPageControl(parent, L"EDIT", L"", ES_CENTER | ES_AUTOHSCROLL,
                                           toRect(kMacroNameEditRect), id::kMacroNameEdit, font));
    SendMessageW(macroNameEdit_.get(), EM_LIMITTEXT, kMacroNameMaxLength, 0);
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
    retiredMouseEventList_.reset();
    model_.reset();
}

bool AdvancedPageView::message(UINT message, WPARAM wParam) {
    if (message != WM_MACRO_RECORD_KEY) {
        return false;
    }
    show(model_.onRecordedKey(wParam != 0));
    return true;
}

void AdvancedPageView::stepScale(const FocusStop& stop, int step) {
    if (stop.area == HotArea::PointerSliderSegment) {
        show(model_.stepPointerSlider(stop.index, step));
    }
}

bool AdvancedPageView::keyInOpenList(UINT virtualKey) {
    const ListKey key = keyOnList(mouseEventList_.get(), virtualKey);
    if (key == ListKey::Choose) {
        onMacroControl(page_control_id::kMouseEventList, LBN_SELCHANGE);
    }
    return key != ListKey::None;
}

bool AdvancedPageView::holdsKey(const MSG& message) const {
    return message.message == WM_KEYDOWN && model_.recording();
}

void AdvancedPageView::showClick(const std::optional<PageUpdate>& update) {
    if (!model_.mouseEventListOpen()) {
        mouseEventList_.reset();
    }
    if (!update) {
        return;
    }
    show(*update);
    // Default leaves each refusal of the system to show once.
    for (const Notice& notice : model_.takePointerNotices()) {
        host_.showNotice(notice);
    }
}

void AdvancedPageView::show(const PageUpdate& update) {
    showPageUpdate(host_, update);
    if (update.refreshControls) {
        showMacroControls();
    }
}

bool AdvancedPageView::command(int control, int notification) {
    if (control == ID_MACROLIST_DELETE) {
        deleteEventLine();
        return true;
    }
    if (control == id::kMacroListBox || control == id::kEventListBox || control == id::kMouseEventList ||
        control == id::kMacroNameEdit || control == id::kLoopTimesEdit) {
        onMacroControl(control, notification);
        return true;
    }
    return false;
}

bool AdvancedPageView::preTranslateMessage(const MSG& message) {
    if (retiredMouseEventList_ && message.hwnd != retiredMouseEventList_.get()) {
        retiredMouseEventList_.reset();
    }
    if (message.message == WM_MOUSEMOVE) {
        selectListItemUnderPointer(mouseEventList_.get());
        selectListItemUnderPointer(eventListBox_.get());
        takeEventLineSelection();
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

std::optional<ControlColourRule> AdvancedPageView::controlColour(UINT, HWND control,
                                                                 TextColour uiTextColor) const {
    if (control == mouseEventHeaderText_.get()) {
        return dropDownHeaderColour(uiTextColor);
    }
    if (control == macroListBox_.get() || control == eventListBox_.get()) {
        return macroListColour(uiTextColor);
    }
    return std::nullopt;
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
    const ForeignMessageLoop menuLoop;
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, host_.window(), nullptr);
}

void AdvancedPageView::deleteEventLine() {
    takeEventLineSelection();
    show(model_.deleteEventLine());
}

// Macro group.
void AdvancedPageView::showNotice(const Notice& notice) {
    host_.showNotice(notice);
}

bool AdvancedPageView::installKeyboardHook(unsigned long& errorCode) {
    return recordHook_.install(
        host_.window(),
        [this](std::wstring_view keyName, bool released, bool previouslyDown) {
            return model_.acceptRecordedKey(keyName, released, previouslyDown);
        },
        errorCode);
}

void AdvancedPageView::removeKeyboardHook() {
    recordHook_.remove();
}

void AdvancedPageView::setWindowTitle(const std::wstring& title) {
    SetWindowTextW(host_.window(), title.c_str());
}

void AdvancedPageView::onMacroControl(int control, int notification) {
    if (showingMacroControls_) {
        return;
    }
    switch (control) {
    case id::kMacroNameEdit:
        if (notification == EN_CHANGE) {
            model_.setMacroNameText(windowText(macroNameEdit_.get()));
        }
        break;
    case id::kLoopTimesEdit:
        if (notification == EN_CHANGE) {
            show(model_.setLoopTimes(windowText(loopTimesEdit_.get())));
        }
        break;
    case id::kMacroListBox:
        if (notification == LBN_SELCHANGE) {
            show(model_.selectMacro(listSelection(macroListBox_.get())));
        }
        break;
    case id::kEventListBox:
        takeEventLineSelection();
        if (notification == LBN_DBLCLK) {
            editDelayLine();
        }
        break;
    case id::kMouseEventList:
        if (notification == LBN_SELCHANGE) {
            if (const std::optional<std::size_t> item = listSelection(mouseEventList_.get())) {
                show(model_.insertMouseEvent(*item));
            }
        }
        break;
    default:
        break;
    }
}

void AdvancedPageView::showMacroControls() {
    const MacroEditor* editor = model_.macroEditor();
    if (editor == nullptr) {
        return;
    }
    const bool wasShowing = std::exchange(showingMacroControls_, true);
    showEditText(macroNameEdit_.get(), editor->macroNameText());
    showEditText(loopTimesEdit_.get(), editor->loopTimesText());
    showListItems(macroListBox_.get(), editor->macroNames(), editor->selectedMacro());
    showListItems(eventListBox_.get(), editor->eventLines(), editor->selectedEventLine());
    showMouseEventList(editor->mouseEventListOpen());
    showingMacroControls_ = wasShowing;
}

void AdvancedPageView::showMouseEventList(bool open) {
    if (open && !mouseEventList_) {
        mouseEventList_.reset(createPageControl(
            host_.window(), L"LISTBOX", L"", WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
            toRect(hotAreaRect(HotArea::MouseEventList)), id::kMouseEventList, host_.normalFont()));
        for (const std::wstring_view item : mouseEventItems()) {
            const std::wstring text(item);
            SendMessageW(mouseEventList_.get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    } else if (!open && mouseEventList_) {
        // The list may be inside its own notification: hide it now, destroy it after it returned.
        ShowWindow(mouseEventList_.get(), SW_HIDE);
        retiredMouseEventList_ = std::move(mouseEventList_);
    }
}

void AdvancedPageView::takeEventLineSelection() {
    if (eventListBox_) {
        model_.selectEventLine(listSelection(eventListBox_.get()));
    }
}

void AdvancedPageView::editDelayLine() {
    if (!model_.canEditDelay()) {
        return;
    }
    if (const std::optional<DelayTimeEntry> entry =
            runDelayTimeDialog(host_.window(), host_.dialogLook(), host_.texts())) {
        show(model_.editDelayLine(entry->value));
    }
}
