#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "skin/png_header.h"
#include "ui/win/scoped_handle.h"

// A skin image decoded from a PNG file into a 32-bit top-down DIB section whose colours are
// premultiplied by their alpha, ready for AlphaBlend. Images without an alpha channel come out
// fully opaque.
class PngImage {
public:
    // Decodes `path`; nothing when the file is missing or not an image.
    static std::optional<PngImage> load(const std::wstring& path);
    // The size of the image in `path` without decoding it when the file starts with a sound PNG
    // header; any other file is decoded to learn it. Nothing when the file is missing or not an
    // image.
    static std::optional<ImageSize> readSize(const std::wstring& path);

    int width() const { return width_; }
    int height() const { return height_; }
    // Whether the source carried an alpha channel (drawn blended rather than copied).
    bool hasAlpha() const { return hasAlpha_; }
    HBITMAP bitmap() const { return bitmap_.get(); }

    // Hands the bitmap over to the caller, who deletes it.
    HBITMAP detach() { return bitmap_.release(); }

private:
    PngImage(UniqueBitmap bitmap, int width, int height, bool hasAlpha)
        : bitmap_(std::move(bitmap)), width_(width), height_(height), hasAlpha_(hasAlpha) {}

    UniqueBitmap bitmap_;
    int width_;
    int height_;
    bool hasAlpha_;
};

// Multiplies blue, green and red of each BGRA pixel by its alpha / 255 (truncating), alpha unchanged.
void premultiplyPixels(uint8_t* bgra, size_t pixelCount);

// Decoded skin images by file path, so that a hover change draws from memory instead of reading and
// decoding its PNG again. The pixels drawn are those of a fresh load. Failed loads are not kept:
// a missing image is looked for again (and reported again) on every draw.
class PngCache {
public:
    // The image of `path`, decoded on first use; nullptr when the file is missing or not an image.
    const PngImage* image(const std::wstring& path);
    std::size_t size() const { return images_.size(); }
    // Lets every decoded image go.
    void clear() { images_.clear(); }

private:
    std::map<std::wstring, PngImage> images_;
};
