#include "skin/win/skin_canvas.h"

bool SkinCanvas::make() {
    if (bitmap_ || mainImagePath_.empty()) {
        return false;
    }
    std::optional<PngImage> mainImage = PngImage::load(mainImagePath_);
    if (!mainImage) {
        return false;
    }
    bitmap_.reset(mainImage->detach());
    return true;
}

void SkinCanvas::release() {
    images_.clear();
    bitmap_.reset();
}
