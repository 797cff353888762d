#include <gtest/gtest.h>

#include <fstream>

#include "skin/win/load_png.h"
#include "skin/win/png_image.h"
#include "skin_test_support.h"

using skintest::Pixel;
using skintest::SourcePixel;
using skintest::TempFolder;
using skintest::TestSurface;

namespace {

// What a premultiplied source pixel blended over `below` must give for one channel.
int blendedChannel(int source, int alpha, int below) {
    return source * alpha / 255 + below * (255 - alpha) / 255;
}

struct BlendCase {
    const char* name;
    SourcePixel source;
    Pixel below;
};

class SkinLoadPngBlend : public testing::TestWithParam<BlendCase> {};

TEST_P(SkinLoadPngBlend, TransparentPixelsArePremultipliedAndBlended) {
    const BlendCase& c = GetParam();
    TempFolder folder;
    const auto path = folder.path() / L"half.png";
    skintest::writePng(path, 2, 2, c.source, true);
    TestSurface canvas(6, 6, c.below);

    ASSERT_TRUE(LoadPng(canvas.dc(), path.wstring(), 1, 2));

    const Pixel drawn = canvas.at(1, 2);
    EXPECT_NEAR(drawn.red, blendedChannel(c.source.red, c.source.alpha, c.below.red), 1);
    EXPECT_NEAR(drawn.green, blendedChannel(c.source.green, c.source.alpha, c.below.green), 1);
    EXPECT_NEAR(drawn.blue, blendedChannel(c.source.blue, c.source.alpha, c.below.blue), 1);
    EXPECT_EQ(canvas.at(2, 3), drawn) << "the whole image is drawn";
    EXPECT_EQ(canvas.at(0, 2), c.below) << "left of the image";
    EXPECT_EQ(canvas.at(3, 2), c.below) << "right of the image";
    EXPECT_EQ(canvas.at(1, 4), c.below) << "below the image";
}

INSTANTIATE_TEST_SUITE_P(SkinPixels, SkinLoadPngBlend,
                         testing::Values(BlendCase{"HalfRedOverBlack", {255, 0, 0, 128}, {0, 0, 0, 0}},
                                         BlendCase{"HalfRedOverWhite", {255, 0, 0, 128}, {255, 255, 255, 0}},
                                         BlendCase{"QuarterGreyOverBlue", {200, 100, 50, 64}, {200, 0, 0, 0}},
                                         BlendCase{"InvisibleOverGrey", {255, 255, 255, 0}, {90, 90, 90, 0}},
                                         BlendCase{"OpaqueCyanOverRed", {0, 255, 255, 255}, {0, 0, 255, 0}}),
                         [](const testing::TestParamInfo<BlendCase>& info) { return info.param.name; });

TEST(SkinLoadPng, HalfTransparentRedContributesHalfItsValueOverBlack) {
    TempFolder folder;
    const auto path = folder.path() / L"red.png";
    skintest::writePng(path, 1, 1, {255, 0, 0, 128}, true);
    TestSurface canvas(1, 1, {});

    ASSERT_TRUE(LoadPng(canvas.dc(), path.wstring(), 0, 0));

    EXPECT_EQ(canvas.at(0, 0).red, 128);
}

TEST(SkinLoadPng, OpaquePngCoversItsAreaAndNothingElse) {
    TempFolder folder;
    const auto path = folder.path() / L"opaque.png";
    skintest::writePng(path, 3, 2, {10, 20, 30, 0}, false);
    const Pixel white{255, 255, 255, 0};
    TestSurface canvas(8, 8, white);

    ASSERT_TRUE(LoadPng(canvas.dc(), path.wstring(), 4, 5));

    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 4 && x < 7 && y >= 5 && y < 7;
            const Pixel pixel = canvas.at(x, y);
            if (inside) {
                EXPECT_EQ(pixel.red, 10) << x << "," << y;
                EXPECT_EQ(pixel.green, 20) << x << "," << y;
                EXPECT_EQ(pixel.blue, 30) << x << "," << y;
            } else {
                EXPECT_EQ(pixel, white) << x << "," << y;
            }
        }
    }
}

TEST(SkinLoadPng, ImageReachingPastTheSurfaceEdgeIsDrawnAsFarAsItGoes) {
    TempFolder folder;
    const auto path = folder.path() / L"wide.png";
    skintest::writePng(path, 5, 5, {0, 0, 255, 0}, false);
    TestSurface canvas(4, 4, {});

    ASSERT_TRUE(LoadPng(canvas.dc(), path.wstring(), 2, 2));

    EXPECT_EQ(canvas.at(3, 3).blue, 255);
    EXPECT_EQ(canvas.at(1, 1).blue, 0);
}

struct FailureCase {
    const char* name;
    bool writeGarbage;
};

class SkinLoadPngFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(SkinLoadPngFailure, DrawsNothingAndReportsFailure) {
    TempFolder folder;
    const auto path = folder.path() / L"button-over.png";
    if (GetParam().writeGarbage) {
        std::ofstream(path, std::ios::binary) << "not an image at all";
    }
    TestSurface canvas(4, 4, {1, 2, 3, 4});
    const std::vector<Pixel> before = canvas.pixels();
    PngCache cache;

    EXPECT_FALSE(LoadPng(canvas.dc(), path.wstring(), 0, 0));
    EXPECT_FALSE(LoadPng(canvas.dc(), path.wstring(), 0, 0, &cache));
    {
        skintest::MessageBoxCatcher boxes;
        EXPECT_FALSE(LoadPngInDialog(nullptr, canvas.dc(), path.wstring(), 0, 0));
        ASSERT_EQ(boxes.seen().size(), 1u);
        EXPECT_EQ(boxes.seen()[0].text, L"LoadPng---Load image failed.");
        EXPECT_EQ(boxes.seen()[0].caption, skintest::executableStem()) << "the application's name";
    }

    EXPECT_EQ(canvas.pixels(), before);
    EXPECT_EQ(cache.size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(SkinFiles, SkinLoadPngFailure,
                         testing::Values(FailureCase{"Missing", false}, FailureCase{"NotAnImage", true}),
                         [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(SkinLoadPng, NoSurfaceIsAFailureWithoutMessage) {
    TempFolder folder;
    const auto path = folder.path() / L"fine.png";
    skintest::writePng(path, 1, 1, {1, 2, 3, 255}, true);
    skintest::MessageBoxCatcher boxes;

    EXPECT_FALSE(LoadPng(nullptr, path.wstring(), 0, 0));
    EXPECT_FALSE(LoadPngInDialog(nullptr, nullptr, path.wstring(), 0, 0));
    EXPECT_TRUE(boxes.seen().empty());
}

TEST(SkinPngCache, CachedDrawsGiveTheSamePixelsAsFreshLoads) {
    TempFolder folder;
    const auto path = folder.path() / L"button.png";
    skintest::writePng(path, 3, 3, {240, 120, 60, 150}, true);
    TestSurface fresh(5, 5, {20, 40, 60, 0});
    TestSurface cached(5, 5, {20, 40, 60, 0});
    PngCache cache;

    for (int draw = 0; draw < 3; ++draw) {
        ASSERT_TRUE(LoadPng(fresh.dc(), path.wstring(), 1, 1));
        ASSERT_TRUE(LoadPng(cached.dc(), path.wstring(), 1, 1, &cache));
        EXPECT_EQ(cached.pixels(), fresh.pixels()) << "after draw " << draw;
    }
    EXPECT_EQ(cache.size(), 1u);
}

TEST(SkinPngCache, AnImageThatAppearsLaterIsFoundThen) {
    TempFolder folder;
    const auto path = folder.path() / L"late.png";
    PngCache cache;
    ASSERT_EQ(cache.image(path.wstring()), nullptr);

    skintest::writePng(path, 2, 1, {9, 9, 9, 255}, true);

    const PngImage* image = cache.image(path.wstring());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width(), 2);
    EXPECT_EQ(cache.image(path.wstring()), image) << "decoded once";
}

} // namespace
