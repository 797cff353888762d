#include "skin/win/png_cache.h"

const PngImage* PngCache::image(const std::wstring& path) {
    if (const auto found = images_.find(path); found != images_.end()) {
        return &found->second;
    }
    std::optional<PngImage> loaded = PngImage::load(path);
    if (!loaded) {
        return nullptr;
    }
    return &images_.emplace(path, std::move(*loaded)).first->second;
}
