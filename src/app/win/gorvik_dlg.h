#pragma once

#include <windows.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window_click.h"
#include "app/keyboard_focus.h"
#include "app/commit_service.h"
#include "app/main_window_hover.h"
#include "app/main_window_state.h"
#include "app/page_paint.h"
#include "app/page_switch.h"
#include "app/ui_state.h"
#include "app/win/advanced_page_view.h"
#include "app/win/basic_page_view.h"
#include "app/win/main_window_control_colours.h"
#include "app/win/page_host.h"
#include "app/win/tray_icon.h"
#include "config/app_settings.h"
#include "config/config_state.h"
#include "config/data_paths.h"
#include "device/apply_outcome.h"
#include "device/device_change.h"
#include "device/win/device_backend.h"
#include "device/win/device_link.h"
#include "device/win/event_reader.h"
#include "lang/language.h"
#include "profile/profile_library.h"
#include "profile/profile_switcher.h"
#include "settings/pointer_settings.h"
#include "settings/win/win32_pointer_system.h"
#include "skin/win/paint_plan_renderer.h"
#include "skin/win/skin_canvas.h"
#include "ui/win/accessible_window.h"
#include "ui/win/dialog.h"
#include "ui/win/focus_mark.h"
#include "ui/win/message_wait.h"
#include "ui/win/scoped_handle.h"

// The main window: a skinned dialog without caption or taskbar button that lives behind the
// notification icon. It owns the connection to the mouse, the configuration and the settings.
class CGorvikDlg : public Dialog,
                   private PageHost,
                   private PageBuildPorts,
                   private CommitPorts,
                   private DeviceChangePorts,
                   private AccessibleSource {
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
    void startEventReader();
    void loadConfiguration();
    void loadLanguageAndSettings();
    void sizeWindowToMainImage();
    void placeWithoutSkin();
    void readSkinAndColour();
    void createFonts();

    // The pages (page_build.cpp): each build paints the whole page into the canvas from the record
    // and the skin and has the page's view create its controls.
    void buildBasicPage();
    void buildAdvancedPage();
    // Builds the shown page again from scratch: after Cancel (re-reading the labels of the Basic
    // page from str.ini) and after a skin change.
    void redrawShownPage(bool rereadSettings);
    // PageBuildPorts: the steps of a build.
    void hidePage(Page page, bool pageChanges) override;
    void runFirstBuildSteps() override;
    void showBuiltPage() override;
    // Gives the keyboard to the window itself when the page's controls went with the one that had it.
    void takeBackKeyboardFocus();
    PageFeature* featureOf(Page page);
    PageFeature* shownPage() { return featureOf(state_.pages.activePage); }
    PagePaintInput paintInput() const;
    PaintResources paintResources();

    // PageHost: what the page views use of the main window.
    HWND window() const override { return hwnd(); }
    HINSTANCE instance() const override { return instance_; }
    HFONT normalFont() const override { return normalFont_.get(); }
    const UiTexts& texts() const override { return texts_; }
    DialogLook dialogLook() const override;
    void drawIntoCanvas(const std::vector<PaintElement>& elements) override;
    void repaintPage() override;
    void showNotice(const Notice& notice) override;

    // CommitPorts (page_commit.cpp): what OK, Apply and Cancel use of the main window.
    ConfigFileResult saveRecord(const ConfigState& config) override;
    void saveButtonLabels() override;
    void showNoticeLater(const Notice& notice) override;
    // Also a step of a device change.
    void hideWindow() override { hide(); }

    // DeviceChangePorts (gorvik_dlg_device.cpp): what a mouse coming or going does to the window.
    void showDeviceEvent(unsigned code) override;
    void greetArrivedMouse() override;

    // Clicks (page_click.cpp): the frame's own actions here, the page's in its view.
    INT_PTR onLeftButtonDown(LPARAM position);
    void carryOut(ClickAction action, Point p);
    void openSkinsDialog();
    void openWebLink();
    void dragWindow(Point p);

    // Keyboard and screen readers (main_window_keyboard.cpp): Tab, Shift+Tab, Ctrl+Tab, Space and
    // the arrows move through the shown page's stops, drawn with a focus mark; a reader sees the
    // same stops as the window's accessible children.
    bool takeKey(const MSG& message);
    void carryOut(const FocusAction& action);
    // The shown page's stops take the place of the last page's.
    void keyboardFollowsPage();
    // Draws the focus mark onto the window where it is now, taking it away from where it was.
    void drawFocusMark();
    // Gives the keys to the focused stop's control, or to the window for any other stop.
    void giveKeysToFocusedStop();
    // The focused stop's control while it is shown and enabled; nullptr for any other stop.
    HWND focusedControl() const;
    // After anything that may change what the stops say: the mark and the reader's events.
    void focusStateChanged();
    void clickAt(Point p);
    HWND accessibleWindow() const override { return hwnd(); }
    std::wstring accessibleName() const override;
    std::vector<AccessibleNode> accessibleChildren() const override;
    void doDefaultAction(std::size_t child) override;
    void focusChild(std::size_t child) override;
    INT_PTR onAccessibleAction(std::size_t child);

    // Pointer-over images (page_hover.cpp).
    INT_PTR onMouseMove(LPARAM position);
    INT_PTR onMouseHover(LPARAM position);
    void carryOut(const MainWindowHoverUpdate& update);
    INT_PTR onControlColour(UINT message, HDC dc, HWND control);

    // Message handlers.
    INT_PTR onPaint();
    INT_PTR onQueryDragIcon();
    INT_PTR onEraseBackground(HDC dc);
    INT_PTR onNcPaint();
    INT_PTR onTrayIcon(LPARAM mouseMessage);
    INT_PTR onDeviceEvent(WPARAM code, LPARAM value);
    INT_PTR onDeviceChange(WPARAM eventType, LPARAM broadcast);
    INT_PTR onLaterNotice();
    INT_PTR onCommand(WPARAM wParam, LPARAM control);
    INT_PTR onClose();
    INT_PTR onDestroy();
    INT_PTR onTaskbarCreated();

    // The mouse and the program agree (gorvik_dlg_arrival.cpp): a mouse that arrives is compared
    // with the settings of config.bin and offered them with a balloon, or sent them without asking.
    ApplyOutcome sendToMouse(const DeviceConfigRecord& record) override;
    INT_PTR onArrivalCheck();
    INT_PTR onPowerBroadcast(WPARAM event);
    void onBalloonClicked();
    void toggleSendOnArrival();

    // Reads the sensor settings of the mouse that just came and marks the connection.
    void runConnectionExchange();

    void openFromTray();
    // Makes what the window shows of a page built while it was hidden: its controls at the first
    // opening, its picture whenever the canvas is new.
    void completePageBuiltHidden(bool createControls, bool drawPicture);
    void showTrayMenu();

    // Profiles (gorvik_dlg_profiles.cpp): the tray's submenu and the switch by the program in front.
    void startProfileSwitching();
    // The submenu of the profiles in the Profiles folder, the one in force checked; none when the
    // menu cannot be made.
    HMENU makeProfilesMenu();
    void chooseProfile(unsigned index);
    // The Profiles dialog, from the title bar and the tray; afterwards the switcher, str.ini and the
    // title bar follow what it changed.
    void openProfilesDialog();
    // After OK or Apply: the profile in force holds what was applied, so that it stays what the
    // user last applied while it is in force.
    void keepAppliedInProfile();
    void foregroundChanged(HWND window);
    INT_PTR onTimer(UINT_PTR timer);
    // Tells the switcher what the mouse holds and whether the window holds edits, then hands it
    // the event.
    template <typename Event>
    void askSwitcher(Event event);
    void carryOut(const SwitcherAnswer& answer);
    void putProfileInForce(const ProfileSwitch& change);
    static void CALLBACK onWinEvent(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD);
    void hide();
    // Closes the device handles and the reader's event and removes the icon.
    void cleanUp();
    [[noreturn]] void exitProgram();

    HINSTANCE instance_;
    HICON appIcon_;
    UINT taskbarCreatedMessage_;

    std::optional<TrayIcon> trayIcon_;
    DeviceLink deviceLink_;
    std::unique_ptr<DeviceBackend> backend_;
    std::optional<DeviceEventReader> eventReader_;
    std::optional<ForeignMessageLoop> windowMoveLoop_;
    // Send the settings on every arrival (str.ini); the balloon that offers them is shown.
    bool sendOnArrival_ = false;
    bool settingsOffered_ = false;
    ProfileLibrary profiles_{L""};
    std::optional<ProfileSwitcher> switcher_;
    // The profiles of the tray menu last shown, in the order of their commands.
    std::vector<std::wstring> trayProfiles_;
    UniqueWinEventHook foregroundHook_;
    // Notices waiting for the click or event that led to them to be handled.
    std::deque<Notice> laterNotices_;
    // The window was opened from the icon in this run: until then a page gets no controls.
    bool windowOpened_ = false;

    MainWindowState state_;
    DataPaths paths_;
    ConfigState config_;
    UiTexts texts_;
    AppSettings settings_;
    UiState ui_;

    SkinCanvas canvas_;
    UniqueFont normalFont_;
    UniqueFont titleFont_;

    // The Windows pointer settings, one model for the run: Windows is read at the first drawing of
    // the Advanced page and gets the record's choices on OK and Apply.
    Win32PointerSystem pointerSystem_;
    PointerSettings pointerSettings_{config_.record, pointerSystem_, texts_};
    CommitService commit_{config_, pointerSettings_, *this};

    BasicPageView basicPage_{*this, config_.record, settings_, texts_};
    AdvancedPageView advancedPage_{
        *this, config_.record, settings_, texts_, pointerSettings_, config_.appliedRecord, paths_};
    MainWindowHover hover_;
    MainWindowControlColours controlColours_;
    KeyboardFocus keyboard_;
    // Where the focus mark was drawn onto the window, to be taken away from.
    FocusMark focusMark_;
    AccessibleWindow accessible_{static_cast<AccessibleSource&>(*this)};
};
