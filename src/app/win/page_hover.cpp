#include <windows.h>

#include <windowsx.h>

#include "app/win/gorvik_dlg.h"
#include "ui/win/win_geometry.h"

namespace {

constexpr DWORD kHoverTimeMs = 10;

} // namespace

INT_PTR CGorvikDlg::onMouseMove(LPARAM position) {
    carryOut(hover_.onMouseMove(pointOf(position)));
    return FALSE;
}

INT_PTR CGorvikDlg::onMouseHover(LPARAM position) {
    carryOut(hover_.onMouseHover(pointOf(position)));
    return FALSE;
}

void CGorvikDlg::carryOut(const MainWindowHoverUpdate& update) {
    if (update.requestHoverNotice) {
        TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, hwnd(), kHoverTimeMs};
        TrackMouseEvent(&track);
    }
    if (!update.copyToWindow) {
        return;
    }
    // Only the buttons that change are drawn; the whole client area then reaches the screen once.
    const PagePaintInput input = paintInput();
    std::vector<PaintElement> elements;
    for (const ButtonRedraw& redraw : update.redraws) {
        std::vector<PaintElement> button = buttonPaint(redraw.button, redraw.over, input);
        elements.insert(elements.end(), std::make_move_iterator(button.begin()),
                        std::make_move_iterator(button.end()));
    }
    drawIntoCanvas(elements);
}

INT_PTR CGorvikDlg::onControlColour(UINT message, HDC dc, HWND control) {
    const PageFeature* page = shownPage();
    const std::optional<ControlColourRule> own =
        page != nullptr ? page->controlColour(message, control, ui_.uiTextColor) : std::nullopt;
    const HBRUSH brush = controlColours_.apply(own.value_or(plainControlColour(message, ui_.uiTextColor)), dc,
                                               normalFont_.get());
    return reinterpret_cast<INT_PTR>(brush);
}
