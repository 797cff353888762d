#include "skin/win/png_image.h"

#include "ui/win/mem_dc.h"

#include <array>
#include <memory>
#include <vector>

// stb_image decodes in the program's own code: no system decoder to load and start when the window
// first opens. Only the formats a skin image may come in are compiled, and the image size is
// bounded, so a hostile file cannot ask for a huge buffer.
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_JPEG
#define STBI_ONLY_GIF
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

namespace {

// Larger than any skin image; a file beyond it is not read.
constexpr LONGLONG kLargestImageFile = 64LL * 1024 * 1024;

std::optional<std::vector<stbi_uc>> readWholeFile(const std::wstring& path) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 ||
        size.QuadPart > kLargestImageFile) {
        return std::nullopt;
    }
    std::vector<stbi_uc> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
        read != bytes.size()) {
        return std::nullopt;
    }
    return bytes;
}

struct StbiFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

} // namespace

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
    const std::optional<std::vector<stbi_uc>> file = readWholeFile(path);
    if (!file) {
        return std::nullopt;
    }
    int width = 0;
    int height = 0;
    int channelsInFile = 0;
    const std::unique_ptr<stbi_uc, StbiFree> rgba(stbi_load_from_memory(
        file->data(), static_cast<int>(file->size()), &width, &height, &channelsInFile, 4));
    if (!rgba) {
        return std::nullopt;
    }
    void* bits = nullptr;
    UniqueBitmap bitmap(createTopDownDib(width, height, &bits));
    if (!bitmap) {
        return std::nullopt;
    }
    // RGBA rows, top row first, become the DIB's BGRA with the colours premultiplied by alpha.
    auto* target = static_cast<uint8_t*>(bits);
    const size_t pixelCount = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t pixel = 0; pixel < pixelCount; ++pixel) {
        const stbi_uc* source = rgba.get() + pixel * 4;
        uint8_t* destination = target + pixel * 4;
        destination[0] = source[2];
        destination[1] = source[1];
        destination[2] = source[0];
        destination[3] = source[3];
    }
    premultiplyPixels(target, pixelCount);
    // Grey with alpha or colour with alpha, a palette with transparency included.
    const bool hasAlpha = channelsInFile == 2 || channelsInFile == 4;
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
