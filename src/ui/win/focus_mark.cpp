#include "ui/win/focus_mark.h"

#include "ui/win/mem_dc.h"
#include "ui/win/scoped_handle.h"
#include "ui/win/win_geometry.h"

namespace {

constexpr int kMarkGap = 2;

void drawMark(HDC dc, Rect mark, COLORREF colour) {
    UniquePen pen(CreatePen(PS_DOT, 1, colour));
    const HGDIOBJ oldPen = SelectObject(dc, pen.get());
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    Rectangle(dc, mark.left, mark.top, mark.right, mark.bottom);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

} // namespace

void FocusMark::moveTo(HWND window, HBITMAP canvas, Rect focused, COLORREF colour) {
    const std::optional<Rect> mark =
        focused == Rect{} ? std::nullopt
                          : std::optional<Rect>(Rect{focused.left - kMarkGap, focused.top - kMarkGap,
                                                     focused.right + kMarkGap, focused.bottom + kMarkGap});
    if (drawn_ == mark) {
        return;
    }
    const WindowDc dc(window);
    if (drawn_) {
        copyBitmapToDc(dc.get(), canvas, toRect(*drawn_));
    }
    drawn_ = mark;
    if (mark) {
        drawMark(dc.get(), *mark, colour);
    }
}

void FocusMark::redraw(HDC dc, COLORREF colour) const {
    if (drawn_) {
        drawMark(dc, *drawn_, colour);
    }
}
