#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/png_header.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The first 33 bytes of a PNG: signature, IHDR length and type, width, height, bit depth, colour
// type, compression, filter, interlace, CRC.
Bytes header(std::uint32_t width, std::uint32_t height, std::uint8_t colourType, std::uint32_t crc) {
    Bytes bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (const std::uint32_t value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            bytes.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    bytes.insert(bytes.end(), {8, colourType, 0, 0, 0});
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>(crc >> shift));
    }
    return bytes;
}

// A skin's main image, 888 x 660 RGB, as the skin renderer writes it.
const Bytes kMainImage = header(888, 660, 2, 0xD9FD0D54);

Bytes changed(Bytes bytes, std::size_t at, std::uint8_t value) {
    bytes[at] = value;
    return bytes;
}

struct HeaderCase {
    std::string name;
    Bytes fileStart;
    std::optional<ImageSize> size;
};

class PngHeaderSize : public testing::TestWithParam<HeaderCase> {};

TEST_P(PngHeaderSize, ReadsTheDeclaredSizeOrNothing) {
    EXPECT_EQ(pngHeaderSize(GetParam().fileStart), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, PngHeaderSize,
    testing::Values(HeaderCase{"SkinMainImage", kMainImage, ImageSize{888, 660}},
                    HeaderCase{"OnePixelWithAlpha", header(1, 1, 6, 0x1F15C489), ImageSize{1, 1}},
                    HeaderCase{"LargestSide", header(0x7FFFFFFF, 3, 6, 0xEDFE92D6), ImageSize{0x7FFFFFFF, 3}},
                    HeaderCase{"MoreBytesFollow",
                               [] {
                                   Bytes bytes = kMainImage;
                                   bytes.insert(bytes.end(), {0, 0, 0, 0, 'I', 'D', 'A', 'T'});
                                   return bytes;
                               }(),
                               ImageSize{888, 660}},
                    HeaderCase{"Empty", {}, std::nullopt},
                    HeaderCase{"CutInTheCrc", Bytes(kMainImage.begin(), kMainImage.end() - 1), std::nullopt},
                    HeaderCase{"NotAPng", Bytes(33, 'x'), std::nullopt},
                    HeaderCase{"SignatureLineEndsTranslated", changed(kMainImage, 4, '\n'), std::nullopt},
                    HeaderCase{"HeaderLengthNot13", changed(kMainImage, 11, 14), std::nullopt},
                    HeaderCase{"FirstChunkNotHeader", changed(kMainImage, 12, 'i'), std::nullopt},
                    HeaderCase{"WidthChangedUnderCrc", changed(kMainImage, 18, 0x04), std::nullopt},
                    HeaderCase{"CrcWrong", changed(kMainImage, 32, 0x55), std::nullopt},
                    HeaderCase{"ZeroWidth", header(0, 5, 6, 0x6B46EDA1), std::nullopt},
                    HeaderCase{"ZeroHeight", header(5, 0, 6, 0xDDA2B756), std::nullopt},
                    HeaderCase{"WidthPastPngLimit", header(0x80000000, 1, 6, 0x50BD8AA0), std::nullopt}),
    [](const testing::TestParamInfo<HeaderCase>& info) { return info.param.name; });

} // namespace
