#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

#include "skin/win/png_image.h"
#include "skin_test_support.h"

namespace {

using skintest::Pixel;
using skintest::SourcePixel;

struct PremultiplyCase {
    SourcePixel source;
    Pixel expected;
};

class PngImagePremultiply : public testing::TestWithParam<PremultiplyCase> {};

TEST_P(PngImagePremultiply, StoresColoursMultipliedByAlpha) {
    const PremultiplyCase& c = GetParam();
    skintest::GdiplusSession gdiplus;
    skintest::TempFolder folder;
    const auto path = folder.path() / L"pixel.png";
    skintest::writePng(path, 3, 2, c.source, true);

    std::optional<PngImage> image = PngImage::load(path.wstring());
    ASSERT_TRUE(image);
    EXPECT_EQ(skintest::dibPixel(image->bitmap(), 2, 1), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Pixels, PngImagePremultiply,
                         testing::Values(PremultiplyCase{{255, 0, 0, 128}, {0, 0, 128, 128}},
                                         PremultiplyCase{{200, 100, 50, 255}, {50, 100, 200, 255}},
                                         PremultiplyCase{{255, 255, 255, 0}, {0, 0, 0, 0}},
                                         // 101 * 77 / 255 = 30.49..., truncated
                                         PremultiplyCase{{101, 202, 33, 77}, {9, 60, 30, 77}}));

TEST(PngImage, KeepsSizeAndTellsWhetherTheSourceHadAlpha) {
    skintest::GdiplusSession gdiplus;
    skintest::TempFolder folder;
    skintest::writePng(folder.path() / L"alpha.png", 7, 5, {1, 2, 3, 4}, true);
    skintest::writePng(folder.path() / L"opaque.png", 4, 9, {10, 20, 30, 255}, false);

    std::optional<PngImage> alpha = PngImage::load((folder.path() / L"alpha.png").wstring());
    std::optional<PngImage> opaque = PngImage::load((folder.path() / L"opaque.png").wstring());
    ASSERT_TRUE(alpha && opaque);
    EXPECT_EQ(alpha->width(), 7);
    EXPECT_EQ(alpha->height(), 5);
    EXPECT_TRUE(alpha->hasAlpha());
    EXPECT_EQ(opaque->width(), 4);
    EXPECT_EQ(opaque->height(), 9);
    EXPECT_FALSE(opaque->hasAlpha());
    EXPECT_EQ(skintest::dibPixel(opaque->bitmap(), 3, 8), (Pixel{30, 20, 10, 255}));
}

// A PNG signature and header for `width` x `height` RGBA pixels, with no image data after it.
std::string pngHeaderOnly(uint32_t width, uint32_t height) {
    std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (const uint32_t value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            bytes += static_cast<char>((value >> shift) & 0xFF);
        }
    }
    bytes += std::string("\x08\x06\0\0\0", 5) + std::string(4, '\0');
    return bytes;
}

TEST(PngImage, MissingBrokenOrOversizedFileGivesNothing) {
    skintest::TempFolder folder;
    const struct {
        const wchar_t* name;
        std::optional<std::string> content;
    } cases[] = {
        {L"missing.png", std::nullopt},
        {L"empty.png", std::string()},
        {L"text.png", std::string("not a png")},
        {L"cut short.png", pngHeaderOnly(4, 4)},
        // A header that asks for 100000 x 100000 pixels (40 GB) is refused before anything is
        // allocated.
        {L"huge.png", pngHeaderOnly(100000, 100000)},
    };
    for (const auto& c : cases) {
        const auto path = folder.path() / c.name;
        if (c.content) {
            std::ofstream(path, std::ios::binary) << *c.content;
        }
        EXPECT_FALSE(PngImage::load(path.wstring())) << path;
    }
}

TEST(PngImage, DetachHandsTheBitmapOver) {
    skintest::GdiplusSession gdiplus;
    skintest::TempFolder folder;
    skintest::writePng(folder.path() / L"main.png", 2, 2, {0, 0, 0, 255}, false);
    std::optional<PngImage> image = PngImage::load((folder.path() / L"main.png").wstring());
    ASSERT_TRUE(image);

    UniqueBitmap owned(image->detach());
    EXPECT_TRUE(owned);
    EXPECT_EQ(image->bitmap(), nullptr);
    BITMAP info{};
    ASSERT_NE(GetObjectW(owned.get(), sizeof(info), &info), 0);
    EXPECT_EQ(info.bmBitsPixel, 32);
}

// A 24-bit Windows bitmap of `width` x `height` black pixels: an image that is no PNG.
void writeBmp(const std::filesystem::path& path, int width, int height) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    BITMAPINFOHEADER info{sizeof(info), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD pixelsAt = sizeof(BITMAPFILEHEADER) + sizeof(info);
    BITMAPFILEHEADER file{0x4D42, pixelsAt + static_cast<DWORD>(rowBytes * height), 0, 0, pixelsAt};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out << std::string(static_cast<std::size_t>(rowBytes * height), '\0');
}

TEST(PngImage, ReadsTheSizeFromThePngHeaderOrByDecodingAnyOtherImage) {
    skintest::GdiplusSession gdiplus;
    skintest::TempFolder folder;
    skintest::writePng(folder.path() / L"main.png", 888, 660, {1, 2, 3, 255}, false);
    writeBmp(folder.path() / L"bitmap named main.png", 5, 3);
    std::ofstream(folder.path() / L"broken.png", std::ios::binary) << "not a png";
    struct Case {
        const wchar_t* file;
        std::optional<ImageSize> size;
    };
    for (const Case& c :
         {Case{L"main.png", ImageSize{888, 660}}, Case{L"bitmap named main.png", ImageSize{5, 3}},
          Case{L"broken.png", std::nullopt}, Case{L"missing.png", std::nullopt}}) {
        EXPECT_EQ(PngImage::readSize((folder.path() / c.file).wstring()), c.size) << c.file;
    }
}

} // namespace
