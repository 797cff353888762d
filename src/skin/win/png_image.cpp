#include "skin/win/png_image.h"

#include "ui/win/mem_dc.h"

#include <objidl.h>

#include <gdiplus.h>

#include <array>
#include <cstring>
#include <mutex>

namespace {

std::mutex& gdiplusMutex() {
    static std::mutex instance;
    return instance;
}

int gdiplusUsers = 0;
ULONG_PTR gdiplusToken = 0;

} // namespace

GdiplusUse::GdiplusUse() {
    std::lock_guard lock(gdiplusMutex());
    if (gdiplusUsers++ == 0) {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&gdiplusToken, &input, nullptr);
    }
}

GdiplusUse::~GdiplusUse() {
    std::lock_guard lock(gdiplusMutex());
    if (--gdiplusUsers == 0) {
        Gdiplus::GdiplusShutdown(gdiplusToken);
    }
}

void premultiplyPixels(uint8_t* bgra, size_t pixelCount) {
    for (size_t pixel = 0; pixel < pixelCount; ++pixel) {
        uint8_t* channels = bgra + pixel * 4;
        const unsigned alpha = channels[3];
        for (int colour = 0; colour < 3; ++colour) {
            channels[colour] = static_cast<uint8_t>(channels[colour] * alpha / 255);
        }
    }
}

std::optional<PngImage> PngImage::load(const std::wstring& path) {
    GdiplusUse gdiplus;
    Gdiplus::Bitmap source(path.c_str());
    if (source.GetLastStatus() != Gdiplus::Ok) {
        return std::nullopt;
    }
    const int width = static_cast<int>(source.GetWidth());
    const int height = static_cast<int>(source.GetHeight());
    const bool hasAlpha = Gdiplus::IsAlphaPixelFormat(source.GetPixelFormat()) != FALSE;

    Gdiplus::Rect area(0, 0, width, height);
    Gdiplus::BitmapData pixels{};
    if (source.LockBits(&area, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &pixels) != Gdiplus::Ok) {
        return std::nullopt;
    }
    void* bits = nullptr;
    UniqueBitmap bitmap(createTopDownDib(width, height, &bits));
    if (bitmap) {
        auto* target = static_cast<uint8_t*>(bits);
        const auto* row = static_cast<const uint8_t*>(pixels.Scan0);
        const size_t rowBytes = static_cast<size_t>(width) * 4;
        for (int y = 0; y < height; ++y) {
            std::memcpy(target + rowBytes * y, row + static_cast<ptrdiff_t>(pixels.Stride) * y, rowBytes);
        }
        premultiplyPixels(target, static_cast<size_t>(width) * height);
    }
    source.UnlockBits(&pixels);
    if (!bitmap) {
        return std::nullopt;
    }
    return PngImage(std::move(bitmap), width, height, hasAlpha);
}

std::optional<ImageSize> PngImage::readSize(const std::wstring& path) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kPngHeaderBytes> fileStart{};
    DWORD read = 0;
    if (ReadFile(file.get(), fileStart.data(), static_cast<DWORD>(fileStart.size()), &read, nullptr)) {
        if (const std::optional<ImageSize> size = pngHeaderSize(std::span(fileStart).first(read))) {
            return size;
        }
    }
    const std::optional<PngImage> decoded = load(path);
    return decoded ? std::optional(ImageSize{decoded->width(), decoded->height()}) : std::nullopt;
}

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
