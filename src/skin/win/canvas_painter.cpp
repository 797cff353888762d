#include "skin/win/canvas_painter.h"

namespace {

RECT clientRect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

} // namespace

CanvasPainter::CanvasPainter(HWND window, HBITMAP canvas)
    : window_(window), surface_(window_.get(), canvas, clientRect(window)) {}
