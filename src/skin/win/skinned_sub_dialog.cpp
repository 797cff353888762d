#include "skin/win/skinned_sub_dialog.h"

#include <windowsx.h>

#include <array>
#include <optional>
#include <utility>

#include "config/win/notice_box.h"
#include "skin/skin_paths.h"
#include "skin/win/dialog_font.h"
#include "skin/win/load_png.h"
#include "skin/win/mem_dc.h"
#include "skin/win/png_image.h"
#include "ui/win/bitmap_copy.h"
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
    return TRUE;
}

INT_PTR SkinnedSubDialog::onEraseBackground(HDC dc) {
    if (!hasBackground()) {
        return result(TRUE);
    }
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
    CanvasPainter painter(hwnd(), background_.get());
    const HDC canvasDc = painter.dc();
    ScopedSelect selectedFont(canvasDc, font_.get());
    SetBkMode(canvasDc, TRANSPARENT);
    SetTextColor(canvasDc, look_.textColour.colorRef());
    for (const HoverRedraw& redraw : update.redraws) {
        drawFrameButton(canvasDc, redraw.item, redraw.over);
    }
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
    onClick(p);
    if (hwnd() == nullptr) {
        return TRUE;
    }
    const std::array frame{dialog_layout::Close, dialog_layout::Ok, dialog_layout::Cancel};
    switch (pickRect(frame, p).value_or(std::size(frame))) {
    case Ok:
        onOk();
        return TRUE;
    case Cancel:
    case Close:
        onCancel();
        return TRUE;
    default:
        if (isDragSpot(p)) {
            dragSpot_ = p;
            SetCapture(hwnd());
        }
        return FALSE;
    }
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

std::vector<AccessibleNode> SkinnedSubDialog::accessibleChildren() const {
    std::vector<AccessibleNode> children;
    for (const HWND control : shownControls()) {
        const int length = GetWindowTextLengthW(control);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
        RECT area{};
        GetWindowRect(control, &area);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&area), 2);
        children.push_back({FocusRole::Text,
                            text,
                            text,
                            {area.left, area.top, area.right, area.bottom},
                            false,
                            IsWindowEnabled(control) == FALSE,
                            GetFocus() == control,
                            {}});
    }
    for (const auto& [caption, area] : {std::pair{&look_.captions.ok, dialog_layout::Ok},
                                        std::pair{&look_.captions.cancel, dialog_layout::Cancel}}) {
        children.push_back({FocusRole::Button, *caption, {}, area, false, false, false, *caption});
    }
    return children;
}

void SkinnedSubDialog::doDefaultAction(std::size_t child) {
    const std::size_t controls = shownControls().size();
    // Posted: the reader's call returns before the dialog ends.
    if (child >= controls && child < controls + 2) {
        PostMessageW(hwnd(), WM_COMMAND, child == controls ? IDOK : IDCANCEL, 0);
    }
}

void SkinnedSubDialog::focusChild(std::size_t child) {
    const std::vector<HWND> controls = shownControls();
    if (child < controls.size()) {
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
