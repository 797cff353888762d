#include "skin/win/skinned_sub_dialog.h"

#include <windowsx.h>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "config/win/notice_box.h"
#include "skin/skin_paths.h"
#include "ui/win/fonts.h"
#include "skin/win/load_png.h"
#include "ui/win/mem_dc.h"
#include "skin/win/png_image.h"
#include "ui/win/keyboard_target.h"
#include "ui/win/window_text.h"
#include "ui/win/message_wait.h"
#include "ui/win/modal_loop.h"
#include "ui/win/win_geometry.h"

namespace {

// The in-memory template the skinned dialogs are created from: a pop-up window with a thin border,
// no caption, no menu and no controls. Its nominal size is replaced by the size of the dialog's
// background image when the dialog initialises.
struct alignas(4) EmptyDialogTemplate {
    DLGTEMPLATE header{WS_POPUP | WS_BORDER | WS_CLIPCHILDREN | DS_SETFOREGROUND, 0, 0, 0, 0, 200, 150};
    WORD menu = 0;        // no menu
    WORD windowClass = 0; // the system dialog class
    WORD title = 0;       // empty title
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
// Behind the dialog's controls: edit fields and the brush handed to every child control.
constexpr COLORREF kControlBackground = RGB(40, 40, 40);
// How long the pointer rests on a button before it lights up.
constexpr DWORD kHoverTimeMs = 10;
// Posted by a screen reader's default action on a stop (wParam: the stop's place in the order), so
// that the reader's call returns before the click is carried out.
constexpr UINT kStopActionMessage = WM_APP + 0x30;

// What a reader hears as a control's value: an edit's or a static's text, a list's selected row.
std::wstring valueOf(HWND control) {
    std::array<wchar_t, 16> kind{};
    GetClassNameW(control, kind.data(), static_cast<int>(kind.size()));
    if (CompareStringOrdinal(kind.data(), -1, L"ListBox", -1, TRUE) != CSTR_EQUAL) {
        return windowText(control);
    }
    const LRESULT row = SendMessageW(control, LB_GETCURSEL, 0, 0);
    const LRESULT length = row == LB_ERR ? LB_ERR : SendMessageW(control, LB_GETTEXTLEN, row, 0);
    if (length == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(control, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

RECT clientRect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

void drawCentredText(HDC dc, const std::wstring& text, Rect area) {
    RECT rect = toRect(area);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// Puts `dialog` in the middle of `owner`, or of the work area without an owner, kept on screen.
void centreOver(HWND dialog, HWND owner) {
    RECT frame{};
    GetWindowRect(dialog, &frame);
    RECT around{};
    if (owner == nullptr || !IsWindowVisible(owner) || !GetWindowRect(owner, &around)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
    }
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = around.left + (around.right - around.left - width) / 2;
    const int y = around.top + (around.bottom - around.top - height) / 2;
    SetWindowPos(dialog, nullptr, x < 0 ? 0 : x, y < 0 ? 0 : y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

SkinnedSubDialog::SkinnedSubDialog(SkinImage background, std::wstring loadFailureCaption, DialogLook look)
    : backgroundImage_(background), loadFailureCaption_(std::move(loadFailureCaption)),
      look_(std::move(look)), hover_({dialog_layout::Close, dialog_layout::Ok, dialog_layout::Cancel}) {}

SkinnedSubDialog::~SkinnedSubDialog() {
    if (hwnd() != nullptr) {
        endDialog(IDCANCEL);
    }
}

HWND SkinnedSubDialog::createWindow(HWND owner) {
    owner_ = owner;
    static const EmptyDialogTemplate dialogTemplate;
    return create(GetModuleHandleW(nullptr), dialogTemplate.header, owner);
}

int SkinnedSubDialog::runModal(HWND owner) {
    const HWND window = createWindow(owner);
    if (window == nullptr) {
        return IDCANCEL;
    }
    if (!hasBackground()) {
        endDialog(IDCANCEL);
        return modalResult_;
    }
    if (owner_ != nullptr && IsWindowEnabled(owner_)) {
        EnableWindow(owner_, FALSE);
        ownerDisabled_ = true;
    }
    centreOver(window, owner_);
    ShowWindow(window, SW_SHOW);
    MSG message{};
    while (IsWindow(window)) {
        const BOOL got = nextMessage(message);
        if (got == 0) {
            // Leave the quit request for the loop outside, after this dialog has gone.
            endDialog(IDCANCEL);
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0) {
            endDialog(IDCANCEL);
            break;
        }
        if (!routeDialogMessage(*this, message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return modalResult_ == 0 ? IDCANCEL : modalResult_;
}

void SkinnedSubDialog::endDialog(int result) {
    modalResult_ = result;
    if (ownerDisabled_) {
        // Before the dialog goes, so that Windows gives the activation back to the owner.
        EnableWindow(owner_, TRUE);
        ownerDisabled_ = false;
    }
    if (hwnd() != nullptr) {
        DestroyWindow(hwnd());
    }
    // The modal loop sees that the window has gone only when GetMessage returns, which a message
    // sent to the dialog (a click from an accessibility tool, say) does not make it do: wake it.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

INT_PTR SkinnedSubDialog::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog();
    case WM_ERASEBKGND:
        return onEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_MOUSEMOVE:
        return onMouseMove(pointOf(lParam));
    case WM_MOUSEHOVER:
        return onMouseHover(pointOf(lParam));
    case WM_LBUTTONDOWN:
        return onLeftButtonDown(pointOf(lParam));
    case WM_LBUTTONUP:
        return onLeftButtonUp();
    case WM_CAPTURECHANGED:
        dragSpot_.reset();
        return FALSE;
    case WM_COMMAND:
        return onCommand(wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<INT_PTR>(
            controlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_HELP:
        // No help exists; answering keeps the system from passing F1 on to the owner.
        return TRUE;
    case WM_GETOBJECT:
        return result(accessible_.onGetObject(wParam, lParam));
    case kStopActionMessage:
        if (const std::size_t child = wParam; child < keyboard_.order().size()) {
            const Rect area = keyboard_.order()[child].area;
            keyboard_.focusAt(child);
            if (clickAt({(area.left + area.right) / 2, (area.top + area.bottom) / 2}) && hwnd() != nullptr) {
                focusStateChanged();
            }
        }
        return TRUE;
    default:
        return onOtherMessage(message, wParam, lParam);
    }
}

BOOL SkinnedSubDialog::onInitDialog() {
    std::optional<PngImage> image = PngImage::load(skinImagePath(look_.skinFolder, backgroundImage_));
    const int width = image ? image->width() : 0;
    const int height = image ? image->height() : 0;
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    if (!image) {
        showNotice(hwnd(), Notice{L"error", loadFailureCaption_});
        return FALSE;
    }
    background_.reset(image->detach());
    pristineBackground_.reset(
        static_cast<HBITMAP>(CopyImage(background_.get(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));

    font_.reset(createFontFrom(look_.font));
    createControls();
    keyboard_ = DialogFocus(keyboardOrder());
    return TRUE;
}

INT_PTR SkinnedSubDialog::onEraseBackground(HDC dc) {
    if (!hasBackground()) {
        return result(TRUE);
    }
    {
        const RECT client = clientRect(hwnd());
        CMemDC surface(dc, background_.get(), client);
        const HDC canvasDc = surface.dc();
        // Composed afresh on the image each time: texts drawn again onto their own smoothed edges would
        // grow bold.
        copyBitmapToDc(canvasDc, pristineBackground_.get(), client);
        ScopedSelect selectedFont(canvasDc, font_.get());
        SetBkMode(canvasDc, TRANSPARENT);
        SetTextColor(canvasDc, look_.textColour.colorRef());
        drawFrameButton(canvasDc, Ok, false);
        drawFrameButton(canvasDc, Cancel, false);
        SetTextColor(canvasDc, kWhite);
        paintOwnContent(canvasDc);
        drawFrameButton(canvasDc, Close, false);
    }
    focusMark_.redraw(dc, look_.textColour.colorRef());
    // The canvas now shows every button normal again.
    hover_.reset();
    return result(TRUE);
}

void SkinnedSubDialog::drawFrameButton(HDC dc, std::size_t button, bool over) {
    switch (button) {
    case Close:
        drawSkinImage(dc, over ? SkinImage::CloseOver : SkinImage::CloseNormal,
                      dialog_layout::Close.topLeft());
        break;
    case Ok:
        drawSkinImage(dc, over ? SkinImage::ButtonOver : SkinImage::ButtonNormal,
                      dialog_layout::Ok.topLeft());
        drawCentredText(dc, look_.captions.ok, dialog_layout::Ok);
        break;
    case Cancel:
        drawSkinImage(dc, over ? SkinImage::ButtonOver : SkinImage::ButtonNormal,
                      dialog_layout::Cancel.topLeft());
        drawCentredText(dc, look_.captions.cancel, dialog_layout::Cancel);
        break;
    default:
        break;
    }
}

bool SkinnedSubDialog::drawSkinImage(HDC dc, SkinImage image, Point at) {
    return LoadPngInDialog(hwnd(), dc, skinImagePath(look_.skinFolder, image), at.x, at.y, &images_);
}

void SkinnedSubDialog::applyHover(const HoverUpdate& update) {
    if (update.requestHoverNotice) {
        TRACKMOUSEEVENT track{sizeof(track), TME_HOVER, hwnd(), kHoverTimeMs};
        TrackMouseEvent(&track);
    }
    if (!update.copyToWindow() || !hasBackground()) {
        return;
    }
    {
        CanvasPainter painter(hwnd(), background_.get());
        const HDC canvasDc = painter.dc();
        ScopedSelect selectedFont(canvasDc, font_.get());
        SetBkMode(canvasDc, TRANSPARENT);
        SetTextColor(canvasDc, look_.textColour.colorRef());
        for (const HoverRedraw& redraw : update.redraws) {
            drawFrameButton(canvasDc, redraw.item, redraw.over);
        }
    }
    // OK and Cancel lie side by side, so a button drawn anew may cover the mark around the other.
    const WindowDc window(hwnd());
    focusMark_.redraw(window.get(), look_.textColour.colorRef());
}

INT_PTR SkinnedSubDialog::onMouseMove(Point p) {
    if (dragSpot_) {
        POINT cursor{};
        GetCursorPos(&cursor);
        dragTo(cursor);
        return TRUE;
    }
    applyHover(hover_.onMouseMove(p));
    return FALSE;
}

void SkinnedSubDialog::dragTo(POINT cursor) {
    // Move the window so that the held client point is under the pointer again.
    POINT held{dragSpot_->x, dragSpot_->y};
    ClientToScreen(hwnd(), &held);
    RECT frame{};
    GetWindowRect(hwnd(), &frame);
    SetWindowPos(hwnd(), nullptr, frame.left + cursor.x - held.x, frame.top + cursor.y - held.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR SkinnedSubDialog::onLeftButtonUp() {
    if (!dragSpot_) {
        return FALSE;
    }
    dragSpot_.reset();
    ReleaseCapture();
    return TRUE;
}

INT_PTR SkinnedSubDialog::onMouseHover(Point p) {
    applyHover(hover_.onMouseHover(p));
    return FALSE;
}

INT_PTR SkinnedSubDialog::onLeftButtonDown(Point p) {
    keyboard_.clickedAt(p);
    if (clickAt(p)) {
        return TRUE;
    }
    if (isDragSpot(p)) {
        dragSpot_ = p;
        SetCapture(hwnd());
    }
    return FALSE;
}

bool SkinnedSubDialog::clickAt(Point p) {
    onClick(p);
    if (hwnd() == nullptr) {
        return true;
    }
    const std::array frame{dialog_layout::Close, dialog_layout::Ok, dialog_layout::Cancel};
    switch (pickRect(frame, p).value_or(std::size(frame))) {
    case Ok:
        onOk();
        return true;
    case Cancel:
    case Close:
        onCancel();
        return true;
    default:
        return false;
    }
}

bool SkinnedSubDialog::preTranslateMessage(MSG& message) {
    return filterMessage(message) || takeKey(message);
}

bool SkinnedSubDialog::takeKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || keyboard_.order().empty() ||
        (message.hwnd != hwnd() && !IsChild(hwnd(), message.hwnd)) || capturesKeys(GetFocus())) {
        return false;
    }
    const auto virtualKey = static_cast<UINT>(message.wParam);
    if (virtualKey == VK_TAB) {
        if (message.hwnd != hwnd()) {
            // A control the user clicked in: Tab goes on from its stop.
            keyboard_.controlFocused(GetDlgCtrlID(message.hwnd));
        }
        moveFocus(GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    const std::optional<DialogStop> stop = keyboard_.focused();
    if (!stop || stop->takesOwnKeys()) {
        return false;
    }
    if (const HWND list = openList(); list != nullptr) {
        if (virtualKey == VK_UP || virtualKey == VK_DOWN) {
            stepOpenList(list, virtualKey == VK_UP ? -1 : 1);
            return true;
        }
        if (virtualKey == VK_SPACE) {
            // Picked as a double-click picks it; the list closes.
            SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(list));
            if (hwnd() != nullptr) {
                focusStateChanged();
            }
            return true;
        }
    }
    if (virtualKey != VK_SPACE) {
        return false;
    }
    carryOut(keyboard_.key(FocusKey::Space));
    return true;
}

void SkinnedSubDialog::moveFocus(bool forward) {
    const FocusKey key = forward ? FocusKey::Tab : FocusKey::ShiftTab;
    DialogFocusAction action = keyboard_.key(key);
    // A control the dialog does not show or take keys in now (a field while a list is open) is
    // passed over.
    for (std::size_t tried = 0;
         action.kind == DialogFocusAction::Kind::MoveMark && keyboard_.focused()->takesOwnKeys() &&
         focusedControl() == nullptr && tried < keyboard_.order().size();
         ++tried) {
        action = keyboard_.key(key);
    }
    carryOut(action);
}

void SkinnedSubDialog::carryOut(const DialogFocusAction& action) {
    switch (action.kind) {
    case DialogFocusAction::Kind::None:
        return;
    case DialogFocusAction::Kind::MoveMark:
        giveKeysToFocusedStop();
        break;
    case DialogFocusAction::Kind::Activate:
        if (clickAt(action.point) && hwnd() == nullptr) {
            return;
        }
        break;
    }
    focusStateChanged();
}

void SkinnedSubDialog::giveKeysToFocusedStop() {
    const std::optional<DialogStop> stop = keyboard_.focused();
    giveKeysTo(stop && stop->takesOwnKeys() ? focusedControl() : hwnd());
}

HWND SkinnedSubDialog::focusedControl() const {
    const std::optional<DialogStop> stop = keyboard_.focused();
    return keyTakingChild(hwnd(), stop ? stop->control : 0);
}

void SkinnedSubDialog::stepOpenList(HWND list, int step) {
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    if (count <= 0) {
        return;
    }
    const LRESULT current = SendMessageW(list, LB_GETCURSEL, 0, 0);
    const LRESULT next = current == LB_ERR ? 0 : std::clamp<LRESULT>(current + step, 0, count - 1);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
    accessible_.tellChanges();
}

void SkinnedSubDialog::focusStateChanged() {
    if (hasBackground()) {
        focusMark_.moveTo(hwnd(), background_.get(), keyboard_.markRect(), look_.textColour.colorRef());
    }
    accessible_.tellChanges();
}

std::vector<HWND> SkinnedSubDialog::shownControls() const {
    std::vector<HWND> controls;
    for (HWND child = GetWindow(hwnd(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) {
            controls.push_back(child);
        }
    }
    return controls;
}

std::wstring SkinnedSubDialog::stopName(const DialogStop& stop) const {
    if (stop.area == dialog_layout::Ok) {
        return look_.captions.ok;
    }
    if (stop.area == dialog_layout::Cancel) {
        return look_.captions.cancel;
    }
    return stop.control != 0 ? windowText(GetDlgItem(hwnd(), stop.control)) : std::wstring{};
}

std::vector<AccessibleNode> SkinnedSubDialog::accessibleChildren() const {
    std::vector<AccessibleNode> children;
    const std::vector<DialogStop>& order = keyboard_.order();
    std::vector<HWND> stopControls;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const DialogStop& stop = order[i];
        const HWND control = stop.control != 0 ? GetDlgItem(hwnd(), stop.control) : nullptr;
        stopControls.push_back(control);
        const bool ok = stop.area == dialog_layout::Ok;
        const bool cancel = stop.area == dialog_layout::Cancel;
        children.push_back({stop.role, stopName(stop),
                            ok || cancel || control == nullptr ? L"" : valueOf(control), stop.area,
                            stopChecked(stop), control != nullptr && IsWindowEnabled(control) == FALSE,
                            keyboard_.focusedIndex() == i,
                            stop.takesOwnKeys() ? L""
                            : ok                ? look_.captions.ok
                            : cancel            ? look_.captions.cancel
                                                : look_.pressAction});
    }
    // The shown controls that are no stop (a key's name, an open list), then OK and Cancel where the
    // dialog has no keyboard order.
    for (const HWND control : shownControls()) {
        if (std::find(stopControls.begin(), stopControls.end(), control) != stopControls.end()) {
            continue;
        }
        RECT area{};
        GetWindowRect(control, &area);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&area), 2);
        const std::wstring text = valueOf(control);
        children.push_back({FocusRole::Text,
                            text,
                            text,
                            {area.left, area.top, area.right, area.bottom},
                            false,
                            IsWindowEnabled(control) == FALSE,
                            GetFocus() == control,
                            {}});
    }
    if (order.empty()) {
        for (const auto& [caption, area] : {std::pair{&look_.captions.ok, dialog_layout::Ok},
                                            std::pair{&look_.captions.cancel, dialog_layout::Cancel}}) {
            children.push_back({FocusRole::Button, *caption, {}, area, false, false, false, *caption});
        }
    }
    return children;
}

void SkinnedSubDialog::doDefaultAction(std::size_t child) {
    if (!keyboard_.order().empty()) {
        PostMessageW(hwnd(), kStopActionMessage, child, 0);
        return;
    }
    // OK and Cancel follow the shown controls. Posted: the reader's call returns before the dialog ends.
    const std::size_t controls = shownControls().size();
    if (child >= controls && child < controls + 2) {
        PostMessageW(hwnd(), WM_COMMAND, child == controls ? IDOK : IDCANCEL, 0);
    }
}

void SkinnedSubDialog::focusChild(std::size_t child) {
    if (keyboard_.focusAt(child)) {
        giveKeysToFocusedStop();
        focusStateChanged();
        return;
    }
    const std::vector<HWND> controls = shownControls();
    if (keyboard_.order().empty() && child < controls.size()) {
        SetFocus(controls[child]);
        accessible_.tellChanges();
    }
}

INT_PTR SkinnedSubDialog::onCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
        onOk();
        return TRUE;
    case IDCANCEL:
        onCancel();
        return TRUE;
    default:
        return onOtherMessage(WM_COMMAND, wParam, lParam);
    }
}

HBRUSH SkinnedSubDialog::controlColour(UINT message, HDC dc, HWND) {
    SetTextColor(dc, kWhite);
    // Edits draw on the background colour; list boxes fill their item backgrounds with it even in
    // transparent mode, so it is the brush's colour for every kind.
    SetBkColor(dc, kControlBackground);
    if (message != WM_CTLCOLOREDIT) {
        SetBkMode(dc, TRANSPARENT);
    }
    SelectObject(dc, font_.get());
    if (!controlBrush_) {
        controlBrush_.reset(CreateSolidBrush(kControlBackground));
    }
    return controlBrush_.get();
}

HWND SkinnedSubDialog::createControl(const wchar_t* windowClass, const wchar_t* text, DWORD style, Rect area,
                                     int id) {
    const HWND control = CreateWindowExW(
        0, windowClass, text, style, area.left, area.top, area.width(), area.height(), hwnd(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (control != nullptr) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    return control;
}
