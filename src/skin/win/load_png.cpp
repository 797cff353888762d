#include "skin/win/load_png.h"

#include <optional>

#include "config/win/notice_box.h"
#include "ui/win/scoped_handle.h"

namespace {

enum class FailureNotice { Silent, MessageBox };

bool loadAndDraw(HDC surface, const std::wstring& path, int x, int y, PngCache* cache, HWND owner,
                 FailureNotice notice) {
    if (surface == nullptr) {
        return false;
    }
    std::optional<PngImage> fresh;
    const PngImage* image = nullptr;
    if (cache != nullptr) {
        image = cache->image(path);
    } else if ((fresh = PngImage::load(path))) {
        image = &*fresh;
    }
    if (image == nullptr) {
        if (notice == FailureNotice::MessageBox) {
            showNotice(owner, Notice{kLoadPngFailedText});
        }
        return false;
    }
    drawPngImage(surface, *image, x, y);
    return true;
}

} // namespace

void drawPngImage(HDC surface, const PngImage& image, int x, int y) {
    UniqueMemoryDc source(CreateCompatibleDC(surface));
    if (!source) {
        return;
    }
    ScopedSelect selected(source.get(), image.bitmap());
    if (image.hasAlpha()) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(surface, x, y, image.width(), image.height(), source.get(), 0, 0, image.width(),
                   image.height(), blend);
    } else {
        BitBlt(surface, x, y, image.width(), image.height(), source.get(), 0, 0, SRCCOPY);
    }
}

bool LoadPng(HDC surface, const std::wstring& path, int x, int y, PngCache* cache) {
    return loadAndDraw(surface, path, x, y, cache, nullptr, FailureNotice::Silent);
}

bool LoadPngInDialog(HWND owner, HDC surface, const std::wstring& path, int x, int y, PngCache* cache) {
    return loadAndDraw(surface, path, x, y, cache, owner, FailureNotice::MessageBox);
}
