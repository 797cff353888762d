#include "ui/win/bitmap_copy.h"

#include "ui/win/scoped_handle.h"

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
