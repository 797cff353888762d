#pragma once

#include <map>
#include <string>

#include "skin/win/png_image.h"

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
