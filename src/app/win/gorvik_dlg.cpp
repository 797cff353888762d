#include "app/win/gorvik_dlg.h"

#include "app/win/app_messages.h"
#include "app/win/resource_ids.h"
#include "config/win/notice_box.h"
#include "device/device_notice.h"
#include "macro/win/macro_record_hook.h"
#include "ui/win/mem_dc.h"
#include "ui/win/common_controls.h"
#include "ui/win/message_wait.h"

#include <utility>

CGorvikDlg::CGorvikDlg(HINSTANCE instance)
    : instance_(instance), appIcon_(LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP_ICON))),
      taskbarCreatedMessage_(RegisterWindowMessageW(L"TaskbarCreated")) {}

INT_PTR CGorvikDlg::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog();
    case WM_PAINT:
        return onPaint();
    case WM_QUERYDRAGICON:
        return onQueryDragIcon();
    case WM_ERASEBKGND:
        return onEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_NCPAINT:
        return onNcPaint();
    case kTrayIconMessage:
        return onTrayIcon(lParam);
    case kDeviceEventMessage:
        return onDeviceEvent(wParam, lParam);
    case WM_DEVICECHANGE:
        return onDeviceChange(wParam, lParam);
    case kLaterNoticeMessage:
        return onLaterNotice();
    case kArrivalCheckMessage:
        return onArrivalCheck();
    case WM_POWERBROADCAST:
        return onPowerBroadcast(wParam);
    case WM_COMMAND:
        return onCommand(wParam, lParam);
    case WM_TIMER:
        return onTimer(wParam);
    case WM_ENTERSIZEMOVE:
        // The system moves the window (dragged by an empty spot) in a loop of its own.
        windowMoveLoop_.emplace();
        return FALSE;
    case WM_EXITSIZEMOVE:
        windowMoveLoop_.reset();
        return FALSE;
    case WM_CLOSE:
        return onClose();
    case WM_DESTROY:
        return onDestroy();
    case WM_LBUTTONDOWN:
        return onLeftButtonDown(lParam);
    case WM_GETOBJECT:
        return result(accessible_.onGetObject(wParam, lParam));
    case kAccessibleActionMessage:
        return onAccessibleAction(wParam);
    case WM_MOUSEMOVE:
        return onMouseMove(lParam);
    case WM_MOUSEHOVER:
        return onMouseHover(lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return onControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    default:
        if (message == taskbarCreatedMessage_ && message != 0) {
            return onTaskbarCreated();
        }
        // A page's own messages reach it whether it is shown or not (a recorded key may arrive just
        // after the page changed).
        for (PageFeature* page : {featureOf(Page::Basic), featureOf(Page::Advanced)}) {
            if (page->message(message, wParam)) {
                return result(0);
            }
        }
        return FALSE;
    }
}

bool CGorvikDlg::preTranslateMessage(MSG& message) {
    PageFeature* page = shownPage();
    // A macro recording takes every key press, Enter and Escape included.
    if (page != nullptr && page->holdsKey(message)) {
        return true;
    }
    if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
        // Enter and Escape never end the window, they only hide it.
        hide();
        return true;
    }
    if (takeKey(message)) {
        return true;
    }
    return page != nullptr && page->preTranslateMessage(message);
}

INT_PTR CGorvikDlg::onPaint() {
    if (!IsIconic(hwnd())) {
        return FALSE;
    }
    PaintDc dc(hwnd());
    SendMessageW(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.get(), x, y, appIcon_);
    return result(0);
}

INT_PTR CGorvikDlg::onQueryDragIcon() {
    return reinterpret_cast<INT_PTR>(appIcon_);
}

INT_PTR CGorvikDlg::onEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    copyBitmapToDc(dc, canvas_.bitmap(), client);
    focusMark_.forget();
    drawFocusMark();
    return result(TRUE);
}

INT_PTR CGorvikDlg::onNcPaint() {
    if (!state_.takeStartupHide()) {
        return FALSE;
    }
    hide();
    return result(0);
}

INT_PTR CGorvikDlg::onTrayIcon(LPARAM mouseMessage) {
    switch (trayRequest(static_cast<unsigned>(mouseMessage))) {
    case TrayRequest::OpenWindow:
        openFromTray();
        break;
    case TrayRequest::OpenMenu:
        showTrayMenu();
        break;
    case TrayRequest::BalloonClicked:
        onBalloonClicked();
        break;
    case TrayRequest::BalloonGone:
        settingsOffered_ = false;
        break;
    case TrayRequest::None:
        break;
    }
    return result(0);
}

INT_PTR CGorvikDlg::onCommand(WPARAM wParam, LPARAM) {
    const int command = LOWORD(wParam);
    if (command == kTrayExitCommand) {
        exitProgram();
    }
    if (command == kTrayProfilesDialogCommand) {
        openProfilesDialog();
        return FALSE;
    }
    if (command == kTraySendOnArrivalCommand) {
        toggleSendOnArrival();
        return FALSE;
    }
    if (command >= static_cast<int>(kTrayFirstProfileCommand) &&
        command < static_cast<int>(kTrayFirstProfileCommand + kTrayProfileCommandCount)) {
        chooseProfile(command - kTrayFirstProfileCommand);
        return FALSE;
    }
    // Notifications of the page's controls and the commands of its menus.
    if (PageFeature* page = shownPage()) {
        page->command(command, HIWORD(wParam));
    }
    focusStateChanged();
    return FALSE;
}

INT_PTR CGorvikDlg::onClose() {
    hide();
    return result(0);
}

INT_PTR CGorvikDlg::onDestroy() {
    cleanUp();
    return FALSE;
}

INT_PTR CGorvikDlg::onTaskbarCreated() {
    // Explorer started again and knows no icons: put ours back.
    if (trayIcon_) {
        trayIcon_->add();
    }
    return result(0);
}

void CGorvikDlg::openFromTray() {
    // The steps of the opening, with what preparing the canvas learns for completing the page.
    struct Opening : OpenWindowPorts {
        explicit Opening(CGorvikDlg& window) : window(window) {}
        void noticeMouseAbsent() override {
            SendMessageW(window.hwnd(), kDeviceEventMessage, kEventMouseNotFound, 0);
        }
        void prepareCanvas() override {
            firstOpening = !std::exchange(window.windowOpened_, true);
            if (firstOpening) {
                registerCommonControls();
            }
            canvasMade = window.canvas_.make();
        }
        void rebuildShownPage() override { window.redrawShownPage(true); }
        void buildBasicPage() override { window.buildBasicPage(); }
        void completeShownPage() override { window.completePageBuiltHidden(firstOpening, canvasMade); }
        void showWindow() override {
            SetForegroundWindow(window.hwnd());
            ShowWindow(window.hwnd(), SW_SHOW);
        }

        CGorvikDlg& window;
        bool firstOpening = false;
        bool canvasMade = false;
    } opening{*this};
    openWindow(state_, deviceLink_.deviceConnected, opening);
}

void CGorvikDlg::completePageBuiltHidden(bool createControls, bool drawPicture) {
    PageFeature* shown = shownPage();
    if (shown == nullptr) {
        return;
    }
    if (drawPicture) {
        // The page goes into the fresh canvas whole, with no button lit.
        repaintPage();
        hover_.showPage(state_.pages.activePage);
    }
    if (createControls) {
        shown->show();
    }
}

void CGorvikDlg::showTrayMenu() {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) {
        return;
    }
    if (HMENU profiles = makeProfilesMenu()) {
        AppendMenuW(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(profiles),
                    texts_[TextKey::Profiles].c_str());
    }
    AppendMenuW(menu.get(), MF_STRING, kTrayExitCommand, texts_[TextKey::Exit].c_str());
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.get(), MF_STRING | (sendOnArrival_ ? MF_CHECKED : MF_UNCHECKED),
                kTraySendOnArrivalCommand, texts_[TextKey::ApplyOnConnect].c_str());
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(hwnd());
    const ForeignMessageLoop menuLoop;
    TrackPopupMenu(menu.get(), TPM_BOTTOMALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, hwnd(), nullptr);
}

void CGorvikDlg::hide() {
    ShowWindow(hwnd(), SW_HIDE);
    // Everything drawn is drawn again from the settings when the window next opens.
    canvas_.release();
}

void CGorvikDlg::cleanUp() {
    if (backend_) {
        backend_->closeHandles();
    }
    watchEventInMessageLoops(nullptr, nullptr);
    eventReader_.reset();
    deviceLink_.readerWakeEvent.reset();
    foregroundHook_.reset();
    if (trayIcon_) {
        trayIcon_->remove();
    }
}

void CGorvikDlg::exitProgram() {
    cleanUp();
    ExitProcess(0);
}

void CGorvikDlg::showNotice(const Notice& notice) {
    ::showNotice(hwnd(), notice, texts_);
}
