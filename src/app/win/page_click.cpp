#include <windows.h>

#include <shellapi.h>

#include "app/win/gorvik_dlg.h"
#include "ui/win/win_geometry.h"

INT_PTR CGorvikDlg::onLeftButtonDown(LPARAM position) {
    // The keyboard focus goes where the user clicked, so that Tab goes on from there.
    keyboard_.clickedAt(pointOf(position));
    clickAt(pointOf(position));
    focusStateChanged();
    // The system's own processing follows, as for every click.
    return FALSE;
}

void CGorvikDlg::clickAt(Point p) {
    PageFeature* page = shownPage();
    const MainWindowClick click = routeMainWindowClick({state_.pages.activePage, deviceLink_.deviceConnected},
                                                       page != nullptr ? &page->clickModel() : nullptr, p);
    if (page != nullptr) {
        page->showClick(click.page);
    }
    carryOut(click.action, p);
}

void CGorvikDlg::carryOut(ClickAction action, Point p) {
    switch (action) {
    case ClickAction::None:
    case ClickAction::ToPage:
        // The shown page had the click already.
        break;
    case ClickAction::DragWindow:
        dragWindow(p);
        break;
    case ClickAction::Ok:
        commit_.ok(deviceLink_.deviceConnected);
        keepAppliedInProfile();
        break;
    case ClickAction::Apply:
        commit_.apply(deviceLink_.deviceConnected);
        keepAppliedInProfile();
        break;
    case ClickAction::Cancel:
        // The page is drawn again from the reverted record when the window is next opened.
        state_.revertPending = true;
        commit_.cancel();
        break;
    case ClickAction::OpenSkinsDialog:
        openSkinsDialog();
        break;
    case ClickAction::OpenProfilesDialog:
        openProfilesDialog();
        break;
    case ClickAction::HideWindow:
        hide();
        break;
    case ClickAction::Exit:
        exitProgram();
    case ClickAction::ShowBasicPage:
        buildBasicPage();
        break;
    case ClickAction::ShowAdvancedPage:
        buildAdvancedPage();
        break;
    case ClickAction::OpenWebLink:
        openWebLink();
        break;
    }
}

void CGorvikDlg::dragWindow(Point p) {
    // The window has no caption: a press on an empty spot is handed to the system as a press on
    // one, so the window follows the pointer until the button is released.
    POINT screen{p.x, p.y};
    ClientToScreen(hwnd(), &screen);
    PostMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

void CGorvikDlg::openWebLink() {
    // Whether a browser could be started is not reported.
    ShellExecuteW(hwnd(), L"open", texts_[TextKey::MakerWebAddress].c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
