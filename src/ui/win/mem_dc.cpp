#include "ui/win/mem_dc.h"

namespace {

bool isPrinter(HDC dc) {
    return GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER;
}

bool isEmpty(const RECT& area) {
    return area.left == 0 && area.top == 0 && area.right == 0 && area.bottom == 0;
}

RECT clientRect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

RECT coveredArea(HDC target, RECT area) {
    if (isEmpty(area)) {
        GetClipBox(target, &area);
    }
    return area;
}

} // namespace

HBITMAP createTopDownDib(int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

void copyBitmapToDc(HDC target, HBITMAP bitmap, const RECT& area) {
    if (bitmap == nullptr) {
        return;
    }
    UniqueMemoryDc memory(CreateCompatibleDC(target));
    if (!memory) {
        return;
    }
    ScopedSelect selected(memory.get(), bitmap);
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.get(),
           area.left, area.top, SRCCOPY);
}

CMemDC::CMemDC(HDC target, RECT area)
    : target_(target), area_(coveredArea(target, area)), drawsToMemory_(!isPrinter(target)) {
    if (drawsToMemory_) {
        ownBitmap_.reset(CreateCompatibleBitmap(target_, area_.right - area_.left, area_.bottom - area_.top));
        prepare(ownBitmap_.get());
    }
}

CMemDC::CMemDC(HDC target, HBITMAP canvas, RECT area)
    : target_(target), area_(area), drawsToMemory_(!isPrinter(target)) {
    if (drawsToMemory_) {
        prepare(canvas);
    }
}

void CMemDC::prepare(HBITMAP bitmap) {
    memory_.reset(CreateCompatibleDC(target_));
    if (!memory_ || bitmap == nullptr) {
        // Nothing to draw on (no canvas, or out of GDI resources): drawing goes nowhere and
        // nothing is copied back, so the target keeps what it shows.
        return;
    }
    previousBitmap_ = SelectObject(memory_.get(), bitmap);
    SetWindowOrgEx(memory_.get(), area_.left, area_.top, nullptr);
}

CMemDC::~CMemDC() {
    if (!drawsToMemory_ || previousBitmap_ == nullptr) {
        return;
    }
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, memory_.get(),
           area_.left, area_.top, SRCCOPY);
    SelectObject(memory_.get(), previousBitmap_);
}

CanvasPainter::CanvasPainter(HWND window, HBITMAP canvas)
    : window_(window), surface_(window_.get(), canvas, clientRect(window)) {}
