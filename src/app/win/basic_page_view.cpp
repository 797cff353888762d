#include "app/win/basic_page_view.h"

#include <optional>
#include <string>

#include "app/hot_area.h"
#include "app/page_control_ids.h"
#include "app/page_control_layout.h"
#include "app/win/function_dialogs.h"
#include "app/win/lighting_lists.h"
#include "app/win/list_keys.h"
#include "app/win/page_controls.h"
#include "ui/win/fonts.h"
#include "assign/assignment_labels.h"
#include "settings/lighting_texts.h"
#include "skin/win/list_hover.h"
#include "ui/win/colour_chooser.h"
#include "ui/win/win_geometry.h"

namespace id = page_control_id;

BasicPageView::BasicPageView(PageHost& host, DeviceConfigRecord& record, AppSettings& settings,
                             const UiTexts& texts)
    : host_(host), model_(record, settings, texts) {}

std::vector<PaintElement> BasicPageView::paint(const PagePaintInput& input) {
    model_.setSensorType(input.sensorType);
    return basicPagePaint(input);
}

void BasicPageView::show() {
    model_.reset();
    const HFONT font = host_.normalFont();
    for (uint8_t stage = 0; stage < stageSwatches_.size(); ++stage) {
        stageSwatches_[stage].reset(createPageControl(host_.window(), L"STATIC", L"", SS_CENTER,
                                                      toRect(hotAreaRect(HotArea::DpiColourSwatch, stage)),
                                                      id::kFirstStageSwatch + stage, font));
    }
    const std::array<Rect, 3> rects{kLightingModeTextRect, kLightingParameterTextRect,
                                    kLightingEffectTextRect};
    for (std::size_t field = 0; field < rects.size(); ++field) {
        // The lighting lists open over the fields below their own: a field does not paint over them.
        // A smaller font (below) keeps the text in the middle of the field.
        lightingTexts_[field].reset(
            createPageControl(host_.window(), L"STATIC", L"", WS_CLIPSIBLINGS | SS_CENTERIMAGE,
                              toRect(rects[field]), id::kFirstLightingText + static_cast<int>(field), font));
    }
    // The fields cannot grow: where a language's texts are too long for them, the fields and the
    // lists get a smaller font rather than losing the texts' ends.
    lightingFont_ = fontFitting(lightingTexts_[0].get(), font, allLightingTexts(host_.texts()),
                                {kLightingModeTextRect.width(), LONG_MAX}, DT_SINGLELINE);
    if (lightingFont_) {
        for (const UniqueWindow& text : lightingTexts_) {
            SendMessageW(text.get(), WM_SETFONT, reinterpret_cast<WPARAM>(lightingFont_.get()), FALSE);
        }
    }
    refreshControls();
}

void BasicPageView::hide(bool) {
    for (UniqueWindow& list : assignmentLists_) {
        list.reset();
    }
    dpiSubList_.reset();
    for (UniqueWindow& list : lightingLists_) {
        list.reset();
    }
    for (UniqueWindow& swatch : stageSwatches_) {
        swatch.reset();
    }
    for (UniqueWindow& text : lightingTexts_) {
        text.reset();
    }
    lightingFont_.reset();
    model_.reset();
}

void BasicPageView::refreshControls() {
    const LightingFieldTexts fields = lightingFieldTexts(model_.record(), host_.texts());
    const std::array<const std::wstring*, 3> texts{&fields.mode, &fields.parameter, &fields.effect};
    for (std::size_t field = 0; field < texts.size(); ++field) {
        if (lightingTexts_[field]) {
            SetWindowTextW(lightingTexts_[field].get(), texts[field]->c_str());
        }
    }
    for (const UniqueWindow& swatch : stageSwatches_) {
        if (swatch) {
            InvalidateRect(swatch.get(), nullptr, TRUE);
        }
    }
}

void BasicPageView::showClick(const std::optional<PageUpdate>& update) {
    dropClosedLists();
    if (!update) {
        return;
    }
    // The lists change before a refusal shows.
    showAssignmentLists();
    showLightingLists();
    show(*update);
    if (update->colourForStage) {
        chooseStageColour(*update->colourForStage);
    }
}

void BasicPageView::dropClosedLists() {
    for (std::size_t button = 0; button < assignmentLists_.size(); ++button) {
        if (!model_.assignmentListOpen(ButtonIndex{button})) {
            assignmentLists_[button].reset();
        }
    }
    if (!model_.dpiSubListOpen()) {
        dpiSubList_.reset();
    }
    for (uint8_t list = 0; list < lightingLists_.size(); ++list) {
        if (!model_.lightingListOpen(list)) {
            lightingLists_[list].reset();
        }
    }
}

void BasicPageView::show(const PageUpdate& update) {
    showPageUpdate(host_, update);
    if (update.refreshControls) {
        refreshControls();
    }
}

void BasicPageView::chooseStageColour(StageIndex stage) {
    // The chooser opens with its own defaults (black), not with the stage's colour.
    const std::optional<COLORREF> colour = chooseColour(host_.window());
    if (colour) {
        show(model_.setStageColour(stage, GetRValue(*colour), GetGValue(*colour), GetBValue(*colour)));
    }
}

// Creates the function list and the DPI sub-list the model has open and closes the others; a list
// may be closing from inside its own notification.
void BasicPageView::showAssignmentLists() {
    for (uint8_t button = 0; button < assignmentLists_.size(); ++button) {
        UniqueWindow& window = assignmentLists_[button];
        if (!model_.assignmentListOpen(ButtonIndex{button})) {
            closeListAfterNotification(window);
        } else if (!window) {
            window.reset(createPageControl(host_.window(), L"LISTBOX", L"", WS_BORDER | LBS_NOTIFY,
                                           toRect(hotAreaRect(HotArea::AssignmentList, button)),
                                           id::kFirstAssignmentList + button, host_.normalFont()));
            for (const std::wstring& item : model_.assignmentListItems()) {
                SendMessageW(window.get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
            }
        }
    }
    if (!model_.dpiSubListOpen()) {
        closeListAfterNotification(dpiSubList_);
        return;
    }
    for (uint8_t button = 0; button < assignmentLists_.size() && !dpiSubList_; ++button) {
        RECT item{};
        const HWND list = assignmentLists_[button].get();
        if (list == nullptr ||
            SendMessageW(list, LB_GETITEMRECT, kDpiSwitchItem, reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
            continue;
        }
        const Rect area = dpiSubListRect(hotAreaRect(HotArea::AssignmentList, button),
                                         {item.left, item.top, item.right, item.bottom});
        dpiSubList_.reset(createPageControl(host_.window(), L"LISTBOX", L"", WS_BORDER | LBS_NOTIFY,
                                            toRect(area), id::kDpiSubList, host_.normalFont()));
        for (const std::wstring_view choice : dpiSwitchItems()) {
            const std::wstring text(choice);
            SendMessageW(dpiSubList_.get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
}

// A function or a DPI switch picked: a dialog may run first; the lists close once it is done.
void BasicPageView::chooseAssignment(int control, int notification) {
    if (control == id::kDpiSubList) {
        if (const std::optional<std::size_t> row = chosenListEntry(dpiSubList_.get(), notification)) {
            show(model_.chooseDpiSwitch(row));
        }
    } else {
        const ButtonIndex button{static_cast<std::size_t>(control - id::kFirstAssignmentList)};
        const std::optional<std::size_t> item =
            chosenListEntry(assignmentLists_[button.value()].get(), notification);
        if (!item) {
            return;
        }
        const PageUpdate update = model_.chooseAssignment(button, item);
        show(update);
        if (update.dialog) {
            const std::optional<FunctionChoice> choice =
                runFunctionDialog(host_.window(), host_.dialogLook(), host_.texts(), update.dialog->dialog);
            show(model_.assign(*update.dialog, choice));
        }
    }
    showAssignmentLists();
}

// The pointer over the open function list: resting on "DPI Switch" opens the DPI sub-list, on any
// other item closes it.
void BasicPageView::hoverAssignmentList() {
    for (std::size_t button = 0; button < assignmentLists_.size(); ++button) {
        const HWND list = assignmentLists_[button].get();
        POINT cursor{};
        if (list == nullptr || !GetCursorPos(&cursor) || WindowFromPoint(cursor) != list) {
            continue;
        }
        ScreenToClient(list, &cursor);
        const LRESULT item = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(cursor.x, cursor.y));
        // The high word is set when the point lies below the last item.
        model_.hoverAssignmentList(
            ButtonIndex{button}, HIWORD(item) == 0 ? std::optional<std::size_t>(LOWORD(item)) : std::nullopt);
        showAssignmentLists();
    }
}

// Creates the lighting list the model has open; the lists it closed are already gone.
void BasicPageView::showLightingLists() {
    for (uint8_t list = 0; list < lightingLists_.size(); ++list) {
        UniqueWindow& window = lightingLists_[list];
        if (!model_.lightingListOpen(list)) {
            window.reset();
        } else if (!window) {
            window.reset(createLightingList(host_.window(),
                                            lightingFont_ ? lightingFont_.get() : host_.normalFont(), list,
                                            model_.lightingListItems()));
        }
    }
}

void BasicPageView::chooseLightingEntry(int control, int notification) {
    const auto list = static_cast<uint8_t>(control - id::kFirstLightingList);
    UniqueWindow& window = lightingLists_[list];
    const std::optional<std::size_t> entry = chosenListEntry(window.get(), notification);
    if (!entry) {
        return;
    }
    const PageUpdate update = model_.chooseLightingEntry(list, *entry);
    if (!model_.lightingListOpen(list)) {
        closeListAfterNotification(window);
    }
    show(update);
}

bool BasicPageView::command(int control, int notification) {
    if (control >= id::kFirstLightingList && control <= id::kLastLightingList) {
        chooseLightingEntry(control, notification);
        return true;
    }
    if (control == id::kDpiSubList ||
        (control >= id::kFirstAssignmentList && control <= id::kLastAssignmentList)) {
        chooseAssignment(control, notification);
        return true;
    }
    return false;
}

void BasicPageView::stepScale(const FocusStop& stop, int step) {
    if (stop.area == HotArea::DpiLevelCell) {
        show(model_.stepDpiStage(StageIndex{stop.index}, step));
    }
}

// The open function list takes Up, Down and Space; an item reached with the arrows counts as the
// pointer resting on it, so "DPI Switch" opens its sub-list, which Right enters and Left leaves.
bool BasicPageView::keyInOpenList(UINT virtualKey) {
    for (std::size_t button = 0; button < assignmentLists_.size(); ++button) {
        const HWND list = assignmentLists_[button].get();
        if (!model_.assignmentListOpen(ButtonIndex{button}) || list == nullptr) {
            continue;
        }
        keysInDpiSubList_ = keysInDpiSubList_ && dpiSubList_;
        if (virtualKey == VK_RIGHT || virtualKey == VK_LEFT) {
            keysInDpiSubList_ = virtualKey == VK_RIGHT && dpiSubList_;
            return static_cast<bool>(dpiSubList_);
        }
        const HWND keyed = keysInDpiSubList_ ? dpiSubList_.get() : list;
        const ListKey key = keyOnList(keyed, virtualKey);
        if (key == ListKey::Choose) {
            chooseAssignment(GetDlgCtrlID(keyed), LBN_SELCHANGE);
        } else if (key == ListKey::Moved && !keysInDpiSubList_) {
            const LRESULT item = SendMessageW(list, LB_GETCURSEL, 0, 0);
            model_.hoverAssignmentList(ButtonIndex{button}, static_cast<std::size_t>(item));
            showAssignmentLists();
        }
        return key != ListKey::None;
    }
    for (uint8_t field = 0; field < lightingLists_.size(); ++field) {
        const HWND list = lightingLists_[field].get();
        if (!model_.lightingListOpen(field) || list == nullptr) {
            continue;
        }
        const ListKey key = keyOnList(list, virtualKey);
        if (key == ListKey::Choose) {
            chooseLightingEntry(GetDlgCtrlID(list), LBN_SELCHANGE);
        }
        return key != ListKey::None;
    }
    return false;
}

bool BasicPageView::preTranslateMessage(const MSG& message) {
    if (message.message == WM_MOUSEMOVE) {
        // The item under the pointer of an open drop-down list is selected as the pointer moves.
        for (const UniqueWindow& list : assignmentLists_) {
            selectListItemUnderPointer(list.get());
        }
        selectListItemUnderPointer(dpiSubList_.get());
        for (const UniqueWindow& list : lightingLists_) {
            selectListItemUnderPointer(list.get());
        }
        hoverAssignmentList();
    }
    // The message goes on to its window either way.
    return false;
}

std::optional<ControlColourRule> BasicPageView::controlColour(UINT, HWND control,
                                                              TextColour uiTextColor) const {
    for (std::size_t stage = 0; stage < stageSwatches_.size(); ++stage) {
        if (control == stageSwatches_[stage].get()) {
            return stageSwatchColour(model_.record().stageColor[stage]);
        }
    }
    for (const UniqueWindow& text : lightingTexts_) {
        if (control == text.get()) {
            return dropDownHeaderColour(uiTextColor);
        }
    }
    for (const UniqueWindow& list : lightingLists_) {
        if (control == list.get()) {
            return fittedListColour();
        }
    }
    return std::nullopt;
}
