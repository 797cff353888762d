#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The pixel size of an image.
struct ImageSize {
    int width = 0;
    int height = 0;

    constexpr bool operator==(const ImageSize&) const = default;
};

// The bytes at the start of a PNG file that declare its size: the signature and the whole IHDR
// chunk (length, type, 13 bytes of data, CRC).
inline constexpr std::size_t kPngHeaderBytes = 33;

// The size a PNG file declares, read from its first kPngHeaderBytes without decoding the image.
// Nothing unless the signature is there, the first chunk is an IHDR of 13 bytes whose CRC matches,
// and both sides lie between 1 and 2^31 - 1 pixels.
std::optional<ImageSize> pngHeaderSize(std::span<const std::uint8_t> fileStart);
