#include "skin/png_header.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::array<std::uint8_t, 4> kHeaderChunkType{'I', 'H', 'D', 'R'};
constexpr std::uint32_t kHeaderDataLength = 13;
constexpr std::uint32_t kLargestSide = 0x7FFFFFFF;

std::uint32_t bigEndian32(std::span<const std::uint8_t> bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8 |
           std::uint32_t{bytes[3]};
}

// The CRC-32 of PNG chunks (polynomial 0xEDB88320, reflected), computed bit by bit: it runs over
// 17 bytes once per start, which needs no table.
std::uint32_t chunkCrc(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
    }
    return crc ^ 0xFFFFFFFF;
}

} // namespace

std::optional<ImageSize> pngHeaderSize(std::span<const std::uint8_t> fileStart) {
    if (fileStart.size() < kPngHeaderBytes || !std::ranges::equal(fileStart.first(8), kSignature)) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> chunk = fileStart.subspan(8, kPngHeaderBytes - 8);
    const std::span<const std::uint8_t> typeAndData = chunk.subspan(4, 4 + kHeaderDataLength);
    if (bigEndian32(chunk.first(4)) != kHeaderDataLength ||
        !std::ranges::equal(chunk.subspan(4, 4), kHeaderChunkType) ||
        bigEndian32(chunk.last(4)) != chunkCrc(typeAndData)) {
        return std::nullopt;
    }
    const std::uint32_t width = bigEndian32(typeAndData.subspan(4, 4));
    const std::uint32_t height = bigEndian32(typeAndData.subspan(8, 4));
    if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide) {
        return std::nullopt;
    }
    return ImageSize{static_cast<int>(width), static_cast<int>(height)};
}
