#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <vector>

#include "app/accessible_tree.h"
#include "app/keyboard_focus.h"
#include "app/page_click_model.h"
#include "app/page_paint.h"
#include "app/win/main_window_control_colours.h"
#include "common/geometry.h"
#include "skin/text_colour.h"

// One settings page of the main window under Windows, whole: its hot areas and what they do, its
// child controls and their colours, its show and hide steps. The main window shows one page at a
// time and routes clicks, commands, keys and control colours to it, knowing nothing inside.
class PageFeature {
public:
    virtual ~PageFeature() = default;

    // Showing the page, in this order: prepare() before the page is drawn, paint() what the main
    // window draws into its canvas (also when the whole page is drawn again), show() once it is drawn.
    virtual void prepare() = 0;
    virtual std::vector<PaintElement> paint(const PagePaintInput& input) = 0;
    virtual void show() = 0;
    // The page's controls go; `pageChanges` when the other page takes its place.
    virtual void hide(bool pageChanges) = 0;

    // The page's model, which takes the main window's left clicks (main_window_click.h).
    virtual PageClickModel& clickModel() = 0;
    // After a left click on the main window: the lists the model closed go, and where the page
    // took the click, its update shows.
    virtual void showClick(const std::optional<PageUpdate>& update) = 0;
    // WM_COMMAND from one of the page's controls or menus; true when the page took it.
    virtual bool command(int id, int notification) = 0;
    // A message the main window has no handler of its own for; true when the page took it.
    virtual bool message(UINT message, WPARAM wParam) = 0;
    // Keys the page takes before the main window's own rules (Enter and Escape hide the window).
    virtual bool holdsKey(const MSG& message) const = 0;
    // Every message of the thread before it is dispatched; true when the page used it up.
    virtual bool preTranslateMessage(const MSG& message) = 0;
    // Keyboard and screen readers: the page's stops of the keyboard order and what each says now.
    virtual std::span<const FocusStop> keyboardOrder() const = 0;
    virtual StopDescription describe(const FocusStop& stop) const = 0;
    // The arrow keys on a focused scale of the page: it moves `step` positions (up or right +1).
    virtual void stepScale(const FocusStop& stop, int step) = 0;
    // A key while one of the page's drop-down lists is open: the arrows move its selection, Space
    // chooses the selected item as a click on it would. False when no list is open or the key
    // means nothing to it.
    virtual bool keyInOpenList(UINT virtualKey) = 0;
    // How one of the page's controls is coloured; nothing for a control of the plain look of its
    // kind (plainControlColour).
    virtual std::optional<ControlColourRule> controlColour(UINT message, HWND control,
                                                           TextColour uiTextColor) const = 0;
};
