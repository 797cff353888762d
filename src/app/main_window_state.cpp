#include "app/main_window_state.h"

#include <utility>

namespace {

constexpr unsigned kLeftButtonUp = 0x0202;
constexpr unsigned kLeftButtonDoubleClick = 0x0203;
constexpr unsigned kRightButtonUp = 0x0205;
constexpr unsigned kBalloonHide = 0x0403;    // NIN_BALLOONHIDE
constexpr unsigned kBalloonTimeout = 0x0404; // NIN_BALLOONTIMEOUT
constexpr unsigned kBalloonClick = 0x0405;   // NIN_BALLOONUSERCLICK

} // namespace

bool MainWindowState::takeStartupHide() {
    if (startupHideCount <= 0) {
        return false;
    }
    --startupHideCount;
    return true;
}

TrayRequest trayRequest(unsigned mouseMessage) {
    switch (mouseMessage) {
    case kLeftButtonUp:
    case kLeftButtonDoubleClick:
        return TrayRequest::OpenWindow;
    case kRightButtonUp:
        return TrayRequest::OpenMenu;
    case kBalloonClick:
        return TrayRequest::BalloonClicked;
    case kBalloonHide:
    case kBalloonTimeout:
        return TrayRequest::BalloonGone;
    default:
        return TrayRequest::None;
    }
}

void openWindow(MainWindowState& state, bool deviceConnected, OpenWindowPorts& ports) {
    if (!deviceConnected) {
        ports.noticeMouseAbsent();
        return;
    }
    ports.prepareCanvas();
    const bool revert = std::exchange(state.revertPending, false);
    if (revert && state.pages.activePage != Page::None) {
        ports.rebuildShownPage();
    } else if (!revert && !state.pages.basicPageInitialised) {
        ports.buildBasicPage();
    } else {
        ports.completeShownPage();
    }
    // Where the system paints the frame of a shown window only once, a start-up hide still left
    // would hide the window the user has just opened.
    state.startupHideCount = 0;
    ports.showWindow();
}
