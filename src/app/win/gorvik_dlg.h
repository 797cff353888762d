#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "app/main_window_state.h"
#include "app/win/tray_icon.h"
#include "config/app_settings.h"
#include "config/config_state.h"
#include "config/data_paths.h"
#include "device/win/device_backend.h"
#include "device/win/device_link.h"
#include "lang/language.h"
#include "ui/win/dialog.h"
#include "ui/win/scoped_handle.h"

// The main window: a skinned dialog without caption or taskbar button that lives behind the
// notification icon. It owns the connection to the mouse, the configuration and the settings.
class CGorvikDlg : public Dialog {
public:
    explicit CGorvikDlg(HINSTANCE instance);

    bool preTranslateMessage(MSG& message) override;

protected:
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Start-up, in this order.
    BOOL onInitDialog();
    static void endIfAlreadyRunning();
    void addTrayIcon();
    void searchForMouse();
    bool createReaderWakeEvent();
    void startReaderThread();
    bool registerForDeviceNotifications();
    void loadConfiguration();
    void loadLanguageAndSettings();
    void loadMainImage();
    void publishUiState();
    void createFonts();
    // Builds the Basic Settings page from the record and shows its controls.
    void buildBasicSettingsPage();
    // Tears the shown page down and builds it again from the record (after Cancel).
    void rebuildShownPage();

    // Message handlers.
    INT_PTR onPaint();
    INT_PTR onQueryDragIcon();
    INT_PTR onEraseBackground(HDC dc);
    INT_PTR onNcPaint();
    INT_PTR onTrayIcon(LPARAM mouseMessage);
    INT_PTR onDeviceEvent(WPARAM code, LPARAM value);
    INT_PTR onDeviceChange(WPARAM eventType, LPARAM broadcast);
    INT_PTR onCommand(WPARAM wParam);
    INT_PTR onClose();
    INT_PTR onDestroy();
    INT_PTR onTaskbarCreated();

    // Reads the sensor settings of the mouse that just came and marks the connection.
    void runConnectionExchange();
    void releaseReader();

    void openFromTray();
    void showTrayMenu();
    void hide();
    // Closes the device handles and the reader's event and removes the icon.
    void cleanUp();
    [[noreturn]] void exitProgram();
    void showMessage(const std::wstring& text);

    HINSTANCE instance_;
    HICON appIcon_;
    UINT taskbarCreatedMessage_;
    std::wstring applicationTitle_;

    std::optional<TrayIcon> trayIcon_;
    DeviceLink deviceLink_;
    std::unique_ptr<DeviceBackend> backend_;
    UniqueHandle readerThread_;
    bool readerReleased_ = false;
    UniqueDeviceNotify deviceNotification_;

    MainWindowState state_;
    DataPaths paths_;
    ConfigState config_;
    UiTexts texts_;
    AppSettings settings_;

    UniqueBitmap backgroundBitmap_;
    UniqueFont normalFont_;
    UniqueFont titleFont_;
};
