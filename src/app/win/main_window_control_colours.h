#pragma once

#include <windows.h>

#include <optional>

#include "config/device_config_record.h"
#include "skin/text_colour.h"
#include "ui/win/scoped_handle.h"

// How one child control of the main window is coloured.
struct ControlColourRule {
    std::optional<COLORREF> text;       // nothing: the control's own text colour
    std::optional<COLORREF> background; // nothing: transparent background
    bool normalFont = false;            // select the main window's normal font
    std::optional<COLORREF> brush;      // nothing: the system's default brush
    bool operator==(const ControlColourRule&) const = default;
};

// The looks the pages give their controls. A control of no particular look follows its kind
// (its WM_CTLCOLOR* message): statics sit on the page green, edits on black, drop-down lists are
// white on black in the window's normal font.
ControlColourRule plainControlColour(UINT ctlColorMessage, TextColour uiTextColor);
// A DPI stage swatch shows its stage's colour.
ControlColourRule stageSwatchColour(const StageColor& stage);
// The texts in the lighting and mouse-event headers are black; they keep the font the page gave
// them, smaller where a language needs that to fit.
ControlColourRule dropDownHeaderColour(TextColour uiTextColor);
// The lighting lists keep the font the page gave them, like the fields above them.
ControlColourRule fittedListColour();
// The macro and event lists sit on near black.
ControlColourRule macroListColour(TextColour uiTextColor);

// The main window's WM_CTLCOLOR* handler. It owns the brush it hands out; the brush of the
// previous call is deleted before a new one is made.
class MainWindowControlColours {
public:
    // Sets up `dc` by `rule` and returns the brush to paint the control's background with, or
    // nullptr to leave the background to the system.
    HBRUSH apply(const ControlColourRule& rule, HDC dc, HFONT normalFont);

private:
    UniqueBrush brush_;
};
