#pragma once

#include <windows.h>

#include <array>
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

// The colour rule of a main-window control by its WM_CTLCOLOR* message and control identifier:
// the DPI stage swatches show their stage colour, the lighting and mouse-event headers are black,
// other statics sit on the page green, edits and lists on black, the macro lists on near black.
ControlColourRule mainWindowControlColour(UINT ctlColorMessage, int controlId, TextColour uiTextColor,
                                          const std::array<StageColor, kDpiStageCount>& stageColours);

// The main window's WM_CTLCOLOR* handler. It owns the brush it hands out; the brush of the
// previous call is deleted before a new one is made.
class MainWindowControlColours {
public:
    // Sets up `dc` for `control` and returns the brush to paint its background with, or nullptr to
    // leave the background to the system.
    HBRUSH apply(UINT ctlColorMessage, HDC dc, HWND control, HFONT normalFont, TextColour uiTextColor,
                 const std::array<StageColor, kDpiStageCount>& stageColours);

private:
    UniqueBrush brush_;
};
