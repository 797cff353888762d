#include <gtest/gtest.h>

#include <fstream>
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

TEST(PngImage, MissingOrBrokenFileGivesNothing) {
    skintest::TempFolder folder;
    const auto broken = folder.path() / L"broken.png";
    FILE* file = _wfopen(broken.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fputs("not a png", file);
    std::fclose(file);

    EXPECT_FALSE(PngImage::load((folder.path() / L"missing.png").wstring()));
    EXPECT_FALSE(PngImage::load(broken.wstring()));
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
