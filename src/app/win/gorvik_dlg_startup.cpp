#include <windows.h>

#include "app/skinless_window.h"
#include "app/win/app_messages.h"
#include "app/win/gorvik_dlg.h"
#include "config/startup_config.h"
#include "config/win/module_path.h"
#include "config/win/win32_profile_store.h"
#include "device/device_notice.h"
#include "lang/font_choice.h"
#include "skin/skin_paths.h"
#include "ui/win/fonts.h"
#include "skin/win/find_file_directory_lister.h"
#include "skin/win/png_image.h"
#include "ui/win/message_wait.h"
#include "ui/win/win_geometry.h"

namespace {

struct WindowsVersion {
    unsigned major;
    unsigned minor;
};

// The Windows version the fonts are chosen by. The manifest now names Windows 8.1 and 10, so
// GetVersion reports them as they are; the fonts stay as users have always had them, chosen by the
// version reported to a program without that list: 6.2 for Windows 8 and everything after it.
WindowsVersion fontWindowsVersion() {
    const DWORD version = GetVersion();
    const unsigned major = LOBYTE(LOWORD(version));
    const unsigned minor = HIBYTE(LOWORD(version));
    if (major > 6 || (major == 6 && minor > 2)) {
        return {6, 2};
    }
    return {major, minor};
}

} // namespace

BOOL CGorvikDlg::onInitDialog() {
    endIfAlreadyRunning();
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon_));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIcon_));
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, (exStyle & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
    addTrayIcon();
    searchForMouse();
    if (!createReaderWakeEvent()) {
        showNotice(Notice{L"CreateEvent failed."});
        return FALSE;
    }
    startEventReader();
    if (!backend_->watchForArrivals()) {
        showNotice(Notice{L"RegisterDeviceNotification failed!!!"});
        return FALSE;
    }
    loadConfiguration();
    loadLanguageAndSettings();
    startProfileSwitching();
    sizeWindowToMainImage();
    readSkinAndColour();
    createFonts();
    if (deviceLink_.deviceConnected) {
        buildBasicPage();
        PostMessageW(hwnd(), kArrivalCheckMessage, 0, 0);
    }
    return TRUE;
}

void CGorvikDlg::endIfAlreadyRunning() {
    // The mutex is never closed: it marks the running instance for as long as the process lives.
    CreateMutexW(nullptr, FALSE, kSingleInstanceMutex);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        ExitProcess(0);
    }
}

void CGorvikDlg::addTrayIcon() {
    trayIcon_.emplace(hwnd(), appIcon_, L"Gaming Mouse Setting");
    trayIcon_->add();
    // The program runs elevated; let Explorer's restart notice through so the icon can come back.
    ChangeWindowMessageFilterEx(hwnd(), taskbarCreatedMessage_, MSGFLT_ALLOW, nullptr);
}

void CGorvikDlg::searchForMouse() {
    backend_ = createDeviceBackend(deviceLink_, hwnd());
    if (backend_->findDevice()) {
        deviceLink_.deviceConnected = true;
    } else {
        SendMessageW(hwnd(), kDeviceEventMessage, kEventMouseNotFound, 0);
        deviceLink_.deviceConnected = false;
    }
}

bool CGorvikDlg::createReaderWakeEvent() {
    deviceLink_.readerWakeEvent.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    return deviceLink_.readerWakeEvent.valid();
}

void CGorvikDlg::startEventReader() {
    // The message loops answer the wake event: a search that finds the mouse sets it, and so does
    // each read that ends. Without the mouse the reader waits for that first search.
    eventReader_.emplace(deviceLink_, hwnd());
    const HANDLE wake = deviceLink_.readerWakeEvent.load();
    watchEventInMessageLoops(wake, [this] { eventReader_->onWake(); });
    if (deviceLink_.deviceConnected) {
        SetEvent(wake);
    }
}

void CGorvikDlg::loadConfiguration() {
    paths_ = dataPathsFromModulePath(currentModulePath());
    // Without a usable config.bin the record is the factory one, never all zero.
    const ConfigFileResult loaded = loadStartupConfiguration(config_, paths_);
    if (const std::optional<Notice> notice = loaded.notice()) {
        showNotice(*notice);
    }
}

void CGorvikDlg::loadLanguageAndSettings() {
    Win32ProfileStore settingsFile(paths_.settingsPath);
    ui_.languageCode = readLanguageCode(settingsFile);
    texts_ = UiTexts(languageFromCode(ui_.languageCode));
    readSettings(settingsFile, texts_.settingsSection(), settings_);
    sendOnArrival_ = readSendOnArrival(settingsFile);
}

void CGorvikDlg::sizeWindowToMainImage() {
    // A skin that is missing, incomplete or named with a path gives way to one that can be drawn;
    // its name is the one the skins dialog shows.
    const FindFileDirectoryLister lister;
    const StartupSkin skin = chooseStartupSkin(lister, exeFolder(paths_.exePath), settings_.skinName);
    settings_.skinName = skin.name;
    ui_.skinFolderPath = skin.folder;
    // Only the size is read now; the image is decoded into the canvas when the window is shown.
    const std::wstring mainImagePath = skinImagePath(ui_.skinFolderPath, SkinImage::Main);
    const std::optional<ImageSize> mainImageSize = PngImage::readSize(mainImagePath);
    if (!mainImageSize) {
        // Nothing to draw: the user learns which folder holds no skin, and the window, which no
        // image gives a size, stays whole on the screen.
        placeWithoutSkin();
        showNotice(
            {noCompleteSkinMessage(texts_, exeFolder(paths_.exePath)), ProgramTitle{}, NoticeKind::Warning});
        return;
    }
    // Without a frame the client area is the image; the template's centring keeps the position.
    SetWindowPos(hwnd(), nullptr, 0, 0, mainImageSize->width, mainImageSize->height,
                 SWP_NOMOVE | SWP_NOZORDER);
    canvas_.setMainImage(mainImagePath);
}

void CGorvikDlg::placeWithoutSkin() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        return;
    }
    const Rect placed = skinlessWindowRect(rectOf(monitor.rcWork));
    SetWindowPos(hwnd(), nullptr, placed.left, placed.top, placed.width(), placed.height(), SWP_NOZORDER);
}

void CGorvikDlg::readSkinAndColour() {
    ui_.uiTextColor = {colorComponent(settings_.red), colorComponent(settings_.green),
                       colorComponent(settings_.blue)};
    ui_.skinName = settings_.skinName;
}

DialogLook CGorvikDlg::dialogLook() const {
    const WindowsVersion version = fontWindowsVersion();
    return {ui_.skinFolderPath, chooseDialogFont(ui_.languageCode, version.major, version.minor),
            ui_.uiTextColor, dialogButtonCaptions(texts_), texts_[TextKey::AccessPress]};
}

void CGorvikDlg::createFonts() {
    const WindowsVersion version = fontWindowsVersion();
    const MainWindowFonts fonts = chooseMainWindowFonts(ui_.languageCode, version.major, version.minor);
    normalFont_.reset(createFontFrom(fonts.normal));
    titleFont_.reset(createFontFrom(fonts.title));
}
