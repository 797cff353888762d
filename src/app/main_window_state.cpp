#include "app/main_window_state.h"

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

OpenWindowSteps planOpenWindow(MainWindowState& state, bool deviceConnected) {
    OpenWindowSteps steps;
    if (!deviceConnected) {
        steps.mouseAbsentNotice = true;
    } else if (state.revertPending) {
        state.revertPending = false;
        steps.rebuildShownPage = state.pages.activePage != Page::None;
    } else {
        steps.buildBasicPage = !state.pages.basicPageInitialised;
    }
    return steps;
}
