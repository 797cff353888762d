#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "common/dialog_focus.h"
#include "common/dialog_layout.h"
#include "common/geometry.h"
#include "skin/hover_tracker.h"
#include "skin/dialog_look.h"
#include "skin/skin_image.h"
#include "skin/text_colour.h"
#include "skin/win/png_image.h"
#include "ui/win/accessible_window.h"
#include "ui/win/dialog.h"
#include "ui/win/focus_mark.h"
#include "ui/win/scoped_handle.h"

// The frame every secondary dialog shares. The dialog's background image from the current skin is
// its canvas and fixes its size; OK, Cancel and a close box are skin buttons drawn onto it that
// light up under the pointer. A click on OK ends the dialog with IDOK, on Cancel or the close box
// with IDCANCEL; so do Enter and Escape unless a dialog filters them. Derived dialogs add their
// controls and texts through the hooks below. Tab and Shift+Tab move the keyboard focus through the
// dialog's stops, with a focus mark; Space clicks a drawn stop, and while a drop-down list is open
// the arrows move its selection and Space picks it. Screen readers see the stops, and the other
// shown controls, as the dialog's accessible children.
class SkinnedSubDialog : public Dialog, private AccessibleSource {
public:
    // `background` is the dialog's image in the skin folder of `look`; `loadFailureCaption` captions
    // the "error" message shown when it cannot be loaded, e.g. "Skins Dialog Load background image
    // failed!!!".
    SkinnedSubDialog(SkinImage background, std::wstring loadFailureCaption, DialogLook look);
    // A window still open when its object goes is closed first, so it never calls a dead object.
    ~SkinnedSubDialog() override;

    // Shows the dialog over `owner`, which stays disabled until the dialog ends, and runs its
    // message loop. Returns IDOK or IDCANCEL. A dialog whose background image cannot be loaded would
    // have no visible area to click: after its error message it ends at once with IDCANCEL.
    int runModal(HWND owner);

    // Creates the dialog window and initialises it, without a message loop of its own; the modal
    // run uses it, and so can a caller that drives the dialog with messages. nullptr on failure.
    HWND createWindow(HWND owner);
    // IDOK or IDCANCEL once the dialog has ended, 0 before.
    int modalResult() const { return modalResult_; }
    // Whether the background image was loaded, i.e. the dialog has a canvas.
    bool hasBackground() const { return background_.valid(); }
    HBITMAP canvas() const { return background_.get(); }
    // The dialog's font, which its controls use.
    HFONT font() const { return font_.get(); }
    // Creates a child control of the dialog with the dialog font.
    HWND createControl(const wchar_t* windowClass, const wchar_t* text, DWORD style, Rect area, int id);

    // The keyboard, then the dialog's own filter.
    bool preTranslateMessage(MSG& message) final;

protected:
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) final;

    // Creates the dialog's own controls, after its font and captions exist.
    virtual void createControls() {}
    // Draws the dialog's own texts onto the canvas; the dialog font is selected, the background mode
    // is transparent and the text colour is white (the UI text colour is the frame buttons').
    virtual void paintOwnContent(HDC) {}
    // The dialog's part of a left click, before the OK, Cancel and close tests (closing a list).
    virtual void onClick(Point) {}
    // Whether pressing the button at p (outside OK, Cancel and the close box) drags the dialog:
    // a dialog without a caption moves by its empty spots. Areas that do something answer false.
    virtual bool isDragSpot(Point) const { return true; }
    virtual void onOk() { endDialog(IDOK); }
    virtual void onCancel() { endDialog(IDCANCEL); }
    // A WM_CTLCOLOR* message from a child control: static and list texts white on a transparent
    // background, edit texts white on dark grey, the dialog font, a dark grey brush.
    virtual HBRUSH controlColour(UINT message, HDC dc, HWND control);
    // What a screen reader calls the dialog: the prompt it draws; empty where it draws none.
    virtual std::wstring accessibleTitle() const { return {}; }
    // Messages the frame does not handle; FALSE leaves them to the system.
    virtual INT_PTR onOtherMessage(UINT, WPARAM, LPARAM) { return FALSE; }
    // The dialog's own message filter, seen before the keyboard order; true swallows the message.
    virtual bool filterMessage(MSG&) { return false; }

    // The dialog's stops in reading order; none in a dialog that captures every key.
    virtual std::vector<DialogStop> keyboardOrder() const { return {}; }
    // Whether the window with the keyboard focus captures every key itself (a key-capture field).
    virtual bool capturesKeys(HWND) const { return false; }
    // The open drop-down list, nullptr while none is open.
    virtual HWND openList() const { return nullptr; }
    // What a reader calls a stop: OK and Cancel their captions, any other its control's text.
    virtual std::wstring stopName(const DialogStop& stop) const;
    // Whether a stop is ticked or chosen.
    virtual bool stopChecked(const DialogStop&) const { return false; }
    // Moves the keyboard focus on as Tab (or Shift+Tab) does, for a field that hands it on by itself.
    void moveFocus(bool forward);
    // Whether the keyboard has moved the focus in this dialog yet.
    bool keyboardInUse() const { return keyboard_.markRect() != Rect{}; }

    // Screen readers learn what changed in the dialog's children (a control's new text).
    void tellReaders() { accessible_.tellChanges(); }

    // Ends the dialog with `result`; the window is gone afterwards, so this is the handler's last step.
    void endDialog(int result);

    // Draws a skin image of the current skin, reporting a missing file with a message box.
    bool drawSkinImage(HDC dc, SkinImage image, Point at);

    const std::wstring& skinFolder() const { return look_.skinFolder; }
    TextColour textColour() const { return look_.textColour; }

private:
    enum FrameButton { Close, Ok, Cancel };

    BOOL onInitDialog();
    INT_PTR onEraseBackground(HDC dc);
    INT_PTR onMouseMove(Point p);
    INT_PTR onMouseHover(Point p);
    INT_PTR onLeftButtonDown(Point p);
    // A click at p, from the mouse or from Space: the dialog's part, then OK, Cancel and the close
    // box. Returns whether it was taken (the dialog may have ended).
    bool clickAt(Point p);
    bool takeKey(const MSG& message);
    void carryOut(const DialogFocusAction& action);
    // Gives the keys to the focused stop's control, or to the dialog for a drawn stop.
    void giveKeysToFocusedStop();
    HWND focusedControl() const;
    void stepOpenList(HWND list, int step);
    void focusStateChanged();
    INT_PTR onLeftButtonUp();
    void dragTo(POINT cursor);
    INT_PTR onCommand(WPARAM wParam, LPARAM lParam);
    void drawFrameButton(HDC dc, std::size_t button, bool over);
    void applyHover(const HoverUpdate& update);

    // AccessibleSource: the shown child controls in creation order (each with its text), then OK
    // and Cancel, whose default actions end the dialog as their clicks do.
    HWND accessibleWindow() const override { return hwnd(); }
    std::wstring accessibleName() const override { return accessibleTitle(); }
    std::vector<AccessibleNode> accessibleChildren() const override;
    void doDefaultAction(std::size_t child) override;
    void focusChild(std::size_t child) override;
    std::vector<HWND> shownControls() const;

    SkinImage backgroundImage_;
    std::wstring loadFailureCaption_;
    DialogLook look_;
    UniqueBitmap background_;
    // The background image as loaded, for composing the canvas anew.
    UniqueBitmap pristineBackground_;
    UniqueFont font_;
    UniqueBrush controlBrush_;
    PngCache images_;
    HoverTracker hover_;
    // The client point held by the pointer while the dialog is being dragged.
    std::optional<Point> dragSpot_;
    HWND owner_ = nullptr;
    bool ownerDisabled_ = false;
    int modalResult_ = 0;
    DialogFocus keyboard_;
    FocusMark focusMark_;
    AccessibleWindow accessible_{static_cast<AccessibleSource&>(*this)};
};
