#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/click_dispatch.h"
#include "app/main_window_hover.h"
#include "app/main_window_state.h"
#include "app/page_paint.h"
#include "app/win/page_controls.h"
#include "app/win/tray_icon.h"
#include "config/app_settings.h"
#include "config/config_state.h"
#include "config/data_paths.h"
#include "device/win/device_backend.h"
#include "device/win/device_link.h"
#include "lang/language.h"
#include "skin/win/main_window_control_colours.h"
#include "skin/win/paint_plan_renderer.h"
#include "skin/win/png_cache.h"
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

    // The pages (page_build.cpp): each build paints the whole page into the canvas from the record
    // and the skin, creates the page's controls and shows the result.
    void buildBasicPage();
    void buildAdvancedPage();
    // Destroys the child controls of `page` and forgets which of its lists were open.
    void tearDownPageControls(Page page);
    // Builds the shown page again from scratch: after Cancel (re-reading the labels of the Basic
    // page from str.ini) and after a skin change.
    void redrawShownPage(bool rereadSettings);
    void carryOutPageBuild(const PageBuildPlan& plan);
    void runFirstBuildSteps();
    void createBasicPageControls();
    void createAdvancedPageControls();
    PagePaintInput paintInput() const;
    PaintResources paintResources();
    // Draws into the canvas and copies the whole client area to the window once.
    void drawIntoCanvas(const std::vector<PaintElement>& elements);

    // Clicks (page_click.cpp), in the order of the click dispatch.
    INT_PTR onLeftButtonDown(LPARAM position);
    ClickContext clickContext() const;
    void closeLists(const ListsToClose& lists);
    void carryOut(const ClickDecision& decision, Point p);
    void commit(ClickAction action);
    void applyToDevice();
    void applyPointerSettings();
    void openSkinsDialog();
    void openWebLink();
    void dragWindow(Point p);
    void selectKeyMode(uint8_t mode);
    void restoreDefaultAssignments();
    void toggleAssignmentList(uint8_t button);
    void selectReportRate(uint8_t segment);
    void toggleDpiStage(uint8_t stage);
    void chooseStageColour(uint8_t stage);
    void toggleLightingList(uint8_t list);
    void setDpiStep(uint8_t stage, uint8_t position);
    void togglePointerPrecision();
    void toggleScrollOneScreen();
    void restorePointerDefaults();
    void startMacroRecording();
    void stopMacroRecording();
    void newMacro();
    void deleteMacro();
    void saveMacro();
    void toggleMouseEventList();
    void setPointerSlider(uint8_t slider, uint8_t value);
    void deleteEventLine();

    // Pointer-over images (page_hover.cpp) and the pre-filter's list behaviour (page_prefilter.cpp).
    INT_PTR onMouseMove(LPARAM position);
    INT_PTR onMouseHover(LPARAM position);
    void carryOut(const MainWindowHoverUpdate& update);
    bool preTranslatePageMessage(const MSG& message);
    void showEventListMenu();
    INT_PTR onControlColour(UINT message, HDC dc, HWND control);

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

    PageControls controls_;
    MainWindowHover hover_;
    MainWindowControlColours controlColours_;
    PngCache images_;
};
